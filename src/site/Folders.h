#pragma once

#include <QString>

namespace moxa {

// The program's name: it also names its per-user folders, so every tool
// working on the user's site must use it too.
inline constexpr char kApplicationName[] = "Moxa Website Builder";

// Appends "/" unless the path already ends with one.
QString WithTrailingSlash(const QString& path);

// The folders the program works in, each with a trailing "/". Passed by
// value to whatever needs them, so every operation can run against
// temporary folders in a test.
struct Folders {
  QString ProgramFolder;  // P: the folder of the executable
  QString TempFolder;     // T: the per-user folder that holds the working folder

  // Set by developer tools that work on folders of any name, and where the
  // data folder is installed apart from the program.
  QString DataFolderOverride;
  QString WorkFolderOverride;

  // P + "data/": interface pictures and the template library (read only).
  QString DataFolder() const {
    return DataFolderOverride.isEmpty() ? ProgramFolder + QStringLiteral("data/")
                                        : DataFolderOverride;
  }
  QString TemplatesFolder() const { return DataFolder() + QStringLiteral("templates/"); }
  // The folder of template number N (its folder number, not its gallery position).
  QString TemplateFolder(int number) const;
  // W = T + "wbx1988/": the only copy of the user's pages.
  QString WorkFolder() const {
    return WorkFolderOverride.isEmpty() ? TempFolder + QStringLiteral("wbx1988/")
                                        : WorkFolderOverride;
  }
  // V = W + "preview/".
  QString PreviewFolder() const { return WorkFolder() + QStringLiteral("preview/"); }
  // W + file name + ".html".
  QString PageFile(const QString& fileName) const;
  // V + file name + ".html".
  QString PreviewPageFile(const QString& fileName) const;
  // T + "Images/": a copy of every picture the user inserted, kept per user
  // (the program's folder is read-only once installed).
  QString ImagesKeepFolder() const { return TempFolder + QStringLiteral("Images/"); }
  // W + "editpage_.html": the page open in the editor, its links disabled.
  QString WorkingCopyFile() const { return WorkFolder() + QStringLiteral("editpage_.html"); }

  // The same folders with the working folder at `workFolder`.
  Folders WithWorkFolder(const QString& workFolder) const {
    Folders moved = *this;
    moved.WorkFolderOverride = WithTrailingSlash(workFolder);
    return moved;
  }

  // The folders of the running program. Needs the application object.
  static Folders ForApplication();
  // Folders rooted at the given places (a trailing "/" is ensured).
  static Folders At(const QString& programFolder, const QString& tempFolder);
  // A data folder and a working folder given directly (developer tools).
  static Folders WithDataAndWork(const QString& dataFolder, const QString& workFolder);
};

// T: the per-user folder for the working folder. Persistent, unlike the
// system's temporary folder, because the working folder holds the only copy
// of the user's pages.
QString GetTempFolder();

}  // namespace moxa
