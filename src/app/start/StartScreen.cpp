#include "app/start/StartScreen.h"

#include "online/SiteName.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace moxa {

StartScreen::StartScreen(const Pictures& pictures, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("startScreen"));
  resize(kSize);
  setStyleSheet(QStringLiteral(
      "QLabel#fieldLabel { font-size: 15px; font-weight: 600; color: #1f3b4d; }"
      "QLineEdit { font-size: 15px; padding: 6px 8px; border: 1px solid #9fb3c2;"
      " border-radius: 6px; background: white; }"
      "QLineEdit:focus { border-color: #1f7a8c; }"
      "QRadioButton { font-size: 13px; color: #1f3b4d; }"
      "QLabel#startMessage { color: #c62828; font-size: 13px; font-weight: 600; }"));

  fieldLabel_ = new QLabel(QStringLiteral("Site's Name"), this);
  fieldLabel_->setObjectName(QStringLiteral("fieldLabel"));
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("siteNameField"));
  name_->setMaxLength(80);
  fieldLabel_->setBuddy(name_);
  newSite_ = new QRadioButton(QStringLiteral("New Site"), this);
  newSite_->setChecked(true);
  login_ = new QRadioButton(QStringLiteral("Site Login"), this);
  go_ = new SkinnedButton(pictures.Skin(1), QStringLiteral("Start Building"), this);
  go_->setObjectName(QStringLiteral("startBuildingButton"));
  forgot_ = new QLabel(
      QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">I forgot my password. Email it to me.</a>"),
      this);
  forgot_->setObjectName(QStringLiteral("forgotPasswordLink"));
  forgot_->hide();
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("startMessage"));
  message_->hide();

  auto* choices = new QHBoxLayout;
  choices->addWidget(newSite_);
  choices->addWidget(login_);
  choices->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addLayout(choices, 0, 1);
  grid->addWidget(fieldLabel_, 1, 0);
  grid->addWidget(name_, 1, 1);
  grid->addWidget(go_, 1, 2);
  grid->addWidget(forgot_, 2, 1);
  grid->addWidget(message_, 3, 1, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setVerticalSpacing(12);
  grid->setRowStretch(4, 1);  // the rows stay together at the top

  connect(newSite_, &QRadioButton::toggled, this, &StartScreen::ChoiceChanged);
  connect(go_, &SkinnedButton::clicked, this, &StartScreen::Go);
  connect(name_, &QLineEdit::returnPressed, this, &StartScreen::Go);
  connect(forgot_, &QLabel::linkActivated, this, [this] {
    const QString email = name_->text().trimmed();
    if (email.isEmpty()) {
      ShowMessage(QStringLiteral("Please Enter Your Email Address."));
      return;
    }
    emit passwordMailRequested(name_->text());
  });
}

void StartScreen::ShowMessage(const QString& text) {
  message_->setText(text);
  message_->show();
}

void StartScreen::Reset() {
  newSite_->setChecked(true);
  ChoiceChanged();
}

void StartScreen::ChoiceChanged() {
  const bool newSite = newSite_->isChecked();
  fieldLabel_->setText(newSite ? QStringLiteral("Site's Name") : QStringLiteral("Email Address"));
  forgot_->setVisible(!newSite);
  message_->hide();
  name_->clear();
  name_->setFocus();
}

void StartScreen::Go() {
  if (newSite_->isChecked()) {
    const QString problem = CheckNewSiteName(name_->text());
    if (!problem.isEmpty()) {
      ShowMessage(problem);
      return;
    }
    message_->hide();
    emit newSiteAccepted(name_->text());
    return;
  }
  if (name_->text().trimmed().isEmpty()) {
    ShowMessage(QStringLiteral("Please Enter Your Email Address."));
    return;
  }
  message_->hide();
  emit loginRequested(name_->text());
}

}  // namespace moxa
