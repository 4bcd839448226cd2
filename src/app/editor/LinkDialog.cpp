#include "app/editor/LinkDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

namespace moxa {
namespace {
constexpr QPoint kPanelAt(15, 15);
constexpr QSize kPanelSize(381, 296);
constexpr int kFieldWidth = 291;
constexpr int kBoxWidth = 292;
constexpr int kUnlinkBeforeCancel = 50;
}  // namespace

LayerDialog::Placement LinkDialogPlacement() {
  LayerDialog::Placement placement{QStringLiteral("dialog_link.png"), QSize(404, 380),
                                   QPoint(330, 333), QPoint(280, 345), QPoint()};
  placement.hasCloseButton = false;
  return placement;
}

LinkDialog::LinkDialog(const Pictures& pictures, QWidget* parent)
    : LayerDialog(pictures, LinkDialogPlacement(), parent) {
  setObjectName(QStringLiteral("linkDialog"));
  okButton()->setObjectName(QStringLiteral("linkOkButton"));
  content()->hide();
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("linkPanel"));
  panel->setGeometry(QRect(kPanelAt, kPanelSize));

  auto* title = new QLabel(QStringLiteral("Choose A Link"), panel);
  title->setObjectName(QStringLiteral("linkTitle"));
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSize(titleFont.pointSize() + 3);
  title->setFont(titleFont);
  title->move(18, 5);
  title->adjustSize();

  pageRadio_ = AddRadio(panel, QStringLiteral("Page in this site"), "pageRadio", {33, 56});
  pageBox_ = new QComboBox(panel);
  pageBox_->setObjectName(QStringLiteral("pageBox"));
  pageBox_->setEditable(false);
  pageBox_->setGeometry(52, 82, kBoxWidth, pageBox_->sizeHint().height());
  pageBox_->installEventFilter(this);
  externalRadio_ = AddRadio(panel, QStringLiteral("External link"), "externalRadio", {33, 126});
  addressField_ = AddField(panel, "addressField", {53, 152});
  emailRadio_ = AddRadio(panel, QStringLiteral("Email address"), "emailRadio", {32, 195});
  emailField_ = AddField(panel, "emailField", {53, 222});
  newWindowBox_ = new QCheckBox(QStringLiteral("Open in new window"), panel);
  newWindowBox_->setObjectName(QStringLiteral("newWindowBox"));
  newWindowBox_->move(32, 272);
  newWindowBox_->adjustSize();
  newWindowBox_->installEventFilter(this);

  auto* group = new QButtonGroup(this);
  for (QRadioButton* radio : {pageRadio_, externalRadio_, emailRadio_}) {
    group->addButton(radio);
    connect(radio, &QRadioButton::toggled, this, [this, radio](bool on) {
      if (on && isVisible()) FocusFieldOf(radio);
    });
  }

  unlink_ = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">Unlink</a>"), this);
  unlink_->setObjectName(QStringLiteral("unlinkLink"));
  unlink_->setCursor(Qt::PointingHandCursor);
  unlink_->adjustSize();
  unlink_->move(LinkDialogPlacement().cancel - QPoint(kUnlinkBeforeCancel, 0));
  connect(unlink_, &QLabel::linkActivated, this, &LinkDialog::unlinkRequested);

  showMessage = [](QWidget* parent, const QString& message) {
    QMessageBox::information(parent, QString(), message, QMessageBox::Ok);
  };
}

QRadioButton* LinkDialog::AddRadio(QWidget* panel, const QString& text, const char* name,
                                   QPoint at) {
  auto* radio = new QRadioButton(text, panel);
  radio->setObjectName(QLatin1String(name));
  radio->move(at);
  radio->adjustSize();
  radio->installEventFilter(this);
  return radio;
}

QLineEdit* LinkDialog::AddField(QWidget* panel, const char* name, QPoint at) {
  auto* field = new QLineEdit(panel);
  field->setObjectName(QLatin1String(name));
  field->setGeometry(at.x(), at.y(), kFieldWidth, field->sizeHint().height());
  field->installEventFilter(this);
  return field;
}

void LinkDialog::FocusFieldOf(QRadioButton* radio) {
  if (radio == pageRadio_) pageBox_->setFocus();
  if (radio == externalRadio_) addressField_->setFocus();
  if (radio == emailRadio_) emailField_->setFocus();
}

void LinkDialog::setPages(const QStringList& pages) {
  pageBox_->clear();
  pageBox_->addItem(editor::kChooseAPage);
  pageBox_->addItems(pages);
}

void LinkDialog::setState(const editor::LinkDialogState& state) {
  QRadioButton* radio = state.Kind == rt::elkExternal ? externalRadio_
                        : state.Kind == rt::elkEmail  ? emailRadio_
                                                      : pageRadio_;
  radio->setChecked(true);
  const int page = state.Page.isEmpty()
                       ? 0
                       : pageBox_->findText(state.Page, Qt::MatchExactly | Qt::MatchCaseSensitive);
  pageBox_->setCurrentIndex(page);
  addressField_->setText(state.Address);
  emailField_->setText(state.Email);
  newWindowBox_->setChecked(state.NewWindow);
}

editor::LinkDialogState LinkDialog::state() const {
  editor::LinkDialogState state;
  state.Kind = externalRadio_->isChecked() ? rt::elkExternal
               : emailRadio_->isChecked()  ? rt::elkEmail
                                           : rt::elkPage;
  if (pageBox_->currentIndex() > 0) state.Page = pageBox_->currentText();
  state.Address = addressField_->text();
  state.Email = emailField_->text();
  state.NewWindow = newWindowBox_->isChecked();
  return state;
}

void LinkDialog::setUnlinkVisible(bool visible) { unlink_->setVisible(visible); }

bool LinkDialog::validate() {
  const std::optional<editor::LinkInputError> error = editor::ValidateLinkInput(state());
  if (!error) return true;
  inform(error->Message);
  switch (error->Field) {
    case editor::LinkField::Page: pageBox_->setFocus(); break;
    case editor::LinkField::Address: addressField_->setFocus(); break;
    case editor::LinkField::Email: emailField_->setFocus(); break;
  }
  return false;
}

void LinkDialog::inform(const QString& message) {
  if (showMessage) showMessage(window(), message);
}

void LinkDialog::showEvent(QShowEvent* event) {
  LayerDialog::showEvent(event);
  raise();
}

bool LinkDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == pageBox_) pageRadio_->setChecked(true);
    if (watched == addressField_) externalRadio_->setChecked(true);
    if (watched == emailField_) emailRadio_->setChecked(true);
  }
  if (event->type() == QEvent::KeyPress) {
    // The dialog's own keys, wherever the focus is inside it (an open page
    // list keeps its keys: it is a popup, not watched here).
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      emit cancelled();
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit accepted();
      return true;
    }
  }
  return LayerDialog::eventFilter(watched, event);
}

}  // namespace moxa
