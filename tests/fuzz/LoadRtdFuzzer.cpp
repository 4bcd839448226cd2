// The binary document reader on any bytes. Besides crashes it checks that a
// file it accepts holds a consistent document that saves and loads back to
// itself, and that a file it refuses leaves an empty document.
#include "richtext/RtDescribe.h"
#include "richtext/RtDocument.h"
#include "richtext/RtdFormat.h"

#include <cstdint>

using namespace moxa::rt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TRtStyle style;
  TRtDocument document;
  if (!LoadRtdFromBytes(bytes, document, style)) {
    if (!(document == TRtDocument()) || !(style == TRtStyle())) __builtin_trap();
    return 0;
  }
  if (!IsConsistent(document, style)) __builtin_trap();
  const std::optional<QByteArray> saved = SaveRtdToBytes(document, style);
  if (!saved) __builtin_trap();
  TRtStyle again;
  TRtDocument reloaded;
  if (!LoadRtdFromBytes(*saved, reloaded, again)) __builtin_trap();
  if (!(reloaded == document) || !(again == style)) __builtin_trap();
  (void)DescribeDocument(document);
  (void)DescribeStyle(style);
  (void)CollectJumps(document.Data, style);
  TRtDocument* documents[] = {&document};
  DeleteUnusedStyles(style, documents, true, true, true);
  if (!IsConsistent(document, style)) __builtin_trap();
  return 0;
}
