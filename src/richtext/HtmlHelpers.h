#pragma once

#include "richtext/HtmlParser.h"
#include "richtext/RawByteStringList.h"
#include "richtext/RtColor.h"
#include "richtext/RtEnums.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace moxa::rt {

// The small lexical helpers with which the HTML reader reads attribute values.

enum TListType {
  ltNone,
  ltDisc,
  ltCircle,
  ltSquare,
  ltNumber,
  ltLowerAlpha,
  ltUpperAlpha,
  ltLowerRoman,
  ltUpperRoman,
};

// A colour name of HTML 4.01 (or "brown"), any case, gives its value;
// otherwise one leading "#" is dropped, three digits are doubled (f0a is
// ff00aa) and the text is read as the hexadecimal number RRGGBB. Anything
// else (an unknown name, "transparent") gives black.
TRtColor ParseHtmlColor(QByteArrayView text);

// HTML font sizes 1 to 7 are 8, 10, 12, 14, 18, 24 and 36 points; sizes
// outside are clamped first.
int HtmlSizeToPoints(int htmlSize);
// The smallest size from 1 to 6 whose points reach `points`, else 7.
int PointsToHtmlSize(int points);

// "left", "right", "center", "justify" in any case; any other word gives
// `fallback`. The one reading of an alignment, for attributes and styles.
TRtAlignment AlignmentWord(QByteArrayView word, TRtAlignment fallback);
// AlignmentWord of the "align" attribute; absent, `fallback`.
TRtAlignment ParseAlign(const TRtRawByteStringList& params, TRtAlignment fallback);

// "disc", "circle", "square" in any case; "a", "A", "i", "I", "1" exactly;
// anything else gives `fallback`.
TListType ParseListType(QByteArrayView text, TListType fallback);

// The value of CSS property `name` in a text of declarations: the first
// occurrence of the name at the start or after a space, ";" or "{"; at most
// 100 bytes after it, without leading spaces and colons; a quoted value up
// to the next quote, any other up to ")", ";", ">", "]" or "}". Empty when
// the name does not occur so.
QByteArray GetCssValue(QByteArrayView text, QByteArrayView name);

// 8-bit text to Unicode: UTF-8 in both modes on this platform.
QString RawToText(const QByteArray& text, TRtHTMLEncoding encoding);

// Replaces "&name;" (name: ASCII letters and digits) by its character when
// the name is in the reference table; every other "&" stays, numeric
// references included.
QString DecodeEntitiesInText(const QString& text);

}  // namespace moxa::rt
