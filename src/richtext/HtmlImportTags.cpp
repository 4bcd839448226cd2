// The HTML reader's tag table: what each tag does to the run.
#include "richtext/HtmlImportRun.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace moxa::rt {

namespace {

enum class Tag {
  Unknown, Title, Body, P, EndP, Div, Center, EndDiv, Br, H1, H2, H3, H4, H5, H6, EndH, Bold,
  EndBold, Italic, EndItalic, Underline, EndUnderline, Strike, EndStrike, Sup, EndSup, Sub, EndSub,
  Font, EndFont, Span, EndSpan, Pre, EndPre, Ul, Ol, EndUl, EndOl, Blockquote, EndBlockquote, Li,
  Hr, Img, A, EndA, Table, Tr, Td, Th, EndTd, EndTh, EndTr, EndTable, Script, Noembed, Style,
};

Tag LookupTag(std::string_view name) {
  static const std::unordered_map<std::string_view, Tag> kTags = {
      {"title", Tag::Title}, {"body", Tag::Body}, {"p", Tag::P}, {"/p", Tag::EndP},
      {"div", Tag::Div}, {"center", Tag::Center}, {"/div", Tag::EndDiv}, {"/center", Tag::EndDiv},
      {"br", Tag::Br}, {"h1", Tag::H1}, {"h2", Tag::H2}, {"h3", Tag::H3}, {"h4", Tag::H4},
      {"h5", Tag::H5}, {"h6", Tag::H6}, {"/h1", Tag::EndH}, {"/h2", Tag::EndH}, {"/h3", Tag::EndH},
      {"/h4", Tag::EndH}, {"/h5", Tag::EndH}, {"/h6", Tag::EndH}, {"b", Tag::Bold},
      {"strong", Tag::Bold}, {"/b", Tag::EndBold}, {"/strong", Tag::EndBold}, {"i", Tag::Italic},
      {"em", Tag::Italic}, {"/i", Tag::EndItalic}, {"/em", Tag::EndItalic}, {"u", Tag::Underline},
      {"/u", Tag::EndUnderline}, {"strike", Tag::Strike}, {"s", Tag::Strike}, {"del", Tag::Strike},
      {"/strike", Tag::EndStrike}, {"/s", Tag::EndStrike}, {"/del", Tag::EndStrike},
      {"sup", Tag::Sup}, {"/sup", Tag::EndSup}, {"sub", Tag::Sub}, {"/sub", Tag::EndSub},
      {"font", Tag::Font}, {"/font", Tag::EndFont}, {"span", Tag::Span}, {"/span", Tag::EndSpan},
      {"pre", Tag::Pre}, {"/pre", Tag::EndPre}, {"ul", Tag::Ul}, {"ol", Tag::Ol},
      {"/ul", Tag::EndUl}, {"/ol", Tag::EndOl}, {"blockquote", Tag::Blockquote},
      {"/blockquote", Tag::EndBlockquote}, {"li", Tag::Li}, {"hr", Tag::Hr}, {"img", Tag::Img},
      {"a", Tag::A}, {"/a", Tag::EndA}, {"table", Tag::Table}, {"tr", Tag::Tr}, {"td", Tag::Td},
      {"th", Tag::Th}, {"/td", Tag::EndTd}, {"/th", Tag::EndTh}, {"/tr", Tag::EndTr},
      {"/table", Tag::EndTable}, {"script", Tag::Script}, {"noembed", Tag::Noembed},
      {"style", Tag::Style},
  };
  const auto found = kTags.find(name);
  return found == kTags.end() ? Tag::Unknown : found->second;
}

constexpr int kMaxNameLength = 16;

// The tag name in lower case; empty when it is longer than any known name.
std::string_view LowerName(const QByteArray& name, char (&buffer)[kMaxNameLength]) {
  if (name.size() > kMaxNameLength) return {};
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char c = name[i];
    buffer[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return {buffer, static_cast<size_t>(name.size())};
}

// An attribute as a number; `fallback` when it is missing or no number.
// Kept far from the int limits, so that counting on from it cannot overflow.
int NumberAttr(const TRtRawByteStringList& params, const char* name, int fallback) {
  bool ok = false;
  const int value = Attr(params, name).trimmed().toInt(&ok);
  return ok ? std::clamp(value, -1'000'000'000, 1'000'000'000) : fallback;
}

int HalfToEven(int size) { return static_cast<int>(std::nearbyint(size / 2.0)); }

constexpr int kHeadingPoints[] = {36, 24, 18, 14, 12, 10};
constexpr int kMaxFontPoints = 1000;

// "class" of the form prefix + N (prefix in any case); the number N.
std::optional<size_t> ClassNumber(QByteArrayView value, const char* prefix) {
  const qsizetype n = static_cast<qsizetype>(std::strlen(prefix));
  if (value.size() <= n || value.first(n).compare(prefix, Qt::CaseInsensitive) != 0) {
    return std::nullopt;
  }
  bool ok = false;
  const int number = value.sliced(n).toInt(&ok);
  if (!ok || number < 0) return std::nullopt;
  return static_cast<size_t>(number);
}

}  // namespace

void TRtHtmlRun::ReadSkipped() {
  char buffer[kMaxNameLength];
  if (parser_.CurrBlock == cbTag &&
      LowerName(parser_.TagName, buffer) ==
          std::string_view(skipUntil_.constData(), static_cast<size_t>(skipUntil_.size()))) {
    if (skipUntil_ == "/title") {
      owner_.title_ = RawToText(titleText_, parser_.Encoding);
      parser_.LastWasSpace = true;
    }
    skipUntil_.clear();
    return;
  }
  if (skipUntil_ == "/title") {
    if (parser_.CurrBlock == cbText) titleText_ += parser_.TagName;
  } else if (skipUntil_ == "/style") {
    ReadStyleSheet(parser_.TagName.toLower());
  }
}

void TRtHtmlRun::HandleTag() {
  char buffer[kMaxNameLength];
  const TRtRawByteStringList& params = parser_.TagParams;
  switch (LookupTag(LowerName(parser_.TagName, buffer))) {
    case Tag::Unknown:
      return;  // ignored: no flush, so its text joins the text around it
    case Tag::Title:
      skipUntil_ = "/title";
      titleText_.clear();
      return;
    case Tag::Script:
      skipUntil_ = "/script";
      return;
    case Tag::Noembed:
      skipUntil_ = "/noembed";
      return;
    case Tag::Style:
      skipUntil_ = "/style";
      return;
    case Tag::Body:
      HandleBody();
      return;
    case Tag::P:
      parser_.LastWasSpace = true;
      FlushText();
      HandleParagraph();
      lastParaNo_ = -1;
      return;
    case Tag::EndP:
      FlushText();
      LeaveAlignment();
      lastParaNo_ = -1;
      return;
    case Tag::Div:
      FlushText();
      EnterAlignment(AlignAttr(params, CurrentAlignment()), -1);
      lastParaNo_ = -1;
      return;
    case Tag::Center:
      FlushText();
      EnterAlignment(rtaCenter, -1);
      lastParaNo_ = -1;
      return;
    case Tag::EndDiv:
      parser_.LastWasSpace = true;
      FlushText();
      LeaveAlignment();
      lastParaNo_ = -1;
      return;
    case Tag::Br:
      parser_.LastWasSpace = true;
      FlushText();
      if (lastParaNo_ == -1) AddEmptyLine();
      lastParaNo_ = -1;
      return;
    case Tag::H1:
    case Tag::H2:
    case Tag::H3:
    case Tag::H4:
    case Tag::H5:
    case Tag::H6:
      HandleHeading(parser_.TagName[1] - '0');
      return;
    case Tag::EndH:
      FlushText();
      LeaveAlignment();
      lastParaNo_ = -1;
      Restore();
      return;
    case Tag::Bold:
      return SetFlag(fsBold, true);
    case Tag::EndBold:
      return SetFlag(fsBold, false);
    case Tag::Italic:
      return SetFlag(fsItalic, true);
    case Tag::EndItalic:
      return SetFlag(fsItalic, false);
    case Tag::Underline:
      return SetFlag(fsUnderline, true);
    case Tag::EndUnderline:
      return SetFlag(fsUnderline, false);
    case Tag::Strike:
      return SetFlag(fsStrikeOut, true);
    case Tag::EndStrike:
      return SetFlag(fsStrikeOut, false);
    case Tag::Sup:
      return ChangeShift(true, 45);
    case Tag::Sub:
      return ChangeShift(true, -25);
    case Tag::EndSup:
    case Tag::EndSub:
      return ChangeShift(false, 0);
    case Tag::Font:
      return HandleFont();
    case Tag::EndFont:
    case Tag::EndSpan:
      FlushText();
      Restore();
      return;
    case Tag::Span:
      return HandleSpan();
    case Tag::Pre:
      FlushText();
      parser_.RemoveSpaces = false;
      font_.Name = owner_.DefaultCFontName;
      font_.Size = owner_.DefaultCFontSize;
      UseFontStyle(true, inLink_);
      return;
    case Tag::EndPre:
      FlushText();
      parser_.RemoveSpaces = true;
      Restore();
      return;
    case Tag::Ul: {
      FlushText();
      const int open = ListCount();
      const TListType fallback = open == 0 ? ltDisc : open == 1 ? ltCircle : ltSquare;
      EnterIndent(llUL, ParseListType(Attr(params, "type"), fallback),
                  NumberAttr(params, "start", 1));
      lastParaNo_ = -1;
      return;
    }
    case Tag::Ol:
      FlushText();
      EnterIndent(llOL, ParseListType(Attr(params, "type"), ltNumber),
                  NumberAttr(params, "start", 1));
      lastParaNo_ = -1;
      return;
    case Tag::EndUl:
      return EndIndent(llUL);
    case Tag::EndOl:
      return EndIndent(llOL);
    case Tag::Blockquote:
      FlushText();
      EnterIndent(llBQ, ltNone, 1);
      lastParaNo_ = -1;
      return;
    case Tag::EndBlockquote:
      return EndIndent(llBQ);
    case Tag::Li:
      return HandleListItem();
    case Tag::Hr:
      FlushText();
      TextTarget().AddBreak();
      return;
    case Tag::Img:
      FlushText();
      if (!(owner_.Options & rthtmloIgnorePictures)) HandleImage();
      return;
    case Tag::A:
      return HandleAnchor();
    case Tag::EndA:
      return EndAnchor();
    case Tag::Table:
      return HandleTable();
    case Tag::Tr:
      return HandleRow();
    case Tag::Td:
      return HandleCell(false);
    case Tag::Th:
      return HandleCell(true);
    case Tag::EndTd:
      return EndCell(false);
    case Tag::EndTh:
      return EndCell(true);
    case Tag::EndTr:
      return EndRow();
    case Tag::EndTable:
      return EndTable();
  }
}

void TRtHtmlRun::HandleBody() {
  const TRtRawByteStringList& params = parser_.TagParams;
  if (params.IndexOfName("bgcolor") >= 0) {
    document_.Color = ColorOf(Attr(params, "bgcolor"));
  }
  if (params.IndexOfName("text") >= 0) {
    style_.TextStyles[0].Color = ColorOf(Attr(params, "text"));
    if (curStyle_ == 0) SetCurrentStyle(0);
  }
  if (params.IndexOfName("link") >= 0) linkColor_ = ColorOf(Attr(params, "link"));
  if (params.IndexOfName("background") >= 0 && !(owner_.Options & rthtmloIgnorePictures) &&
      !backgroundFromStyleSheet_) {
    if (LoadBackground(Attr(params, "background").toByteArray(), document_.BackgroundPicture,
                       document_.BackgroundFileName)) {
      document_.BackgroundStyle = rtbgTiled;
    }
  }
}

void TRtHtmlRun::HandleParagraph() {
  const TRtRawByteStringList& params = parser_.TagParams;
  const std::optional<size_t> n = ClassNumber(Attr(params, "class"), "rtps");
  if (n && *n < paraClasses_.size()) {
    const TRtParaClass& entry = paraClasses_[*n];
    EnterAlignment(AlignmentWord(entry.TAlign, CurrentAlignment()), entry.ParaStyleNo);
    return;
  }
  EnterAlignment(AlignAttr(params, CurrentAlignment()), -1);
}

// A heading enters an alignment level of its own (from its "align"), which
// its end leaves, so that it never closes the level of an enclosing div.
void TRtHtmlRun::HandleHeading(int level) {
  FlushText();
  AddEmptyLine();
  EnterAlignment(AlignAttr(parser_.TagParams, CurrentAlignment()), -1);
  font_.Size = kHeadingPoints[std::clamp(level, 1, 6) - 1];
  font_.Style = fsBold;
  UseFontStyle(true, inLink_);
  lastParaNo_ = -1;
}

void TRtHtmlRun::HandleFont() {
  FlushText();
  const TRtRawByteStringList& params = parser_.TagParams;
  QByteArrayView face = Attr(params, "face");
  if (const qsizetype comma = face.indexOf(','); comma >= 0) face = face.first(comma);
  face = face.trimmed();
  if (!face.isEmpty()) font_.Name = RawToText(face.toByteArray(), parser_.Encoding);
  if (params.IndexOfName("size") >= 0) {
    const QByteArrayView size = Attr(params, "size").trimmed();
    bool ok = false;
    if (size.startsWith('+') || size.startsWith('-')) {
      const int step = std::clamp(size.sliced(1).toInt(&ok), -7, 7);
      const int current = PointsToHtmlSize(font_.Size);
      font_.Size = HtmlSizeToPoints(ok ? (size[0] == '+' ? current + step : current - step) : 3);
    } else {
      const int n = size.toInt(&ok);
      font_.Size = HtmlSizeToPoints(ok ? n : 3);
    }
  }
  if (params.IndexOfName("color") >= 0) font_.Color = ColorOf(Attr(params, "color"));
  UseFontStyle(true, inLink_);
}

// Every span saves the style it found, also one without a class of ours
// that changes nothing, so that its end restores exactly that and not the
// style an enclosing element saved.
void TRtHtmlRun::HandleSpan() {
  FlushText();
  const std::optional<size_t> n = ClassNumber(Attr(parser_.TagParams, "class"), "rtts");
  const bool ours = n && *n < textClasses_.size();
  if (ours) font_ = TImportFontKey::Of(style_.TextStyles[textClasses_[*n]]);
  if (!ItemTarget()) return;
  Top().PrevFont.push_back(curStyle_);
  if (ours) curStyle_ = textClasses_[*n];
}

void TRtHtmlRun::HandleAnchor() {
  FlushText();
  const TRtRawByteStringList& params = parser_.TagParams;
  if (params.IndexOfName("href") < 0) {
    QString name = RawToText(Attr(params, "name").toByteArray(), parser_.Encoding);
    name.remove(u'\r');
    name.remove(u'\n');
    TextTarget().AddCheckpoint(name);
    return;
  }
  if (inLink_) return;
  inLink_ = true;
  linkHref_ = Attr(params, "href").toByteArray();
  linkNewWindow_ = Attr(params, "target").compare("_blank", Qt::CaseInsensitive) == 0;
  linkTag_.reset();
  linkDepth_ = Top().PrevFont.size();
  font_.Color = linkColor_;
  font_.Style = owner_.DefaultLinkStyle;
  UseFontStyle(true, true);
}

void TRtHtmlRun::EndAnchor() {
  if (!inLink_) return;
  FlushText();
  inLink_ = false;
  linkHref_.clear();
  linkTag_.reset();
  std::vector<int>& saved = Top().PrevFont;
  int style = 0;
  if (saved.size() > linkDepth_) {
    style = saved[linkDepth_];
    saved.resize(linkDepth_);
  }
  SetCurrentStyle(style);
}

void TRtHtmlRun::HandleListItem() {
  FlushText();
  TContainerDataType& c = Top();
  const TRtRawByteStringList& params = parser_.TagParams;
  const int value = NumberAttr(params, "value", 0);
  TListType fallback = ltDisc;
  int number = value;
  if (!c.IndentStack.empty()) {
    TContainerIndentType& list = c.IndentStack.back();
    fallback = list.ListType;
    if (value >= 1) list.ListValue = value;
    number = list.ListValue;
    list.ListValue = std::min(list.ListValue, 1'000'000'000) + 1;
  }
  c.CurLIType = ParseListType(Attr(params, "type"), fallback);
  c.CurLIValue = number;
  c.CurHadLI = true;
  lastParaNo_ = -1;
}

void TRtHtmlRun::EndIndent(TIndentType type) {
  FlushText();
  LeaveIndent(type);
  lastParaNo_ = -1;
}

void TRtHtmlRun::SetFlag(TFontStyle flag, bool on) {
  FlushText();
  font_.Style = on ? (font_.Style | flag) : (font_.Style & ~flag);
  UseFontStyle(on, inLink_);
}

void TRtHtmlRun::ChangeShift(bool start, int shift) {
  FlushText();
  font_.VShift = shift;
  font_.Size =
      start ? std::max(1, HalfToEven(font_.Size)) : std::min(font_.Size * 2, kMaxFontPoints);
  UseFontStyle(start, inLink_);
}

}  // namespace moxa::rt
