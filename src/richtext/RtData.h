#pragma once

#include "richtext/Boxed.h"
#include "richtext/RtColor.h"
#include "richtext/RtEnums.h"
#include "richtext/RtFields.h"
#include "richtext/RtPicture.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace moxa::rt {

class TRtTable;

// Style numbers of the non-text items. A text item's style number is its
// text style (0 or more); rtikListMarker's value is one the editor tests.
enum TRtItemKind : int {
  rtikPicture = -2,
  rtikHotPicture = -3,  // a picture that is a hyperlink
  rtikBreak = -4,       // a horizontal line
  rtikCheckpoint = -5,  // a named anchor
  rtikTable = -6,
  rtikListMarker = -11,
};
bool IsKnownItemStyle(int styleNo);  // a text style number or one of the kinds

enum TRtExtraIntProperty { rteipImageWidth, rteipImageHeight, rteipSpacing };
enum TRtExtraStrProperty { rtespImageFileName, rtespAltText };

// Extra properties of an item (in practice of pictures). 0 and empty mean
// "not set": no explicit size, no spacing, no alternative text.
struct TRtExtraProps {
  int ImageWidth = 0;
  int ImageHeight = 0;
  int Spacing = 0;
  QString ImageFileName;
  QString AltText;
  bool operator==(const TRtExtraProps&) const = default;
};

template <class Visitor>
void ForEachField(FieldsOf<TRtExtraProps>, Visitor&& visit) {
  visit("ImageWidth", &TRtExtraProps::ImageWidth);
  visit("ImageHeight", &TRtExtraProps::ImageHeight);
  visit("Spacing", &TRtExtraProps::Spacing);
  visit("ImageFileName", &TRtExtraProps::ImageFileName);
  visit("AltText", &TRtExtraProps::AltText);
}

struct TRtListMarker {
  int ListNo = 0;  // list style
  int Level = 0;
  int StartFrom = 1;
  bool UseStartFrom = false;
  bool operator==(const TRtListMarker&) const = default;
};

struct TRtHRule {
  TRtColor Color = rtclNone;  // none: the text colour
  int Width = 1;              // thickness in pixels
  bool operator==(const TRtHRule&) const = default;
};

// One item of a document. Items are kept in document order; the first item
// of each paragraph has ParaStart, and every item of a paragraph carries the
// paragraph's style. Horizontal lines and tables stand alone in their
// paragraph. The tag belongs to the application: copied, saved and loaded
// with the item, never interpreted.
struct TRtItem {
  TRtItem();
  TRtItem(const TRtItem&);
  TRtItem(TRtItem&&) noexcept;
  TRtItem& operator=(const TRtItem&);
  TRtItem& operator=(TRtItem&&) noexcept;
  ~TRtItem();

  int StyleNo = 0;  // text style (>= 0) or a TRtItemKind
  int ParaNo = 0;
  bool ParaStart = false;
  bool NewLine = false;  // starts a new line inside its paragraph (ignored with ParaStart)
  std::int32_t Tag = 0;
  QString Text;  // a text item's text; the name of a picture or checkpoint
  TRtVAlign VAlign = rtvaBaseline;  // pictures
  TRtListMarker Marker;             // list markers
  TRtHRule Rule;                    // horizontal lines
  Boxed<TRtPicture> Picture;        // pictures; empty box: no picture
  Boxed<TRtExtraProps> Extra;       // empty box: every extra property unset
  Boxed<TRtTable> Table;            // tables

  bool IsText() const { return StyleNo >= 0; }
  bool IsPicture() const { return StyleNo == rtikPicture || StyleNo == rtikHotPicture; }
  bool IsListMarker() const { return StyleNo == rtikListMarker; }
  // Horizontal lines and tables: nothing else may share their paragraph.
  bool StandsAlone() const { return StyleNo == rtikBreak || StyleNo == rtikTable; }

  const TRtExtraProps& Extras() const;
  int GetExtraIntProperty(TRtExtraIntProperty property) const;
  void SetExtraIntProperty(TRtExtraIntProperty property, int value);
  QString GetExtraStrProperty(TRtExtraStrProperty property) const;
  void SetExtraStrProperty(TRtExtraStrProperty property, const QString& value);

  bool operator==(const TRtItem& other) const;
};

// An item container: the main text of a document, or the content of one
// table cell. The Add operations keep the paragraph rules: a paragraph
// number of -1 continues the current paragraph, 0 or more starts a new one
// with that style; the first item, list markers, lines and tables always
// start one, and so does the item after a line or a table.
class TCustomRtData {
 public:
  std::vector<TRtItem> Items;

  int LineCount() const { return static_cast<int>(Items.size()); }  // the number of items
  bool IsEmpty() const { return Items.empty(); }
  void Clear() { Items.clear(); }

  TRtItem& GetItem(int itemNo) { return Items.at(static_cast<size_t>(itemNo)); }
  const TRtItem& GetItem(int itemNo) const { return Items.at(static_cast<size_t>(itemNo)); }
  int GetItemStyle(int itemNo) const { return GetItem(itemNo).StyleNo; }
  bool IsParaStart(int itemNo) const { return GetItem(itemNo).ParaStart; }
  std::int32_t GetItemTag(int itemNo) const { return GetItem(itemNo).Tag; }
  void SetItemTag(int itemNo, std::int32_t tag) { GetItem(itemNo).Tag = tag; }
  // The marker of a list marker item; nothing for any other item.
  std::optional<TRtListMarker> GetListMarkerInfo(int itemNo) const;

  // First item of the paragraph holding `first`, last item of the one
  // holding `last`.
  std::pair<int, int> ExpandToPara(int first, int last) const;
  // Offsets in an item: a text item runs from 1 to its length + 1, any other
  // item from 0 to 1.
  int GetOffsBeforeItem(int itemNo) const;
  int GetOffsAfterItem(int itemNo) const;

  // The paragraph style in force at the end (0 when empty).
  int CurrentParaNo() const { return Items.empty() ? 0 : Items.back().ParaNo; }

  TRtItem& AddText(const QString& text, int styleNo, int paraNo, std::int32_t tag = 0);
  TRtItem& AddText8(const QByteArray& utf8, int styleNo, int paraNo, std::int32_t tag = 0);
  TRtItem& AddPicture(const QString& name, const TRtPicture& picture, int paraNo,
                      TRtVAlign valign = rtvaBaseline, std::int32_t tag = 0);
  TRtItem& AddHotPicture(const QString& name, const TRtPicture& picture, int paraNo,
                         TRtVAlign valign = rtvaBaseline, std::int32_t tag = 0);
  TRtItem& AddListMarker(int listNo, int level, int startFrom, int paraNo, bool useStartFrom);
  TRtItem& AddBreak(int width = 1, TRtColor color = rtclNone, int paraNo = -1);
  TRtItem& AddCheckpoint(const QString& name, int paraNo = -1);
  TRtItem& AddTable(const TRtTable& table, int paraNo = -1);

  // Appends an item built by the caller, applying the paragraph rules.
  TRtItem& Append(TRtItem item, int paraNo);

  bool operator==(const TCustomRtData&) const = default;
};

}  // namespace moxa::rt
