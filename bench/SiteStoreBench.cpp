// Saving and loading the page table through the real settings store, in a
// temporary home. Run: build/bin/bench_site_store
#include "platform/SettingsStore.h"
#include "site/SiteStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

moxa::Site MakeSite(int pages) {
  moxa::Site site;
  site.SiteAccount.UnixName = QStringLiteral("bench");
  for (int n = 0; n < pages; ++n) {
    moxa::TSitePage page;
    page.FileName = QStringLiteral("page-%1").arg(n);
    page.Label_ = QStringLiteral("Page %1").arg(n);
    page.WindowTitle = QStringLiteral("A title for page %1").arg(n);
    page.Description = QStringLiteral("A description of page %1").arg(n);
    site.AppendPage(page);
  }
  return site;
}

// The store is opened once, as the program does; every save changes one
// flag, so the whole store is written each time.
void BM_SavePageTable(benchmark::State& state) {
  moxa::Site site = MakeSite(static_cast<int>(state.range(0)));
  moxa::SettingsStore store;
  for (auto _ : state) {
    site.Page(0).Changed = !site.Page(0).Changed;
    benchmark::DoNotOptimize(moxa::SavePageTable(site, store));
  }
}
BENCHMARK(BM_SavePageTable)->Arg(4)->Arg(100)->Arg(1001)->Unit(benchmark::kMillisecond);

void BM_LoadSite(benchmark::State& state) {
  const moxa::Site site = MakeSite(static_cast<int>(state.range(0)));
  {
    moxa::SettingsStore store;
    if (!moxa::SaveSite(site, store)) state.SkipWithError("the store could not be written");
  }
  // Opening the store (reading the file) is part of the start-up load.
  for (auto _ : state) {
    const moxa::SettingsStore store;
    moxa::Site loaded;
    benchmark::DoNotOptimize(moxa::LoadSite(store, loaded));
  }
}
BENCHMARK(BM_LoadSite)->Arg(4)->Arg(100)->Arg(1001)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
