#include "editor/RtViewWriter.h"

#include "editor/RtViewFormats.h"
#include "richtext/RtTable.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <map>

namespace moxa::editor {

namespace {

// Neighbouring list paragraphs of one list style share Qt lists, one per
// level, so Qt numbers them as the model does.
class ListRun {
 public:
  void Add(const QTextBlock& block, QTextCursor& cursor, const rt::TRtStyle& style,
           const rt::TRtListMarker& marker) {
    if (marker.ListNo != listNo_) {
      lists_.clear();
      listNo_ = marker.ListNo;
    }
    // Deeper levels restart under a new item of a higher level.
    lists_.erase(lists_.upper_bound(marker.Level), lists_.end());
    auto found = lists_.find(marker.Level);
    const bool restart = found != lists_.end() && marker.UseStartFrom &&
                         marker.StartFrom != found->second->count() + 1;
    if (found == lists_.end() || restart) {
      QTextList* list = cursor.createList(ListFormatFor(style, marker.ListNo, marker.Level));
      lists_[marker.Level] = list;
      return;
    }
    found->second->add(block);
  }
  void Reset() {
    lists_.clear();
    listNo_ = -1;
  }

 private:
  int listNo_ = -1;
  std::map<int, QTextList*> lists_;
};

QTextBlockFormat FillerFormat() {
  QTextBlockFormat format;
  format.setProperty(kFiller, true);
  return format;
}

}  // namespace

// The paragraphs of one container, written one after the other. A block
// is "unused" while it is empty and no paragraph of the model owns it
// yet: the first block of an empty container, the block Qt puts after a
// table. A block left unused is marked as a filler.
class RtViewWriter::Paragraphs {
 public:
  Paragraphs(RtViewWriter& owner, QTextCursor& cursor, bool blockUnused, bool firstInline)
      : owner_(owner), cursor_(cursor), unused_(blockUnused), inline_(firstInline) {}

  void Write(const rt::TCustomRtData& data) {
    const auto& items = data.Items;
    size_t begin = 0;
    while (begin < items.size()) {
      size_t end = begin + 1;
      while (end < items.size() && !items[end].ParaStart) ++end;
      WriteParagraph(items, begin, end);
      begin = end;
    }
    if (unused_) MarkFiller();
  }

 private:
  void WriteParagraph(const std::vector<rt::TRtItem>& items, size_t begin, size_t end) {
    const rt::TRtItem& first = items[begin];
    const bool joins = std::exchange(inline_, false);
    if (first.StyleNo == rt::rtikTable && first.Table) {
      WriteTable(first);
      lists_.Reset();
      return;
    }
    if (joins && !unused_ && first.StyleNo != rt::rtikBreak) {
      for (size_t i = begin; i < end; ++i) {
        if (!items[i].IsListMarker()) WriteItem(items[i], i == begin);
      }
      return;
    }
    QTextBlockFormat block = ParaStyleFormat(owner_.style_, first.ParaNo);
    if (first.StyleNo == rt::rtikBreak) {
      const QTextBlockFormat tailFormat = cursor_.blockFormat();
      const QTextCharFormat tailChar = cursor_.blockCharFormat();
      SetBreak(block, first);
      StartBlock(block, TextStyleFormat(owner_.style_, 0));
      if (cursor_.block().length() > 1) {
        // Text that followed the cursor keeps a paragraph of its own after the line.
        cursor_.insertBlock(tailFormat, tailChar);
        cursor_.movePosition(QTextCursor::PreviousBlock);
      }
      lists_.Reset();
      return;
    }
    size_t content = begin;
    if (first.IsListMarker()) {
      SetMarker(block, first);
      ++content;
    }
    const bool loneEmpty = end - content == 1 && items[content].IsText() &&
                           items[content].Text.isEmpty() &&
                           (items[content].ParaStart || !items[content].NewLine);
    QTextCharFormat blockChar;
    if (loneEmpty) {
      block.setProperty(kLoneEmptyItem, true);
      blockChar = TextItemFormat(owner_.style_, items[content], owner_.nextKey_());
    } else {
      blockChar = TextStyleFormat(owner_.style_, FirstTextStyle(items, content, end));
    }
    StartBlock(block, blockChar);
    if (first.IsListMarker()) {
      lists_.Add(cursor_.block(), cursor_, owner_.style_, first.Marker);
    } else {
      lists_.Reset();
    }
    if (loneEmpty) return;
    for (size_t i = content; i < end; ++i) WriteItem(items[i], i == begin);
  }

  static int FirstTextStyle(const std::vector<rt::TRtItem>& items, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
      if (items[i].IsText()) return items[i].StyleNo;
    }
    return 0;
  }

  void StartBlock(const QTextBlockFormat& block, const QTextCharFormat& blockChar) {
    if (unused_) {
      cursor_.setBlockFormat(block);
      cursor_.mergeBlockCharFormat(ForBlockMerge(blockChar));
    } else {
      cursor_.insertBlock(block, blockChar);
    }
    unused_ = false;
  }

  void WriteItem(const rt::TRtItem& item, bool paraStart) {
    const rt::TRtStyle& style = owner_.style_;
    const bool lineBreak = !paraStart && item.NewLine;
    const int key = owner_.nextKey_();
    if (item.IsText()) {
      const QTextCharFormat format = TextItemFormat(style, item, key);
      if (lineBreak) cursor_.insertText(QString(QChar::LineSeparator), format);
      if (!item.Text.isEmpty()) {
        cursor_.insertText(ShownText(item.Text), format);
      } else if (!lineBreak) {
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter),
                           ObjectItemFormat(style, item, key, owner_.document_));
      }
      return;
    }
    if (!item.IsPicture() && item.StyleNo != rt::rtikCheckpoint) return;  // kept by the paragraph
    const QTextCharFormat format = ObjectItemFormat(style, item, key, owner_.document_);
    if (lineBreak) {
      QTextCharFormat separator;
      separator.setProperty(kItemKey, key);
      if (item.Tag != 0) separator.setProperty(kTag, item.Tag);
      cursor_.insertText(QString(QChar::LineSeparator), separator);
    }
    cursor_.insertText(QString(QChar::ObjectReplacementCharacter), format);
  }

  void WriteTable(const rt::TRtItem& item) {
    if (unused_) MarkFiller();  // Qt wants a block before every table
    const rt::TRtTable& model = *item.Table;
    const int rows = std::max(1, model.RowCount());
    const int cols = std::max(1, model.ColCount());
    QTextTable* table = cursor_.insertTable(rows, cols, TableFormatFor(item));
    const bool wellFormed = model.IsWellFormed();
    for (int r = 0; r < model.RowCount() && wellFormed; ++r) {
      for (int c = 0; c < model.ColCount(); ++c) {
        const rt::TRtTableCell* cell = model.Cell(r, c);
        if (cell && (cell->RowSpan > 1 || cell->ColSpan > 1)) {
          table->mergeCells(r, c, cell->RowSpan, cell->ColSpan);
        }
      }
    }
    for (int r = 0; r < model.RowCount(); ++r) {
      for (int c = 0; c < model.ColCount(); ++c) {
        const rt::TRtTableCell* cell = model.Cell(r, c);
        if (!cell || r >= rows || c >= cols) continue;
        QTextTableCell view = table->cellAt(r, c);
        if (view.row() != r || view.column() != c) continue;
        view.setFormat(CellFormatFor(*cell));
        QTextCursor inCell = view.firstCursorPosition();
        Paragraphs(owner_, inCell, true, false).Write(cell->Data);
      }
    }
    cursor_.setPosition(table->lastPosition() + 1);
    if (cursor_.block().length() > 1) {
      // Text that followed the cursor: the next paragraph goes before it.
      cursor_.insertBlock();
      cursor_.movePosition(QTextCursor::PreviousBlock);
    }
    unused_ = true;
  }

  void MarkFiller() {
    cursor_.setBlockFormat(FillerFormat());
    unused_ = false;
  }

  RtViewWriter& owner_;
  QTextCursor& cursor_;
  bool unused_;
  bool inline_;
  ListRun lists_;
};

RtViewWriter::RtViewWriter(QTextDocument& document, const rt::TRtStyle& style,
                           std::function<int()> nextKey)
    : document_(document), style_(style), nextKey_(std::move(nextKey)) {}

void RtViewWriter::WriteInto(QTextCursor& cursor, const rt::TCustomRtData& data) {
  Paragraphs(*this, cursor, true, false).Write(data);
}

void RtViewWriter::InsertAt(QTextCursor& cursor, const rt::TCustomRtData& data) {
  if (data.IsEmpty()) return;
  const QTextBlock block = cursor.block();
  const bool emptyBlock =
      block.length() <= 1 && !HasMarker(block.blockFormat()) && !IsBreak(block.blockFormat());
  Paragraphs(*this, cursor, emptyBlock, !emptyBlock).Write(data);
}

}  // namespace moxa::editor
