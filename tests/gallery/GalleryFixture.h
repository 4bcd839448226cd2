#pragma once

#include "app/gallery/GalleryScreen.h"
#include "app/shell/Pictures.h"
#include "support/Sandbox.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace moxa::test {

// A 24-bit screenshot: `top` above its middle row, `bottom` from it down.
QImage TwoToneScreenshot(QSize size, QColor top, QColor bottom);

// Template `number` in the sandbox: index.html, a preview page whose title
// is "Preview N", and the screenshot as ss.png.
void WriteGalleryTemplate(const Sandbox& sandbox, int number, const QImage& screenshot);
// The same with ss.png holding exactly `screenshotBytes` (empty: no ss.png).
void WriteGalleryTemplate(const Sandbox& sandbox, int number, const QByteArray& screenshotBytes);

// The upper colour of template N's screenshot, so thumbnails can be told apart.
QColor TemplateColour(int number);
// The lower colour of every generated screenshot: the reflection starts from it.
inline const QColor kLowerColour(100, 0, 200);

// A gallery over a sandbox library, shown offscreen at 1100 x 500.
class GalleryTest : public ::testing::Test {
 protected:
  static constexpr QSize kShot{300, 225};
  static constexpr QSize kWindow{1100, 500};

  // Templates with two-tone screenshots of `size`, one per number.
  void Install(std::initializer_list<int> numbers, QSize size = kShot);
  // Builds the gallery and shows it.
  GalleryScreen& Show();
  QWidget* Child(const QString& name) const;
  // Where a widget of the scrolled content appears in the scroll box.
  QPoint InScrollBox(const QWidget* widget) const;
  // Moves the mouse near the top-left of a named widget (inside the scroll
  // box) and lets the pending enter and leave events run.
  void HoverOver(const QString& name);
  void MoveMouseAway();

  Sandbox sandbox;
  Pictures pictures{sandbox.folders().DataFolder()};
  std::unique_ptr<GalleryScreen> gallery;
};

}  // namespace moxa::test
