#include "gallery/GalleryFixture.h"

#include <QBuffer>
#include <QScrollArea>
#include <QTest>

#include <algorithm>

namespace moxa::test {

QImage TwoToneScreenshot(QSize size, QColor top, QColor bottom) {
  QImage image(size, QImage::Format_RGB888);
  image.fill(top);
  for (int y = size.height() / 2; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) image.setPixelColor(x, y, bottom);
  }
  return image;
}

void WriteGalleryTemplate(const Sandbox& sandbox, int number, const QByteArray& screenshotBytes) {
  const QByteArray tag = QByteArray::number(number);
  sandbox.WriteTemplateFile(number, QStringLiteral("index.html"),
                            "<html><head><title>Index " + tag + "</title></head></html>");
  sandbox.WriteTemplateFile(number, QStringLiteral("template_preview.html"),
                            "<html><head><title>Preview " + tag +
                                "</title></head><body>template " + tag + "</body></html>");
  if (!screenshotBytes.isEmpty()) {
    sandbox.WriteTemplateFile(number, QStringLiteral("ss.png"), screenshotBytes);
  }
}

void WriteGalleryTemplate(const Sandbox& sandbox, int number, const QImage& screenshot) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  screenshot.save(&buffer, "PNG");
  WriteGalleryTemplate(sandbox, number, png);
}

QColor TemplateColour(int number) {
  return QColor(QColor::fromHsv((number * 47) % 360, 160, 200).rgb());
}


void GalleryTest::Install(std::initializer_list<int> numbers, QSize size) {
  for (const int number : numbers) {
    WriteGalleryTemplate(sandbox, number,
                         TwoToneScreenshot(size, TemplateColour(number), kLowerColour));
  }
}

GalleryScreen& GalleryTest::Show() {
  gallery = std::make_unique<GalleryScreen>(sandbox.folders(), pictures);
  gallery->BuildGallery();
  gallery->resize(kWindow);
  gallery->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(gallery.get()));
  return *gallery;
}

QWidget* GalleryTest::Child(const QString& name) const {
  return gallery->findChild<QWidget*>(name);
}

QPoint GalleryTest::InScrollBox(const QWidget* widget) const {
  return widget->mapTo(gallery->scrollBox()->viewport(), QPoint(0, 0));
}

void GalleryTest::HoverOver(const QString& name) {
  QWidget* target = Child(name);
  ASSERT_NE(target, nullptr) << name.toStdString();
  const QPoint nearCorner(std::min(20, target->width() / 2), std::min(20, target->height() / 2));
  QTest::mouseMove(target, nearCorner);
  QCoreApplication::processEvents();
}

void GalleryTest::MoveMouseAway() {
  QTest::mouseMove(gallery.get(), QPoint(2, 2));
  QCoreApplication::processEvents();
}

}  // namespace moxa::test
