#include "site/FileBatch.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class FileBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(Path("a.html"), "old a");
    test::WriteBytes(Path("b.html"), "old b");
    test::WriteBytes(Path("gone.html"), "to be removed");
  }
  QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
  QStringList Entries() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
  QTemporaryDir dir_;
};

TEST_F(FileBatchTest, CommitReplacesWritesAndRemovesTogether) {
  FileBatch batch;
  batch.Write(Path("a.html"), "new a");
  batch.Write(Path("c.html"), "new c");
  batch.Write(Path("a.html"), "newer a");  // the last content staged counts
  batch.Remove(Path("gone.html"));
  EXPECT_EQ(*batch.Staged(Path("a.html")), "newer a");
  ASSERT_TRUE(batch.Commit());
  EXPECT_EQ(test::ReadBytes(Path("a.html")), "newer a");
  EXPECT_EQ(test::ReadBytes(Path("b.html")), "old b");
  EXPECT_EQ(test::ReadBytes(Path("c.html")), "new c");
  EXPECT_EQ(Entries(), QStringList({"a.html", "b.html", "c.html"}));
}

TEST_F(FileBatchTest, AFullDiskWhilePreparingChangesNothing) {
  FileBatch batch;
  batch.Write(Path("a.html"), "small");
  batch.Write(Path("b.html"), QByteArray(5000, 'b'));
  batch.Remove(Path("gone.html"));
  {
    const test::FileSizeLimit full(1000);
    EXPECT_FALSE(batch.Prepare());
  }
  EXPECT_FALSE(batch.Apply());
  EXPECT_EQ(test::ReadBytes(Path("a.html")), "old a");
  EXPECT_EQ(test::ReadBytes(Path("b.html")), "old b");
  EXPECT_EQ(Entries(), QStringList({"a.html", "b.html", "gone.html"}));  // no temporary left
}

TEST_F(FileBatchTest, APreparedBatchDroppedUnappliedLeavesNoTrace) {
  {
    FileBatch batch;
    batch.Write(Path("a.html"), "new a");
    ASSERT_TRUE(batch.Prepare());
  }
  EXPECT_EQ(test::ReadBytes(Path("a.html")), "old a");
  EXPECT_EQ(Entries().size(), 3);
}

TEST_F(FileBatchTest, ANewFileIsReadableByOthersAndAReplacedOneKeepsItsPermissions) {
  QFile::setPermissions(Path("b.html"), QFile::ReadOwner | QFile::WriteOwner);
  FileBatch batch;
  batch.Write(Path("b.html"), "new b");
  batch.Write(Path("c.html"), "new c");
  ASSERT_TRUE(batch.Commit());
  const QFileDevice::Permissions kept = QFile::permissions(Path("b.html"));
  EXPECT_TRUE(kept & QFile::WriteOwner);
  EXPECT_FALSE(kept & (QFile::ReadGroup | QFile::ReadOther));
  EXPECT_TRUE(QFile::permissions(Path("c.html")) & QFile::ReadOther);
}

}  // namespace
}  // namespace moxa
