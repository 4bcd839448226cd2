#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

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
