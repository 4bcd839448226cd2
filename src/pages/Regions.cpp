#include "pages/Regions.h"

#include <algorithm>

namespace moxa {
namespace {

constexpr QByteArrayView kStartOpen = "<div id=\"moxadiv";
constexpr QByteArrayView kEndMarker = "</div><!-- moxadiv";

}  // namespace

std::vector<RegionSpan> FindRegions(const QByteArray& page) {
  std::vector<RegionSpan> regions;
  qsizetype from = 0;
  while (true) {
    const qsizetype start = page.indexOf(kStartOpen, from);
    if (start < 0) break;
    qsizetype digits = start + kStartOpen.size();
    qsizetype i = digits;
    while (i < page.size() && i - digits < 9 && page[i] >= '0' && page[i] <= '9') ++i;
    from = start + 1;
    // Exactly `<div id="moxadivN">`, N without leading zeros.
    if (i == digits || page.mid(i, 2) != "\">" || page[digits] == '0') continue;
    const qsizetype contentStart = i + 2;
    const qsizetype end = page.indexOf(kEndMarker, contentStart);
    if (end < 0) break;
    regions.push_back({page.mid(digits, i - digits).toInt(), contentStart, end});
    from = end + kEndMarker.size();
  }
  return regions;
}

std::map<int, QByteArray> RegionContents(const QByteArray& page) {
  std::map<int, QByteArray> contents;
  for (const RegionSpan& r : FindRegions(page)) {
    contents.try_emplace(r.Number, page.mid(r.ContentStart, r.ContentEnd - r.ContentStart));
  }
  return contents;
}

bool HoldsContent(const QByteArray& content) {
  return std::any_of(content.begin(), content.end(),
                     [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

std::vector<int> PutRegionContents(QByteArray& page, const std::map<int, QByteArray>& contents) {
  std::vector<RegionSpan> regions = FindRegions(page);
  std::vector<int> homeless;
  for (const auto& [number, content] : contents) {
    const auto found = std::find_if(regions.begin(), regions.end(),
                                    [number](const RegionSpan& r) { return r.Number == number; });
    if (found == regions.end()) {
      if (HoldsContent(content)) homeless.push_back(number);
      continue;
    }
    const qsizetype delta = content.size() - (found->ContentEnd - found->ContentStart);
    page.replace(found->ContentStart, found->ContentEnd - found->ContentStart, content);
    // Later regions moved by the difference.
    for (RegionSpan& r : regions) {
      if (r.ContentStart > found->ContentStart) {
        r.ContentStart += delta;
        r.ContentEnd += delta;
      }
    }
    found->ContentEnd += delta;
  }
  return homeless;
}

}  // namespace moxa
