#pragma once

#include <QByteArray>

#include <map>
#include <vector>

namespace moxa {

// An editable region of a page: the text after `<div id="moxadivN">` up to
// the first "</div><!-- moxadiv" that follows it.
struct RegionSpan {
  int Number = 0;
  qsizetype ContentStart = 0;  // 0-based byte offsets into the page
  qsizetype ContentEnd = 0;    // one past the content
};

// The page's regions in page order.
std::vector<RegionSpan> FindRegions(const QByteArray& page);

// Each region's content by its number (the first region of a number counts).
std::map<int, QByteArray> RegionContents(const QByteArray& page);

// True when the content holds more than white space.
bool HoldsContent(const QByteArray& content);

// Puts each content into the page's region of the same number. Returns the
// numbers of the contents that holding something found no such region.
std::vector<int> PutRegionContents(QByteArray& page, const std::map<int, QByteArray>& contents);

}  // namespace moxa
