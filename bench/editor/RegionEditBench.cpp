// Opening a region for editing (cut from the working copy, import, binary
// file, load into the editor) and committing it (read back from the editor,
// export, splice, safe write), without the browser's reload. Two regions:
// the largest of the shipped templates, and a generated 1 MB one.
#include "BenchMain.h"
#include "PageLikeHtml.h"
#include "editor/RegionEditCycle.h"
#include "editor/RtEditor.h"
#include "pages/Regions.h"
#include "site/Folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace moxa;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray LargestTemplateRegion() {
  QByteArray largest;
  QDirIterator pages(QStringLiteral(MOXA_SOURCE_DIR "/data/templates"), {QStringLiteral("*.html")},
                     QDir::Files, QDirIterator::Subdirectories);
  while (pages.hasNext()) {
    const QByteArray page = ReadAll(pages.next());
    for (const auto& [number, content] : RegionContents(page)) {
      if (content.size() > largest.size()) largest = content;
    }
  }
  return largest;
}

QByteArray RegionOf(int which) {
  if (which == 0) return LargestTemplateRegion();
  QByteArray html = rt::bench::PageLikeHtml(1'000'000);
  const qsizetype body = html.indexOf("<body");
  return html.mid(html.indexOf('>', body) + 1);
}

// A working folder whose working copy holds the region as region 1, with
// the picture the generated region shows.
struct WorkingFolder {
  explicit WorkingFolder(int which) {
    folders = Folders::WithDataAndWork(QStringLiteral(MOXA_SOURCE_DIR "/data/"), dir.path());
    QFile::copy(rt::bench::SiteFolder() + QStringLiteral("moxa_img1.jpg"),
                folders.WorkFolder() + QStringLiteral("moxa_img1.jpg"));
    region = RegionOf(which);
    page = "<html><head><title>Bench</title></head><body>\r\n<div id=\"moxadiv1\">" + region +
           "</div><!-- moxadiv1 -->\r\n</body></html>\r\n";
    Reset();
  }
  void Reset() {
    QFile file(folders.WorkingCopyFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(page);
  }
  QTemporaryDir dir;
  Folders folders;
  QByteArray region;
  QByteArray page;
};

void BM_OpenRegion(benchmark::State& state) {
  WorkingFolder work(static_cast<int>(state.range(0)));
  rt::TRtStyle style;
  rt::TEditorLinks links;
  editor::RtEditor editor(style);
  for (auto _ : state) {
    rt::TRtDocument imported;
    const bool ok = editor::OpenRegion(work.folders, 1, imported, style, links) &&
                    editor.LoadRtd(editor::RegionRtdFile(work.folders));
    if (!ok) state.SkipWithError("the region could not be opened");
  }
  state.SetLabel(QByteArray::number(work.region.size()).toStdString() + " bytes");
  state.SetBytesProcessed(state.iterations() * work.region.size());
}

void BM_CommitRegion(benchmark::State& state) {
  WorkingFolder work(static_cast<int>(state.range(0)));
  rt::TRtStyle style;
  rt::TEditorLinks links;
  editor::RtEditor editor(style);
  rt::TRtDocument imported;
  if (!editor::OpenRegion(work.folders, 1, imported, style, links) ||
      !editor.LoadRtd(editor::RegionRtdFile(work.folders))) {
    state.SkipWithError("the region could not be opened");
    return;
  }
  for (auto _ : state) {
    if (!editor::CommitRegion(work.folders, 1, editor.Document(), style, links)) {
      state.SkipWithError("the edit could not be committed");
    }
  }
  state.SetLabel(QByteArray::number(work.region.size()).toStdString() + " bytes");
  state.SetBytesProcessed(state.iterations() * work.region.size());
}

// 0: the largest template region; 1: a 1 MB region.
BENCHMARK(BM_OpenRegion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommitRegion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return moxa::bench::RunBenchmarks<QGuiApplication>(argc, argv);
}
