#pragma once

#include "app/shell/MainWindow.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace moxa::test {

// A main window on the shipped data folder with a fresh store and working
// folder, and a four-page site made from template 1 through the gallery.
// Message boxes are answered by the test, which keeps what they said.
class PageManagerFixture : public ::testing::Test {
 protected:
  void SetUp() override;

  // Makes the site and leaves the editor showing its home page.
  void CreateSite();
  // The Page Manager tab, which builds the rows.
  void ShowPageManager();

  // Row control by name ("_pm_0", "_tick_a2_2", ...), or null.
  QWidget* Control(const QString& name) const;
  QStringList FileNames() const;
  QStringList StoredFileNames() const;
  QByteArray WorkFile(const QString& name) const;
  // The links of the main menu of a page file, in order.
  QStringList MenuLinks(const QString& fileName) const;
  // The page files of the working folder with their contents.
  QMap<QString, QByteArray> WorkFolderContents() const;
  // The settings store's file as it is on disk.
  QByteArray StoreFile() const;

  QTemporaryDir temp;
  std::unique_ptr<MainWindow> window;
  QStringList informations;
  QStringList errors;
};

}  // namespace moxa::test
