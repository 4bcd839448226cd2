#include "platform/SaveFileCommit.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(SaveFileCommitTest, AShortWriteIsNeverRenamedOverTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.html"));
  test::WriteBytes(path, "the old page");
  QSaveFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  {
    const test::FileSizeLimit full(100);
    // Buffered: the write itself seems to succeed, the flush does not.
    EXPECT_EQ(file.write(QByteArray(4000, 'x')), 4000);
    EXPECT_FALSE(CommitSaveFile(file));
  }
  EXPECT_EQ(test::ReadBytes(path), "the old page");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(SaveFileCommitTest, AWholeWriteIsCommitted) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.html"));
  QSaveFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("new");
  EXPECT_TRUE(CommitSaveFile(file));
  EXPECT_EQ(test::ReadBytes(path), "new");
}

}  // namespace
}  // namespace moxa
