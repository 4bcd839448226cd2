#include "app/MainWindow.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(MainWindowTest, OpensAtDesignSizeAndNeverBelowTheMinimum) {
  QTemporaryDir temp;
  MainWindow window(Folders::At(test::SourceDir(), temp.path()));
  window.show();
  EXPECT_EQ(window.size(), QSize(MainWindow::kDesignWidth, MainWindow::kDesignHeight));
  window.resize(400, 300);
  EXPECT_GE(window.width(), MainWindow::kMinimumWidth);
  EXPECT_GE(window.height(), MainWindow::kMinimumHeight);
  EXPECT_TRUE(window.close());
}

TEST(MainWindowTest, LoadsTheStoredSite) {
  Site stored;
  stored.SiteAccount.UnixName = QStringLiteral("mysite");
  TSitePage home;
  home.FileName = QStringLiteral("index");
  stored.AppendPage(home);
  ASSERT_TRUE(SaveAccount(stored));
  ASSERT_TRUE(SavePageTable(stored));

  QTemporaryDir temp;
  MainWindow window(Folders::At(test::SourceDir(), temp.path()));
  EXPECT_EQ(window.LoadStoredSite(), LoadSiteResult::Loaded);
  EXPECT_EQ(window.site().SiteAccount.UnixName, "mysite");
  EXPECT_EQ(window.site().PageCount(), 1);
}

}  // namespace
}  // namespace moxa
