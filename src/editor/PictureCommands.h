#pragma once

#include <atomic>

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "richtext/LinkTable.h"
#include "richtext/RtEnums.h"
#include "richtext/RtPicture.h"

namespace moxa::editor {

class RtEditor;

inline const QString kPictureNotAdded = QStringLiteral("The picture could not be added.");
inline const QString kNoMorePictures = QStringLiteral("This region cannot hold more pictures.");
inline const QString kNoMoreLinks = QStringLiteral("This region cannot hold more links.");

// A file name for a picture at a web address: the text after the last "/"
// with query and fragment cut off, percent-decoded when that stays a plain
// name. Never empty, hidden or leading out of the folder: without a usable
// name it is "picture" + a number + the extension of `contentType`.
QString FileNameFromUrl(const QString& url, const QString& contentType = {});

// "http://" in front of an address that names none of https, http or ftp.
QString WithWebScheme(const QString& address);

// `name` when no file of that name is in `folder`, else base + number + ext
// for the first number that is free.
QString FreeFileName(const QString& folder, const QString& name);

// Copies a picture file into the working folder as its name with spaces made
// "_". A different file of that name already there is kept: the copy gets a
// free name; a file with the same bytes is reused. Empty on failure.
QString CopyIntoWorkingFolder(const QString& source, const QString& workFolder);

// Downloads a picture into the working folder under FileNameFromUrl (made
// free as above). Empty on failure or when the reply is no readable
// picture, with nothing left in the folder. A set `cancel` flag ends the
// download within about a second, as a failure; downloads given up and
// begun again may overlap, so each has an incoming file of its own.
QString DownloadIntoWorkingFolder(const QString& url, const QString& workFolder,
                                  const std::atomic<bool>* cancel = nullptr);

// Keeps a copy of an inserted picture in the per-user keep folder (created
// when missing). A different file of the same name gets a free name. The
// kept path, or empty when the copy failed (which does not stop insertion).
QString CopyToImagesFolder(const QString& path, const QString& keepFolder);

// The picture in a file; nothing when the file is not a readable picture.
std::optional<rt::TRtPicture> LoadPicture(const QString& path);

// What the image dialog was given for one inserted picture.
struct TEditorImage {
  std::int32_t Temp = 0;
  std::int32_t Width = 0;
  QString LinkUrl;
  std::int32_t Height = 0;
  QString ImageUrl;  // the file name (computer) or the web address
  std::int32_t SelStart = 0;
  bool NewWindow = false;
  std::int32_t SelLength = 0;
  bool HyperLinked = false;
  std::int32_t RadioButton = 0;  // 0 from the computer, 1 from the web
  QString AlternateText;
  QString Alignment;  // "None", "Left", "Right" or "Center"
};

class EditorImages {
 public:
  static constexpr int kCapacity = 1001;
  bool Full() const { return Count() >= kCapacity; }
  // Appends a record; false when the table is full.
  bool Add(const TEditorImage& image);
  int Count() const { return static_cast<int>(Images.size()); }
  int LastImageIndex() const { return Count() - 1; }

  std::vector<TEditorImage> Images;
};

// How a picture goes into the editor.
struct PictureInsertion {
  rt::TRtPicture Picture;
  QString ImageFileName;  // recorded on the item
  QString AltText;
  QString Alignment;  // as the alignment box: "None", "Left", "Right", "Center"
  bool HyperLinked = false;
  QString LinkUrl;
  bool NewWindow = false;
};

// The picture alignment an alignment box text stands for.
rt::TRtVAlign PictureVAlignOf(const QString& alignment);

// Inserts the picture at the caret as one undo step; a linked picture gets a
// new link table entry. Empty on success, else the message to show.
QString InsertPictureIntoEditor(RtEditor& editor, rt::TEditorLinks& links,
                                const PictureInsertion& insertion);

}  // namespace moxa::editor
