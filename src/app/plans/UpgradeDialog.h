#pragma once

#include "app/dialogs/LayerDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMovie>
#include <QRadioButton>

namespace moxa {

// "Ready to upgrade?": the domain step (a new domain, checked against the
// lookup pages, or one the user owns) and the summary step. Only shows and
// collects; the upgrade controller runs the check and the plan change.
class UpgradeDialog : public LayerDialog {
  Q_OBJECT

 public:
  UpgradeDialog(const Pictures& pictures, QWidget* parent = nullptr);

  enum class Step { Domain, Summary };

  // Back to the domain step with nothing entered; "Choose a domain later"
  // only for the Max plan.
  void Reset(bool offerLater);
  void ShowDomainStep();
  // The summary with its line: "" (domain later), the domain available, or
  // the transfer of the user's own domain.
  void ShowSummary(const QString& line);
  Step step() const { return step_; }

  QString EnteredDomain() const;  // the name as typed and the extension
  bool newDomain() const { return newDomain_->isChecked(); }
  void ShowMessage(const QString& text);
  void HideMessage();
  // While a check or the plan change runs: the fields locked, the Next
  // button dimmed and the spinner turning.
  void SetWorking(bool working);
  bool working() const { return working_; }
  void SelectName();

  QLineEdit* nameField() const { return name_; }
  QComboBox* extensions() const { return extension_; }
  QRadioButton* newDomainChoice() const { return newDomain_; }
  QRadioButton* existingDomainChoice() const { return existing_; }
  QLabel* message() const { return message_; }
  QLabel* laterLink() const { return later_; }
  QLabel* summaryLine() const { return summary_; }
  QLabel* spinner() const { return spinner_; }
  QString nextCaption() const { return nextCaption_->text(); }

 signals:
  void laterRequested();  // "Choose a domain later" / "Back"

 private:
  const Pictures& pictures_;
  QWidget* domainStep_;
  QLineEdit* name_;
  QComboBox* extension_;
  QRadioButton* newDomain_;
  QRadioButton* existing_;
  QLabel* message_;
  QLabel* spinner_;
  QMovie* spinning_;
  QLabel* summary_;
  QLabel* later_;
  QLabel* nextCaption_;
  Step step_ = Step::Domain;
  bool offerLater_ = false;
  bool working_ = false;
};

}  // namespace moxa
