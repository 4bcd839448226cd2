#include "editor/RegionEditCycle.h"

#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"
#include "richtext/RtData.h"
#include "site/Folders.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa::editor {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// ---- Cutting and splicing page text ----

struct SpliceCase {
  const char* name;
  QByteArray page;
  int number;
  QByteArray expectedCut;  // what the region holds; "-" when it has none
};

class RegionTextTest : public ::testing::TestWithParam<SpliceCase> {};

TEST_P(RegionTextTest, CutsAndSplicesOnlyBetweenTheMarkers) {
  const SpliceCase& c = GetParam();
  const std::optional<QByteArray> cut = CutRegion(c.page, c.number);
  QByteArray spliced = c.page;
  const bool done = SpliceRegion(spliced, c.number, "NEW");
  if (c.expectedCut == "-") {
    EXPECT_FALSE(cut);
    EXPECT_FALSE(done);
    EXPECT_EQ(spliced, c.page);
    return;
  }
  ASSERT_TRUE(cut);
  EXPECT_EQ(*cut, c.expectedCut);
  ASSERT_TRUE(done);
  const QByteArray marker = "<div id=\"moxadiv" + QByteArray::number(c.number) + "\">";
  QByteArray expected = c.page;
  expected.replace(c.page.indexOf(marker) + marker.size(), c.expectedCut.size(), "NEW");
  EXPECT_EQ(spliced, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RegionTextTest,
    ::testing::Values(
        SpliceCase{"Plain", "a<div id=\"moxadiv1\">Hi</div><!-- moxadiv1 -->z", 1, "Hi"},
        SpliceCase{"ThirdOfThree",
                   "<div id=\"moxadiv1\">1</div><!-- moxadiv -->"
                   "<div id=\"moxadiv3\">3</div><!-- moxadiv -->"
                   "<div id=\"moxadiv5\">5</div><!-- moxadiv -->",
                   3, "3"},
        SpliceCase{"NestedDivs",
                   "<div id=\"moxadiv2\"><div><div>x</div></div></div><!-- moxadiv2 --></div>",
                   2, "<div><div>x</div></div>"},
        SpliceCase{"Empty", "<div id=\"moxadiv1\"></div><!-- moxadiv1 -->", 1, ""},
        SpliceCase{"FirstOfTwoWithOneNumber",
                   "<div id=\"moxadiv1\">A</div><!-- moxadiv --><div id=\"moxadiv1\">B</div>"
                   "<!-- moxadiv -->",
                   1, "A"},
        SpliceCase{"Missing", "<div id=\"moxadiv1\">A</div><!-- moxadiv -->", 2, "-"},
        SpliceCase{"OtherLetterCase", "<DIV ID=\"MOXADIV1\">A</div><!-- moxadiv -->", 1, "-"},
        SpliceCase{"NoEndMarker", "<div id=\"moxadiv1\">A</div>", 1, "-"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportedBodyTest, KeepsWhatLiesBetweenTheBodyTags) {
  struct Case {
    QByteArray html;
    std::optional<QByteArray> body;
  };
  const Case cases[] = {
      {"<html><head><title></title></head><body>\r\nHi\r\n</body></html>\r\n", "\r\nHi\r\n"},
      {"<html><head></head><body bgcolor=\"#ffffff\" text=\"#000000\">x</body></html>", "x"},
      {"<html><body></body></html>", ""},
      {"<html><body>no end", "no end"},
      {"<html><head></head></html>", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ExportedBody(c.html), c.body) << c.html.toStdString();
}

// ---- The cycle on a real working folder ----

class RegionEditCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    folders_ = Folders::WithDataAndWork(test::SourceDir() + "/data/", dir_.path());
    QDir().mkpath(folders_.WorkFolder());
  }
  void WritePage(const QByteArray& page) { WriteBytes(folders_.WorkingCopyFile(), page); }
  QByteArray Page() const { return ReadBytes(folders_.WorkingCopyFile()); }

  QTemporaryDir dir_;
  Folders folders_;
  rt::TRtDocument document_;
  rt::TRtStyle style_;
  rt::TEditorLinks links_;
};

const QByteArray kBefore = "<html><head><title>T</title></head><body bgcolor=\"#fff\">\r\n<p>menu</p>";
const QByteArray kAfter = "</div><!-- moxadiv1 -->\r\n<p>footer</p></body></html>\r\n";
const QByteArray kRegionStart = "<div id=\"moxadiv1\">";

QString AllText(const rt::TRtDocument& document) {
  QString text;
  for (const rt::TRtItem& item : document.Data.Items) text += item.Text;
  return text;
}

TEST_F(RegionEditCycleTest, OpensTheRegionWithItsLinksAndPicturesFromTheWorkingFolder) {
  QImage picture(8, 6, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(folders_.WorkFolder() + "moxa_img1.jpg"));
  WritePage(kBefore + kRegionStart +
            "<p>Hello <a href=\"about-us.html\">about</a></p><img src=\"moxa_img1.jpg\">" + kAfter);

  ASSERT_TRUE(OpenRegion(folders_, 1, document_, style_, links_));

  EXPECT_TRUE(AllText(document_).contains("Hello"));
  ASSERT_EQ(links_.Count(), 1);
  EXPECT_EQ(links_.Links[0].Url, "about-us.html");
  const auto picture_item = std::find_if(document_.Data.Items.begin(), document_.Data.Items.end(),
                                         [](const rt::TRtItem& i) { return i.IsPicture(); });
  ASSERT_NE(picture_item, document_.Data.Items.end());
  EXPECT_EQ(picture_item->Picture->Decoded().size(), QSize(8, 6));
  EXPECT_TRUE(QFile::exists(RegionHtmlFile(folders_)));
  EXPECT_TRUE(QFile::exists(RegionRtdFile(folders_)));
}

TEST_F(RegionEditCycleTest, OpeningARegionThePageLacksTouchesNothing) {
  const QByteArray page = kBefore + kRegionStart + "x" + kAfter;
  WritePage(page);
  EXPECT_FALSE(OpenRegion(folders_, 2, document_, style_, links_));
  EXPECT_EQ(Page(), page);
  EXPECT_FALSE(QFile::exists(RegionRtdFile(folders_)));
}

TEST_F(RegionEditCycleTest, CommitPutsTheEditBetweenTheMarkersAndLeavesEveryOtherByte) {
  WritePage(kBefore + kRegionStart + "<p>old words</p>" + kAfter);
  ASSERT_TRUE(OpenRegion(folders_, 1, document_, style_, links_));
  document_.Data.Items.front().Text = "brand new words";

  ASSERT_TRUE(CommitRegion(folders_, 1, document_, style_, links_));

  const QByteArray page = Page();
  ASSERT_TRUE(page.startsWith(kBefore + kRegionStart));
  ASSERT_TRUE(page.endsWith(kAfter));
  const QByteArray region = page.mid((kBefore + kRegionStart).size(),
                                     page.size() - (kBefore + kRegionStart).size() - kAfter.size());
  EXPECT_TRUE(region.contains("brand new words"));
  EXPECT_FALSE(region.contains("old words"));
  EXPECT_FALSE(region.contains("<body"));
  EXPECT_FALSE(region.contains("</body>"));
}

TEST_F(RegionEditCycleTest, AnEmptyRegionOpensEmptyAndCommitsOnlyTheExportedBody) {
  WritePage(kBefore + kRegionStart + kAfter);
  ASSERT_TRUE(OpenRegion(folders_, 1, document_, style_, links_));
  EXPECT_TRUE(AllText(document_).trimmed().isEmpty());
  ASSERT_TRUE(CommitRegion(folders_, 1, document_, style_, links_));
  const QByteArray page = Page();
  EXPECT_TRUE(page.startsWith(kBefore + kRegionStart));
  EXPECT_TRUE(page.endsWith(kAfter));
  EXPECT_FALSE(page.contains("<head><title></title>"));
}

TEST_F(RegionEditCycleTest, AFailedExportNeverPutsAnEarlierEditsFileIntoTheRegion) {
  const QByteArray page = kBefore + kRegionStart + "<p>mine</p>" + kAfter;
  WritePage(page);
  ASSERT_TRUE(OpenRegion(folders_, 1, document_, style_, links_));
  WriteBytes(RegionExportFile(folders_), "<html><body>someone else's region</body></html>");
  document_.Data.Items.front().StyleNo = style_.TextStyles.Count() + 7;  // cannot be exported

  EXPECT_FALSE(CommitRegion(folders_, 1, document_, style_, links_));
  EXPECT_EQ(Page(), page);
}

TEST_F(RegionEditCycleTest, CommitRefusesWhenTheStartMarkerIsGone) {
  WritePage(kBefore + kRegionStart + "<p>x</p>" + kAfter);
  ASSERT_TRUE(OpenRegion(folders_, 1, document_, style_, links_));
  const QByteArray changed = kBefore + "<div id=\"MOXADIV1\"><p>x</p>" + kAfter;
  WritePage(changed);
  EXPECT_FALSE(CommitRegion(folders_, 1, document_, style_, links_));
  EXPECT_EQ(Page(), changed);
}

TEST_F(RegionEditCycleTest, AFullDiskLeavesTheWorkingCopyWhole) {
  QByteArray page = kBefore + kRegionStart + "<p>x</p>" + kAfter;
  page += QByteArray(64 * 1024, ' ');  // larger than the limit below
  WritePage(page);
  ASSERT_TRUE(OpenRegion(folders_, 1, document_, style_, links_));
  document_.Data.Items.front().Text = "changed";
  {
    test::FileSizeLimit full(16 * 1024);
    ASSERT_TRUE(full.ok());
    EXPECT_FALSE(CommitRegion(folders_, 1, document_, style_, links_));
  }
  EXPECT_EQ(Page(), page);
}

}  // namespace
}  // namespace moxa::editor
