#include "editor/RtEditor.h"

#include "editor/RtViewFormats.h"
#include "editor/RtViewReader.h"
#include "editor/RtViewWriter.h"
#include "richtext/RtdFormat.h"

#include <QTextFrame>

namespace moxa::editor {

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
  emit documentReplacing();
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
  emit documentReplacing();
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
  if (!IsEmptyFiller(block)) curParaStyle_ = block.blockFormat().intProperty(kParaNo);
  if (curTextStyle_ != oldText && OnCurTextStyleChanged) OnCurTextStyleChanged();
  if (curParaStyle_ != oldPara && OnCurParaStyleChanged) OnCurParaStyleChanged();
}

// --- Insertion -----------------------------------------------------------------

namespace {

// A line break just before `at` that belonged to the item after it now
// belongs to what was inserted there, so the inserted item starts the line.
void AdoptLineBreak(QTextDocument& document, int at, int end, const QTextCharFormat& format) {
  if (at <= 0 || !IsLineBreakOf(document, at - 1, end)) return;
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

namespace {
rt::TRtItem PictureItem(int kind, const QString& name, const rt::TRtPicture& picture,
                        rt::TRtVAlign valign) {
  rt::TRtItem item;
  item.StyleNo = kind;
  item.Text = name;
  item.Picture = rt::Boxed<rt::TRtPicture>(picture);
  item.VAlign = valign;
  return item;
}
}  // namespace

bool RtEditor::InsertPicture(const QString& name, const rt::TRtPicture& picture,
                             rt::TRtVAlign valign) {
  return InsertObject(PictureItem(rt::rtikPicture, name, picture, valign));
}

bool RtEditor::InsertHotPicture(const QString& name, const rt::TRtPicture& picture,
                                rt::TRtVAlign valign) {
  return InsertObject(PictureItem(rt::rtikHotPicture, name, picture, valign));
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
