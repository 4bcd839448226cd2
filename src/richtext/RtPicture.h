#pragma once

#include <QByteArray>
#include <QImage>

namespace moxa::rt {

// The longest side a picture is decoded at. A larger one (a camera's
// photo) is read scaled down to it: read whole it would pass the image
// readers' memory limit and come out as no picture at all.
inline constexpr int kLargestPictureSide = 4096;

// The picture in `data` (of `format`, or found from the bytes when empty),
// scaled down to kLargestPictureSide when larger; null when it cannot be read.
QImage DecodePicture(const QByteArray& data, const QByteArray& format = {});

// A picture of the document. A picture read from a file keeps the file's
// bytes and format, so that a JPEG can be written out again byte for byte;
// a picture made in memory (the invalid-picture placeholder, a pasted
// picture) has only its Image.
struct TRtPicture {
  QByteArray Data;    // the encoded file, or empty
  QByteArray Format;  // "jpeg", "png", "gif", ... (lower case) when Data is set
  QImage Image;       // the pixels; may stay null while Data holds the picture

  // Keeps the bytes and names their format (empty when no reader knows it).
  static TRtPicture FromEncoded(const QByteArray& data);
  static TRtPicture FromImage(const QImage& image);
  // What stands for a picture that cannot be loaded: a framed red cross.
  static TRtPicture InvalidPicture();

  bool IsEmpty() const { return Data.isEmpty() && Image.isNull(); }
  // The pixels: Image, or Data decoded (null when it cannot be).
  QImage Decoded() const;

  // With encoded bytes the bytes and format decide; Image is then only a
  // decoded copy of them. Without, the pixels decide.
  friend bool operator==(const TRtPicture& a, const TRtPicture& b);
};

}  // namespace moxa::rt
