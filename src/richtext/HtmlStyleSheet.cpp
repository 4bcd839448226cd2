// The HTML reader's style sheets: the rules of the engine's own CSS
// ("body", "span.rtts", "a.rtts", "p,ul,ol", ".rtps"), read one token (one
// line) at a time, lowered.
#include "richtext/HtmlImportRun.h"

#include <QList>

#include <algorithm>
#include <array>
#include <climits>

namespace moxa::rt {

namespace {

QByteArray Css(const QByteArray& rule, const char* name) {
  return GetCssValue(rule, name).trimmed();
}

// The leading number of "12pt", "10px", "-3"; `fallback` when there is none.
int LeadingNumber(const QByteArray& text, int fallback) {
  qsizetype end = text.startsWith('-') ? 1 : 0;
  while (end < text.size() && end < 8 && text[end] >= '0' && text[end] <= '9') ++end;
  bool ok = false;
  const int value = text.left(end).toInt(&ok);
  return ok ? value : fallback;
}

// Four pixel values: top, right, bottom, left.
std::optional<std::array<int, 4>> FourValues(const QByteArray& text) {
  const QList<QByteArray> parts = text.simplified().split(' ');
  if (parts.size() != 4) return std::nullopt;
  std::array<int, 4> values{};
  for (size_t i = 0; i < 4; ++i) {
    values[i] = LeadingNumber(parts[static_cast<qsizetype>(i)], INT_MIN);
    if (values[i] == INT_MIN) return std::nullopt;
  }
  return values;
}

// The declarations of the rule whose selector starts at `from`: the text
// between its "{" and the next "}" of this token; none without both.
QByteArray Declarations(const QByteArray& text, qsizetype from) {
  const qsizetype open = text.indexOf('{', from);
  if (open < 0) return {};
  const qsizetype close = text.indexOf('}', open + 1);
  if (close < 0) return {};
  return text.mid(open + 1, close - open - 1);
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

TRtBackgroundStyle BackgroundPlace(const QByteArray& position, const QByteArray& attachment) {
  if (position.isEmpty()) return attachment == "scroll" ? rtbgTiled : rtbgTiledAndScrolled;
  const QByteArray words = position.simplified();
  if (words == "top left") return rtbgTopLeft;
  if (words == "top right") return rtbgTopRight;
  if (words == "bottom left") return rtbgBottomLeft;
  if (words == "bottom right") return rtbgBottomRight;
  return rtbgCentered;
}

// url("file") or url(file): the file.
QByteArray UrlFile(const QByteArray& value) {
  QByteArray inner = value.trimmed();
  if (!inner.startsWith("url(")) return {};
  inner = inner.mid(4);
  if (inner.endsWith(')')) inner.chop(1);
  inner = inner.trimmed();
  while (!inner.isEmpty() && (inner.front() == '"' || inner.front() == '\'')) inner.remove(0, 1);
  while (!inner.isEmpty() && (inner.back() == '"' || inner.back() == '\'')) inner.chop(1);
  return inner;
}

}  // namespace

void TRtHtmlRun::ReadStyleSheet(const QByteArray& text) {
  if (textClasses_.empty()) textClasses_.push_back(0);
  if (paraClasses_.empty()) paraClasses_.push_back({"left", 0});
  const bool spanRules = text.contains("span.rtts");
  qsizetype i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    const qsizetype start = i;
    while (i < text.size() && !IsSpace(text[i])) ++i;
    const QByteArrayView word(text.constData() + start, i - start);
    if (word.startsWith("body")) {
      ReadBodyRule(Declarations(text, start));
    } else if (word.startsWith("span.rtts")) {
      ReadTextClassRule(Declarations(text, start), false);
    } else if (word.startsWith("a.rtts") && spanRules) {
      ReadTextClassRule(Declarations(text, start), true);
    } else if (word.startsWith("p,ul,ol")) {
      ReadParaRule(Declarations(text, start), style_.ParaStyles[0]);
      ForgetParaStyleSearches();
    } else if (word.startsWith(".rtps")) {
      const QByteArray rule = Declarations(text, start);
      TParaInfo para = style_.ParaStyles[0];
      ReadParaRule(rule, para);
      para.Standard = false;
      style_.ParaStyles.Items.push_back(std::move(para));
      paraClasses_.push_back({Css(rule, "text-align"), style_.ParaStyles.Count() - 1});
    }
  }
}

void TRtHtmlRun::ReadFontRule(const QByteArray& rule, TFontInfo& font) const {
  const QByteArray family = Css(rule, "font-family").split(',').first().trimmed();
  if (!family.isEmpty()) font.FontName = RawToText(family, parser_.Encoding);
  const QByteArray color = Css(rule, "color");
  if (!color.isEmpty()) font.Color = ParseHtmlColor(color);
  const QByteArray style = Css(rule, "font-style");
  if (style == "italic" || style == "normal") font.Set(fsItalic, style == "italic");
  const QByteArray weight = Css(rule, "font-weight");
  if (weight == "bold" || weight == "normal") font.Set(fsBold, weight == "bold");
  const QByteArray decoration = Css(rule, "text-decoration");
  if (!decoration.isEmpty()) {
    font.Set(fsUnderline, decoration.contains("underline"));
    font.Set(fsStrikeOut, decoration.contains("line-through"));
    font.Overline = decoration.contains("overline");
  }
  const QByteArray transform = Css(rule, "text-transform");
  if (!transform.isEmpty()) font.AllCaps = transform == "uppercase";
}

void TRtHtmlRun::ReadBodyRule(const QByteArray& rule) {
  TFontInfo& base = style_.TextStyles[0];
  ReadFontRule(rule, base);
  base.Size = std::clamp(LeadingNumber(Css(rule, "font-size"), 10), 1, 1000);
  if (curStyle_ == 0) SetCurrentStyle(0);
  const QByteArray background = Css(rule, "background-color");
  if (!background.isEmpty()) document_.Color = ParseHtmlColor(background);
  const QByteArray file = UrlFile(GetCssValue(rule, "background-image") + ')');
  if (!file.isEmpty() && PicturesWanted() &&
      LoadBackground(file, document_.BackgroundPicture, document_.BackgroundFileName)) {
    document_.BackgroundStyle =
        BackgroundPlace(Css(rule, "background-position"), Css(rule, "background-attachment"));
    backgroundFromStyleSheet_ = true;
  }
  if (const auto margins = FourValues(Css(rule, "margin"))) {
    document_.TopMargin = (*margins)[0];
    document_.RightMargin = (*margins)[1];
    document_.BottomMargin = (*margins)[2];
    document_.LeftMargin = (*margins)[3];
  }
}

void TRtHtmlRun::ReadTextClassRule(const QByteArray& rule, bool link) {
  TFontInfo font = style_.TextStyles[0];
  ReadFontRule(rule, font);
  const int size = LeadingNumber(Css(rule, "font-size"), 0);
  if (size > 0) font.Size = std::min(size, 1000);
  const QByteArray background = Css(rule, "background-color");
  if (!background.isEmpty()) font.BackColor = ParseHtmlColor(background);
  if (link) font.Jump = true;
  font.Standard = false;
  style_.TextStyles.Items.push_back(std::move(font));
  const int styleNo = style_.TextStyles.Count() - 1;
  fontIndex_.Added(style_.TextStyles, styleNo);
  textClasses_.push_back(styleNo);
}

void TRtHtmlRun::ReadParaRule(const QByteArray& rule, TParaInfo& para) const {
  para.Alignment = AlignmentWord(Css(rule, "text-align"), para.Alignment);
  const QByteArray background = Css(rule, "background");
  if (!background.isEmpty() && !background.startsWith('-')) {
    para.Background.Color = ParseHtmlColor(background);
  }
  if (const auto margins = FourValues(Css(rule, "margin"))) {
    para.SpaceBefore = (*margins)[0];
    para.RightIndent = (*margins)[1];
    para.SpaceAfter = (*margins)[2];
    para.LeftIndent = (*margins)[3];
  }
  const QByteArray color = Css(rule, "border-color");
  if (!color.isEmpty()) para.Border.Color = ParseHtmlColor(color);
  const QByteArray style = Css(rule, "border-style");
  if (style == "none") para.Border.Style = rtbsNone;
  if (style == "solid") para.Border.Style = rtbsSingle;
  if (style == "double") para.Border.Style = rtbsDouble;
  const QByteArray width = Css(rule, "border-width");
  if (!width.isEmpty()) para.Border.Width = std::max(0, LeadingNumber(width, para.Border.Width));
  para.Border.VisibleBorders.Bottom = Css(rule, "border-bottom") != "none";
  para.Border.VisibleBorders.Left = Css(rule, "border-left") != "none";
  para.Border.VisibleBorders.Right = Css(rule, "border-right") != "none";
  para.Border.VisibleBorders.Top = Css(rule, "border-top") != "none";
}

}  // namespace moxa::rt
