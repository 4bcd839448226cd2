#include "richtext/RtDocument.h"

namespace moxa::rt {

namespace {

bool IsJump(const TRtItem& item, const TRtStyle& style) {
  if (item.StyleNo == rtikHotPicture) return true;
  return style.TextStyles.IsValidIndex(item.StyleNo) && style.TextStyles[item.StyleNo].Jump;
}

bool DataConsistent(const TCustomRtData& data, const TRtStyle& style, int depth);

// In document order: a table's hyperlinks come where the table stands.
void CollectJumpsInto(const TCustomRtData& data, const TRtStyle& style,
                      std::vector<TRtJumpLocation>& jumps) {
  for (int i = 0; i < data.LineCount(); ++i) {
    const TRtItem& item = data.GetItem(i);
    if (IsJump(item, style)) jumps.push_back({&data, i});
    if (!item.Table) continue;
    for (const TRtTableRow& row : item.Table->Rows) {
      for (const auto& cell : row.Cells) {
        if (cell) CollectJumpsInto(cell->Data, style, jumps);
      }
    }
  }
}

bool ListMarkerConsistent(const TRtListMarker& marker, const TRtStyle& style) {
  if (!style.ListStyles.IsValidIndex(marker.ListNo)) return false;
  const auto& levels = style.ListStyles[marker.ListNo].Levels;
  return marker.Level >= 0 && marker.Level < static_cast<int>(levels.size());
}

bool TableConsistent(const TRtTable& table, const TRtStyle& style, int depth) {
  if (depth >= kMaxTableNesting || !table.IsWellFormed()) return false;
  for (const TRtTableRow& row : table.Rows) {
    for (const auto& cell : row.Cells) {
      if (cell && !DataConsistent(cell->Data, style, depth + 1)) return false;
    }
  }
  return true;
}

bool ItemConsistent(const TRtItem& item, const TRtItem* previous, const TRtStyle& style,
                    int depth) {
  if (!IsKnownItemStyle(item.StyleNo)) return false;
  if (item.IsText() && !style.TextStyles.IsValidIndex(item.StyleNo)) return false;
  if (!style.ParaStyles.IsValidIndex(item.ParaNo)) return false;
  const bool mustStart = !previous || previous->StandsAlone() || item.StandsAlone() ||
                         item.IsListMarker();
  if (mustStart && !item.ParaStart) return false;
  if (!item.ParaStart && item.ParaNo != previous->ParaNo) return false;
  if (item.IsListMarker() && !ListMarkerConsistent(item.Marker, style)) return false;
  if (item.StyleNo == rtikTable && !item.Table) return false;
  return !item.Table || TableConsistent(*item.Table, style, depth);
}

bool DataConsistent(const TCustomRtData& data, const TRtStyle& style, int depth) {
  const TRtItem* previous = nullptr;
  for (const TRtItem& item : data.Items) {
    if (!ItemConsistent(item, previous, style, depth)) return false;
    previous = &item;
  }
  return true;
}

// Old index -> new index (-1: removed) for a collection whose entries are
// kept when `keep` says so.
std::vector<int> Renumbering(const std::vector<bool>& keep) {
  std::vector<int> map(keep.size(), -1);
  int next = 0;
  for (size_t i = 0; i < keep.size(); ++i) {
    if (keep[i]) map[i] = next++;
  }
  return map;
}

int Renumbered(const std::vector<int>& map, int index) {
  if (index < 0 || index >= static_cast<int>(map.size())) return index;
  return map[static_cast<size_t>(index)];
}

template <class Collection>
void RemoveDropped(Collection& styles, const std::vector<bool>& keep) {
  decltype(styles.Items) kept;
  for (size_t i = 0; i < styles.Items.size(); ++i) {
    if (keep[i]) kept.push_back(std::move(styles.Items[i]));
  }
  styles.Items = std::move(kept);
}

template <class Collection>
std::vector<bool> StandardStyles(const Collection& styles) {
  std::vector<bool> keep;
  for (const auto& s : styles.Items) keep.push_back(s.Standard);
  return keep;
}

void MarkUse(std::vector<bool>& keep, int index) {
  if (index >= 0 && index < static_cast<int>(keep.size())) keep[static_cast<size_t>(index)] = true;
}

}  // namespace

std::vector<TRtJumpLocation> CollectJumps(const TCustomRtData& data, const TRtStyle& style) {
  std::vector<TRtJumpLocation> jumps;
  CollectJumpsInto(data, style, jumps);
  return jumps;
}

TRtJumpLocation GetJumpPointLocation(const TCustomRtData& data, const TRtStyle& style, int id) {
  const std::vector<TRtJumpLocation> jumps = CollectJumps(data, style);
  if (id < 0 || id >= static_cast<int>(jumps.size())) return {};
  return jumps[static_cast<size_t>(id)];
}

bool IsConsistent(const TRtDocument& document, const TRtStyle& style) {
  return DataConsistent(document.Data, style, 0);
}

void DeleteUnusedStyles(TRtStyle& style, std::span<TRtDocument* const> documents, bool texts,
                        bool paras, bool lists) {
  std::vector<bool> keepText = StandardStyles(style.TextStyles);
  std::vector<bool> keepPara = StandardStyles(style.ParaStyles);
  std::vector<bool> keepList = StandardStyles(style.ListStyles);
  MarkUse(keepText, 0);
  MarkUse(keepPara, 0);
  for (TRtDocument* document : documents) {
    ForEachData(document->Data, [&](const TCustomRtData& data) {
      for (const TRtItem& item : data.Items) {
        if (item.IsText()) MarkUse(keepText, item.StyleNo);
        if (item.IsListMarker()) MarkUse(keepList, item.Marker.ListNo);
        MarkUse(keepPara, item.ParaNo);
      }
    });
  }
  if (!texts) keepText.assign(keepText.size(), true);
  if (!paras) keepPara.assign(keepPara.size(), true);
  if (!lists) keepList.assign(keepList.size(), true);
  const std::vector<int> textMap = Renumbering(keepText);
  const std::vector<int> paraMap = Renumbering(keepPara);
  const std::vector<int> listMap = Renumbering(keepList);

  for (TRtDocument* document : documents) {
    ForEachData(document->Data, [&](TCustomRtData& data) {
      for (TRtItem& item : data.Items) {
        if (item.IsText()) item.StyleNo = Renumbered(textMap, item.StyleNo);
        if (item.IsListMarker()) item.Marker.ListNo = Renumbered(listMap, item.Marker.ListNo);
        item.ParaNo = Renumbered(paraMap, item.ParaNo);
      }
    });
  }
  RemoveDropped(style.TextStyles, keepText);
  RemoveDropped(style.ParaStyles, keepPara);
  RemoveDropped(style.ListStyles, keepList);
  for (TFontInfo& font : style.TextStyles.Items) {
    font.NextStyleNo = Renumbered(textMap, font.NextStyleNo);
    font.BaseStyleNo = Renumbered(textMap, font.BaseStyleNo);
  }
  for (TParaInfo& para : style.ParaStyles.Items) {
    para.NextParaNo = Renumbered(paraMap, para.NextParaNo);
    para.DefStyleNo = Renumbered(textMap, para.DefStyleNo);
  }
}

}  // namespace moxa::rt
