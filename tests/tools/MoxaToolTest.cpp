// The developer command run as a user runs it: a real process on real folders.
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class MoxaToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(
        Run({QStringLiteral("create-site"), QStringLiteral("--data"), Data(),
             QStringLiteral("--work"), Work(), QStringLiteral("--template"), QStringLiteral("1")}),
        0);
  }
  static QString Data() { return test::SourceDir() + QStringLiteral("/data"); }
  QString Work() const { return dir_.filePath(QStringLiteral("site")); }
  QByteArray Page(const char* name) const {
    return test::ReadBytes(Work() + QLatin1Char('/') + QLatin1String(name) +
                           QStringLiteral(".html"));
  }
  int RebuildMenus(const QString& pages) {
    return Run({QStringLiteral("rebuild-menus"), QStringLiteral("--data"), Data(),
                QStringLiteral("--work"), Work(), QStringLiteral("--template"), QStringLiteral("1"),
                QStringLiteral("--pages"), pages});
  }
  static int Run(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(MOXA_TOOL_PATH), arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) return -1;
    return tool.exitCode();
  }
  QTemporaryDir dir_;
};

TEST_F(MoxaToolTest, AFullDiskIsAFailureAndLeavesEveryPageWhole) {
  const QByteArray index = Page("index");
  const QByteArray about = Page("about-us");
  {
    const test::FileSizeLimit full(64);  // the tool inherits it
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(RebuildMenus(QStringLiteral("index:Start,about-us:Who")), 1);
  }
  EXPECT_EQ(Page("index"), index);
  EXPECT_EQ(Page("about-us"), about);
}

TEST_F(MoxaToolTest, NamesThatAreNoPageNamesAreRefusedAndNothingIsWritten) {
  const QString outside = dir_.filePath(QStringLiteral("outside.html"));
  test::WriteBytes(outside, "not a page of the site");
  const QByteArray index = Page("index");
  for (const QString& pages :
       {QStringLiteral("index:Home,../outside:Out"), QStringLiteral("index:Home,tab\there:Tab"),
        QStringLiteral("index:Home,:Empty"), QStringLiteral("index:Home,index:Twice")}) {
    EXPECT_EQ(RebuildMenus(pages), 2) << pages.toStdString();
  }
  EXPECT_EQ(test::ReadBytes(outside), "not a page of the site");
  EXPECT_EQ(Page("index"), index);
}

TEST_F(MoxaToolTest, AHiddenPageIsLeftOutOfTheMenus) {
  ASSERT_EQ(RebuildMenus(QStringLiteral("index:Home,about-us:About Us:hidden,contact-us:Contact")),
            0);
  EXPECT_FALSE(Page("index").contains("href=\"about-us.html\""));
  EXPECT_TRUE(Page("index").contains("href=\"contact-us.html\""));
  EXPECT_TRUE(Page("about-us").contains("href=\"index.html\""));
}

}  // namespace
}  // namespace moxa
