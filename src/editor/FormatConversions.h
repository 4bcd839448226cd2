#pragma once

#include "editor/RtEditor.h"
#include "richtext/RtColor.h"
#include "richtext/RtStyle.h"

#include <QString>

namespace moxa::editor {

// What the toolbar holds for the editor as a whole.
struct FormatState {
  bool BoldOn = false;
  bool ItalicOn = false;
  bool UnderlineOn = false;
  bool StrikeOn = false;
  bool SubscriptOn = false;
  bool SuperscriptOn = false;  // never both
  bool NumberListOn = false;   // the last choice of the list buttons
  bool BulletListOn = false;
  rt::TRtAlignment CurrentAlignment = rt::rtaLeft;
};

// The text-style conversion codes.
enum TextConversion {
  kConvertBold = 1,
  kConvertItalic = 2,
  kConvertUnderline = 3,
  kConvertFont = 4,
  kConvertSize = 6,
  kConvertColor = 7,
  kConvertBackColor = 8,
  kConvertStrike = 9,
  kConvertSubSuper = 10,
  kConvertToLink = 11,
  kConvertToPlain = 12,
};

// The paragraph-style conversion codes.
enum ParaConversion { kConvertAlignment = 1, kIndentMore = 2, kIndentLess = 3 };

// What the toolbar's boxes and the colour dialog hold when a conversion runs.
struct FormatInputs {
  QString FontName;
  QString SizeText;
  rt::TRtColor Color = rt::rtclWindowText;
};

// The style `styleNo` changes into for `code`: a copy changed in exactly one
// aspect, found among the existing styles or added (not Standard).
int ConvertTextStyle(rt::TRtStyle& style, int styleNo, int code, const FormatState& state,
                     const FormatInputs& inputs);
int ConvertParaStyle(rt::TRtStyle& style, int styleNo, int code, const FormatState& state);

// The size box applies only a plain number: digits only, none missing.
bool SizeTextApplies(const QString& text);

// The list styles of the list buttons: one shared bulleted style; a
// numbered one that joins a numbered list right above or below the
// selection, else a new one (numbering from 1).
int BulletListStyle(rt::TRtStyle& style);
int NumberListStyle(RtEditor& editor);

// The indentation step and its bounds.
inline constexpr int kIndentStep = 20;
inline constexpr int kMostIndent = 200;

}  // namespace moxa::editor
