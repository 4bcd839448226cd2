// The skinned buttons: sets 1 to 24 as NNa/NNb/NNc.png (normal, mouse over,
// pressed), the selected tabs m1..m5, and the locked and dimmed variants.
#include "Catalogue.h"
#include "Style.h"

#include <QPainter>

#include <array>

namespace moxa::pictures {
namespace {

using namespace palette;

constexpr std::array<ButtonState, 3> kStates{ButtonState::Normal, ButtonState::Hover,
                                             ButtonState::Pressed};
constexpr std::array<const char*, 3> kStateLetters{"a", "b", "c"};
constexpr std::array<const char*, 3> kStateWords{"normal", "mouse over", "pressed"};

// Adds the three pictures of one set, painted by `paint(state)`.
void AddSet(Catalogue& catalogue, const QString& prefix, QSize size, const QString& role,
            const std::function<void(QPainter&, ButtonState)>& paint) {
  for (size_t i = 0; i < kStates.size(); ++i) {
    const ButtonState state = kStates[i];
    catalogue.Add(prefix + QLatin1String(kStateLetters[i]) + QStringLiteral(".png"), size, true,
                  role + QStringLiteral(", ") + QLatin1String(kStateWords[i]),
                  [paint, state](QPainter& p) { paint(p, state); });
  }
}

void AddButtonSet(Catalogue& catalogue, int set, QSize size, const QString& role,
                  const ButtonLook& look) {
  AddSet(catalogue, QString::number(set), size,
         QStringLiteral("set %1: %2").arg(set).arg(role),
         [look, size](QPainter& p, ButtonState state) { DrawButton(p, size, look, state); });
}

// Caption buttons sit on the dark header band, on the dark title band of the
// dialogs and on the white start screen: a dark chip with a white glyph reads
// on all three.
void PaintCaptionButton(QPainter& p, Glyph glyph, bool close, ButtonState state) {
  const QRectF chip(0.5, 0.5, 24.0, 22.0);
  QColor fill = WithAlpha(kIndigoDeep, 0.5);
  QColor border = WithAlpha(kWhite, 0.18);
  if (state == ButtonState::Hover) {
    fill = close ? kRed : kTealBright;
    border = WithAlpha(kWhite, 0.3);
  } else if (state == ButtonState::Pressed) {
    fill = close ? QColor(0xA8, 0x2A, 0x36) : kTealDark;
    border = WithAlpha(kWhite, 0.2);
  }
  FillRounded(p, chip, 6, fill);
  StrokeRounded(p, chip, 6, border);
  const QRectF box(6.5, 5.5 + (state == ButtonState::Pressed ? 0.5 : 0.0), 12, 12);
  DrawGlyph(p, glyph, box, WithAlpha(kWhite, state == ButtonState::Normal ? 0.92 : 1.0), 1.6);
}

// Tabs abut one another (x = 30, 151, 272 ...), so each body is inset a
// little to leave a gap. The selected tab is white like the content frame
// it stands on, so the two read as one sheet.
void PaintTab(QPainter& p, const QString& caption, ButtonState state, bool selected) {
  const QRectF body(2.0, 0.5, 117.0, 35.0);
  const QPainterPath shape = RoundedTop(body, 9);
  p.save();
  if (selected) {
    p.fillPath(shape, kWhite);
    p.setClipPath(shape);
    p.fillRect(QRectF(body.left(), 0, body.width(), 3.0), kAmber);
  } else {
    const double alpha = state == ButtonState::Hover ? 0.22 : state == ButtonState::Pressed ? 0.07 : 0.12;
    p.fillPath(shape, WithAlpha(kWhite, alpha));
    p.setClipPath(shape);
    p.setPen(QPen(WithAlpha(kWhite, state == ButtonState::Hover ? 0.35 : 0.2), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedTop(body.adjusted(0.5, 0.5, -0.5, 2), 8.5));
  }
  p.restore();
  const QFont font = UiFont(13, selected ? QFont::DemiBold : QFont::Medium);
  const QColor text = selected ? kIndigo
                      : state == ButtonState::Normal ? WithAlpha(kWhite, 0.9)
                                                     : kWhite;
  const double drop = state == ButtonState::Pressed ? 1.0 : 0.0;
  DrawText(p, QRectF(0, 1.5 + drop, 121, 34), Qt::AlignCenter, caption, font, text);
}

// Ticks of a page row: filled when the page is shown in the menu.
void PaintTick(QPainter& p, bool shown, ButtonState state) {
  const QRectF box(6.5, 3.5, 18, 18);
  if (shown) {
    QColor fill = state == ButtonState::Hover ? kTealBright
                  : state == ButtonState::Pressed ? kTealDark
                                                  : kTeal;
    FillRounded(p, box, 5, fill);
    DrawGlyph(p, Glyph::Check, box.adjusted(2.5, 2.5, -2.5, -2.5), kWhite, 2.0);
  } else {
    QColor fill = state == ButtonState::Hover ? kTealMist
                  : state == ButtonState::Pressed ? QColor(0xD9, 0xE1, 0xE8)
                                                  : kWhite;
    QColor border = state == ButtonState::Hover ? kTeal : QColor(0xB3, 0xBF, 0xCB);
    FillRounded(p, box, 5, fill);
    StrokeRounded(p, box, 5, border, 1.5);
  }
}

// Plates under the editor toolbar icons: invisible until the mouse comes.
void PaintToolbarPlate(QPainter& p, ButtonState state) {
  if (state == ButtonState::Normal) return;
  const QRectF plate(0.5, 0.5, 23, 21);
  if (state == ButtonState::Hover) {
    FillRounded(p, plate, 5, kTealMist);
    StrokeRounded(p, plate, 5, WithAlpha(kTeal, 0.35));
  } else {
    FillRounded(p, plate, 5, QColor(0xC9, 0xE6, 0xE7));
    StrokeRounded(p, plate, 5, WithAlpha(kTeal, 0.65));
  }
}

}  // namespace

void AddButtonPictures(Catalogue& catalogue) {
  ButtonLook look;

  look = {ButtonKind::Accent, QStringLiteral("Start Building"), Glyph::ArrowRight, true, 15, 10};
  AddButtonSet(catalogue, 1, {200, 46}, QStringLiteral("go button of the start screen"), look);

  const std::array<std::pair<Glyph, const char*>, 3> captionButtons{
      {{Glyph::Minimise, "minimise caption button"},
       {Glyph::Maximise, "maximise caption button"},
       {Glyph::Close, "close button (caption, start screen, dialogs)"}}};
  for (size_t i = 0; i < captionButtons.size(); ++i) {
    const Glyph glyph = captionButtons[i].first;
    const bool close = glyph == Glyph::Close;
    AddSet(catalogue, QString::number(2 + static_cast<int>(i)), {25, 23},
           QStringLiteral("set %1: %2").arg(2 + i).arg(QLatin1String(captionButtons[i].second)),
           [glyph, close](QPainter& p, ButtonState state) { PaintCaptionButton(p, glyph, close, state); });
  }
  AddSet(catalogue, QStringLiteral("caption_restore_"), {25, 23},
         QStringLiteral("restore caption button (set 3 while maximised)"),
         [](QPainter& p, ButtonState state) { PaintCaptionButton(p, Glyph::Restore, false, state); });

  look = {ButtonKind::Secondary, QStringLiteral("Preview"), Glyph::Eye, false, 11, 10};
  AddButtonSet(catalogue, 5, {73, 20}, QStringLiteral("Preview on a gallery thumbnail"), look);
  look = {ButtonKind::Accent, QStringLiteral("Next"), Glyph::ArrowRight, true, 14, 8};
  AddButtonSet(catalogue, 6, {100, 34}, QStringLiteral("Next of the gallery"), look);
  look = {ButtonKind::Primary, QStringLiteral("Save"), Glyph::None, false, 14, 8};
  AddButtonSet(catalogue, 7, {86, 34}, QStringLiteral("Save of the page editor and the gallery"), look);
  look = {ButtonKind::Secondary, QStringLiteral("Preview"), Glyph::Eye, false, 14, 8};
  AddButtonSet(catalogue, 8, {104, 34}, QStringLiteral("Preview of the page editor"), look);
  look = {ButtonKind::Accent, QStringLiteral("Publish"), Glyph::Upload, false, 14, 8};
  AddButtonSet(catalogue, 9, {110, 34}, QStringLiteral("Publish of the page editor and the plans screen"), look);
  look = {ButtonKind::Primary, QStringLiteral("OK"), Glyph::None, false, 14, 8};
  AddButtonSet(catalogue, 10, {57, 34}, QStringLiteral("OK of the dialogs and the account screen"), look);

  const std::array<const char*, 5> tabs{"New Site", "My Account", "Template", "Page Manager", "Publish"};
  for (size_t i = 0; i < tabs.size(); ++i) {
    const QString caption = QLatin1String(tabs[i]);
    const int set = 11 + static_cast<int>(i);
    AddSet(catalogue, QString::number(set), {121, 35},
           QStringLiteral("set %1: tab %2").arg(set).arg(caption),
           [caption](QPainter& p, ButtonState state) { PaintTab(p, caption, state, false); });
  }
  for (size_t i = 0; i < tabs.size(); ++i) {
    const QString caption = QLatin1String(tabs[i]);
    catalogue.Add(QStringLiteral("m%1.png").arg(i + 1), {121, 35}, true,
                  QStringLiteral("selected tab %1").arg(caption),
                  [caption](QPainter& p) { PaintTab(p, caption, ButtonState::Normal, true); });
  }

  AddSet(catalogue, QStringLiteral("16"), {30, 25},
         QStringLiteral("set 16: page-row tick, page shown in the menu"),
         [](QPainter& p, ButtonState state) { PaintTick(p, true, state); });
  AddSet(catalogue, QStringLiteral("17"), {30, 25},
         QStringLiteral("set 17: page-row tick, page hidden from the menu"),
         [](QPainter& p, ButtonState state) { PaintTick(p, false, state); });
  look = {ButtonKind::Primary, QStringLiteral("Edit"), Glyph::None, false, 12, 6};
  AddButtonSet(catalogue, 18, {42, 25}, QStringLiteral("Edit of a page row"), look);
  look = {ButtonKind::Secondary, QStringLiteral("Rename"), Glyph::None, false, 12, 6};
  AddButtonSet(catalogue, 19, {62, 25}, QStringLiteral("Rename of a page row"), look);
  look = {ButtonKind::Danger, QStringLiteral("Delete"), Glyph::None, false, 11, 6};
  AddButtonSet(catalogue, 20, {56, 21}, QStringLiteral("Delete of a page row"), look);

  look = {ButtonKind::Primary, QStringLiteral("New Page"), Glyph::Plus, false, 14, 8};
  AddButtonSet(catalogue, 21, {118, 34}, QStringLiteral("New Page of the Page Manager"), look);
  look = {ButtonKind::Primary, QString(), Glyph::None, false, 14, 8};
  AddButtonSet(catalogue, 22, {90, 34},
               QStringLiteral("caption-less plate under a white label: Get Plus, Get Max, Select, "
                              "Next/Upgrade of the plan dialog, Browse"),
               look);
  look = {ButtonKind::Secondary, QStringLiteral("Export"), Glyph::Download, false, 14, 8};
  AddButtonSet(catalogue, 23, {96, 34}, QStringLiteral("Export of the Page Manager"), look);
  AddSet(catalogue, QStringLiteral("24"), {24, 22},
         QStringLiteral("set 24: editor toolbar plate (c also = latched on)"),
         [](QPainter& p, ButtonState state) { PaintToolbarPlate(p, state); });

  catalogue.Add(QStringLiteral("locked_save.png"), {86, 34}, true,
                QStringLiteral("Save button while a save is confirmed (size of 7a)"), [](QPainter& p) {
                  DrawButton(p, {86, 34}, {ButtonKind::Locked, QStringLiteral("Save"), Glyph::Lock, false, 14, 8},
                             ButtonState::Normal);
                });
  catalogue.Add(QStringLiteral("dbutton.png"), {90, 34}, true,
                QStringLiteral("dimmed plan-dialog button while the domain is checked (size of 22a)"),
                [](QPainter& p) {
                  DrawButton(p, {90, 34}, {ButtonKind::Locked, QString(), Glyph::None, false, 14, 8},
                             ButtonState::Normal);
                });
  catalogue.Add(QStringLiteral("ddelete.png"), {56, 21}, true,
                QStringLiteral("inert Delete of the home page's row (size of 20a)"), [](QPainter& p) {
                  DrawButton(p, {56, 21}, {ButtonKind::Locked, QStringLiteral("Delete"), Glyph::None, false, 11, 6},
                             ButtonState::Normal);
                });
}

}  // namespace moxa::pictures
