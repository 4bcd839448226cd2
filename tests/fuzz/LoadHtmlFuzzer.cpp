// The HTML importer on any bytes. Besides crashes and hangs it checks what
// must always hold: the document keeps the model's rules, it survives the
// binary format as the editor moves it, and every linked item carries the
// tag of an entry of the link table. The first byte chooses the importer's
// settings; the base path holds one real picture, so pictures load too.
#include "HtmlImportSettingsByte.h"

#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/RtDocument.h"
#include "richtext/RtDump.h"
#include "richtext/RtdFormat.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>

using namespace moxa::rt;

namespace {

const QString& BaseFolder() {
  static QTemporaryDir folder;
  static const bool ready = [] {
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    return picture.save(folder.filePath(QStringLiteral("a.png")));
  }();
  static const QString path = ready ? folder.path() + u'/' : QString();
  return path;
}

void CheckLinks(const TCustomRtData& data, const TRtStyle& style, const TEditorLinks& links) {
  for (const TRtJumpLocation& jump : CollectJumps(data, style)) {
    const std::int32_t tag = jump.Data->GetItemTag(jump.ItemNo);
    if (tag != 0 && !links.Find(tag)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::uint8_t settings = data[0];
  const QByteArray html(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

  TRtDocument document;
  TRtStyle style;
  TEditorLinks links;
  TRtHtmlImporter importer;
  importer.View = {&document, &style};
  importer.BasePath = BaseFolder();
  fuzz::ApplySettingsByte(importer, settings);
  importer.OnReadHyperlink = MakeReadHyperlinkHook(links);
  importer.LoadHtml(html);
  if (fuzz::ImportsTwice(settings)) importer.LoadHtml(html);

  if (!IsConsistent(document, style)) __builtin_trap();
  CheckLinks(document.Data, style, links);
  const std::optional<QByteArray> saved = SaveRtdToBytes(document, style);
  if (!saved) __builtin_trap();
  TRtDocument reloaded;
  TRtStyle reloadedStyle;
  if (!LoadRtdFromBytes(*saved, reloaded, reloadedStyle)) __builtin_trap();
  if (!(reloaded == document)) __builtin_trap();
  (void)DumpDocument(document, style);
  return 0;
}
