#include "app/gallery/PreviewPanel.h"

#include "support/Sandbox.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class PreviewPanelTest : public ::testing::Test {
 protected:
  test::Sandbox sandbox;
  Pictures pictures{sandbox.folders().DataFolder()};
  QWidget host;
  PreviewPanel* panel = new PreviewPanel(pictures, &host);
};

TEST_F(PreviewPanelTest, FillsItsParentWithTheBarAboveTheBrowser) {
  for (const QSize size : {QSize(900, 400), QSize(1142, 474)}) {
    SCOPED_TRACE(size.width());
    host.resize(size);
    panel->LayoutPreviewPanel();
    EXPECT_EQ(panel->geometry(), QRect(QPoint(0, 0), size));
    EXPECT_EQ(QRect(panel->view()->mapTo(panel, QPoint(0, 0)), panel->view()->size()),
              QRect(0, 25, size.width(), size.height() - 25));
    EXPECT_EQ(panel->backArrow()->x(), size.width() - 130);
    EXPECT_EQ(panel->backLink()->x(), size.width() - 100);
    for (const QWidget* inBar : {panel->backArrow(), static_cast<QWidget*>(panel->backLink())}) {
      EXPECT_GE(inBar->y(), 0);
      EXPECT_LE(inBar->geometry().bottom(), 24);
    }
  }
  EXPECT_EQ(panel->view()->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(PreviewPanelTest, ShowsTheBackTextItsOwnerSets) {
  host.resize(900, 400);
  panel->LayoutPreviewPanel();
  for (const char* text : {"Back to Templates", "Back to Editing"}) {
    panel->setBackText(QString::fromLatin1(text));
    EXPECT_EQ(panel->backText(), text);
    EXPECT_EQ(panel->backLink()->text(), text);
    EXPECT_LE(panel->backLink()->geometry().right(), 899 - 8);
    EXPECT_LE(panel->backArrow()->x(), 900 - 130);
    EXPECT_EQ(panel->backLink()->x(), panel->backArrow()->x() + 30);
  }
}

TEST_F(PreviewPanelTest, ArrowAndLinkBothGoBack) {
  host.resize(900, 400);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  panel->setBackText(QStringLiteral("Back to Templates"));
  QSignalSpy back(panel, &PreviewPanel::backClicked);
  for (QWidget* control : {panel->backArrow(), static_cast<QWidget*>(panel->backLink())}) {
    SCOPED_TRACE(control->objectName().toStdString());
    panel->LayoutPreviewPanel();
    panel->show();
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(back.count(), 1);
    back.clear();
  }
  // A press that ends outside the link is no click.
  panel->show();
  QTest::mousePress(panel->backLink(), Qt::LeftButton);
  QTest::mouseRelease(panel->backLink(), Qt::LeftButton, {}, QPoint(-20, 40));
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(back.count(), 0);
}

}  // namespace
}  // namespace moxa
