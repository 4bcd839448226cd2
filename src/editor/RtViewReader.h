#pragma once

// Reading the view back into the model: the items of one container (the
// main text or a table cell) in document order, each with where it stands
// in the QTextDocument.

#include "richtext/RtData.h"

#include <QPointer>
#include <QTextTable>

#include <vector>

class QTextDocument;

namespace moxa::editor {

// An item container of the view: the main text, or one cell of a table.
struct RtContainer {
  QPointer<QTextTable> Table;  // null: the main text
  int Row = 0;
  int Column = 0;
  bool operator==(const RtContainer&) const = default;
};

// Where one item is. Positions are the QTextDocument's.
struct RtItemSpan {
  enum SpanKind {
    kText,       // characters Start..End (none for an empty item after a line break)
    kObject,     // one object character at Start (pictures, checkpoints, an empty text item)
    kLoneEmpty,  // the empty text of an otherwise empty paragraph, in its block char format
    kMarker,     // a list marker: the paragraph's block format
    kBreak,      // a horizontal line: its block's format
    kTable,      // Start is the end of the block before the table, End the start of the one after
  };
  SpanKind Kind = kText;
  int Start = 0;
  int End = 0;
  int Separator = -1;  // the line separator that starts the item's line, if any
  int BlockPosition = 0;
  QTextTable* Table = nullptr;
};

struct RtReadItems {
  rt::TCustomRtData Data;         // tables with their cells when read deep
  std::vector<RtItemSpan> Spans;  // one per item of Data
  // Deep reads: every container read, in the order ForEachData visits them.
  std::vector<RtContainer> Containers;
};

// Reads `container`; with `deep` the tables' cells too (otherwise tables
// come back with their fields and grid only).
RtReadItems ReadContainer(QTextDocument& document, const RtContainer& container, bool deep);

// True when the character at `separator` is a line separator that belongs
// to the item whose first character is at `next` (it starts that item's line).
bool IsLineBreakOf(const QTextDocument& document, int separator, int next);

// The innermost container holding document position `position`.
RtContainer ContainerAt(QTextDocument& document, int position);

}  // namespace moxa::editor
