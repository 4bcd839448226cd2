#include "richtext/HtmlWriter.h"

#include "richtext/HtmlEscape.h"
#include "richtext/HtmlFontMarkup.h"
#include "richtext/RtTable.h"

namespace moxa::rt {

namespace {

constexpr char kLineBreak[] = "<br>\r\n";

const char* AlignAttribute(TRtAlignment alignment) {
  switch (alignment) {
    case rtaRight:
      return " align=right";
    case rtaCenter:
      return " align=center";
    case rtaJustify:
      return " align=justify";
    default:
      return "";
  }
}

const char* PictureAlignAttribute(TRtVAlign valign) {
  switch (valign) {
    case rtvaMiddle:
      return " align=middle";
    case rtvaAbsTop:
      return " align=abstop";
    case rtvaAbsBottom:
      return " align=absbottom";
    case rtvaAbsMiddle:
      return " align=absmiddle";
    case rtvaLeft:
      return " align=left";
    case rtvaRight:
      return " align=right";
    default:
      return "";
  }
}

void AppendNumberAttribute(QByteArray& out, const char* name, int value) {
  out += ' ';
  out += name;
  out += '=';
  out += QByteArray::number(value);
}

void AppendColorAttribute(QByteArray& out, const char* name, TRtColor color) {
  out += ' ';
  out += name;
  out += "=\"";
  out += HtmlColor(color);
  out += '"';
}

// A best width: pixels, or a percentage stored as a negative number.
void AppendWidthAttribute(QByteArray& out, int width) {
  if (width > 0) AppendNumberAttribute(out, "width", width);
  if (width < 0) out += " width=\"" + QByteArray::number(-width) + "%\"";
}

// An empty text item that is the last of its container or the last of its
// paragraph stands for an empty line.
bool IsEmptyLine(const TCustomRtData& data, int itemNo) {
  const TRtItem& item = data.GetItem(itemNo);
  if (!item.Text.isEmpty()) return false;
  return itemNo + 1 == data.LineCount() || data.GetItem(itemNo + 1).ParaStart;
}

// A picture the import could not load (a web address, a missing file): the
// placeholder stands for it in the editor, and the page keeps the address.
bool IsUnloaded(const TRtPicture& picture, const QString& address) {
  static const TRtPicture kPlaceholder = TRtPicture::InvalidPicture();
  return !address.isEmpty() && (picture.IsEmpty() || picture == kPlaceholder);
}

}  // namespace

THtmlWriter::THtmlWriter(const TRtDocument& document, const TRtStyle& style,
                         const TRtSaveHTMLParams& params, const TRtHtmlPictureNamer& namer)
    : document_(document), style_(style), params_(params), namer_(namer) {}

std::optional<QByteArray> THtmlWriter::Write() {
  if (!IsConsistent(document_, style_)) return std::nullopt;
  out_.reserve(4096 + document_.Data.LineCount() * 48);
  if (!WriteHead()) return std::nullopt;
  const TFontInfo& base = style_.TextStyles[0];
  AppendBaseFontOpening(out_, base);
  if (!WriteData(document_.Data)) return std::nullopt;
  AppendBaseFontClosing(out_, base);
  out_ += "</body></html>\r\n";
  return out_;
}

bool THtmlWriter::WriteHead() {
  out_ += "<html><head><title>\r\n";
  AppendEscapedText8(out_, params_.Title);
  out_ += "\r\n</title>\r\n";
  // The output is ASCII, which every ASCII-based character set reads alike;
  // the name says how the page around an exported region is read here.
  if (style_.TextStyles[0].Charset != rtcsSymbol) {
    out_ += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n";
  }
  out_ += "</head>\r\n<body";
  const TRtColor color = document_.Color != rtclNone ? document_.Color : style_.Color;
  if (color != rtclNone) AppendColorAttribute(out_, "bgcolor", color);
  if (!AppendBackground(document_.BackgroundPicture, document_.BackgroundFileName, color)) {
    return false;
  }
  AppendNumberAttribute(out_, "leftmargin", document_.LeftMargin);
  AppendNumberAttribute(out_, "topmargin", document_.TopMargin);
  AppendNumberAttribute(out_, "rightmargin", document_.RightMargin);
  AppendNumberAttribute(out_, "bottommargin", document_.BottomMargin);
  out_ += ">\r\n";
  return true;
}

bool THtmlWriter::WriteData(const TCustomRtData& data) {
  Container container(style_);
  for (int i = 0; i < data.LineCount(); ++i) {
    if (!WriteItem(container, data, i)) return false;
  }
  CloseOpen(container);
  return true;
}

void THtmlWriter::CloseOpen(Container& container) {
  if (container.ListItemOpen) out_ += "</li>\r\n";
  container.ListItemOpen = false;
  container.Lists.CloseAll(out_);
  if (container.ParaOpen) out_ += "</div>\r\n";
  container.ParaOpen = false;
}

// A list marker opens a list item (a paragraph of a quotation is a div
// inside its blockquote); a horizontal line opens nothing; any other item
// ends the lists and opens a div.
void THtmlWriter::StartParagraph(Container& container, const TRtItem& item) {
  if (container.ListItemOpen) out_ += "</li>\r\n";
  container.ListItemOpen = false;
  if (container.ParaOpen) out_ += "</div>\r\n";
  container.ParaOpen = false;
  if (item.IsListMarker()) {
    container.Lists.Enter(out_, item.Marker);
    if (!container.Lists.IsQuotation(item.Marker)) {
      container.Lists.AppendItemStart(out_, item.Marker);
      container.ListItemOpen = true;
      return;
    }
  } else if (item.StyleNo == rtikBreak) {
    return;
  } else {
    container.Lists.CloseAll(out_);
  }
  out_ += "<div";
  out_ += AlignAttribute(style_.ParaStyles[item.ParaNo].Alignment);
  out_ += '>';
  container.ParaOpen = true;
}

bool THtmlWriter::WriteItem(Container& container, const TCustomRtData& data, int itemNo) {
  const TRtItem& item = data.GetItem(itemNo);
  if (item.ParaStart) {
    StartParagraph(container, item);
  } else if (item.NewLine) {
    out_ += kLineBreak;
  }
  switch (item.StyleNo) {
    case rtikListMarker:
      return true;  // the list element shows the marker
    case rtikCheckpoint:
      WriteCheckpoint(item.Text);
      return true;
    case rtikBreak:
      WriteRule(item.Rule);
      return true;
    case rtikTable:
      return WriteTable(*item.Table);
    case rtikPicture:
    case rtikHotPicture: {
      const bool hot = item.StyleNo == rtikHotPicture;
      if (hot) WriteLinkStart(data, itemNo);
      if (!WritePicture(item, hot)) return false;
      if (hot) out_ += "</a>";
      return true;
    }
    default:
      WriteText(data, itemNo);
      return true;
  }
}

void THtmlWriter::WriteText(const TCustomRtData& data, int itemNo) {
  const TRtItem& item = data.GetItem(itemNo);
  const TFontInfo& base = style_.TextStyles[0];
  const TFontInfo& font = style_.TextStyles[item.StyleNo];
  const bool link = font.Jump;
  if (link) WriteLinkStart(data, itemNo);
  if (item.StyleNo != 0) AppendRelativeFontOpening(out_, base, font);
  if (IsEmptyLine(data, itemNo)) {
    out_ += kLineBreak;
  } else if (font.Unicode) {
    AppendEscapedText16(out_, item.Text, font.HTMLCode);
  } else {
    AppendEscapedText8(out_, item.Text);
  }
  if (item.StyleNo != 0) AppendRelativeFontClosing(out_, base, font);
  if (link) out_ += "</a>";
}

void THtmlWriter::WriteLinkStart(const TCustomRtData& data, int itemNo) {
  QString target;
  QString extras;
  if (params_.OnWriteHyperlink) params_.OnWriteHyperlink(jumpId_, data, itemNo, target, extras);
  ++jumpId_;
  out_ += "<a";
  if (!target.isEmpty()) {
    out_ += " href=\"";
    AppendEscapedAttribute(out_, target);
    out_ += '"';
  }
  if (!extras.isEmpty()) {
    out_ += ' ';
    AppendAsciiOnly(out_, extras);
  }
  out_ += '>';
}

bool THtmlWriter::WritePicture(const TRtItem& item, bool hot) {
  static const TRtPicture kNoPicture;
  const TRtPicture& picture = item.Picture ? *item.Picture : kNoPicture;
  const TRtExtraProps& extras = item.Extras();
  const TRtColor background = style_.ParaStyles[item.ParaNo].Background.Color;
  const auto name = IsUnloaded(picture, extras.ImageFileName)
                        ? std::optional<QString>(extras.ImageFileName)
                        : namer_({picture, extras.ImageFileName, background});
  if (!name) return false;
  QByteArray attributes;
  if (!hot || (params_.Options & rtsoNoHypertextImageBorders)) attributes += " border=0";
  if (extras.ImageWidth > 0) AppendNumberAttribute(attributes, "width", extras.ImageWidth);
  if (extras.ImageHeight > 0) AppendNumberAttribute(attributes, "height", extras.ImageHeight);
  if (!extras.AltText.isEmpty()) {
    attributes += " alt=\"";
    AppendEscapedAttribute(attributes, extras.AltText);
    attributes += '"';
  }
  if (extras.Spacing > 0) {
    AppendNumberAttribute(attributes, "hspace", extras.Spacing);
    AppendNumberAttribute(attributes, "vspace", extras.Spacing);
  }
  out_ += "<img";
  out_ += PictureAlignAttribute(item.VAlign);
  out_ += attributes;
  out_ += " src=\"";
  AppendEscapedAttribute(out_, *name);
  out_ += "\">";
  return true;
}

// The background attribute of the body, a table or a cell, with the
// picture's file; nothing without a picture.
bool THtmlWriter::AppendBackground(const TRtPicture& picture, const QString& fileName,
                                   TRtColor color) {
  if (picture.IsEmpty()) return true;
  const auto name = namer_({picture, fileName, color});
  if (!name) return false;
  out_ += " background=\"";
  AppendEscapedAttribute(out_, *name);
  out_ += '"';
  return true;
}

void THtmlWriter::WriteRule(const TRtHRule& rule) {
  out_ += "<hr noshade";
  AppendNumberAttribute(out_, "size", rule.Width);
  if (rule.Color != rtclNone) AppendColorAttribute(out_, "color", rule.Color);
  out_ += ">\r\n";
}

// A named anchor keeps its name, so that links to it keep working; one
// without a name gets a number. Written inline: line breaks around it came
// back as a space, one more at every edit.
void THtmlWriter::WriteCheckpoint(const QString& name) {
  out_ += "<a name=\"";
  if (name.isEmpty()) {
    out_ += "RtCheckpoint";
    out_ += QByteArray::number(checkpointNo_);
  } else {
    AppendEscapedAttribute(out_, name);
  }
  ++checkpointNo_;
  out_ += "\"></a>";
}

bool THtmlWriter::WriteTable(const TRtTable& table) {
  out_ += "<table";
  AppendWidthAttribute(out_, table.BestWidth);
  AppendNumberAttribute(out_, "border", table.BorderWidth);
  AppendNumberAttribute(out_, "cellpadding", table.CellPadding);
  AppendNumberAttribute(out_, "cellspacing", table.CellHSpacing);
  if (table.Color != rtclNone) AppendColorAttribute(out_, "bgcolor", table.Color);
  if (table.BorderStyle == rttbColor) AppendColorAttribute(out_, "bordercolor", table.BorderColor);
  if (!AppendBackground(table.BackgroundPicture, table.BackgroundFileName, table.Color)) {
    return false;
  }
  out_ += ">\r\n";
  for (const TRtTableRow& row : table.Rows) {
    out_ += "<tr>\r\n";
    for (const auto& cell : row.Cells) {
      if (cell && !WriteCell(*cell)) return false;
    }
    out_ += "</tr>\r\n";
  }
  out_ += "</table>\r\n";
  return true;
}

bool THtmlWriter::WriteCell(const TRtTableCell& cell) {
  out_ += "<td";
  if (cell.ColSpan > 1) AppendNumberAttribute(out_, "colspan", cell.ColSpan);
  if (cell.RowSpan > 1) AppendNumberAttribute(out_, "rowspan", cell.RowSpan);
  if (cell.VAlign == rtcTop) out_ += " valign=top";
  if (cell.VAlign == rtcBottom) out_ += " valign=bottom";
  AppendWidthAttribute(out_, cell.BestWidth);
  if (cell.BestHeight > 0) AppendNumberAttribute(out_, "height", cell.BestHeight);
  if (cell.Color != rtclNone) AppendColorAttribute(out_, "bgcolor", cell.Color);
  if (!AppendBackground(cell.BackgroundPicture, cell.BackgroundFileName, cell.Color)) {
    return false;
  }
  out_ += '>';
  if (cell.Data.IsEmpty()) {
    out_ += kLineBreak;
  } else if (!WriteData(cell.Data)) {
    return false;
  }
  out_ += "</td>\r\n";
  return true;
}

std::optional<QByteArray> WriteHtml(const TRtDocument& document, const TRtStyle& style,
                                    const TRtSaveHTMLParams& params,
                                    const TRtHtmlPictureNamer& namer) {
  return THtmlWriter(document, style, params, namer).Write();
}

}  // namespace moxa::rt
