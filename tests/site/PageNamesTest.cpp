#include "site/FolderOps.h"
#include "site/PageNames.h"
#include "site/StagedWorkFolder.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(PageNamesTest, OnlyPlainNamesCanNameAPageFile) {
  const struct {
    QString name;
    bool usable;
  } cases[] = {
      {QStringLiteral("index"), true},
      {QStringLiteral("about-us"), true},
      {QStringLiteral("Über-uns"), true},
      {QStringLiteral("back`quote"), true},
      {QString(), false},
      {QStringLiteral("../outside"), false},
      {QStringLiteral("sub/page"), false},
      {QStringLiteral("a\\b"), false},
      {QStringLiteral("page.html"), false},
      {QStringLiteral("my page"), false},
      {QStringLiteral("tab\there"), false},
      {QStringLiteral("nul") + QChar(0) + QStringLiteral("cut"), false},
      {QStringLiteral("line\nbreak"), false},
      {QStringLiteral("del") + QChar(0x7F), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsUsablePageFileName(c.name), c.usable) << c.name.toStdString();
  }
}

TEST(PageNamesTest, ALinkOutOfTheFolderDoesNotStayInside) {
  QTemporaryDir dir;
  const QString work = dir.filePath(QStringLiteral("work"));
  const QString outside = dir.filePath(QStringLiteral("outside.html"));
  QDir().mkpath(work);
  test::WriteBytes(outside, "not a page");
  QFile::link(outside, work + QStringLiteral("/linked.html"));
  EXPECT_TRUE(PathStaysInside(work, work + QStringLiteral("/index.html")));  // not there yet
  EXPECT_FALSE(PathStaysInside(work, work + QStringLiteral("/linked.html")));
  EXPECT_FALSE(PathStaysInside(work, work + QStringLiteral("/../outside.html")));
  EXPECT_FALSE(PathStaysInside(work, work));
}

TEST(RemoveTreeTest, ALinkIsRemovedAndWhatItPointsToIsKept) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("precious"));
  test::WriteBytes(target + QStringLiteral("/photo.jpg"), "photo");
  const QString bin = dir.filePath(QStringLiteral("work/bin"));
  QDir().mkpath(dir.filePath(QStringLiteral("work")));
  ASSERT_TRUE(QFile::link(target, bin));
  EXPECT_TRUE(RemoveTree(bin));
  EXPECT_FALSE(QFileInfo(bin).isSymLink());
  EXPECT_EQ(test::ReadBytes(target + QStringLiteral("/photo.jpg")), "photo");
}

TEST(StagedWorkFolderTest, SwapInReplacesTheWholeFolderAndDroppingItKeepsTheOld) {
  QTemporaryDir dir;
  const Folders folders = Folders::At(dir.filePath(QStringLiteral("program")), dir.path());
  test::WriteBytes(folders.PageFile(QStringLiteral("old")), "old site");
  {
    StagedWorkFolder staging(folders);
    ASSERT_TRUE(staging.Create());
    test::WriteBytes(staging.Staged().PageFile(QStringLiteral("new")), "new site");
  }  // dropped: the old site stays, no staging folder is left
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("old"))), "old site");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList({"wbx1988"}));

  StagedWorkFolder staging(folders);
  ASSERT_TRUE(staging.Create());
  test::WriteBytes(staging.Staged().PageFile(QStringLiteral("new")), "new site");
  ASSERT_TRUE(staging.SwapIn());
  EXPECT_FALSE(QFileInfo::exists(folders.PageFile(QStringLiteral("old"))));
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("new"))), "new site");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList({"wbx1988"}));
}

TEST(StagedWorkFolderTest, RecoveryCompletesASwapCutBetweenItsTwoRenames) {
  QTemporaryDir dir;
  const Folders folders = Folders::At(dir.filePath(QStringLiteral("program")), dir.path());
  const SettingsStore withoutId(dir.filePath(QStringLiteral("settings.conf")));  // as before ids
  test::WriteBytes(dir.filePath(QStringLiteral("wbx1988.old/index.html")), "old site");
  test::WriteBytes(dir.filePath(QStringLiteral("wbx1988.new/index.html")), "new site");
  RecoverWorkFolder(folders, withoutId);
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("index"))), "new site");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList({"wbx1988"}));

  // A staging folder beside a whole working folder is an unfinished build.
  test::WriteBytes(dir.filePath(QStringLiteral("wbx1988.new/index.html")), "half");
  RecoverWorkFolder(folders, withoutId);
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("index"))), "new site");
}

// The store names the folder it describes: a staged folder it names is
// swapped in, one it does not name goes, whatever state the folders are in.
TEST(StagedWorkFolderTest, RecoveryKeepsTheSideTheStoreNames) {
  QTemporaryDir dir;
  const Folders folders = Folders::At(dir.filePath(QStringLiteral("program")), dir.path());
  const QString storeFile = dir.filePath(QStringLiteral("settings.conf"));
  const auto stage = [&](const QByteArray& page, bool stored) {
    StagedWorkFolder staging(folders);
    ASSERT_TRUE(staging.Create());
    test::WriteBytes(staging.Staged().PageFile(QStringLiteral("index")), page);
    SettingsStore store(storeFile);
    ASSERT_TRUE(staging.MarkComplete(&store));
    if (stored) {
      ASSERT_TRUE(store.Commit());
    }
    // Copied beside it: the destructor of `staging` must not remove what a kill would leave.
    ASSERT_TRUE(CopyFolder(staging.Staged().WorkFolder(), dir.filePath(QStringLiteral("kept"))));
  };
  const auto leaveStaged = [&] {
    ASSERT_TRUE(RemoveTree(dir.filePath(QStringLiteral("wbx1988.new"))));
    ASSERT_TRUE(QDir().rename(dir.filePath(QStringLiteral("kept")), dir.filePath(QStringLiteral("wbx1988.new"))));
  };
  test::WriteBytes(folders.PageFile(QStringLiteral("index")), "first site");

  stage("second site", true);
  leaveStaged();
  RecoverWorkFolder(folders, SettingsStore(storeFile));
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("index"))), "second site");

  stage("never stored", false);
  leaveStaged();
  RecoverWorkFolder(folders, SettingsStore(storeFile));
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("index"))), "second site");

  // A copy of the working folder still carries its id until it is marked complete.
  ASSERT_TRUE(CopyFolder(folders.WorkFolder(), dir.filePath(QStringLiteral("wbx1988.new"))));
  test::WriteBytes(dir.filePath(QStringLiteral("wbx1988.new/index.html")), "half a change");
  RecoverWorkFolder(folders, SettingsStore(storeFile));
  EXPECT_EQ(test::ReadBytes(folders.PageFile(QStringLiteral("index"))), "second site");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList({"wbx1988"}));
}

}  // namespace
}  // namespace moxa
