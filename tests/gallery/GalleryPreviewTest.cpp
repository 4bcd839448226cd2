#include "app/gallery/GalleryScreen.h"
#include "app/gallery/PreviewPanel.h"
#include "app/shell/SkinnedButton.h"
#include "gallery/GalleryFixture.h"
#include "support/gui/Eventually.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

namespace moxa {
namespace {

using test::GalleryTest;

// Waits for the preview browser to finish loading and gives its address.
QUrl LoadedUrl(PreviewPanel& panel) {
  QSignalSpy loaded(panel.view(), &QWebEngineView::loadFinished);
  if (loaded.isEmpty()) loaded.wait(20000);
  return panel.view()->url();
}

TEST_F(GalleryTest, PreviewShowsTheHoveredTemplateAndBackReturns) {
  Install({1, 2, 4});
  GalleryScreen& screen = Show();
  QSignalSpy requested(&screen, &GalleryScreen::previewRequested);
  const struct {
    const char* hover;
    int number;
  } cases[] = {{"_2", 4}, {"_r2", 4}, {"_0", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hover);
    HoverOver(QString::fromLatin1(c.hover));
    HoverOver(QStringLiteral("previewButton"));
    QTest::mouseClick(screen.previewButton(), Qt::LeftButton);

    PreviewPanel* panel = screen.previewPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->parentWidget(), &screen);
    EXPECT_EQ(panel->geometry(), screen.rect());
    EXPECT_EQ(panel->backText(), "Back to Templates");
    ASSERT_FALSE(requested.isEmpty());
    EXPECT_EQ(requested.takeLast().at(0).toInt(), c.number);
    const QString page = sandbox.folders().TemplateFolder(c.number) +
                         QStringLiteral("template_preview.html");
    EXPECT_EQ(LoadedUrl(*panel), QUrl::fromLocalFile(page));
    const QString title = QStringLiteral("Preview %1").arg(c.number);
    EXPECT_TRUE(test::Eventually([&] { return panel->view()->title() == title; }, 10000))
        << panel->view()->title().toStdString();

    // The covered thumbnails take no keys; the panel follows the gallery's size.
    const int selected = screen.selectedIndex();
    QTest::keyClick(&screen, Qt::Key_Right);
    EXPECT_EQ(screen.selectedIndex(), selected);
    screen.resize(1200, 560);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 1200, 560));
    screen.resize(kWindow);

    QSignalSpy back(panel, &PreviewPanel::backClicked);
    QTest::mouseClick(panel->backLink(), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(back.count(), 1);
  }
}

TEST_F(GalleryTest, PreviewBorrowsTheSharedPanelAndRetitlesIt) {
  Install({1, 2});
  GalleryScreen& screen = Show();
  QWidget editorHost;
  auto* shared = new PreviewPanel(pictures, &editorHost);
  shared->setBackText(QStringLiteral("Back to Editing"));
  screen.setPreviewPanel(shared);

  HoverOver(QStringLiteral("_1"));
  HoverOver(QStringLiteral("previewButton"));
  QTest::mouseClick(screen.previewButton(), Qt::LeftButton);
  EXPECT_EQ(screen.previewPanel(), shared);
  EXPECT_EQ(shared->parentWidget(), &screen);
  EXPECT_TRUE(shared->isVisible());
  EXPECT_EQ(shared->backText(), "Back to Templates");
  EXPECT_EQ(LoadedUrl(*shared), QUrl::fromLocalFile(sandbox.folders().TemplateFolder(2) +
                                                    QStringLiteral("template_preview.html")));
  QTest::mouseClick(shared->backArrow(), Qt::LeftButton);
  EXPECT_FALSE(shared->isVisible());
}

}  // namespace
}  // namespace moxa
