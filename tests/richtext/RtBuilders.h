#pragma once

// Builds documents in one line for the engine's tests:
//   Items().P().T("Hello").T(" world", 1, 7).P(2).Marker(0, 0).T("item")
// P(n) makes the next item start a paragraph of style n; without it an item
// continues the current paragraph, as the engine's Add operations do.

#include "richtext/RtDescribe.h"
#include "richtext/RtDocument.h"

#include <QBuffer>
#include <QImage>
#include <QString>

namespace moxa::rt::test {

class Items {
 public:
  Items& P(int paraNo = 0) {
    next_ = paraNo;
    return *this;
  }
  Items& T(const char* utf8, int style = 0, std::int32_t tag = 0) {
    data_.AddText(QString::fromUtf8(utf8), style, Take(), tag);
    return *this;
  }
  Items& Pic(const TRtPicture& picture, const char* name = "", std::int32_t tag = 0) {
    data_.AddPicture(QString::fromUtf8(name), picture, Take(), rtvaBaseline, tag);
    return *this;
  }
  Items& Hot(const TRtPicture& picture, std::int32_t tag = 0) {
    data_.AddHotPicture(QString(), picture, Take(), rtvaBaseline, tag);
    return *this;
  }
  Items& Marker(int list, int level, int start = 1) {
    data_.AddListMarker(list, level, start, Take(), true);
    return *this;
  }
  Items& Line(int width = 1) {
    data_.AddBreak(width, rtclNone, Take());
    return *this;
  }
  Items& Check(const char* name) {
    data_.AddCheckpoint(QString::fromUtf8(name), Take());
    return *this;
  }
  Items& Table(const TRtTable& table) {
    data_.AddTable(table, Take());
    return *this;
  }
  // Changes the last item added.
  template <class Change>
  Items& With(Change change) {
    change(data_.Items.back());
    return *this;
  }

  TCustomRtData Data() const { return data_; }
  operator TCustomRtData() const { return data_; }
  TRtDocument Doc() const {
    TRtDocument document;
    document.Data = data_;
    return document;
  }

 private:
  int Take() {
    const int paraNo = next_;
    next_ = -1;
    return paraNo;
  }

  TCustomRtData data_;
  int next_ = -1;
};

// A small picture made in memory, different for each seed.
inline TRtPicture TestImage(int seed, int width = 3, int height = 2) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(qRgba(seed * 40 % 256, 80, 160, 200));
  return TRtPicture::FromImage(image);
}

// A small JPEG picture, kept as its file's bytes.
inline TRtPicture TestJpeg() {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(qRgb(200, 40, 10));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG");
  return TRtPicture::FromEncoded(bytes);
}

}  // namespace moxa::rt::test
