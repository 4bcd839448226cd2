#include "richtext/RtdFormat.h"

#include "platform/SaveFileCommit.h"
#include "richtext/RtdParts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace moxa::rt {

namespace {

constexpr qsizetype kMagicSize = 8;
constexpr qsizetype kItemMinBytes = 40;  // an item with empty text and no boxes
constexpr qint64 kMaxFileSize = qint64{1} << 30;

enum ItemFlag : std::uint8_t { kParaStart = 1, kNewLine = 2 };
enum ItemBox : std::uint8_t { kHasPicture = 1, kHasExtra = 2, kHasTable = 4 };

void WriteData(RtdWriter& w, const TCustomRtData& data);
bool ReadData(RtdReader& r, TCustomRtData& data, int depth);

void WriteExtras(RtdWriter& w, const TRtExtraProps& extras) {
  w.I32(extras.ImageWidth);
  w.I32(extras.ImageHeight);
  w.I32(extras.Spacing);
  w.Str(extras.ImageFileName);
  w.Str(extras.AltText);
}

void ReadExtras(RtdReader& r, TRtExtraProps& extras) {
  extras.ImageWidth = r.I32();
  extras.ImageHeight = r.I32();
  extras.Spacing = r.I32();
  extras.ImageFileName = r.Str();
  extras.AltText = r.Str();
}

void WriteBackground(RtdWriter& w, const TRtPicture& picture, TRtBackgroundStyle placement,
                     const QString& fileName) {
  WritePicture(w, picture);
  w.Enum(placement);
  w.Str(fileName);
}

bool ReadBackground(RtdReader& r, TRtPicture& picture, TRtBackgroundStyle& placement,
                    QString& fileName) {
  if (!ReadPicture(r, picture)) return false;
  placement = r.Enum<TRtBackgroundStyle>();
  fileName = r.Str();
  return r.Ok();
}

void WriteCell(RtdWriter& w, const TRtTableCell& cell) {
  w.I32(cell.ColSpan);
  w.I32(cell.RowSpan);
  w.U32(cell.Color);
  w.U32(cell.BorderColor);
  w.U32(cell.BorderLightColor);
  w.Enum(cell.VAlign);
  w.I32(cell.BestWidth);
  w.I32(cell.BestHeight);
  WriteBackground(w, cell.BackgroundPicture, cell.BackgroundStyle, cell.BackgroundFileName);
  WriteData(w, cell.Data);
}

bool ReadCell(RtdReader& r, TRtTableCell& cell, int depth) {
  cell.ColSpan = r.I32();
  cell.RowSpan = r.I32();
  cell.Color = r.U32();
  cell.BorderColor = r.U32();
  cell.BorderLightColor = r.U32();
  cell.VAlign = r.Enum<TRtCellVAlign>();
  cell.BestWidth = r.I32();
  cell.BestHeight = r.I32();
  return ReadBackground(r, cell.BackgroundPicture, cell.BackgroundStyle,
                        cell.BackgroundFileName) &&
         ReadData(r, cell.Data, depth);
}

void WriteTable(RtdWriter& w, const TRtTable& t) {
  for (int value : {t.BestWidth, t.BorderWidth, t.CellBorderWidth, t.BorderHSpacing,
                    t.BorderVSpacing, t.CellHSpacing, t.CellVSpacing, t.CellPadding}) {
    w.I32(value);
  }
  w.Enum(t.BorderStyle);
  w.Enum(t.CellBorderStyle);
  for (TRtColor color : {t.BorderColor, t.BorderLightColor, t.CellBorderColor,
                         t.CellBorderLightColor, t.Color}) {
    w.U32(color);
  }
  WriteBackground(w, t.BackgroundPicture, t.BackgroundStyle, t.BackgroundFileName);
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
  for (int* value : {&t.BestWidth, &t.BorderWidth, &t.CellBorderWidth, &t.BorderHSpacing,
                     &t.BorderVSpacing, &t.CellHSpacing, &t.CellVSpacing, &t.CellPadding}) {
    *value = r.I32();
  }
  t.BorderStyle = r.Enum<TRtTableBorderStyle>();
  t.CellBorderStyle = r.Enum<TRtTableBorderStyle>();
  for (TRtColor* color : {&t.BorderColor, &t.BorderLightColor, &t.CellBorderColor,
                          &t.CellBorderLightColor, &t.Color}) {
    *color = r.U32();
  }
  return ReadBackground(r, t.BackgroundPicture, t.BackgroundStyle, t.BackgroundFileName) &&
         ReadGrid(r, t, depth + 1);
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
  if (item.Extra) WriteExtras(w, *item.Extra);
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
  if (boxes & kHasExtra) ReadExtras(r, item.Extra.Ensure());
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
  w.U32(d.Color);
  WriteBackground(w, d.BackgroundPicture, d.BackgroundStyle, d.BackgroundFileName);
  for (int margin : {d.LeftMargin, d.TopMargin, d.RightMargin, d.BottomMargin}) w.I32(margin);
  WriteData(w, d.Data);
}

bool ReadDocument(RtdReader& r, TRtDocument& d) {
  d.Color = r.U32();
  if (!ReadBackground(r, d.BackgroundPicture, d.BackgroundStyle, d.BackgroundFileName)) {
    return false;
  }
  for (int* margin : {&d.LeftMargin, &d.TopMargin, &d.RightMargin, &d.BottomMargin}) {
    *margin = r.I32();
  }
  return ReadData(r, d.Data, 0);
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
