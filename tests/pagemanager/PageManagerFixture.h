#pragma once

#include "support/gui/WindowFixture.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

namespace moxa::test {

// The shared main window with a four-page site made from template 1
// through the gallery.
class PageManagerFixture : public WindowFixture {
 protected:
  // Makes the site, checks its four pages and leaves the editor showing its
  // home page.
  void CreateSite();
  // The Page Manager tab, which builds the rows.
  void ShowPageManager();

  // Row control by name ("_pm_0", "_tick_a2_2", ...), or null.
  QWidget* Control(const QString& name) const;
  QStringList FileNames() const;
  QStringList StoredFileNames() const;
  // The links of the main menu of a page file, in order.
  QStringList MenuLinks(const QString& fileName) const;
  // The page files of the working folder with their contents.
  QMap<QString, QByteArray> WorkFolderContents() const;
  // The settings store's file as it is on disk.
  QByteArray StoreFile() const;
};

}  // namespace moxa::test
