// Frames of the dialogs on the dialog layer, the busy box and the plan dialog.
// Button positions of the callers put OK 47 pixels above a frame's bottom:
// every frame has a footer band of 62 pixels for OK and "Cancel".
#include "Catalogue.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>

namespace moxa::pictures {
namespace {

using namespace palette;

constexpr double kRadius = 12;
constexpr double kTitleBand = 44;
constexpr double kFooter = 62;

struct DialogLook {
  QString title;  // empty: the dialog's panel carries its own title
  Glyph glyph = Glyph::None;
  double footer = kFooter;
};

void PaintDialog(QPainter& p, QSizeF size, const DialogLook& look) {
  const QRectF card(0.5, 0.5, size.width() - 1, size.height() - 1);
  QPainterPath shape;
  shape.addRoundedRect(card, kRadius, kRadius);
  p.fillPath(shape, kWhite);
  p.save();
  p.setClipPath(shape);
  if (!look.title.isEmpty()) {
    const QRectF band(0, 0, size.width(), kTitleBand);
    QLinearGradient g(band.topLeft(), band.topRight());
    g.setColorAt(0, kIndigo);
    g.setColorAt(1, kTealDark);
    p.fillRect(band, g);
  } else {
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, kTeal);
    g.setColorAt(1, kTealBright);
    p.fillRect(QRectF(0, 0, size.width(), 5), g);
  }
  if (look.footer > 0) {
    const double top = size.height() - look.footer;
    p.fillRect(QRectF(0, top, size.width(), look.footer), kCloud);
    p.fillRect(QRectF(0, top, size.width(), 1), kLine);
  }
  p.restore();
  StrokeRounded(p, card, kRadius, QColor(0xC4, 0xCE, 0xD9));
  if (!look.title.isEmpty()) {
    double x = 22;
    if (look.glyph != Glyph::None) {
      DrawGlyph(p, look.glyph, QRectF(x, kTitleBand / 2 - 8, 16, 16), kAmberLight, 1.7);
      x += 26;
    }
    DrawText(p, QRectF(x, 0, size.width() - x - 60, kTitleBand), Qt::AlignLeft | Qt::AlignVCenter,
             look.title, UiFont(16, QFont::DemiBold), kWhite);
  }
}

void AddDialog(Catalogue& catalogue, const QString& name, QSize size, const QString& role,
               const DialogLook& look) {
  catalogue.Add(name, size, true, role, [size, look](QPainter& p) { PaintDialog(p, size, look); });
}

void PaintUpgradeIcon(QPainter& p) {
  const QRectF box(1, 1, 46, 46);
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  fill.setColorAt(0, kAmberLight);
  fill.setColorAt(1, QColor(0xF2, 0x8C, 0x28));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawEllipse(box);
  // An arrow pointing up: a step up.
  p.setPen(QPen(kIndigoDeep, 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(24, 34), QPointF(24, 14.5));
  p.drawPolyline(QPolygonF{QPointF(15.5, 23), QPointF(24, 14.5), QPointF(32.5, 23)});
}

}  // namespace

void AddDialogPictures(Catalogue& catalogue) {
  AddDialog(catalogue, QStringLiteral("dialog_save_as.png"), {450, 345},
            QStringLiteral("frame of Save Page As"), {QStringLiteral("Save Page As"), Glyph::Page});
  AddDialog(catalogue, QStringLiteral("dialog_rename.png"), {450, 345},
            QStringLiteral("frame of Rename Page"), {QStringLiteral("Rename Page"), Glyph::Pencil});
  AddDialog(catalogue, QStringLiteral("dialog_add.png"), {450, 345},
            QStringLiteral("frame of the add-page dialog"), {QStringLiteral("New Page"), Glyph::Plus});
  AddDialog(catalogue, QStringLiteral("dialog_properties.png"), {575, 518},
            QStringLiteral("frame of Page Properties"), {QStringLiteral("Page Properties"), Glyph::Page});
  AddDialog(catalogue, QStringLiteral("dialog_delete.png"), {575, 225},
            QStringLiteral("frame of Delete Page"), {QStringLiteral("Delete Page"), Glyph::Trash});
  AddDialog(catalogue, QStringLiteral("dialog_save_prompt.png"), {439, 225},
            QStringLiteral("frame of the unsaved-changes prompt"),
            {QStringLiteral("Unsaved Changes"), Glyph::Page});
  // The region editor's panel covers all but a 15-pixel margin and the
  // buttons' band, so its frame has no title band.
  AddDialog(catalogue, QStringLiteral("dialog_editor.png"), {669, 400},
            QStringLiteral("frame of the text editor dialog"), {QString(), Glyph::None, 62});
  AddDialog(catalogue, QStringLiteral("dialog_link.png"), {404, 380},
            QStringLiteral("frame of the link dialog (its panel carries the title)"), {});
  AddDialog(catalogue, QStringLiteral("dialog_image.png"), {404, 480},
            QStringLiteral("frame of the image dialog (its panel carries the title)"), {});
  AddDialog(catalogue, QStringLiteral("dialog_upgrade.png"), {480, 330},
            QStringLiteral("frame of the plan upgrade dialog"), {});
  AddDialog(catalogue, QStringLiteral("loading_box.png"), {240, 96},
            QStringLiteral("box behind the busy animation and its caption"), {QString(), Glyph::None, 0});
  catalogue.Add(QStringLiteral("upgrade_icon.png"), {48, 48}, true,
                QStringLiteral("icon of the plan upgrade dialog"), PaintUpgradeIcon);
}

}  // namespace moxa::pictures
