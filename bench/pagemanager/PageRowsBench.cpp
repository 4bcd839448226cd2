// The Page Manager's rows for a site of 1001 pages (the most a site holds):
// building them when the screen is shown and freeing them when it is left
// should feel immediate; the target is under 300 ms for the pair.
// Run: build/bin/bench_page_rows
#include "BenchMain.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRows.h"
#include "app/shell/Pictures.h"
#include "site/Site.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

moxa::Site FullSite() {
  moxa::Site site;
  for (int i = 0; i < moxa::Site::kPageCapacity; ++i) {
    moxa::TSitePage page;
    page.FileName = QStringLiteral("page-number-%1").arg(i);
    page.Label_ = QStringLiteral("Page Number %1").arg(i);
    page.IsHomePage = i == 0;
    page.ShowInMenu = i % 3 != 0;
    site.AppendPage(page);
  }
  return site;
}

// The screen as the window shows it: visible, at the window's design size.
struct Screen {
  moxa::Site site = FullSite();
  moxa::Pictures pictures{QStringLiteral(MOXA_SOURCE_DIR "/data/")};
  moxa::PageManagerScreen screen{site, pictures};
  Screen() {
    screen.resize(1142, 450);
    screen.show();
  }
};

void BM_BuildAndFreePageRows(benchmark::State& state) {
  Screen s;
  for (auto _ : state) {
    s.screen.BuildPageRows();
    s.screen.FreePageRows();
  }
  state.counters["rows"] = s.site.PageCount();
}

// The same with the first paint of the rows in between, for comparison.
void BM_BuildPaintAndFreePageRows(benchmark::State& state) {
  Screen s;
  for (auto _ : state) {
    s.screen.BuildPageRows();
    s.screen.repaint();
    QCoreApplication::processEvents();
    s.screen.FreePageRows();
  }
  state.counters["rows"] = s.site.PageCount();
}

// Rows far from the view get their controls as the list comes to them: the
// whole list scrolled through a page at a time, the rows painted at each
// step; "steps" tells how many scrolls the time is spread over.
void BM_ScrollThroughPageRows(benchmark::State& state) {
  Screen s;
  QScrollBar* bar = s.screen.pageList()->verticalScrollBar();
  int steps = 0;
  for (auto _ : state) {
    s.screen.BuildPageRows();
    steps = 0;
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
      bar->setValue(value);
      s.screen.repaint();
      ++steps;
    }
    s.screen.FreePageRows();
    bar->setValue(0);
  }
  state.counters["steps"] = steps;
}

BENCHMARK(BM_BuildAndFreePageRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildPaintAndFreePageRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollThroughPageRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return moxa::bench::RunBenchmarks<QApplication>(argc, argv);
}
