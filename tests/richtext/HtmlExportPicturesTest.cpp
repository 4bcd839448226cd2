// The picture files of the HTML export and its all-or-nothing writing, on
// real files in temporary folders.
#include "richtext/HtmlExporter.h"

#include "richtext/HtmlFileCommit.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"
#include "RtBuilders.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace moxa::rt {
namespace {

using moxa::test::ReadBytes;
using moxa::test::WriteBytes;
using test::Items;

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format));
  return bytes;
}

// 4 x 2: the left half fully transparent, the right half opaque red.
TRtPicture HalfTransparentPng() {
  QImage image(4, 2, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 2; ++y) {
    for (int x = 2; x < 4; ++x) image.setPixel(x, y, qRgba(255, 0, 0, 255));
  }
  return TRtPicture::FromEncoded(Encoded(image, "PNG"));
}

TRtPicture Jpeg(QRgb color) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(color);
  return TRtPicture::FromEncoded(Encoded(image, "JPEG"));
}

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
         std::abs(qBlue(a) - qBlue(b)) < 24;
}

class HtmlExportPicturesTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString Html() const { return Path(QStringLiteral("out.html")); }
  QStringList Files() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                           QDir::Hidden,
                                       QDir::Name);
  }
  bool Save(const TRtDocument& document, const TRtStyle& style = TRtStyle()) {
    TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
    return SaveHTML(Html(), document, style, params);
  }
  // The src attributes of the exported file, in order.
  QStringList Sources() const {
    QStringList sources;
    const QString html = QString::fromLatin1(ReadBytes(Html()));
    for (qsizetype at = 0; (at = html.indexOf(QStringLiteral("src=\""), at)) >= 0;) {
      at += 5;
      sources << html.mid(at, html.indexOf(u'"', at) - at);
    }
    return sources;
  }

  QTemporaryDir dir_;
};

TEST_F(HtmlExportPicturesTest, PngWithTransparencyBecomesAJpegOnWhiteOrItsParagraphColour) {
  TRtStyle style;
  style.ParaStyles.Add().Background.Color = RtRgb(0, 0, 255);
  ASSERT_TRUE(Save(Items().P().Pic(HalfTransparentPng()).P(1).Pic(HalfTransparentPng()).Doc(),
                   style));
  EXPECT_EQ(Sources(), (QStringList{"moxa_img1.jpg", "moxa_img2.jpg"}));
  const QRgb backgrounds[] = {qRgb(255, 255, 255), qRgb(0, 0, 255)};
  for (int n = 1; n <= 2; ++n) {
    const QByteArray bytes = ReadBytes(Path(QStringLiteral("moxa_img%1.jpg").arg(n)));
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF")) << n;
    const QImage image = QImage::fromData(bytes, "JPEG");
    ASSERT_EQ(image.size(), QSize(4, 2)) << n;
    EXPECT_TRUE(Near(image.pixel(0, 0), backgrounds[n - 1])) << n << " " << std::hex
                                                            << image.pixel(0, 0);
    EXPECT_TRUE(Near(image.pixel(3, 1), qRgb(255, 0, 0))) << n;
  }
}

TEST_F(HtmlExportPicturesTest, JpegIsWrittenByteForByte) {
  const TRtPicture jpeg = Jpeg(qRgb(10, 120, 30));
  ASSERT_TRUE(Save(Items().P().Hot(jpeg).Doc()));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img1.jpg"))), jpeg.Data);
}

TEST_F(HtmlExportPicturesTest, PictureFromAnExistingPrefixFileKeepsItsNameAndFile) {
  const QByteArray existing = Jpeg(qRgb(1, 2, 3)).Data;
  WriteBytes(Path(QStringLiteral("moxa_img1.jpg")), existing);
  // The picture in memory differs, which must not make the file be rewritten.
  const TRtDocument document =
      Items()
          .P()
          .Pic(Jpeg(qRgb(200, 0, 0)))
          .With([&](TRtItem& item) {
            item.SetExtraStrProperty(rtespImageFileName, Path(QStringLiteral("moxa_img1.jpg")));
          })
          .Doc();
  ASSERT_TRUE(Save(document));
  EXPECT_EQ(Sources(), QStringList{"moxa_img1.jpg"});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img1.jpg"))), existing);
  EXPECT_EQ(Files(), (QStringList{"moxa_img1.jpg", "out.html"}));
}

TEST_F(HtmlExportPicturesTest, NewPicturesTakeTheLowestNumbersWithoutAFile) {
  const QByteArray first = Jpeg(qRgb(1, 1, 1)).Data;
  const QByteArray third = Jpeg(qRgb(3, 3, 3)).Data;
  WriteBytes(Path(QStringLiteral("moxa_img1.jpg")), first);
  WriteBytes(Path(QStringLiteral("moxa_img3.jpg")), third);
  const TRtPicture picture = Jpeg(qRgb(9, 9, 9));
  const TRtDocument document =
      Items()
          .P()
          .Pic(picture)
          .Pic(picture)
          .With([&](TRtItem& item) {
            item.SetExtraStrProperty(rtespImageFileName, Path(QStringLiteral("moxa_img3.jpg")));
          })
          .Pic(picture)
          .Doc();
  ASSERT_TRUE(Save(document));
  EXPECT_EQ(Sources(), (QStringList{"moxa_img2.jpg", "moxa_img3.jpg", "moxa_img4.jpg"}));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img1.jpg"))), first);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img3.jpg"))), third);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img2.jpg"))), picture.Data);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img4.jpg"))), picture.Data);
}

TEST_F(HtmlExportPicturesTest, OnlyAnExistingNumberedFileOfThisFolderKeepsItsName) {
  QTemporaryDir other;
  WriteBytes(Path(QStringLiteral("moxa_img1.jpg")), Jpeg(qRgb(1, 1, 1)).Data);
  WriteBytes(Path(QStringLiteral("moxa_img01.jpg")), Jpeg(qRgb(1, 1, 1)).Data);
  WriteBytes(Path(QStringLiteral("photo1.jpg")), Jpeg(qRgb(1, 1, 1)).Data);
  WriteBytes(other.filePath(QStringLiteral("moxa_img1.jpg")), Jpeg(qRgb(1, 1, 1)).Data);
  const QString names[] = {
      other.filePath(QStringLiteral("moxa_img1.jpg")),  // another folder
      Path(QStringLiteral("moxa_img7.jpg")),            // no such file (a placeholder's name)
      Path(QStringLiteral("moxa_img01.jpg")),           // not a number publishing looks for
      Path(QStringLiteral("photo1.jpg")),               // another prefix
      QStringLiteral("moxa_img1.jpg"),                  // relative: says nothing of its folder
  };
  for (const QString& name : names) {
    const TRtDocument document =
        Items()
            .P()
            .Pic(Jpeg(qRgb(9, 9, 9)))
            .With([&](TRtItem& item) { item.SetExtraStrProperty(rtespImageFileName, name); })
            .Doc();
    ASSERT_TRUE(Save(document)) << name.toStdString();
    EXPECT_EQ(Sources(), QStringList{"moxa_img2.jpg"}) << name.toStdString();
    QFile::remove(Path(QStringLiteral("moxa_img2.jpg")));
  }
}

TEST_F(HtmlExportPicturesTest, PageBackgroundIsAPictureFileToo) {
  TRtDocument document = Items().P().Pic(Jpeg(qRgb(9, 9, 9))).Doc();
  document.BackgroundPicture = Jpeg(qRgb(7, 7, 7));
  ASSERT_TRUE(Save(document));
  EXPECT_TRUE(ReadBytes(Html()).contains(" background=\"moxa_img1.jpg\" leftmargin=5"));
  EXPECT_EQ(Sources(), QStringList{"moxa_img2.jpg"});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img1.jpg"))), document.BackgroundPicture.Data);
}

// Pictures of this folder keep their names however the folder is written:
// through "..", or a link to it.
TEST_F(HtmlExportPicturesTest, NumberedFileOfThisFolderKeepsItsNameThroughAnyPathToIt) {
  const QByteArray existing = Jpeg(qRgb(1, 2, 3)).Data;
  WriteBytes(Path(QStringLiteral("moxa_img1.jpg")), existing);
  ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("sub"))));
  QTemporaryDir elsewhere;
  const QString link = elsewhere.filePath(QStringLiteral("site"));
  ASSERT_TRUE(QFile::link(dir_.path(), link));
  const QString names[] = {
      Path(QStringLiteral("sub/../moxa_img1.jpg")),
      link + QStringLiteral("/moxa_img1.jpg"),
  };
  for (const QString& name : names) {
    const auto picture = [&](TRtItem& item) { item.SetExtraStrProperty(rtespImageFileName, name); };
    // Twice: the second is answered from what the first found out.
    const TRtPicture other = Jpeg(qRgb(200, 0, 0));
    ASSERT_TRUE(Save(Items().P().Pic(other).With(picture).Pic(other).With(picture).Doc()))
        << name.toStdString();
    EXPECT_EQ(Sources(), (QStringList{"moxa_img1.jpg", "moxa_img1.jpg"})) << name.toStdString();
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img1.jpg"))), existing);
    EXPECT_EQ(Files(), (QStringList{"moxa_img1.jpg", "out.html", "sub"}));
  }
}

// Pictures are published as they are: they must be as readable as the page.
TEST_F(HtmlExportPicturesTest, PictureFilesHaveThePermissionsOfTheHtmlFile) {
  ASSERT_TRUE(Save(Items().P().Pic(Jpeg(qRgb(9, 9, 9))).Doc()));
  EXPECT_EQ(QFileInfo(Path(QStringLiteral("moxa_img1.jpg"))).permissions(),
            QFileInfo(Html()).permissions());
}

// The folder is looked at once, before the pages are written; an entry that
// takes a chosen name afterwards is met only when the files are moved into
// place. A folder there or a file that may not be replaced makes the export
// fail whole; no temporary file stays behind either way.
TEST_F(HtmlExportPicturesTest, NameTakenWhileTheExportRunsFailsOrIsReplacedAsAllowed) {
  const struct {
    const char* name;
    bool folder;         // a folder takes the name, else a file
    bool replace;        // rtsoOverrideImages
    bool saved;
    QStringList files;   // in the folder afterwards
  } cases[] = {
      {"a folder", true, true, false, {"moxa_img1.jpg"}},
      {"a file, not to be replaced", false, false, false, {"moxa_img1.jpg"}},
      {"a file, to be replaced", false, true, true, {"moxa_img1.jpg", "out.html"}},
  };
  const TRtPicture picture = Jpeg(qRgb(9, 9, 9));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString taken = dir.filePath(QStringLiteral("moxa_img1.jpg"));
    TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    params.Options = c.replace ? TRtSaveHTMLOptions{rtsoOverrideImages} : 0u;
    // Raised for the hot picture before it is named.
    params.OnWriteHyperlink = [&](int, const TCustomRtData&, int, QString&, QString&) {
      if (c.folder) {
        QDir().mkpath(taken);
      } else {
        WriteBytes(taken, "another's");
      }
    };
    const bool saved = SaveHTML(dir.filePath(QStringLiteral("out.html")),
                                Items().P().Hot(picture).Doc(), TRtStyle(), params);
    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                             QDir::Hidden,
                                         QDir::Name),
              c.files);
    if (!c.folder) {
      EXPECT_EQ(ReadBytes(taken), c.replace ? picture.Data : QByteArray("another's"));
    }
  }
}

// A folder that may be written but not listed: names are then looked up one
// by one, so another content's picture is still never replaced.
TEST_F(HtmlExportPicturesTest, FolderThatCannotBeListedStillKeepsOtherPictures) {
  if (geteuid() == 0) GTEST_SKIP() << "root lists every folder";
  const QByteArray existing = Jpeg(qRgb(1, 1, 1)).Data;
  WriteBytes(Path(QStringLiteral("moxa_img1.jpg")), existing);
  const QFile::Permissions listable = QFileInfo(dir_.path()).permissions();
  ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFile::WriteOwner | QFile::ExeOwner));
  const TRtPicture picture = Jpeg(qRgb(9, 9, 9));
  const bool saved = Save(Items().P().Pic(picture).Doc());
  ASSERT_TRUE(QFile::setPermissions(dir_.path(), listable));
  ASSERT_TRUE(saved);
  EXPECT_EQ(Sources(), QStringList{"moxa_img2.jpg"});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img1.jpg"))), existing);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("moxa_img2.jpg"))), picture.Data);
}

using moxa::test::FileSizeLimit;

// Every entry below `root`, a file with its bytes (hidden ones included).
QStringList Snapshot(const QString& root) {
  QStringList entries;
  QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    const QString name = QDir(root).relativeFilePath(entry.filePath());
    const QByteArray bytes = entry.isDir() ? QByteArray() : ReadBytes(entry.filePath());
    entries << (entry.isDir() ? name + QStringLiteral("/")
                              : name + QStringLiteral(": ") + QString::fromLatin1(bytes.toHex()));
  }
  entries.sort();
  return entries;
}

// The target folder takes no file, in ways that hold for root as well (root
// writes into read-only folders): the export fails and leaves every file as
// it was, no temporary file and no picture behind.
TEST_F(HtmlExportPicturesTest, FolderThatTakesNoFilesGivesFalseAndWritesNothing) {
  const struct {
    const char* name;
    bool folderIsAFile;  // the folder's path names a regular file
    bool diskFull;       // no file may grow past a few bytes
  } cases[] = {
      {"the folder is a regular file", true, false},
      {"the disk is full", false, true},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString root = Path(QStringLiteral("case%1").arg(++n));
    const QString folder = root + QStringLiteral("/site");
    if (c.folderIsAFile) {
      WriteBytes(folder, "not a folder");
    } else {
      WriteBytes(folder + QStringLiteral("/out.html"), "previous");
    }
    const QStringList before = Snapshot(root);
    TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    const TRtDocument document =
        Items().P().Pic(Jpeg(qRgb(9, 9, 9))).Pic(Jpeg(qRgb(8, 8, 8))).Doc();
    std::optional<FileSizeLimit> limit;
    if (c.diskFull) {
      ASSERT_TRUE(limit.emplace(16).ok());
    }
    const bool saved = SaveHTML(folder + QStringLiteral("/out.html"), document, TRtStyle(), params);
    limit.reset();
    EXPECT_FALSE(saved);
    EXPECT_EQ(Snapshot(root), before);
  }
}

TEST_F(HtmlExportPicturesTest, FailureAtTheLastStepTakesThePicturesBack) {
  // The HTML file cannot take the place of a folder: pictures are already
  // in place when that shows, and must go again.
  ASSERT_TRUE(QDir().mkpath(Html()));
  EXPECT_FALSE(Save(Items().P().Pic(Jpeg(qRgb(9, 9, 9))).Pic(Jpeg(qRgb(8, 8, 8))).Doc()));
  EXPECT_EQ(Files(), QStringList{"out.html"});
}

TEST_F(HtmlExportPicturesTest, PictureThatCannotBeEncodedLeavesThePreviousFileAlone) {
  WriteBytes(Html(), "previous");
  TRtPicture broken;
  broken.Data = "not a picture";
  EXPECT_FALSE(Save(Items().P().Pic(Jpeg(qRgb(9, 9, 9))).Pic(broken).Doc()));
  EXPECT_EQ(Files(), QStringList{"out.html"});
  EXPECT_EQ(ReadBytes(Html()), "previous");

  ASSERT_TRUE(Save(Items().P().T("new").Doc()));  // a good export replaces it
  EXPECT_TRUE(ReadBytes(Html()).contains("<div>new</div>"));
}

TEST_F(HtmlExportPicturesTest, CommitReplacesAnExistingExtraOnlyWhenAllowed) {
  WriteBytes(Path(QStringLiteral("a.jpg")), "old");
  const std::vector<TRtPendingFile> extras = {{QStringLiteral("b.jpg"), "b"},
                                              {QStringLiteral("a.jpg"), "new"}};
  EXPECT_FALSE(CommitFiles(dir_.path(), extras, Html(), "html", false));
  EXPECT_EQ(Files(), QStringList{"a.jpg"});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("a.jpg"))), "old");

  EXPECT_TRUE(CommitFiles(dir_.path(), extras, Html(), "html", true));
  EXPECT_EQ(Files(), (QStringList{"a.jpg", "b.jpg", "out.html"}));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("a.jpg"))), "new");
  EXPECT_EQ(ReadBytes(Html()), "html");
}

}  // namespace
}  // namespace moxa::rt
