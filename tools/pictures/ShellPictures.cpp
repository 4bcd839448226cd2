// The frame of the main window: header band, logo, header art, step
// indicator, body, content frame pieces, banners, corners, grip and splash.
#include "Catalogue.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace moxa::pictures {
namespace {

using namespace palette;

// The header's gradient, shared by the band and the dialog title bands.
QLinearGradient HeaderGradient(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.topRight());
  g.setColorAt(0.0, kIndigo);
  g.setColorAt(0.55, QColor(0x17, 0x3B, 0x63));
  g.setColorAt(1.0, kTealDark);
  return g;
}

void PaintHeaderBand(QPainter& p) {
  const QRectF r(0, 0, 1202, 128);
  p.fillRect(r, HeaderGradient(r));
  // Soft light from the top left and a glow under the steps; both survive
  // the horizontal stretch of the band.
  QRadialGradient glow(QPointF(180, -40), 420);
  glow.setColorAt(0, WithAlpha(kWhite, 0.10));
  glow.setColorAt(1, WithAlpha(kWhite, 0.0));
  p.fillRect(r, glow);
  QRadialGradient teal(QPointF(1050, 150), 380);
  teal.setColorAt(0, WithAlpha(kTealBright, 0.25));
  teal.setColorAt(1, WithAlpha(kTealBright, 0.0));
  p.fillRect(r, teal);
  QLinearGradient shade(0, 0, 0, 128);
  shade.setColorAt(0, WithAlpha(kWhite, 0.04));
  shade.setColorAt(1, WithAlpha(kIndigoDeep, 0.18));
  p.fillRect(r, shade);
}

void PaintBody(QPainter& p) {
  // One even colour: the frame's edge pieces are painted on it and overlap
  // each other by a pixel, so nothing under them may vary.
  p.fillRect(QRectF(0, 0, 1202, 490), kBody);
  // The header casts a short shadow onto the body.
  QLinearGradient shadow(0, 0, 0, 10);
  shadow.setColorAt(0, WithAlpha(kIndigoDeep, 0.14));
  shadow.setColorAt(1, WithAlpha(kIndigoDeep, 0.0));
  p.fillRect(QRectF(0, 0, 1202, 10), shadow);
}

void PaintLogo(QPainter& p) {
  DrawMark(p, QRectF(2, 7, 50, 50));
  const QFont strong = UiFont(27, QFont::Bold);
  const QFont light = UiFont(27, QFont::Normal);
  const QString moxa = QStringLiteral("Moxa");
  const double x = 66;
  DrawText(p, QRectF(x, 4, 200, 36), Qt::AlignLeft | Qt::AlignVCenter, moxa, strong, kWhite);
  DrawText(p, QRectF(x + TextWidth(strong, moxa) + 8, 4, 300, 36), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Website Builder"), light, WithAlpha(kWhite, 0.92));
  DrawText(p, QRectF(x + 1, 40, 320, 18), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Your own website, built in minutes"), UiFont(12, QFont::Medium),
           WithAlpha(kAmberLight, 0.95));
}

// A small web page rising from the header's lower edge, left of the step
// indicator (which overlaps the art's right half, so that half stays empty).
void PaintHeaderArt(QPainter& p) {
  // Faint rings tie the art into the band.
  p.setPen(QPen(WithAlpha(kWhite, 0.07), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(78, 70), 62, 62);
  p.drawEllipse(QPointF(78, 70), 44, 44);

  const QRectF back(44, 26, 96, 90);
  p.save();
  p.translate(back.center());
  p.rotate(6);
  p.translate(-back.center());
  FillRounded(p, back, 8, WithAlpha(kWhite, 0.22));
  p.restore();

  const QRectF page(14, 38, 112, 80);  // the bottom runs past the edge: rising from it
  FillRounded(p, page, 8, kWhite);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(page, 8, 8);
  p.setClipPath(clip);
  p.fillRect(QRectF(page.left(), page.top(), page.width(), 12), kCloud);
  const std::array<QColor, 3> dots{kRed, kAmber, kGreen};
  for (int i = 0; i < 3; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(dots[i]);
    p.drawEllipse(QPointF(page.left() + 9 + i * 7, page.top() + 6), 2.2, 2.2);
  }
  QLinearGradient hero(page.left(), 0, page.right(), 0);
  hero.setColorAt(0, kTeal);
  hero.setColorAt(1, kTealBright);
  p.fillRect(QRectF(page.left() + 8, page.top() + 19, page.width() - 16, 26), hero);
  p.fillRect(QRectF(page.left() + 14, page.top() + 26, 40, 4), WithAlpha(kWhite, 0.9));
  p.fillRect(QRectF(page.left() + 14, page.top() + 34, 26, 3), WithAlpha(kWhite, 0.6));
  for (int i = 0; i < 3; ++i) {
    FillRounded(p, QRectF(page.left() + 8 + i * 33, page.top() + 52, 28, 20), 3,
                i == 1 ? WithAlpha(kAmber, 0.85) : QColor(0xE3, 0xE9, 0xEF));
  }
  p.restore();
  // A pencil at work on the page.
  p.save();
  p.translate(118, 44);
  p.rotate(40);
  FillRounded(p, QRectF(-4, -22, 8, 30), 2, kAmber);
  p.fillRect(QRectF(-4, -22, 8, 5), QColor(0xF4, 0x8F, 0x86));
  QPainterPath tip;
  tip.moveTo(-4, 8);
  tip.lineTo(4, 8);
  tip.lineTo(0, 15);
  tip.closeSubpath();
  p.fillPath(tip, QColor(0xF6, 0xDD, 0xB5));
  p.restore();
}

// The three steps: 1 Welcome / Find a Template, 2 Build, 3 Publish; steps up
// to `current` are lit.
void PaintSteps(QPainter& p, int current) {
  const std::array<double, 3> cx{46, 124, 198};
  const double cy = 26;
  const double radius = 15;
  for (int i = 0; i < 2; ++i) {
    const bool lit = i + 2 <= current;
    p.setPen(QPen(lit ? kAmber : WithAlpha(kWhite, 0.3), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx[i] + radius + 5, cy), QPointF(cx[i + 1] - radius - 5, cy));
  }
  for (int i = 0; i < 3; ++i) {
    const int step = i + 1;
    const bool lit = step <= current;
    const QPointF centre(cx[i], cy);
    if (step == current) {
      p.setPen(Qt::NoPen);
      p.setBrush(WithAlpha(kAmber, 0.28));
      p.drawEllipse(centre, radius + 4.5, radius + 4.5);
    }
    if (lit) {
      p.setPen(Qt::NoPen);
      QLinearGradient fill(centre.x(), cy - radius, centre.x(), cy + radius);
      fill.setColorAt(0, kAmberLight);
      fill.setColorAt(1, kAmber);
      p.setBrush(fill);
    } else {
      p.setPen(QPen(WithAlpha(kWhite, 0.5), 1.6));
      p.setBrush(WithAlpha(kWhite, 0.06));
    }
    p.drawEllipse(centre, radius, radius);
    DrawText(p, QRectF(centre.x() - radius, cy - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
             QString::number(step), UiFont(15, QFont::Bold),
             lit ? kIndigoDeep : WithAlpha(kWhite, 0.75));
  }
  const QColor litText = kWhite;
  const QColor dimText = WithAlpha(kWhite, 0.62);
  auto label = [&](int step, double top, const QString& text) {
    const int i = step - 1;
    const QFont font = UiFont(11.5, step == current ? QFont::DemiBold : QFont::Medium);
    DrawText(p, QRectF(cx[i] - 50, top, 100, 15), Qt::AlignHCenter | Qt::AlignTop, text, font,
             step <= current ? litText : dimText);
  };
  label(1, 48, QStringLiteral("Welcome /"));
  label(1, 62, QStringLiteral("Find a Template"));
  label(2, 48, QStringLiteral("Build"));
  label(3, 48, QStringLiteral("Publish"));
}

// The frame's lower edge: a hairline and a soft shadow on the body colour.
// Opaque and even along its length: the side pieces stretch, overlap the
// centred strip by a pixel, and must join it without a seam.
void PaintFrameEdge(QPainter& p, double width) {
  p.fillRect(QRectF(0, 0, width, 16), kBody);
  p.fillRect(QRectF(0, 0, width, 1), QColor(0xD5, 0xDD, 0xE6));
  QLinearGradient shadow(0, 1, 0, 16);
  shadow.setColorAt(0, WithAlpha(kIndigoDeep, 0.10));
  shadow.setColorAt(1, WithAlpha(kIndigoDeep, 0.0));
  p.fillRect(QRectF(0, 1, width, 15), shadow);
}

// Small template cards fanned out, for the banners.
void PaintCardFan(QPainter& p, const QPointF& origin, double scale) {
  const std::array<QColor, 3> heroes{kTeal, kAmber, kIndigo};
  const std::array<double, 3> angles{-10, 0, 10};
  const std::array<double, 3> offsets{-56, 0, 56};
  for (int order : {0, 2, 1}) {
    p.save();
    p.translate(origin + QPointF(offsets[order] * scale, (order == 1 ? -6 : 4) * scale));
    p.rotate(angles[order]);
    const QRectF card(-34 * scale, -38 * scale, 68 * scale, 76 * scale);
    FillRounded(p, card.translated(0, 2 * scale), 7 * scale, WithAlpha(kIndigoDeep, 0.12));
    FillRounded(p, card, 7 * scale, kWhite);
    StrokeRounded(p, card, 7 * scale, kLine);
    FillRounded(p, QRectF(card.left() + 6 * scale, card.top() + 7 * scale, card.width() - 12 * scale, 26 * scale),
                4 * scale, heroes[order]);
    for (int line = 0; line < 3; ++line) {
      FillRounded(p,
                  QRectF(card.left() + 7 * scale, card.top() + (40 + line * 9) * scale,
                         (line == 2 ? 30 : 52) * scale, 4 * scale),
                  2 * scale, QColor(0xD6, 0xDE, 0xE6));
    }
    p.restore();
  }
}

void PaintBanner(QPainter& p, const QString& title, const QString& line) {
  const QRectF card(0.5, 0.5, 840, 104);
  QLinearGradient fill(card.topLeft(), card.topRight());
  fill.setColorAt(0, kWhite);
  fill.setColorAt(0.6, QColor(0xF1, 0xF8, 0xF8));
  fill.setColorAt(1, kTealMist);
  FillRounded(p, card, 14, fill);
  StrokeRounded(p, card, 14, kLine);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(card, 14, 14);
  p.setClipPath(clip);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(kTealBright, 0.10));
  p.drawEllipse(QPointF(735, 110), 120, 120);
  p.setBrush(WithAlpha(kAmber, 0.12));
  p.drawEllipse(QPointF(840, -10), 70, 70);
  p.fillRect(QRectF(0, 0, 6, 105), kAmber);
  PaintCardFan(p, QPointF(728, 60), 0.85);
  p.restore();
  DrawText(p, QRectF(36, 20, 560, 36), Qt::AlignLeft | Qt::AlignVCenter, title, UiFont(25, QFont::Bold),
           kIndigo);
  DrawText(p, QRectF(37, 58, 580, 24), Qt::AlignLeft | Qt::AlignVCenter, line, UiFont(15), kSlate);
}

// The window's rounded corners: the 1-pixel border (#CCCCCC) bends round a
// 5-pixel radius; outside the bend stays transparent for the window mask.
void PaintCorner(QPainter& p, bool right, bool bottom) {
  const QPointF centre(right ? 1.5 : 5.5, bottom ? 1.5 : 5.5);
  const QColor border(0xCC, 0xCC, 0xCC);
  p.setPen(QPen(border, 1.0));
  p.setBrush(Qt::NoBrush);
  const double start = right ? (bottom ? 270 : 0) : (bottom ? 180 : 90);
  QPainterPath arc;
  arc.arcMoveTo(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), start);
  arc.arcTo(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), start, 90);
  p.drawPath(arc);
  // Straight runs joining the border lines of the window's edges.
  const double edgeX = right ? 6.5 : 0.5;
  const double edgeY = bottom ? 6.5 : 0.5;
  p.drawLine(QPointF(edgeX, centre.y()), QPointF(edgeX, bottom ? 0 : 7));
  p.drawLine(QPointF(centre.x(), edgeY), QPointF(right ? 0 : 7, edgeY));
}

void PaintGrip(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x8E, 0x9B, 0xAA));
  const std::array<QPointF, 6> dots{QPointF(10, 10), QPointF(6, 10), QPointF(2, 10),
                                    QPointF(10, 6), QPointF(6, 6), QPointF(10, 2)};
  for (const QPointF& dot : dots) p.drawEllipse(dot, 1.1, 1.1);
}

void PaintSplash(QPainter& p) {
  const QRectF card(18, 14, 484, 292);
  // A soft shadow built from widening, fading outlines.
  for (int i = 12; i >= 1; --i) {
    FillRounded(p, card.adjusted(-i, -i + 4, i, i + 4), 20 + i, WithAlpha(kIndigoDeep, 0.018));
  }
  QLinearGradient fill(card.topLeft(), card.bottomRight());
  fill.setColorAt(0, kIndigo);
  fill.setColorAt(0.6, QColor(0x15, 0x45, 0x6A));
  fill.setColorAt(1, kTealDark);
  FillRounded(p, card, 20, fill);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(card, 20, 20);
  p.setClipPath(clip);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(kTealBright, 0.18));
  p.drawEllipse(QPointF(440, 300), 170, 170);
  p.setBrush(WithAlpha(kWhite, 0.05));
  p.drawEllipse(QPointF(90, 20), 120, 120);
  PaintCardFan(p, QPointF(400, 150), 1.05);
  p.restore();
  DrawMark(p, QRectF(50, 52, 64, 64));
  DrawText(p, QRectF(50, 134, 300, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Moxa"),
           UiFont(34, QFont::Bold), kWhite);
  DrawText(p, QRectF(50, 170, 300, 34), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Website Builder"), UiFont(28, QFont::Normal), WithAlpha(kWhite, 0.92));
  DrawText(p, QRectF(51, 212, 300, 22), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Your own website, built in minutes."), UiFont(14), WithAlpha(kWhite, 0.75));
  DrawText(p, QRectF(51, 258, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Choose  \u00b7  Build  \u00b7  Publish"), UiFont(13, QFont::DemiBold), kAmberLight);
}

}  // namespace

void AddShellPictures(Catalogue& catalogue) {
  catalogue.Add(QStringLiteral("header_band.png"), {1202, 128}, false,
                QStringLiteral("header band, stretched to the window's width"), PaintHeaderBand);
  catalogue.Add(QStringLiteral("body_background.png"), {1202, 490}, false,
                QStringLiteral("body background from y = 127, stretched"), PaintBody);
  catalogue.Add(QStringLiteral("logo.png"), {401, 65}, true, QStringLiteral("logo at (16, 21)"), PaintLogo);
  catalogue.Add(QStringLiteral("header_art.png"), {281, 107}, true,
                QStringLiteral("header art on the header's lower edge"), PaintHeaderArt);
  for (int step = 1; step <= 3; ++step) {
    catalogue.Add(QStringLiteral("step%1.png").arg(step), {233, 105}, true,
                  QStringLiteral("step indicator, step %1 lit").arg(step),
                  [step](QPainter& p) { PaintSteps(p, step); });
  }
  catalogue.Add(QStringLiteral("content_frame.png"), {941, 340}, false,
                QStringLiteral("content frame, stretched"),
                [](QPainter& p) { p.fillRect(QRectF(0, 0, 941, 340), kWhite); });
  catalogue.Add(QStringLiteral("frame_strip.png"), {941, 16}, false,
                QStringLiteral("frame bottom strip"), [](QPainter& p) { PaintFrameEdge(p, 941); });
  catalogue.Add(QStringLiteral("frame_side_left.png"), {64, 16}, false,
                QStringLiteral("left side piece of the frame's bottom edge, stretched"),
                [](QPainter& p) { PaintFrameEdge(p, 64); });
  catalogue.Add(QStringLiteral("frame_side_right.png"), {64, 16}, false,
                QStringLiteral("right side piece of the frame's bottom edge, stretched"),
                [](QPainter& p) { PaintFrameEdge(p, 64); });
  catalogue.Add(QStringLiteral("banner_welcome.png"), {841, 105}, true,
                QStringLiteral("first start-screen banner"), [](QPainter& p) {
                  PaintBanner(p, QStringLiteral("Welcome! Let\u2019s build your website."),
                              QStringLiteral("Name your site, pick a design you like, then fill in your "
                                             "words and pictures."));
                });
  catalogue.Add(QStringLiteral("banner_new_site.png"), {841, 105}, true,
                QStringLiteral("second start-screen banner (New Site tab)"), [](QPainter& p) {
                  PaintBanner(p, QStringLiteral("Start a new site"),
                              QStringLiteral("Give your new site a name, then choose a template for it."));
                });
  const std::array<std::pair<const char*, std::pair<bool, bool>>, 4> corners{
      {{"corner_tl.png", {false, false}},
       {"corner_tr.png", {true, false}},
       {"corner_bl.png", {false, true}},
       {"corner_br.png", {true, true}}}};
  for (const auto& [name, where] : corners) {
    const bool right = where.first;
    const bool bottom = where.second;
    catalogue.Add(QLatin1String(name), {7, 7}, true,
                  QStringLiteral("rounded outer corner of the window"),
                  [right, bottom](QPainter& p) { PaintCorner(p, right, bottom); });
  }
  catalogue.Add(QStringLiteral("grip.png"), {12, 12}, true, QStringLiteral("resize grip"), PaintGrip);
  catalogue.Add(QStringLiteral("splash.png"), {520, 320}, true,
                QStringLiteral("splash window, 32-bit with alpha"), PaintSplash);
}

}  // namespace moxa::pictures
