// A template that ships only index.html still makes a whole site: every page
// starts as a copy of its home page and every menu links the site's own
// pages. Built from the index-only fixture library, on real files.
#include "site/Folders.h"
#include "site/Site.h"
#include "support/TestSupport.h"
#include "templates/SiteCreation.h"
#include "templates/TemplateLibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace moxa {
namespace {

TEST(IndexOnlyTemplateTest, EveryPageOfANewSiteIsACopyOfTheHomePage) {
  QTemporaryDir work;
  ASSERT_TRUE(work.isValid());
  const Folders folders =
      Folders::WithDataAndWork(test::FixturesDir() + QStringLiteral("/index-only-library"), work.path());
  ASSERT_EQ(TemplateLibrary::Scan(folders).Numbers(), std::vector<int>{1});

  Site site;
  ASSERT_TRUE(CreateSite(site, folders, 1, nullptr));
  ASSERT_EQ(site.PageCount(), 4);
  for (const TSitePage& page : site.SitePages()) {
    SCOPED_TRACE(page.FileName.toStdString());
    const QByteArray file = test::ReadBytes(folders.PageFile(page.FileName));
    EXPECT_TRUE(file.contains("<h1>Fresh every morning</h1>")) << "not the home page's content";
    EXPECT_TRUE(file.contains("<title>" + page.Label_.toUtf8() + "</title>"));
    for (const TSitePage& linked : site.SitePages()) {
      EXPECT_TRUE(file.contains("<a href=\"" + linked.FileName.toUtf8() + ".html\">" + linked.Label_.toUtf8() + "</a>"))
          << "no menu item for " << linked.FileName.toStdString();
    }
    EXPECT_FALSE(file.contains(".php"));
    EXPECT_FALSE(file.contains("href=\"./\""));
    // index.html is the only source of menu items, and there home is current.
    EXPECT_TRUE(file.contains("<li class=\"current\"><a href=\"index.html\">Home</a></li>"));
    EXPECT_EQ(file.count("class=\"current\""), 1);
    EXPECT_TRUE(test::ReadBytes(folders.PreviewPageFile(page.FileName)).contains("<h1>Fresh every morning</h1>"));
  }
  EXPECT_EQ(test::ReadBytes(folders.WorkFolder() + QStringLiteral("bin/style.css")),
            test::ReadBytes(folders.TemplateFolder(1) + QStringLiteral("bin/style.css")));
}

}  // namespace
}  // namespace moxa
