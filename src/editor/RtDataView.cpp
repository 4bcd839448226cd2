#include "editor/RtDataView.h"

#include "editor/RtEditor.h"
#include "editor/RtViewFormats.h"

#include <QTextBlock>
#include <QTextTable>

#include <algorithm>

namespace moxa::editor {

namespace {

// The document positions before and after an item.
int Before(const RtItemSpan& span) { return span.Start; }
int After(const RtItemSpan& span) { return span.End; }

bool IsWithin(const RtReadItems& items, int itemNo) {
  return itemNo >= 0 && itemNo < static_cast<int>(items.Spans.size());
}

}  // namespace

RtDataView::RtDataView(RtEditor& editor, RtContainer container)
    : editor_(&editor), container_(std::move(container)), inCell_(!container_.Table.isNull()) {}

bool RtDataView::IsValid() const { return !inCell_ || !container_.Table.isNull(); }

const RtReadItems& RtDataView::Read() const {
  static const RtReadItems none;
  if (!IsValid()) return none;
  return editor_->ReadItems(container_, false);
}

int RtDataView::LineCount() const { return Read().Data.LineCount(); }

rt::TRtItem RtDataView::GetItem(int itemNo) const {
  const RtReadItems& items = Read();
  if (!IsWithin(items, itemNo)) return {};
  return items.Data.Items[static_cast<size_t>(itemNo)];
}

int RtDataView::GetItemStyle(int itemNo) const { return GetItem(itemNo).StyleNo; }
bool RtDataView::IsParaStart(int itemNo) const { return GetItem(itemNo).ParaStart; }
std::int32_t RtDataView::GetItemTag(int itemNo) const { return GetItem(itemNo).Tag; }

std::optional<rt::TRtListMarker> RtDataView::GetListMarkerInfo(int itemNo) const {
  const rt::TRtItem item = GetItem(itemNo);
  if (!item.IsListMarker()) return std::nullopt;
  return item.Marker;
}

std::pair<int, int> RtDataView::ExpandToPara(int firstItem, int lastItem) const {
  const RtReadItems& items = Read();
  if (items.Data.IsEmpty()) return {firstItem, lastItem};
  const int last = items.Data.LineCount() - 1;
  return items.Data.ExpandToPara(std::clamp(firstItem, 0, last), std::clamp(lastItem, 0, last));
}

int RtDataView::GetOffsBeforeItem(int itemNo) const { return GetItem(itemNo).IsText() ? 1 : 0; }

int RtDataView::GetOffsAfterItem(int itemNo) const {
  const rt::TRtItem item = GetItem(itemNo);
  return item.IsText() ? static_cast<int>(item.Text.size()) + 1 : 1;
}

bool RtDataView::SetItemTagEd(int itemNo, std::int32_t tag) {
  const RtReadItems& items = Read();
  if (!IsWithin(items, itemNo)) return false;
  const RtItemSpan& span = items.Spans[static_cast<size_t>(itemNo)];
  QTextCursor cursor(&editor_->document_);
  switch (span.Kind) {
    case RtItemSpan::kText:
    case RtItemSpan::kObject: {
      // The line separator before an item carries its identity too.
      const int from = span.Separator >= 0 ? span.Separator : span.Start;
      QTextCharFormat format;
      format.setProperty(kTag, tag);
      cursor.setPosition(from);
      cursor.setPosition(span.End, QTextCursor::KeepAnchor);
      if (cursor.hasSelection()) cursor.mergeCharFormat(format);
      break;
    }
    case RtItemSpan::kLoneEmpty: {
      QTextCharFormat format;
      format.setProperty(kTag, tag);
      cursor.setPosition(span.BlockPosition);
      cursor.mergeBlockCharFormat(format);
      break;
    }
    case RtItemSpan::kMarker:
    case RtItemSpan::kBreak: {
      QTextBlockFormat format;
      format.setProperty(span.Kind == RtItemSpan::kMarker ? kMarkerTag : kBreakTag, tag);
      cursor.setPosition(span.BlockPosition);
      cursor.mergeBlockFormat(format);
      break;
    }
    case RtItemSpan::kTable: {
      QTextTableFormat format = span.Table->format();
      format.setProperty(kTableTag, tag);
      span.Table->setFormat(format);
      break;
    }
  }
  editor_->NoteChange();
  return true;
}

bool RtDataView::SetItemExtraStrProperty(int itemNo, rt::TRtExtraStrProperty property,
                                         const QString& value) {
  const RtReadItems& items = Read();
  if (!IsWithin(items, itemNo)) return false;
  const RtItemSpan& span = items.Spans[static_cast<size_t>(itemNo)];
  if (span.Kind != RtItemSpan::kText && span.Kind != RtItemSpan::kObject) return false;
  const rt::TRtItem& item = items.Data.Items[static_cast<size_t>(itemNo)];
  QTextCharFormat format;
  if (item.IsPicture()) {
    format.setProperty(property == rt::rtespImageFileName ? kImageFileName : kAltText, value);
  } else {
    // Other items keep extra properties with the fields the view does not show.
    rt::TRtItem changed = item;
    changed.SetExtraStrProperty(property, value);
    format.setProperty(kResidue, QVariant::fromValue(ResidueOf(changed, InlineShown(changed))));
  }
  QTextCursor cursor(&editor_->document_);
  cursor.setPosition(span.Separator >= 0 ? span.Separator : span.Start);
  cursor.setPosition(span.End, QTextCursor::KeepAnchor);
  if (!cursor.hasSelection()) return false;
  cursor.mergeCharFormat(format);
  editor_->NoteChange();
  return true;
}

bool RtDataView::SelectionExists() const { return editor_->cursor_.hasSelection(); }

RtSelectionBounds RtDataView::GetSelectionBounds(bool normalize) const {
  const QTextCursor& cursor = editor_->cursor_;
  if (!cursor.hasSelection()) return {};
  int start = cursor.anchor();
  int end = cursor.position();
  if (normalize && start > end) std::swap(start, end);
  const auto [startItem, startOffs] = ItemAt(start, start <= end);
  const auto [endItem, endOffs] = ItemAt(end, end < start);
  if (startItem < 0 || endItem < 0) return {};
  return {startItem, startOffs, endItem, endOffs};
}

void RtDataView::SetSelectionBounds(int startItem, int startOffs, int endItem, int endOffs) {
  const int anchor = PositionOf(startItem, startOffs);
  const int position = PositionOf(endItem, endOffs);
  if (anchor < 0 || position < 0) return;
  QTextCursor cursor(&editor_->document_);
  cursor.setPosition(anchor);
  cursor.setPosition(position, QTextCursor::KeepAnchor);
  editor_->SetCursor(cursor);
}

int RtDataView::CurItemNo() const { return ItemAt(editor_->cursor_.position(), false).first; }

int RtDataView::OffsetInCurItem() const {
  return ItemAt(editor_->cursor_.position(), false).second;
}

std::pair<int, int> RtDataView::ItemAt(int position, bool preferNext) const {
  const RtReadItems& items = Read();
  const auto& spans = items.Spans;
  const int count = static_cast<int>(spans.size());
  if (count == 0) return {-1, 0};
  auto offsetIn = [&](int i) {
    const RtItemSpan& span = spans[static_cast<size_t>(i)];
    const rt::TRtItem& item = items.Data.Items[static_cast<size_t>(i)];
    if (item.IsText()) {
      return std::clamp(position - span.Start, 0, static_cast<int>(item.Text.size())) + 1;
    }
    if (span.Kind == RtItemSpan::kTable && position > span.Start && position < span.End) {
      return preferNext ? 0 : 1;
    }
    return position <= Before(span) ? 0 : 1;
  };
  // Items whose range holds the position; a list marker only when nothing else does.
  int first = -1;
  int last = -1;
  int marker = -1;
  for (int i = 0; i < count; ++i) {
    const RtItemSpan& span = spans[static_cast<size_t>(i)];
    if (position < Before(span) || position > After(span)) continue;
    if (span.Kind == RtItemSpan::kMarker) {
      marker = i;
      continue;
    }
    if (first < 0) first = i;
    last = i;
  }
  if (first >= 0) {
    const int i = preferNext ? last : first;
    return {i, offsetIn(i)};
  }
  if (marker >= 0) return {marker, preferNext ? 0 : 1};
  // Between items (a filler block, outside the container): the nearest one.
  for (int i = 0; i < count; ++i) {
    if (Before(spans[static_cast<size_t>(i)]) >= position) {
      if (preferNext || i == 0) return {i, offsetIn(i)};
      return {i - 1, offsetIn(i - 1)};
    }
  }
  return {count - 1, offsetIn(count - 1)};
}

int RtDataView::PositionOf(int itemNo, int offset) const {
  const RtReadItems& items = Read();
  if (!IsWithin(items, itemNo)) return -1;
  const RtItemSpan& span = items.Spans[static_cast<size_t>(itemNo)];
  if (items.Data.Items[static_cast<size_t>(itemNo)].IsText() && span.Kind != RtItemSpan::kObject) {
    return std::clamp(span.Start + offset - 1, span.Start, span.End);
  }
  return offset <= 0 ? Before(span) : After(span);
}

int RtDataView::ItemOfCharacter(int position) const {
  const RtReadItems& items = Read();
  for (size_t i = 0; i < items.Spans.size(); ++i) {
    const RtItemSpan& span = items.Spans[i];
    const bool holds = span.Kind == RtItemSpan::kText || span.Kind == RtItemSpan::kObject
                           ? position >= span.Start && position < span.End
                           : false;
    if (holds) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace moxa::editor
