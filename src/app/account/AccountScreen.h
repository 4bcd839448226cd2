#pragma once

#include "site/Plan.h"

#include "app/shell/Pictures.h"
#include "site/Account.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QWidget>

#include <vector>

namespace moxa {

class SkinnedButton;

// "My Account": the account's names, e-mail and password (with its
// confirmation and a strength meter), and by plan either the free site's
// address with its switch or the FTP settings of the own domain. The screen
// only shows and collects; saving is the account controller's.
class AccountScreen : public QWidget {
  Q_OBJECT

 public:
  AccountScreen(const Pictures& pictures, QWidget* parent = nullptr);

  // Opening the screen: every field from the account, the rows of its plan.
  void Open(const TAccount& account, const QString& serviceDomain);
  // "Reset": the fields again, the rows as they are.
  void Fill(const TAccount& account);
  // The account with every field of the screen taken into it, shown or not.
  TAccount Taken(TAccount account) const;

  // An empty password field that stands for a password the keychain did not
  // give says so, rather than passing for no password; `message` is the
  // whole sentence.
  void ShowPasswordUnread(bool unread, const QString& message);
  // Passwords that came late go into their fields where nothing was typed.
  void TakeArrivedPasswords(const TAccount& account);

  bool ConfirmMatches() const { return password_->text() == confirm_->text(); }
  // The Confirm label turns red and the field is selected.
  void ShowConfirmMismatch();
  void SetSiteName(const QString& unixName) { siteUrl_->setText(unixName); }
  void SetLive(bool live) { enable_->setChecked(live); }

  QLineEdit* firstName() const { return firstName_; }
  QLineEdit* lastName() const { return lastName_; }
  QLineEdit* email() const { return email_; }
  QLineEdit* password() const { return password_; }
  QLineEdit* confirm() const { return confirm_; }
  QLabel* confirmLabel() const { return confirmLabel_; }
  QLabel* strength() const { return strength_; }
  QLineEdit* siteUrl() const { return siteUrl_; }
  QCheckBox* enableBox() const { return enable_; }
  QLineEdit* ftpHost() const { return ftpHost_; }
  QSpinBox* ftpPort() const { return ftpPort_; }
  SkinnedButton* saveButton() const { return save_; }
  QLabel* resetLink() const { return reset_; }
  // Whether the row of `field` shows for the plan opened.
  bool RowShown(const QWidget* field) const;

 signals:
  void saveRequested();
  void resetRequested();
  void publishRequested();

 private:
  struct Row {
    QLabel* label;
    QWidget* field;
    QWidget* help;
  };
  Row& AddRow(const QString& label, QWidget* field, QWidget* help);
  QLineEdit* AddTextRow(const QString& label, const QString& objectName, const QString& help);
  void ShowRows(const Plan& plan);
  void UpdateStrength();

  QScrollArea* scroll_;
  QWidget* body_;
  std::vector<Row> rows_;
  QLineEdit* firstName_;
  QLineEdit* lastName_;
  QLineEdit* email_;
  QLineEdit* password_;
  QLineEdit* confirm_;
  QLabel* confirmLabel_;
  QLabel* strength_;
  QLineEdit* siteUrl_;
  QLabel* domain_;
  QCheckBox* enable_;
  QLineEdit* ftpHost_;
  QLineEdit* ftpUser_;
  QLineEdit* ftpPassword_;
  QSpinBox* ftpPort_;
  QLineEdit* ftpPath_;
  QFrame* separator_;
  SkinnedButton* save_;
  QLabel* reset_;
};

}  // namespace moxa
