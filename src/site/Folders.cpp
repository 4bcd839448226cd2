#include "site/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
  Folders folders = At(QCoreApplication::applicationDirPath(), GetTempFolder());
  // The data folder sits beside the program in the build and in a portable
  // copy; an installed program (PREFIX/bin) finds it under PREFIX/share.
  if (!QFileInfo(folders.DataFolder()).isDir()) {
    const QString installed = QDir::cleanPath(folders.ProgramFolder +
                                              QStringLiteral("../share/moxa-website-builder/data"));
    if (QFileInfo(installed).isDir()) folders.DataFolderOverride = WithTrailingSlash(installed);
  }
  return folders;
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
