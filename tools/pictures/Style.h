#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace moxa::pictures {

// One palette for the whole interface: deep indigo to teal for the frame of
// the program, a warm amber for the steps forward, calm greys for content.
namespace palette {
inline const QColor kIndigo{0x1B, 0x25, 0x52};
inline const QColor kIndigoDeep{0x13, 0x1B, 0x3F};
inline const QColor kTealDark{0x0B, 0x5C, 0x69};
inline const QColor kTeal{0x0F, 0x7C, 0x86};
inline const QColor kTealBright{0x1B, 0xA8, 0xAE};
inline const QColor kTealMist{0xE3, 0xF3, 0xF3};
inline const QColor kAmber{0xF7, 0xAE, 0x32};
inline const QColor kAmberLight{0xFF, 0xC9, 0x66};
inline const QColor kAmberDark{0xE0, 0x92, 0x1C};
inline const QColor kInk{0x1F, 0x2A, 0x3A};
inline const QColor kSlate{0x5A, 0x68, 0x7A};
inline const QColor kMuted{0x9A, 0xA6, 0xB4};
inline const QColor kLine{0xDA, 0xE1, 0xE9};
inline const QColor kCloud{0xF3, 0xF6, 0xF9};
inline const QColor kBody{0xEE, 0xF2, 0xF6};
inline const QColor kRed{0xD9, 0x3F, 0x4C};
inline const QColor kRedLight{0xFD, 0xEC, 0xEE};
inline const QColor kGreen{0x1F, 0x9D, 0x67};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
}  // namespace palette

// A colour with a changed alpha (0..1).
QColor WithAlpha(QColor colour, double alpha);
// Mixes b into a by t (0 = a, 1 = b).
QColor Mix(const QColor& a, const QColor& b, double t);

// The interface font at a pixel size: Inter when installed, else DejaVu Sans.
QFont UiFont(double pixelSize, QFont::Weight weight = QFont::Normal);
// The same family the interface font resolves to, for the manifest.
QString UiFontFamily();

void FillRounded(QPainter& p, const QRectF& rect, double radius, const QBrush& brush);
void StrokeRounded(QPainter& p, const QRectF& rect, double radius, const QColor& colour,
                   double width = 1.0);
// A rectangle rounded only at its top (tabs) or at chosen corners.
QPainterPath RoundedTop(const QRectF& rect, double radius);

void DrawText(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& font,
              const QColor& colour);
double TextWidth(const QFont& font, const QString& text);

// Small line pictures used on buttons and in the toolbar, drawn into `box`.
enum class Glyph {
  None,
  ArrowRight,
  ChevronRight,
  ArrowLeft,
  Plus,
  Eye,
  Upload,
  Download,
  Check,
  Pencil,
  Trash,
  Lock,
  Home,
  Page,
  Close,
  Minimise,
  Maximise,
  Restore,
};
void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour,
               double stroke = 1.6);

// The skinned buttons.
enum class ButtonKind {
  Primary,    // teal, white text: Save, OK
  Accent,     // amber, indigo text: the steps forward (Start Building, Next, Publish)
  Secondary,  // white with a border: Preview, Export, New Page
  Danger,     // white with a red text: Delete
  Locked,     // greyed, not clickable
};
enum class ButtonState { Normal, Hover, Pressed };

struct ButtonLook {
  ButtonKind kind = ButtonKind::Primary;
  QString caption;
  Glyph glyph = Glyph::None;
  bool glyphAfter = false;  // glyph right of the caption (arrows forward)
  double fontSize = 13.0;
  double radius = 8.0;
};
void DrawButton(QPainter& p, const QSizeF& size, const ButtonLook& look, ButtonState state);

// The program's mark: a rounded square holding a page with a spark.
void DrawMark(QPainter& p, const QRectF& box);

}  // namespace moxa::pictures
