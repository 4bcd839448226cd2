#include "richtext/ListInfo.h"

namespace moxa::rt {

bool SameListStyle(const TRtListInfo& a, const TRtListInfo& b) { return a.Levels == b.Levels; }

}  // namespace moxa::rt
