// The HTML export beside QTextDocument::toHtml, on the documents of the
// import benchmark's page-like inputs. Both rates are given in bytes of
// that input per second, so they compare directly.
#include "BenchMain.h"
#include "PageLikeHtml.h"
#include "richtext/HtmlExporter.h"
#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/LinkTableExport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

using namespace moxa::rt;

struct Input {
  qsizetype size = 0;
  TRtDocument document;
  TRtStyle style;
  TEditorLinks links;
  QTextDocument text;
};

const Input& InputOf(qsizetype size) {
  static std::array<std::unique_ptr<Input>, 3> inputs;
  const size_t slot = size <= 100'000 ? 0 : size <= 1'000'000 ? 1 : 2;
  if (inputs[slot] && inputs[slot]->size == size) return *inputs[slot];
  auto input = std::make_unique<Input>();
  const QByteArray html = bench::PageLikeHtml(size);
  input->size = size;
  TRtHtmlImporter importer;
  importer.View = {&input->document, &input->style};
  importer.BasePath = bench::SiteFolder();
  importer.OnReadHyperlink = MakeReadHyperlinkHook(input->links);
  importer.LoadHtml(html);
  input->text.setHtml(QString::fromUtf8(html));
  inputs[slot] = std::move(input);
  return *inputs[slot];
}

TRtSaveHTMLParams EditorParams(const TEditorLinks& links) {
  TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("moxa_img");
  params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
  params.OnWriteHyperlink = MakeWriteHyperlinkHandler(links);
  return params;
}

// The markup alone, pictures named but not written: what toHtml does.
void BM_ExportMarkup(benchmark::State& state) {
  const Input& input = InputOf(state.range(0));
  const TRtSaveHTMLParams params = EditorParams(input.links);
  qsizetype written = 0;
  for (auto _ : state) {
    int pictures = 0;
    const auto html = WriteHtml(input.document, input.style, params, [&](const TRtHtmlPicture&) {
      return std::optional<QString>(QStringLiteral("moxa_img%1.jpg").arg(++pictures));
    });
    written = html ? html->size() : -1;
    benchmark::DoNotOptimize(html);
  }
  state.SetBytesProcessed(state.iterations() * input.size);
  state.counters["output_bytes"] = static_cast<double>(written);
}

// The whole SaveHTML into a fresh folder: markup, every picture file, the
// temporary files and their renaming.
void BM_SaveHTML(benchmark::State& state) {
  const Input& input = InputOf(state.range(0));
  const TRtSaveHTMLParams params = EditorParams(input.links);
  for (auto _ : state) {
    state.PauseTiming();
    auto dir = std::make_unique<QTemporaryDir>();
    state.ResumeTiming();
    const bool saved =
        SaveHTML(dir->filePath(QStringLiteral("out.html")), input.document, input.style, params);
    if (!saved) state.SkipWithError("SaveHTML failed");
    state.PauseTiming();
    dir.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * input.size);
}

void BM_QTextDocumentToHtml(benchmark::State& state) {
  const Input& input = InputOf(state.range(0));
  for (auto _ : state) {
    const QString html = input.text.toHtml();
    benchmark::DoNotOptimize(html.constData());
  }
  state.SetBytesProcessed(state.iterations() * input.size);
}

void Sizes(benchmark::internal::Benchmark* bench) {
  for (const std::int64_t size : {100'000, 1'000'000, 10'000'000}) bench->Arg(size);
  bench->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ExportMarkup)->Apply(Sizes);
BENCHMARK(BM_SaveHTML)->Apply(Sizes);
BENCHMARK(BM_QTextDocumentToHtml)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  return moxa::bench::RunBenchmarks<QGuiApplication>(argc, argv);
}
