#pragma once

#include "richtext/Boxed.h"
#include "richtext/RtColor.h"
#include "richtext/RtData.h"
#include "richtext/RtEnums.h"
#include "richtext/RtFields.h"
#include "richtext/RtPicture.h"

#include <QString>

#include <vector>

namespace moxa::rt {

// Tables inside cells inside tables: the depth the model supports. The
// binary format refuses deeper documents, so hostile files cannot exhaust
// the stack; the importer flattens anything deeper.
inline constexpr int kMaxTableNesting = 64;

struct TRtTableCell {
  TCustomRtData Data;  // the cell's own items
  int ColSpan = 1;
  int RowSpan = 1;
  TRtColor Color = rtclNone;
  TRtColor BorderColor = rtclNone;  // none: the table's cell border colour
  TRtColor BorderLightColor = rtclNone;
  TRtCellVAlign VAlign = rtcMiddle;
  int BestWidth = 0;  // pixels; negative: percent of the table
  int BestHeight = 0;
  TRtPicture BackgroundPicture;
  TRtBackgroundStyle BackgroundStyle = rtbgNone;
  QString BackgroundFileName;
  bool operator==(const TRtTableCell&) const = default;
};

// Without Data.
template <class Visitor>
void ForEachField(FieldsOf<TRtTableCell>, Visitor&& visit) {
  visit("ColSpan", &TRtTableCell::ColSpan);
  visit("RowSpan", &TRtTableCell::RowSpan);
  visit("Color", &TRtTableCell::Color);
  visit("BorderColor", &TRtTableCell::BorderColor);
  visit("BorderLightColor", &TRtTableCell::BorderLightColor);
  visit("VAlign", &TRtTableCell::VAlign);
  visit("BestWidth", &TRtTableCell::BestWidth);
  visit("BestHeight", &TRtTableCell::BestHeight);
  visit("BackgroundPicture", &TRtTableCell::BackgroundPicture);
  visit("BackgroundStyle", &TRtTableCell::BackgroundStyle);
  visit("BackgroundFileName", &TRtTableCell::BackgroundFileName);
}

// One row: a slot per column; an empty slot is covered by a merged cell
// above it or to its left.
struct TRtTableRow {
  std::vector<Boxed<TRtTableCell>> Cells;
  bool operator==(const TRtTableRow&) const = default;
};

// A table: a rectangular grid of cells, every row with the same number of
// slots; a cell with spans covers the slots to its right and below, which
// then hold no cell.
class TRtTable {
 public:
  explicit TRtTable(int rows = 1, int cols = 1);

  int BestWidth = 0;  // pixels; negative: percent; 0: automatic
  int BorderWidth = 0;
  int CellBorderWidth = 0;
  int BorderHSpacing = 2;
  int BorderVSpacing = 2;
  int CellHSpacing = 2;
  int CellVSpacing = 2;
  int CellPadding = 1;
  TRtTableBorderStyle BorderStyle = rttbRaised;
  TRtTableBorderStyle CellBorderStyle = rttbLowered;
  TRtColor BorderColor = rtclBtnShadow;
  TRtColor BorderLightColor = rtclBtnHighlight;
  TRtColor CellBorderColor = rtclBtnShadow;
  TRtColor CellBorderLightColor = rtclBtnHighlight;
  TRtColor Color = rtclNone;
  TRtPicture BackgroundPicture;
  TRtBackgroundStyle BackgroundStyle = rtbgNone;
  QString BackgroundFileName;
  std::vector<TRtTableRow> Rows;

  int RowCount() const { return static_cast<int>(Rows.size()); }
  int ColCount() const { return Rows.empty() ? 0 : static_cast<int>(Rows.front().Cells.size()); }
  // The cell at a slot; null for a covered slot or a slot outside the grid.
  TRtTableCell* Cell(int row, int col);
  const TRtTableCell* Cell(int row, int col) const;

  void AppendRow();     // with a new cell per column
  void AppendColumn();  // a new cell at the end of every row
  // Makes the cell at (row, col) cover colSpan x rowSpan slots; spans below
  // 1 count as 1. The items of the cells it swallows are appended to it.
  // False, and nothing changed, when the block leaves the grid, starts on a
  // covered slot, or cuts through another merged cell.
  bool MergeCells(int row, int col, int colSpan, int rowSpan);
  // The grid rule: rectangular, spans inside the grid, every covered slot
  // covered by exactly one cell.
  bool IsWellFormed() const;

  bool operator==(const TRtTable&) const = default;
};

// Without Rows.
template <class Visitor>
void ForEachField(FieldsOf<TRtTable>, Visitor&& visit) {
  visit("BestWidth", &TRtTable::BestWidth);
  visit("BorderWidth", &TRtTable::BorderWidth);
  visit("CellBorderWidth", &TRtTable::CellBorderWidth);
  visit("BorderHSpacing", &TRtTable::BorderHSpacing);
  visit("BorderVSpacing", &TRtTable::BorderVSpacing);
  visit("CellHSpacing", &TRtTable::CellHSpacing);
  visit("CellVSpacing", &TRtTable::CellVSpacing);
  visit("CellPadding", &TRtTable::CellPadding);
  visit("BorderStyle", &TRtTable::BorderStyle);
  visit("CellBorderStyle", &TRtTable::CellBorderStyle);
  visit("BorderColor", &TRtTable::BorderColor);
  visit("BorderLightColor", &TRtTable::BorderLightColor);
  visit("CellBorderColor", &TRtTable::CellBorderColor);
  visit("CellBorderLightColor", &TRtTable::CellBorderLightColor);
  visit("Color", &TRtTable::Color);
  visit("BackgroundPicture", &TRtTable::BackgroundPicture);
  visit("BackgroundStyle", &TRtTable::BackgroundStyle);
  visit("BackgroundFileName", &TRtTable::BackgroundFileName);
}

}  // namespace moxa::rt
