#pragma once

#include "richtext/HtmlExporter.h"
#include "richtext/HtmlFileCommit.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace moxa::rt {

// The picture files of one export into one folder: which name each picture
// gets and the JPEG bytes of those that need a file of their own. The
// folder is listed once, when this is made; files that appear afterwards
// are met only when the files are committed.
class THtmlPictureFiles {
 public:
  THtmlPictureFiles(const QString& folder, const QString& prefix);

  // The file name for a picture. A picture that came from an existing file
  // of this folder named prefix + N + ".jpg" keeps that name and needs no
  // file; any other takes the lowest N whose file does not exist and is not
  // yet taken by this export, and is encoded. Nothing when it cannot be.
  std::optional<QString> Add(const TRtHtmlPicture& picture);

  // The pictures that need a file, with their names and JPEG bytes.
  const std::vector<TRtPendingFile>& NewFiles() const { return newFiles_; }

 private:
  bool CameFromHere(const QString& imageFileName);
  bool IsThisFolder(const QString& path);
  bool IsTaken(int number) const;
  QString NameFor(int number) const;

  QString folder_;
  QString canonicalFolder_;
  QString prefix_;
  // The numbers whose name an entry of the folder has; nothing when the
  // folder could not be listed, and each name is then looked up on disk.
  std::optional<QSet<int>> taken_;
  QHash<QString, bool> thisFolder_;  // folder paths of pictures, answered once
  int next_ = 1;                     // no lower number is free
  std::vector<TRtPendingFile> newFiles_;
};

// N for a file name prefix + N + ".jpg" (N decimal, from 1, no leading
// zero); nothing for any other name. `letterCase` says whether prefix and
// suffix must match in case.
std::optional<int> PictureFileNumber(const QString& fileName, const QString& prefix,
                                     Qt::CaseSensitivity letterCase = Qt::CaseSensitive);

// The picture as JPEG bytes: a JPEG as it is, anything else drawn on
// `background` (white when none) and encoded. Nothing when the picture has
// no pixels or cannot be encoded.
std::optional<QByteArray> PictureAsJpeg(const TRtPicture& picture, TRtColor background);

}  // namespace moxa::rt
