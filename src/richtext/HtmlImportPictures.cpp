// The HTML reader's pictures: img elements and background pictures.
#include "richtext/HtmlImportRun.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace moxa::rt {

namespace {

// Larger files are no pictures of a web page.
constexpr qint64 kMaxPictureFileSize = qint64{64} << 20;

// Nothing when the attribute is missing; `otherwise` when it is no number.
std::optional<int> NumberAttr(const TRtRawByteStringList& params, const char* name, int otherwise) {
  if (params.IndexOfName(name) < 0) return std::nullopt;
  return NumberIn(Attr(params, name), kMaxMeasure).value_or(otherwise);
}

int Scaled(int value, int numerator, int denominator) {
  const double scaled = std::round(double(value) * numerator / denominator);
  return static_cast<int>(std::clamp(scaled, -1e6, 1e6));
}

// The picture alignment an img's "align" names; baseline otherwise.
TRtVAlign PictureVAlign(QByteArrayView value) {
  const QByteArray align = value.trimmed().toByteArray().toLower();
  if (align == "middle") return rtvaMiddle;
  if (align == "abstop") return rtvaAbsTop;
  if (align == "absbottom") return rtvaAbsBottom;
  if (align == "absmiddle") return rtvaAbsMiddle;
  if (align == "left") return rtvaLeft;
  if (align == "right") return rtvaRight;
  return rtvaBaseline;
}

}  // namespace

void TRtHtmlRun::HandleImageTag() {
  FlushText();
  if (!PicturesWanted()) return;
  AddPendingSpaces();  // a space before a picture stays before it
  HandleImage();
}

void TRtHtmlRun::HandleImage() {
  const TRtRawByteStringList& params = parser_.TagParams;
  const QString src = RawToText(Attr(params, "src").toByteArray(), parser_.Encoding);
  const QString path = owner_.ResolvePath(src.trimmed());
  const std::optional<TImportPicture> loaded =
      LoadPicture(src, path, NumberAttr(params, "width", -1).value_or(-1),
                  NumberAttr(params, "height", -1).value_or(-1));
  static const TRtPicture invalid = TRtPicture::InvalidPicture();
  const TRtPicture& picture = loaded ? loaded->Picture : invalid;
  const QSize size = loaded ? loaded->Size : invalid.Image.size();
  int width = NumberAttr(params, "width", size.width()).value_or(-1);
  int height = NumberAttr(params, "height", size.height()).value_or(-1);
  if (width == -1 && height != -1 && size.height() > 0) {
    width = Scaled(size.width(), height, size.height());
  } else if (height == -1 && width != -1 && size.width() > 0) {
    height = Scaled(size.height(), width, size.width());
  }

  TCustomRtData* target = ItemTarget();
  if (!target) return;
  const QString fileName = owner_.Options & rthtmloBasePathLinks ? path : src.trimmed();
  const QString name = owner_.Options & rthtmloImgSrcToImageName ? fileName : QString();
  // Tags are numbers here, never text, so inside a link the read-hyperlink
  // hook decides; without one the picture stays a plain picture.
  const bool hot = inLink_ && owner_.OnReadHyperlink;
  const std::int32_t tag = hot ? LinkTag() : 0;
  const int paraNo = NextParaNo();
  const TRtVAlign valign = PictureVAlign(Attr(params, "align"));
  TRtItem& item = hot ? target->AddHotPicture(name, picture, paraNo, valign, tag)
                      : target->AddPicture(name, picture, paraNo, valign, tag);
  MarkNewLine(item);
  // A picture is content: a space after it is kept, as after text.
  parser_.LastWasSpace = false;
  if (width > 0) item.SetExtraIntProperty(rteipImageWidth, width);
  if (height > 0) item.SetExtraIntProperty(rteipImageHeight, height);
  item.SetExtraIntProperty(rteipSpacing, 0);
  item.SetExtraStrProperty(rtespAltText,
                           RawToText(Attr(params, "alt").toByteArray(), parser_.Encoding));
  // A picture that could not be loaded keeps its address as written, which
  // the export writes back.
  item.SetExtraStrProperty(rtespImageFileName, loaded ? fileName : src.trimmed());
}

std::optional<TImportPicture> TRtHtmlRun::LoadPicture(const QString& address, const QString& path,
                                                      int width, int height) {
  if (owner_.OnImageRequired2) {
    TRtPicture supplied;
    owner_.OnImageRequired2(address, width, height, supplied);
    if (!supplied.IsEmpty()) {
      const QImage image = supplied.Decoded();
      if (!image.isNull()) return TImportPicture{supplied, image.size()};
    }
  }
  const auto known = pictures_.constFind(path);
  if (known != pictures_.constEnd()) return *known;
  std::optional<TImportPicture> read = ReadPictureFile(path);
  pictures_.insert(path, read);
  return read;
}

// Pictures are read only from inside the base path: an address that leads
// out of it (../../secret.png, /etc/..., a link pointing elsewhere) or a
// URL is not a file of the site.
bool TRtHtmlRun::InsideBasePath(const QString& path) {
  if (!canonicalBase_) {
    canonicalBase_ = owner_.BasePath.isEmpty() || owner_.BasePath.contains(QLatin1String("://"))
                         ? QString()
                         : QFileInfo(owner_.BasePath).canonicalFilePath();
    if (!canonicalBase_->isEmpty() && !canonicalBase_->endsWith(u'/')) *canonicalBase_ += u'/';
  }
  if (canonicalBase_->isEmpty() || path.contains(QLatin1String("://")) || path.contains(QChar())) {
    return false;
  }
  const QFileInfo info(path);
  return info.isFile() && info.canonicalFilePath().startsWith(*canonicalBase_);
}

std::optional<TImportPicture> TRtHtmlRun::ReadPictureFile(const QString& path) {
  if (!InsideBasePath(path)) return std::nullopt;
  QFile file(QFileInfo(path).canonicalFilePath());
  if (file.size() > kMaxPictureFileSize || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  TRtPicture picture;
  picture.Data = file.readAll();
  QBuffer buffer(&picture.Data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  picture.Format = reader.format().toLower();
  // The page's sizes follow the picture's own, also where it is shown scaled down.
  const QSize size = reader.size();
  // Decoded once to be sure the bytes are a picture; the document keeps
  // the bytes, so a JPEG can be written out unchanged.
  const QImage image = DecodePicture(picture.Data, picture.Format);
  if (image.isNull() || picture.Format.isEmpty()) return std::nullopt;
  return TImportPicture{picture, size.isValid() ? size : image.size()};
}

void TRtHtmlRun::ReadBackgroundAttr(TRtPicture& picture, QString& fileName,
                                    TRtBackgroundStyle& style) {
  const TRtRawByteStringList& params = parser_.TagParams;
  if (params.IndexOfName("background") >= 0 && PicturesWanted() &&
      LoadBackground(Attr(params, "background").toByteArray(), picture, fileName)) {
    style = rtbgTiled;
  }
}

bool TRtHtmlRun::LoadBackground(const QByteArray& src, TRtPicture& picture, QString& fileName) {
  const QString address = RawToText(src, parser_.Encoding);
  const QString path = owner_.ResolvePath(address.trimmed());
  const std::optional<TImportPicture> loaded = LoadPicture(address, path, -1, -1);
  if (!loaded) return false;
  picture = loaded->Picture;
  fileName = owner_.Options & rthtmloBasePathLinks ? path : address.trimmed();
  return true;
}

}  // namespace moxa::rt
