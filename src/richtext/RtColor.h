#pragma once

#include <QColor>

#include <cstdint>

namespace moxa::rt {

// The engine's colour: the low three bytes are red, green and blue with red in
// the lowest byte; 0xFF0000nn is system colour nn; rtclNone is "no colour".
using TRtColor = std::uint32_t;

inline constexpr TRtColor rtclNone = 0x1FFFFFFF;
inline constexpr TRtColor rtclWindow = 0xFF000005;
inline constexpr TRtColor rtclWindowText = 0xFF000008;
inline constexpr TRtColor rtclBtnFace = 0xFF00000F;
inline constexpr TRtColor rtclBtnShadow = 0xFF000010;
inline constexpr TRtColor rtclBtnHighlight = 0xFF000014;

constexpr TRtColor RtRgb(int red, int green, int blue) {
  return static_cast<TRtColor>(red & 0xFF) | static_cast<TRtColor>(green & 0xFF) << 8 |
         static_cast<TRtColor>(blue & 0xFF) << 16;
}
constexpr int RtRed(TRtColor color) { return color & 0xFF; }
constexpr int RtGreen(TRtColor color) { return (color >> 8) & 0xFF; }
constexpr int RtBlue(TRtColor color) { return (color >> 16) & 0xFF; }
constexpr bool IsSystemColor(TRtColor color) { return (color & 0xFF000000) == 0xFF000000; }

// A system colour turned into its value on this platform (a fixed, light
// palette, since pages must not depend on the desktop theme); other colours
// unchanged except that bits above the three colour bytes are dropped.
TRtColor ResolveSystemColor(TRtColor color);

// For drawing: rtclNone gives an invalid QColor.
QColor ToQColor(TRtColor color);
TRtColor FromQColor(const QColor& color);  // invalid or fully transparent gives rtclNone

}  // namespace moxa::rt
