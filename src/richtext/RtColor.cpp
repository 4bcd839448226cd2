#include "richtext/RtColor.h"

namespace moxa::rt {

TRtColor ResolveSystemColor(TRtColor color) {
  if (color == rtclNone) return color;
  if (!IsSystemColor(color)) return color & 0xFFFFFF;
  switch (color & 0xFF) {
    case 5:  // window
    case 20:  // button highlight
      return RtRgb(255, 255, 255);
    case 15:  // button face
      return RtRgb(240, 240, 240);
    case 16:  // button shadow
      return RtRgb(160, 160, 160);
    default:  // window text and every other system colour
      return RtRgb(0, 0, 0);
  }
}

QColor ToQColor(TRtColor color) {
  if (color == rtclNone) return QColor();
  const TRtColor rgb = ResolveSystemColor(color);
  return QColor(RtRed(rgb), RtGreen(rgb), RtBlue(rgb));
}

TRtColor FromQColor(const QColor& color) {
  if (!color.isValid() || color.alpha() == 0) return rtclNone;
  return RtRgb(color.red(), color.green(), color.blue());
}

}  // namespace moxa::rt
