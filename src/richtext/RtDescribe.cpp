#include "richtext/RtDescribe.h"

#include "richtext/RtDump.h"

#include <QStringList>

#include <ostream>
#include <type_traits>
#include <vector>

namespace moxa::rt {

namespace {

QString Quoted(const QString& text) { return DumpQuoted(text); }

QString Hex(TRtColor color) { return QStringLiteral("0x%1").arg(color, 8, 16, QLatin1Char('0')); }

QString PictureText(const TRtPicture& picture) {
  if (picture.Data.isEmpty()) {
    return QStringLiteral("image %1x%2").arg(picture.Image.width()).arg(picture.Image.height());
  }
  return QStringLiteral("%1 bytes %2").arg(picture.Data.size()).arg(QLatin1String(picture.Format));
}

// Field values as text, by type; a structure with a field list as the
// fields that differ from a default one.
QString Text(int v) { return QString::number(v); }
QString Text(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
QString Text(std::uint32_t v) { return Hex(v); }
QString Text(std::uint8_t v) { return QString::number(v); }
QString Text(const QString& v) { return Quoted(v); }
QString Text(const TRtPicture& v) { return PictureText(v); }
template <class E>
  requires std::is_enum_v<E>
QString Text(E v) {
  return QString::number(static_cast<int>(v));
}
template <class T>
QString Text(const std::vector<T>& v);
template <HasFieldList T>
QString Text(const T& v);

template <HasFieldList T>
QString Differences(const T& value) {
  const T defaults;
  QStringList parts;
  ForEachField(FieldsOf<T>{}, [&](const char* name, auto member) {
    if (!(value.*member == defaults.*member)) {
      parts << QLatin1String(name) + QLatin1Char('=') + Text(value.*member);
    }
  });
  return parts.join(QLatin1Char(' '));
}

// "label", then the fields that differ, if any.
template <HasFieldList T>
QString Labelled(const QString& label, const T& value) {
  const QString fields = Differences(value);
  return fields.isEmpty() ? label : label + QLatin1Char(' ') + fields;
}

template <class T>
QString Text(const std::vector<T>& v) {
  QStringList parts;
  for (const T& element : v) parts << Text(element);
  return QLatin1Char('[') + parts.join(QLatin1Char(' ')) + QLatin1Char(']');
}

template <HasFieldList T>
QString Text(const T& v) {
  return QLatin1Char('{') + Differences(v) + QLatin1Char('}');
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
  return item.Extra ? QStringLiteral(" extras") + Text(*item.Extra) : QString();
}

QString TableText(const TRtTable& table, int indent) {
  const QString pad(indent, QLatin1Char(' '));
  const QString size = QStringLiteral("%1x%2").arg(table.RowCount()).arg(table.ColCount());
  QString text = pad + Labelled(size, table) + QLatin1Char('\n');
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColCount(); ++c) {
      const TRtTableCell* cell = table.Cell(r, c);
      if (!cell) continue;
      const QString slot = QStringLiteral("cell(%1,%2)").arg(r).arg(c);
      text += pad + Labelled(slot, *cell) + QLatin1Char('\n');
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
  return Labelled(QStringLiteral("document"), d) + QLatin1Char('\n') + DescribeData(d.Data, 0);
}

QString DescribeStyle(const TRtStyle& style) {
  QString text;
  for (int i = 0; i < style.TextStyles.Count(); ++i) {
    text += QStringLiteral("text %1: %2\n").arg(i).arg(Differences(style.TextStyles[i]));
  }
  for (int i = 0; i < style.ParaStyles.Count(); ++i) {
    text += QStringLiteral("para %1: %2\n").arg(i).arg(Differences(style.ParaStyles[i]));
  }
  for (int i = 0; i < style.ListStyles.Count(); ++i) {
    text += QStringLiteral("list %1: %2\n").arg(i).arg(Differences(style.ListStyles[i]));
  }
  return text;
}

void PrintTo(const TCustomRtData& data, std::ostream* out) { *out << "\n" << DescribeData(data); }
void PrintTo(const TRtDocument& document, std::ostream* out) {
  *out << "\n" << DescribeDocument(document);
}
void PrintTo(const TRtStyle& style, std::ostream* out) { *out << "\n" << DescribeStyle(style); }
void PrintTo(const TFontInfo& font, std::ostream* out) { *out << Text(font); }
void PrintTo(const TParaInfo& para, std::ostream* out) { *out << Text(para); }
void PrintTo(const TRtListInfo& list, std::ostream* out) { *out << Text(list); }

}  // namespace moxa::rt
