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

void BM_SavePageTable(benchmark::State& state) {
  const moxa::Site site = MakeSite(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(moxa::SavePageTable(site));
}
BENCHMARK(BM_SavePageTable)->Arg(4)->Arg(100)->Arg(1001)->Unit(benchmark::kMillisecond);

void BM_LoadSite(benchmark::State& state) {
  const moxa::Site site = MakeSite(static_cast<int>(state.range(0)));
  moxa::SaveAccount(site);
  moxa::SavePageTable(site);
  for (auto _ : state) {
    moxa::Site loaded;
    benchmark::DoNotOptimize(moxa::LoadSite(loaded));
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
