// The user's site from a shell: made, published to the reference hosting
// service and shown, each as a real moxa-tool process in this test's home.
#include "platform/HttpFetch.h"
#include "platform/SettingsStore.h"
#include "site/SiteStore.h"
#include "site/Folders.h"
#include "site/KillPoint.h"
#include "support/ReferenceService.h"
#include "support/SilentServer.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace moxa {
namespace {

struct ToolRun {
  int exitCode = -1;
  QString out;
  QString err;
  bool killed = false;
};

// With `killAt`, the tool is killed at that point of its work.
ToolRun RunTool(const QStringList& arguments, const QByteArray& input = {}, const char* killAt = nullptr) {
  QProcess tool;
  if (killAt) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kKillPointVariable), QString::fromLatin1(killAt));
    tool.setProcessEnvironment(environment);
  }
  tool.start(QStringLiteral(MOXA_TOOL_PATH), arguments);
  tool.write(input);
  tool.closeWriteChannel();
  ToolRun run;
  if (!tool.waitForFinished(120000)) return run;
  run.killed = tool.exitStatus() == QProcess::CrashExit;
  if (tool.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = tool.exitCode();
  run.out = QString::fromUtf8(tool.readAllStandardOutput());
  run.err = QString::fromUtf8(tool.readAllStandardError());
  return run;
}

TEST(SiteCommandsTest, NewSitePublishAndShowWorkOnTheUsersOwnSite) {
  test::ReferenceService service;
  ASSERT_TRUE(service.Running()) << service.StartOutput().toStdString();
  const QStringList at = {QStringLiteral("--service"), service.Endpoints().WebHost,
                          QStringLiteral("--ftp"), service.Endpoints().FtpHost};

  EXPECT_EQ(RunTool({QStringLiteral("new-site"), QStringLiteral("x"), QStringLiteral("--template"),
                     QStringLiteral("1")}).exitCode, 1);  // too short, as on the start screen
  const ToolRun made = RunTool({QStringLiteral("new-site"), QStringLiteral("Shell Site"),
                                QStringLiteral("--template"), QStringLiteral("4")});
  ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();

  const ToolRun published = RunTool(QStringList{QStringLiteral("publish")} + at);
  ASSERT_EQ(published.exitCode, 0) << published.err.toStdString();
  EXPECT_TRUE(published.out.contains(QStringLiteral("Publishing page 1 of ")));
  const QString address = service.Endpoints().SiteAddress(QStringLiteral("shell-site"));
  EXPECT_TRUE(published.out.contains(QStringLiteral("http://") + address)) << published.out.toStdString();
  EXPECT_TRUE(FetchUrlText(("http://" + address + "/?p=contact-us.html").toUtf8())
                  .contains(QStringLiteral("/wbx/templates/4/bin/")));

  const ToolRun shown = RunTool({QStringLiteral("site")});
  ASSERT_EQ(shown.exitCode, 0);
  EXPECT_TRUE(shown.out.contains(QStringLiteral("site name: shell-site\nregistered: yes\n"))) << shown.out.toStdString();
  EXPECT_TRUE(shown.out.contains(QStringLiteral("  contact-us.html\tContact Us\tmenu yes\thome no\tchanged no\n")));

  service.StopFtp();
  const ToolRun failed = RunTool(QStringList{QStringLiteral("publish")} + at);
  EXPECT_EQ(failed.exitCode, 0) << "nothing changed, nothing to upload";
  EXPECT_EQ(RunTool({QStringLiteral("new-site"), QStringLiteral("Second Site"), QStringLiteral("--template"),
                     QStringLiteral("2")}).exitCode, 0);
  const ToolRun broken = RunTool(QStringList{QStringLiteral("publish")} + at);
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_TRUE(broken.err.contains(QStringLiteral(
      "There was a problem publishing your site. Please check your internet connection. (")))
      << broken.err.toStdString();
}

// The tool opens the user's site as the program does and says the same about
// stored pages it has to leave out.
TEST(SiteCommandsTest, StoredPagesThatCannotBeOpenedAreNamed) {
  ASSERT_EQ(RunTool({QStringLiteral("new-site"), QStringLiteral("Named Pages"), QStringLiteral("--template"),
                     QStringLiteral("1")}).exitCode, 0);
  {
    SettingsStore store;
    Site site;
    ASSERT_EQ(LoadSite(store, site).Result, LoadSiteResult::Loaded);
    site.Page(2).FileName = QStringLiteral("../outside");
    ASSERT_TRUE(SavePageTable(site, store));
  }
  const ToolRun shown = RunTool({QStringLiteral("site")});
  ASSERT_EQ(shown.exitCode, 0);
  EXPECT_TRUE(shown.err.contains(QStringLiteral(
      "These pages could not be opened because their file names cannot be used, and were left out: ../outside")))
      << shown.err.toStdString();
  EXPECT_FALSE(shown.out.contains(QStringLiteral("outside")));
}

TEST(SiteCommandsTest, LoginBringsTheSiteDownWithThePasswordFromStandardInput) {
  test::ReferenceService service;
  ASSERT_TRUE(service.Running()) << service.StartOutput().toStdString();
  const QStringList login = {QStringLiteral("login"), QStringLiteral("demo@moxa.test"), QStringLiteral("--service"),
                             service.Endpoints().WebHost};
  EXPECT_EQ(RunTool(login, "\n").exitCode, 1);
  const ToolRun refused = RunTool(login, "wrong\n");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("The login details you entered are incorrect. Please try again.")));
  const ToolRun done = RunTool(login, "demo-site-1\n");
  ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
  EXPECT_TRUE(RunTool({QStringLiteral("site")}).out.contains(QStringLiteral("site name: demo\n")));
}

TEST(SiteCommandsTest, APublishKilledAfterTheRegistrationDoesNotRegisterTheSiteAgain) {
  test::ReferenceService service;
  ASSERT_TRUE(service.Running()) << service.StartOutput().toStdString();
  ASSERT_EQ(RunTool({QStringLiteral("new-site"), QStringLiteral("Killed Site"), QStringLiteral("--template"),
                     QStringLiteral("1")}).exitCode, 0);

  // The uploads go to a server that never answers; the publish is killed
  // once it is waiting there, after the registration.
  test::SilentServer hanging;
  ASSERT_TRUE(hanging.Listening());
  QProcess tool;
  tool.start(QStringLiteral(MOXA_TOOL_PATH),
             {QStringLiteral("publish"), QStringLiteral("--service"), service.Endpoints().WebHost,
              QStringLiteral("--ftp"), QStringLiteral("127.0.0.1:%1").arg(hanging.Port())});
  ASSERT_TRUE(hanging.WaitForCaller());
  tool.kill();
  tool.waitForFinished();

  const ToolRun shown = RunTool({QStringLiteral("site")});
  EXPECT_TRUE(shown.out.contains(QStringLiteral("site name: killed-site\nregistered: yes\n"))) << shown.out.toStdString();

  const ToolRun published = RunTool({QStringLiteral("publish"), QStringLiteral("--service"), service.Endpoints().WebHost,
                                     QStringLiteral("--ftp"), service.Endpoints().FtpHost});
  ASSERT_EQ(published.exitCode, 0) << published.err.toStdString();
  EXPECT_TRUE(published.out.contains(QStringLiteral("http://") + service.Endpoints().SiteAddress(QStringLiteral("killed-site")) + u'\n'))
      << published.out.toStdString();
  EXPECT_FALSE(QFileInfo::exists(service.StateFolder() + QStringLiteral("/ftp/moxasites/killed-site2")));
}

// New Site and Login killed after the new site was stored but before its
// folder was swapped in: the next run of the tool finishes the swap, as the
// program's start does, so the pages are those of the stored site.
TEST(SiteCommandsTest, ANewSiteOrLoginKilledBeforeTheSwapIsFinishedByTheNextRun) {
  test::ReferenceService service;
  ASSERT_TRUE(service.Running()) << service.StartOutput().toStdString();
  const QString style = Folders::ForApplication().WorkFolder() + QStringLiteral("bin/style.css");
  const auto templateStyle = [](int number) {
    return test::ReadBytes(test::SourceDir() + QStringLiteral("/data/templates/%1/bin/style.css").arg(number));
  };
  ASSERT_EQ(RunTool({QStringLiteral("new-site"), QStringLiteral("First Site"), QStringLiteral("--template"),
                     QStringLiteral("1")}).exitCode, 0);

  EXPECT_TRUE(RunTool({QStringLiteral("new-site"), QStringLiteral("Second Site"), QStringLiteral("--template"),
                       QStringLiteral("2")}, {}, "before-swap").killed);
  const ToolRun second = RunTool({QStringLiteral("site")});
  EXPECT_TRUE(second.out.contains(QStringLiteral("site name: Second-Site\n"))) << second.out.toStdString();
  EXPECT_EQ(test::ReadBytes(style), templateStyle(2));

  EXPECT_TRUE(RunTool({QStringLiteral("login"), QStringLiteral("demo@moxa.test"), QStringLiteral("--service"),
                       service.Endpoints().WebHost}, "demo-site-1\n", "before-swap").killed);
  const ToolRun demo = RunTool({QStringLiteral("site")});
  EXPECT_TRUE(demo.out.contains(QStringLiteral("site name: demo\n"))) << demo.out.toStdString();
  EXPECT_EQ(test::ReadBytes(style), templateStyle(1));
  EXPECT_TRUE(QFileInfo::exists(Folders::ForApplication().WorkFolder() + QStringLiteral(".moxa-folder-id")));
}

}  // namespace
}  // namespace moxa
