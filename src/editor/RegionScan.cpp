#include "editor/RegionScan.h"

#include <QVariantList>
#include <QVariantMap>
#include <cmath>
#include <optional>

namespace moxa {
namespace {

// Far beyond any page, and small enough that Left + width cannot overflow.
constexpr double kLargestCoordinate = 1 << 29;

std::optional<int> ReadCoordinate(const QVariant& value, double low) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
      break;
    default:
      return std::nullopt;
  }
  const double number = value.toDouble();
  if (!std::isfinite(number) || number < low || number > kLargestCoordinate) return std::nullopt;
  return static_cast<int>(std::lround(number));
}

// One entry [N, left, top, width, height].
std::optional<EditorRegion> ReadEntry(const QVariant& entry) {
  if (entry.typeId() != QMetaType::QVariantList) return std::nullopt;
  const QVariantList fields = entry.toList();
  if (fields.size() != 5) return std::nullopt;
  const std::optional<int> number = ReadCoordinate(fields[0], kFirstRegionNumber);
  const std::optional<int> left = ReadCoordinate(fields[1], -kLargestCoordinate);
  const std::optional<int> top = ReadCoordinate(fields[2], -kLargestCoordinate);
  const std::optional<int> width = ReadCoordinate(fields[3], 0);
  const std::optional<int> height = ReadCoordinate(fields[4], 0);
  if (!number || !left || !top || !width || !height || *number > kLastRegionNumber) {
    return std::nullopt;
  }
  return EditorRegion{*left, *top, *left + *width, *top + *height, *number};
}

}  // namespace

QString RegionScanScript() {
  // An error anywhere ends the scan with what was found before it, so a
  // page that is not HTML, or has no body, gives no region and no message.
  return QStringLiteral(R"((function () {
  var found = [];
  try {
    for (var n = %1; n <= %2; ++n) {
      var body = document.body;
      if (!body || typeof body.getElementsByTagName !== 'function') {
        return {complete: false, regions: found};
      }
      var wanted = 'moxadiv' + n;
      var all = body.getElementsByTagName('*');
      var element = null;
      for (var i = 0; i < all.length; ++i) {
        var id = all[i].getAttribute('id');
        if (id !== null && id.toLowerCase() === wanted) { element = all[i]; break; }
      }
      if (!element || !(element instanceof HTMLElement)) continue;
      var left = element.offsetLeft, top = element.offsetTop;
      for (var p = element.offsetParent; p; p = p.offsetParent) {
        left += p.offsetLeft;
        top += p.offsetTop;
      }
      found.push([n, left, top, element.offsetWidth, element.offsetHeight]);
    }
  } catch (e) {
    return {complete: false, regions: found};
  }
  return {complete: true, regions: found};
})())")
      .arg(kFirstRegionNumber)
      .arg(kLastRegionNumber);
}

RegionScanResult ParseRegionScan(const QVariant& scriptValue) {
  RegionScanResult result;
  if (scriptValue.typeId() != QMetaType::QVariantMap) return result;
  const QVariantMap answer = scriptValue.toMap();
  const QVariant entries = answer.value(QStringLiteral("regions"));
  if (entries.typeId() != QMetaType::QVariantList) return result;
  for (const QVariant& entry : entries.toList()) {
    const std::optional<EditorRegion> region = ReadEntry(entry);
    // The table holds each number once, in ascending order.
    if (!region || (!result.Regions.empty() && region->Number <= result.Regions.back().Number)) {
      return result;
    }
    result.Regions.push_back(*region);
  }
  const QVariant complete = answer.value(QStringLiteral("complete"));
  result.Complete = complete.typeId() == QMetaType::Bool && complete.toBool();
  return result;
}

}  // namespace moxa
