#include "Writer.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace moxa::pictures {

QImage Render(const Picture& picture, int scale, int frame) {
  QImage image(picture.size * scale,
               picture.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  image.fill(picture.alpha ? Qt::transparent : Qt::white);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  p.scale(scale, scale);
  if (picture.paintFrame) {
    picture.paintFrame(p, frame);
  } else {
    picture.paint(p);
  }
  p.end();
  return image;
}

QString TwinName(const QString& name) {
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

namespace {

QString WriteStill(const Picture& picture, int scale, const QString& path) {
  const QImage image = Render(picture, scale);
  QImageWriter writer(path);
  if (picture.kind == FileKind::Jpeg) {
    writer.setFormat("jpeg");
    writer.setQuality(88);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) return writer.errorString();
    return {};
  }
  writer.setFormat("png");
  writer.setCompression(100);  // Qt 6 takes a ratio: 100 is the strongest zlib level
  // 32-bit RGBA where the picture needs transparency, 24-bit RGB otherwise.
  const QImage out = picture.alpha ? image.convertToFormat(QImage::Format_ARGB32)
                                   : image.convertToFormat(QImage::Format_RGB888);
  if (!writer.write(out)) return writer.errorString();
  return {};
}

// GIF knows only fully transparent or opaque pixels. Edge pixels that are
// mostly covered are laid on white (the spinners sit on white boxes and
// buttons), the rest become transparent.
QImage GifFrame(const QImage& frame) {
  QImage out = frame.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb pixel = line[x];
      const int a = qAlpha(pixel);
      if (a < 24) {
        line[x] = qRgba(0, 0, 0, 0);
        continue;
      }
      auto over = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
      line[x] = qRgba(over(qRed(pixel)), over(qGreen(pixel)), over(qBlue(pixel)), 255);
    }
  }
  return out;
}

QString WriteAnimation(const Picture& picture, int scale, const QString& path) {
  const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
  if (convert.isEmpty()) {
    return QStringLiteral("ImageMagick's convert is not installed (Debian package imagemagick)");
  }
  QTemporaryDir frames;
  if (!frames.isValid()) return QStringLiteral("cannot make a temporary folder");
  QStringList args{QStringLiteral("-dispose"), QStringLiteral("Background"), QStringLiteral("-delay"),
                   QString::number(picture.delay), QStringLiteral("-loop"), QStringLiteral("0")};
  for (int i = 0; i < picture.frames; ++i) {
    const QString framePath = frames.filePath(QStringLiteral("f%1.png").arg(i, 3, 10, QLatin1Char('0')));
    if (!GifFrame(Render(picture, scale, i)).save(framePath, "PNG")) {
      return QStringLiteral("cannot write frame ") + framePath;
    }
    args << framePath;
  }
  args << path;
  QProcess process;
  process.start(convert, args);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return QStringLiteral("convert failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
  }
  return {};
}

QString WriteOne(const Picture& picture, int scale, const QString& path) {
  return picture.kind == FileKind::Gif ? WriteAnimation(picture, scale, path)
                                       : WriteStill(picture, scale, path);
}

}  // namespace

QString WritePicture(const Picture& picture, const QString& folder) {
  const QDir dir(folder);
  QString error = WriteOne(picture, 1, dir.filePath(picture.name));
  if (error.isEmpty() && picture.twin) error = WriteOne(picture, 2, dir.filePath(TwinName(picture.name)));
  return error;
}

QByteArray Manifest(const Catalogue& catalogue) {
  QByteArray text =
      "# Interface pictures of the data folder, drawn by tools/pictures (moxa-pictures).\n"
      "# Regenerate all: build/bin/moxa-pictures data\n"
      "# Pictures marked \"@2x\" also exist as NAME@2x.EXT at twice the size, drawn\n"
      "# (not scaled) for high-density screens; the name is Qt's high-DPI convention.\n"
      "# GIFs are 1-bit transparent, on white edges. The same command writes the\n"
      "# placeholder page _pblank.html.\n"
      "#\n"
      "# file                      size        channels  @2x  role\n";
  for (const Picture& picture : catalogue.Pictures()) {
    const QString size = QStringLiteral("%1x%2").arg(picture.size.width()).arg(picture.size.height());
    const QString channels = picture.alpha ? QStringLiteral("alpha") : QStringLiteral("opaque");
    text += QStringLiteral("%1 %2 %3 %4 %5\n")
                .arg(picture.name, -26)
                .arg(size, -11)
                .arg(channels, -9)
                .arg(picture.twin ? QStringLiteral("@2x") : QStringLiteral("-"), -4)
                .arg(picture.role)
                .toUtf8();
  }
  return text;
}

}  // namespace moxa::pictures
