#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "editor/RegionScan.h"

namespace moxa {
namespace {

QVariantList Entry(QVariant n, QVariant left, QVariant top, QVariant width, QVariant height) {
  return {n, left, top, width, height};
}

QVariantMap Answer(bool complete, const QVariantList& regions) {
  return {{QStringLiteral("complete"), complete}, {QStringLiteral("regions"), regions}};
}

TEST(RegionScanTest, ReadsTheTableTheScriptGives) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const EditorRegion one{10, 20, 110, 70, 1};
  const QVariant good1 = Entry(1, 10, 20, 100, 50);
  const struct {
    const char* name;
    QVariant value;
    std::vector<EditorRegion> regions;
    bool complete;
  } cases[] = {
      {"regions 1, 3 and 5",
       Answer(true, {good1, Entry(3.0, -5.0, 0.0, 0.0, 7.0), Entry(5, 0, 900, 30, 10)}),
       {one, {-5, 0, -5, 7, 3}, {0, 900, 30, 910, 5}},
       true},
      {"a page without regions", Answer(true, {}), {}, true},
      {"the page failed after region 1", Answer(false, {good1}), {one}, false},
      {"no answer", QVariant(), {}, false},
      {"not an object", QVariant(QStringLiteral("regions")), {}, false},
      {"no region list", QVariantMap{{QStringLiteral("complete"), true}}, {}, false},
      {"complete is no boolean",
       QVariantMap{{QStringLiteral("complete"), 1},
                   {QStringLiteral("regions"), QVariantList{good1}}},
       {one},
       false},
      {"an entry too short", Answer(true, {good1, QVariantList{2, 0, 0, 1}}), {one}, false},
      {"an entry that is no list", Answer(true, {good1, 2}), {one}, false},
      {"region 6", Answer(true, {good1, Entry(6, 0, 0, 1, 1)}), {one}, false},
      {"region 0", Answer(true, {Entry(0, 0, 0, 1, 1), good1}), {}, false},
      {"a number twice", Answer(true, {good1, good1}), {one}, false},
      {"numbers descending", Answer(true, {Entry(2, 0, 0, 1, 1), good1}), {{0, 0, 1, 1, 2}}, false},
      {"a negative width", Answer(true, {good1, Entry(2, 0, 0, -1, 1)}), {one}, false},
      {"a height that is not a number",
       Answer(true, {good1, Entry(2, 0, 0, 1, nan)}),
       {one},
       false},
      {"a coordinate as text",
       Answer(true, {good1, Entry(2, QStringLiteral("0"), 0, 1, 1)}),
       {one},
       false},
      {"a box beyond any page", Answer(true, {good1, Entry(2, 0, 2e9, 1, 1)}), {one}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RegionScanResult result = ParseRegionScan(c.value);
    EXPECT_EQ(result.Regions, c.regions);
    EXPECT_EQ(result.Complete, c.complete);
  }
}

}  // namespace
}  // namespace moxa
