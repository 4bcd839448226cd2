#pragma once

// The engine's enumerations. kRtEnumCount<E> is the number of values of E,
// which the binary format uses to refuse values it does not know.

namespace moxa::rt {

template <class E>
inline constexpr int kRtEnumCount = 0;

enum TRtAlignment { rtaLeft, rtaRight, rtaCenter, rtaJustify };
template <> inline constexpr int kRtEnumCount<TRtAlignment> = 4;

enum TRtSubSuperScriptType { rtsssNormal, rtsssSubscript, rtsssSuperScript };
template <> inline constexpr int kRtEnumCount<TRtSubSuperScriptType> = 3;

enum TRtBiDiMode { rtbdUnspecified, rtbdLeftToRight, rtbdRightToLeft };
template <> inline constexpr int kRtEnumCount<TRtBiDiMode> = 3;

enum TRtUnderlineType { rtulNormal, rtulThick, rtulDouble, rtulDotted, rtulDashed, rtulWavy };
template <> inline constexpr int kRtEnumCount<TRtUnderlineType> = 6;

enum TRtLineSpacingType { rtlsPercent, rtlsSpaceBetween, rtlsAtLeast, rtlsExactly };
template <> inline constexpr int kRtEnumCount<TRtLineSpacingType> = 4;

// Paragraph borders.
enum TRtBorderStyle { rtbsNone, rtbsSingle, rtbsDouble };
template <> inline constexpr int kRtEnumCount<TRtBorderStyle> = 3;

enum TRtTabAlign { rttaLeft, rttaRight, rttaCenter };
template <> inline constexpr int kRtEnumCount<TRtTabAlign> = 3;

// rtlstBullet = 0 and rtlstDecimal = 3 are fixed values the editor relies on.
enum TRtListType {
  rtlstBullet = 0,
  rtlstPicture = 1,
  rtlstImageList = 2,
  rtlstDecimal = 3,
  rtlstLowerAlpha = 4,
  rtlstUpperAlpha = 5,
  rtlstLowerRoman = 6,
  rtlstUpperRoman = 7,
};
template <> inline constexpr int kRtEnumCount<TRtListType> = 8;

enum TRtMarkerAlignment { rtmaLeft, rtmaRight, rtmaCenter };
template <> inline constexpr int kRtEnumCount<TRtMarkerAlignment> = 3;

// Vertical alignment of a picture against the text line.
// rtvaLeft and rtvaRight (a picture floated to a side) come last, so that
// saved documents from before them read unchanged.
enum TRtVAlign {
  rtvaBaseline,
  rtvaMiddle,
  rtvaAbsTop,
  rtvaAbsBottom,
  rtvaAbsMiddle,
  rtvaLeft,
  rtvaRight
};
template <> inline constexpr int kRtEnumCount<TRtVAlign> = 7;

enum TRtCellVAlign { rtcTop, rtcMiddle, rtcBottom };
template <> inline constexpr int kRtEnumCount<TRtCellVAlign> = 3;

enum TRtTableBorderStyle { rttbRaised, rttbLowered, rttbColor };
template <> inline constexpr int kRtEnumCount<TRtTableBorderStyle> = 3;

// How a background picture is placed (document, table, cell).
enum TRtBackgroundStyle {
  rtbgNone,
  rtbgTiled,
  rtbgTiledAndScrolled,
  rtbgCentered,
  rtbgTopLeft,
  rtbgTopRight,
  rtbgBottomLeft,
  rtbgBottomRight,
  rtbgStretched,
};
template <> inline constexpr int kRtEnumCount<TRtBackgroundStyle> = 9;

// Character sets of fonts; the importer's bullet fonts use the symbol set.
inline constexpr int rtcsAnsi = 0;
inline constexpr int rtcsDefault = 1;
inline constexpr int rtcsSymbol = 2;

}  // namespace moxa::rt
