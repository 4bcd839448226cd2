#pragma once

#include "app/dialogs/LayerDialog.h"
#include "pages/FileNameRules.h"
#include "pages/PageHead.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace moxa {

// The add, save-as and rename dialogs: a File Name (with ".html" after it)
// and a Label. The three differ only by their frame picture.
class PageNameDialog : public LayerDialog {
  Q_OBJECT

 public:
  PageNameDialog(const Pictures& pictures, const Placement& placement, QWidget* parent = nullptr);

  // The fields as the dialog opens; the home page keeps its file name.
  void Fill(const QString& fileName, const QString& label, bool fileNameEnabled);
  // The focus goes to File Name, or to Label when File Name is disabled.
  void FocusFirstField();
  // Shows the cleaning as it happens: each step of the file name, then the
  // cleaned file name and label.
  void ShowCleaned(const CleanedNames& names);

  QString fileName() const { return fileName_->text(); }
  QString label() const { return label_->text(); }
  QLineEdit* fileNameField() const { return fileName_; }
  QLineEdit* labelField() const { return label_; }
  // Every text the file name field showed since it was filled.
  const QStringList& shownFileNames() const { return shown_; }

 private:
  QLineEdit* fileName_;
  QLineEdit* label_;
  QStringList shown_;
};

// Window Title, Description and Keywords of the open page.
class PagePropertiesDialog : public LayerDialog {
  Q_OBJECT

 public:
  PagePropertiesDialog(const Pictures& pictures, QWidget* parent = nullptr);

  void Fill(const PageProperties& properties);
  PageProperties properties() const;
  void FocusFirstField() { title_->setFocus(Qt::OtherFocusReason); }

  QLineEdit* titleField() const { return title_; }
  QPlainTextEdit* descriptionField() const { return description_; }
  QPlainTextEdit* keywordsField() const { return keywords_; }

 private:
  QLineEdit* title_;
  QPlainTextEdit* description_;
  QPlainTextEdit* keywords_;
};

// "Are you sure you want to delete page '...'?"
class DeletePageDialog : public LayerDialog {
  Q_OBJECT

 public:
  DeletePageDialog(const Pictures& pictures, QWidget* parent = nullptr);

  void setPageName(const QString& fileName);
  QString message() const { return message_->text(); }

 private:
  QLabel* message_;
};

}  // namespace moxa
