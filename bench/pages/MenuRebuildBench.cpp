// The menu rebuild of sites of 4, 100 and 1001 pages made from a shipped
// template, beside the plain cost of reading and writing the same page
// files once. Run: build/bin/bench_menu_rebuild [template number, default 1]
#include "pages/MenuRebuild.h"
#include "site/TextFiles.h"
#include "templates/TemplateLibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

int g_template = 0;

struct BenchSite {
  QTemporaryDir dir;
  moxa::Folders folders;
  moxa::Site site;
};

// A site of `count` pages, each file a copy of the template's home page,
// rebuilt once so that every file already holds its full menu.
std::unique_ptr<BenchSite> MakeSite(int count) {
  auto bench = std::make_unique<BenchSite>();
  bench->folders = moxa::Folders::WithDataAndWork(QStringLiteral(MOXA_SOURCE_DIR "/data"),
                                                  bench->dir.path());
  const QString index = bench->folders.TemplateFolder(g_template) + QStringLiteral("index.html");
  for (int n = 0; n < count; ++n) {
    moxa::TSitePage page;
    page.FileName = n == 0 ? QStringLiteral("index") : QStringLiteral("page-%1").arg(n);
    page.Label_ = n == 0 ? QStringLiteral("Home") : QStringLiteral("Page %1").arg(n);
    page.ShowInMenu = true;
    page.IsHomePage = n == 0;
    bench->site.AppendPage(page);
    QFile::copy(index, bench->folders.PageFile(page.FileName));
  }
  if (!moxa::RebuildMenus(bench->site, bench->folders, g_template)) return nullptr;
  return bench;
}

// A page renamed between rebuilds, so every page's menu changes and every
// page file is written, as after a rename.
void BM_RebuildMenus(benchmark::State& state) {
  auto bench = MakeSite(static_cast<int>(state.range(0)));
  if (!bench) return state.SkipWithError("the site could not be made");
  int round = 0;
  for (auto _ : state) {
    bench->site.Page(bench->site.LastPageIndex()).Label_ =
        QStringLiteral("Last %1").arg(++round % 2);
    if (!moxa::RebuildMenus(bench->site, bench->folders, g_template)) {
      return state.SkipWithError("the menus could not be rebuilt");
    }
  }
}

void BM_PlainReadWrite(benchmark::State& state) {
  auto bench = MakeSite(static_cast<int>(state.range(0)));
  if (!bench) return state.SkipWithError("the site could not be made");
  int64_t bytes = 0;
  for (auto _ : state) {
    for (const moxa::TSitePage& page : bench->site.SitePages()) {
      const QString path = bench->folders.PageFile(page.FileName);
      const QByteArray text = moxa::ReadTextFile(path);
      bytes += text.size();
      if (!moxa::WriteTextFile(text, path))
        return state.SkipWithError("a page could not be written");
    }
  }
  state.SetBytesProcessed(bytes);
}

BENCHMARK(BM_RebuildMenus)->Arg(4)->Arg(100)->Arg(1001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadWrite)->Arg(4)->Arg(100)->Arg(1001)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  const moxa::Folders data = moxa::Folders::WithDataAndWork(QStringLiteral(MOXA_SOURCE_DIR "/data"),
                                                            QStringLiteral("/nonexistent"));
  g_template = argc > 1 ? std::atoi(argv[1]) : moxa::TemplateLibrary::Scan(data).NumberAt(0).value_or(1);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
