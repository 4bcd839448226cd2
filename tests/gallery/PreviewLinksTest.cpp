// Links followed inside a preview: a page of the previewed folder is shown,
// the hosted site's ".php" and "./" forms lead to the local files, anything
// else does nothing; never the browser's error page.
#include "pages/PreviewLinks.h"
#include "app/gallery/PreviewPanel.h"

#include "support/TestSupport.h"
#include "support/gui/PageScript.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace moxa {
namespace {

QString TemplateFolder(int number) {
  return test::SourceDir() + QStringLiteral("/data/templates/%1").arg(number);
}

TEST(PreviewLinkTargetTest, MapsTheHostedFormsAndRefusesTheRest) {
  const QString root = TemplateFolder(1);
  const QUrl page = QUrl::fromLocalFile(root + QStringLiteral("/template_preview.html"));
  const struct {
    const char* link;
    const char* shown;  // "" when the link does nothing
  } cases[] = {
      {"about-us.php", "about-us.html"},
      {"contact-us.html", "contact-us.html"},
      {"./", "index.html"},
      {"PICTURE-GALLERY.PHP", ""},  // no such file on a case-sensitive disk
      {"picture-gallery.php#top", "picture-gallery.html#top"},
      {"missing.php", ""},
      {"missing.html", ""},
      {"bin/", ""},  // a folder without an index page
      {"../2/index.html", ""},
      {"../", ""},
      {"mailto:hello@oakline.example", ""},
      {"https://example.org/about-us.php", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    const std::optional<QUrl> target = PreviewLinkTarget(page.resolved(QUrl(QString::fromUtf8(c.link))), root);
    if (*c.shown == '\0') {
      EXPECT_FALSE(target.has_value()) << target->toString().toStdString();
    } else {
      ASSERT_TRUE(target.has_value());
      EXPECT_EQ(*target, QUrl::fromLocalFile(root + QLatin1Char('/')).resolved(QUrl(QString::fromUtf8(c.shown))));
    }
  }
}

// The template's own menu links, and links put into its page, clicked in
// the real browser engine.
TEST(PreviewPanelLinksTest, TemplateMenuLinksShowTheTemplatesPagesOrNothing) {
  const Pictures pictures(test::SourceDir() + QStringLiteral("/data/"));
  QWidget host;
  host.resize(1000, 700);
  auto* panel = new PreviewPanel(pictures, &host);
  panel->LayoutPreviewPanel();
  panel->show();
  host.show();
  QWebEngineView* view = panel->view();
  const QString root = TemplateFolder(1);
  const QUrl start = QUrl::fromLocalFile(root + QStringLiteral("/template_preview.html"));

  const struct {
    const char* href;
    const char* shown;  // "" when nothing happens
  } cases[] = {{"about-us.php", "about-us.html"},
               {"./", "index.html"},
               {"contact-us.html", "contact-us.html"},
               {"mailto:hello@oakline.example", ""},
               {"missing.php", ""},
               {"../2/index.html", ""}};  // another template's page
  for (const auto& c : cases) {
    SCOPED_TRACE(c.href);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    panel->showUrl(start);
    ASSERT_TRUE(loaded.wait(20000));
    ASSERT_EQ(view->url(), start);
    loaded.clear();
    // A link the page lacks is put at its end first.
    view->page()->runJavaScript(QStringLiteral("{ let link = document.querySelector('a[href=\"%1\"]');"
                                               "if (!link) {"
                                               "  link = document.createElement('a');"
                                               "  link.href = '%1';"
                                               "  document.body.appendChild(link);"
                                               "}"
                                               "link.click(); }")
                                    .arg(QString::fromUtf8(c.href)));
    if (*c.shown == '\0') {
      // The browser reports a turned-down link as a load that failed at once;
      // after it, the page stays, as the page itself tells.
      ASSERT_TRUE(loaded.wait(20000));
      EXPECT_FALSE(loaded.first().first().toBool());
      const std::string startText = start.toString().toStdString();
      EXPECT_EQ(test::EvaluateScript(view->page(), QStringLiteral("location.href")).toString().toStdString(),
                startText);
      EXPECT_EQ(view->url().toString().toStdString(), startText);
      EXPECT_EQ(view->title(), "Oakline Interiors");
      continue;
    }
    // A link that is mapped first reports its own turned-down load.
    const auto succeeded = [&loaded] {
      for (const QList<QVariant>& load : loaded) {
        if (load.first().toBool()) return true;
      }
      return false;
    };
    while (!succeeded() && loaded.wait(20000)) {
    }
    EXPECT_TRUE(succeeded()) << loaded.size() << " " << view->url().toString().toStdString();
    EXPECT_EQ(view->url(), QUrl::fromLocalFile(root + QLatin1Char('/') + QString::fromUtf8(c.shown)));
    EXPECT_FALSE(view->title().isEmpty());
  }
}

}  // namespace
}  // namespace moxa
