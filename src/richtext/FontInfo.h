#pragma once

#include "richtext/RtColor.h"
#include "richtext/RtEnums.h"
#include "richtext/RtFields.h"

#include <QString>

#include <cstdint>

namespace moxa::rt {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;  // a set of TFontStyle bits
inline constexpr TFontStyles kAllFontStyles = fsBold | fsItalic | fsUnderline | fsStrikeOut;

// One text style. Every property is compared by FindSuchStyle, also those the
// application never sets: a new style inherits them from the style it copies.
struct TFontInfo {
  QString StyleName = QStringLiteral("Text Style");
  QString FontName = QStringLiteral("Arial");
  int Size = 10;  // points
  int Charset = rtcsDefault;
  TFontStyles Style = 0;
  TRtColor Color = rtclWindowText;
  TRtColor BackColor = rtclNone;  // rtclNone: transparent
  TRtSubSuperScriptType SubSuperScriptType = rtsssNormal;
  bool Jump = false;     // a hyperlink style
  bool Unicode = false;  // text stored as 16-bit characters
  bool Standard = true;  // never removed by DeleteUnusedStyles
  bool Overline = false;
  bool AllCaps = false;
  int VShift = 0;  // percent of the line height, positive upwards
  TRtColor HoverColor = rtclNone;
  TRtColor HoverBackColor = rtclNone;
  bool HoverUnderline = false;
  int JumpCursor = 0;
  int NextStyleNo = -1;
  int Protection = 0;
  int CharScale = 100;  // percent
  int BaseStyleNo = -1;
  TRtBiDiMode BiDiMode = rtbdUnspecified;
  int CharSpacing = 0;
  bool HTMLCode = false;
  bool RTFCode = false;
  TRtUnderlineType UnderlineType = rtulNormal;
  TRtColor UnderlineColor = rtclNone;
  TRtColor HoverUnderlineColor = rtclNone;

  void Assign(const TFontInfo& source) { *this = source; }
  bool Has(TFontStyle flag) const { return (Style & flag) != 0; }
  void Set(TFontStyle flag, bool on) { Style = on ? (Style | flag) : (Style & ~flag); }
  bool operator==(const TFontInfo&) const = default;
};

// The properties FindSuchStyle can compare; StyleName and Standard are not
// among them, so equal formatting finds a style whatever its name or origin.
enum TFontInfoProperty : std::uint32_t {
  rtfiFontName = 1u << 0,
  rtfiSize = 1u << 1,
  rtfiCharset = 1u << 2,
  rtfiUnicode = 1u << 3,
  rtfiBold = 1u << 4,
  rtfiItalic = 1u << 5,
  rtfiUnderline = 1u << 6,
  rtfiStrikeOut = 1u << 7,
  rtfiOverline = 1u << 8,
  rtfiAllCaps = 1u << 9,
  rtfiSubSuperScriptType = 1u << 10,
  rtfiVShift = 1u << 11,
  rtfiColor = 1u << 12,
  rtfiBackColor = 1u << 13,
  rtfiJump = 1u << 14,
  rtfiHoverBackColor = 1u << 15,
  rtfiHoverColor = 1u << 16,
  rtfiHoverUnderline = 1u << 17,
  rtfiJumpCursor = 1u << 18,
  rtfiNextStyleNo = 1u << 19,
  rtfiProtection = 1u << 20,
  rtfiCharScale = 1u << 21,
  rtfiBaseStyleNo = 1u << 22,
  rtfiBiDiMode = 1u << 23,
  rtfiCharSpacing = 1u << 24,
  rtfiHTMLCode = 1u << 25,
  rtfiRTFCode = 1u << 26,
  rtfiUnderlineType = 1u << 27,
  rtfiUnderlineColor = 1u << 28,
  rtfiHoverUnderlineColor = 1u << 29,
};
using TFontInfoProperties = std::uint32_t;
inline constexpr TFontInfoProperties kAllFontInfoProperties = (1u << 30) - 1;

// True when every property named in `mask` is equal in a and b.
bool SameFontInfo(const TFontInfo& a, const TFontInfo& b,
                  TFontInfoProperties mask = kAllFontInfoProperties);

template <class Visitor>
void ForEachField(FieldsOf<TFontInfo>, Visitor&& visit) {
  visit("StyleName", &TFontInfo::StyleName);
  visit("FontName", &TFontInfo::FontName);
  visit("Size", &TFontInfo::Size);
  visit("Charset", &TFontInfo::Charset);
  visit("Style", &TFontInfo::Style);
  visit("Color", &TFontInfo::Color);
  visit("BackColor", &TFontInfo::BackColor);
  visit("SubSuperScriptType", &TFontInfo::SubSuperScriptType);
  visit("Jump", &TFontInfo::Jump);
  visit("Unicode", &TFontInfo::Unicode);
  visit("Standard", &TFontInfo::Standard);
  visit("Overline", &TFontInfo::Overline);
  visit("AllCaps", &TFontInfo::AllCaps);
  visit("VShift", &TFontInfo::VShift);
  visit("HoverColor", &TFontInfo::HoverColor);
  visit("HoverBackColor", &TFontInfo::HoverBackColor);
  visit("HoverUnderline", &TFontInfo::HoverUnderline);
  visit("JumpCursor", &TFontInfo::JumpCursor);
  visit("NextStyleNo", &TFontInfo::NextStyleNo);
  visit("Protection", &TFontInfo::Protection);
  visit("CharScale", &TFontInfo::CharScale);
  visit("BaseStyleNo", &TFontInfo::BaseStyleNo);
  visit("BiDiMode", &TFontInfo::BiDiMode);
  visit("CharSpacing", &TFontInfo::CharSpacing);
  visit("HTMLCode", &TFontInfo::HTMLCode);
  visit("RTFCode", &TFontInfo::RTFCode);
  visit("UnderlineType", &TFontInfo::UnderlineType);
  visit("UnderlineColor", &TFontInfo::UnderlineColor);
  visit("HoverUnderlineColor", &TFontInfo::HoverUnderlineColor);
}

}  // namespace moxa::rt
