#include "app/plans/UpgradeDialog.h"

#include "app/shell/SkinnedButton.h"
#include "hosting/DomainCheck.h"

#include <QHBoxLayout>

namespace moxa {

namespace {

LayerDialog::Placement UpgradePlacement() {
  return {QStringLiteral("dialog_upgrade.png"), QSize(480, 330), QPoint(370, 282), QPoint(310, 292),
          QPoint(445, 10)};
}

QString Link(const QString& text) {
  return QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">%1</a>").arg(text.toHtmlEscaped());
}

}  // namespace

UpgradeDialog::UpgradeDialog(const Pictures& pictures, QWidget* parent)
    : LayerDialog(pictures, UpgradePlacement(), parent), pictures_(pictures) {
  setObjectName(QStringLiteral("upgradeDialog"));
  okButton()->setSkin(pictures.Skin(22));
  okButton()->setObjectName(QStringLiteral("upgradeNext"));
  nextCaption_ = new QLabel(QStringLiteral("Next"), okButton());
  nextCaption_->setAlignment(Qt::AlignCenter);
  nextCaption_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
  nextCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  nextCaption_->setGeometry(QRect(QPoint(0, 0), okButton()->sizeHint()));

  auto* icon = new QLabel(this);
  icon->setPixmap(pictures.Get(QStringLiteral("upgrade_icon.png")));
  icon->adjustSize();
  icon->move(24, 22);
  auto* title = new QLabel(QStringLiteral("Ready to upgrade?"), this);
  title->setStyleSheet(QStringLiteral("color: #1d3b66; font-size: 18px; font-weight: bold;"));
  title->adjustSize();
  title->move(84, 34);

  domainStep_ = new QWidget(this);
  domainStep_->setGeometry(24, 84, 432, 170);
  auto* choose = new QLabel(QStringLiteral("Choose a domain"), domainStep_);
  choose->setStyleSheet(QStringLiteral("color: #1d3b66; font-weight: bold;"));
  choose->move(0, 0);
  auto* www = new QLabel(QStringLiteral("www."), domainStep_);
  www->move(0, 32);
  name_ = new QLineEdit(domainStep_);
  name_->setObjectName(QStringLiteral("domainNameField"));
  name_->setGeometry(38, 27, 200, 26);
  extension_ = new QComboBox(domainStep_);
  extension_->setObjectName(QStringLiteral("domainExtension"));
  extension_->addItems(DomainExtensions());
  extension_->setGeometry(244, 27, 80, 26);
  spinner_ = new QLabel(domainStep_);
  spinner_->setObjectName(QStringLiteral("domainSpinner"));
  spinning_ = new QMovie(pictures.BestPath(QStringLiteral("loading_red.gif")), QByteArray(), this);
  spinner_->setMovie(spinning_);
  spinner_->setGeometry(332, 27, 26, 26);
  spinner_->setScaledContents(true);
  spinner_->hide();
  message_ = new QLabel(domainStep_);
  message_->setObjectName(QStringLiteral("domainMessage"));
  message_->setStyleSheet(QStringLiteral("color: #ff0000;"));
  message_->setGeometry(38, 58, 390, 20);
  message_->hide();
  newDomain_ = new QRadioButton(QStringLiteral("New Domain"), domainStep_);
  newDomain_->setObjectName(QStringLiteral("newDomainChoice"));
  newDomain_->move(38, 88);
  existing_ = new QRadioButton(QStringLiteral("My Existing Domain"), domainStep_);
  existing_->setObjectName(QStringLiteral("existingDomainChoice"));
  existing_->move(160, 88);
  newDomain_->setChecked(true);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("upgradeSummary"));
  summary_->setTextFormat(Qt::RichText);
  summary_->setWordWrap(true);
  summary_->setGeometry(24, 110, 432, 60);
  summary_->hide();

  later_ = new QLabel(this);
  later_->setObjectName(QStringLiteral("upgradeLater"));
  later_->setCursor(Qt::PointingHandCursor);
  connect(later_, &QLabel::linkActivated, this, &UpgradeDialog::laterRequested);
  connect(name_, &QLineEdit::returnPressed, this, &LayerDialog::accepted);
  ShowDomainStep();
}

void UpgradeDialog::Reset(bool offerLater) {
  offerLater_ = offerLater;
  name_->clear();
  extension_->setCurrentIndex(0);
  newDomain_->setChecked(true);
  SetWorking(false);
  HideMessage();
  ShowDomainStep();
  name_->setFocus(Qt::OtherFocusReason);
}

void UpgradeDialog::ShowDomainStep() {
  step_ = Step::Domain;
  domainStep_->show();
  summary_->hide();
  nextCaption_->setText(QStringLiteral("Next"));
  later_->setText(Link(QStringLiteral("Choose a domain later")));
  later_->adjustSize();
  // 15 pixels left of "Cancel".
  const QLabel* cancel = findChild<QLabel*>(QStringLiteral("cancelLink"));
  later_->move(cancel->x() - 15 - later_->width(), cancel->y());
  later_->setVisible(offerLater_);
}

void UpgradeDialog::ShowSummary(const QString& line) {
  step_ = Step::Summary;
  domainStep_->hide();
  summary_->setText(line);
  summary_->show();
  nextCaption_->setText(QStringLiteral("Upgrade"));
  later_->setText(Link(QStringLiteral("Back")));
  later_->adjustSize();
  const QLabel* cancel = findChild<QLabel*>(QStringLiteral("cancelLink"));
  later_->move(cancel->x() - 15 - later_->width(), cancel->y());
  later_->show();
}

QString UpgradeDialog::EnteredDomain() const { return name_->text() + extension_->currentText(); }

void UpgradeDialog::ShowMessage(const QString& text) {
  message_->setText(text);
  message_->show();
}

void UpgradeDialog::HideMessage() { message_->hide(); }

void UpgradeDialog::SetWorking(bool working) {
  working_ = working;
  for (QWidget* control : {static_cast<QWidget*>(name_), static_cast<QWidget*>(extension_),
                           static_cast<QWidget*>(newDomain_), static_cast<QWidget*>(existing_)}) {
    control->setEnabled(!working);
  }
  if (working) {
    okButton()->showPicture(pictures_.Get(QStringLiteral("dbutton.png")));
    spinner_->show();
    spinning_->start();
  } else {
    okButton()->showNormalPicture();
    spinning_->stop();
    spinner_->hide();
  }
}

void UpgradeDialog::SelectName() {
  name_->setFocus(Qt::OtherFocusReason);
  name_->selectAll();
}

}  // namespace moxa
