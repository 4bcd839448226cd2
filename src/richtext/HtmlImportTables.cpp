// The HTML reader's containers and tables: each cell is an item container
// in which the ordinary text handling runs.
#include "richtext/HtmlImportRun.h"

#include <algorithm>

namespace moxa::rt {

namespace {

int NumberOr(QByteArrayView text, int fallback) {
  return NumberIn(text, kMaxMeasure).value_or(fallback);
}

// "120" is pixels; "50%" a percentage, stored negative ("%" alone: 100).
int BestWidth(QByteArrayView value) {
  const qsizetype percent = value.indexOf('%');
  if (percent < 0) return std::max(0, NumberOr(value, 0));
  const QByteArrayView number = value.first(percent).trimmed();
  return -std::clamp(number.isEmpty() ? 100 : NumberOr(number, 100), 0, 100);
}

void ReadVAlign(QByteArrayView value, TRtCellVAlign& valign) {
  const QByteArrayView word = value.trimmed();
  if (word.compare("top", Qt::CaseInsensitive) == 0) valign = rtcTop;
  if (word.compare("middle", Qt::CaseInsensitive) == 0) valign = rtcMiddle;
  if (word.compare("bottom", Qt::CaseInsensitive) == 0) valign = rtcBottom;
}

// The colour of "bgcolor", else of the "background-color" in "style".
std::optional<TRtColor> BackgroundColor(const TRtRawByteStringList& params) {
  if (const auto color = ColorAttr(params, "bgcolor")) return color;
  const QByteArray css = GetCssValue(Attr(params, "style"), "background-color");
  if (!css.isEmpty()) return ColorOf(css.trimmed());
  return std::nullopt;
}

// Merges the block at (row, col) when every other slot in it holds a cell
// of its own: then no merged cell can cross the block. Unlike a check of
// the whole grid, the work stays within the block.
void MergeBlock(TRtTable& table, int row, int col, int cols, int rows) {
  TRtTableCell* target = table.Cell(row, col);
  if (!target || target->ColSpan != 1 || target->RowSpan != 1) return;
  for (int r = row; r < row + rows; ++r) {
    for (int c = col; c < col + cols; ++c) {
      const TRtTableCell* cell = table.Cell(r, c);
      if (!cell || cell->ColSpan != 1 || cell->RowSpan != 1) return;
    }
  }
  for (int r = row; r < row + rows; ++r) {
    for (int c = col; c < col + cols; ++c) {
      if (r == row && c == col) continue;
      Boxed<TRtTableCell>& slot = table.Rows[static_cast<size_t>(r)].Cells[static_cast<size_t>(c)];
      auto& items = slot->Data.Items;
      std::move(items.begin(), items.end(), std::back_inserter(target->Data.Items));
      slot.Reset();
    }
  }
  target->ColSpan = cols;
  target->RowSpan = rows;
}

}  // namespace

void TRtHtmlRun::EnterContainer(TContainerLevel level, TRtAlignment alignment) {
  const TContainerDataType& parent = Top();
  TContainerDataType opened;
  opened.Level = level;
  opened.TextStyle = curStyle_;
  opened.BgColor = parent.BgColor;
  opened.VAlign = parent.Level == clTable || parent.Level == clRow ? parent.VAlign : rtcMiddle;
  opened.RtData = parent.RtData;
  containers_.push_back(std::move(opened));
  lastParaNo_ = -1;
  SetCurrentStyle(0);
  EnterAlignment(alignment, -1);
}

// Closes the levels deeper than `level`, then the innermost one of `level`
// (never the main text); the text style in force before the first closed
// level comes back.
void TRtHtmlRun::LeaveContainers(TContainerLevel level) {
  int restored = -1;
  while (containers_.size() > 1 && Top().Level > level) {
    restored = Top().TextStyle;
    PopContainer();
  }
  if (containers_.size() > 1 && Top().Level == level) {
    restored = Top().TextStyle;
    PopContainer();
  }
  if (restored >= 0) SetCurrentStyle(restored);
}

// A closed table level hands its table to the level it was made in.
void TRtHtmlRun::PopContainer() {
  const bool table = Top().Level == clTable;
  containers_.pop_back();
  TContainerDataType& maker = Top();
  if (!table || !maker.RtTable) return;
  TRtItem item;
  item.StyleNo = rtikTable;
  item.Table = Boxed<TRtTable>(std::move(*maker.RtTable));
  maker.RtTable.reset();
  maker.RtData->Append(std::move(item), maker.RtTableParaNo);
  lastParaNo_ = -1;
}

TRtTableItemInfoH* TRtHtmlRun::CurrentTable() {
  for (auto level = containers_.rbegin(); level != containers_.rend(); ++level) {
    if (level->Level == clTable) return &level->TableInfo;
  }
  return nullptr;
}

bool TRtHtmlRun::InIgnoredTable() {
  if (ignoredTables_ == 0) return false;
  lastParaNo_ = -1;
  return true;
}

void TRtHtmlRun::HandleTable() {
  FlushText();
  const auto open = std::count_if(containers_.begin(), containers_.end(),
                                  [](const auto& c) { return c.Level == clTable; });
  // A table between the cells of another, or nested deeper than documents
  // may be, is not made: its text joins the text around it.
  if (ignoredTables_ > 0 || !ItemTarget() || open >= kMaxTableNesting) {
    ++ignoredTables_;
    lastParaNo_ = -1;
    return;
  }
  const TRtRawByteStringList& params = parser_.TagParams;
  TContainerDataType& maker = Top();
  maker.RtTable = std::make_unique<TRtTable>();
  TRtTable& table = *maker.RtTable;
  table.BorderWidth = std::max(0, NumberOr(Attr(params, "border"), 0));
  table.CellBorderWidth = table.BorderWidth > 0 ? 1 : 0;
  const int spacing = std::max(0, NumberOr(Attr(params, "cellspacing"), 2));
  table.BorderHSpacing = table.BorderVSpacing = spacing;
  table.CellHSpacing = table.CellVSpacing = spacing;
  table.BorderStyle = rttbRaised;
  table.CellBorderStyle = rttbLowered;
  table.CellPadding = std::max(0, NumberOr(Attr(params, "cellpadding"), 1));
  QByteArray borderColor = Attr(params, "bordercolor").toByteArray();
  if (borderColor.isEmpty()) borderColor = GetCssValue(Attr(params, "style"), "border-color");
  if (!borderColor.isEmpty()) {
    table.BorderColor = ColorOf(borderColor.trimmed());
    table.BorderStyle = table.CellBorderStyle = rttbColor;
  } else {
    table.BorderColor = rtclBtnShadow;
  }
  table.CellBorderColor = table.BorderColor;
  const std::optional<TRtColor> color = BackgroundColor(params);
  table.Color = color.value_or(rtclNone);
  table.BorderLightColor = ColorAttr(params, "bordercolorlight")
                               .value_or(table.Color == rtclBtnHighlight ? rtclBtnFace
                                                                         : rtclBtnHighlight);
  table.CellBorderLightColor = table.BorderLightColor;
  ReadBackgroundAttr(table.BackgroundPicture, table.BackgroundFileName, table.BackgroundStyle);
  if (params.IndexOfName("width") >= 0) table.BestWidth = BestWidth(Attr(params, "width"));
  maker.RtTableParaNo = ParaStyleForAlignment(TagAlignment());

  EnterContainer(clTable, rtaLeft);
  TContainerDataType& level = Top();
  level.TableInfo = {&table, -1, -1};
  ReadVAlign(Attr(params, "valign"), level.VAlign);
  level.BgColor = table.Color;
}

void TRtHtmlRun::HandleRow() {
  FlushText();
  if (InIgnoredTable()) return;
  if (!CurrentTable()) return;
  LeaveContainers(clRow);
  TRtTableItemInfoH& info = *CurrentTable();
  ++info.CurrRow;
  if (info.CurrRow >= info.Table->RowCount() && !GrowTable(*info.Table, 1, 0)) {
    info.CurrRow = info.Table->RowCount() - 1;  // no room: the last row is filled further
  }
  info.CurrCol = -1;
  const TRtRawByteStringList& params = parser_.TagParams;
  EnterContainer(clRow, ParseAlign(params, rtaLeft));
  ReadVAlign(Attr(params, "valign"), Top().VAlign);
  if (const std::optional<TRtColor> color = BackgroundColor(params)) Top().BgColor = *color;
}

void TRtHtmlRun::HandleCell(bool header) {
  FlushText();
  if (InIgnoredTable()) return;
  if (!CurrentTable()) return;  // outside a table
  LeaveContainers(clCol);
  parser_.LastWasSpace = true;
  if (CurrentTable()->CurrRow < 0) {
    EnterContainer(clRow, rtaLeft);
    CurrentTable()->CurrRow = 0;
  }
  TRtTableItemInfoH& info = *CurrentTable();
  if (!OpenCellSlot(info)) return;  // no room: its text goes beside the table
  TRtTable& table = *info.Table;
  TRtTableCell& cell = *table.Cell(info.CurrRow, info.CurrCol);
  EnterContainer(clCol, TagAlignment());
  Top().Cell = &cell;
  Top().RtData = &cell.Data;
  if (header) {
    font_.Style |= fsBold;
    UseFontStyle(true, inLink_);
  }
  ReadCellAttributes(cell, table);
}

void TRtHtmlRun::ReadCellAttributes(TRtTableCell& cell, TRtTable& table) {
  const TRtRawByteStringList& params = parser_.TagParams;
  TContainerDataType& level = Top();
  ReadVAlign(Attr(params, "valign"), level.VAlign);
  cell.VAlign = level.VAlign;
  ReadBackgroundAttr(cell.BackgroundPicture, cell.BackgroundFileName, cell.BackgroundStyle);
  MergeSpan(*CurrentTable(), NumberOr(Attr(params, "colspan"), 1),
            NumberOr(Attr(params, "rowspan"), 1));
  if (const auto color = ColorAttr(params, "bordercolor")) cell.BorderColor = *color;
  if (const auto color = ColorAttr(params, "bgcolor")) level.BgColor = *color;
  cell.Color = level.BgColor;
  if (params.IndexOfName("width") >= 0) cell.BestWidth = BestWidth(Attr(params, "width"));
  if (params.IndexOfName("height") >= 0) {
    cell.BestHeight = std::max(0, NumberOr(Attr(params, "height"), 0));
  }
  const QByteArray border = GetCssValue(Attr(params, "style"), "border-width");
  const qsizetype px = border.indexOf("px");
  if (px > 0) table.CellBorderWidth = std::max(0, NumberOr(border.left(px), table.CellBorderWidth));
}

bool TRtHtmlRun::OpenCellSlot(TRtTableItemInfoH& info) {
  TRtTable& table = *info.Table;
  int col = info.CurrCol;
  do {
    ++col;
    if (col >= table.ColCount() && !GrowTable(table, 0, 1)) return false;
  } while (!table.Cell(info.CurrRow, col));
  info.CurrCol = col;
  return true;
}

void TRtHtmlRun::MergeSpan(TRtTableItemInfoH& info, int colSpan, int rowSpan) {
  colSpan = std::max(colSpan, 1);
  rowSpan = std::max(rowSpan, 1);
  if (colSpan == 1 && rowSpan == 1) return;
  TRtTable& table = *info.Table;
  const int addRows = std::max(0, info.CurrRow + rowSpan - table.RowCount());
  const int addCols = std::max(0, info.CurrCol + colSpan - table.ColCount());
  if (!GrowTable(table, addRows, addCols)) {
    rowSpan = std::min(rowSpan, table.RowCount() - info.CurrRow);
    colSpan = std::min(colSpan, table.ColCount() - info.CurrCol);
  }
  MergeBlock(table, info.CurrRow, info.CurrCol, colSpan, rowSpan);
}

// Adds rows and columns when the run's cell budget allows all of them.
bool TRtHtmlRun::GrowTable(TRtTable& table, int rows, int cols) {
  const qint64 cost = qint64{rows} * table.ColCount() + qint64{cols} * (table.RowCount() + rows);
  if (cost > cellBudget_) return false;
  cellBudget_ -= cost;
  for (int r = 0; r < rows; ++r) table.AppendRow();
  for (int c = 0; c < cols; ++c) table.AppendColumn();
  return true;
}

void TRtHtmlRun::EndCell(bool header) {
  FlushText();
  if (InIgnoredTable()) return;
  if (Top().Level != clCol) return;  // only inside a cell
  LeaveContainers(clCol);
  parser_.LastWasSpace = true;
  if (header) Restore();
}

void TRtHtmlRun::EndRow() {
  FlushText();
  if (InIgnoredTable()) return;
  if (CurrentTable()) LeaveContainers(clRow);
}

void TRtHtmlRun::EndTable() {
  FlushText();
  if (InIgnoredTable()) {
    --ignoredTables_;
    return;
  }
  if (!CurrentTable()) return;
  LeaveContainers(clTable);
  lastParaNo_ = -1;
}

}  // namespace moxa::rt
