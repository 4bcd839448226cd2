// The editor's style operations: text and paragraph style conversions,
// the current text style, lists.
#include "editor/RtEditor.h"
#include "editor/RtViewFormats.h"
#include "editor/RtViewReader.h"

#include <QTextList>

#include <map>

namespace moxa::editor {

namespace {

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
  EditBlock(const EditBlock&) = delete;
  EditBlock& operator=(const EditBlock&) = delete;
  QTextCursor& Cursor() { return cursor_; }

 private:
  QTextCursor cursor_;
  std::function<void()> changed_;
};

}  // namespace

void RtEditor::SetCurTextStyleNo(int styleNo) {
  if (!style_.TextStyles.IsValidIndex(styleNo)) return;
  const bool changed = styleNo != curTextStyle_;
  curTextStyle_ = styleNo;
  if (!cursor_.hasSelection()) {
    const QTextBlock block = cursor_.block();
    if (block.length() <= 1 && !IsEmptyFiller(block) && !IsBreak(block.blockFormat()) &&
        IdentityOf(block.charFormat()).StyleNo != styleNo) {
      // The empty text item at the caret takes the style at once.
      QTextCursor inBlock(block);
      inBlock.mergeBlockCharFormat(ForBlockMerge(InTextStyle(style_, block.charFormat(), styleNo)));
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
    if (start > 0 && IsLineBreakOf(document_, start - 1, start)) --start;
    if (end > start && IsLineBreakOf(document_, end - 1, end)) --end;
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
        if (at < start || at >= end || IsEmptyFiller(block) || IsBreak(block.blockFormat()))
          continue;
        const QTextCharFormat old = block.charFormat();
        const int oldStyle = IdentityOf(old).StyleNo >= 0 ? IdentityOf(old).StyleNo : curTextStyle_;
        const int styleNo = convert(oldStyle, true);
        if (styleNo != oldStyle)
          changes.push_back({at, at, InTextStyle(style_, old, styleNo), true});
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
        if (styleNo != oldStyle)
          changes.push_back({from, to, InTextStyle(style_, old, styleNo), false});
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
    if (!IsEmptyFiller(block)) blocks.push_back(block);
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

}  // namespace moxa::editor
