#pragma once

#include "app/shell/Pictures.h"
#include "app/shell/SkinnedButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace moxa {

// The first screen: name a new site, or log in to an existing one.
class StartScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kSize{560, 190};

  explicit StartScreen(const Pictures& pictures, QWidget* parent = nullptr);

  bool newSiteChosen() const { return newSite_->isChecked(); }
  QString typedName() const { return name_->text(); }
  QString message() const { return message_->isVisible() ? message_->text() : QString(); }
  void ShowMessage(const QString& text);
  // Back to its first state: New Site chosen, the field empty and focused.
  void Reset();
  QLineEdit* nameField() const { return name_; }
  SkinnedButton* goButton() const { return go_; }
  QRadioButton* loginChoice() const { return login_; }

 signals:
  // A new site name that passed the checks, as typed.
  void newSiteAccepted(const QString& typed);
  void loginRequested(const QString& email);
  void passwordMailRequested(const QString& email);

 private:
  void Go();
  void ChoiceChanged();

  QLabel* fieldLabel_;
  QLineEdit* name_;
  QRadioButton* newSite_;
  QRadioButton* login_;
  SkinnedButton* go_;
  QLabel* forgot_;
  QLabel* message_;
};

}  // namespace moxa
