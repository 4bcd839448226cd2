#include "richtext/HtmlFontMarkup.h"

#include "richtext/HtmlEscape.h"
#include "richtext/HtmlHelpers.h"

#include <iterator>

namespace moxa::rt {

namespace {

struct FlagTag {
  TFontStyle flag;
  const char* open;
  const char* close;
};
// Bold, italic, underline, strikeout: the order in which flags are opened.
constexpr FlagTag kFlagTags[] = {
    {fsBold, "<b>", "</b>"},
    {fsItalic, "<i>", "</i>"},
    {fsUnderline, "<u>", "</u>"},
    {fsStrikeOut, "<s>", "</s>"},
};

// The flags of `styles`, opened in order.
void OpenFlags(QByteArray& out, TFontStyles styles) {
  for (const FlagTag& tag : kFlagTags) {
    if (styles & tag.flag) out += tag.open;
  }
}

// The flags of `styles`, closed in reverse order.
void CloseFlags(QByteArray& out, TFontStyles styles) {
  for (auto it = std::rbegin(kFlagTags); it != std::rend(kFlagTags); ++it) {
    if (styles & it->flag) out += it->close;
  }
}

// Below the line, above it, or on it: the sub- and superscript setting, or
// for a style without one its vertical shift.
int VerticalPosition(const TFontInfo& font) {
  if (font.SubSuperScriptType == rtsssSubscript) return -1;
  if (font.SubSuperScriptType == rtsssSuperScript) return 1;
  return font.VShift < 0 ? -1 : font.VShift > 0 ? 1 : 0;
}

void OpenVerticalPosition(QByteArray& out, const TFontInfo& font) {
  const int position = VerticalPosition(font);
  if (position < 0) out += "<sub>";
  if (position > 0) out += "<sup>";
}

void CloseVerticalPosition(QByteArray& out, const TFontInfo& font) {
  const int position = VerticalPosition(font);
  if (position < 0) out += "</sub>";
  if (position > 0) out += "</sup>";
}

void AppendSize(QByteArray& out, int points) {
  out += " size=";
  out += QByteArray::number(PointsToHtmlSize(points));
}

void AppendColor(QByteArray& out, TRtColor color) {
  out += " color=\"";
  out += HtmlColor(color);
  out += '"';
}

void AppendFace(QByteArray& out, const QString& name) {
  out += " face=\"";
  AppendEscapedAttribute(out, name);
  out += '"';
}

bool SameFace(const TFontInfo& a, const TFontInfo& b) {
  return a.FontName.compare(b.FontName, Qt::CaseInsensitive) == 0;
}

// The colour as written: none is black, system colours their value.
TRtColor WrittenRgb(TRtColor color) {
  return color == rtclNone ? RtRgb(0, 0, 0) : ResolveSystemColor(color);
}

bool SameColor(const TFontInfo& a, const TFontInfo& b) {
  return WrittenRgb(a.Color) == WrittenRgb(b.Color);
}

bool NeedsFontElement(const TFontInfo& base, const TFontInfo& font) {
  return font.Size != base.Size || !SameColor(base, font) || !SameFace(base, font);
}

}  // namespace

QByteArray HtmlColor(TRtColor color) {
  const TRtColor rgb = WrittenRgb(color);
  char text[8];
  static const char kDigits[] = "0123456789abcdef";
  const int parts[] = {RtRed(rgb), RtGreen(rgb), RtBlue(rgb)};
  text[0] = '#';
  for (int i = 0; i < 3; ++i) {
    text[1 + 2 * i] = kDigits[parts[i] >> 4];
    text[2 + 2 * i] = kDigits[parts[i] & 15];
  }
  return QByteArray(text, 7);
}

void AppendBaseFontOpening(QByteArray& out, const TFontInfo& base) {
  out += "<font";
  AppendSize(out, base.Size);
  AppendColor(out, base.Color);
  AppendFace(out, base.FontName);
  out += ">\r\n";
  OpenFlags(out, base.Style);
  OpenVerticalPosition(out, base);
}

void AppendBaseFontClosing(QByteArray& out, const TFontInfo& base) {
  CloseVerticalPosition(out, base);
  CloseFlags(out, base.Style);
  out += "</font>\r\n";
}

void AppendRelativeFontOpening(QByteArray& out, const TFontInfo& base, const TFontInfo& font) {
  if (NeedsFontElement(base, font)) {
    out += "<font";
    if (font.Size != base.Size) AppendSize(out, font.Size);
    if (!SameColor(base, font)) AppendColor(out, font.Color);
    if (!SameFace(base, font)) AppendFace(out, font.FontName);
    out += '>';
  }
  CloseFlags(out, base.Style & ~font.Style);
  OpenFlags(out, font.Style & ~base.Style);
  OpenVerticalPosition(out, font);
}

void AppendRelativeFontClosing(QByteArray& out, const TFontInfo& base, const TFontInfo& font) {
  CloseVerticalPosition(out, font);
  CloseFlags(out, font.Style & ~base.Style);
  OpenFlags(out, base.Style & ~font.Style);
  if (NeedsFontElement(base, font)) out += "</font>";
}

}  // namespace moxa::rt
