// Pictures of the gallery, the Page Manager and the plans screen, and the
// two animated spinners.
#include "Catalogue.h"
#include "Style.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>

namespace moxa::pictures {
namespace {

using namespace palette;

// One row of the Page Manager; the program draws the page icon at (33, 0),
// the label at x = 68 and the buttons from x = 509.
void PaintPageRow(QPainter& p) {
  const QRectF row(0.5, 0.5, 735, 50);
  QLinearGradient fill(row.topLeft(), row.bottomLeft());
  fill.setColorAt(0, kWhite);
  fill.setColorAt(1, QColor(0xF8, 0xFA, 0xFC));
  FillRounded(p, row, 10, fill);
  StrokeRounded(p, row, 10, kLine);
  // The grip shows the row can be dragged.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xA9, 0xB5, 0xC2));
  for (double x : {13.0, 19.0}) {
    for (double y : {19.5, 25.5, 31.5}) p.drawEllipse(QPointF(x, y), 1.6, 1.6);
  }
  p.fillRect(QRectF(497, 12, 1, 27), kLine);
}

void PaintRowIcon(QPainter& p, bool home) {
  const QPointF centre(15, 25.5);
  p.setPen(Qt::NoPen);
  p.setBrush(home ? QColor(0xFD, 0xEB, 0xC8) : kTealMist);
  p.drawEllipse(centre, 13, 13);
  DrawGlyph(p, home ? Glyph::Home : Glyph::Page, QRectF(centre.x() - 8, centre.y() - 8, 16, 16),
            home ? QColor(0xC2, 0x74, 0x0C) : kTeal, 1.6);
}

void PaintDropSlot(QPainter& p) {
  const QRectF slot(1, 1, 734, 50);
  FillRounded(p, slot, 10, WithAlpha(kTealBright, 0.08));
  p.save();
  QPen pen(kTealBright, 1.5, Qt::CustomDashLine, Qt::RoundCap);
  pen.setDashPattern({4, 3});
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(slot, 10, 10);
  p.restore();
  DrawText(p, QRectF(0, 0, 736, 52), Qt::AlignCenter, QStringLiteral("Drop the page here"),
           UiFont(13, QFont::Medium), kTeal);
}

void PaintGalleryCheck(QPainter& p) {
  const QPointF centre(25, 24);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(kIndigoDeep, 0.22));
  p.drawEllipse(centre + QPointF(0, 1.5), 21.5, 21.5);
  p.setBrush(kWhite);
  p.drawEllipse(centre, 21.5, 21.5);
  QLinearGradient fill(centre.x(), centre.y() - 19, centre.x(), centre.y() + 19);
  fill.setColorAt(0, QColor(0x2E, 0xB8, 0x7C));
  fill.setColorAt(1, kGreen);
  p.setBrush(fill);
  p.drawEllipse(centre, 19, 19);
  DrawGlyph(p, Glyph::Check, QRectF(centre.x() - 11, centre.y() - 11, 22, 22), kWhite, 3.2);
}

void PaintBackArrow(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kTealMist);
  p.drawEllipse(QPointF(10, 10), 9.5, 9.5);
  DrawGlyph(p, Glyph::ArrowLeft, QRectF(4, 4, 12, 12), kTeal, 1.8);
}

void PaintTitle(QPainter& p, const QString& title) {
  DrawText(p, QRectF(0, 0, 320, 32), Qt::AlignLeft | Qt::AlignVCenter, title, UiFont(22, QFont::Bold),
           kIndigo);
  FillRounded(p, QRectF(1, 34, 36, 4), 2, kAmber);
}

void PaintBestDeal(QPainter& p) {
  const QRectF pill(0.5, 0.5, 83, 23);
  FillRounded(p, pill, 11.5, kAmber);
  DrawText(p, pill, Qt::AlignCenter, QStringLiteral("Best Deal"), UiFont(12, QFont::Bold), kIndigoDeep);
}

// A comet-tailed arc turning once per cycle; `frame` of `frames`.
void PaintSpinner(QPainter& p, double size, const QColor& colour, double stroke, int frame, int frames) {
  const double radius = size / 2 - stroke / 2 - 1;
  p.translate(size / 2, size / 2);
  p.rotate(360.0 * frame / frames);  // clockwise on screen
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(colour, 0.16), stroke));
  p.drawEllipse(QPointF(0, 0), radius, radius);
  // The head sits at the top; the tail fades counter-clockwise behind it.
  constexpr double kHead = 90.0;
  constexpr double kSweep = 270.0;
  QConicalGradient tail(QPointF(0, 0), kHead);
  tail.setColorAt(0.0, colour);
  tail.setColorAt(kSweep / 360.0, WithAlpha(colour, 0.0));
  tail.setColorAt(1.0, WithAlpha(colour, 0.0));
  p.setPen(QPen(QBrush(tail), stroke, Qt::SolidLine, Qt::FlatCap));
  const QRectF circle(-radius, -radius, 2 * radius, 2 * radius);
  p.drawArc(circle, static_cast<int>(kHead * 16), static_cast<int>(kSweep * 16));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(0, -radius), stroke / 2, stroke / 2);
}

void AddSpinner(Catalogue& catalogue, const QString& name, int size, const QColor& colour, double stroke,
                const QString& role) {
  Picture picture;
  picture.name = name;
  picture.size = {size, size};
  picture.alpha = true;
  picture.kind = FileKind::Gif;
  picture.frames = 12;
  picture.delay = 7;
  picture.role = role;
  picture.paintFrame = [size, colour, stroke](QPainter& p, int frame) {
    PaintSpinner(p, size, colour, stroke, frame, 12);
  };
  catalogue.Add(std::move(picture));
}

}  // namespace

void AddPagePictures(Catalogue& catalogue) {
  catalogue.Add(QStringLiteral("pmbg.png"), {736, 51}, true,
                QStringLiteral("background of a Page Manager row (and size of the drag ghost)"),
                PaintPageRow);
  catalogue.Add(QStringLiteral("home.png"), {30, 51}, true,
                QStringLiteral("row icon of the home page, drawn at (33, 0)"),
                [](QPainter& p) { PaintRowIcon(p, true); });
  catalogue.Add(QStringLiteral("page.png"), {30, 51}, true,
                QStringLiteral("row icon of the other pages, drawn at (33, 0)"),
                [](QPainter& p) { PaintRowIcon(p, false); });
  catalogue.Add(QStringLiteral("drop_slot.png"), {736, 52}, true,
                QStringLiteral("drop slot shown while a page row is dragged"), PaintDropSlot);
  catalogue.Add(QStringLiteral("gallery_check.png"), {50, 50}, true,
                QStringLiteral("green check of the selected (and hovered) template"), PaintGalleryCheck);
  catalogue.Add(QStringLiteral("back_arrow.png"), {20, 20}, true,
                QStringLiteral("back arrow of the preview bar (\"Back to Templates\")"), PaintBackArrow);
  catalogue.Add(QStringLiteral("title_choose_template.png"), {320, 40}, true,
                QStringLiteral("title picture of the gallery"),
                [](QPainter& p) { PaintTitle(p, QStringLiteral("Choose a Template")); });
  catalogue.Add(QStringLiteral("best_deal.png"), {84, 24}, true,
                QStringLiteral("\"Best Deal\" mark of the Moxa Max column"), PaintBestDeal);
  AddSpinner(catalogue, QStringLiteral("large_loading.gif"), 48, kTeal, 5.0,
             QStringLiteral("busy animation of the dialog layer, 12 frames"));
  AddSpinner(catalogue, QStringLiteral("loading_red.gif"), 18, kRed, 2.8,
             QStringLiteral("saving marker beside Save and domain-check spinner, 12 frames"));
}

}  // namespace moxa::pictures
