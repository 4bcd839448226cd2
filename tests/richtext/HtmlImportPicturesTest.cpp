// The importer's pictures, on real files in a temporary site folder: the
// size rule, the placeholder, and no reading from outside the base path.
#include "HtmlImportSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::ImportHtml;

// A temporary folder with site/ (the base path, holding pictures) and
// outside/ (a picture that must never be read).
class HtmlImportPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("site/bin")));
    ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("outside")));
    Picture(200, 50).save(Site() + QStringLiteral("moxa_img1.jpg"), "JPEG");
    Picture(8, 4).save(Site() + QStringLiteral("bin/bg.png"), "PNG");
    Picture(30, 30).save(Outside(), "PNG");
    moxa::test::WriteBytes(Site() + QStringLiteral("broken.png"), "not a picture");
  }

  static QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(30, 120, 60));
    return image;
  }
  QString Site() const { return root_.path() + QStringLiteral("/site/"); }
  QString Outside() const { return root_.path() + QStringLiteral("/outside/secret.png"); }

  test::Imported Import(const QByteArray& html,
                        const std::function<void(TRtHtmlImporter&)>& configure = {}) const {
    return ImportHtml(html, Site(), configure);
  }
  // The item lines with the site folder written as SITE/.
  QStringList Lines(const test::Imported& imported) const {
    return imported.ItemLines().replaceInStrings(Site(), QStringLiteral("SITE/"));
  }

  QTemporaryDir root_;
};

TEST_F(HtmlImportPicturesTest, WidthGivesTheHeightByTheAspect) {
  const test::Imported imported = Import(
      "<img src=moxa_img1.jpg width=100 alt=\"A room\"><img src=moxa_img1.jpg height=10>"
      "<img src=moxa_img1.jpg width=x>");
  EXPECT_EQ(Lines(imported),
            (QStringList{QStringLiteral("main P p0 picture 200x50 jpeg w=100 h=25 alt=\"A room\" "
                                        "file=\"SITE/moxa_img1.jpg\" tag=0 \"\""),
                         QStringLiteral("main - p0 picture 200x50 jpeg w=40 h=10 alt=\"\" "
                                        "file=\"SITE/moxa_img1.jpg\" tag=0 \"\""),
                         QStringLiteral("main - p0 picture 200x50 jpeg w=200 h=50 alt=\"\" "
                                        "file=\"SITE/moxa_img1.jpg\" tag=0 \"\"")}));
  // The file's bytes are kept, so a JPEG is written out unchanged.
  const TRtItem& item = imported.Document.Data.GetItem(0);
  EXPECT_EQ(item.Picture->Data, moxa::test::ReadBytes(Site() + QStringLiteral("moxa_img1.jpg")));
  EXPECT_EQ(item.Picture->Format, QByteArray("jpeg"));
}

// A camera's photo is larger than the image readers take whole: the page
// still shows it instead of the placeholder.
TEST_F(HtmlImportPicturesTest, APhotoLargerThanTheReadersTakeWholeIsKept) {
  {
    QImage photo(8000, 5000, QImage::Format_RGB888);
    photo.fill(qRgb(30, 120, 60));
    ASSERT_TRUE(photo.save(Site() + QStringLiteral("photo.jpg"), "JPEG"));
  }
  const QStringList lines = Lines(Import("<img src=photo.jpg>"));
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines.first().contains(QStringLiteral(" picture 8000x5000 jpeg w=0 h=0 ")))
      << lines.first().toStdString();
}

TEST_F(HtmlImportPicturesTest, UnloadablePicturesBecomeThePlaceholder) {
  const test::Imported imported = Import("<img src=missing.jpg><img src=broken.png><img src=\"\">");
  for (const QString& line : Lines(imported)) {
    EXPECT_TRUE(line.contains(QStringLiteral(" picture invalid w=0 h=0 "))) << line.toStdString();
  }
  EXPECT_EQ(imported.Document.Data.LineCount(), 3);
}

TEST_F(HtmlImportPicturesTest, NothingIsReadFromOutsideTheBasePath) {
  ASSERT_TRUE(QFile::link(Outside(), Site() + QStringLiteral("link.png")));
  const QByteArray outside = Outside().toUtf8();
  const test::Imported imported =
      Import("<img src=\"../outside/secret.png\"><img src=\"" + outside + "\"><img src=\"file://" +
             outside +
             "\"><img src=\"link.png\"><img src=\"bin/../../outside/secret.png\">"
             "<img src=\"http://example.com/moxa_img1.jpg\">");
  ASSERT_EQ(imported.Document.Data.LineCount(), 6);
  for (const QString& line : Lines(imported)) {
    EXPECT_TRUE(line.contains(QStringLiteral(" picture invalid "))) << line.toStdString();
  }
  // Inside the base path all the same ways lead to the picture.
  const test::Imported inside = Import("<img src=\"bin/../moxa_img1.jpg\"><img src=\"" +
                                       Site().toUtf8() + "moxa_img1.jpg\">");
  for (const QString& line : Lines(inside)) {
    EXPECT_TRUE(line.contains(QStringLiteral(" picture 200x50 jpeg "))) << line.toStdString();
  }
}

TEST_F(HtmlImportPicturesTest, ImageRequiredSuppliesPictures) {
  QStringList asked;
  const test::Imported imported =
      Import("<img src=\"../outside/secret.png\" width=7 height=3>", [&](TRtHtmlImporter& i) {
        i.OnImageRequired2 = [&](const QString& src, int width, int height, TRtPicture& picture) {
          asked << QStringLiteral("%1 %2 %3").arg(src).arg(width).arg(height);
          picture = TRtPicture::FromImage(Picture(14, 6));
        };
      });
  EXPECT_EQ(asked, QStringList{QStringLiteral("../outside/secret.png 7 3")});
  EXPECT_EQ(Lines(imported),
            QStringList{QStringLiteral("main P p0 picture 14x6 image w=7 h=3 alt=\"\" "
                                       "file=\"SITE/../outside/secret.png\" tag=0 \"\"")});
}

TEST_F(HtmlImportPicturesTest, LinkedPictureIsHot) {
  const test::Imported imported =
      Import("<a href=\"about-us.html\"><img src=moxa_img1.jpg></a><img src=moxa_img1.jpg>",
             [](TRtHtmlImporter& i) { i.Options |= rthtmloImgSrcToImageName; });
  EXPECT_EQ(
      Lines(imported),
      (QStringList{QStringLiteral("main P p0 hotpicture 200x50 jpeg w=0 h=0 alt=\"\" "
                                  "file=\"SITE/moxa_img1.jpg\" tag=1 \"SITE/moxa_img1.jpg\""),
                   QStringLiteral("main - p0 picture 200x50 jpeg w=0 h=0 alt=\"\" "
                                  "file=\"SITE/moxa_img1.jpg\" tag=0 \"SITE/moxa_img1.jpg\"")}));
  EXPECT_EQ(imported.LinkLines(), QStringList{QStringLiteral("link 1: \"about-us.html\" page")});
}

TEST_F(HtmlImportPicturesTest, IgnorePicturesAndRelativeNames) {
  const test::Imported ignored = Import(
      "a<img src=moxa_img1.jpg>b", [](TRtHtmlImporter& i) { i.Options |= rthtmloIgnorePictures; });
  EXPECT_EQ(Lines(ignored), (QStringList{QStringLiteral("main P p0 text s0 tag=0 \"a\""),
                                         QStringLiteral("main - p0 text s0 tag=0 \"b\"")}));
  const test::Imported relative = Import(
      "<img src=moxa_img1.jpg>", [](TRtHtmlImporter& i) { i.Options &= ~rthtmloBasePathLinks; });
  EXPECT_EQ(Lines(relative),
            QStringList{QStringLiteral("main P p0 picture 200x50 jpeg w=0 h=0 alt=\"\" "
                                       "file=\"moxa_img1.jpg\" tag=0 \"\"")});
}

TEST_F(HtmlImportPicturesTest, BackgroundPictures) {
  const test::Imported imported = Import(
      "<body background=\"bin/bg.png\"><table background=bin/bg.png><tr>"
      "<td background=\"missing.png\">a<td background=\"bin/bg.png\">b</table>");
  EXPECT_EQ(DumpDocumentLine(imported.Document).replace(Site(), QStringLiteral("SITE/")),
            QStringLiteral("document color=none margins=5,5,5,5 background=tiled "
                           "\"SITE/bin/bg.png\""));
  const TRtTable& table = *imported.Document.Data.GetItem(0).Table;
  EXPECT_EQ(table.BackgroundStyle, rtbgTiled);
  EXPECT_EQ(table.BackgroundPicture.Decoded().size(), QSize(8, 4));
  EXPECT_EQ(table.Cell(0, 0)->BackgroundStyle, rtbgNone);  // left out, no placeholder
  EXPECT_TRUE(table.Cell(0, 0)->BackgroundPicture.IsEmpty());
  EXPECT_EQ(table.Cell(0, 1)->BackgroundFileName, Site() + QStringLiteral("bin/bg.png"));
  // A style sheet's background wins over the body's attribute.
  const test::Imported styled = Import(
      "<style>body { background-image: url(\"bin/bg.png\"); background-position: "
      "top right }</style><body background=moxa_img1.jpg>x");
  EXPECT_EQ(styled.Document.BackgroundStyle, rtbgTopRight);
  EXPECT_EQ(styled.Document.BackgroundPicture.Decoded().size(), QSize(8, 4));
}

}  // namespace
}  // namespace moxa::rt
