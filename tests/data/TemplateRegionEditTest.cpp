// Every region of every shipped page survives the editor's cycle: opened,
// loaded into the editor's view and confirmed without a change, it comes
// back as the same markup (the pictures under the names the editor gives
// them, with the same picture inside), and a second cycle changes nothing at
// all. The templates are written in the markup the export writes, so any
// difference here is a change the user would see after merely pressing OK.
#include "editor/RegionEditCycle.h"
#include "editor/RtEditor.h"
#include "pages/Regions.h"
#include "site/FolderOps.h"
#include "site/Folders.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

QString ShippedTemplates() { return test::SourceDir() + QStringLiteral("/data/templates/"); }

QStringList ShippedPages(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Every region of the working copy once through the editor, as OK does it.
void EditEveryRegion(const Folders& folders) {
  rt::TRtStyle style;
  rt::TEditorLinks links;
  editor::RtEditor editor(style);
  editor.StartUp();
  for (const RegionSpan& region : FindRegions(test::ReadBytes(folders.WorkingCopyFile()))) {
    SCOPED_TRACE("region " + std::to_string(region.Number));
    rt::TRtDocument imported;
    ASSERT_TRUE(editor::OpenRegion(folders, region.Number, imported, style, links));
    ASSERT_TRUE(editor.LoadRtd(editor::RegionRtdFile(folders)));
    ASSERT_TRUE(editor::CommitRegion(folders, region.Number, editor.Document(), style, links));
  }
}

const QRegularExpression kPictureSource(QStringLiteral("src=\"([^\"]*)\""));

// The region's markup with line ends made plain and picture addresses taken out.
QString Markup(const QByteArray& content) {
  QString text = QString::fromUtf8(content).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text.replace(kPictureSource, QStringLiteral("src=\"\"")).trimmed();
}

QStringList PictureSources(const QByteArray& content) {
  QStringList sources;
  for (auto match = kPictureSource.globalMatch(QString::fromUtf8(content)); match.hasNext();) {
    sources << match.next().captured(1);
  }
  return sources;
}

class TemplateRegionEditTest : public ::testing::TestWithParam<int> {};

TEST_P(TemplateRegionEditTest, EveryRegionComesBackAsItWasAndThenStaysByteForByte) {
  const QString templateFolder = ShippedTemplates() + QString::number(GetParam()) + u'/';
  const QStringList pages = ShippedPages(templateFolder);
  ASSERT_FALSE(pages.isEmpty());
  for (const QString& page : pages) {
    SCOPED_TRACE(page.toStdString());
    QTemporaryDir temp;
    const QString work = temp.path() + QStringLiteral("/w/");
    ASSERT_TRUE(CopyFolder(templateFolder, work, true));
    const Folders folders = Folders::WithDataAndWork(QString(), work);
    const QByteArray original = test::ReadBytes(work + page);
    test::WriteBytes(folders.WorkingCopyFile(), original);

    EditEveryRegion(folders);
    const QByteArray once = test::ReadBytes(folders.WorkingCopyFile());
    const std::map<int, QByteArray> before = RegionContents(original);
    const std::map<int, QByteArray> after = RegionContents(once);
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [number, content] : before) {
      SCOPED_TRACE("region " + std::to_string(number));
      EXPECT_EQ(Markup(after.at(number)), Markup(content));
      const QStringList oldPictures = PictureSources(content);
      const QStringList newPictures = PictureSources(after.at(number));
      ASSERT_EQ(newPictures.size(), oldPictures.size());
      for (qsizetype i = 0; i < oldPictures.size(); ++i) {
        const QImage was(templateFolder + oldPictures[i]);
        const QImage is(work + newPictures[i]);
        EXPECT_FALSE(is.isNull()) << newPictures[i].toStdString();
        EXPECT_EQ(is.size(), was.size()) << oldPictures[i].toStdString();
      }
    }

    EditEveryRegion(folders);
    EXPECT_EQ(test::ReadBytes(folders.WorkingCopyFile()), once);
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, TemplateRegionEditTest, ::testing::Range(1, 9));

}  // namespace
}  // namespace moxa
