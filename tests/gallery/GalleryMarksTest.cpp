// What tells the templates apart in the gallery: the chosen one's check, a
// hover mark that never looks like it, and each template's name.
#include "app/gallery/GalleryScreen.h"

#include "gallery/GalleryFixture.h"
#include "support/TestSupport.h"
#include "templates/TemplateName.h"

#include <QLabel>
#include <QTest>

namespace moxa {
namespace {

using test::GalleryTest;

QImage Drawn(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

TEST_F(GalleryTest, HoverMarkLooksUnlikeTheSelectionAndStaysUnderIt) {
  Install({1, 2, 3});
  GalleryScreen& screen = Show();
  screen.setSelectedIndex(0);
  HoverOver(QStringLiteral("_1"));
  ASSERT_TRUE(screen.hoverCheck()->isVisible());
  // Another template hovered: nothing on it looks like the chosen one's check.
  EXPECT_NE(Drawn(screen.hoverCheck()), Drawn(screen.selectionCheck()));
  EXPECT_TRUE(screen.selectionCheck()->isVisible());
  EXPECT_NE(screen.selectionCheck()->geometry(), screen.hoverCheck()->geometry());
  // The hovered thumbnail is outlined all round.
  QWidget* frame = screen.hoverFrame();
  ASSERT_TRUE(frame->isVisible());
  const QRect screenshot = Child(QStringLiteral("_1"))->geometry();
  EXPECT_TRUE(frame->geometry().contains(screenshot));
  EXPECT_FALSE(frame->geometry().contains(Child(QStringLiteral("_0"))->geometry().center()));
  const QImage outline = Drawn(frame);
  // A line on the white around the picture.
  EXPECT_NE(outline.pixelColor(frame->width() / 2, 1), QColor(Qt::white));

  // On the chosen thumbnail the choice's check lies above the hover ring.
  HoverOver(QStringLiteral("_0"));
  ASSERT_TRUE(screen.hoverCheck()->isVisible());
  EXPECT_EQ(screen.hoverCheck()->geometry(), screen.selectionCheck()->geometry());
  const QObjectList stack = screen.selectionCheck()->parentWidget()->children();
  EXPECT_GT(stack.indexOf(screen.selectionCheck()), stack.indexOf(screen.hoverCheck()));
  EXPECT_GT(stack.indexOf(screen.selectionCheck()), stack.indexOf(frame));

  MoveMouseAway();
  EXPECT_FALSE(frame->isVisible());
  EXPECT_FALSE(screen.hoverCheck()->isVisible());
  EXPECT_TRUE(screen.selectionCheck()->isVisible());
}

TEST_F(GalleryTest, EachTemplateShowsItsNameUnderItsPicture) {
  Install({1, 2, 4});
  sandbox.WriteTemplateFile(2, QStringLiteral("index.html"),
                            "<html><head>\n<title>\n  Clara &amp; Julian\n</title></head></html>");
  sandbox.WriteTemplateFile(4, QStringLiteral("index.html"), "<html><body>no title</body></html>");
  GalleryScreen& screen = Show();
  const struct {
    int k;
    const char* name;
  } names[] = {{0, "Index 1"}, {1, "Clara & Julian"}, {2, "4"}};
  for (const auto& n : names) {
    SCOPED_TRACE(n.k);
    auto* label = screen.findChild<QLabel*>(QStringLiteral("_n%1").arg(n.k));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), n.name);
    EXPECT_TRUE(label->isVisible());
    const QRect picture = Child(QStringLiteral("_%1").arg(n.k))->geometry();
    EXPECT_GT(label->geometry().top(), picture.bottom());
    EXPECT_EQ(label->geometry().left(), picture.left());
    EXPECT_LE(label->geometry().right(), picture.right());
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    // Clear of the next row's marks.
    EXPECT_LT(label->geometry().bottom(),
              screen.ThumbnailOrigin(n.k).y() + kShot.height() + 75 - 10);
  }
  // Pointing at a name is pointing at its template.
  HoverOver(QStringLiteral("_n1"));
  EXPECT_TRUE(screen.hoverFrame()->isVisible());
  EXPECT_TRUE(screen.hoverFrame()->geometry().contains(Child(QStringLiteral("_1"))->geometry()));
}

TEST_F(GalleryTest, ALongNameIsShortenedAndWhole) {
  Install({1});
  sandbox.WriteTemplateFile(1, QStringLiteral("index.html"),
                            "<title>Riverside Rovers - Sports Club for all ages, young and old, "
                            "near and far</title>");
  GalleryScreen& screen = Show();
  auto* label = screen.findChild<QLabel*>(QStringLiteral("_n0"));
  ASSERT_NE(label, nullptr);
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
  EXPECT_TRUE(label->text().startsWith(QStringLiteral("Riverside Rovers")));
  EXPECT_EQ(label->toolTip(),
            "Riverside Rovers - Sports Club for all ages, young and old, near and far");
}

TEST(TemplateNameTest, ShippedTemplatesHaveTheirOwnNames) {
  const QString templates = test::SourceDir() + QStringLiteral("/data/templates/");
  EXPECT_EQ(TemplateName(templates + QStringLiteral("1"), 1), "Oakline Interiors");
  EXPECT_EQ(TemplateName(templates + QStringLiteral("5"), 5), "Clara & Julian - Our Wedding");
  EXPECT_EQ(TemplateName(templates + QStringLiteral("999"), 999), "999");
}

}  // namespace
}  // namespace moxa
