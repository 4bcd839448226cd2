#include "Style.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace moxa::pictures {

QColor WithAlpha(QColor colour, double alpha) {
  colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
  return colour;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto channel = [t](double x, double y) { return x + (y - x) * t; };
  QColor result;
  result.setRgbF(static_cast<float>(channel(a.redF(), b.redF())),
                 static_cast<float>(channel(a.greenF(), b.greenF())),
                 static_cast<float>(channel(a.blueF(), b.blueF())),
                 static_cast<float>(channel(a.alphaF(), b.alphaF())));
  return result;
}

QString UiFontFamily() {
  static const QString family = QFontDatabase::families().contains(QStringLiteral("Inter"))
                                    ? QStringLiteral("Inter")
                                    : QStringLiteral("DejaVu Sans");
  return family;
}

QFont UiFont(double pixelSize, QFont::Weight weight) {
  QFont font(UiFontFamily());
  // Pixel sizes keep the pictures independent of the screen's DPI.
  font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setWeight(weight);
  // Outlines without hinting scale exactly, so the @2x twin matches its picture.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void FillRounded(QPainter& p, const QRectF& rect, double radius, const QBrush& brush) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  p.drawRoundedRect(rect, radius, radius);
  p.restore();
}

void StrokeRounded(QPainter& p, const QRectF& rect, double radius, const QColor& colour,
                   double width) {
  p.save();
  p.setPen(QPen(colour, width));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(rect, radius, radius);
  p.restore();
}

QPainterPath RoundedTop(const QRectF& r, double radius) {
  QPainterPath path;
  path.moveTo(r.left(), r.bottom());
  path.lineTo(r.left(), r.top() + radius);
  path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
  path.lineTo(r.right() - radius, r.top());
  path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
  path.lineTo(r.right(), r.bottom());
  path.closeSubpath();
  return path;
}

void DrawText(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& font,
              const QColor& colour) {
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(rect, flags, text);
  p.restore();
}

double TextWidth(const QFont& font, const QString& text) {
  return QFontMetricsF(font).horizontalAdvance(text);
}

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour, double stroke) {
  if (glyph == Glyph::None) return;
  // Glyphs are designed on a 16 x 16 grid and mapped into the box.
  const double ux = box.width() / 16.0;
  const double uy = box.height() / 16.0;
  auto at = [&](double x, double y) { return QPointF(box.left() + x * ux, box.top() + y * uy); };
  p.save();
  QPen pen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (glyph) {
    case Glyph::None:
      break;
    case Glyph::ArrowRight:
      p.drawLine(at(2, 8), at(14, 8));
      p.drawPolyline(QPolygonF{at(9, 3), at(14, 8), at(9, 13)});
      break;
    case Glyph::ArrowLeft:
      p.drawLine(at(14, 8), at(2, 8));
      p.drawPolyline(QPolygonF{at(7, 3), at(2, 8), at(7, 13)});
      break;
    case Glyph::ChevronRight:
      p.drawPolyline(QPolygonF{at(6, 3), at(11, 8), at(6, 13)});
      break;
    case Glyph::Plus:
      p.drawLine(at(8, 2.5), at(8, 13.5));
      p.drawLine(at(2.5, 8), at(13.5, 8));
      break;
    case Glyph::Eye: {
      QPainterPath eye;
      eye.moveTo(at(1, 8));
      eye.quadTo(at(8, 0.5), at(15, 8));
      eye.quadTo(at(8, 15.5), at(1, 8));
      p.drawPath(eye);
      p.setBrush(colour);
      p.setPen(Qt::NoPen);
      p.drawEllipse(at(8, 8), 2.4 * ux, 2.4 * uy);
      break;
    }
    case Glyph::Upload:
      p.drawLine(at(8, 11), at(8, 2));
      p.drawPolyline(QPolygonF{at(4, 6), at(8, 2), at(12, 6)});
      p.drawPolyline(QPolygonF{at(2, 10.5), at(2, 14), at(14, 14), at(14, 10.5)});
      break;
    case Glyph::Download:
      p.drawLine(at(8, 2), at(8, 10.5));
      p.drawPolyline(QPolygonF{at(4, 6.5), at(8, 10.5), at(12, 6.5)});
      p.drawPolyline(QPolygonF{at(2, 10.5), at(2, 14), at(14, 14), at(14, 10.5)});
      break;
    case Glyph::Check:
      p.drawPolyline(QPolygonF{at(2.5, 8.5), at(6.5, 12.5), at(13.5, 4)});
      break;
    case Glyph::Pencil: {
      QPainterPath pencil;
      pencil.moveTo(at(10.5, 2.5));
      pencil.lineTo(at(13.5, 5.5));
      pencil.lineTo(at(5.5, 13.5));
      pencil.lineTo(at(2, 14));
      pencil.lineTo(at(2.5, 10.5));
      pencil.closeSubpath();
      p.drawPath(pencil);
      p.drawLine(at(9, 4), at(12, 7));
      break;
    }
    case Glyph::Trash:
      p.drawLine(at(2, 4), at(14, 4));
      p.drawPolyline(QPolygonF{at(6, 4), at(6.5, 2), at(9.5, 2), at(10, 4)});
      p.drawPolyline(QPolygonF{at(3.5, 4), at(4.5, 14), at(11.5, 14), at(12.5, 4)});
      p.drawLine(at(6.8, 7), at(6.8, 11.5));
      p.drawLine(at(9.2, 7), at(9.2, 11.5));
      break;
    case Glyph::Lock: {
      QPainterPath shackle;
      shackle.moveTo(at(5, 7.5));
      shackle.lineTo(at(5, 5));
      shackle.arcTo(QRectF(at(5, 2), at(11, 8)), 180, -180);
      shackle.lineTo(at(11, 7.5));
      p.drawPath(shackle);
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawRoundedRect(QRectF(at(3, 7), at(13, 14.5)), 1.5 * ux, 1.5 * uy);
      break;
    }
    case Glyph::Home:
      p.drawPolyline(QPolygonF{at(1.5, 8), at(8, 2), at(14.5, 8)});
      p.drawPolyline(QPolygonF{at(3.5, 6.5), at(3.5, 14), at(12.5, 14), at(12.5, 6.5)});
      p.drawPolyline(QPolygonF{at(6.5, 14), at(6.5, 10), at(9.5, 10), at(9.5, 14)});
      break;
    case Glyph::Page:
      p.drawPolyline(
          QPolygonF{at(10, 1.5), at(3, 1.5), at(3, 14.5), at(13, 14.5), at(13, 4.5), at(10, 1.5)});
      p.drawPolyline(QPolygonF{at(10, 1.5), at(10, 4.5), at(13, 4.5)});
      p.drawLine(at(5.5, 8), at(10.5, 8));
      p.drawLine(at(5.5, 11), at(10.5, 11));
      break;
    case Glyph::Close:
      p.drawLine(at(3.5, 3.5), at(12.5, 12.5));
      p.drawLine(at(12.5, 3.5), at(3.5, 12.5));
      break;
    case Glyph::Minimise:
      p.drawLine(at(3.5, 11.5), at(12.5, 11.5));
      break;
    case Glyph::Maximise:
      p.drawRoundedRect(QRectF(at(3.5, 3.5), at(12.5, 12.5)), 1.2 * ux, 1.2 * uy);
      break;
    case Glyph::Restore:
      p.drawRoundedRect(QRectF(at(3, 6), at(10, 13)), 1.2 * ux, 1.2 * uy);
      p.drawPolyline(QPolygonF{at(6, 6), at(6, 3), at(13, 3), at(13, 10), at(10, 10)});
      break;
  }
  p.restore();
}

namespace {

struct ButtonColours {
  QColor top, bottom, border, text;
  double shadow = 0.0;  // alpha of the drop shadow under the button
  bool highlight = false;  // a light line inside the top edge of filled buttons
};

ButtonColours ColoursFor(ButtonKind kind, ButtonState state) {
  using namespace palette;
  const bool hover = state == ButtonState::Hover;
  const bool pressed = state == ButtonState::Pressed;
  switch (kind) {
    case ButtonKind::Primary:
      if (pressed) return {QColor(0x0B, 0x63, 0x6B), QColor(0x0E, 0x74, 0x7E), QColor(0x09, 0x55, 0x5C), kWhite, 0.0, false};
      if (hover) return {QColor(0x1D, 0xA7, 0xB0), QColor(0x12, 0x8A, 0x94), QColor(0x0E, 0x74, 0x7D), kWhite, 0.30, true};
      return {QColor(0x15, 0x93, 0x9C), QColor(0x0E, 0x77, 0x81), QColor(0x0C, 0x68, 0x71), kWhite, 0.22, true};
    case ButtonKind::Accent:
      if (pressed) return {QColor(0xE5, 0x95, 0x1D), QColor(0xF2, 0xA7, 0x33), QColor(0xC9, 0x80, 0x12), kIndigoDeep, 0.0, false};
      if (hover) return {QColor(0xFF, 0xD4, 0x80), QColor(0xF9, 0xB4, 0x40), QColor(0xE0, 0x96, 0x1F), kIndigoDeep, 0.30, true};
      return {QColor(0xFF, 0xC8, 0x62), QColor(0xF5, 0xA6, 0x26), QColor(0xDB, 0x8E, 0x16), kIndigoDeep, 0.22, true};
    case ButtonKind::Secondary:
      if (pressed) return {QColor(0xE6, 0xEC, 0xF1), QColor(0xEF, 0xF3, 0xF6), QColor(0xB3, 0xC0, 0xCC), kInk, 0.0, false};
      if (hover) return {kWhite, QColor(0xF2, 0xFA, 0xFA), WithAlpha(kTeal, 0.75), kTeal, 0.16, false};
      return {kWhite, QColor(0xF3, 0xF6, 0xF9), QColor(0xC8, 0xD2, 0xDC), kInk, 0.10, false};
    case ButtonKind::Danger:
      if (pressed) return {QColor(0xF9, 0xDC, 0xDF), QColor(0xFB, 0xE5, 0xE7), WithAlpha(kRed, 0.7), kRed, 0.0, false};
      if (hover) return {kRedLight, kRedLight, WithAlpha(kRed, 0.55), kRed, 0.14, false};
      return {kWhite, QColor(0xF3, 0xF6, 0xF9), QColor(0xC8, 0xD2, 0xDC), kRed, 0.10, false};
    case ButtonKind::Locked:
      return {QColor(0xDD, 0xE3, 0xE9), QColor(0xD3, 0xDA, 0xE1), QColor(0xC6, 0xCF, 0xD8), QColor(0x86, 0x93, 0xA2), 0.0, false};
  }
  return {};
}

}  // namespace

void DrawButton(QPainter& p, const QSizeF& size, const ButtonLook& look, ButtonState state) {
  const ButtonColours c = ColoursFor(look.kind, state);
  const bool pressed = state == ButtonState::Pressed;
  // The lowest 1.5 pixels are kept for the shadow; a pressed button sinks into them.
  QRectF body(0.5, 0.5, size.width() - 1.0, size.height() - 2.0);
  if (pressed) body.translate(0, 1.0);
  const double radius = std::min(look.radius, body.height() / 2.0);
  if (c.shadow > 0) {
    FillRounded(p, body.translated(0, 1.5), radius, WithAlpha(palette::kIndigoDeep, c.shadow));
  }
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, c.top);
  fill.setColorAt(1, c.bottom);
  FillRounded(p, body, radius, fill);
  if (c.highlight) {
    p.save();
    p.setClipRect(QRectF(body.left(), body.top(), body.width(), radius));
    StrokeRounded(p, body.adjusted(1, 1, -1, -1), radius - 1, WithAlpha(palette::kWhite, 0.35));
    p.restore();
  }
  StrokeRounded(p, body, radius, c.border);

  // Caption and glyph, centred together.
  const QFont font = UiFont(look.fontSize, QFont::DemiBold);
  const double textWidth = look.caption.isEmpty() ? 0.0 : TextWidth(font, look.caption);
  const double glyphSize = std::round(look.fontSize * 1.05);
  const double gap = look.caption.isEmpty() || look.glyph == Glyph::None ? 0.0 : 6.0;
  const double glyphWidth = look.glyph == Glyph::None ? 0.0 : glyphSize;
  const double total = textWidth + gap + glyphWidth;
  double x = body.left() + (body.width() - total) / 2.0;
  const double cy = body.center().y();
  const double glyphStroke = std::max(1.4, look.fontSize / 8.0);
  auto drawGlyph = [&](double left) {
    DrawGlyph(p, look.glyph, QRectF(left, cy - glyphSize / 2.0, glyphSize, glyphSize), c.text,
              glyphStroke);
  };
  if (!look.glyphAfter && glyphWidth > 0) {
    drawGlyph(x);
    x += glyphWidth + gap;
  }
  if (textWidth > 0) {
    DrawText(p, QRectF(x, body.top(), textWidth + 2, body.height()), Qt::AlignLeft | Qt::AlignVCenter,
             look.caption, font, c.text);
    x += textWidth + gap;
  }
  if (look.glyphAfter && glyphWidth > 0) drawGlyph(x);
}

void DrawMark(QPainter& p, const QRectF& box) {
  using namespace palette;
  const double s = box.width();
  QLinearGradient back(box.topLeft(), box.bottomRight());
  back.setColorAt(0, kAmberLight);
  back.setColorAt(1, QColor(0xF2, 0x8C, 0x28));
  FillRounded(p, box, s * 0.24, back);
  // A small browser window: title strip, a picture block and text lines.
  const QRectF window(box.left() + s * 0.2, box.top() + s * 0.24, s * 0.6, s * 0.52);
  FillRounded(p, window, s * 0.07, kWhite);
  p.save();
  p.setClipPath([&] {
    QPainterPath clip;
    clip.addRoundedRect(window, s * 0.07, s * 0.07);
    return clip;
  }());
  p.fillRect(QRectF(window.left(), window.top(), window.width(), s * 0.11), kIndigo);
  p.restore();
  const double line = s * 0.055;
  FillRounded(p, QRectF(window.left() + s * 0.07, window.top() + s * 0.18, s * 0.2, s * 0.24),
              s * 0.03, kTeal);
  for (int i = 0; i < 3; ++i) {
    FillRounded(p,
                QRectF(window.left() + s * 0.32, window.top() + s * 0.19 + i * s * 0.085,
                       s * (i == 2 ? 0.12 : 0.2), line),
                line / 2, WithAlpha(kIndigo, 0.55));
  }
}

}  // namespace moxa::pictures
