// The HTML reader's blocks: the body, paragraphs, divisions, headings,
// line breaks, horizontal lines and preformatted text.
#include "richtext/HtmlImportRun.h"

#include <algorithm>

namespace moxa::rt {

namespace {

constexpr int kHeadingPoints[] = {36, 24, 18, 14, 12, 10};

}  // namespace

void TRtHtmlRun::EnterBlock(TRtAlignment alignment, int paraStyle) {
  FlushText();
  EnterAlignment(alignment, paraStyle);
  lastParaNo_ = -1;
}

void TRtHtmlRun::LeaveBlock() {
  FlushText();
  LeaveAlignment();
  lastParaNo_ = -1;
}

TRtAlignment TRtHtmlRun::TagAlignment() const {
  return ParseAlign(parser_.TagParams, CurrentAlignment());
}

void TRtHtmlRun::HandleBody() {
  const TRtRawByteStringList& params = parser_.TagParams;
  if (const auto color = ColorAttr(params, "bgcolor")) document_.Color = *color;
  if (const auto color = ColorAttr(params, "text")) {
    style_.TextStyles[0].Color = *color;
    if (curStyle_ == 0) SetCurrentStyle(0);
  }
  if (const auto color = ColorAttr(params, "link")) linkColor_ = *color;
  // A background from the style sheet wins over the attribute.
  if (!backgroundFromStyleSheet_) {
    ReadBackgroundAttr(document_.BackgroundPicture, document_.BackgroundFileName,
                       document_.BackgroundStyle);
  }
}

// A paragraph of one of our classes ("rtpsN") takes that class's style.
void TRtHtmlRun::StartParagraph() {
  parser_.LastWasSpace = true;
  const std::optional<size_t> n = ClassNumber(Attr(parser_.TagParams, "class"), "rtps");
  if (n && *n < paraClasses_.size()) {
    const TRtParaClass& entry = paraClasses_[*n];
    EnterBlock(AlignmentWord(entry.TAlign, CurrentAlignment()), entry.ParaStyleNo);
  } else {
    EnterBlock(TagAlignment(), -1);
  }
}

void TRtHtmlRun::EndDivision() {
  parser_.LastWasSpace = true;
  LeaveBlock();
}

void TRtHtmlRun::LineBreak() {
  parser_.LastWasSpace = true;
  FlushText();
  if (InListItemText()) {
    // A line break of a list item: what follows is a new line of the same
    // item, not an item of its own. A second one leaves an empty line.
    if (newLineDue_) MarkNewLine(TextTarget().AddText(QString(), curStyle_, -1));
    newLineDue_ = true;
    return;
  }
  if (lastParaNo_ == -1) AddEmptyLine();
  lastParaNo_ = -1;
}

bool TRtHtmlRun::InListItemText() const {
  const TContainerDataType& c = Top();
  return ListCount() > 0 && c.IndentStack.back().IndentType != llBQ && !c.CurHadLI &&
         !TextOpensParagraph();
}

void TRtHtmlRun::MarkNewLine(TRtItem& item) {
  if (newLineDue_ && !item.ParaStart) item.NewLine = true;
  newLineDue_ = false;
}

// A heading enters an alignment level of its own (from its "align"), which
// its end leaves, so that it never closes the level of an enclosing div.
void TRtHtmlRun::HandleHeading(int level) {
  FlushText();
  AddEmptyLine();
  EnterAlignment(TagAlignment(), -1);
  font_.Size = kHeadingPoints[std::clamp(level, 1, 6) - 1];
  font_.Style = fsBold;
  PushFont();
  lastParaNo_ = -1;
}

void TRtHtmlRun::EndHeading() {
  LeaveBlock();
  Restore();
}

void TRtHtmlRun::AddRule() {
  FlushText();
  TextTarget().AddBreak();
}

void TRtHtmlRun::StartPreformatted() {
  FlushText();
  parser_.RemoveSpaces = false;
  font_.Name = owner_.DefaultCFontName;
  font_.Size = owner_.DefaultCFontSize;
  PushFont();
}

void TRtHtmlRun::EndPreformatted() {
  FlushText();
  parser_.RemoveSpaces = true;
  Restore();
}

}  // namespace moxa::rt
