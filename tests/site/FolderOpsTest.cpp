#include "site/FolderOps.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(CopyFolderTest, CopiesTreeAndHiddenFilesButKeepsExistingFiles) {
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("template/bin"));
  WriteBytes(source + QStringLiteral("/style.css"), "new style");
  WriteBytes(source + QStringLiteral("/.hidden"), "hidden");
  WriteBytes(source + QStringLiteral("/images/deep/logo.png"), "logo");
  const QString destination = dir.filePath(QStringLiteral("work/bin"));
  WriteBytes(destination + QStringLiteral("/style.css"), "earlier template's style");

  EXPECT_TRUE(CopyFolder(source, destination));

  EXPECT_EQ(ReadBytes(destination + QStringLiteral("/style.css")), "earlier template's style");
  EXPECT_EQ(ReadBytes(destination + QStringLiteral("/.hidden")), "hidden");
  EXPECT_EQ(ReadBytes(destination + QStringLiteral("/images/deep/logo.png")), "logo");
}

TEST(CopyFolderTest, CreatesOnlyOneLevelOfDestination) {
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("src"));
  WriteBytes(source + QStringLiteral("/a.txt"), "a");
  EXPECT_TRUE(CopyFolder(source, dir.filePath(QStringLiteral("one"))));
  EXPECT_EQ(ReadBytes(dir.filePath(QStringLiteral("one/a.txt"))), "a");

  EXPECT_FALSE(CopyFolder(source, dir.filePath(QStringLiteral("missing/parent"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

TEST(CopyFolderTest, MissingSourceDoesNothing) {
  QTemporaryDir dir;
  EXPECT_FALSE(CopyFolder(dir.filePath(QStringLiteral("absent")), dir.filePath(QStringLiteral("out"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out"))));
}

TEST(CopyFolderTest, DoesNotFollowALinkBackIntoTheTree) {
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("src"));
  WriteBytes(source + QStringLiteral("/a.txt"), "a");
  ASSERT_TRUE(QFile::link(source, source + QStringLiteral("/loop")));
  EXPECT_TRUE(CopyFolder(source, dir.filePath(QStringLiteral("out"))));
  EXPECT_EQ(ReadBytes(dir.filePath(QStringLiteral("out/a.txt"))), "a");
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out/loop"))));
}

TEST(ClearFolderFilesTest, RemovesTopLevelFilesAndKeepsSubFolders) {
  QTemporaryDir dir;
  const QString work = dir.filePath(QStringLiteral("work"));
  WriteBytes(work + QStringLiteral("/index.html"), "x");
  WriteBytes(work + QStringLiteral("/.hidden"), "x");
  WriteBytes(work + QStringLiteral("/bin/style.css"), "kept");

  ClearFolderFiles(work);

  EXPECT_EQ(QDir(work).entryList(QDir::Files | QDir::Hidden).size(), 0);
  EXPECT_EQ(ReadBytes(work + QStringLiteral("/bin/style.css")), "kept");
  ClearFolderFiles(dir.filePath(QStringLiteral("absent")));  // no effect, no failure
}

}  // namespace
}  // namespace moxa

namespace moxa {
namespace {

TEST(CopyFileReplacingTest, ReplacesTheTargetOrLeavesItWhole) {
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("a.html"));
  const QString target = dir.filePath(QStringLiteral("b.html"));
  test::WriteBytes(source, "new");
  test::WriteBytes(target, "old and longer");
  EXPECT_TRUE(CopyFileReplacing(source, target));
  EXPECT_EQ(test::ReadBytes(target), "new");

  EXPECT_FALSE(CopyFileReplacing(dir.filePath(QStringLiteral("absent.html")), target));
  EXPECT_EQ(test::ReadBytes(target), "new");
  EXPECT_FALSE(CopyFileReplacing(source, dir.filePath(QStringLiteral("no/such/folder.html"))));
}

}  // namespace
}  // namespace moxa
