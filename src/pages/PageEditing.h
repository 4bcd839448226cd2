#pragma once

#include "site/Folders.h"
#include "site/Site.h"

#include <QString>
#include <QStringList>

namespace moxa {

// Makes `fileName` the open page: its file is copied into the working copy
// with every link disabled. False (and nothing changed) when the page file
// cannot be read or the working copy cannot be written, so the editor never
// shows one page under another page's name.
[[nodiscard]] bool OpenPageInEditor(Site& site, const Folders& folders, const QString& fileName);

// Writes the working copy, links enabled again, to the open page's file.
// False when there is no working copy or the file cannot be written; the
// page file is then left as it was.
[[nodiscard]] bool SavePage(const Site& site, const Folders& folders);

class SettingsStore;

// The editor's Save: the open page is marked changed in the stored page
// table first, then its file written, so a saved edit is always published,
// also after a restart. Nothing is marked when the page file already holds
// exactly what the working copy would write. False when either step failed;
// a failed mark leaves the page file untouched.
[[nodiscard]] bool SaveOpenPage(Site& site, const Folders& folders, SettingsStore& store);

// The working copy with its links enabled again: the open page as the user
// sees it, unsaved edits included. Empty when there is no working copy.
QByteArray ReadWorkingCopyCleaned(const Folders& folders);

// Refreshes the preview folder from the page files, the pictures and the
// working copy (so the open page is previewed with its unsaved edits).
// Returns the preview file of the open page, or "" on failure.
[[nodiscard]] QString RefreshPreview(const Site& site, const Folders& folders);

struct ExportResult {
  bool Ok = true;
  QStringList FailedFiles;  // files that could not be written into the folder
};

// Copies the saved pages, the template assets and the site's pictures into
// `folder`, replacing files of the same names. Refused (nothing written)
// when `folder` is no folder or lies inside the working folder.
[[nodiscard]] ExportResult ExportSite(const Site& site, const Folders& folders,
                                      const QString& folder, const PageProgress& progress = {});

// W + "moxa_img1.jpg", "moxa_img2.jpg", ... up to the first that is missing.
QStringList EditorPictureNames(const Folders& folders);

}  // namespace moxa
