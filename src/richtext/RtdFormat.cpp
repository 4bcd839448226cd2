#include "richtext/RtdFormat.h"

#include "platform/SaveFileCommit.h"
#include "richtext/RtdFields.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace moxa::rt {

namespace {

using rtd::Get;
using rtd::Put;

constexpr qsizetype kMagicSize = 8;
constexpr qsizetype kItemMinBytes = 40;  // an item with empty text and no boxes
constexpr qint64 kMaxFileSize = qint64{1} << 30;

enum ItemFlag : std::uint8_t { kParaStart = 1, kNewLine = 2 };
enum ItemBox : std::uint8_t { kHasPicture = 1, kHasExtra = 2, kHasTable = 4 };

void WriteData(RtdWriter& w, const TCustomRtData& data);
bool ReadData(RtdReader& r, TCustomRtData& data, int depth);

void WriteCell(RtdWriter& w, const TRtTableCell& cell) {
  Put(w, cell);
  WriteData(w, cell.Data);
}

bool ReadCell(RtdReader& r, TRtTableCell& cell, int depth) {
  Get(r, cell);
  return r.Ok() && ReadData(r, cell.Data, depth);
}

void WriteTable(RtdWriter& w, const TRtTable& t) {
  Put(w, t);
  w.U32(static_cast<std::uint32_t>(t.RowCount()));
  w.U32(static_cast<std::uint32_t>(t.ColCount()));
  for (const TRtTableRow& row : t.Rows) {
    for (const auto& cell : row.Cells) {
      w.Bool(static_cast<bool>(cell));
      if (cell) WriteCell(w, *cell);
    }
  }
}

bool ReadGrid(RtdReader& r, TRtTable& t, int depth) {
  const int rows = r.Count(1);
  const int cols = r.Count(1);
  // Every slot takes at least its presence byte.
  if (!r.Ok() || rows < 1 || cols < 1 || qint64{rows} * cols > r.Remaining()) return false;
  t.Rows.assign(static_cast<size_t>(rows), TRtTableRow());
  for (TRtTableRow& row : t.Rows) {
    row.Cells.resize(static_cast<size_t>(cols));
    for (auto& slot : row.Cells) {
      if (!r.Bool()) continue;
      if (!ReadCell(r, slot.Ensure(), depth)) return false;
    }
  }
  return r.Ok() && t.IsWellFormed();
}

bool ReadTable(RtdReader& r, TRtTable& t, int depth) {
  if (depth >= kMaxTableNesting) return false;
  Get(r, t);
  return r.Ok() && ReadGrid(r, t, depth + 1);
}

void WriteItem(RtdWriter& w, const TRtItem& item) {
  w.I32(item.StyleNo);
  w.I32(item.ParaNo);
  w.U8((item.ParaStart ? kParaStart : 0) | (item.NewLine ? kNewLine : 0));
  w.I32(item.Tag);
  w.Str(item.Text);
  w.Enum(item.VAlign);
  w.I32(item.Marker.ListNo);
  w.I32(item.Marker.Level);
  w.I32(item.Marker.StartFrom);
  w.Bool(item.Marker.UseStartFrom);
  w.U32(item.Rule.Color);
  w.I32(item.Rule.Width);
  w.U8((item.Picture ? kHasPicture : 0) | (item.Extra ? kHasExtra : 0) |
       (item.Table ? kHasTable : 0));
  if (item.Picture) WritePicture(w, *item.Picture);
  if (item.Extra) Put(w, *item.Extra);
  if (item.Table) WriteTable(w, *item.Table);
}

bool ReadItem(RtdReader& r, TRtItem& item, int depth) {
  item.StyleNo = r.I32();
  item.ParaNo = r.I32();
  const std::uint8_t flags = r.U8();
  item.ParaStart = flags & kParaStart;
  item.NewLine = flags & kNewLine;
  item.Tag = r.I32();
  item.Text = r.Str();
  item.VAlign = r.Enum<TRtVAlign>();
  item.Marker.ListNo = r.I32();
  item.Marker.Level = r.I32();
  item.Marker.StartFrom = r.I32();
  item.Marker.UseStartFrom = r.Bool();
  item.Rule.Color = r.U32();
  item.Rule.Width = r.I32();
  const std::uint8_t boxes = r.U8();
  if (!r.Ok() || (flags & ~(kParaStart | kNewLine)) ||
      (boxes & ~(kHasPicture | kHasExtra | kHasTable))) {
    return false;
  }
  if ((boxes & kHasPicture) && !ReadPicture(r, item.Picture.Ensure())) return false;
  if (boxes & kHasExtra) Get(r, item.Extra.Ensure());
  if ((boxes & kHasTable) && !ReadTable(r, item.Table.Ensure(), depth)) return false;
  return r.Ok();
}

void WriteData(RtdWriter& w, const TCustomRtData& data) {
  w.U32(static_cast<std::uint32_t>(data.LineCount()));
  for (const TRtItem& item : data.Items) WriteItem(w, item);
}

bool ReadData(RtdReader& r, TCustomRtData& data, int depth) {
  const int count = r.Count(kItemMinBytes);
  data.Items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (!ReadItem(r, data.Items.emplace_back(), depth)) return false;
  }
  return r.Ok();
}

void WriteDocument(RtdWriter& w, const TRtDocument& d) {
  Put(w, d);
  WriteData(w, d.Data);
}

bool ReadDocument(RtdReader& r, TRtDocument& d) {
  Get(r, d);
  return r.Ok() && ReadData(r, d.Data, 0);
}

bool ReadHeader(RtdReader& r) {
  char magic[kMagicSize];
  if (!r.Raw(magic, kMagicSize) || std::memcmp(magic, kRtdMagic, kMagicSize) != 0) return false;
  return r.U32() == kRtdVersion && r.Ok();
}

// Entry i of `from` becomes entry i of `into`; entries past the end of
// `into` are appended.
template <class Collection>
void PutAtSameNumbers(const Collection& from, Collection& into) {
  for (int i = 0; i < from.Count(); ++i) {
    if (i < into.Count()) {
      into[i] = from[i];
    } else {
      into.Items.push_back(from[i]);
    }
  }
}

}  // namespace

std::optional<QByteArray> SaveRtdToBytes(const TRtDocument& document, const TRtStyle& style) {
  if (!IsConsistent(document, style)) return std::nullopt;
  RtdWriter w;
  w.Raw(kRtdMagic, kMagicSize);
  w.U32(kRtdVersion);
  WriteStyles(w, style);
  WriteDocument(w, document);
  return w.Take();
}

bool SaveRtd(const QString& fileName, const TRtDocument& document, const TRtStyle& style) {
  const std::optional<QByteArray> bytes = SaveRtdToBytes(document, style);
  if (!bytes) return false;
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(*bytes) != bytes->size()) {
    file.cancelWriting();
    return false;
  }
  return CommitSaveFile(file);
}

bool LoadRtdFromBytes(const QByteArray& bytes, TRtDocument& document, TRtStyle& style) {
  document.Clear();
  RtdReader r(bytes);
  TRtStyle fileStyle;
  fileStyle.TextStyles.Clear();
  fileStyle.ParaStyles.Clear();
  fileStyle.ListStyles.Clear();
  TRtDocument loaded;
  // The document must hold together on the styles the file itself carries.
  if (!ReadHeader(r) || !ReadStyles(r, fileStyle) || !ReadDocument(r, loaded) || !r.AtEnd() ||
      !IsConsistent(loaded, fileStyle)) {
    return false;
  }
  PutAtSameNumbers(fileStyle.TextStyles, style.TextStyles);
  PutAtSameNumbers(fileStyle.ParaStyles, style.ParaStyles);
  PutAtSameNumbers(fileStyle.ListStyles, style.ListStyles);
  document = std::move(loaded);
  return true;
}

bool LoadRtd(const QString& fileName, TRtDocument& document, TRtStyle& style) {
  document.Clear();
  const QFileInfo info(fileName);
  if (!info.isFile() || info.size() > kMaxFileSize) return false;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  return LoadRtdFromBytes(bytes, document, style);
}

}  // namespace moxa::rt
