// moxa-template-art: draws the pictures of templates 1 to 4 into
// data/templates/N/bin/img/ (beside the program, or --templates DIR).
//
//   moxa-template-art            all four templates
//   moxa-template-art 2 3        only templates 2 and 3
//
// Every picture is drawn from a fixed seed, so a run repeats the same files.
#include "Painting.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// FNV-1a of the file name: a seed that stays the same from run to run.
uint32_t SeedOf(const QString& name, int number) {
  uint32_t hash = 2166136261u ^ uint32_t(number);
  for (const QChar c : name) hash = (hash ^ c.unicode()) * 16777619u;
  return hash;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Draws the pictures of templates 1 to 4."));
  parser.addHelpOption();
  const QCommandLineOption templatesOption(
      QStringLiteral("templates"), QStringLiteral("The template library folder (default: data/templates beside the program)."),
      QStringLiteral("folder"), QCoreApplication::applicationDirPath() + QStringLiteral("/data/templates"));
  parser.addOption(templatesOption);
  parser.addPositionalArgument(QStringLiteral("numbers"), QStringLiteral("Only these templates (1 to 4)."), QStringLiteral("[N...]"));
  parser.process(app);

  const std::vector<std::vector<moxa::art::Picture>> sets = {
      moxa::art::Template1Pictures(), moxa::art::Template2Pictures(), moxa::art::Template3Pictures(),
      moxa::art::Template4Pictures()};
  QList<int> only;
  for (const QString& argument : parser.positionalArguments()) {
    const int number = argument.toInt();
    if (number < 1 || number > int(sets.size())) parser.showHelp(2);
    only.append(number);
  }

  QTextStream out(stdout);
  int failed = 0;
  for (int number = 1; number <= int(sets.size()); ++number) {
    if (!only.isEmpty() && !only.contains(number)) continue;
    const QString folder = QDir::cleanPath(parser.value(templatesOption)) + QStringLiteral("/%1/bin/img/").arg(number);
    QDir().mkpath(folder);
    for (const moxa::art::Picture& picture : sets[number - 1]) {
      // Each picture has its own seed, so adding one leaves the others unchanged.
      moxa::art::Random random(SeedOf(picture.fileName, number));
      const QImage image = picture.paint(picture.size, random);
      const QString path = folder + picture.fileName;
      if (!moxa::art::SaveJpeg(image, path, picture.quality)) {
        out << "could not write " << path << Qt::endl;
        ++failed;
        continue;
      }
      out << path << " " << QFileInfo(path).size() / 1024 << " KB" << Qt::endl;
    }
  }
  return failed == 0 ? 0 : 1;
}
