#include "site/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace moxa {

QString WithTrailingSlash(const QString& path) {
  return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString Folders::TemplateFolder(int number) const {
  return TemplatesFolder() + QString::number(number) + QLatin1Char('/');
}

QString Folders::PageFile(const QString& fileName) const {
  return WorkFolder() + fileName + QStringLiteral(".html");
}

QString Folders::PreviewPageFile(const QString& fileName) const {
  return PreviewFolder() + fileName + QStringLiteral(".html");
}

Folders Folders::ForApplication() {
  return At(QCoreApplication::applicationDirPath(), GetTempFolder());
}

Folders Folders::At(const QString& programFolder, const QString& tempFolder) {
  Folders folders;
  folders.ProgramFolder = WithTrailingSlash(programFolder);
  folders.TempFolder = WithTrailingSlash(tempFolder);
  return folders;
}

Folders Folders::WithDataAndWork(const QString& dataFolder, const QString& workFolder) {
  Folders folders;
  folders.DataFolderOverride = WithTrailingSlash(dataFolder);
  folders.WorkFolderOverride = WithTrailingSlash(workFolder);
  return folders;
}

QString GetTempFolder() {
  const QString location = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  QDir().mkpath(location);
  return WithTrailingSlash(location);
}

}  // namespace moxa
