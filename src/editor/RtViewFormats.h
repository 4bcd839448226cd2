#pragma once

// How the engine's model lives in a QTextDocument. Every piece of the model
// the view does not show by itself travels in user properties of the Qt
// formats:
//   - a text fragment: its text style, tag and item key (char format);
//   - a paragraph: its paragraph style (block format); a list marker, a
//     horizontal line or a lone empty text item are block properties too;
//   - a picture or checkpoint: an object character whose format holds it;
//   - a table: a QTextTable whose table and cell formats hold their fields.
// The item key keeps apart neighbouring items that look alike, so reading
// the view back gives the very items that were put in.

#include "richtext/RtData.h"
#include "richtext/RtStyle.h"
#include "richtext/RtTable.h"

#include <QMetaType>
#include <QString>
#include <QTextFormat>

#include <cstdint>
#include <memory>

class QTextBlock;
class QTextDocument;

namespace moxa::editor {

enum RtViewProperty : int {
  // char formats of items
  kStyleNo = QTextFormat::UserProperty + 1,  // text style; absent: not one of ours
  kTag,
  kItemKey,       // a number no other item of the view has
  kItemKind,      // rt::TRtItemKind of an object character
  kResidue,       // ItemResidue: the item's fields the view does not hold
  kOriginalText,  // the text as given, when the view had to show it changed
  kPicture,       // PictureBox
  kName,          // a picture's or checkpoint's name
  kVAlign,
  kImageWidth,
  kImageHeight,
  kSpacing,
  kImageFileName,
  kAltText,
  // block formats
  kParaNo = QTextFormat::UserProperty + 40,
  kFiller,         // a block Qt needs around a table; no paragraph of the model
  kLoneEmptyItem,  // the paragraph's text is one empty item, held by the block char format
  kMarkerListNo,   // present: the paragraph starts with a list marker
  kMarkerLevel,
  kMarkerStartFrom,
  kMarkerUseStartFrom,
  kMarkerTag,
  kMarkerResidue,
  kBreakWidth,  // present: the block is a horizontal line
  kBreakColor,
  kBreakTag,
  kBreakResidue,
  // table formats
  kTableFields = QTextFormat::UserProperty + 80,  // TableBox: the fields, no rows
  kTableTag,
  kTableParaNo,
  kTableResidue,
  kCellFields,  // CellBox: the fields, no items
};

// Object types of the characters that are neither text nor pictures.
inline constexpr int kCheckpointObject = QTextFormat::UserObject + 1;
inline constexpr int kEmptyTextObject = QTextFormat::UserObject + 2;  // an empty text item

// A model value held in a format property: shared, as Qt copies formats
// freely, and compared by what it holds, so that Qt finds equal formats
// equal and shares them (compared by address, every table and cell format
// of a document was a new one, and loading a large region took seconds).
template <class T>
class SharedValue {
 public:
  SharedValue() = default;
  SharedValue(std::nullptr_t) {}
  SharedValue(std::shared_ptr<const T> value) : value_(std::move(value)) {}
  const T& operator*() const { return *value_; }
  const T* operator->() const { return value_.get(); }
  explicit operator bool() const { return value_ != nullptr; }
  friend bool operator==(const SharedValue& a, const SharedValue& b) {
    return a.value_ == b.value_ || (a.value_ && b.value_ && *a.value_ == *b.value_);
  }

 private:
  std::shared_ptr<const T> value_;
};

using ItemResidue = SharedValue<rt::TRtItem>;
using PictureBox = SharedValue<rt::TRtPicture>;
using TableBox = SharedValue<rt::TRtTable>;
using CellBox = SharedValue<rt::TRtTableCell>;

// What makes a run of characters one item: characters with the same
// identity next to each other belong to one item.
struct ItemIdentity {
  int Key = 0;
  int StyleNo = -1;  // -1: no text style recorded
  std::int32_t Tag = 0;
  bool operator==(const ItemIdentity&) const = default;
};
ItemIdentity IdentityOf(const QTextFormat& format);

// The item's fields that none of the view's own properties carry (for a
// paragraph's first item its NewLine flag, for a text item any extra
// properties, and whatever a kind does not use); null when all are default.
// `shown` lists what the view holds for this kind of item.
enum ShownFields : unsigned {
  kShowsText = 1,
  kShowsPicture = 2,  // VAlign, Picture, Extra
  kShowsMarker = 4,
  kShowsRule = 8,
  kShowsTable = 16,
  kShowsNewLine = 32,
};
ItemResidue ResidueOf(const rt::TRtItem& item, unsigned shown);
// What the view shows of an item inside a paragraph: its text (or name),
// and its line break unless it starts the paragraph.
inline unsigned InlineShown(const rt::TRtItem& item) {
  return kShowsText | (item.ParaStart ? 0u : static_cast<unsigned>(kShowsNewLine));
}
// An item made from its residue, ready for the view's fields to be filled in.
rt::TRtItem ItemFromResidue(const QTextFormat& format, int property);

// Characters Qt gives a meaning of its own (paragraph and frame
// separators, line separators, object characters) shown as U+FFFD; the
// item keeps its text in kOriginalText then.
QString ShownText(const QString& text);
bool NeedsOriginalText(const QString& text);

// The look of a text style and of a paragraph style, as Qt formats carrying
// the style number.
QTextCharFormat TextStyleFormat(const rt::TRtStyle& style, int styleNo);
QTextBlockFormat ParaStyleFormat(const rt::TRtStyle& style, int paraNo);
// Replaces the look of `format` by the paragraph style's, keeping the rest
// (list membership, markers, lines).
void ApplyParaStyleLook(const rt::TRtStyle& style, int paraNo, QTextBlockFormat& format);

// A block's char format sits on the character that starts the block, which
// for a cell's first block also holds the cell's format: block char formats
// are therefore merged, never replaced. This gives `format` every property
// of an item's identity and look, so that merging it replaces them all.
QTextCharFormat ForBlockMerge(QTextCharFormat format);

// `format` (an item's) in text style `styleNo`: the style's look, the
// item's own properties kept, its tag dropped (a style change clears it)
// unless the new style is a hyperlink style: a link's part stays that link.
QTextCharFormat InTextStyle(const rt::TRtStyle& style, const QTextCharFormat& format, int styleNo);

// A text item's char format: the style's look and the item's identity.
QTextCharFormat TextItemFormat(const rt::TRtStyle& style, const rt::TRtItem& item, int key);
// A picture, hot picture, checkpoint or empty text item as an object
// character; the picture's pixels are put into the document's resources.
QTextCharFormat ObjectItemFormat(const rt::TRtStyle& style, const rt::TRtItem& item, int key,
                                 QTextDocument& document);

// The paragraph's block format with a list marker, or without one.
void SetMarker(QTextBlockFormat& format, const rt::TRtItem& marker);
void ClearMarker(QTextBlockFormat& format);
bool HasMarker(const QTextBlockFormat& format);
rt::TRtItem MarkerOf(const QTextBlockFormat& format);  // ParaNo and ParaStart left to the caller
QTextListFormat ListFormatFor(const rt::TRtStyle& style, int listNo, int level);

// An empty block marked as Qt's own (see kFiller).
bool IsEmptyFiller(const QTextBlock& block);

void SetBreak(QTextBlockFormat& format, const rt::TRtItem& rule);
bool IsBreak(const QTextBlockFormat& format);
rt::TRtItem BreakOf(const QTextBlockFormat& format);

QTextTableFormat TableFormatFor(const rt::TRtItem& tableItem);
QTextTableCellFormat CellFormatFor(const rt::TRtTableCell& cell);

}  // namespace moxa::editor

Q_DECLARE_METATYPE(moxa::editor::ItemResidue)
Q_DECLARE_METATYPE(moxa::editor::PictureBox)
Q_DECLARE_METATYPE(moxa::editor::TableBox)
Q_DECLARE_METATYPE(moxa::editor::CellBox)
