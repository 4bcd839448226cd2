#include "editor/RtEditor.h"

#include "editor/RtViewFormats.h"
#include "editor/RtViewWriter.h"
#include "richtext/RtdFormat.h"

#include <QAbstractTextDocumentLayout>
#include <QTextFrame>
#include <QTextList>

#include <map>

namespace moxa::editor {

namespace {

// The format of the character at `position`, and the character.
std::pair<QTextCharFormat, QChar> CharAt(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.contains(position)) {
      return {fragment.charFormat(), fragment.text().at(position - fragment.position())};
    }
  }
  return {QTextCharFormat(), QChar()};
}

bool IsSeparatorOf(const QTextDocument& document, int separator, int next) {
  const auto [format, ch] = CharAt(document, separator);
  if (ch != QChar::LineSeparator) return false;
  const auto [nextFormat, nextCh] = CharAt(document, next);
  return !nextCh.isNull() && nextCh != QChar::LineSeparator &&
         IdentityOf(format) == IdentityOf(nextFormat);
}

// `old` in text style `styleNo`: the style's look, the item's own
// properties kept, the tag dropped (a style change clears it).
QTextCharFormat Converted(const rt::TRtStyle& style, const QTextCharFormat& old, int styleNo) {
  QTextCharFormat format = TextStyleFormat(style, styleNo);
  const QMap<int, QVariant> properties = old.properties();
  for (auto it = properties.begin(); it != properties.end(); ++it) {
    if (it.key() >= QTextFormat::UserProperty && it.key() != kStyleNo && it.key() != kTag) {
      format.setProperty(it.key(), it.value());
    }
  }
  if (old.objectType() != QTextFormat::NoObject) format.setObjectType(old.objectType());
  return format;
}

bool IsFillerBlock(const QTextBlock& block) {
  return block.length() <= 1 && block.blockFormat().boolProperty(kFiller);
}

// One undo step; `changed` runs when it closes.
class EditBlock {
 public:
  EditBlock(QTextDocument& document, std::function<void()> changed)
      : cursor_(&document), changed_(std::move(changed)) {
    cursor_.beginEditBlock();
  }
  ~EditBlock() {
    cursor_.endEditBlock();
    changed_();
  }
  QTextCursor& Cursor() { return cursor_; }

 private:
  QTextCursor cursor_;
  std::function<void()> changed_;
};

}  // namespace

RtEditor::RtEditor(rt::TRtStyle& style, QObject* parent)
    : QObject(parent), style_(style), cursor_(&document_), groupCursor_(&document_) {
  document_.setDocumentMargin(5);
}

RtEditor::~RtEditor() = default;

// --- Document transfer -----------------------------------------------------

void RtEditor::StartUp() {
  document_.setDocumentMargin(5);
  page_ = rt::TRtDocument();  // margins 5, no background colour or picture
  Clear();
  rt::TRtDocument empty;
  rt::TRtDocument* documents[] = {&empty};
  rt::DeleteUnusedStyles(style_, documents, true, true, true);
  Format();
  UpdateCurrentStyles();
}

void RtEditor::Clear() {
  // The margins belong to the view; everything else goes with the content.
  const rt::TRtDocument page = page_;
  page_ = rt::TRtDocument();
  page_.LeftMargin = page.LeftMargin;
  page_.TopMargin = page.TopMargin;
  page_.RightMargin = page.RightMargin;
  page_.BottomMargin = page.BottomMargin;
  document_.setUndoRedoEnabled(false);
  document_.clear();
  ApplyPageProperties();
  QTextCursor cursor(&document_);
  RtViewWriter(document_, style_, [this] { return NextKey(); }).WriteInto(cursor, {});
  document_.setUndoRedoEnabled(true);
  NoteChange();
  cursor_ = QTextCursor(&document_);
  curTextStyle_ = 0;
  UpdateCurrentStyles();
  emit cursorMoved();
}

void RtEditor::Format() { (void)document_.size(); }

void RtEditor::ApplyPageProperties() {
  QTextFrameFormat format = document_.rootFrame()->frameFormat();
  format.setLeftMargin(page_.LeftMargin);
  format.setTopMargin(page_.TopMargin);
  format.setRightMargin(page_.RightMargin);
  format.setBottomMargin(page_.BottomMargin);
  if (page_.Color != rt::rtclNone) {
    format.setBackground(rt::ToQColor(page_.Color));
  } else {
    format.clearBackground();
  }
  document_.rootFrame()->setFrameFormat(format);
}

void RtEditor::LoadDocument(const rt::TRtDocument& document) {
  page_ = document;
  page_.Data.Clear();
  document_.setUndoRedoEnabled(false);
  document_.clear();
  ApplyPageProperties();
  QTextCursor cursor(&document_);
  // One edit block: Qt otherwise re-scans the document's frames after every
  // table it inserts, which makes a large region load in quadratic time.
  cursor.beginEditBlock();
  RtViewWriter(document_, style_, [this] { return NextKey(); }).WriteInto(cursor, document.Data);
  cursor.endEditBlock();
  document_.setUndoRedoEnabled(true);  // an empty history
  NoteChange();
  document_.setModified(false);
  cursor_ = QTextCursor(&document_);
  UpdateCurrentStyles();
  emit cursorMoved();
}

bool RtEditor::LoadRtd(const QString& fileName) {
  rt::TRtDocument document;
  rt::TRtStyle style = style_;
  if (!rt::LoadRtd(fileName, document, style)) return false;
  style_ = std::move(style);
  LoadDocument(document);
  return true;
}

rt::TRtDocument RtEditor::Document() const {
  rt::TRtDocument document = page_;
  document.Data = ReadItems({}, true).Data;
  return document;
}

bool RtEditor::SaveRtd(const QString& fileName) const {
  return rt::SaveRtd(fileName, Document(), style_);
}

const RtReadItems& RtEditor::ReadItems(const RtContainer& container, bool deep) const {
  const int revision = document_.revision();
  reads_.remove_if([&](const CachedRead& read) {
    return read.Revision != revision || read.Changes != changes_;
  });
  for (const CachedRead& read : reads_) {
    if (read.Container == container && read.Deep == deep) return read.Items;
  }
  if (reads_.size() >= 16) reads_.pop_back();
  reads_.push_front({revision, changes_, container, deep,
                     ReadContainer(const_cast<QTextDocument&>(document_), container, deep)});
  return reads_.front().Items;
}

// --- Caret -------------------------------------------------------------------

void RtEditor::SetCursor(const QTextCursor& cursor) {
  if (cursor.document() != &document_) return;
  cursor_ = cursor;
  UpdateCurrentStyles();
  emit cursorMoved();
}

RtDataView RtEditor::TopLevelEditor() {
  return RtDataView(*this, ContainerAt(document_, cursor_.position()));
}

QTextCharFormat RtEditor::TypingFormat(int styleNo) {
  QTextCharFormat format = TextStyleFormat(style_, styleNo);
  format.setProperty(kItemKey, NextKey());
  return format;
}

void RtEditor::UpdateCurrentStyles() {
  const QTextCharFormat format = cursor_.charFormat();
  const ItemIdentity id = IdentityOf(format);
  const int oldText = curTextStyle_;
  if (id.StyleNo >= 0 && format.objectType() == QTextFormat::NoObject) {
    curTextStyle_ = id.StyleNo;
  } else if (!cursor_.hasSelection()) {
    // After a picture or a checkpoint typing continues in the current style.
    cursor_.setCharFormat(TypingFormat(curTextStyle_));
  }
  const int oldPara = curParaStyle_;
  const QTextBlock block = cursor_.block();
  if (!IsFillerBlock(block)) curParaStyle_ = block.blockFormat().intProperty(kParaNo);
  if (curTextStyle_ != oldText && OnCurTextStyleChanged) OnCurTextStyleChanged();
  if (curParaStyle_ != oldPara && OnCurParaStyleChanged) OnCurParaStyleChanged();
}

// --- Styles ------------------------------------------------------------------

void RtEditor::SetCurTextStyleNo(int styleNo) {
  if (!style_.TextStyles.IsValidIndex(styleNo)) return;
  const bool changed = styleNo != curTextStyle_;
  curTextStyle_ = styleNo;
  if (!cursor_.hasSelection()) {
    const QTextBlock block = cursor_.block();
    if (block.length() <= 1 && !IsFillerBlock(block) && !IsBreak(block.blockFormat()) &&
        IdentityOf(block.charFormat()).StyleNo != styleNo) {
      // The empty text item at the caret takes the style at once.
      QTextCursor inBlock(block);
      inBlock.mergeBlockCharFormat(ForBlockMerge(Converted(style_, block.charFormat(), styleNo)));
      NoteChange();
    }
    if (IdentityOf(cursor_.charFormat()).StyleNo != styleNo) {
      cursor_.setCharFormat(TypingFormat(styleNo));
    }
  }
  if (changed && OnCurTextStyleChanged) OnCurTextStyleChanged();
  emit cursorMoved();
}

void RtEditor::ApplyStyleConversion(int userData) {
  std::map<int, int> converted;
  auto convert = [&](int styleNo, bool appliedToText) {
    if (auto it = converted.find(styleNo); it != converted.end()) return it->second;
    int result = styleNo;
    if (OnStyleConversion) OnStyleConversion(styleNo, userData, appliedToText, result);
    if (!style_.TextStyles.IsValidIndex(result)) result = styleNo;
    converted.emplace(styleNo, result);
    return result;
  };
  const int current = convert(curTextStyle_, false);
  EditBlock edit(document_, [this] { NoteChange(); });
  if (cursor_.hasSelection()) {
    int start = cursor_.selectionStart();
    int end = cursor_.selectionEnd();
    // A line break belongs to the item after it: it goes with that item.
    if (start > 0 && IsSeparatorOf(document_, start - 1, start)) --start;
    if (end > start && IsSeparatorOf(document_, end - 1, end)) --end;
    struct Change {
      int From;
      int To;
      QTextCharFormat Format;
      bool Block;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document_.findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
      if (block.length() <= 1) {
        const int at = block.position();
        if (at < start || at >= end || IsFillerBlock(block) || IsBreak(block.blockFormat())) continue;
        const QTextCharFormat old = block.charFormat();
        const int oldStyle = IdentityOf(old).StyleNo >= 0 ? IdentityOf(old).StyleNo : curTextStyle_;
        const int styleNo = convert(oldStyle, true);
        if (styleNo != oldStyle) changes.push_back({at, at, Converted(style_, old, styleNo), true});
        continue;
      }
      for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int from = std::max(fragment.position(), start);
        const int to = std::min(fragment.position() + fragment.length(), end);
        if (from >= to) continue;
        const QTextCharFormat old = fragment.charFormat();
        if (old.objectType() != QTextFormat::NoObject && old.objectType() != kEmptyTextObject) {
          continue;  // pictures and checkpoints have no text style
        }
        const int oldStyle = IdentityOf(old).StyleNo >= 0 ? IdentityOf(old).StyleNo : curTextStyle_;
        const int styleNo = convert(oldStyle, true);
        if (styleNo != oldStyle) changes.push_back({from, to, Converted(style_, old, styleNo), false});
      }
    }
    QTextCursor& work = edit.Cursor();
    for (const Change& change : changes) {
      work.setPosition(change.From);
      if (change.Block) {
        work.mergeBlockCharFormat(ForBlockMerge(change.Format));
      } else {
        work.setPosition(change.To, QTextCursor::KeepAnchor);
        work.setCharFormat(change.Format);
      }
    }
  }
  SetCurTextStyleNo(current);
}

std::vector<QTextBlock> RtEditor::TouchedBlocks() const {
  const int start = cursor_.selectionStart();
  const int end = cursor_.selectionEnd();
  const QTextBlock first = document_.findBlock(start);
  QTextBlock last = document_.findBlock(end);
  if (end > start && last.position() == end && last != first) last = last.previous();
  std::vector<QTextBlock> blocks;
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    if (!IsFillerBlock(block)) blocks.push_back(block);
    if (block == last) break;
  }
  return blocks;
}

void RtEditor::ApplyParaStyleConversion(int userData) {
  std::map<int, int> converted;
  auto convert = [&](int paraNo) {
    if (auto it = converted.find(paraNo); it != converted.end()) return it->second;
    int result = paraNo;
    if (OnParaStyleConversion) OnParaStyleConversion(paraNo, userData, true, result);
    if (!style_.ParaStyles.IsValidIndex(result)) result = paraNo;
    converted.emplace(paraNo, result);
    return result;
  };
  {
    EditBlock edit(document_, [this] { NoteChange(); });
    for (const QTextBlock& block : TouchedBlocks()) {
      QTextBlockFormat format = block.blockFormat();
      const int old = format.intProperty(kParaNo);
      const int paraNo = convert(old);
      if (paraNo == old) continue;
      ApplyParaStyleLook(style_, paraNo, format);
      edit.Cursor().setPosition(block.position());
      edit.Cursor().setBlockFormat(format);
    }
  }
  UpdateCurrentStyles();
  emit cursorMoved();
}

void RtEditor::ApplyListStyle(int listNo, int level, int startFrom, bool useStartFrom,
                              bool /*recursive*/) {
  if (!style_.ListStyles.IsValidIndex(listNo) || level < 0 ||
      level >= static_cast<int>(style_.ListStyles[listNo].Levels.size())) {
    return;
  }
  rt::TRtItem marker;
  marker.StyleNo = rt::rtikListMarker;
  marker.Marker = {listNo, level, startFrom, useStartFrom};
  {
    EditBlock edit(document_, [this] { NoteChange(); });
    QTextCursor& work = edit.Cursor();
    for (const QTextBlock& block : TouchedBlocks()) {
      QTextBlockFormat format = block.blockFormat();
      if (IsBreak(format)) continue;
      SetMarker(format, marker);
      if (block.length() <= 1) format.setProperty(kLoneEmptyItem, true);
      format.clearProperty(QTextFormat::ObjectIndex);
      work.setPosition(block.position());
      work.setBlockFormat(format);
      // The paragraph before, in the same list and level, continues its numbering.
      QTextList* before = block.previous().isValid() ? block.previous().textList() : nullptr;
      if (before && before->format().intProperty(kMarkerListNo) == listNo &&
          before->format().intProperty(kMarkerLevel) == level) {
        before->add(work.block());
      } else {
        work.createList(ListFormatFor(style_, listNo, level));
      }
    }
  }
  emit cursorMoved();
}

void RtEditor::RemoveLists(bool /*recursive*/) {
  {
    EditBlock edit(document_, [this] { NoteChange(); });
    for (const QTextBlock& block : TouchedBlocks()) {
      QTextBlockFormat format = block.blockFormat();
      if (!HasMarker(format)) continue;
      ClearMarker(format);
      edit.Cursor().setPosition(block.position());
      edit.Cursor().setBlockFormat(format);
    }
  }
  emit cursorMoved();
}

// --- Insertion -----------------------------------------------------------------

namespace {

// A line break just before `at` that belonged to the item after it now
// belongs to what was inserted there, so the inserted item starts the line.
void AdoptLineBreak(QTextDocument& document, int at, int end, const QTextCharFormat& format) {
  if (at <= 0 || !IsSeparatorOf(document, at - 1, end)) return;
  QTextCursor separator(&document);
  separator.setPosition(at - 1);
  separator.setPosition(at, QTextCursor::KeepAnchor);
  separator.setCharFormat(format);
}

QTextCharFormat SeparatorFormatFor(const QTextCharFormat& objectFormat) {
  QTextCharFormat format;
  format.setProperty(kItemKey, objectFormat.property(kItemKey));
  if (objectFormat.hasProperty(kTag)) format.setProperty(kTag, objectFormat.property(kTag));
  return format;
}

}  // namespace

bool RtEditor::InsertStringTag(const QString& text, std::int32_t tag) {
  rt::TRtItem item;
  item.StyleNo = curTextStyle_;
  item.Tag = tag;
  item.Text = text;
  if (text.isEmpty()) return InsertObject(item);
  const QTextCharFormat format = TextItemFormat(style_, item, NextKey());
  cursor_.beginEditBlock();
  cursor_.removeSelectedText();
  const int at = cursor_.position();
  cursor_.insertText(ShownText(text), format);
  AdoptLineBreak(document_, at, cursor_.position(), format);
  cursor_.endEditBlock();
  NoteChange();
  UpdateCurrentStyles();
  emit cursorMoved();
  return true;
}

bool RtEditor::InsertObject(const rt::TRtItem& item) {
  const QTextCharFormat format = ObjectItemFormat(style_, item, NextKey(), document_);
  cursor_.beginEditBlock();
  cursor_.removeSelectedText();
  const int at = cursor_.position();
  cursor_.insertText(QString(QChar::ObjectReplacementCharacter), format);
  AdoptLineBreak(document_, at, cursor_.position(),
                 item.IsText() ? format : SeparatorFormatFor(format));
  cursor_.endEditBlock();
  NoteChange();
  UpdateCurrentStyles();
  emit cursorMoved();
  return true;
}

bool RtEditor::InsertPicture(const QString& name, const rt::TRtPicture& picture,
                             rt::TRtVAlign valign) {
  rt::TRtItem item;
  item.StyleNo = rt::rtikPicture;
  item.Text = name;
  item.Picture = rt::Boxed<rt::TRtPicture>(picture);
  item.VAlign = valign;
  return InsertObject(item);
}

bool RtEditor::InsertHotPicture(const QString& name, const rt::TRtPicture& picture,
                                rt::TRtVAlign valign) {
  rt::TRtItem item;
  item.StyleNo = rt::rtikHotPicture;
  item.Text = name;
  item.Picture = rt::Boxed<rt::TRtPicture>(picture);
  item.VAlign = valign;
  return InsertObject(item);
}

void RtEditor::SetCurrentTag(std::int32_t tag) {
  RtDataView view = TopLevelEditor();
  const int itemNo = view.CurItemNo();
  if (itemNo >= 0) view.SetItemTagEd(itemNo, tag);
}

void RtEditor::SetCurrentItemExtraStrProperty(rt::TRtExtraStrProperty property,
                                              const QString& value) {
  RtDataView view = TopLevelEditor();
  const int itemNo = view.CurItemNo();
  if (itemNo >= 0) view.SetItemExtraStrProperty(itemNo, property, value);
  Format();
}

// --- Undo ------------------------------------------------------------------------

void RtEditor::BeginUndoGroup(RtUndoKind kind) { groupKind_ = kind; }

void RtEditor::SetUndoGroupMode(bool on) {
  if (on) {
    groupCursor_.beginEditBlock();
    ++groupDepth_;
  } else if (groupDepth_ > 0) {
    --groupDepth_;
    groupCursor_.endEditBlock();
  }
}

void RtEditor::Undo() {
  document_.undo(&cursor_);
  NoteChange();
  UpdateCurrentStyles();
  emit cursorMoved();
}

void RtEditor::Redo() {
  document_.redo(&cursor_);
  NoteChange();
  UpdateCurrentStyles();
  emit cursorMoved();
}

// --- Hyperlinks ----------------------------------------------------------------

namespace {

// The containers of a deep read in the order ForEachData visits them.
std::vector<const rt::TCustomRtData*> DataInOrder(const rt::TCustomRtData& data) {
  std::vector<const rt::TCustomRtData*> order;
  rt::ForEachData(data, [&](const rt::TCustomRtData& part) { order.push_back(&part); });
  return order;
}

}  // namespace

std::optional<RtJumpPoint> RtEditor::GetJumpPointLocation(int jumpId) {
  const RtReadItems& all = ReadItems({}, true);
  const std::vector<rt::TRtJumpLocation> jumps = rt::CollectJumps(all.Data, style_);
  if (jumpId < 0 || jumpId >= static_cast<int>(jumps.size())) return std::nullopt;
  const std::vector<const rt::TCustomRtData*> order = DataInOrder(all.Data);
  const auto found = std::find(order.begin(), order.end(), jumps[static_cast<size_t>(jumpId)].Data);
  const size_t index = static_cast<size_t>(found - order.begin());
  if (found == order.end() || index >= all.Containers.size()) return std::nullopt;
  return RtJumpPoint{RtDataView(*this, all.Containers[index]),
                     jumps[static_cast<size_t>(jumpId)].ItemNo};
}

std::optional<int> RtEditor::JumpIdAt(int position) const {
  auto& self = const_cast<RtEditor&>(*this);
  const RtContainer where = ContainerAt(self.document_, position);
  const int itemNo = RtDataView(self, where).ItemOfCharacter(position);
  if (itemNo < 0) return std::nullopt;
  const RtReadItems& all = ReadItems({}, true);
  const auto container = std::find(all.Containers.begin(), all.Containers.end(), where);
  if (container == all.Containers.end()) return std::nullopt;
  const rt::TCustomRtData* data =
      DataInOrder(all.Data)[static_cast<size_t>(container - all.Containers.begin())];
  const std::vector<rt::TRtJumpLocation> jumps = rt::CollectJumps(all.Data, style_);
  for (size_t id = 0; id < jumps.size(); ++id) {
    if (jumps[id].Data == data && jumps[id].ItemNo == itemNo) return static_cast<int>(id);
  }
  return std::nullopt;
}

bool RtEditor::FollowJumpAt(int position) {
  const std::optional<int> id = JumpIdAt(position);
  if (!id) return false;
  if (OnJump) OnJump(*id);
  return true;
}

}  // namespace moxa::editor
