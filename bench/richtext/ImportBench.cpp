// The HTML importer beside QTextDocument::setHtml on the same page-like
// bytes, with the peak memory of one import (allocation high-water mark
// above what was held before, as a multiple of the input size).
#include "BenchMain.h"
#include "AllocationCounter.h"
#include "PageLikeHtml.h"
#include "richtext/HtmlImporter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using moxa::rt::bench::PageLikeHtml;
using moxa::rt::bench::SiteFolder;

const QByteArray& Input(qsizetype size) {
  static QByteArray inputs[3];
  const int slot = size <= 100'000 ? 0 : size <= 1'000'000 ? 1 : 2;
  if (inputs[slot].size() != size) inputs[slot] = PageLikeHtml(size);
  return inputs[slot];
}

struct ImportResult {
  moxa::rt::TRtDocument document;
  moxa::rt::TRtStyle style;
};

void Import(const QByteArray& html, ImportResult& result) {
  moxa::rt::TRtHtmlImporter importer;
  importer.View = {&result.document, &result.style};
  importer.BasePath = SiteFolder();
  importer.LoadHtml(html);
}

void ReportPeak(benchmark::State& state, qsizetype inputSize) {
  const double peak = static_cast<double>(moxa::bench::StopCounting());
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_x_input"] = peak / static_cast<double>(inputSize);
}

// Each loop times the import (or setHtml) alone: making the empty
// document and freeing the full one are left out on both sides.
void BM_Import(benchmark::State& state) {
  const QByteArray& html = Input(state.range(0));
  std::int64_t items = 0;
  for (auto _ : state) {
    auto result = std::make_unique<ImportResult>();
    Import(html, *result);
    items = result->document.Data.LineCount();
    benchmark::DoNotOptimize(items);
    state.PauseTiming();
    result.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * html.size());
  state.counters["items"] = static_cast<double>(items);
  // One more import, measured: the document it builds is part of the peak.
  moxa::bench::StartCounting();
  {
    ImportResult result;
    Import(html, result);
  }
  ReportPeak(state, html.size());
}

void BM_SetHtml(benchmark::State& state) {
  const QByteArray& html = Input(state.range(0));
  for (auto _ : state) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(html));
    benchmark::DoNotOptimize(document->blockCount());
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * html.size());
  moxa::bench::StartCounting();
  {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(html));
  }
  ReportPeak(state, html.size());
}

constexpr std::int64_t kSizes[] = {100'000, 1'000'000, 10'000'000};

void Sizes(benchmark::internal::Benchmark* bench) {
  for (std::int64_t size : kSizes) bench->Arg(size);
  bench->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Import)->Apply(Sizes);
BENCHMARK(BM_SetHtml)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  return moxa::bench::RunBenchmarks<QGuiApplication>(argc, argv);
}
