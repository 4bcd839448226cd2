#pragma once

#include "app/shell/MainWindow.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace moxa::test {

// A main window on the shipped data folder with a fresh store and working
// folder. Message boxes are answered by the test, which keeps what they
// said; the folder dialog answers `chosenFolder` (empty: cancelled).
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  // A new window on the same folders, answered by this fixture.
  virtual void OpenWindow();
  // The program closed and started again: a new window loads the stored site.
  void RestartWindow();

  // Types `name` into the start screen's name field and presses Enter.
  void StartNewSite(const QString& name);
  // Makes "Joe's Bakery" from template 1 through the gallery and leaves the
  // editor showing its home page.
  void CreateSite();
  // The bytes of a file of the working folder.
  QByteArray WorkFile(const QString& name) const;

  QTemporaryDir temp;
  std::unique_ptr<MainWindow> window;
  QStringList informations;
  QStringList errors;
  QString chosenFolder;
  // What the login's password prompt answers ("" is a cancel).
  QString password;
  // Addresses the window asked the browser to open.
  QStringList openedUrls;
  // OK/Cancel questions asked, and the answer they get.
  QStringList questions;
  bool confirmAnswer = true;
  // What the Save / Don't Save / Cancel question asked at the end of the
  // desktop session answers.
  SaveAnswer saveAnswer = SaveAnswer::Cancel;
};

}  // namespace moxa::test
