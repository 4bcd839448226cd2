// The layout check finds what a user would see as broken: a small library
// with one faulty and one clean page, checked as a developer runs it.
#include "support/TestSupport.h"

#include <QProcess>

#include <algorithm>

#include <gtest/gtest.h>

namespace moxa {
namespace {

struct LayoutRun {
  int exitCode = -1;
  QStringList lines;
};

LayoutRun RunLayoutCheck() {
  QProcess tool;
  tool.start(QStringLiteral(MOXA_LAYOUT_PATH),
             {QStringLiteral("--data"), test::FixturesDir() + QStringLiteral("/layout-library")});
  LayoutRun run;
  if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = tool.exitCode();
  run.lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  return run;
}

TEST(LayoutToolTest, ReportsEachFaultAtEveryWindowSizeAndPassesACleanPage) {
  const LayoutRun run = RunLayoutCheck();
  ASSERT_EQ(run.exitCode, 1);
  const char* const sizes[] = {"1130 × 400", "1400 × 900", "390 × 844"};
  const char* const faults[] = {
      "the page is 1600 px wide in a",
      "\"Third line hidden below\" is cut off by its box",
      "\"Heading over the menu\" and \"First line of the card\" are drawn over one another",
      "\"Words under a plate\" is covered by <div class=\"plate\">",
  };
  for (const char* size : sizes) {
    for (const char* fault : faults) {
      SCOPED_TRACE(std::string(size) + ": " + fault);
      const QString prefix = QStringLiteral("template 1, index.html, %1").arg(QString::fromUtf8(size));
      EXPECT_TRUE(std::any_of(run.lines.begin(), run.lines.end(), [&](const QString& line) {
        return line.startsWith(prefix) && line.contains(QString::fromUtf8(fault));
      }));
    }
  }
  for (const QString& line : run.lines) EXPECT_FALSE(line.startsWith(QStringLiteral("template 2"))) << line.toStdString();
  EXPECT_EQ(run.lines.last(), QStringLiteral("pages 2, window sizes 3, faults %1").arg(run.lines.size() - 1));
}

}  // namespace
}  // namespace moxa
