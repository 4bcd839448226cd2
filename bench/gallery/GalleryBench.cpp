// The gallery build over a library of 150 templates with 300 x 225
// screenshots, beside plain decoding of the same 150 files in the same run.
// The build should stay within 1.3 times the plain decoding.
// Run: build/bin/bench_gallery
#include "BenchMain.h"
#include "app/gallery/GalleryScreen.h"
#include "app/shell/Pictures.h"
#include "site/Folders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTemplates = 150;

// A screenshot that looks and compresses like a small web page: a coloured
// header, lines of "text" and a noisy picture block.
QImage PageLikeScreenshot(int seed) {
  QRandomGenerator random(static_cast<quint32>(seed));
  QImage image(300, 225, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.fillRect(0, 0, 300, 40, QColor::fromHsv((seed * 37) % 360, 150, 180));
  for (int y = 60; y < 215; y += 9) {
    painter.fillRect(12, y, 60 + random.bounded(90), 4, QColor(90, 90, 90));
  }
  painter.end();
  for (int y = 60; y < 200; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 170; x < 288; ++x) {
      for (int c = 0; c < 3; ++c) {
        row[3 * x + c] = static_cast<uchar>((x + y * c + seed) % 200 + random.bounded(40));
      }
    }
  }
  return image;
}

struct BenchLibrary {
  QTemporaryDir dir;
  moxa::Folders folders;
  std::vector<QString> screenshots;
};

const BenchLibrary& Library() {
  static const std::unique_ptr<BenchLibrary> library = [] {
    auto made = std::make_unique<BenchLibrary>();
    made->folders = moxa::Folders::At(made->dir.path(), made->dir.filePath(QStringLiteral("temp")));
    for (int n = 1; n <= kTemplates; ++n) {
      const QString folder = made->folders.TemplateFolder(n);
      QDir().mkpath(folder);
      QFile index(folder + QStringLiteral("index.html"));
      index.open(QIODevice::WriteOnly);
      index.write("<html></html>");
      PageLikeScreenshot(n).save(folder + QStringLiteral("ss.png"));
      made->screenshots.push_back(folder + QStringLiteral("ss.png"));
    }
    return made;
  }();
  return *library;
}

void BM_PlainDecoding(benchmark::State& state) {
  const BenchLibrary& library = Library();
  for (auto _ : state) {
    for (const QString& path : library.screenshots) {
      QImage image(path);
      benchmark::DoNotOptimize(image.constBits());
    }
  }
  state.counters["screenshots"] = kTemplates;
}

void BM_BuildGallery(benchmark::State& state) {
  const BenchLibrary& library = Library();
  const moxa::Pictures pictures(library.folders.DataFolder());
  for (auto _ : state) {
    state.PauseTiming();
    auto screen = std::make_unique<moxa::GalleryScreen>(library.folders, pictures);
    state.ResumeTiming();
    screen->BuildGallery();
    benchmark::DoNotOptimize(screen->GalleryLastIndex());
    state.PauseTiming();
    if (screen->GalleryLastIndex() != kTemplates - 1) state.SkipWithError("templates missing");
    screen.reset();
    state.ResumeTiming();
  }
  state.counters["screenshots"] = kTemplates;
}

BENCHMARK(BM_PlainDecoding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildGallery)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return moxa::bench::RunBenchmarks<QApplication>(argc, argv);
}
