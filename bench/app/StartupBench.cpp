// Time from process start to the start screen shown, offscreen, with the
// shipped template library and an empty store. Each iteration starts this
// program again as a child that builds the main window exactly as the
// program does and reports when the window is on screen.
// Run: build/bin/bench_startup
#include "app/shell/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

QString g_self;

int RunChild(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Moxa Website Builder"));
  QTemporaryDir temp;
  moxa::MainWindow window(moxa::Folders::At(QStringLiteral(MOXA_SOURCE_DIR), temp.path()));
  window.LoadStoredSite();
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  QCoreApplication::processEvents();
  std::printf("shown\n");
  std::fflush(stdout);
  return 0;
}

void BM_StartToStartScreen(benchmark::State& state) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
  env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--no-sandbox --disable-gpu"));
  for (auto _ : state) {
    QProcess child;
    child.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    child.start(g_self, {QStringLiteral("--child")});
    while (!child.readAllStandardOutput().contains("shown")) {
      if (!child.waitForReadyRead(30000)) {
        state.SkipWithError("the child did not show its window");
        return;
      }
    }
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    child.waitForFinished(30000);
  }
}
BENCHMARK(BM_StartToStartScreen)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return RunChild(argc, argv);
  QCoreApplication app(argc, argv);
  g_self = QCoreApplication::applicationFilePath();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
