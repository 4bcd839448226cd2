#pragma once

#include "richtext/RtColor.h"
#include "richtext/RtData.h"
#include "richtext/RtEnums.h"
#include "richtext/RtFields.h"
#include "richtext/RtPicture.h"
#include "richtext/RtStyle.h"
#include "richtext/RtTable.h"

#include <QString>

#include <span>
#include <vector>

namespace moxa::rt {

// A document: the main text and the page-level properties a view shows it
// with. Its style numbers point into a TRtStyle held elsewhere, shared by
// every document of the editor.
struct TRtDocument {
  TCustomRtData Data;
  TRtColor Color = rtclNone;  // background; none: the style sheet's colour
  TRtPicture BackgroundPicture;
  TRtBackgroundStyle BackgroundStyle = rtbgNone;
  QString BackgroundFileName;
  int LeftMargin = 5;  // pixels, also below
  int TopMargin = 5;
  int RightMargin = 5;
  int BottomMargin = 5;

  void Clear() { *this = TRtDocument(); }
  bool operator==(const TRtDocument&) const = default;
};

// Without Data.
template <class Visitor>
void ForEachField(FieldsOf<TRtDocument>, Visitor&& visit) {
  visit("Color", &TRtDocument::Color);
  visit("BackgroundPicture", &TRtDocument::BackgroundPicture);
  visit("BackgroundStyle", &TRtDocument::BackgroundStyle);
  visit("BackgroundFileName", &TRtDocument::BackgroundFileName);
  visit("LeftMargin", &TRtDocument::LeftMargin);
  visit("TopMargin", &TRtDocument::TopMargin);
  visit("RightMargin", &TRtDocument::RightMargin);
  visit("BottomMargin", &TRtDocument::BottomMargin);
}

// Calls visit(data) for `data` and then for every cell of its tables (rows
// top to bottom, cells left to right), recursively.
template <class Data, class Visitor>
void ForEachData(Data& data, Visitor&& visit) {
  visit(data);
  for (auto& item : data.Items) {
    if (!item.Table) continue;
    for (auto& row : item.Table->Rows) {
      for (auto& cell : row.Cells) {
        if (cell) ForEachData(cell->Data, visit);
      }
    }
  }
}

// Where a hyperlink is. The jump id of a hyperlink is its index in the list
// CollectJumps returns: text items of a hyperlink style and hot pictures,
// in document order.
struct TRtJumpLocation {
  const TCustomRtData* Data = nullptr;
  int ItemNo = -1;
};
std::vector<TRtJumpLocation> CollectJumps(const TCustomRtData& data, const TRtStyle& style);
// The hyperlink with jump id `id`; an empty location when there is none.
TRtJumpLocation GetJumpPointLocation(const TCustomRtData& data, const TRtStyle& style, int id);

// True when the document keeps the model's rules: every style number names
// an existing style (list marker levels included), paragraphs start and are
// styled as TCustomRtData describes, tables are well formed and nested at
// most kMaxTableNesting deep.
bool IsConsistent(const TRtDocument& document, const TRtStyle& style);

// Removes the styles of the chosen collections that no item of `documents`
// uses and that are not Standard, and renumbers the items and the style
// references (base, next, default styles) that point past them. Text and
// paragraph style 0 always stay: typing needs a style.
void DeleteUnusedStyles(TRtStyle& style, std::span<TRtDocument* const> documents, bool texts,
                        bool paras, bool lists);

}  // namespace moxa::rt
