#pragma once

#include "richtext/FontInfo.h"
#include "richtext/RtColor.h"

#include <QByteArray>

namespace moxa::rt {

// The font markup of the HTML writer. Formatting is written relative to
// the base text style (style 0), whose font element wraps the whole body.

// "#rrggbb" in lower case, system colours at their value on this platform
// (window text is #000000); a text colour of none is written as black.
QByteArray HtmlColor(TRtColor color);

// The base font: its font element with size, colour and face always, with
// a line break, then "<b>", "<i>", "<u>", "<s>" for its flags and "<sub>"
// or "<sup>" for its vertical position.
void AppendBaseFontOpening(QByteArray& out, const TFontInfo& base);
// "</sub>" or "</sup>", the flags closed in reverse, "</font>" and a line break.
void AppendBaseFontClosing(QByteArray& out, const TFontInfo& base);

// Text in style `font` inside the base font: a font element for the size,
// colour and face that differ, the base's flags that `font` lacks closed,
// its own flags opened, then its vertical position. Nothing at all when the
// two look the same.
void AppendRelativeFontOpening(QByteArray& out, const TFontInfo& base, const TFontInfo& font);
// Undoes AppendRelativeFontOpening in reverse.
void AppendRelativeFontClosing(QByteArray& out, const TFontInfo& base, const TFontInfo& font);

}  // namespace moxa::rt
