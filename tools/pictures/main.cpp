// moxa-pictures: draws every interface picture of the data folder.
//   moxa-pictures DATA_FOLDER [NAME...]
// With names, only those pictures are drawn (handy while designing one).
#include "Catalogue.h"
#include "Style.h"
#include "Writer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
  // Fonts and painting need a GUI application; no window is ever shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList args = QGuiApplication::arguments().mid(1);
  if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
    std::fputs("usage: moxa-pictures DATA_FOLDER [NAME...]\n", stderr);
    return 2;
  }
  const QString folder = args.takeFirst();
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "moxa-pictures: cannot make %s\n", qPrintable(folder));
    return 1;
  }

  using namespace moxa::pictures;
  Catalogue catalogue;
  AddButtonPictures(catalogue);
  AddShellPictures(catalogue);
  AddDialogPictures(catalogue);
  AddEditorPictures(catalogue);
  AddPagePictures(catalogue);
  AddLandscapePicture(catalogue);

  int failures = 0;
  for (const Picture& picture : catalogue.Pictures()) {
    if (!args.isEmpty() && !args.contains(picture.name)) continue;
    const QString error = WritePicture(picture, folder);
    if (!error.isEmpty()) {
      std::fprintf(stderr, "moxa-pictures: %s: %s\n", qPrintable(picture.name), qPrintable(error));
      ++failures;
    }
  }

  auto writeFile = [&](const QString& name, const QByteArray& bytes) {
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "moxa-pictures: cannot write %s\n", qPrintable(file.fileName()));
      ++failures;
    }
  };
  if (args.isEmpty()) {
    writeFile(QStringLiteral("_pblank.html"), PlaceholderPage());
    writeFile(QStringLiteral("pictures.txt"), Manifest(catalogue));
    std::printf("moxa-pictures: %zu pictures in %s (font %s)\n", catalogue.Pictures().size(),
                qPrintable(QDir(folder).absolutePath()), qPrintable(UiFontFamily()));
  }
  return failures == 0 ? 0 : 1;
}
