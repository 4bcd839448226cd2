// moxa-layout: checks that every page of the shipped templates lays out
// cleanly at the window sizes users meet: nothing wider than the window, no
// text cut off, drawn over other text or covered.
//
//   moxa-layout                     every template of data/templates beside the program
//   moxa-layout --data DIR 2 4      only templates 2 and 4 of DIR/templates
//
// Prints each fault with its template, page and window size; exits with 1
// when there is any.
#include "LayoutProbe.h"
#include "PageShooter.h"
#include "TemplatePages.h"
#include "site/Folders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

int main(int argc, char** argv) {
  using namespace moxa;
  tools::PrepareHeadlessEngine();
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({QStringLiteral("data"), QStringLiteral("The data folder."), QStringLiteral("DIR")});
  parser.addPositionalArgument(QStringLiteral("templates"), QStringLiteral("Template numbers."));
  parser.process(app);

  const QString data = parser.isSet(QStringLiteral("data"))
                           ? WithTrailingSlash(parser.value(QStringLiteral("data")))
                           : Folders::ForApplication().DataFolder();
  const QString templates = data + QStringLiteral("templates/");
  QTextStream out(stdout);
  tools::PageShooter shooter;
  int pages = 0;
  int faults = 0;
  for (const QString& number : tools::TemplateNumbers(templates, parser.positionalArguments())) {
    const QString folder = templates + number + u'/';
    for (const QString& page : tools::TemplatePages(folder)) {
      ++pages;
      for (const tools::ViewportCase& viewport : tools::LayoutViewports()) {
        const QStringList problems = tools::LayoutProblems(shooter, folder + page, viewport.Size);
        for (const QString& problem : problems) {
          out << QStringLiteral("template %1, %2, %3 × %4 (%5): %6\n")
                     .arg(number, page)
                     .arg(viewport.Size.width())
                     .arg(viewport.Size.height())
                     .arg(QLatin1String(viewport.Name), problem);
        }
        faults += int(problems.size());
        out.flush();
      }
    }
  }
  out << QStringLiteral("pages %1, window sizes %2, faults %3\n")
             .arg(pages)
             .arg(tools::LayoutViewports().size())
             .arg(faults);
  return pages > 0 && faults == 0 ? 0 : 1;
}
