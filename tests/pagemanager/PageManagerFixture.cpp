#include "PageManagerFixture.h"

#include "platform/SettingsStore.h"
#include "site/SiteStore.h"

#include <QDir>
#include <QSettings>

namespace moxa::test {

void PageManagerFixture::CreateSite() {
  WindowFixture::CreateSite();
  if (HasFatalFailure()) return;
  ASSERT_EQ(FileNames(), (QStringList{"index", "about-us", "picture-gallery", "contact-us"}));
}

void PageManagerFixture::ShowPageManager() {
  window->SelectTabAndScreen(4);
  ASSERT_EQ(window->currentScreen(), Screen::PageManager);
}

QWidget* PageManagerFixture::Control(const QString& name) const {
  return window->findChild<QWidget*>(name);
}

QStringList PageManagerFixture::FileNames() const {
  QStringList names;
  for (const TSitePage& page : window->site().SitePages()) names << page.FileName;
  return names;
}

QStringList PageManagerFixture::StoredFileNames() const {
  Site stored;
  LoadSite(SettingsStore(), stored);
  QStringList names;
  for (const TSitePage& page : stored.SitePages()) names << page.FileName;
  return names;
}

QStringList PageManagerFixture::MenuLinks(const QString& fileName) const {
  const QByteArray page = WorkFile(fileName + QStringLiteral(".html"));
  const qsizetype begin = page.indexOf("id=\"sys_navigation\"");
  const qsizetype end = page.indexOf("</ul>", begin);
  QStringList links;
  if (begin < 0 || end < 0) return links;
  const QByteArray menu = page.mid(begin, end - begin);
  for (qsizetype at = menu.indexOf("href=\""); at >= 0; at = menu.indexOf("href=\"", at)) {
    at += 6;
    links << QString::fromUtf8(menu.mid(at, menu.indexOf('"', at) - at));
  }
  return links;
}

QMap<QString, QByteArray> PageManagerFixture::WorkFolderContents() const {
  QMap<QString, QByteArray> contents;
  const QDir folder(window->folders().WorkFolder());
  for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
    contents.insert(name, ReadBytes(folder.filePath(name)));
  }
  return contents;
}

QByteArray PageManagerFixture::StoreFile() const {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromLatin1(SettingsStore::kKeyName));
  return ReadBytes(settings.fileName());
}

}  // namespace moxa::test
