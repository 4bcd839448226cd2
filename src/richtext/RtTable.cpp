#include "richtext/RtTable.h"

#include <algorithm>

namespace moxa::rt {

namespace {

struct Block {
  int row, col, rows, cols;
  bool Contains(const Block& b) const {
    return b.row >= row && b.col >= col && b.row + b.rows <= row + rows &&
           b.col + b.cols <= col + cols;
  }
  bool Intersects(const Block& b) const {
    return b.row < row + rows && row < b.row + b.rows && b.col < col + cols &&
           col < b.col + b.cols;
  }
};

}  // namespace

TRtTable::TRtTable(int rows, int cols) {
  rows = std::max(rows, 1);
  cols = std::max(cols, 1);
  Rows.resize(static_cast<size_t>(rows));
  for (TRtTableRow& row : Rows) {
    for (int c = 0; c < cols; ++c) row.Cells.emplace_back(TRtTableCell());
  }
}

TRtTableCell* TRtTable::Cell(int row, int col) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return nullptr;
  return Rows[static_cast<size_t>(row)].Cells[static_cast<size_t>(col)].get();
}

const TRtTableCell* TRtTable::Cell(int row, int col) const {
  return const_cast<TRtTable*>(this)->Cell(row, col);
}

void TRtTable::AppendRow() {
  TRtTableRow& row = Rows.emplace_back();
  const int cols = std::max(Rows.size() > 1 ? ColCount() : 1, 1);
  for (int c = 0; c < cols; ++c) row.Cells.emplace_back(TRtTableCell());
}

void TRtTable::AppendColumn() {
  for (TRtTableRow& row : Rows) row.Cells.emplace_back(TRtTableCell());
}

bool TRtTable::MergeCells(int row, int col, int colSpan, int rowSpan) {
  const Block block{row, col, std::max(rowSpan, 1), std::max(colSpan, 1)};
  if (row < 0 || col < 0 || row + block.rows > RowCount() || col + block.cols > ColCount()) {
    return false;
  }
  TRtTableCell* target = Cell(row, col);
  if (!target) return false;
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) {
      const TRtTableCell* cell = Cell(r, c);
      if (!cell) continue;
      const Block covered{r, c, cell->RowSpan, cell->ColSpan};
      if (block.Intersects(covered) && !block.Contains(covered)) return false;
    }
  }
  for (int r = row; r < row + block.rows; ++r) {
    for (int c = col; c < col + block.cols; ++c) {
      if (r == row && c == col) continue;
      Boxed<TRtTableCell>& slot = Rows[static_cast<size_t>(r)].Cells[static_cast<size_t>(c)];
      if (!slot) continue;
      // The swallowed cell's first item starts a paragraph, so its text
      // follows the target's as paragraphs of their own.
      auto& items = slot->Data.Items;
      target->Data.Items.insert(target->Data.Items.end(), items.begin(), items.end());
      slot.Reset();
    }
  }
  target->ColSpan = block.cols;
  target->RowSpan = block.rows;
  return true;
}

bool TRtTable::IsWellFormed() const {
  const int rows = RowCount();
  const int cols = ColCount();
  if (rows < 1 || cols < 1) return false;
  for (const TRtTableRow& row : Rows) {
    if (static_cast<int>(row.Cells.size()) != cols) return false;
  }
  std::vector<int> coverage(static_cast<size_t>(rows) * static_cast<size_t>(cols), 0);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const TRtTableCell* cell = Cell(r, c);
      if (!cell) continue;
      if (cell->RowSpan < 1 || cell->ColSpan < 1 || cell->RowSpan > rows - r ||
          cell->ColSpan > cols - c) {
        return false;
      }
      for (int rr = r; rr < r + cell->RowSpan; ++rr) {
        for (int cc = c; cc < c + cell->ColSpan; ++cc) {
          // Stopping at the first overlap keeps the work within one pass
          // over the grid, however large the spans a file claims.
          int& n = coverage[static_cast<size_t>(rr) * static_cast<size_t>(cols) +
                            static_cast<size_t>(cc)];
          if (++n > 1) return false;
        }
      }
    }
  }
  return std::all_of(coverage.begin(), coverage.end(), [](int n) { return n == 1; });
}

}  // namespace moxa::rt
