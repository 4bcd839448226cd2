// The text editor dialog's panel and toolbar icons, and the pieces of the
// highlight window that frames an editable region on the page.
#include "Catalogue.h"
#include "Style.h"

#include <QPainter>

#include <array>

namespace moxa::pictures {
namespace {

using namespace palette;

const QColor kIcon{0x26, 0x33, 0x45};

void PaintEditorPanel(QPainter& p) {
  p.fillRect(QRectF(0, 0, 639, 320), kCloud);
  // The toolbar row: font box at (16, 15), buttons from x = 158, 22 high.
  FillRounded(p, QRectF(8.5, 10.5, 622, 30), 7, kWhite);
  StrokeRounded(p, QRectF(8.5, 10.5, 622, 30), 7, kLine);
  p.setPen(QPen(kLine, 1.0));
  for (double x : {152.5, 211.5, 365.5, 420.5, 471.5, 525.5}) {
    p.drawLine(QPointF(x, 16), QPointF(x, 35));
  }
  // The white editor lies at (15, 44), 610 x 254; this is the line round it.
  p.setPen(QPen(QColor(0xC8, 0xD2, 0xDC), 1.0));
  p.setBrush(kWhite);
  p.drawRect(QRectF(14.5, 43.5, 611, 255));
  DrawText(p, QRectF(16, 301, 610, 18), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Select some text, then pick a format above."), UiFont(11), kMuted);
}

void Text(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour) {
  DrawText(p, box, Qt::AlignCenter, text, font, colour);
}

void Lines(QPainter& p, const std::array<std::pair<double, double>, 4>& spans) {
  p.setPen(QPen(kIcon, 1.6, Qt::SolidLine, Qt::RoundCap));
  const std::array<double, 4> rows{1.8, 5.3, 8.8, 12.3};
  for (size_t i = 0; i < spans.size(); ++i) {
    p.drawLine(QPointF(spans[i].first, rows[i]), QPointF(spans[i].second, rows[i]));
  }
}

void PaintLink(QPainter& p) {
  p.translate(9, 9);
  p.rotate(-45);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kTeal, 1.7));
  p.drawRoundedRect(QRectF(-8.2, -2.9, 9.6, 5.8), 2.9, 2.9);
  p.drawRoundedRect(QRectF(-1.4, -2.9, 9.6, 5.8), 2.9, 2.9);
}

void PaintPicture(QPainter& p) {
  StrokeRounded(p, QRectF(1, 1, 16, 12), 2, kIcon, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kAmber);
  p.drawEllipse(QPointF(12.3, 4.6), 1.7, 1.7);
  QPainterPath hills;
  hills.moveTo(2, 12);
  hills.lineTo(6.8, 6.2);
  hills.lineTo(10, 9.6);
  hills.lineTo(12, 7.8);
  hills.lineTo(16, 12);
  hills.closeSubpath();
  p.fillPath(hills, kTeal);
}

void PaintIndent(QPainter& p, bool more) {
  Lines(p, {{{1, 17}, {8, 17}, {8, 17}, {1, 17}}});
  QPainterPath arrow;
  if (more) {
    arrow.moveTo(1.2, 4.3);
    arrow.lineTo(5.4, 7.05);
    arrow.lineTo(1.2, 9.8);
  } else {
    arrow.moveTo(5.4, 4.3);
    arrow.lineTo(1.2, 7.05);
    arrow.lineTo(5.4, 9.8);
  }
  arrow.closeSubpath();
  p.fillPath(arrow, kTeal);
}

struct Icon {
  const char* name;
  QSize size;
  const char* role;
  std::function<void(QPainter&)> paint;
};

std::vector<Icon> ToolbarIcons() {
  const QFont letter = UiFont(14, QFont::Bold);
  QFont italic = UiFont(14, QFont::DemiBold);
  italic.setItalic(true);
  const QFont small = UiFont(11, QFont::DemiBold);
  const QFont tiny = UiFont(8, QFont::Bold);
  return {
      {"tb_link.png", {18, 18}, "Add a Link", PaintLink},
      {"tb_picture.png", {18, 14}, "Add an Image", PaintPicture},
      {"tb_bold.png", {14, 14}, "Bold Text",
       [=](QPainter& p) { Text(p, QRectF(0, 0, 14, 14), QStringLiteral("B"), letter, kIcon); }},
      {"tb_italic.png", {14, 14}, "Italic Text",
       [=](QPainter& p) { Text(p, QRectF(0, 0, 14, 14), QStringLiteral("I"), italic, kIcon); }},
      {"tb_underline.png", {13, 14}, "Underline Text",
       [=](QPainter& p) {
         Text(p, QRectF(0, -1.5, 13, 13), QStringLiteral("U"), UiFont(12, QFont::DemiBold), kIcon);
         p.fillRect(QRectF(2, 12.2, 9, 1.6), kIcon);
       }},
      {"tb_strikeout.png", {18, 14}, "Strikeout Text",
       [=](QPainter& p) {
         Text(p, QRectF(0, 0, 18, 14), QStringLiteral("S"), UiFont(13, QFont::DemiBold), kIcon);
         p.fillRect(QRectF(2.5, 6.6, 13, 1.6), kRed);
       }},
      {"tb_subscript.png", {18, 14}, "Subscript Text",
       [=](QPainter& p) {
         Text(p, QRectF(0, -1, 12, 13), QStringLiteral("X"), small, kIcon);
         Text(p, QRectF(11, 6, 7, 8), QStringLiteral("2"), tiny, kTeal);
       }},
      {"tb_superscript.png", {18, 14}, "Superscript Text",
       [=](QPainter& p) {
         Text(p, QRectF(0, 1, 12, 13), QStringLiteral("X"), small, kIcon);
         Text(p, QRectF(11, 0, 7, 8), QStringLiteral("2"), tiny, kTeal);
       }},
      {"tb_number_list.png", {18, 14}, "Number List",
       [=](QPainter& p) {
         Text(p, QRectF(0, -0.5, 5, 7), QStringLiteral("1"), tiny, kTeal);
         Text(p, QRectF(0, 6.5, 5, 7), QStringLiteral("2"), tiny, kTeal);
         p.setPen(QPen(kIcon, 1.6, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(7, 3), QPointF(17, 3));
         p.drawLine(QPointF(7, 10.5), QPointF(17, 10.5));
       }},
      {"tb_bullet_list.png", {18, 14}, "Bullet List",
       [=](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(kTeal);
         for (double y : {2.2, 7.0, 11.8}) p.drawEllipse(QPointF(2.4, y), 1.6, 1.6);
         p.setPen(QPen(kIcon, 1.6, Qt::SolidLine, Qt::RoundCap));
         for (double y : {2.2, 7.0, 11.8}) p.drawLine(QPointF(6.5, y), QPointF(17, y));
       }},
      {"tb_indent_less.png", {18, 14}, "Reduce Indentation", [](QPainter& p) { PaintIndent(p, false); }},
      {"tb_indent_more.png", {18, 14}, "Increase Indentation", [](QPainter& p) { PaintIndent(p, true); }},
      {"tb_text_color.png", {18, 14}, "Change Text Color",
       [=](QPainter& p) {
         Text(p, QRectF(0, -2, 18, 13), QStringLiteral("A"), UiFont(12, QFont::Bold), kIcon);
         FillRounded(p, QRectF(3, 10.5, 12, 3), 1, kRed);
       }},
      {"tb_background_color.png", {15, 15}, "Change Text Background Color",
       [=](QPainter& p) {
         FillRounded(p, QRectF(0.5, 0.5, 14, 14), 3, QColor(0xFF, 0xDC, 0x6E));
         StrokeRounded(p, QRectF(0.5, 0.5, 14, 14), 3, kAmberDark);
         Text(p, QRectF(0, 0, 15, 15), QStringLiteral("A"), UiFont(10, QFont::Bold), kIcon);
       }},
      {"tb_align_left.png", {18, 14}, "Align Left",
       [](QPainter& p) { Lines(p, {{{1, 17}, {1, 11}, {1, 17}, {1, 11}}}); }},
      {"tb_align_center.png", {18, 14}, "Align Center",
       [](QPainter& p) { Lines(p, {{{1, 17}, {4, 14}, {1, 17}, {4, 14}}}); }},
      {"tb_align_right.png", {18, 14}, "Align Right",
       [](QPainter& p) { Lines(p, {{{1, 17}, {7, 17}, {1, 17}, {7, 17}}}); }},
      {"tb_justify.png", {18, 14}, "Justify",
       [](QPainter& p) { Lines(p, {{{1, 17}, {1, 17}, {1, 17}, {1, 17}}}); }},
  };
}

// The highlight frame: 4-pixel edges, a light tint inside, and a badge.
const QColor kHighlight = kTealBright;

void PaintEdge(QPainter& p, QSize size, bool vertical) {
  const std::array<int, 4> alpha{190, 255, 255, 190};
  for (int i = 0; i < 4; ++i) {
    QColor c = kHighlight;
    c.setAlpha(alpha[i]);
    if (vertical) {
      p.fillRect(QRectF(i, 0, 1, size.height()), c);
    } else {
      p.fillRect(QRectF(0, i, size.width(), 1), c);
    }
  }
}

void PaintBadge(QPainter& p, QSizeF size, double fontSize) {
  const double shadow = size.height() >= 30 ? 3.0 : 0.0;
  const QRectF pill(0.5, 0.5, size.width() - 1, size.height() - 1 - shadow);
  if (shadow > 0) FillRounded(p, pill.translated(0, shadow), pill.height() / 2, WithAlpha(kIndigoDeep, 0.25));
  FillRounded(p, pill, pill.height() / 2, kTeal);
  StrokeRounded(p, pill, pill.height() / 2, WithAlpha(kWhite, 0.5));
  const QFont font = UiFont(fontSize, QFont::DemiBold);
  const QString text = QStringLiteral("Click to edit");
  const double glyph = fontSize;
  const double total = glyph + 6 + TextWidth(font, text);
  const double x = pill.left() + (pill.width() - total) / 2;
  DrawGlyph(p, Glyph::Pencil, QRectF(x, pill.center().y() - glyph / 2, glyph, glyph), kWhite,
            fontSize / 8);
  DrawText(p, QRectF(x + glyph + 6, pill.top(), total, pill.height()), Qt::AlignLeft | Qt::AlignVCenter,
           text, font, kWhite);
}

}  // namespace

void AddEditorPictures(Catalogue& catalogue) {
  catalogue.Add(QStringLiteral("editor_panel.png"), {639, 320}, false,
                QStringLiteral("background of the text editor's panel (toolbar row and editor outline)"),
                PaintEditorPanel);
  for (const Icon& icon : ToolbarIcons()) {
    catalogue.Add(QLatin1String(icon.name), icon.size, true,
                  QStringLiteral("toolbar icon \"%1\"").arg(QLatin1String(icon.role)), icon.paint);
  }

  // The highlight window is composed from these at any size up to i4's:
  // i4 as the tint, i1 down both sides, i2 along top and bottom, i3 or i5
  // (for windows under 58 pixels) centred.
  const QSize most(2560, 1600);
  catalogue.Add(QStringLiteral("i1.png"), {4, most.height()}, true,
                QStringLiteral("highlight window: left and right edge"),
                [most](QPainter& p) { PaintEdge(p, {4, most.height()}, true); });
  catalogue.Add(QStringLiteral("i2.png"), {most.width(), 4}, true,
                QStringLiteral("highlight window: top and bottom edge"),
                [most](QPainter& p) { PaintEdge(p, {most.width(), 4}, false); });
  catalogue.Add(QStringLiteral("i3.png"), {168, 40}, true,
                QStringLiteral("highlight window: badge for windows 58 pixels high or more"),
                [](QPainter& p) { PaintBadge(p, {168, 40}, 14); });
  catalogue.Add(QStringLiteral("i4.png"), most, true,
                QStringLiteral("highlight window: translucent tint, cut to the window"),
                [most](QPainter& p) {
                  p.fillRect(QRectF(QPointF(0, 0), QSizeF(most)), WithAlpha(kHighlight, 0.09));
                });
  catalogue.Add(QStringLiteral("i5.png"), {112, 20}, true,
                QStringLiteral("highlight window: badge for windows under 58 pixels"),
                [](QPainter& p) { PaintBadge(p, {112, 20}, 11); });
}

}  // namespace moxa::pictures
