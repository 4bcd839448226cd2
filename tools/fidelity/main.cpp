// moxa-fidelity: what one edit of every region, confirmed without changes,
// does to the look of each page of the shipped templates.
//
//   moxa-fidelity                        every template of data/templates beside the program
//   moxa-fidelity --data DIR 3 4         only templates 3 and 4 of DIR/templates
//   moxa-fidelity --cycles 3 --save OUT  three edit cycles; renderings kept in OUT
//   moxa-fidelity --check                exits with 1 when a page misses the targets:
//                                        on average at most 0.5% of the pixels differ,
//                                        no page more than 2% or more than 2 pixels
//                                        taller or shorter, every page stable
//
// Each page is copied with its template's files into a temporary working
// folder, rendered at 1200 pixels wide (the whole page), put through the
// editor's cycle region by region (cut, import, the editor's view, export,
// splice) and rendered again. Prints per page the heights before and after,
// the share of differing pixels, and whether the page text stays the same
// from the second cycle on.
#include "PageDifference.h"
#include "PageShooter.h"
#include "TemplatePages.h"
#include "editor/RegionEditCycle.h"
#include "editor/RtEditor.h"
#include "pages/Regions.h"
#include "site/FolderOps.h"
#include "site/Folders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace moxa;

const QSize kViewport(1200, 900);

// What one no-change edit may do to a page at most.
constexpr double kMostAverageShare = 0.5;  // percent
constexpr double kMostPageShare = 2.0;     // percent
constexpr int kMostHeightChange = 2;       // pixels

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every region of the working copy once through the editor, as OK does it.
bool EditEveryRegion(const Folders& folders) {
  rt::TRtStyle style;
  rt::TEditorLinks links;
  editor::RtEditor editor(style);
  editor.StartUp();
  for (const RegionSpan& region : FindRegions(ReadAll(folders.WorkingCopyFile()))) {
    rt::TRtDocument imported;
    if (!editor::OpenRegion(folders, region.Number, imported, style, links) ||
        !editor.LoadRtd(editor::RegionRtdFile(folders)) ||
        !editor::CommitRegion(folders, region.Number, editor.Document(), style, links)) {
      return false;
    }
  }
  return true;
}

struct PageResult {
  QString Name;
  tools::PageDifference Difference;
  bool Stable = true;  // the text of every later cycle equals the second's
  bool Failed = false;
};

PageResult MeasurePage(tools::PageShooter& shooter, const QString& templateFolder,
                       const QString& page, int cycles, const QString& saveAs) {
  PageResult result{page, {}, true, true};
  QTemporaryDir temp;
  const QString work = temp.path() + QStringLiteral("/w/");
  if (!temp.isValid() || !CopyFolder(templateFolder, work, true)) return result;
  const Folders folders = Folders::WithDataAndWork(QString(), work);
  QString error;
  const QImage before = shooter.Shoot(work + page, kViewport, true, &error);
  if (before.isNull() || !WriteAll(folders.WorkingCopyFile(), ReadAll(work + page))) return result;

  QImage after;
  QByteArray second;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    if (!EditEveryRegion(folders)) return result;
    const QByteArray text = ReadAll(folders.WorkingCopyFile());
    if (cycle == 1) after = shooter.Shoot(folders.WorkingCopyFile(), kViewport, true, &error);
    if (cycle == 2) second = text;
    if (cycle > 2 && text != second) result.Stable = false;
  }
  if (after.isNull()) return result;
  if (!saveAs.isEmpty()) {
    before.save(saveAs + QStringLiteral("-before.png"));
    after.save(saveAs + QStringLiteral("-after.png"));
  }
  result.Difference = tools::ComparePages(before, after);
  result.Failed = false;
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  moxa::tools::PrepareHeadlessEngine();
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({QStringLiteral("data"), QStringLiteral("The data folder."), QStringLiteral("DIR")});
  parser.addOption({QStringLiteral("cycles"), QStringLiteral("Edit cycles (at least 1)."),
                    QStringLiteral("N"), QStringLiteral("3")});
  parser.addOption({QStringLiteral("save"), QStringLiteral("Keep the renderings in DIR."),
                    QStringLiteral("DIR")});
  parser.addOption({QStringLiteral("check"), QStringLiteral("Exit with 1 when a target is missed.")});
  parser.addPositionalArgument(QStringLiteral("templates"), QStringLiteral("Template numbers."));
  parser.process(app);

  const QString data = parser.isSet(QStringLiteral("data"))
                           ? WithTrailingSlash(parser.value(QStringLiteral("data")))
                           : Folders::ForApplication().DataFolder();
  const int cycles = std::max(1, parser.value(QStringLiteral("cycles")).toInt());
  const QString save = parser.value(QStringLiteral("save"));
  if (!save.isEmpty()) QDir().mkpath(save);

  QTextStream out(stdout);
  out << "template  page                    height before  after   differing  stable\n";
  tools::PageShooter shooter;
  double total = 0;
  double worst = 0;
  int pages = 0;
  int failed = 0;
  int missed = 0;
  const QString templates = data + QStringLiteral("templates/");
  for (const QString& number : tools::TemplateNumbers(templates, parser.positionalArguments())) {
    const QString folder = templates + number + u'/';
    for (const QString& page : tools::TemplatePages(folder)) {
      const QString saveAs =
          save.isEmpty() ? QString() : save + u'/' + number + u'-' + QString(page).remove(".html");
      const PageResult r = MeasurePage(shooter, folder, page, cycles, saveAs);
      if (r.Failed) {
        out << QStringLiteral("%1  %2  failed\n").arg(number, 8).arg(page, -22);
        ++failed;
        continue;
      }
      const double share = r.Difference.DifferingShare * 100;
      out << QStringLiteral("%1  %2  %3  %4  %5%  %6\n")
                 .arg(number, 8)
                 .arg(page, -22)
                 .arg(r.Difference.HeightBefore, 13)
                 .arg(r.Difference.HeightAfter, 6)
                 .arg(share, 8, 'f', 2)
                 .arg(cycles < 3 ? QStringLiteral("-") : r.Stable ? QStringLiteral("yes") : QStringLiteral("no"));
      out.flush();
      if (share > kMostPageShare || !r.Stable ||
          std::abs(r.Difference.HeightAfter - r.Difference.HeightBefore) > kMostHeightChange) {
        ++missed;
      }
      total += share;
      worst = std::max(worst, share);
      ++pages;
    }
  }
  const double average = pages ? total / pages : 0;
  out << QStringLiteral("pages %1, failed %2, average %3%, worst %4%, pages missing a target %5\n")
             .arg(pages)
             .arg(failed)
             .arg(average, 0, 'f', 2)
             .arg(worst, 0, 'f', 2)
             .arg(missed);
  if (failed) return 1;
  const bool targetsHeld = pages > 0 && missed == 0 && average <= kMostAverageShare;
  return parser.isSet(QStringLiteral("check")) && !targetsHeld ? 1 : 0;
}
