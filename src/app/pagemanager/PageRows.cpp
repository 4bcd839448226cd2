#include "app/pagemanager/PageRows.h"

#include "app/shell/SkinnedButton.h"
#include "app/shell/StillPicture.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace moxa {
namespace {

// Where the texts and buttons stand in their row.
constexpr int kLabelLeft = 68;
constexpr int kFileNameGap = 15;
constexpr int kTextTop = 18;
constexpr int kButtonTop = 13;
constexpr int kDeleteTop = 15;
constexpr int kTickLeft = 509;
constexpr int kEditLeft = 550;
constexpr int kRenameLeft = 596;
constexpr int kDeleteLeft = 665;
// The drag handle leaves this much of the row's right part to the buttons.
constexpr int kButtonsWidth = 250;
// The texts stop before the row picture's divider; a long label is cut
// short so the file name still shows.
constexpr int kTextRight = 495;
constexpr int kLabelMaxWidth = 260;
constexpr int kIconLeft = 33;

const QColor kLabelColour(51, 51, 51);
const QColor kFileNameColour(204, 204, 204);

// The transparent left part of a row that starts a drag.
class RowHandle : public QWidget {
 public:
  RowHandle(PageRows& rows, int index, QWidget* parent)
      : QWidget(parent), rows_(rows), index_(index) {
    setCursor(Qt::SizeAllCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    rows_.PressHandle(index_, mapTo(rows_.canvas(), event->position().toPoint()));
  }

 private:
  PageRows& rows_;
  int index_;
};

QPixmap RowPicture(const QPixmap& background, const QPixmap& icon, QSize size) {
  const qreal ratio = background.isNull() ? 1.0 : background.devicePixelRatio();
  QPixmap picture(size * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.drawPixmap(0, 0, background);
  painter.drawPixmap(kIconLeft, 0, icon);
  return picture;
}

QPalette TextPalette(const QPalette& base, const QColor& colour) {
  QPalette palette = base;
  palette.setColor(QPalette::WindowText, colour);
  return palette;
}

}  // namespace

PageRows::PageRows(Site& site, const Pictures& pictures, QWidget* canvas)
    : QObject(canvas), site_(site), pictures_(pictures), canvas_(canvas) {
  QFont font = canvas_->font();
  font.setPixelSize(14);
  canvas_->setFont(font);
  labelPalette_ = TextPalette(canvas_->palette(), kLabelColour);
  namePalette_ = TextPalette(canvas_->palette(), kFileNameColour);
  // The canvas moves when the list scrolls and the view grows with the
  // window: either may bring rows without controls into sight.
  canvas_->installEventFilter(this);
}

bool PageRows::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
      (watched == canvas_ || watched == canvas_->parentWidget())) {
    MakeRowsInView();
  }
  return QObject::eventFilter(watched, event);
}

PageRows::~PageRows() = default;

void PageRows::LoadRowPictures() {
  if (!pagePicture_.isNull()) return;
  const QPixmap background = pictures_.Get(QStringLiteral("pmbg.png"));
  if (!background.isNull()) rowSize_ = background.deviceIndependentSize().toSize();
  homePicture_ = RowPicture(background, pictures_.Get(QStringLiteral("home.png")), rowSize_);
  pagePicture_ = RowPicture(background, pictures_.Get(QStringLiteral("page.png")), rowSize_);
}

void PageRows::BuildPageRows() {
  FreePageRows();
  LoadRowPictures();
  const int count = site_.PageCount();
  canvas_->resize(rowSize_.width(), std::max(1, count * rowPitch()));
  if (QWidget* view = canvas_->parentWidget()) {
    view->removeEventFilter(this);  // the list's view, set after this object was made
    view->installEventFilter(this);
  }
  // Filled while hidden and shown once: far cheaper than showing each control.
  auto* host = new QWidget(canvas_);
  host->setObjectName(QStringLiteral("pageRows"));
  host->setGeometry(canvas_->rect());
  rows_.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) rows_[static_cast<size_t>(i)].top = rowPitch() * i;
  host_ = host;
  MakeRowsInView();
  host->lower();
  host->show();
}

void PageRows::MakeRowsInView() {
  if (!host_ || rows_.empty()) return;
  const QWidget* view = canvas_->parentWidget();
  const int viewTop = view ? -canvas_->y() : 0;
  const int viewHeight = view ? view->height() : canvas_->height();
  const int margin = std::max(viewHeight, rowPitch());
  const int first = std::max(0, (viewTop - margin) / rowPitch());
  const int last = std::min(count() - 1, (viewTop + viewHeight + margin) / rowPitch());
  for (int i = first; i <= last; ++i) {
    if (!rows_[static_cast<size_t>(i)].frame) MakeRow(i);
  }
}

void PageRows::FreePageRows() {
  if (!host_) return;
  // Hidden first, the controls go without repainting one another.
  host_->hide();
  // A new widget posts itself a polish request and, when shown, an update;
  // one deleted with such events pending searches the whole event queue.
  // Freed right after they were built, thousands of rows would take seconds.
  // The events are due anyway and do nothing to hidden, polished rows.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
  delete host_;
  host_ = nullptr;
  rows_.clear();
}

void PageRows::MakeRow(int i) {
  Row& row = rows_[static_cast<size_t>(i)];
  row.frame = new QWidget(host_);
  row.frame->setObjectName(QStringLiteral("pageRow%1").arg(i));
  row.frame->setGeometry(0, row.top + row.dy, rowSize_.width(), rowSize_.height());
  const bool home = site_.Page(i).IsHomePage;
  auto* picture = new StillPicture(home ? homePicture_ : pagePicture_, row.frame);
  picture->setObjectName(QStringLiteral("_pm_%1").arg(i));
  row.controls[Picture] = picture;

  MakeTexts(i, row);
  auto* handle = new RowHandle(*this, i, row.frame);
  handle->setObjectName(QStringLiteral("_pm2_%1").arg(i));
  handle->resize(rowSize_.width() - kButtonsWidth, rowSize_.height());
  row.controls[Handle] = handle;
  MakeButtons(i, row);
  PlaceInTabOrder(i);
  // In a host still hidden this only marks the row to show with it.
  row.frame->setVisible(row.visible);
}

void PageRows::PlaceInTabOrder(int i) {
  // A new widget goes to the end of the window's Tab order: after the rows
  // made before it, whatever their pages.
  const auto focusable = [this](int r) {
    std::vector<QWidget*> buttons;
    for (QWidget* control : row(r).controls) {
      if (control && control->focusPolicy() != Qt::NoFocus) buttons.push_back(control);
    }
    return buttons;
  };
  const std::vector<QWidget*> mine = focusable(i);
  if (mine.empty()) return;
  QWidget* after = nullptr;
  for (int j = i - 1; j >= 0 && !after; --j) {
    if (row(j).frame) after = focusable(j).back();
  }
  for (int k = i + 1; k < count() && !after; ++k) {
    if (row(k).frame) after = focusable(k).front()->previousInFocusChain();
  }
  if (!after) return;
  QWidget::setTabOrder(after, mine.front());
  for (size_t b = 1; b < mine.size(); ++b) QWidget::setTabOrder(mine[b - 1], mine[b]);
}

void PageRows::MakeTexts(int i, Row& row) {
  const TSitePage& page = site_.Page(i);
  const QFontMetrics metrics(canvas_->font());

  auto* label = new QLabel(row.frame);
  label->setObjectName(QStringLiteral("_pml_%1").arg(i));
  label->setTextFormat(Qt::PlainText);  // a label is the user's text, never markup
  label->setPalette(labelPalette_);
  const QString labelText = metrics.elidedText(page.Label_, Qt::ElideRight, kLabelMaxWidth);
  const int labelWidth = metrics.horizontalAdvance(labelText);
  label->setText(labelText);
  label->setGeometry(kLabelLeft, kTextTop, labelWidth + 2, metrics.height());
  row.controls[Label] = label;

  auto* name = new QLabel(row.frame);
  name->setObjectName(QStringLiteral("_pml2_%1").arg(i));
  name->setTextFormat(Qt::PlainText);
  name->setPalette(namePalette_);
  const int nameLeft = kLabelLeft + kFileNameGap + labelWidth;
  const QString nameText = metrics.elidedText(page.FileName + QStringLiteral(".html"),
                                              Qt::ElideMiddle, kTextRight - nameLeft);
  name->setText(nameText);
  name->setGeometry(nameLeft, kTextTop, metrics.horizontalAdvance(nameText) + 2, metrics.height());
  row.controls[FileName] = name;
}

void PageRows::MakeButtons(int i, Row& row) {
  const TSitePage& page = site_.Page(i);
  const auto picture = [this](const char* name) {
    return pictures_.Get(QString::fromLatin1(name));
  };
  const auto button = [&](Control c, const SkinSet& skin, const QString& hint, const QString& name,
                          QPoint at) {
    auto* b = new SkinnedButton(skin, hint, row.frame);
    b->setObjectName(name);
    b->move(at);
    row.controls[static_cast<size_t>(c)] = b;
    return b;
  };

  // The tick pair: each shows the other's picture while pressed.
  SkinnedButton* shown =
      button(TickShown, {picture("16a.png"), picture("16b.png"), picture("17a.png")},
             QStringLiteral("Hide this page from the menu navigation"),
             QStringLiteral("_tick_a%1").arg(i), {kTickLeft, kButtonTop});
  SkinnedButton* hidden =
      button(TickHidden, {picture("17a.png"), picture("17b.png"), picture("16a.png")},
             QStringLiteral("Show this page in the menu navigation"),
             QStringLiteral("_tick_a%1_2").arg(i), {kTickLeft, kButtonTop});
  shown->setHidden(!page.ShowInMenu);
  hidden->setHidden(page.ShowInMenu);
  connect(shown, &SkinnedButton::clicked, this, [this, i] { Toggle(i); });
  connect(hidden, &SkinnedButton::clicked, this, [this, i] { Toggle(i); });

  SkinnedButton* edit = button(Edit, pictures_.Skin(18), QStringLiteral("Edit this page's content"),
                               QStringLiteral("_edit_%1").arg(i), {kEditLeft, kButtonTop});
  edit->setAfterRelease(SkinnedButton::AfterRelease::Unchanged);
  // Edit frees the rows, this button among them: it must not go while its
  // own click is being delivered.
  connect(edit, &SkinnedButton::clicked, this, [this, i] { emit editClicked(i); },
          Qt::QueuedConnection);
  SkinnedButton* rename =
      button(Rename, pictures_.Skin(19), QStringLiteral("Edit this page's file name and menu label"),
             QStringLiteral("_rename_%1").arg(i), {kRenameLeft, kButtonTop});
  connect(rename, &SkinnedButton::clicked, this, [this, i] { emit renameClicked(i); });

  const QString deleteHint = QStringLiteral("Delete this page from your site");
  const QString deleteName = QStringLiteral("_delete_%1").arg(i);
  if (page.IsHomePage) {
    // The home page cannot be deleted: its icon reacts to nothing.
    auto* inert = new StillPicture(picture("ddelete.png"), row.frame);
    inert->setObjectName(deleteName);
    inert->setToolTip(deleteHint);
    inert->move(kDeleteLeft, kDeleteTop);
    row.controls[Delete] = inert;
  } else {
    SkinnedButton* remove =
        button(Delete, pictures_.Skin(20), deleteHint, deleteName, {kDeleteLeft, kDeleteTop});
    connect(remove, &SkinnedButton::clicked, this, [this, i] { emit deleteClicked(i); });
  }
}

void PageRows::Toggle(int i) {
  if (i < 0 || i >= count() || i >= site_.PageCount()) return;
  // The page operation changes the table, the store and the menus; the tick
  // follows what it did.
  emit showInMenuToggled(i, !site_.Page(i).ShowInMenu);
}

void PageRows::RefreshTick(int i) {
  if (i < 0 || i >= count() || i >= site_.PageCount()) return;
  const bool shown = site_.Page(i).ShowInMenu;
  const Row& r = row(i);
  if (!r.frame) return;  // made from the page as it stands
  r.controls[TickShown]->setVisible(shown);
  r.controls[TickHidden]->setVisible(!shown);
}

void PageRows::PlaceRow(int i, int dy) {
  Row& r = rows_.at(static_cast<size_t>(i));
  r.dy = dy;
  if (r.frame) r.frame->move(0, r.top + dy);
}

void PageRows::SetRowVisible(int i, bool visible) {
  Row& r = rows_.at(static_cast<size_t>(i));
  r.visible = visible;
  if (r.frame) r.frame->setVisible(visible);
}

void PageRows::PressHandle(int i, QPoint cursor) { emit handlePressed(i, cursor); }

}  // namespace moxa
