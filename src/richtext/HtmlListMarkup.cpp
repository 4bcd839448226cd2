#include "richtext/HtmlListMarkup.h"

#include <algorithm>
#include <limits>

namespace moxa::rt {

namespace {

// The type attribute of an ol level; decimal numbers need none.
const char* OrderedType(TRtListType type) {
  switch (type) {
    case rtlstLowerAlpha:
      return "a";
    case rtlstUpperAlpha:
      return "A";
    case rtlstLowerRoman:
      return "i";
    case rtlstUpperRoman:
      return "I";
    default:
      return nullptr;
  }
}

}  // namespace

const TRtListLevel* THtmlListMarkup::Level(int listNo, int level) const {
  if (!style_.ListStyles.IsValidIndex(listNo)) return nullptr;
  const auto& levels = style_.ListStyles[listNo].Levels;
  if (level < 0 || level >= static_cast<int>(levels.size())) return nullptr;
  return &levels[static_cast<size_t>(level)];
}

// Bullets, pictures and image-list markers are unordered; letters, roman
// and decimal numbers ordered.
bool THtmlListMarkup::IsNumbered(int listNo, int level) const {
  const TRtListLevel* info = Level(listNo, level);
  if (!info) return false;
  return info->ListType != rtlstBullet && info->ListType != rtlstPicture &&
         info->ListType != rtlstImageList;
}

bool THtmlListMarkup::IsQuotationLevel(int listNo, int level) const {
  const TRtListLevel* info = Level(listNo, level);
  return info && info->ListType == rtlstBullet && info->FormatString.isEmpty();
}

bool THtmlListMarkup::IsQuotation(const TRtListMarker& marker) const {
  return IsQuotationLevel(marker.ListNo, marker.Level);
}

void THtmlListMarkup::OpenLevel(QByteArray& out, int listNo, int level) {
  if (IsQuotationLevel(listNo, level)) {
    out += "<blockquote>";
    open_.push_back("</blockquote>");
  } else if (!IsNumbered(listNo, level)) {
    out += "<ul>";
    open_.push_back("</ul>");
  } else if (const char* type = OrderedType(Level(listNo, level)->ListType)) {
    out += "<ol type=\"";
    out += type;
    out += "\">";
    open_.push_back("</ol>");
  } else {
    out += "<ol>";
    open_.push_back("</ol>");
  }
}

void THtmlListMarkup::CloseLevel(QByteArray& out) {
  out += open_.back();
  open_.pop_back();
}

void THtmlListMarkup::Enter(QByteArray& out, const TRtListMarker& marker) {
  const qsizetype before = out.size();
  if (marker.ListNo != listNo_) {
    while (!open_.empty()) CloseLevel(out);
    listNo_ = marker.ListNo;
  }
  const size_t wanted = static_cast<size_t>(std::max(marker.Level, 0)) + 1;
  while (open_.size() > wanted) CloseLevel(out);
  while (open_.size() < wanted) OpenLevel(out, listNo_, static_cast<int>(open_.size()));
  if (out.size() != before) out += "\r\n";
}

void THtmlListMarkup::CloseAll(QByteArray& out) {
  if (open_.empty()) return;
  while (!open_.empty()) CloseLevel(out);
  out += "\r\n";
  listNo_ = -1;
}

// The marker's own start number, or one more than the item before on the
// same level; a marker on a level resets the counting of deeper levels.
int THtmlListMarkup::NumberFor(const TRtListMarker& marker) {
  const auto key = std::make_pair(marker.ListNo, marker.Level);
  const auto nextList = std::make_pair(marker.ListNo + 1, std::numeric_limits<int>::min());
  next_.erase(next_.upper_bound(key), next_.lower_bound(nextList));
  int number = marker.StartFrom;
  if (!marker.UseStartFrom) {
    const auto found = next_.find(key);
    const TRtListLevel* level = Level(marker.ListNo, marker.Level);
    number = found != next_.end() ? found->second : level ? level->StartFrom : 1;
  }
  next_[key] = number + 1;
  return number;
}

void THtmlListMarkup::AppendItemStart(QByteArray& out, const TRtListMarker& marker) {
  const int number = NumberFor(marker);
  if (!IsNumbered(marker.ListNo, marker.Level)) {
    out += "<li>";
    return;
  }
  out += "<li value=";
  out += QByteArray::number(number);
  out += '>';
}

}  // namespace moxa::rt
