#include "richtext/RtDescribe.h"

#include "richtext/RtDump.h"

#include <QStringList>

#include <ostream>

namespace moxa::rt {

namespace {

QString Quoted(const QString& text) { return DumpQuoted(text); }

QString Hex(TRtColor color) { return QStringLiteral("0x%1").arg(color, 8, 16, QLatin1Char('0')); }

// Field values as text, by type.
QString Text(int v) { return QString::number(v); }
QString Text(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
QString Text(std::uint32_t v) { return Hex(v); }
QString Text(std::uint8_t v) { return QString::number(v); }
QString Text(const QString& v) { return Quoted(v); }
template <class E>
  requires std::is_enum_v<E>
QString Text(E v) {
  return QString::number(static_cast<int>(v));
}
QString Text(const TRtParaBackground& v) { return Hex(v.Color); }
QString Text(const TRtParaBorder& v) {
  return QStringLiteral("{style %1 color %2 width %3/%4 sides %5%6%7%8}")
      .arg(v.Style)
      .arg(Hex(v.Color))
      .arg(v.Width)
      .arg(v.InternalWidth)
      .arg(v.VisibleBorders.Left)
      .arg(v.VisibleBorders.Top)
      .arg(v.VisibleBorders.Right)
      .arg(v.VisibleBorders.Bottom);
}
QString Text(const std::vector<TRtTab>& tabs) {
  QStringList parts;
  for (const TRtTab& tab : tabs) {
    parts << QStringLiteral("%1/%2/%3").arg(tab.Position).arg(tab.Align).arg(Quoted(tab.Leader));
  }
  return QLatin1Char('[') + parts.join(QLatin1Char(' ')) + QLatin1Char(']');
}

template <class T, class ForEach>
QString Differences(const T& value, ForEach forEach) {
  const T defaults;
  QStringList parts;
  forEach([&](const char* name, auto member) {
    if (!(value.*member == defaults.*member)) {
      parts << QLatin1String(name) + QLatin1Char('=') + Text(value.*member);
    }
  });
  return parts.join(QLatin1Char(' '));
}

QString FontText(const TFontInfo& font) {
  return Differences(font, [](auto visit) { ForEachFontInfoField(visit); });
}

QString ParaText(const TParaInfo& para) {
  return Differences(para, [](auto visit) { ForEachParaInfoField(visit); });
}

QString LevelText(const TRtListLevel& level) {
  return QStringLiteral("{type %1 format %2 font %3 %4 charset %5 indents %6/%7/%8 start %9}")
      .arg(level.ListType)
      .arg(Quoted(level.FormatString), Quoted(level.Font.FontName))
      .arg(level.Font.Size)
      .arg(level.Font.Charset)
      .arg(level.FirstIndent)
      .arg(level.LeftIndent)
      .arg(level.MarkerIndent)
      .arg(level.StartFrom);
}

QString ListText(const TRtListInfo& list) {
  QString text = QStringLiteral("%1 LstID=%2 Standard=%3")
                     .arg(Quoted(list.StyleName))
                     .arg(list.LstID)
                     .arg(Text(list.Standard));
  for (const TRtListLevel& level : list.Levels) text += QLatin1Char(' ') + LevelText(level);
  return text;
}

QString PictureText(const TRtPicture& picture) {
  if (picture.Data.isEmpty()) {
    return QStringLiteral("image %1x%2").arg(picture.Image.width()).arg(picture.Image.height());
  }
  return QStringLiteral("%1 bytes %2").arg(picture.Data.size()).arg(QLatin1String(picture.Format));
}

QString KindText(const TRtItem& item) {
  switch (item.StyleNo) {
    case rtikPicture:
    case rtikHotPicture:
      return QStringLiteral("%1 %2 valign=%3 %4")
          .arg(item.StyleNo == rtikPicture ? "picture" : "hotpicture", Quoted(item.Text))
          .arg(item.VAlign)
          .arg(PictureText(item.Picture ? *item.Picture : TRtPicture()));
    case rtikBreak:
      return QStringLiteral("line color=%1 width=%2")
          .arg(Hex(item.Rule.Color))
          .arg(item.Rule.Width);
    case rtikCheckpoint:
      return QStringLiteral("checkpoint %1").arg(Quoted(item.Text));
    case rtikTable:
      return QStringLiteral("table");
    case rtikListMarker:
      return QStringLiteral("marker list=%1 level=%2 start=%3 use=%4")
          .arg(item.Marker.ListNo)
          .arg(item.Marker.Level)
          .arg(item.Marker.StartFrom)
          .arg(Text(item.Marker.UseStartFrom));
    default:
      return QStringLiteral("text style=%1 %2").arg(item.StyleNo).arg(Quoted(item.Text));
  }
}

QString ExtrasText(const TRtItem& item) {
  if (!item.Extra) return QString();
  const TRtExtraProps& e = *item.Extra;
  return QStringLiteral(" extras{w=%1 h=%2 spacing=%3 file=%4 alt=%5}")
      .arg(e.ImageWidth)
      .arg(e.ImageHeight)
      .arg(e.Spacing)
      .arg(Quoted(e.ImageFileName), Quoted(e.AltText));
}

QString TableText(const TRtTable& table, int indent) {
  const QString pad(indent, QLatin1Char(' '));
  QString text = pad + QStringLiteral("%1x%2 width=%3 border=%4/%5 padding=%6 spacing=%7\n")
                           .arg(table.RowCount())
                           .arg(table.ColCount())
                           .arg(table.BestWidth)
                           .arg(table.BorderWidth)
                           .arg(table.CellBorderWidth)
                           .arg(table.CellPadding)
                           .arg(table.CellHSpacing);
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColCount(); ++c) {
      const TRtTableCell* cell = table.Cell(r, c);
      if (!cell) continue;
      text += pad + QStringLiteral("cell(%1,%2) span=%3x%4 color=%5\n")
                        .arg(r)
                        .arg(c)
                        .arg(cell->ColSpan)
                        .arg(cell->RowSpan)
                        .arg(Hex(cell->Color));
      text += DescribeData(cell->Data, indent + 2);
    }
  }
  return text;
}

std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}

}  // namespace

QString DescribeData(const TCustomRtData& data, int indent) {
  const QString pad(indent, QLatin1Char(' '));
  QString text;
  for (int i = 0; i < data.LineCount(); ++i) {
    const TRtItem& item = data.GetItem(i);
    text += pad + QStringLiteral("[%1] %2 para=%3 tag=%4 %5%6\n")
                      .arg(i)
                      .arg(item.ParaStart ? "P" : (item.NewLine ? "L" : "-"))
                      .arg(item.ParaNo)
                      .arg(item.Tag)
                      .arg(KindText(item), ExtrasText(item));
    if (item.Table) text += TableText(*item.Table, indent + 2);
  }
  return text;
}

QString DescribeDocument(const TRtDocument& d) {
  return QStringLiteral("document color=%1 background=%2/%3 margins=%4,%5,%6,%7\n")
             .arg(Hex(d.Color))
             .arg(d.BackgroundStyle)
             .arg(Quoted(d.BackgroundFileName))
             .arg(d.LeftMargin)
             .arg(d.TopMargin)
             .arg(d.RightMargin)
             .arg(d.BottomMargin) +
         DescribeData(d.Data, 0);
}

QString DescribeStyle(const TRtStyle& style) {
  QString text;
  for (int i = 0; i < style.TextStyles.Count(); ++i) {
    text += QStringLiteral("text %1: %2\n").arg(i).arg(FontText(style.TextStyles[i]));
  }
  for (int i = 0; i < style.ParaStyles.Count(); ++i) {
    text += QStringLiteral("para %1: %2\n").arg(i).arg(ParaText(style.ParaStyles[i]));
  }
  for (int i = 0; i < style.ListStyles.Count(); ++i) {
    text += QStringLiteral("list %1: %2\n").arg(i).arg(ListText(style.ListStyles[i]));
  }
  return text;
}

void PrintTo(const TCustomRtData& data, std::ostream* out) { *out << "\n" << DescribeData(data); }
void PrintTo(const TRtDocument& document, std::ostream* out) {
  *out << "\n" << DescribeDocument(document);
}
void PrintTo(const TRtStyle& style, std::ostream* out) { *out << "\n" << DescribeStyle(style); }
void PrintTo(const TFontInfo& font, std::ostream* out) { *out << "{" << FontText(font) << "}"; }
void PrintTo(const TParaInfo& para, std::ostream* out) { *out << "{" << ParaText(para) << "}"; }
void PrintTo(const TRtListInfo& list, std::ostream* out) { *out << "{" << ListText(list) << "}"; }

}  // namespace moxa::rt
