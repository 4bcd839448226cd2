#include "site/Folders.h"

#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(FoldersTest, BuildsEveryPathFromProgramAndTempFolders) {
  const Folders f = Folders::At(QStringLiteral("/opt/moxa"), QStringLiteral("/home/u/.local/m/"));
  EXPECT_EQ(f.ProgramFolder, "/opt/moxa/");
  EXPECT_EQ(f.TempFolder, "/home/u/.local/m/");
  EXPECT_EQ(f.DataFolder(), "/opt/moxa/data/");
  EXPECT_EQ(f.TemplateFolder(12), "/opt/moxa/data/templates/12/");
  EXPECT_EQ(f.WorkFolder(), "/home/u/.local/m/wbx1988/");
  EXPECT_EQ(f.PreviewFolder(), "/home/u/.local/m/wbx1988/preview/");
  EXPECT_EQ(f.PageFile(QStringLiteral("about-us")), "/home/u/.local/m/wbx1988/about-us.html");
}

TEST(FoldersTest, TempFolderIsPersistentPerUserAndExists) {
  const QString temp = GetTempFolder();
  EXPECT_TRUE(temp.endsWith(QLatin1Char('/')));
  EXPECT_TRUE(temp.startsWith(test::TemporaryHome())) << temp.toStdString();
  EXPECT_TRUE(QDir(temp).exists());
}

}  // namespace
}  // namespace moxa
