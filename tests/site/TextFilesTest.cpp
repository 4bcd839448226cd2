#include "site/TextFiles.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(ReadTextFileTest, NormalisesEveryLineEndToCrLf) {
  const struct {
    const char* name;
    QByteArray file;
    QByteArray expected;
  } cases[] = {
      {"lf, no final break", "a\nb", "a\r\nb\r\n"},
      {"crlf", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"lone cr", "a\rb\r", "a\r\nb\r\n"},
      {"mixed", "a\r\r\nb\nc", "a\r\n\r\nb\r\nc\r\n"},
      {"empty lines kept", "a\n\n\nb\n", "a\r\n\r\n\r\nb\r\n"},
      {"only a break", "\n", "\r\n"},
      {"empty file", "", ""},
      {"utf-8 bytes untouched", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\n",
       "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\r\n"},
      {"nul byte kept", QByteArray("a\0b\n", 4), QByteArray("a\0b\r\n", 5)},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    const QString path = dir.filePath(QStringLiteral("in.txt"));
    WriteBytes(path, c.file);
    bool ok = false;
    EXPECT_EQ(ReadTextFile(path, &ok), c.expected) << c.name;
    EXPECT_TRUE(ok) << c.name;
  }
}

TEST(ReadTextFileTest, MissingFileIsEmptyNotAnError) {
  QTemporaryDir dir;
  bool ok = false;
  EXPECT_EQ(ReadTextFile(dir.filePath(QStringLiteral("absent.html")), &ok), QByteArray());
  EXPECT_TRUE(ok);
}

TEST(ReadTextFileTest, FolderAtThePathIsAnError) {
  QTemporaryDir dir;
  bool ok = true;
  EXPECT_EQ(ReadTextFile(dir.path(), &ok), QByteArray());
  EXPECT_FALSE(ok);
}

TEST(WriteTextFileTest, EndsWithExactlyOneCrLf) {
  const struct {
    QByteArray text;
    QByteArray expected;
  } cases[] = {
      {"x", "x\r\n"},
      {"x\r\n", "x\r\n"},
      {"", "\r\n"},
      {"a\r\nb\r\n\r\n", "a\r\nb\r\n\r\n"},
      {"x\n", "x\n\r\n"},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out.html"));
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteTextFile(c.text, path));
    EXPECT_EQ(ReadBytes(path), c.expected) << c.text.toStdString();
  }
}

TEST(WriteTextFileTest, ReadModifyWriteLeavesTheFileUnchanged) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.html"));
  WriteBytes(path, "first\nsecond");
  for (int round = 0; round < 3; ++round) ASSERT_TRUE(WriteTextFile(ReadTextFile(path), path));
  EXPECT_EQ(ReadBytes(path), "first\r\nsecond\r\n");
}

TEST(WriteTextFileTest, FailureLeavesNoFileAndNoTemporaryBehind) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteTextFile("x", dir.filePath(QStringLiteral("missing/folder/page.html"))));

  // A folder where the file should go: the write fails and the folder stays.
  const QString blocked = dir.filePath(QStringLiteral("blocked.html"));
  ASSERT_TRUE(QDir().mkdir(blocked));
  EXPECT_FALSE(WriteTextFile("x", blocked));
  EXPECT_TRUE(QFileInfo(blocked).isDir());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST(WriteTextFileTest, ReplacesAnExistingFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.html"));
  WriteBytes(path, QByteArray(10000, 'a'));
  ASSERT_TRUE(WriteTextFile("short", path));
  EXPECT_EQ(ReadBytes(path), "short\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("page.html")});
}

}  // namespace
}  // namespace moxa
