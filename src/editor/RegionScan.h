#pragma once

#include <QString>
#include <QVariant>
#include <vector>

#include "editor/EditorRegion.h"

namespace moxa {

// Region numbers looked for in a page; a region numbered 6 or more is never found.
inline constexpr int kFirstRegionNumber = 1;
inline constexpr int kLastRegionNumber = 5;

// What one scan of the loaded page found.
struct RegionScanResult {
  // The regions found, in ascending number without gaps in the table.
  std::vector<EditorRegion> Regions;
  // False when the scan ended early: the page is not an HTML document, has
  // no body, or its answer could not be read. Regions then holds the ones
  // found before that.
  bool Complete = false;
};

// JavaScript for the loaded page: for N = 1..5 the first element inside the
// body, in document order, whose id is "moxadivN" regardless of case, with
// its box in document coordinates (offsetLeft/offsetTop summed over the
// offsetParent chain, offsetWidth/offsetHeight). Its value is read by
// ParseRegionScan.
QString RegionScanScript();

// Reads the value RegionScanScript gave. Anything malformed ends the table
// there, as an error of the page would.
RegionScanResult ParseRegionScan(const QVariant& scriptValue);

}  // namespace moxa
