#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace moxa::bench {

// The main of a benchmark program that needs a Qt application object (fonts,
// pictures, widgets): offscreen unless a platform is chosen, no window shown.
template <class Application>
int RunBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace moxa::bench
