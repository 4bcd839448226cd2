#include "pages/MenuRebuild.h"

#include "MenuTemplates.h"
#include "support/FileSizeLimit.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace moxa {
namespace {

using test::TemplateFile;
using test::TemplatePage;

constexpr int kTemplate = 3;

class MenuRebuildTest : public ::testing::Test {
 protected:
  struct TemplateShape {
    MainMenuForm form = MainMenuForm::List;
    SecondMenuType second = SecondMenuType::None;
    bool withAboutUs = true;
    bool withContactUs = true;
    bool barWithoutLastSeparator = false;
  };

  void InstallTemplate(const TemplateShape& shape) {
    shape_ = shape;
    sandbox.WriteTemplateFile(kTemplate, QStringLiteral("index.html"), Page(TemplateFile::Index));
    if (shape.withAboutUs) {
      sandbox.WriteTemplateFile(kTemplate, QStringLiteral("about-us.html"),
                                Page(TemplateFile::AboutUs));
    }
    if (shape.withContactUs) {
      sandbox.WriteTemplateFile(kTemplate, QStringLiteral("contact-us.html"),
                                Page(TemplateFile::ContactUs));
    }
  }

  // Pages named by file name and label; each file starts as the template's home page.
  void AddPages(const std::vector<std::pair<const char*, const char*>>& pages) {
    for (const auto& [fileName, label] : pages) {
      TSitePage page;
      page.FileName = QString::fromUtf8(fileName);
      page.Label_ = QString::fromUtf8(label);
      page.ShowInMenu = true;
      site.AppendPage(page);
      sandbox.WriteWorkFile(page.FileName + QStringLiteral(".html"), Page(TemplateFile::Index));
    }
  }

  void AddFivePages() {
    AddPages({{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}, {"e", "E"}});
  }

  bool Rebuild() { return RebuildMenus(site, sandbox.folders(), kTemplate); }

  QByteArray File(const char* fileName) const {
    return sandbox.WorkFile(QString::fromUtf8(fileName) + QStringLiteral(".html"));
  }

  QString MainMenuOf(const char* fileName) const {
    const bool list = shape_.form == MainMenuForm::List || shape_.form == MainMenuForm::NestedSpan;
    return test::MenuSignature(File(fileName), "sys_navigation", list ? "</ul>" : "</div>");
  }

  QString SecondMenuOf(const char* fileName) const {
    const bool list =
        shape_.second == SecondMenuType::Type1 || shape_.second == SecondMenuType::Type1b;
    return test::MenuSignature(File(fileName), "<!-- 2nd Menu Type", list ? "</ul>" : "</div>");
  }

  test::Sandbox sandbox;
  Site site;

 private:
  QByteArray Page(TemplateFile file) const {
    return TemplatePage(shape_.form, shape_.second, file, shape_.barWithoutLastSeparator);
  }

  TemplateShape shape_;
};

TEST_F(MenuRebuildTest, OnePageGetsTheHomeItemOfIndex) {
  InstallTemplate({});
  AddPages({{"index", "Home"}});
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(MainMenuOf("index"), "i-cur index.html Home");
}

TEST_F(MenuRebuildTest, TwoPagesTakeTheLastPageItemFromContactUs) {
  InstallTemplate({});
  AddPages({{"index", "Home"}, {"second", "Second"}});
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(MainMenuOf("index"), "i-cur index.html Home ; i second.html Second");
  EXPECT_EQ(MainMenuOf("second"), "c index.html Home ; c-cur second.html Second");
}

TEST_F(MenuRebuildTest, EveryMainMenuFormListsFivePagesWithTheRightCurrentItem) {
  for (MainMenuForm form : {MainMenuForm::List, MainMenuForm::Span, MainMenuForm::Bar,
                            MainMenuForm::NestedSpan}) {
    SCOPED_TRACE(static_cast<int>(form));
    site.ClearPages();
    InstallTemplate({.form = form});
    AddFivePages();
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(MainMenuOf("a"), "i-cur a.html A ; i b.html B ; i c.html C ; i d.html D ; i e.html E");
    EXPECT_EQ(MainMenuOf("c"), "a a.html A ; a b.html B ; a-cur c.html C ; a d.html D ; a e.html E");
    EXPECT_EQ(MainMenuOf("e"), "c a.html A ; c b.html B ; c c.html C ; c d.html D ; c-cur e.html E");
    for (const TSitePage& page : site.SitePages()) EXPECT_TRUE(page.Changed);
  }
}

TEST_F(MenuRebuildTest, MenusFollowTheNewOrderAndPageZeroTakesTheHomeItem) {
  InstallTemplate({});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  ASSERT_TRUE(Rebuild());
  std::swap(site.SitePages()[0], site.SitePages()[2]);
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(MainMenuOf("c"), "i-cur c.html C ; i b.html B ; i index.html Home");
  EXPECT_EQ(MainMenuOf("index"), "c c.html C ; c b.html B ; c-cur index.html Home");
}

TEST_F(MenuRebuildTest, EverySecondMenuTypeIsRebuilt) {
  for (SecondMenuType type : {SecondMenuType::Type1, SecondMenuType::Type1b, SecondMenuType::Type2,
                              SecondMenuType::Type2b}) {
    SCOPED_TRACE(static_cast<int>(type));
    site.ClearPages();
    InstallTemplate({.second = type});
    AddFivePages();
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(SecondMenuOf("c"),
              "fa a.html A ; fa b.html B ; fa-cur c.html C ; fa d.html D ; fa e.html E");
    EXPECT_EQ(MainMenuOf("c"), "a a.html A ; a b.html B ; a-cur c.html C ; a d.html D ; a e.html E");
  }
}

TEST_F(MenuRebuildTest, SeparatorsStandBetweenItemsOnly) {
  InstallTemplate({.second = SecondMenuType::Type1b});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  ASSERT_TRUE(Rebuild());
  EXPECT_TRUE(File("index").contains(
      "<!-- 2nd Menu Type 1b -->\r\n<ul class=\"foot\">\r\n"
      "<li class=\"fi-cur\"><a href=\"index.html\">Home</a></li>\r\n"
      "<li><span class=\"nav_sep\">|</span></li>\r\n"
      "<li class=\"fi\"><a href=\"b.html\">B</a></li>\r\n"
      "<li><span class=\"nav_sep\">|</span></li>\r\n"
      "<li class=\"fi\"><a href=\"c.html\">C</a></li>\r\n</ul>"));

  site.ClearPages();
  InstallTemplate({.second = SecondMenuType::Type2b});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  ASSERT_TRUE(Rebuild());
  EXPECT_TRUE(File("c").contains(
      "<!-- 2nd Menu Type 2b -->\r\n<div class=\"foot\">\r\n"
      "<a class=\"fc\" href=\"index.html\">Home</a>\r\n | \r\n"
      "<a class=\"fc\" href=\"b.html\">B</a>\r\n | \r\n"
      "<a class=\"fc-cur\" href=\"c.html\">C</a>\r\n</div>"));
}

TEST_F(MenuRebuildTest, BarFormWithoutTrailingSeparatorLeavesTheLastPageOut) {
  InstallTemplate({.form = MainMenuForm::Bar, .barWithoutLastSeparator = true});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(MainMenuOf("index"), "i-cur index.html Home ; i b.html B");
}

TEST_F(MenuRebuildTest, MissingAboutAndContactFilesFallBackToIndex) {
  InstallTemplate({.withAboutUs = false, .withContactUs = false});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(MainMenuOf("b"), "i-cur index.html Home ; i b.html B ; i c.html C");
  EXPECT_EQ(MainMenuOf("c"), "i-cur index.html Home ; i b.html B ; i c.html C");
}

TEST_F(MenuRebuildTest, LabelsAreEscapedAndNeverRewrittenAsLinks) {
  InstallTemplate({});
  AddPages({{"index", "Home & Garden"}, {"homes", "a<b \"q\""}, {"c", "Go home ./ index.php"}});
  ASSERT_TRUE(Rebuild());
  const QByteArray page = File("index");
  EXPECT_TRUE(page.contains(">Home &amp; Garden</a>")) << page.toStdString();
  EXPECT_TRUE(page.contains("href=\"homes.html\">a&lt;b \"q\"</a>")) << page.toStdString();
  EXPECT_TRUE(page.contains("href=\"c.html\">Go home ./ index.php</a>")) << page.toStdString();
}

TEST_F(MenuRebuildTest, RebuildingAgainChangesNothing) {
  InstallTemplate({.second = SecondMenuType::Type2b});
  AddFivePages();
  ASSERT_TRUE(Rebuild());
  const QByteArray first = File("c");
  ASSERT_TRUE(Rebuild());
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(File("c"), first);
}

TEST_F(MenuRebuildTest, PageWithoutMarkerKeepsItsMainMenu) {
  InstallTemplate({.second = SecondMenuType::Type1});
  AddPages({{"index", "Home"}, {"b", "B"}});
  QByteArray page = File("b");
  page.replace("sys_navigation", "no_marker");
  sandbox.WriteWorkFile(QStringLiteral("b.html"), page);
  ASSERT_TRUE(Rebuild());
  EXPECT_TRUE(File("b").contains("<li class=\"I-Cur\"><a href=\"./\">Home</a></li>"));
  EXPECT_EQ(SecondMenuOf("b"), "fc index.html Home ; fc-cur b.html B");
}

TEST_F(MenuRebuildTest, UnknownTemplateMarkupLeavesMainMenusAlone) {
  sandbox.WriteTemplateFile(kTemplate, QStringLiteral("index.html"), "<p>no menu here</p>");
  const QByteArray page = TemplatePage(MainMenuForm::List, SecondMenuType::None, TemplateFile::Index);
  TSitePage record;
  record.FileName = QStringLiteral("index");
  site.AppendPage(record);
  sandbox.WriteWorkFile(QStringLiteral("index.html"), page);
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(File("index"), page);
}

TEST_F(MenuRebuildTest, MissingPageFileIsNotCreated) {
  InstallTemplate({});
  AddPages({{"index", "Home"}, {"gone", "Gone"}});
  QFile::remove(sandbox.folders().PageFile(QStringLiteral("gone")));
  ASSERT_TRUE(Rebuild());
  EXPECT_FALSE(sandbox.WorkFileExists(QStringLiteral("gone.html")));
  EXPECT_EQ(MainMenuOf("index"), "i-cur index.html Home ; i gone.html Gone");
}

// Without the template's home page there is nothing to copy items from:
// every menu would be emptied. Nothing is rewritten then, and on a full disk
// no page gets its new menus unless every page does.
TEST_F(MenuRebuildTest, AMissingTemplateOrAFullDiskRewritesNoPage) {
  InstallTemplate({});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  ASSERT_TRUE(Rebuild());
  site.Page(1).Label_ = QStringLiteral("Renamed");
  const QByteArray index = File("index");
  const QByteArray b = File("b");
  {
    const test::FileSizeLimit full(static_cast<rlim_t>(index.size()) - 10);
    EXPECT_FALSE(Rebuild());
  }
  EXPECT_EQ(File("index"), index);
  EXPECT_EQ(File("b"), b);

  QFile::remove(sandbox.folders().TemplateFolder(kTemplate) + QStringLiteral("index.html"));
  EXPECT_FALSE(Rebuild());
  EXPECT_EQ(File("index"), index);
  EXPECT_EQ(File("b"), b);
}

TEST(MenuFormTest, RecognisesFormsInOrderAndSecondMenuTypes) {
  EXPECT_EQ(RecognizeMainMenuForm("x home</a></li> home</a></span>"), MainMenuForm::List);
  EXPECT_EQ(RecognizeMainMenuForm("home</a></span>"), MainMenuForm::Span);
  EXPECT_EQ(RecognizeMainMenuForm("home</a> |"), MainMenuForm::Bar);
  EXPECT_EQ(RecognizeMainMenuForm("home</span></a></li>"), MainMenuForm::NestedSpan);
  EXPECT_EQ(RecognizeMainMenuForm("Home</a></li>"), MainMenuForm::None);  // expects lowered text
  EXPECT_EQ(RecognizeSecondMenuType("x<!-- 2nd Menu Type 1b -->"), SecondMenuType::Type1b);
  EXPECT_EQ(RecognizeSecondMenuType("x<!-- 2nd Menu Type 2b --><!-- 2nd Menu Type 2 -->"),
            SecondMenuType::Type2);
  EXPECT_EQ(RecognizeSecondMenuType("<!-- 2nd Menu Type 1 -->"), SecondMenuType::None);
  EXPECT_EQ(RecognizeSecondMenuType("x<!-- 2nd Menu Type 3 -->"), SecondMenuType::None);
}

}  // namespace
}  // namespace moxa

namespace moxa {
namespace {

TEST_F(MenuRebuildTest, TheOpenPagesWorkingCopyFollowsAndKeepsItsEdits) {
  InstallTemplate({});
  AddPages({{"index", "Home"}, {"b", "B"}, {"c", "C"}});
  site.OpenPageFileName = QStringLiteral("b");
  QByteArray copy = File("b");
  copy.replace("Content of index", "Unsaved <a href=\"#c.html\">edit</a>");
  copy.replace("href=\"./\"", "href=\"#./\"");
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), copy);

  std::swap(site.SitePages()[1], site.SitePages()[2]);
  ASSERT_TRUE(Rebuild());
  const QByteArray working = sandbox.WorkFile(QStringLiteral("editpage_.html"));
  EXPECT_TRUE(working.contains("Unsaved <a href=\"#c.html\">edit</a>")) << working.toStdString();
  EXPECT_EQ(test::MenuSignature(working, "sys_navigation", "</ul>"),
            "c #index.html Home ; c #c.html C ; c-cur #b.html B");  // b is now the last page
}

}  // namespace
}  // namespace moxa
