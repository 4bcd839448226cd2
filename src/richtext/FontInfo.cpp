#include "richtext/FontInfo.h"

namespace moxa::rt {

namespace {

// Compares one property when the mask names it.
template <class T>
bool SameIfAsked(TFontInfoProperties mask, TFontInfoProperty property, const T& a, const T& b) {
  return (mask & property) == 0 || a == b;
}

bool SameFlag(TFontInfoProperties mask, TFontInfoProperty property, const TFontInfo& a,
              const TFontInfo& b, TFontStyle flag) {
  return SameIfAsked(mask, property, a.Has(flag), b.Has(flag));
}

}  // namespace

bool SameFontInfo(const TFontInfo& a, const TFontInfo& b, TFontInfoProperties m) {
  return SameIfAsked(m, rtfiFontName, a.FontName, b.FontName) &&
         SameIfAsked(m, rtfiSize, a.Size, b.Size) &&
         SameIfAsked(m, rtfiCharset, a.Charset, b.Charset) &&
         SameIfAsked(m, rtfiUnicode, a.Unicode, b.Unicode) &&
         SameFlag(m, rtfiBold, a, b, fsBold) && SameFlag(m, rtfiItalic, a, b, fsItalic) &&
         SameFlag(m, rtfiUnderline, a, b, fsUnderline) &&
         SameFlag(m, rtfiStrikeOut, a, b, fsStrikeOut) &&
         SameIfAsked(m, rtfiOverline, a.Overline, b.Overline) &&
         SameIfAsked(m, rtfiAllCaps, a.AllCaps, b.AllCaps) &&
         SameIfAsked(m, rtfiSubSuperScriptType, a.SubSuperScriptType, b.SubSuperScriptType) &&
         SameIfAsked(m, rtfiVShift, a.VShift, b.VShift) &&
         SameIfAsked(m, rtfiColor, a.Color, b.Color) &&
         SameIfAsked(m, rtfiBackColor, a.BackColor, b.BackColor) &&
         SameIfAsked(m, rtfiJump, a.Jump, b.Jump) &&
         SameIfAsked(m, rtfiHoverBackColor, a.HoverBackColor, b.HoverBackColor) &&
         SameIfAsked(m, rtfiHoverColor, a.HoverColor, b.HoverColor) &&
         SameIfAsked(m, rtfiHoverUnderline, a.HoverUnderline, b.HoverUnderline) &&
         SameIfAsked(m, rtfiJumpCursor, a.JumpCursor, b.JumpCursor) &&
         SameIfAsked(m, rtfiNextStyleNo, a.NextStyleNo, b.NextStyleNo) &&
         SameIfAsked(m, rtfiProtection, a.Protection, b.Protection) &&
         SameIfAsked(m, rtfiCharScale, a.CharScale, b.CharScale) &&
         SameIfAsked(m, rtfiBaseStyleNo, a.BaseStyleNo, b.BaseStyleNo) &&
         SameIfAsked(m, rtfiBiDiMode, a.BiDiMode, b.BiDiMode) &&
         SameIfAsked(m, rtfiCharSpacing, a.CharSpacing, b.CharSpacing) &&
         SameIfAsked(m, rtfiHTMLCode, a.HTMLCode, b.HTMLCode) &&
         SameIfAsked(m, rtfiRTFCode, a.RTFCode, b.RTFCode) &&
         SameIfAsked(m, rtfiUnderlineType, a.UnderlineType, b.UnderlineType) &&
         SameIfAsked(m, rtfiUnderlineColor, a.UnderlineColor, b.UnderlineColor) &&
         SameIfAsked(m, rtfiHoverUnderlineColor, a.HoverUnderlineColor, b.HoverUnderlineColor);
}

}  // namespace moxa::rt
