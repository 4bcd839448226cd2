#pragma once

#include "editor/RtViewReader.h"
#include "richtext/RtData.h"

#include <QTextCursor>

#include <cstdint>
#include <optional>
#include <utility>

namespace moxa::editor {

class RtEditor;

// A selection in items: from (StartItem, StartOffs) to (EndItem, EndOffs).
// StartItem is negative when nothing is selected.
struct RtSelectionBounds {
  int StartItem = -1;
  int StartOffs = 0;
  int EndItem = -1;
  int EndOffs = 0;
  bool operator==(const RtSelectionBounds&) const = default;
};

// The items of one container of the editor (its main text, or one table
// cell) numbered from 0 in document order, read from the view at each
// call. Positions follow the engine: a text item runs from offset 1
// (before its first character) to length + 1, any other item from 0 to 1.
// A value: cheap to copy, and valid as long as its table is.
class RtDataView {
 public:
  RtDataView(RtEditor& editor, RtContainer container);

  const RtContainer& Container() const { return container_; }
  // False once the table holding this cell is gone (an undo removed it).
  bool IsValid() const;

  int LineCount() const;
  // A copy of item `itemNo`; tables come without their cells' items.
  rt::TRtItem GetItem(int itemNo) const;
  int GetItemStyle(int itemNo) const;
  bool IsParaStart(int itemNo) const;
  std::int32_t GetItemTag(int itemNo) const;
  std::optional<rt::TRtListMarker> GetListMarkerInfo(int itemNo) const;
  std::pair<int, int> ExpandToPara(int firstItem, int lastItem) const;
  int GetOffsBeforeItem(int itemNo) const;
  int GetOffsAfterItem(int itemNo) const;

  // An undoable change of one item's tag; false for an item number out of range.
  bool SetItemTagEd(int itemNo, std::int32_t tag);
  // An undoable change of a picture's (or text item's) extra string property.
  bool SetItemExtraStrProperty(int itemNo, rt::TRtExtraStrProperty property, const QString& value);

  bool SelectionExists() const;
  // With `normalize` the start is never after the end.
  RtSelectionBounds GetSelectionBounds(bool normalize) const;
  void SetSelectionBounds(int startItem, int startOffs, int endItem, int endOffs);
  int CurItemNo() const;  // -1 in an empty container
  int OffsetInCurItem() const;

  // The item and offset at document position `position`. Where two items
  // meet, `preferNext` picks the one that starts there, otherwise the one
  // that ends there.
  std::pair<int, int> ItemAt(int position, bool preferNext) const;
  // The document position of an item and offset (clamped to the item).
  int PositionOf(int itemNo, int offset) const;
  // The item whose character (or block) is at `position`, for clicks; -1 if none.
  int ItemOfCharacter(int position) const;

 private:
  const RtReadItems& Read() const;

  RtEditor* editor_;
  RtContainer container_;
  bool inCell_ = false;
};

}  // namespace moxa::editor
