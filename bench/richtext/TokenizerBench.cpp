// The tokenizer beside a plain scan for "<" over the same page-like bytes.
#include "PageLikeHtml.h"
#include "richtext/HtmlParser.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using moxa::rt::THtmlParser;
using moxa::rt::bench::PageLikeHtml;

const QByteArray& Input(qsizetype size) {
  static QByteArray inputs[3];
  const int slot = size <= 100'000 ? 0 : size <= 1'000'000 ? 1 : 2;
  if (inputs[slot].size() != size) inputs[slot] = PageLikeHtml(size);
  return inputs[slot];
}

void BM_Tokenizer(benchmark::State& state) {
  const QByteArray& html = Input(state.range(0));
  std::int64_t tokens = 0;
  for (auto _ : state) {
    THtmlParser parser(html);
    while (!parser.Done()) {
      parser.Next();
      benchmark::DoNotOptimize(parser.TagName.constData());
      ++tokens;
    }
  }
  state.SetBytesProcessed(state.iterations() * html.size());
  state.counters["tokens"] =
      benchmark::Counter(static_cast<double>(tokens) / static_cast<double>(state.iterations()));
}

// What any reader of this input must at least do: find every "<".
void BM_PlainScan(benchmark::State& state) {
  const QByteArray& html = Input(state.range(0));
  for (auto _ : state) {
    const char* p = html.constData();
    const char* end = p + html.size();
    std::int64_t count = 0;
    while (p < end) {
      const void* lt = std::memchr(p, '<', static_cast<size_t>(end - p));
      if (!lt) break;
      ++count;
      p = static_cast<const char*>(lt) + 1;
    }
    benchmark::DoNotOptimize(count);
  }
  state.SetBytesProcessed(state.iterations() * html.size());
}

constexpr std::int64_t kSizes[] = {100'000, 1'000'000, 10'000'000};

void Sizes(benchmark::internal::Benchmark* bench) {
  for (std::int64_t size : kSizes) bench->Arg(size);
  bench->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Tokenizer)->Apply(Sizes);
BENCHMARK(BM_PlainScan)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
