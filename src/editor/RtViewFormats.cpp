#include "editor/RtViewFormats.h"

#include "richtext/RtColor.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLength>
#include <QUrl>

namespace moxa::editor {

namespace {

bool IsSpecial(QChar ch) {
  switch (ch.unicode()) {
    case 0x000A:
    case 0x000D:
    case 0x2028:  // line separator: our line breaks
    case 0x2029:  // paragraph separator
    case 0xFDD0:  // Qt's frame start and end
    case 0xFDD1:
    case 0xFFFC:  // object character
      return true;
    default:
      return false;
  }
}

QColor Colour(rt::TRtColor color) { return rt::ToQColor(color); }

Qt::Alignment QtAlignment(rt::TRtAlignment alignment) {
  switch (alignment) {
    case rt::rtaRight:
      return Qt::AlignRight;
    case rt::rtaCenter:
      return Qt::AlignHCenter;
    case rt::rtaJustify:
      return Qt::AlignJustify;
    case rt::rtaLeft:
      break;
  }
  return Qt::AlignLeft;
}

QTextCharFormat::VerticalAlignment PictureAlignment(rt::TRtVAlign valign) {
  switch (valign) {
    case rt::rtvaMiddle:
    case rt::rtvaAbsMiddle:
      return QTextCharFormat::AlignMiddle;
    case rt::rtvaAbsTop:
      return QTextCharFormat::AlignTop;
    case rt::rtvaAbsBottom:
      return QTextCharFormat::AlignBottom;
    case rt::rtvaBaseline:
    case rt::rtvaLeft:  // floats are shown in the line
    case rt::rtvaRight:
      break;
  }
  return QTextCharFormat::AlignBaseline;
}

QTextListFormat::Style ListStyleOf(rt::TRtListType type, int level) {
  switch (type) {
    case rt::rtlstDecimal:
      return QTextListFormat::ListDecimal;
    case rt::rtlstLowerAlpha:
      return QTextListFormat::ListLowerAlpha;
    case rt::rtlstUpperAlpha:
      return QTextListFormat::ListUpperAlpha;
    case rt::rtlstLowerRoman:
      return QTextListFormat::ListLowerRoman;
    case rt::rtlstUpperRoman:
      return QTextListFormat::ListUpperRoman;
    default:
      break;
  }
  static const QTextListFormat::Style bullets[] = {
      QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
  return bullets[level % 3];
}

// The document resource that shows a picture: named by its bytes, so equal
// pictures share one; a picture held only as pixels has one of its own.
QString PictureResourceName(const rt::TRtPicture& picture, int key) {
  if (picture.Data.isEmpty()) return QStringLiteral("moxa-picture:%1").arg(key);
  return QStringLiteral("moxa-picture:") +
         QString::fromLatin1(QCryptographicHash::hash(picture.Data, QCryptographicHash::Sha1).toHex());
}

void SetResidue(QTextFormat& format, int property, const ItemResidue& residue) {
  if (residue) {
    format.setProperty(property, QVariant::fromValue(residue));
  } else {
    format.clearProperty(property);
  }
}

}  // namespace

ItemIdentity IdentityOf(const QTextFormat& format) {
  ItemIdentity id;
  id.Key = format.intProperty(kItemKey);
  id.StyleNo = format.hasProperty(kStyleNo) ? format.intProperty(kStyleNo) : -1;
  id.Tag = format.intProperty(kTag);
  return id;
}

ItemResidue ResidueOf(const rt::TRtItem& item, unsigned shown) {
  rt::TRtItem rest = item;
  rest.StyleNo = 0;
  rest.ParaNo = 0;
  rest.ParaStart = false;
  rest.Tag = 0;
  if (shown & kShowsNewLine) rest.NewLine = false;
  if (shown & kShowsText) rest.Text.clear();
  if (shown & kShowsPicture) {
    rest.VAlign = rt::rtvaBaseline;
    rest.Picture.Reset();
    rest.Extra.Reset();
  }
  if (shown & kShowsMarker) rest.Marker = rt::TRtListMarker();
  if (shown & kShowsRule) rest.Rule = rt::TRtHRule();
  if (shown & kShowsTable) rest.Table.Reset();
  // The boxes count as set only when they hold something (TRtItem's equality).
  if (rest.Extra && *rest.Extra == rt::TRtExtraProps()) rest.Extra.Reset();
  if (rest.Picture && rest.Picture->IsEmpty()) rest.Picture.Reset();
  if (rest == rt::TRtItem() && !rest.Table) return nullptr;
  return std::make_shared<const rt::TRtItem>(std::move(rest));
}

rt::TRtItem ItemFromResidue(const QTextFormat& format, int property) {
  const ItemResidue residue = format.property(property).value<ItemResidue>();
  return residue ? *residue : rt::TRtItem();
}

bool NeedsOriginalText(const QString& text) {
  return std::any_of(text.begin(), text.end(), IsSpecial);
}

QString ShownText(const QString& text) {
  QString shown = text;
  for (QChar& ch : shown) {
    if (IsSpecial(ch)) ch = QChar::ReplacementCharacter;
  }
  return shown;
}

QTextCharFormat TextStyleFormat(const rt::TRtStyle& style, int styleNo) {
  QTextCharFormat format;
  format.setProperty(kStyleNo, styleNo);
  if (!style.TextStyles.IsValidIndex(styleNo)) return format;
  const rt::TFontInfo& font = style.TextStyles[styleNo];
  format.setFontFamilies(QStringList{font.FontName});
  format.setFontPointSize(font.Size > 0 ? font.Size : 1);
  format.setFontWeight(font.Has(rt::fsBold) ? QFont::Bold : QFont::Normal);
  format.setFontItalic(font.Has(rt::fsItalic));
  format.setFontUnderline(font.Has(rt::fsUnderline));
  format.setFontStrikeOut(font.Has(rt::fsStrikeOut));
  format.setFontOverline(font.Overline);
  if (font.AllCaps) format.setFontCapitalization(QFont::AllUppercase);
  if (font.CharSpacing != 0) {
    format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    format.setFontLetterSpacing(font.CharSpacing);
  }
  format.setForeground(Colour(font.Color));
  format.setBackground(font.BackColor != rt::rtclNone ? QBrush(Colour(font.BackColor)) : QBrush());
  switch (font.SubSuperScriptType) {
    case rt::rtsssSubscript:
      format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
      break;
    case rt::rtsssSuperScript:
      format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
      break;
    case rt::rtsssNormal:
      format.setVerticalAlignment(QTextCharFormat::AlignNormal);
      break;
  }
  return format;
}

QTextCharFormat ForBlockMerge(QTextCharFormat format) {
  if (!format.hasProperty(kTag)) format.setProperty(kTag, 0);
  if (!format.hasProperty(kItemKey)) format.setProperty(kItemKey, 0);
  if (!format.hasProperty(kResidue))
    format.setProperty(kResidue, QVariant::fromValue(ItemResidue()));
  if (!format.hasProperty(kOriginalText)) format.setProperty(kOriginalText, QString());
  if (!format.hasProperty(QTextFormat::FontCapitalization)) {
    format.setFontCapitalization(QFont::MixedCase);
  }
  if (!format.hasProperty(QTextFormat::FontLetterSpacing)) {
    format.setFontLetterSpacingType(QFont::PercentageSpacing);
    format.setFontLetterSpacing(100);
  }
  return format;
}

void ApplyParaStyleLook(const rt::TRtStyle& style, int paraNo, QTextBlockFormat& format) {
  format.setProperty(kParaNo, paraNo);
  const rt::TParaInfo para =
      style.ParaStyles.IsValidIndex(paraNo) ? style.ParaStyles[paraNo] : rt::TParaInfo();
  format.setAlignment(QtAlignment(para.Alignment));
  format.setLeftMargin(para.LeftIndent);
  format.setRightMargin(para.RightIndent);
  format.setTextIndent(para.FirstIndent);
  format.setTopMargin(para.SpaceBefore);
  format.setBottomMargin(para.SpaceAfter);
  if (para.LineSpacingType == rt::rtlsPercent && para.LineSpacing != 100 && para.LineSpacing > 0) {
    format.setLineHeight(para.LineSpacing, QTextBlockFormat::ProportionalHeight);
  } else {
    format.clearProperty(QTextFormat::LineHeight);
    format.clearProperty(QTextFormat::LineHeightType);
  }
  if (para.Background.Color != rt::rtclNone) {
    format.setBackground(Colour(para.Background.Color));
  } else {
    format.clearBackground();
  }
}

QTextBlockFormat ParaStyleFormat(const rt::TRtStyle& style, int paraNo) {
  QTextBlockFormat format;
  ApplyParaStyleLook(style, paraNo, format);
  return format;
}

QTextCharFormat InTextStyle(const rt::TRtStyle& style, const QTextCharFormat& format, int styleNo) {
  QTextCharFormat converted = TextStyleFormat(style, styleNo);
  // A part of a link restyled as a link keeps the link's number, so that it
  // keeps the link's address.
  const bool keepTag =
      style.TextStyles.IsValidIndex(styleNo) && style.TextStyles[styleNo].Jump;
  const QMap<int, QVariant> properties = format.properties();
  for (auto it = properties.begin(); it != properties.end(); ++it) {
    if (it.key() >= QTextFormat::UserProperty && it.key() != kStyleNo &&
        (it.key() != kTag || keepTag)) {
      converted.setProperty(it.key(), it.value());
    }
  }
  if (format.objectType() != QTextFormat::NoObject) converted.setObjectType(format.objectType());
  return converted;
}

QTextCharFormat TextItemFormat(const rt::TRtStyle& style, const rt::TRtItem& item, int key) {
  QTextCharFormat format = TextStyleFormat(style, item.StyleNo);
  format.setProperty(kItemKey, key);
  if (item.Tag != 0) format.setProperty(kTag, item.Tag);
  if (NeedsOriginalText(item.Text)) format.setProperty(kOriginalText, item.Text);
  SetResidue(format, kResidue, ResidueOf(item, InlineShown(item)));
  return format;
}

namespace {

// A picture of no stated size that is wider than the text is shown at the
// text's width: the layout would otherwise give the line before it the
// picture's height, a gap that hides where the picture went. Display only:
// the page keeps the picture's own size (the item's properties, not these).
// Room is left for a scroll bar that the picture itself may bring.
void FitPictureToTheText(QTextImageFormat& image, const QSize& size, const QTextDocument& document) {
  if (image.hasProperty(QTextFormat::ImageWidth) || image.hasProperty(QTextFormat::ImageHeight)) return;
  constexpr qreal kScrollBarRoom = 24;
  const qreal available = document.textWidth() - 2 * document.documentMargin() - kScrollBarRoom;
  if (available <= 0 || size.isEmpty() || size.width() <= available) return;
  image.setWidth(available);
  image.setHeight(available * size.height() / size.width());
}

}  // namespace

QTextCharFormat ObjectItemFormat(const rt::TRtStyle& style, const rt::TRtItem& item, int key,
                                 QTextDocument& document) {
  QTextCharFormat format;
  unsigned shown = InlineShown(item);
  if (item.IsPicture()) {
    QTextImageFormat image;
    const rt::TRtPicture picture = item.Picture ? *item.Picture : rt::TRtPicture();
    const QString resource = PictureResourceName(picture, key);
    // A picture shown many times (a page's bullet or logo) is decoded once.
    const QUrl address(resource);
    QVariant decoded = document.resource(QTextDocument::ImageResource, address);
    if (decoded.isNull()) {
      decoded = picture.Decoded();
      document.addResource(QTextDocument::ImageResource, address, decoded);
    }
    image.setName(resource);
    const rt::TRtExtraProps& extras = item.Extras();
    if (extras.ImageWidth > 0) image.setWidth(extras.ImageWidth);
    if (extras.ImageHeight > 0) image.setHeight(extras.ImageHeight);
    FitPictureToTheText(image, decoded.value<QImage>().size(), document);
    image.setVerticalAlignment(PictureAlignment(item.VAlign));
    image.setProperty(kPicture,
                      QVariant::fromValue(PictureBox(std::make_shared<const rt::TRtPicture>(picture))));
    image.setProperty(kVAlign, static_cast<int>(item.VAlign));
    image.setProperty(kImageWidth, extras.ImageWidth);
    image.setProperty(kImageHeight, extras.ImageHeight);
    image.setProperty(kSpacing, extras.Spacing);
    image.setProperty(kImageFileName, extras.ImageFileName);
    image.setProperty(kAltText, extras.AltText);
    format = image;
    shown |= kShowsPicture;
  } else if (item.StyleNo == rt::rtikCheckpoint) {
    format.setObjectType(kCheckpointObject);
  } else {
    format = TextStyleFormat(style, item.StyleNo);
    format.setObjectType(kEmptyTextObject);
  }
  format.setProperty(kItemKind, item.StyleNo);
  format.setProperty(kItemKey, key);
  if (item.Tag != 0) format.setProperty(kTag, item.Tag);
  if (!item.IsText()) format.setProperty(kName, item.Text);
  SetResidue(format, kResidue, ResidueOf(item, shown));
  return format;
}

void SetMarker(QTextBlockFormat& format, const rt::TRtItem& marker) {
  format.setProperty(kMarkerListNo, marker.Marker.ListNo);
  format.setProperty(kMarkerLevel, marker.Marker.Level);
  format.setProperty(kMarkerStartFrom, marker.Marker.StartFrom);
  format.setProperty(kMarkerUseStartFrom, marker.Marker.UseStartFrom);
  format.setProperty(kMarkerTag, marker.Tag);
  SetResidue(format, kMarkerResidue, ResidueOf(marker, kShowsMarker | kShowsNewLine));
}

void ClearMarker(QTextBlockFormat& format) {
  for (int property : {kMarkerListNo, kMarkerLevel, kMarkerStartFrom, kMarkerUseStartFrom,
                       kMarkerTag, kMarkerResidue}) {
    format.clearProperty(property);
  }
  format.clearProperty(QTextFormat::ObjectIndex);
  format.setIndent(0);
}

bool HasMarker(const QTextBlockFormat& format) { return format.hasProperty(kMarkerListNo); }

rt::TRtItem MarkerOf(const QTextBlockFormat& format) {
  rt::TRtItem marker = ItemFromResidue(format, kMarkerResidue);
  marker.StyleNo = rt::rtikListMarker;
  marker.Marker.ListNo = format.intProperty(kMarkerListNo);
  marker.Marker.Level = format.intProperty(kMarkerLevel);
  marker.Marker.StartFrom = format.intProperty(kMarkerStartFrom);
  marker.Marker.UseStartFrom = format.boolProperty(kMarkerUseStartFrom);
  marker.Tag = format.intProperty(kMarkerTag);
  return marker;
}

QTextListFormat ListFormatFor(const rt::TRtStyle& style, int listNo, int level) {
  QTextListFormat format;
  format.setIndent(level + 1);
  format.setProperty(kMarkerListNo, listNo);
  format.setProperty(kMarkerLevel, level);
  const rt::TRtListInfo* list =
      style.ListStyles.IsValidIndex(listNo) ? &style.ListStyles[listNo] : nullptr;
  if (!list || level < 0 || level >= static_cast<int>(list->Levels.size())) {
    format.setStyle(QTextListFormat::ListDisc);
    return format;
  }
  const rt::TRtListLevel& info = list->Levels[static_cast<size_t>(level)];
  format.setStyle(ListStyleOf(info.ListType, level));
  if (info.ListType != rt::rtlstBullet) {
    // "%0:s." shows as "1.": the text around the counters frames the number.
    static const QRegularExpression counter(QStringLiteral("%(\\d+:)?s"));
    QRegularExpressionMatchIterator matches = counter.globalMatch(info.FormatString);
    qsizetype first = -1;
    qsizetype last = -1;
    while (matches.hasNext()) {
      const QRegularExpressionMatch match = matches.next();
      if (first < 0) first = match.capturedStart();
      last = match.capturedEnd();
    }
    if (first >= 0) {
      format.setNumberPrefix(info.FormatString.left(first));
      format.setNumberSuffix(info.FormatString.mid(last));
    }
  }
  return format;
}

bool IsEmptyFiller(const QTextBlock& block) {
  return block.length() <= 1 && block.blockFormat().boolProperty(kFiller);
}

void SetBreak(QTextBlockFormat& format, const rt::TRtItem& rule) {
  format.setProperty(kBreakWidth, rule.Rule.Width);
  format.setProperty(kBreakColor, static_cast<qulonglong>(rule.Rule.Color));
  format.setProperty(kBreakTag, rule.Tag);
  SetResidue(format, kBreakResidue, ResidueOf(rule, kShowsRule | kShowsNewLine));
  format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                     QTextLength(QTextLength::PercentageLength, 100));
}

bool IsBreak(const QTextBlockFormat& format) { return format.hasProperty(kBreakWidth); }

rt::TRtItem BreakOf(const QTextBlockFormat& format) {
  rt::TRtItem rule = ItemFromResidue(format, kBreakResidue);
  rule.StyleNo = rt::rtikBreak;
  rule.Rule.Width = format.intProperty(kBreakWidth);
  rule.Rule.Color = static_cast<rt::TRtColor>(format.property(kBreakColor).toULongLong());
  rule.Tag = format.intProperty(kBreakTag);
  return rule;
}

QTextTableFormat TableFormatFor(const rt::TRtItem& tableItem) {
  QTextTableFormat format;
  const rt::TRtTable& table = *tableItem.Table;
  format.setBorder(table.BorderWidth);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderBrush(Colour(table.BorderColor));
  format.setCellPadding(table.CellPadding);
  format.setCellSpacing(table.CellHSpacing);
  if (table.BestWidth > 0) {
    format.setWidth(QTextLength(QTextLength::FixedLength, table.BestWidth));
  } else if (table.BestWidth < 0) {
    format.setWidth(QTextLength(QTextLength::PercentageLength, -table.BestWidth));
  }
  if (table.Color != rt::rtclNone) format.setBackground(Colour(table.Color));
  rt::TRtTable fields = table;
  fields.Rows.clear();
  format.setProperty(kTableFields,
                     QVariant::fromValue(TableBox(std::make_shared<const rt::TRtTable>(fields))));
  format.setProperty(kTableTag, tableItem.Tag);
  format.setProperty(kTableParaNo, tableItem.ParaNo);
  SetResidue(format, kTableResidue, ResidueOf(tableItem, kShowsTable | kShowsNewLine));
  return format;
}

QTextTableCellFormat CellFormatFor(const rt::TRtTableCell& cell) {
  QTextTableCellFormat format;
  if (cell.Color != rt::rtclNone) format.setBackground(Colour(cell.Color));
  switch (cell.VAlign) {
    case rt::rtcTop:
      format.setVerticalAlignment(QTextCharFormat::AlignTop);
      break;
    case rt::rtcBottom:
      format.setVerticalAlignment(QTextCharFormat::AlignBottom);
      break;
    case rt::rtcMiddle:
      format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
      break;
  }
  rt::TRtTableCell fields = cell;
  fields.Data.Clear();
  format.setProperty(kCellFields,
                     QVariant::fromValue(CellBox(std::make_shared<const rt::TRtTableCell>(fields))));
  return format;
}

}  // namespace moxa::editor
