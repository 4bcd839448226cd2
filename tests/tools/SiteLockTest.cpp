// One program at a time on the user's site: this process holds the lock as
// the window would, while moxa-tool runs as a second, real process.
#include "platform/SettingsStore.h"
#include "site/SiteLock.h"
#include "support/TestSupport.h"
#include "support/gui/Eventually.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace moxa {
namespace {

struct ToolRun {
  int exitCode = -1;
  QByteArray errors;
};

ToolRun RunTool(const QStringList& arguments) {
  QProcess tool;
  tool.start(QStringLiteral(MOXA_TOOL_PATH), arguments);
  tool.write("a-password\n");
  tool.closeWriteChannel();
  ToolRun run;
  if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = tool.exitCode();
  run.errors = tool.readAllStandardError();
  return run;
}

TEST(SiteLockTest, EveryCommandOnTheUserSiteIsRefusedWhileAnotherProgramHoldsIt) {
  const Folders folders = Folders::ForApplication();
  const QString settings = SettingsStore().FileName();
  const QByteArray settingsBefore = test::ReadBytes(settings);
  const QStringList pagesBefore = QDir(folders.WorkFolder()).entryList(QDir::Files);
  {
    SiteLock window(folders);
    ASSERT_TRUE(window.TryTake());
    const QStringList commands[] = {
        {QStringLiteral("site")},
        {QStringLiteral("publish")},
        {QStringLiteral("new-site"), QStringLiteral("garden"), QStringLiteral("--template"), QStringLiteral("1")},
        {QStringLiteral("login"), QStringLiteral("dana@moxa.test")},
    };
    for (const QStringList& command : commands) {
      const ToolRun run = RunTool(command);
      EXPECT_EQ(run.exitCode, 1) << command.first().toStdString();
      EXPECT_TRUE(run.errors.contains(SiteLock::HeldElsewhereMessage().toUtf8()))
          << command.first().toStdString() << ": " << run.errors.toStdString();
    }
    EXPECT_EQ(test::ReadBytes(settings), settingsBefore);
    EXPECT_EQ(QDir(folders.WorkFolder()).entryList(QDir::Files), pagesBefore);
  }
  // Let go, the site is the next program's.
  EXPECT_EQ(RunTool({QStringLiteral("site")}).exitCode, 0);
}

TEST(SiteLockTest, TheLockOfAKilledProgramIsTakenOver) {
  const Folders folders = Folders::ForApplication();
  QProcess tool;
  // It holds the site while it waits for the password.
  tool.start(QStringLiteral(MOXA_TOOL_PATH), {QStringLiteral("login"), QStringLiteral("dana@moxa.test")});
  ASSERT_TRUE(tool.waitForStarted());
  const QByteArray holder = QByteArray::number(tool.processId()) + '\n';
  ASSERT_TRUE(test::Eventually(
      [&] { return test::ReadBytes(SiteLock::LockFileName(folders)).startsWith(holder); }, 30000));
  SiteLock window(folders);
  EXPECT_FALSE(window.TryTake()) << "a running program holds it";
  tool.kill();
  ASSERT_TRUE(tool.waitForFinished());
  EXPECT_TRUE(window.TryTake());
}

}  // namespace
}  // namespace moxa
