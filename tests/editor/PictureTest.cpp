// Pictures for the region editor: names for downloaded and copied pictures,
// the working and keep folders, loading, the picture table and insertion.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "EditorSupport.h"
#include "editor/PictureCommands.h"
#include "richtext/HtmlExporter.h"
#include "richtext/HtmlImporter.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtBuilders.h"
#include "richtext/RtdFormat.h"

namespace moxa::editor {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteJpeg(const QString& path, QRgb colour) {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(path, "JPEG"));
}

TEST(FileNameFromUrl, GivesASafeNameForEveryAddress) {
  struct Case {
    const char* url;
    const char* name;  // nullptr: a made-up "picture" name
  };
  const Case cases[] = {
      {"http://example.com/images/photo.jpg", "photo.jpg"},
      {"http://example.com/a/b.png?size=2&x=/y", "b.png"},
      {"http://example.com/a/c.gif#top", "c.gif"},
      {"http://example.com/my%20photo.jpg", "my photo.jpg"},
      {"http://example.com/a%2F..%2Fb.jpg", nullptr},  // decoded it holds a "/"
      {"http://example.com/dir\\evil.jpg", "evil.jpg"},
      {"http://example.com/..", nullptr},
      {"http://example.com/%2E%2E", nullptr},
      {"http://example.com/.hidden.png", nullptr},
      {"http://example.com/", nullptr},
      {"http://example.com", nullptr},
      {"http://example.com/?q=a.jpg", nullptr},
      {"", nullptr},
  };
  const QRegularExpression madeUp(QStringLiteral("^picture\\d+\\.png$"));
  for (const Case& c : cases) {
    const QString name = FileNameFromUrl(QString::fromUtf8(c.url), QStringLiteral("image/png"));
    if (c.name) {
      EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.url;
    } else {
      EXPECT_TRUE(madeUp.match(name).hasMatch()) << c.url << " -> " << name.toStdString();
    }
  }
  EXPECT_TRUE(FileNameFromUrl("http://h/", "image/jpeg; q=1").endsWith(".jpg"));
}

TEST(WithWebScheme, AddsHttpOnlyWhenNoSchemeAppears) {
  EXPECT_EQ(WithWebScheme("example.com/a.jpg"), "http://example.com/a.jpg");
  EXPECT_EQ(WithWebScheme("https://example.com/a.jpg"), "https://example.com/a.jpg");
  EXPECT_EQ(WithWebScheme("ftp://example.com/a.jpg"), "ftp://example.com/a.jpg");
  EXPECT_EQ(WithWebScheme("HTTP://example.com/a.jpg"), "HTTP://example.com/a.jpg");
}

class PictureFolders : public ::testing::Test {
 protected:
  QString Computer(const QString& name) const { return computer.filePath(name); }
  QTemporaryDir computer, work, home;
  QString keep = home.filePath("Images/");
};

TEST_F(PictureFolders, CopiesIntoTheWorkingFolderWithUnderscores) {
  WriteJpeg(Computer("my photo.jpg"), qRgb(200, 0, 0));
  const QString copied = CopyIntoWorkingFolder(Computer("my photo.jpg"), work.path());
  EXPECT_EQ(copied, work.filePath("my_photo.jpg"));
  EXPECT_EQ(ReadFile(copied), ReadFile(Computer("my photo.jpg")));
}

TEST_F(PictureFolders, ADifferentPictureOfTheSameNameGetsAFreeName) {
  WriteJpeg(work.filePath("photo.jpg"), qRgb(0, 200, 0));
  const QByteArray sitePicture = ReadFile(work.filePath("photo.jpg"));
  QDir().mkpath(Computer("other"));
  WriteJpeg(Computer("other/photo.jpg"), qRgb(0, 0, 200));
  const QString copied = CopyIntoWorkingFolder(Computer("other/photo.jpg"), work.path());
  EXPECT_EQ(copied, work.filePath("photo1.jpg"));
  EXPECT_EQ(ReadFile(work.filePath("photo.jpg")), sitePicture);
  // The same bytes again reuse the file instead of piling up copies.
  EXPECT_EQ(CopyIntoWorkingFolder(Computer("other/photo.jpg"), work.path()), copied);
  WriteFile(Computer("photo.jpg"), sitePicture);
  EXPECT_EQ(CopyIntoWorkingFolder(Computer("photo.jpg"), work.path()), work.filePath("photo.jpg"));
}

TEST_F(PictureFolders, AMissingFileCopiesNothing) {
  EXPECT_TRUE(CopyIntoWorkingFolder(Computer("none.jpg"), work.path()).isEmpty());
  EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST_F(PictureFolders, TheKeepFolderIsCreatedAndNeverOverwritten) {
  WriteJpeg(work.filePath("my_photo.jpg"), qRgb(10, 20, 30));
  const QString kept = CopyToImagesFolder(work.filePath("my_photo.jpg"), keep);
  EXPECT_EQ(kept, keep + "my_photo.jpg");
  WriteJpeg(work.filePath("my_photo.jpg"), qRgb(250, 250, 0));
  const QString second = CopyToImagesFolder(work.filePath("my_photo.jpg"), keep);
  EXPECT_EQ(second, keep + "my_photo1.jpg");
  EXPECT_NE(ReadFile(kept), ReadFile(second));
  // A picture already in the keep folder stays where it is.
  EXPECT_EQ(CopyToImagesFolder(kept, keep), kept);
}

TEST_F(PictureFolders, AKeepFolderThatCannotBeMadeFailsQuietly) {
  WriteFile(home.filePath("blocked"), "a file, not a folder");
  WriteJpeg(work.filePath("a.jpg"), qRgb(1, 2, 3));
  EXPECT_TRUE(
      CopyToImagesFolder(work.filePath("a.jpg"), home.filePath("blocked/Images")).isEmpty());
}

TEST_F(PictureFolders, OnlyReadablePicturesLoad) {
  WriteJpeg(work.filePath("a.jpg"), qRgb(1, 2, 3));
  WriteFile(work.filePath("b.jpg"), "<html>not found</html>");
  const auto picture = LoadPicture(work.filePath("a.jpg"));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->Format, "jpeg");
  EXPECT_FALSE(LoadPicture(work.filePath("b.jpg")).has_value());
  EXPECT_FALSE(LoadPicture(work.filePath("c.jpg")).has_value());
}

// A camera's photo is larger than the image readers take whole: it loads
// scaled down for the editor, its file's bytes kept as they are.
TEST_F(PictureFolders, APhotoLargerThanTheReadersTakeWholeLoadsScaledDown) {
  for (const char* format : {"png", "jpg"}) {
    const QString path = work.filePath(QStringLiteral("photo.") + QLatin1String(format));
    {
      QImage photo(8000, 5000, QImage::Format_RGB888);
      photo.fill(qRgb(40, 90, 160));
      ASSERT_TRUE(photo.save(path));
    }
    const auto picture = LoadPicture(path);
    ASSERT_TRUE(picture.has_value()) << format;
    const QImage shown = picture->Decoded();
    EXPECT_EQ(shown.size(), QSize(rt::kLargestPictureSide, 2560)) << format;
    EXPECT_NEAR(QColor(shown.pixel(100, 100)).blue(), 160, 3) << format;
    EXPECT_EQ(picture->Data, ReadFile(path)) << format;
  }
}

TEST(EditorImagesTable, RefusesTheEntryPastItsCapacity) {
  EditorImages images;
  for (int i = 0; i < EditorImages::kCapacity; ++i) ASSERT_TRUE(images.Add({}));
  EXPECT_TRUE(images.Full());
  EXPECT_FALSE(images.Add({}));
  EXPECT_EQ(images.LastImageIndex(), 1000);
}

class PictureInsertTest : public test::EditorTest {
 protected:
  void SetUp() override {
    Load(rt::test::Items().P().T("Hello"));
    PlaceCaret(0, 5);
  }
  PictureInsertion Insertion(bool linked) const {
    PictureInsertion insertion;
    insertion.Picture = rt::test::TestImage(1);
    insertion.ImageFileName = QStringLiteral("images/a.png");
    insertion.AltText = QStringLiteral("A cat");
    insertion.HyperLinked = linked;
    insertion.LinkUrl = QStringLiteral("contact.html");
    insertion.NewWindow = true;
    return insertion;
  }
  rt::TEditorLinks links;
};

TEST_F(PictureInsertTest, APlainPictureCarriesItsNameAndAltText) {
  EXPECT_TRUE(InsertPictureIntoEditor(editor, links, Insertion(false)).isEmpty());
  const rt::TRtItem item = Model().GetItem(editor.CurItemNo());
  EXPECT_EQ(item.StyleNo, rt::rtikPicture);
  EXPECT_EQ(item.Extras().ImageFileName, "images/a.png");
  EXPECT_EQ(item.Extras().AltText, "A cat");
  EXPECT_EQ(links.Count(), 0);
  editor.Undo();
  EXPECT_EQ(Model().LineCount(), 1);
}

TEST_F(PictureInsertTest, ALinkedPictureGetsANewLinkEntry) {
  EXPECT_TRUE(InsertPictureIntoEditor(editor, links, Insertion(true)).isEmpty());
  const rt::TRtItem item = Model().GetItem(editor.CurItemNo());
  ASSERT_EQ(links.Count(), 1);
  EXPECT_EQ(item.Tag, rt::LinkTagOf(0));
  EXPECT_EQ(links.Links[0].Url, "contact.html");
  EXPECT_TRUE(links.Links[0].NewWindow);
}

TEST_F(PictureInsertTest, AFullLinkTableRefusesALinkedPicture) {
  for (int i = 0; i < rt::TEditorLinks::kCapacity; ++i) links.Add({});
  EXPECT_EQ(InsertPictureIntoEditor(editor, links, Insertion(true)), kNoMoreLinks);
  EXPECT_EQ(Model().LineCount(), 1);
}

TEST_F(PictureInsertTest, AlignmentAndAltTextAreStoredForTheExport) {
  const std::pair<const char*, rt::TRtVAlign> cases[] = {{"None", rt::rtvaBaseline},
                                                         {"Left", rt::rtvaLeft},
                                                         {"Right", rt::rtvaRight},
                                                         {"Center", rt::rtvaMiddle}};
  for (const auto& [alignment, valign] : cases) {
    PictureInsertion insertion = Insertion(false);
    insertion.Alignment = QString::fromLatin1(alignment);
    ASSERT_TRUE(InsertPictureIntoEditor(editor, links, insertion).isEmpty());
    EXPECT_EQ(Model().GetItem(editor.CurItemNo()).VAlign, valign) << alignment;
  }
}

// A region with pictures: imported, kept in the binary file, through the
// editor and exported again, as one edit does.
class PictureRegionEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile picture(work.filePath("photo.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(rt::test::TestJpeg().Data);
  }
  QByteArray Edit(const QByteArray& region) {
    rt::TRtDocument imported;
    rt::TRtStyle style;
    rt::TEditorLinks links;
    rt::TRtHtmlImporter importer;
    importer.View = {&imported, &style};
    importer.BasePath = work.path() + QDir::separator();
    importer.OnReadHyperlink = rt::MakeReadHyperlinkHook(links);
    importer.LoadHtml(region);
    const QString rtd = work.filePath("temptext_.rtd");
    rt::TRtDocument stored;
    EXPECT_TRUE(rt::SaveRtd(rtd, imported, style) && rt::LoadRtd(rtd, stored, style));
    RtEditor editor(style);
    editor.LoadDocument(stored);
    rt::TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    params.Options = rt::rtsoOverrideImages | rt::rtsoNoHypertextImageBorders;
    params.OnWriteHyperlink = rt::MakeWriteHyperlinkHandler(links);
    const QString file = work.filePath("temptext_.html");
    EXPECT_TRUE(rt::SaveHTML(file, editor.Document(), style, params));
    return ReadFile(file);
  }
  QTemporaryDir work;
};

TEST_F(PictureRegionEdit, AltAndAlignSurviveAnEdit) {
  const QByteArray out = Edit(
      "<p><img align=left alt=\"A cat\" src=\"photo.jpg\">"
      "<img align=right src=\"photo.jpg\"><img align=middle alt=\"m\" src=\"photo.jpg\">"
      "<img src=\"photo.jpg\"></p>");
  EXPECT_TRUE(out.contains("<img align=left border=0 alt=\"A cat\" src=\"moxa_img")) << out.data();
  EXPECT_TRUE(out.contains("<img align=right border=0 src=\"moxa_img")) << out.data();
  EXPECT_TRUE(out.contains("<img align=middle border=0 alt=\"m\" src=\"moxa_img")) << out.data();
  EXPECT_TRUE(out.contains("<img border=0 src=\"moxa_img")) << out.data();
}

TEST(RtdFormat, PictureAlignmentsRoundTrip) {
  for (const rt::TRtVAlign valign :
       {rt::rtvaBaseline, rt::rtvaMiddle, rt::rtvaLeft, rt::rtvaRight}) {
    rt::TRtDocument document;
    document.Data = rt::test::Items().P().Pic(rt::test::TestImage(1), "", 0);
    document.Data.Items.back().VAlign = valign;
    document.Data.Items.back().SetExtraStrProperty(rt::rtespAltText, QStringLiteral("alt"));
    rt::TRtStyle style;
    const auto bytes = rt::SaveRtdToBytes(document, style);
    ASSERT_TRUE(bytes.has_value());
    rt::TRtDocument back;
    ASSERT_TRUE(rt::LoadRtdFromBytes(*bytes, back, style));
    EXPECT_EQ(back.Data.Items.back().VAlign, valign);
    EXPECT_EQ(back.Data.Items.back().Extras().AltText, "alt");
  }
}

}  // namespace
}  // namespace moxa::editor
