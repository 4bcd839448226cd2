// moxa-screenshots: writes the gallery thumbnail ss.png of every template.
//
//   moxa-screenshots                       every template of data/templates beside the program
//   moxa-screenshots --templates DIR 3 4   only templates 3 and 4 of DIR
//   moxa-screenshots --page FILE.html --size 390x844 --full --out shot.png
//                                          one page at any size, unscaled (for looking at a design)
//
// Runs headless: the offscreen platform and a browser engine without GPU are
// chosen here unless the environment says otherwise.
#include "PageShooter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTextStream>

namespace {

constexpr int kLastTemplateNumber = 150;
const QSize kDesktopViewport(1200, 900);
const QSize kThumbnailSize(300, 225);

bool ParseSize(const QString& text, QSize* size) {
  const QStringList parts = text.split(QLatin1Char('x'));
  if (parts.size() != 2) return false;
  bool okWidth = false;
  bool okHeight = false;
  *size = QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
  return okWidth && okHeight && size->width() > 0 && size->height() > 0;
}

int ShootOnePage(const QString& page, QSize viewport, bool fullPage, const QString& out) {
  QTextStream err(stderr);
  moxa::tools::PageShooter shooter;
  QString error;
  const QImage image = shooter.Shoot(page, viewport, fullPage, &error);
  if (image.isNull()) {
    err << error << Qt::endl;
    return 1;
  }
  if (!image.convertToFormat(QImage::Format_RGB888).save(out, "PNG")) {
    err << "could not write " << out << Qt::endl;
    return 1;
  }
  QTextStream(stdout) << out << " " << image.width() << "x" << image.height() << Qt::endl;
  return 0;
}

int ShootTemplates(const QString& templatesFolder, const QList<int>& only) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  moxa::tools::PageShooter shooter;
  int written = 0;
  int failed = 0;
  for (int number = 1; number <= kLastTemplateNumber; ++number) {
    if (!only.isEmpty() && !only.contains(number)) continue;
    const QString folder = templatesFolder + QLatin1Char('/') + QString::number(number) + QLatin1Char('/');
    if (!QFileInfo::exists(folder + QStringLiteral("index.html"))) continue;
    QString error;
    const QImage rendering = shooter.Shoot(folder + QStringLiteral("index.html"), kDesktopViewport, false, &error);
    if (rendering.isNull()) {
      err << "template " << number << ": " << error << Qt::endl;
      ++failed;
      continue;
    }
    const QString target = folder + QStringLiteral("ss.png");
    if (!moxa::tools::MakeThumbnail(rendering, kThumbnailSize).save(target, "PNG")) {
      err << "template " << number << ": could not write " << target << Qt::endl;
      ++failed;
      continue;
    }
    out << "template " << number << ": " << target << Qt::endl;
    ++written;
  }
  out << written << " screenshots written, " << failed << " failed" << Qt::endl;
  return failed == 0 && written > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  moxa::tools::PrepareHeadlessEngine();
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("moxa-screenshots"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Writes ss.png, the gallery thumbnail, of every template."));
  parser.addHelpOption();
  const QCommandLineOption templatesOption(
      QStringLiteral("templates"), QStringLiteral("The template library folder (default: data/templates beside the program)."),
      QStringLiteral("folder"), QCoreApplication::applicationDirPath() + QStringLiteral("/data/templates"));
  const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Render this one HTML file instead."),
                                      QStringLiteral("file"));
  const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Viewport for --page, e.g. 390x844."),
                                      QStringLiteral("WxH"), QStringLiteral("1200x900"));
  const QCommandLineOption fullOption(QStringLiteral("full"), QStringLiteral("With --page: the whole page height."));
  const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("With --page: the PNG to write."),
                                     QStringLiteral("file"), QStringLiteral("shot.png"));
  parser.addOptions({templatesOption, pageOption, sizeOption, fullOption, outOption});
  parser.addPositionalArgument(QStringLiteral("numbers"), QStringLiteral("Only these template numbers."), QStringLiteral("[N...]"));
  parser.process(app);

  if (parser.isSet(pageOption)) {
    QSize viewport;
    if (!ParseSize(parser.value(sizeOption), &viewport)) parser.showHelp(2);
    return ShootOnePage(parser.value(pageOption), viewport, parser.isSet(fullOption), parser.value(outOption));
  }

  QList<int> only;
  for (const QString& argument : parser.positionalArguments()) {
    bool ok = false;
    const int number = argument.toInt(&ok);
    if (!ok || number < 1 || number > kLastTemplateNumber) parser.showHelp(2);
    only.append(number);
  }
  return ShootTemplates(QDir::cleanPath(parser.value(templatesOption)), only);
}
