#include "editor/RtPasteContent.h"

#include "richtext/RtDocument.h"
#include "richtext/RtTable.h"

#include <map>

namespace moxa::editor {

namespace {

class StyleMap {
 public:
  StyleMap(const rt::TRtStyle& from, rt::TRtStyle& into) : from_(from), into_(into) {}

  int Text(int styleNo) {
    return Mapped(text_, styleNo, from_.TextStyles, [&](int n) {
      return rt::FindOrAddTextStyle(into_, into_.TextStyles.IsValidIndex(n) ? n : 0,
                                    from_.TextStyles[n]);
    });
  }
  int Para(int paraNo) {
    return Mapped(para_, paraNo, from_.ParaStyles, [&](int n) {
      return rt::FindOrAddParaStyle(into_, into_.ParaStyles.IsValidIndex(n) ? n : 0,
                                    from_.ParaStyles[n]);
    });
  }
  int List(int listNo) {
    return Mapped(list_, listNo, from_.ListStyles,
                  [&](int n) { return into_.ListStyles.FindSuchStyle(from_.ListStyles[n], true); });
  }

 private:
  template <class Collection, class Find>
  static int Mapped(std::map<int, int>& known, int number, const Collection& styles, Find find) {
    if (!styles.IsValidIndex(number)) return 0;
    auto it = known.find(number);
    if (it == known.end()) it = known.emplace(number, std::max(0, find(number))).first;
    return it->second;
  }

  const rt::TRtStyle& from_;
  rt::TRtStyle& into_;
  std::map<int, int> text_;
  std::map<int, int> para_;
  std::map<int, int> list_;
};

}  // namespace

void MergeStyles(rt::TCustomRtData& data, const rt::TRtStyle& from, rt::TRtStyle& into) {
  StyleMap map(from, into);
  rt::ForEachData(data, [&](rt::TCustomRtData& part) {
    for (rt::TRtItem& item : part.Items) {
      if (item.IsText()) item.StyleNo = map.Text(item.StyleNo);
      item.ParaNo = map.Para(item.ParaNo);
      if (item.IsListMarker()) item.Marker.ListNo = map.List(item.Marker.ListNo);
    }
  });
}

void LimitTableNesting(rt::TCustomRtData& data, int levels) {
  std::vector<rt::TRtItem> items;
  items.reserve(data.Items.size());
  for (rt::TRtItem& item : data.Items) {
    if (!item.Table) {
      items.push_back(std::move(item));
      continue;
    }
    for (rt::TRtTableRow& row : item.Table->Rows) {
      for (auto& cell : row.Cells) {
        if (cell) LimitTableNesting(cell->Data, std::max(0, levels - 1));
      }
    }
    if (levels > 0) {
      items.push_back(std::move(item));
      continue;
    }
    // Each cell's items follow one another; every cell starts a paragraph,
    // and the item after the table started one already.
    for (rt::TRtTableRow& row : item.Table->Rows) {
      for (auto& cell : row.Cells) {
        if (!cell) continue;
        for (rt::TRtItem& inner : cell->Data.Items) items.push_back(std::move(inner));
      }
    }
  }
  data.Items = std::move(items);
}

}  // namespace moxa::editor
