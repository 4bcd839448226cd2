// The editor's view of a document: loading it (the editor dialog opens on
// every region edit), reading it back (every save), and the per-item
// reads the link code makes over a whole region.
#include "BenchMain.h"
#include "PageLikeHtml.h"
#include "editor/RtEditor.h"
#include "richtext/HtmlImporter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using namespace moxa;

struct Input {
  rt::TRtDocument document;
  rt::TRtStyle style;
};

const Input& InputOf(qsizetype size) {
  static std::map<qsizetype, std::unique_ptr<Input>> inputs;
  std::unique_ptr<Input>& input = inputs[size];
  if (!input) {
    input = std::make_unique<Input>();
    rt::TRtHtmlImporter importer;
    importer.View = {&input->document, &input->style};
    importer.BasePath = rt::bench::SiteFolder();
    importer.LoadHtml(rt::bench::PageLikeHtml(size));
  }
  return *input;
}

void BM_LoadDocument(benchmark::State& state) {
  const Input& input = InputOf(state.range(0));
  rt::TRtStyle style = input.style;
  editor::RtEditor editor(style);
  for (auto _ : state) editor.LoadDocument(input.document);
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.counters["items"] = input.document.Data.LineCount();
}

void BM_ReadDocument(benchmark::State& state) {
  const Input& input = InputOf(state.range(0));
  rt::TRtStyle style = input.style;
  editor::RtEditor editor(style);
  editor.LoadDocument(input.document);
  int tag = 0;
  for (auto _ : state) {
    state.PauseTiming();
    editor.SetItemTagEd(0, ++tag);  // a change, so the view is read again
    state.ResumeTiming();
    benchmark::DoNotOptimize(editor.Document());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Every item's tag, one call each, as a loop over the items does.
void BM_TagOfEveryItem(benchmark::State& state) {
  const Input& input = InputOf(state.range(0));
  rt::TRtStyle style = input.style;
  editor::RtEditor editor(style);
  editor.LoadDocument(input.document);
  const int count = editor.LineCount();
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (int i = 0; i < count; ++i) sum += editor.GetItemTag(i);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["items"] = count;
}

BENCHMARK(BM_LoadDocument)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagOfEveryItem)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return moxa::bench::RunBenchmarks<QGuiApplication>(argc, argv); }
