#include "app/account/AccountScreen.h"

#include "app/publish/NoticePanel.h"
#include "app/shell/SkinnedButton.h"
#include "online/AccountRequests.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include <limits>

namespace moxa {

namespace {

constexpr int kLabelLeft = 40;
constexpr int kLabelWidth = 110;
constexpr int kFieldLeft = kLabelLeft + kLabelWidth + 14;
constexpr int kFieldWidth = 290;
constexpr int kHelpLeft = kFieldLeft + kFieldWidth + 24;
constexpr int kHelpWidth = 400;
constexpr int kRowHeight = 58;
constexpr int kTop = 56;

const QString kNormalLabel = QStringLiteral("color: #1d3b66; font-weight: bold;");
const QString kRedLabel = QStringLiteral("color: #ff0000; font-weight: bold;");

QLabel* Help(const QString& text, QWidget* parent) {
  auto* help = new QLabel(text, parent);
  help->setWordWrap(true);
  help->setTextFormat(Qt::RichText);
  help->setStyleSheet(QStringLiteral("color: #5b6b80;"));
  help->setFixedWidth(kHelpWidth);
  return help;
}

}  // namespace

AccountScreen::AccountScreen(const Pictures& pictures, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("accountScreen"));
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(false);
  body_ = new QWidget;
  body_->setObjectName(QStringLiteral("accountBody"));
  scroll_->setWidget(body_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);

  auto* heading = new QLabel(QStringLiteral("My Account"), body_);
  heading->setStyleSheet(QStringLiteral("color: #1d3b66; font-size: 20px; font-weight: bold;"));
  heading->move(kLabelLeft, 14);
  heading->adjustSize();

  firstName_ = AddTextRow(QStringLiteral("First Name"), QStringLiteral("firstNameField"),
                          QStringLiteral("Your first name as the webmaster of this site."));
  lastName_ = AddTextRow(QStringLiteral("Last Name"), QStringLiteral("lastNameField"),
                         QStringLiteral("Your last name that will be kept for our records."));
  email_ = AddTextRow(QStringLiteral("Email"), QStringLiteral("emailField"),
                      QStringLiteral("For login purposes only. Your email won't given to a third party."));

  password_ = new QLineEdit(body_);
  password_->setObjectName(QStringLiteral("passwordField"));
  password_->setEchoMode(QLineEdit::Password);
  auto* passwordHelp = new QWidget(body_);
  auto* helpLines = new QVBoxLayout(passwordHelp);
  helpLines->setContentsMargins(0, 0, 0, 0);
  helpLines->setSpacing(1);
  for (const QString& line : {QStringLiteral("Great passwords use upper and lower case characters, numbers"),
                              QStringLiteral("and symbols like !\"&pound;$%^&amp;(.")}) {
    QLabel* help = Help(line, passwordHelp);
    help->setWordWrap(false);
    helpLines->addWidget(help);
  }
  auto* meter = new QWidget(passwordHelp);
  auto* meterLine = new QHBoxLayout(meter);
  meterLine->setContentsMargins(0, 0, 0, 0);
  auto* meterCaption = new QLabel(QStringLiteral("Password Strength:"), meter);
  meterCaption->setStyleSheet(QStringLiteral("color: #5b6b80;"));
  meterLine->addWidget(meterCaption);
  strength_ = new QLabel(meter);
  strength_->setObjectName(QStringLiteral("passwordStrength"));
  meterLine->addWidget(strength_);
  meterLine->addStretch();
  helpLines->addWidget(meter);
  passwordHelp->setFixedWidth(kHelpWidth);
  passwordHelp->setFixedHeight(helpLines->sizeHint().height());
  AddRow(QStringLiteral("Password"), password_, passwordHelp);

  confirm_ = new QLineEdit(body_);
  confirm_->setObjectName(QStringLiteral("confirmField"));
  confirm_->setEchoMode(QLineEdit::Password);
  confirmLabel_ = AddRow(QStringLiteral("Confirm"), confirm_, nullptr).label;

  auto* site = new QWidget(body_);
  auto* siteLine = new QHBoxLayout(site);
  siteLine->setContentsMargins(0, 0, 0, 0);
  siteLine->setSpacing(2);
  siteUrl_ = new QLineEdit(site);
  siteUrl_->setObjectName(QStringLiteral("siteUrlField"));
  siteUrl_->setMinimumWidth(110);
  domain_ = new QLabel(site);
  enable_ = new QCheckBox(QStringLiteral("Enable"), site);
  enable_->setObjectName(QStringLiteral("enableBox"));
  siteLine->addWidget(siteUrl_, 1);
  siteLine->addWidget(domain_);
  siteLine->addSpacing(8);
  siteLine->addWidget(enable_);
  QLabel* siteHelp = Help(QStringLiteral("Your site's live web address. <a href=\"#\" style=\"color:#1f5fbf\">Publish</a> "
                                         "your site for more options."), body_);
  siteHelp->setObjectName(QStringLiteral("siteUrlHelp"));
  connect(siteHelp, &QLabel::linkActivated, this, &AccountScreen::publishRequested);
  AddRow(QStringLiteral("Site Url"), site, siteHelp);

  ftpHost_ = AddTextRow(QStringLiteral("FTP Host"), QStringLiteral("ftpHostField"),
                        QStringLiteral("Also known as the ftp server. For example ftp.mysite.com"));
  ftpUser_ = AddTextRow(QStringLiteral("FTP Username"), QStringLiteral("ftpUsernameField"),
                        QStringLiteral("The username needed to connect to the server."));
  ftpPassword_ = AddTextRow(QStringLiteral("FTP Password"), QStringLiteral("ftpPasswordField"),
                            QStringLiteral("The ftp password used for authentication."));
  ftpPort_ = new QSpinBox(body_);
  ftpPort_->setObjectName(QStringLiteral("ftpPortField"));
  ftpPort_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  AddRow(QStringLiteral("FTP Port"), ftpPort_, Help(QStringLiteral("The port used to connect to the server."), body_));
  ftpPath_ = AddTextRow(QStringLiteral("FTP Path"), QStringLiteral("ftpPathField"),
                        QStringLiteral("The folder on the server to upload your site to."));

  separator_ = new QFrame(body_);
  separator_->setFrameShape(QFrame::HLine);
  separator_->setStyleSheet(QStringLiteral("color: #d5dde8;"));
  save_ = new SkinnedButton(pictures.Skin(10), QStringLiteral("Save"), body_);
  save_->setObjectName(QStringLiteral("accountSaveButton"));
  save_->setToolTip(QStringLiteral("Save your account"));
  reset_ = NoticePanel::MakeLink(QStringLiteral("Reset"), body_);
  reset_->setObjectName(QStringLiteral("accountResetLink"));

  connect(save_, &SkinnedButton::clicked, this, &AccountScreen::saveRequested);
  connect(reset_, &QLabel::linkActivated, this, &AccountScreen::resetRequested);
  connect(password_, &QLineEdit::textChanged, this, &AccountScreen::UpdateStrength);
  for (QLineEdit* field : {firstName_, lastName_, email_, password_, confirm_, siteUrl_, ftpHost_, ftpUser_,
                           ftpPassword_, ftpPath_}) {
    connect(field, &QLineEdit::returnPressed, this, &AccountScreen::saveRequested);
  }
  connect(ftpPort_, &QSpinBox::editingFinished, this, [this] {
    if (ftpPort_->hasFocus()) emit saveRequested();
  });
  ShowRows(Plan::Of(TAccount()));
  UpdateStrength();
}

AccountScreen::Row& AccountScreen::AddRow(const QString& label, QWidget* field, QWidget* help) {
  auto* caption = new QLabel(label, body_);
  caption->setStyleSheet(kNormalLabel);
  caption->setFixedWidth(kLabelWidth);
  caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setParent(body_);
  field->setFixedWidth(kFieldWidth);
  if (help) help->setParent(body_);
  rows_.push_back({caption, field, help});
  return rows_.back();
}

QLineEdit* AccountScreen::AddTextRow(const QString& label, const QString& objectName, const QString& help) {
  auto* field = new QLineEdit(body_);
  field->setObjectName(objectName);
  AddRow(label, field, Help(help, body_));
  return field;
}

bool AccountScreen::RowShown(const QWidget* field) const {
  for (const Row& row : rows_) {
    if (row.field == field) return !row.field->isHidden();
  }
  return false;
}

void AccountScreen::ShowRows(const Plan& plan) {
  int top = kTop;
  int lastBottom = kTop;
  for (const Row& row : rows_) {
    const bool ftp = row.field == ftpHost_ || row.field == ftpUser_ || row.field == ftpPassword_ ||
                     row.field == ftpPort_ || row.field == ftpPath_;
    const bool siteRow = row.field == siteUrl_->parentWidget();
    const bool shown = ftp ? plan.ShowsFtpFields() : siteRow ? plan.ShowsServiceAddressField() : true;
    for (QWidget* piece : {static_cast<QWidget*>(row.label), row.field, row.help}) {
      if (piece) piece->setVisible(shown);
    }
    if (!shown) continue;
    row.label->setGeometry(kLabelLeft, top, kLabelWidth, 26);
    row.field->move(kFieldLeft, top);
    row.field->setFixedHeight(26);
    if (row.help) {
      row.help->adjustSize();
      row.help->move(kHelpLeft, top + 3);
    }
    lastBottom = top + std::max(26, row.help ? row.help->height() + 3 : 26);
    top += std::max(kRowHeight, row.help ? row.help->height() + 16 : kRowHeight);
  }
  separator_->setGeometry(kLabelLeft, lastBottom + 20, kHelpLeft + kHelpWidth - kLabelLeft, 1);
  const int saveTop = separator_->y() + 15;
  save_->move(kHelpLeft + kHelpWidth - save_->sizeHint().width(), saveTop);
  reset_->move(save_->x() - reset_->width() - 16, saveTop + 15);
  body_->resize(kHelpLeft + kHelpWidth + 40, saveTop + save_->sizeHint().height() + 30);
}

void AccountScreen::Open(const TAccount& account, const QString& serviceDomain) {
  confirmLabel_->setStyleSheet(kNormalLabel);
  domain_->setText(u'.' + serviceDomain);
  Fill(account);
  ShowRows(Plan::Of(account));
}

void AccountScreen::Fill(const TAccount& account) {
  firstName_->setText(account.FirstName);
  lastName_->setText(account.LastName);
  email_->setText(account.Email);
  password_->setText(account.Password);
  confirm_->setText(account.Password);
  siteUrl_->setText(account.UnixName);
  enable_->setChecked(account.MoxaSiteStatus);
  ftpHost_->setText(account.FtpHost);
  ftpUser_->setText(account.FtpUsername);
  ftpPassword_->setText(account.FtpPassword);
  ftpPort_->setValue(account.FtpPort);
  ftpPath_->setText(account.FtpPath);
  scroll_->verticalScrollBar()->setValue(0);
}

TAccount AccountScreen::Taken(TAccount account) const {
  account.FirstName = firstName_->text();
  account.LastName = lastName_->text();
  account.Email = email_->text();
  account.Password = password_->text();
  account.UnixName = siteUrl_->text();
  account.MoxaSiteStatus = enable_->isChecked();
  account.FtpHost = ftpHost_->text();
  account.FtpUsername = ftpUser_->text();
  account.FtpPassword = ftpPassword_->text();
  account.FtpPort = ftpPort_->value();
  account.FtpPath = ftpPath_->text();
  return account;
}

void AccountScreen::ShowPasswordUnread(bool unread, const QString& message) {
  const QString note = unread ? QStringLiteral("Could not be read from your keychain") : QString();
  for (QLineEdit* field : {password_, confirm_}) {
    field->setPlaceholderText(note);
    field->setToolTip(unread ? message : QString());
  }
}

void AccountScreen::TakeArrivedPasswords(const TAccount& account) {
  if (password_->text().isEmpty() && confirm_->text().isEmpty()) {
    password_->setText(account.Password);
    confirm_->setText(account.Password);
  }
  if (ftpPassword_->text().isEmpty()) ftpPassword_->setText(account.FtpPassword);
}

void AccountScreen::ShowConfirmMismatch() {
  confirmLabel_->setStyleSheet(kRedLabel);
  confirm_->setFocus(Qt::OtherFocusReason);
  confirm_->selectAll();
}

void AccountScreen::UpdateStrength() {
  const PasswordStrength strength = StrengthOf(password_->text());
  strength_->setText(strength.Text);
  strength_->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(strength.Color.name()));
}

}  // namespace moxa
