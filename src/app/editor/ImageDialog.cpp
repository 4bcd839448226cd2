#include "app/editor/ImageDialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>

#include "app/shell/SkinnedButton.h"

namespace moxa {
namespace {

constexpr QSize kFrame(404, 480);
constexpr QPoint kContentAt(15, 15);
constexpr QSize kContent(381, 391);

template <class W>
W* Place(W* widget, const char* name, QPoint at, int width = 0) {
  widget->setObjectName(QLatin1String(name));
  widget->move(at);
  if (width > 0) widget->setFixedWidth(width);
  return widget;
}

}  // namespace

LayerDialog::Placement ImageDialogPlacement() {
  LayerDialog::Placement placement{QStringLiteral("dialog_image.png"), kFrame, QPoint(330, 433),
                                   QPoint(280, 445), QPoint()};
  placement.hasCloseButton = false;
  return placement;
}

ImageDialog::ImageDialog(const Pictures& pictures, QWidget* parent)
    : LayerDialog(pictures, ImageDialogPlacement(), parent) {
  setObjectName(QStringLiteral("imageDialog"));
  QWidget* c = content();
  c->setGeometry(QRect(kContentAt, kContent));
  auto* title = Place(new QLabel(QStringLiteral("Choose An Image"), c), "imageTitle", {18, 5});
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() + 4);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->adjustSize();
  computerRadio_ = Place(new QRadioButton(QStringLiteral("Select an image from my computer"), c),
                         "computerRadio", {33, 56});
  fileField_ = Place(new QLineEdit(c), "fileField", {52, 87}, 186);
  browse_ = Place(new SkinnedButton(pictures.Skin(22), QStringLiteral("Browse"), c), "browseButton",
                  {254, 85});
  auto* browseLabel = new QLabel(QStringLiteral("Browse"), browse_);
  browseLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
  browseLabel->setAlignment(Qt::AlignCenter);
  browseLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
  browseLabel->setGeometry(browse_->rect());
  connect(browse_, &SkinnedButton::clicked, this, &ImageDialog::browseClicked);
  webRadio_ = Place(new QRadioButton(QStringLiteral("Select an image from the web"), c), "webRadio",
                    {34, 143});
  webField_ = Place(new QLineEdit(c), "webField", {53, 178}, 292);
  auto* group = new QButtonGroup(this);
  group->addButton(computerRadio_);
  group->addButton(webRadio_);
  Place(new QLabel(QStringLiteral("Alignment"), c), "alignmentLabel", {53, 244});
  alignment_ = Place(new QComboBox(c), "alignmentBox", {159, 241}, 187);
  alignment_->addItems({QStringLiteral("None"), QStringLiteral("Left"), QStringLiteral("Right"),
                        QStringLiteral("Center")});
  Place(new QLabel(QStringLiteral("Alternate text"), c), "altTextLabel", {53, 305});
  altText_ = Place(new QLineEdit(c), "altTextField", {159, 302}, 187);
  link_ =
      Place(new QCheckBox(QStringLiteral("Hyperlink this image"), c), "linkCheckBox", {34, 362});
  for (QWidget* w : c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w != browse_) w->adjustSize();
  }
  fileField_->setFixedWidth(186);
  webField_->setFixedWidth(292);
  // A click into a field chooses its source; releasing a radio button
  // puts the caret into its field.
  fileField_->installEventFilter(this);
  webField_->installEventFilter(this);
  connect(computerRadio_, &QRadioButton::released, fileField_, [this] { fileField_->setFocus(); });
  connect(webRadio_, &QRadioButton::released, webField_, [this] { webField_->setFocus(); });
  Reset();
}

void ImageDialog::Reset() {
  computerRadio_->setChecked(true);
  alignment_->setCurrentIndex(0);
  fileField_->clear();
  webField_->clear();
  altText_->clear();
}

bool ImageDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
    if (watched == fileField_) computerRadio_->setChecked(true);
    if (watched == webField_) webRadio_->setChecked(true);
  }
  return LayerDialog::eventFilter(watched, event);
}

}  // namespace moxa
