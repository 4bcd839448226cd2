#include "richtext/RtDump.h"

#include "richtext/RtTable.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace moxa::rt {

const char kDumpFormatHelp[] =
    "Items, one a line, in document order; the cells of a table follow the\n"
    "table's own line, each cell as a \"cell\" line and then its items:\n"
    "  PATH FLAG pN KIND... tag=T [\"TEXT\"]\n"
    "  PATH  main, or for an item in a cell its table's path, \".\", the table's\n"
    "        item number and [row,col]: main.4[0,1]; nested tables repeat this\n"
    "  FLAG  P starts a paragraph, L starts a line inside one, - continues\n"
    "  pN    the paragraph style\n"
    "  KIND  text sN                     text in text style N\n"
    "        marker lL.V start=S         list style L, level V, number S (start=-\n"
    "                                    when the item does not set its number)\n"
    "        picture SIZE w=W h=H alt=\"A\" file=\"F\"   (hotpicture: a linked one)\n"
    "                SIZE is WxH and the format (200x50 png), or \"invalid\" for\n"
    "                the placeholder of a picture that could not be loaded;\n"
    "                w and h are the image size set on the item (0: none)\n"
    "        line                        a horizontal line\n"
    "        checkpoint                  a named anchor (its name is the TEXT)\n"
    "        table RxC border=B/C spacing=S padding=P width=W color=COLOR\n"
    "  tag=T the item's tag\n"
    "  TEXT  a text item's text, a picture's or checkpoint's name, in double\n"
    "        quotes; characters outside printable ASCII, \" and \\ as \\uXXXX\n"
    "  PATH cell span=CxR color=COLOR valign=top|middle|bottom width=W\n"
    "The document:\n"
    "  document color=COLOR margins=L,T,R,B background=STYLE \"FILE\"\n"
    "The style sheet, every entry:\n"
    "  text N: \"FONT\" SIZEpt COLOR FLAGS shift=V jump=0|1\n"
    "          FLAGS: b i u s for bold, italic, underline, strikeout, or -\n"
    "  para N: ALIGN indent=LEFT\n"
    "  list N: [K TYPE \"FORMAT\" \"FONT\" SIZEpt FIRST/MARKER/LEFT] for each level K\n"
    "COLOR is #rrggbb, sysNN for system colour NN, or none.\n"
    "Then the link table the import filled, one entry a line (its tag T):\n"
    "  link T: \"URL\" page|external|email [newwindow]\n"
    "and, when the HTML has a title, title \"TITLE\".\n";

namespace {

QString N(int value) { return QString::number(value); }

const char* AlignName(TRtAlignment alignment) {
  static const char* const kNames[] = {"left", "right", "center", "justify"};
  const int n = static_cast<int>(alignment);
  return n >= 0 && n < kRtEnumCount<TRtAlignment> ? kNames[n] : "unknown";
}

const char* ListTypeName(TRtListType type) {
  static const char* const kNames[] = {"bullet",     "picture",    "imagelist",  "decimal",
                                       "loweralpha", "upperalpha", "lowerroman", "upperroman"};
  const int n = static_cast<int>(type);
  return n >= 0 && n < kRtEnumCount<TRtListType> ? kNames[n] : "unknown";
}

const char* VAlignName(TRtCellVAlign valign) {
  static const char* const kNames[] = {"top", "middle", "bottom"};
  const int n = static_cast<int>(valign);
  return n >= 0 && n < kRtEnumCount<TRtCellVAlign> ? kNames[n] : "unknown";
}

QString Flags(TFontStyles style) {
  QString flags;
  if (style & fsBold) flags += u'b';
  if (style & fsItalic) flags += u'i';
  if (style & fsUnderline) flags += u'u';
  if (style & fsStrikeOut) flags += u's';
  return flags.isEmpty() ? QStringLiteral("-") : flags;
}

QString PictureSize(const TRtPicture& picture) {
  if (picture == TRtPicture::InvalidPicture()) return QStringLiteral("invalid");
  QSize size = picture.Image.size();
  QByteArray format = picture.Format;
  if (picture.Image.isNull() && !picture.Data.isEmpty()) {
    QByteArray data = picture.Data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    size = QImageReader(&buffer).size();
  }
  if (format.isEmpty()) format = "image";
  return N(size.width()) + u'x' + N(size.height()) + u' ' + QLatin1String(format);
}

// Lines are joined from pieces rather than with QString::arg: a text that
// holds "%1" must come out as it is.
QString KindText(const TRtItem& item) {
  switch (item.StyleNo) {
    case rtikPicture:
    case rtikHotPicture: {
      const TRtExtraProps& extras = item.Extras();
      return QLatin1String(item.StyleNo == rtikPicture ? "picture " : "hotpicture ") +
             PictureSize(item.Picture ? *item.Picture : TRtPicture()) +
             " w=" + N(extras.ImageWidth) + " h=" + N(extras.ImageHeight) +
             " alt=" + DumpQuoted(extras.AltText) + " file=" + DumpQuoted(extras.ImageFileName);
    }
    case rtikBreak:
      return QStringLiteral("line");
    case rtikCheckpoint:
      return QStringLiteral("checkpoint");
    case rtikListMarker:
      return "marker l" + N(item.Marker.ListNo) + u'.' + N(item.Marker.Level) + " start=" +
             (item.Marker.UseStartFrom ? N(item.Marker.StartFrom) : QStringLiteral("-"));
    case rtikTable: {
      const TRtTable& t = *item.Table;
      return "table " + N(t.RowCount()) + u'x' + N(t.ColCount()) + " border=" + N(t.BorderWidth) +
             u'/' + N(t.CellBorderWidth) + " spacing=" + N(t.CellHSpacing) +
             " padding=" + N(t.CellPadding) + " width=" + N(t.BestWidth) +
             " color=" + DumpColor(t.Color);
    }
    default:
      return "text s" + N(item.StyleNo);
  }
}

bool HasText(const TRtItem& item) {
  return item.IsText() || item.IsPicture() || item.StyleNo == rtikCheckpoint;
}

void DumpInto(const TCustomRtData& data, const QString& path, QStringList& lines);

void DumpTable(const TRtTable& table, const QString& path, QStringList& lines) {
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColCount(); ++c) {
      const TRtTableCell* cell = table.Cell(r, c);
      if (!cell) continue;
      const QString cellPath = path + u'[' + N(r) + u',' + N(c) + u']';
      lines << cellPath + " cell span=" + N(cell->ColSpan) + u'x' + N(cell->RowSpan) +
                   " color=" + DumpColor(cell->Color) +
                   " valign=" + QLatin1String(VAlignName(cell->VAlign)) +
                   " width=" + N(cell->BestWidth);
      DumpInto(cell->Data, cellPath, lines);
    }
  }
}

void DumpInto(const TCustomRtData& data, const QString& path, QStringList& lines) {
  for (int i = 0; i < data.LineCount(); ++i) {
    const TRtItem& item = data.GetItem(i);
    const char* flag = item.ParaStart ? "P" : item.NewLine ? "L" : "-";
    QString line = path + u' ' + QLatin1String(flag) + " p" + N(item.ParaNo) + u' ' +
                   KindText(item) + " tag=" + N(item.Tag);
    if (HasText(item)) line += u' ' + DumpQuoted(item.Text);
    lines << line;
    if (item.Table) DumpTable(*item.Table, path + u'.' + N(i), lines);
  }
}

QString LevelText(int k, const TRtListLevel& level) {
  return u'[' + N(k) + u' ' + QLatin1String(ListTypeName(level.ListType)) + u' ' +
         DumpQuoted(level.FormatString) + u' ' + DumpQuoted(level.Font.FontName) + u' ' +
         N(level.Font.Size) + "pt " + N(level.FirstIndent) + u'/' + N(level.MarkerIndent) + u'/' +
         N(level.LeftIndent) + u']';
}

const char* BackgroundName(TRtBackgroundStyle style) {
  static const char* const kNames[] = {"none",       "tiled",       "tiledscrolled",
                                       "centered",   "topleft",     "topright",
                                       "bottomleft", "bottomright", "stretched"};
  const int n = static_cast<int>(style);
  return n >= 0 && n < kRtEnumCount<TRtBackgroundStyle> ? kNames[n] : "unknown";
}

}  // namespace

QString DumpQuoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    if (c.unicode() < 32 || c.unicode() > 126 || c == u'"' || c == u'\\') {
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out + u'"';
}

QString DumpColor(TRtColor color) {
  if (color == rtclNone) return QStringLiteral("none");
  if (IsSystemColor(color)) {
    return QStringLiteral("sys%1").arg(color & 0xFF, 2, 10, QLatin1Char('0'));
  }
  return QStringLiteral("#%1%2%3")
      .arg(RtRed(color), 2, 16, QLatin1Char('0'))
      .arg(RtGreen(color), 2, 16, QLatin1Char('0'))
      .arg(RtBlue(color), 2, 16, QLatin1Char('0'));
}

QStringList DumpItems(const TCustomRtData& data) {
  QStringList lines;
  DumpInto(data, QStringLiteral("main"), lines);
  return lines;
}

QString DumpDocumentLine(const TRtDocument& d) {
  return "document color=" + DumpColor(d.Color) + " margins=" + N(d.LeftMargin) + u',' +
         N(d.TopMargin) + u',' + N(d.RightMargin) + u',' + N(d.BottomMargin) +
         " background=" + QLatin1String(BackgroundName(d.BackgroundStyle)) + u' ' +
         DumpQuoted(d.BackgroundFileName);
}

QStringList DumpStyleSheet(const TRtStyle& style) {
  QStringList lines;
  for (int i = 0; i < style.TextStyles.Count(); ++i) {
    const TFontInfo& f = style.TextStyles[i];
    lines << "text " + N(i) + ": " + DumpQuoted(f.FontName) + u' ' + N(f.Size) + "pt " +
                 DumpColor(f.Color) + u' ' + Flags(f.Style) + " shift=" + N(f.VShift) +
                 " jump=" + N(f.Jump ? 1 : 0);
  }
  for (int i = 0; i < style.ParaStyles.Count(); ++i) {
    const TParaInfo& p = style.ParaStyles[i];
    lines << "para " + N(i) + ": " + QLatin1String(AlignName(p.Alignment)) +
                 " indent=" + N(p.LeftIndent);
  }
  for (int i = 0; i < style.ListStyles.Count(); ++i) {
    QString line = "list " + N(i) + u':';
    const auto& levels = style.ListStyles[i].Levels;
    for (size_t k = 0; k < levels.size(); ++k) {
      line += u' ' + LevelText(static_cast<int>(k), levels[k]);
    }
    lines << line;
  }
  return lines;
}

QString DumpDocument(const TRtDocument& document, const TRtStyle& style) {
  QStringList lines = DumpItems(document.Data);
  lines << DumpDocumentLine(document);
  lines << DumpStyleSheet(style);
  return lines.join(u'\n') + u'\n';
}

QStringList DumpLinks(const TEditorLinks& links) {
  static const char* const kKinds[] = {"page", "external", "email"};
  QStringList lines;
  for (int i = 0; i < links.Count(); ++i) {
    const TEditorHyperLink& link = links.Links[static_cast<size_t>(i)];
    const int kind = std::clamp(link.RadioButton, 0, 2);
    lines << "link " + N(LinkTagOf(i)) + ": " + DumpQuoted(link.Url) + u' ' +
                 QLatin1String(kKinds[kind]) + (link.NewWindow ? " newwindow" : "");
  }
  return lines;
}

}  // namespace moxa::rt
