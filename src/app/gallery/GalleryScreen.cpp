#include "app/gallery/GalleryScreen.h"

#include "app/gallery/PreviewPanel.h"
#include "app/shell/SkinnedButton.h"
#include "app/shell/SlimScrollBar.h"
#include "templates/TemplateName.h"
#include "templates/Thumbnails.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QUrl>
#include <QWebEngineView>

#include <algorithm>
#include <utility>

namespace moxa {
namespace {

const char* const kIndexProperty = "thumbnailIndex";
const char* const kNumberProperty = "templateNumber";
const QColor kFrameColour(0xD9, 0xD9, 0xD9);
const QColor kCheckGreen(0x3C, 0xA5, 0x4A);
const QColor kTitleColour(0x33, 0x33, 0x33);
const QColor kHoverColour(0x1F, 0x7A, 0x8C);
// The hover frame stands this far outside the screenshot.
constexpr int kHoverFrameMargin = 4;
constexpr int kNameHeight = 22;

// A picture drawn at its top-left and cut off at the widget's size, never
// stretched. The gallery watches its mouse events.
class GalleryPicture : public QWidget {
 public:
  GalleryPicture(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
  }
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }

 private:
  QPixmap picture_;
};

// The thin frame around a thumbnail. It alone carries the template number.
class ThumbnailFrame : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(kFrameColour);
    painter.drawRect(0, 0, width() - 1, height() - 1);
  }
};

// The check picture of the data folder, or a drawn one when it is missing.
QPixmap CheckPicture(const Pictures& pictures) {
  QPixmap picture = pictures.Get(QStringLiteral("gallery_check.png"));
  if (!picture.isNull()) return picture;
  picture = QPixmap(GalleryScreen::kCheckSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 3));
  painter.setBrush(kCheckGreen);
  painter.drawEllipse(QRectF(4, 4, 42, 42));
  QPainterPath tick;
  tick.moveTo(15, 26);
  tick.lineTo(22, 33);
  tick.lineTo(36, 18);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(tick);
  return picture;
}

// The mark on the thumbnail under the mouse: an empty ring where the
// selection's check would go, so a hovered template never looks chosen.
QPixmap HoverRingPicture() {
  QPixmap picture(GalleryScreen::kCheckSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kHoverColour, 3));
  painter.setBrush(QColor(255, 255, 255, 220));
  painter.drawEllipse(QRectF(6, 6, 38, 38));
  return picture;
}

// The outline around the thumbnail under the mouse; the mouse goes through it.
class HoverFrame : public QWidget {
 public:
  explicit HoverFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kHoverColour, 3));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
  }
};

// The rows a reflection shows: the bottom 51 rows of a screenshot are the
// first 51 of its flipped copy, so only they are converted, flipped and faded.
QImage ReflectionOf(const QImage& screenshot) {
  const int rows = std::min(screenshot.height(), GalleryScreen::kReflectionHeight + 1);
  // A screenshot that is not 24-bit (with alpha, grey, a palette) is
  // converted; the library's own are 24-bit and only change their layout.
  const QImage bottom = screenshot.copy(0, screenshot.height() - rows, screenshot.width(), rows)
                            .convertToFormat(QImage::Format_RGB888);
  return MakeReflection(bottom);
}

}  // namespace

GalleryScreen::GalleryScreen(const Folders& folders, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), folders_(folders), pictures_(pictures) {
  setObjectName(QStringLiteral("galleryScreen"));
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  MakeTitle();
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("galleryScrollBox"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setFocusPolicy(Qt::NoFocus);
  scroll_->setWidgetResizable(true);
  UseSlimScrollBar(scroll_);
  content_ = new QWidget;
  content_->setObjectName(QStringLiteral("galleryContent"));
  scroll_->setWidget(content_);
  MakeMarkers();
  MakeButtons();

  hideMarkers_.setSingleShot(true);
  hideMarkers_.setInterval(0);
  connect(&hideMarkers_, &QTimer::timeout, this, &GalleryScreen::HideHoverMarkers);
}

void GalleryScreen::MakeTitle() {
  const QString text = QStringLiteral("Choose a Template");
  auto* title = new QLabel(this);
  title->setObjectName(QStringLiteral("galleryTitle"));
  title->setAccessibleName(text);
  const QPixmap picture = pictures_.Get(QStringLiteral("title_choose_template.png"));
  if (!picture.isNull()) {
    title->setPixmap(picture);
  } else {
    title->setText(text);
    QFont font = title->font();
    font.setPointSize(16);
    font.setBold(true);
    title->setFont(font);
    QPalette colours = title->palette();
    colours.setColor(QPalette::WindowText, kTitleColour);
    title->setPalette(colours);
  }
  title->adjustSize();
  title_ = title;
}

void GalleryScreen::MakeMarkers() {
  const QPixmap check = CheckPicture(pictures_);
  selectionCheck_ = new GalleryPicture(check, content_);
  selectionCheck_->setObjectName(QStringLiteral("selectionCheck"));
  selectionCheck_->resize(kCheckSize);
  // The mark only shows the choice; the thumbnail under it keeps the mouse.
  selectionCheck_->setAttribute(Qt::WA_TransparentForMouseEvents);
  selectionCheck_->hide();

  hoverFrame_ = new HoverFrame(content_);
  hoverFrame_->setObjectName(QStringLiteral("hoverFrame"));
  hoverFrame_->hide();

  hoverCheck_ = new GalleryPicture(HoverRingPicture(), content_);
  hoverCheck_->setObjectName(QStringLiteral("hoverCheck"));
  hoverCheck_->resize(kCheckSize);
  hoverCheck_->setCursor(Qt::PointingHandCursor);
  hoverCheck_->installEventFilter(this);
  hoverCheck_->hide();

  // Skin set 5 changes only on enter and leave: a press keeps the hover picture.
  SkinSet skin = pictures_.Skin(5);
  skin.pressed = skin.hover;
  previewButton_ = new SkinnedButton(skin, QStringLiteral("Preview"), content_);
  previewButton_->setObjectName(QStringLiteral("previewButton"));
  previewButton_->setToolTip(QStringLiteral("Preview this template"));
  previewButton_->setAfterRelease(SkinnedButton::AfterRelease::Unchanged);
  previewButton_->setFixedSize(kPreviewButtonSize);
  previewButton_->installEventFilter(this);
  previewButton_->hide();
  connect(previewButton_, &SkinnedButton::clicked, this, &GalleryScreen::ShowPreview);
}

void GalleryScreen::MakeButtons() {
  next_ = new SkinnedButton(pictures_.Skin(6), QStringLiteral("Next"), this);
  next_->setObjectName(QStringLiteral("nextButton"));
  next_->setToolTip(QStringLiteral("Build the site from the chosen template"));
  next_->setAfterRelease(SkinnedButton::AfterRelease::Hover);
  next_->resize(next_->sizeHint());
  connect(next_, &SkinnedButton::clicked, this, &GalleryScreen::nextClicked);

  save_ = new SkinnedButton(pictures_.Skin(7), QStringLiteral("Save"), this);
  save_->setObjectName(QStringLiteral("saveButton"));
  save_->setToolTip(QStringLiteral("Apply the chosen template to the site"));
  save_->setAfterRelease(SkinnedButton::AfterRelease::Hover);
  save_->resize(save_->sizeHint());
  connect(save_, &SkinnedButton::clicked, this, &GalleryScreen::saveClicked);

  // A new site replaces the current one only at Next: until then the user
  // can go back to it.
  backToSite_ = new QLabel(QStringLiteral("<a href=\"back\">Back to my site</a>"), this);
  backToSite_->setObjectName(QStringLiteral("backToSiteLink"));
  backToSite_->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                       Qt::LinksAccessibleByKeyboard);
  backToSite_->setFocusPolicy(Qt::StrongFocus);
  backToSite_->adjustSize();
  backToSite_->hide();
  connect(backToSite_, &QLabel::linkActivated, this, &GalleryScreen::backToSiteClicked);
  setMode(GalleryMode::NewSite);
}

void GalleryScreen::setBackToSiteOffered(bool offered) {
  backToSiteOffered_ = offered;
  backToSite_->setVisible(offered && mode_ == GalleryMode::NewSite);
}

void GalleryScreen::setMode(GalleryMode mode) {
  mode_ = mode;
  next_->setVisible(mode == GalleryMode::NewSite);
  save_->setVisible(mode == GalleryMode::ApplyTemplate);
  backToSite_->setVisible(backToSiteOffered_ && mode == GalleryMode::NewSite);
}

// ---- Building -------------------------------------------------------------

void GalleryScreen::BuildGallery() {
  std::vector<QImage> screenshots;
  ownLibrary_ = TemplateLibrary::ScanWithScreenshots(folders_, screenshots);
  BuildGallery(ownLibrary_, std::move(screenshots));
}

void GalleryScreen::BuildGallery(const TemplateLibrary& library, std::vector<QImage> screenshots) {
  ClearThumbnails();
  library_ = &library;
  int column = 0;
  int row = 0;
  for (size_t k = 0; k < screenshots.size() && k < library.Numbers().size(); ++k) {
    AddThumbnail(library.Numbers()[k], std::move(screenshots[k]), column, row);
    if (++column == kColumns) {
      column = 0;
      ++row;
    }
  }
  content_->setMinimumHeight(contentHeight_);
  RaiseMarkers();
  LayoutGallery();
}

void GalleryScreen::ClearThumbnails() {
  HideHoverMarkers();
  qDeleteAll(thumbnailWidgets_);
  thumbnailWidgets_.clear();
  origins_.clear();
  contentHeight_ = 0;
  hovered_ = -1;
  pressedOn_ = nullptr;
}

void GalleryScreen::AddThumbnail(int number, QImage screenshot, int column, int row) {
  const int k = static_cast<int>(origins_.size());
  const int w = screenshot.width();
  const int h = screenshot.height();
  const QPoint origin((w + kPitchGap) * column + kCellMargin, (h + kPitchGap) * row + kCellMargin);

  auto* frame = new ThumbnailFrame(content_);
  frame->setObjectName(QStringLiteral("_%1_2").arg(k));
  frame->setProperty(kNumberProperty, number);
  frame->setGeometry(origin.x() - 1, origin.y() - 1, w - 3, h - 3);
  frame->show();
  thumbnailWidgets_.push_back(frame);

  QImage reflection = ReflectionOf(screenshot);
  AddPicture(QStringLiteral("_%1").arg(k), k, std::move(screenshot),
             QRect(origin, QSize(w - 5, h - 5)));
  AddPicture(QStringLiteral("_r%1").arg(k), k, std::move(reflection),
             QRect(origin.x(), origin.y() + h - 4, w - 5, kReflectionHeight));
  AddName(k, TemplateName(folders_.TemplateFolder(number), number),
          QRect(origin.x(), origin.y() + h - 4 + kReflectionHeight - kNameHeight + 6, w - 5,
                kNameHeight));
  origins_.push_back(origin);
  contentHeight_ = std::max(contentHeight_, origin.y() + h - 4 + kReflectionHeight + kCellMargin);
}

// The picture takes the image over, so the pixels are not copied again.
QWidget* GalleryScreen::AddPicture(const QString& name, int k, QImage image,
                                   const QRect& place) {
  auto* picture = new GalleryPicture(QPixmap::fromImage(std::move(image)), content_);
  picture->setObjectName(name);
  picture->setProperty(kIndexProperty, k);
  picture->setCursor(Qt::PointingHandCursor);
  picture->setGeometry(place);
  picture->installEventFilter(this);
  picture->show();
  thumbnailWidgets_.push_back(picture);
  return picture;
}

// The template's name under its picture, on the palest rows of the
// reflection. Pointing at it or clicking it is pointing at the thumbnail.
void GalleryScreen::AddName(int k, const QString& title, const QRect& place) {
  auto* name = new QLabel(content_);
  name->setObjectName(QStringLiteral("_n%1").arg(k));
  name->setProperty(kIndexProperty, k);
  name->setAlignment(Qt::AlignCenter);
  QPalette colours = name->palette();
  colours.setColor(QPalette::WindowText, kTitleColour);
  name->setPalette(colours);
  QFont font = name->font();
  font.setPixelSize(13);
  font.setBold(true);
  name->setFont(font);
  name->setText(QFontMetrics(font).elidedText(title, Qt::ElideRight, place.width() - 8));
  name->setToolTip(title);
  name->setAccessibleName(title);
  name->setCursor(Qt::PointingHandCursor);
  name->setGeometry(place);
  name->installEventFilter(this);
  name->show();
  thumbnailWidgets_.push_back(name);
}

// ---- Positions ------------------------------------------------------------

QPoint GalleryScreen::ThumbnailOrigin(int k) const {
  if (k < 0 || k > GalleryLastIndex()) return {};
  return origins_[static_cast<size_t>(k)];
}

std::optional<int> GalleryScreen::templateNumberAt(int k) const {
  if (library_ == nullptr || k < 0 || k > GalleryLastIndex()) return std::nullopt;
  return library_->NumberAt(k);
}

// The checks live in the scrolled content, so a position there is the
// window position "origin - scroll offset" at every scroll offset.
QPoint GalleryScreen::CheckPosition(int k) const {
  const QPoint origin = ThumbnailOrigin(k);
  return {origin.x() + kCheckRight, origin.y() - kCheckAbove};
}

void GalleryScreen::setSelectedIndex(int k) {
  selected_ = k;
  PlaceSelectionCheck();
}

void GalleryScreen::PlaceSelectionCheck() {
  if (selected_ < 0 || selected_ > GalleryLastIndex()) {
    selectionCheck_->hide();
    return;
  }
  selectionCheck_->move(CheckPosition(selected_));
  selectionCheck_->show();
}

void GalleryScreen::RaiseMarkers() {
  // The choice shows above the hover marks, also on the hovered thumbnail.
  hoverFrame_->raise();
  hoverCheck_->raise();
  selectionCheck_->raise();
  previewButton_->raise();
}

void GalleryScreen::LayoutGallery() {
  title_->move(kScrollBoxAt.x(), std::max(0, (kScrollBoxAt.y() - title_->height()) / 2));
  scroll_->setGeometry(kScrollBoxAt.x(), kScrollBoxAt.y(), std::max(0, width() - 16),
                       std::max(0, height() - kScrollBoxAt.y()));
  PlaceSelectionCheck();
  RaiseMarkers();
  const int buttonRight = scroll_->x() + scroll_->width();
  for (SkinnedButton* button : {next_, save_}) {
    button->move(buttonRight - button->width(), (kScrollBoxAt.y() - button->height()) / 2);
  }
  backToSite_->move(next_->x() - backToSite_->width() - 24,
                    next_->y() + (next_->height() - backToSite_->height()) / 2);
  if (PreviewShown()) preview_->LayoutPreviewPanel();
}

void GalleryScreen::resizeEvent(QResizeEvent*) { LayoutGallery(); }

// ---- Mouse ----------------------------------------------------------------

// The thumbnail a watched widget stands for: its own for a screenshot or a
// reflection, the hovered one for the hover check and the Preview button.
int GalleryScreen::HoverIndexOf(const QObject* watched) const {
  if (watched == hoverCheck_ || watched == previewButton_) return hovered_;
  const QVariant index = watched->property(kIndexProperty);
  return index.isValid() ? index.toInt() : -1;
}

bool GalleryScreen::eventFilter(QObject* watched, QEvent* event) {
  const int k = HoverIndexOf(watched);
  switch (event->type()) {
    case QEvent::Enter:
      if (k >= 0) ThumbnailEntered(k);
      break;
    case QEvent::Leave:
      ThumbnailLeft();
      break;
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressedOn_ = watched;
      break;
    case QEvent::MouseButtonRelease: {
      const auto* release = static_cast<QMouseEvent*>(event);
      const auto* widget = static_cast<QWidget*>(watched);
      const bool click = watched == pressedOn_ && release->button() == Qt::LeftButton &&
                         widget->rect().contains(release->position().toPoint());
      pressedOn_ = nullptr;
      // The Preview button's click is its own command.
      if (click && watched != previewButton_ && k >= 0) ThumbnailClicked(k);
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void GalleryScreen::ThumbnailEntered(int k) {
  hideMarkers_.stop();
  const QPoint check = CheckPosition(k);
  hoverCheck_->move(check);
  previewButton_->move(check.x() - 10, check.y() + hoverCheck_->height() + 10);
  const QWidget* screenshot =
      content_->findChild<QWidget*>(QStringLiteral("_%1").arg(k), Qt::FindDirectChildrenOnly);
  if (screenshot != nullptr) {
    hoverFrame_->setGeometry(screenshot->geometry().adjusted(
        -kHoverFrameMargin, -kHoverFrameMargin, kHoverFrameMargin, kHoverFrameMargin));
    hoverFrame_->show();
  }
  hoverCheck_->show();
  previewButton_->show();
  hovered_ = k;
}

void GalleryScreen::ThumbnailLeft() { hideMarkers_.start(); }

void GalleryScreen::HideHoverMarkers() {
  hideMarkers_.stop();
  hoverFrame_->hide();
  hoverCheck_->hide();
  previewButton_->hide();
}

void GalleryScreen::ThumbnailClicked(int k) {
  setSelectedIndex(k);
  setFocus(Qt::MouseFocusReason);
  emit selectionChanged(k);
}

// ---- Preview --------------------------------------------------------------

void GalleryScreen::setPreviewPanel(PreviewPanel* panel) {
  if (preview_ != nullptr) disconnect(preview_, nullptr, this, nullptr);
  preview_ = panel;
  if (panel == nullptr) return;
  connect(panel, &PreviewPanel::backClicked, this, [this] {
    if (preview_ != nullptr && preview_->parentWidget() == this) setFocus(Qt::OtherFocusReason);
  });
}

bool GalleryScreen::PreviewShown() const {
  return preview_ != nullptr && preview_->parentWidget() == this && preview_->isVisible();
}

void GalleryScreen::ShowPreview() {
  const std::optional<int> number = templateNumberAt(hovered_);
  if (!number) return;
  if (preview_ == nullptr) setPreviewPanel(new PreviewPanel(pictures_, this));
  if (preview_->parentWidget() != this) preview_->setParent(this);
  preview_->LayoutPreviewPanel();
  preview_->show();
  preview_->raise();
  preview_->setBackText(QStringLiteral("Back to Templates"));
  HideHoverMarkers();
  preview_->showUrl(QUrl::fromLocalFile(folders_.TemplateFolder(*number) +
                                        QStringLiteral("template_preview.html")));
  preview_->view()->setFocus(Qt::OtherFocusReason);
  emit previewRequested(*number);
}

// ---- Keyboard -------------------------------------------------------------

void GalleryScreen::keyPressEvent(QKeyEvent* event) {
  if (PreviewShown()) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left: MoveSelection(-1); break;
    case Qt::Key_Right: MoveSelection(1); break;
    case Qt::Key_Up: MoveSelection(-kColumns); break;
    case Qt::Key_Down: MoveSelection(kColumns); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: GoOn(); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void GalleryScreen::MoveSelection(int step) {
  const bool selectionShown = selected_ >= 0 && selected_ <= GalleryLastIndex();
  const int target = selectionShown ? selected_ + step : 0;
  if (target < 0 || target > GalleryLastIndex()) return;
  setSelectedIndex(target);
  // Bring the whole thumbnail into view: from its check down to its reflection's foot.
  const QRect reflection =
      content_->findChild<QWidget*>(QStringLiteral("_r%1").arg(target))->geometry();
  const int top = CheckPosition(target).y();
  const int bottom = reflection.bottom();
  scroll_->ensureVisible(reflection.x(), (top + bottom) / 2, 0, (bottom - top) / 2 + 4);
  emit selectionChanged(target);
}

void GalleryScreen::GoOn() {
  if (mode_ == GalleryMode::NewSite) {
    emit nextClicked();
  } else {
    emit saveClicked();
  }
}

}  // namespace moxa
