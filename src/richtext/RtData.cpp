#include "richtext/RtData.h"

#include "richtext/RtTable.h"

namespace moxa::rt {

namespace {

const TRtExtraProps& NoExtras() {
  static const TRtExtraProps none;
  return none;
}

const TRtPicture& PictureOf(const TRtItem& item) {
  static const TRtPicture none;
  return item.Picture ? *item.Picture : none;
}

}  // namespace

bool IsKnownItemStyle(int styleNo) {
  switch (styleNo) {
    case rtikPicture:
    case rtikHotPicture:
    case rtikBreak:
    case rtikCheckpoint:
    case rtikTable:
    case rtikListMarker:
      return true;
    default:
      return styleNo >= 0;
  }
}

TRtItem::TRtItem() = default;
TRtItem::TRtItem(const TRtItem&) = default;
TRtItem::TRtItem(TRtItem&&) noexcept = default;
TRtItem& TRtItem::operator=(const TRtItem&) = default;
TRtItem& TRtItem::operator=(TRtItem&&) noexcept = default;
TRtItem::~TRtItem() = default;

const TRtExtraProps& TRtItem::Extras() const { return Extra ? *Extra : NoExtras(); }

int TRtItem::GetExtraIntProperty(TRtExtraIntProperty property) const {
  switch (property) {
    case rteipImageWidth:
      return Extras().ImageWidth;
    case rteipImageHeight:
      return Extras().ImageHeight;
    case rteipSpacing:
      return Extras().Spacing;
  }
  return 0;
}

void TRtItem::SetExtraIntProperty(TRtExtraIntProperty property, int value) {
  TRtExtraProps& extras = Extra.Ensure();
  switch (property) {
    case rteipImageWidth:
      extras.ImageWidth = value;
      break;
    case rteipImageHeight:
      extras.ImageHeight = value;
      break;
    case rteipSpacing:
      extras.Spacing = value;
      break;
  }
}

QString TRtItem::GetExtraStrProperty(TRtExtraStrProperty property) const {
  return property == rtespImageFileName ? Extras().ImageFileName : Extras().AltText;
}

void TRtItem::SetExtraStrProperty(TRtExtraStrProperty property, const QString& value) {
  TRtExtraProps& extras = Extra.Ensure();
  (property == rtespImageFileName ? extras.ImageFileName : extras.AltText) = value;
}

bool TRtItem::operator==(const TRtItem& o) const {
  return StyleNo == o.StyleNo && ParaNo == o.ParaNo && ParaStart == o.ParaStart &&
         NewLine == o.NewLine && Tag == o.Tag && Text == o.Text && VAlign == o.VAlign &&
         Marker == o.Marker && Rule == o.Rule && PictureOf(*this) == PictureOf(o) &&
         Extras() == o.Extras() && Table == o.Table;
}

std::optional<TRtListMarker> TCustomRtData::GetListMarkerInfo(int itemNo) const {
  const TRtItem& item = GetItem(itemNo);
  if (!item.IsListMarker()) return std::nullopt;
  return item.Marker;
}

std::pair<int, int> TCustomRtData::ExpandToPara(int first, int last) const {
  while (first > 0 && !GetItem(first).ParaStart) --first;
  while (last + 1 < LineCount() && !GetItem(last + 1).ParaStart) ++last;
  return {first, last};
}

int TCustomRtData::GetOffsBeforeItem(int itemNo) const { return GetItem(itemNo).IsText() ? 1 : 0; }

int TCustomRtData::GetOffsAfterItem(int itemNo) const {
  const TRtItem& item = GetItem(itemNo);
  return item.IsText() ? static_cast<int>(item.Text.size()) + 1 : 1;
}

TRtItem& TCustomRtData::Append(TRtItem item, int paraNo) {
  const bool newPara = paraNo >= 0 || Items.empty() || Items.back().StandsAlone() ||
                       item.IsListMarker() || item.StandsAlone();
  item.ParaNo = paraNo >= 0 ? paraNo : CurrentParaNo();
  item.ParaStart = newPara;
  if (newPara) item.NewLine = false;
  return Items.emplace_back(std::move(item));
}

TRtItem& TCustomRtData::AddText(const QString& text, int styleNo, int paraNo, std::int32_t tag) {
  TRtItem item;
  item.StyleNo = styleNo;
  item.Text = text;
  item.Tag = tag;
  return Append(std::move(item), paraNo);
}

TRtItem& TCustomRtData::AddText8(const QByteArray& utf8, int styleNo, int paraNo,
                                 std::int32_t tag) {
  return AddText(QString::fromUtf8(utf8), styleNo, paraNo, tag);
}

TRtItem& TCustomRtData::AddPicture(const QString& name, const TRtPicture& picture, int paraNo,
                                   TRtVAlign valign, std::int32_t tag) {
  TRtItem item;
  item.StyleNo = rtikPicture;
  item.Text = name;
  item.Picture = Boxed<TRtPicture>(picture);
  item.VAlign = valign;
  item.Tag = tag;
  return Append(std::move(item), paraNo);
}

TRtItem& TCustomRtData::AddHotPicture(const QString& name, const TRtPicture& picture, int paraNo,
                                      TRtVAlign valign, std::int32_t tag) {
  TRtItem& item = AddPicture(name, picture, paraNo, valign, tag);
  item.StyleNo = rtikHotPicture;
  return item;
}

TRtItem& TCustomRtData::AddListMarker(int listNo, int level, int startFrom, int paraNo,
                                      bool useStartFrom) {
  TRtItem item;
  item.StyleNo = rtikListMarker;
  item.Marker = {listNo, level, startFrom, useStartFrom};
  return Append(std::move(item), paraNo);
}

TRtItem& TCustomRtData::AddBreak(int width, TRtColor color, int paraNo) {
  TRtItem item;
  item.StyleNo = rtikBreak;
  item.Rule = {color, width};
  return Append(std::move(item), paraNo);
}

TRtItem& TCustomRtData::AddCheckpoint(const QString& name, int paraNo) {
  TRtItem item;
  item.StyleNo = rtikCheckpoint;
  item.Text = name;
  return Append(std::move(item), paraNo);
}

TRtItem& TCustomRtData::AddTable(const TRtTable& table, int paraNo) {
  TRtItem item;
  item.StyleNo = rtikTable;
  item.Table = Boxed<TRtTable>(table);
  return Append(std::move(item), paraNo);
}

}  // namespace moxa::rt
