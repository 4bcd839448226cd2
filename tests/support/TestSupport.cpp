#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

namespace moxa::test {
namespace {
QString& HomePath() {
  static QString path;
  return path;
}
}  // namespace

QString TemporaryHome() { return HomePath(); }

void PrepareTemporaryHome() {
  QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/moxa-test-home-XXXXXX";
  const char* made = mkdtemp(pattern.data());
  if (!made) std::abort();
  HomePath() = QString::fromLocal8Bit(made);
  const QByteArray home = made;
  setenv("HOME", home.constData(), 1);
  setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
  setenv("XDG_DATA_HOME", (home + "/.local/share").constData(), 1);
  setenv("XDG_CACHE_HOME", (home + "/.cache").constData(), 1);
  QDir().mkpath(HomePath() + QStringLiteral("/.config"));
  // No keychain unless the test runs on a private bus of its own
  // (with-private-keyring): the user's keychain is never touched.
  if (qEnvironmentVariableIsEmpty("MOXA_TEST_PRIVATE_BUS")) {
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + home + "/no-session-bus").constData(), 1);
  }
}

int FileMode(const QString& path) {
  struct stat info {};
  if (stat(QFile::encodeName(path).constData(), &info) != 0) return -1;
  return static_cast<int>(info.st_mode & 07777);
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace moxa::test
