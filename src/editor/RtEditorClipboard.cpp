// The editor's clipboard: the selection out as the engine's own format,
// HTML and text; anything in through the engine's own readers, so foreign
// markup never reaches the document as such.
#include "editor/RtEditor.h"
#include "editor/RtPasteContent.h"
#include "editor/RtViewFormats.h"
#include "editor/RtViewWriter.h"
#include "richtext/HtmlExporter.h"
#include "richtext/HtmlImporter.h"
#include "richtext/RtTable.h"
#include "richtext/RtdFormat.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QTextFrame>
#include <QTextTable>

namespace moxa::editor {

namespace {

// Pictures in copied HTML travel inside it: a data: URL holds nothing but
// the picture's own bytes, so no file name or path leaves the program.
std::optional<QString> DataUrl(const rt::TRtHtmlPicture& picture) {
  QByteArray bytes = picture.Picture.Data;
  QByteArray format = picture.Picture.Format;
  if (bytes.isEmpty() || format.isEmpty()) {
    const QImage image = picture.Picture.Decoded();
    if (image.isNull()) return QString();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    format = "png";
  }
  return QStringLiteral("data:image/%1;base64,%2")
      .arg(QString::fromLatin1(format), QString::fromLatin1(bytes.toBase64()));
}

// Pasted HTML names its pictures: a data: URL is decoded; any other
// address stands for a file we must not go looking for.
rt::TRtPicture PictureFromAddress(const QString& src) {
  static const QString prefix = QStringLiteral("data:image/");
  const qsizetype comma = src.indexOf(u',');
  if (src.startsWith(prefix, Qt::CaseInsensitive) && comma > 0 &&
      src.left(comma).endsWith(QStringLiteral(";base64"), Qt::CaseInsensitive)) {
    const rt::TRtPicture picture =
        rt::TRtPicture::FromEncoded(QByteArray::fromBase64(src.mid(comma + 1).toLatin1()));
    if (!picture.Decoded().isNull()) return picture;
  }
  return rt::TRtPicture::InvalidPicture();
}

void AppendPlainText(const rt::TCustomRtData& data, QString& text) {
  for (const rt::TRtItem& item : data.Items) {
    if ((item.ParaStart || item.NewLine) && &item != &data.Items.front()) text += u'\n';
    if (item.IsText()) text += item.Text;
    if (!item.Table) continue;
    for (const rt::TRtTableRow& row : item.Table->Rows) {
      QStringList cells;
      for (const auto& cell : row.Cells) {
        QString cellText;
        if (cell) AppendPlainText(cell->Data, cellText);
        cells << cellText;
      }
      text += cells.join(u'\t') + u'\n';
    }
  }
}

bool Covers(int start, int end, int position) { return position >= start && position < end; }

}  // namespace

rt::TRtDocument RtEditor::SelectedDocument() const {
  rt::TRtDocument selected;
  if (!cursor_.hasSelection()) return selected;
  auto& document = const_cast<QTextDocument&>(document_);
  const int start = cursor_.selectionStart();
  const int end = cursor_.selectionEnd();
  RtContainer where = ContainerAt(document, start);
  if (!(where == ContainerAt(document, end))) where = RtContainer();
  const RtReadItems& items = ReadItems(where, true);
  auto& out = selected.Data.Items;
  for (size_t i = 0; i < items.Spans.size(); ++i) {
    const RtItemSpan& span = items.Spans[i];
    const rt::TRtItem& item = items.Data.Items[i];
    switch (span.Kind) {
      case RtItemSpan::kText:
        if (span.Start == span.End) {
          if (Covers(start, end, span.Separator >= 0 ? span.Separator : span.Start)) {
            out.push_back(item);
          }
        } else {
          const int from = std::max(span.Start, start);
          const int to = std::min(span.End, end);
          if (from >= to) break;
          rt::TRtItem& piece = out.emplace_back(item);
          piece.Text = item.Text.mid(from - span.Start, to - from);
          if (from > span.Start) piece.NewLine = false;
        }
        break;
      case RtItemSpan::kTable:
        if (span.Start < end && span.End > start) out.push_back(item);
        break;
      case RtItemSpan::kObject:
        if (Covers(start, end, span.Start)) out.push_back(item);
        break;
      default:
        if (Covers(start, end, span.BlockPosition)) out.push_back(item);
        break;
    }
  }
  if (!out.empty()) {
    out.front().ParaStart = true;
    out.front().NewLine = false;
  }
  return selected;
}

QMimeData* RtEditor::CreateMimeData() const {
  if (!cursor_.hasSelection()) return nullptr;
  const rt::TRtDocument selected = SelectedDocument();
  auto* mime = new QMimeData;
  QString text;
  AppendPlainText(selected.Data, text);
  mime->setText(text);
  if (const std::optional<QByteArray> rtd = rt::SaveRtdToBytes(selected, style_)) {
    mime->setData(QString::fromLatin1(kRtdMimeType), *rtd);
  }
  rt::TRtSaveHTMLParams params;
  params.OnWriteHyperlink = OnWriteHyperlink;
  try {
    if (const std::optional<QByteArray> html = rt::WriteHtml(selected, style_, params, DataUrl)) {
      mime->setHtml(QString::fromLatin1(*html));
    }
  } catch (...) {
    // A failing link handler costs the HTML flavour only.
  }
  if (selected.Data.LineCount() == 1 && selected.Data.Items.front().IsPicture()) {
    mime->setImageData(selected.Data.Items.front().Picture->Decoded());
  }
  return mime;
}

bool RtEditor::CanInsertFromMimeData(const QMimeData& mime) const {
  return mime.hasFormat(QString::fromLatin1(kRtdMimeType)) || mime.hasHtml() || mime.hasImage() ||
         mime.hasText();
}

void RtEditor::InsertFromMimeData(const QMimeData& mime) {
  // Everything is read against a copy of the style sheet, whose styles
  // are then found in (or added to) the editor's: pasted markup never
  // changes a style the document already uses.
  rt::TRtDocument incoming;
  rt::TRtStyle scratch = style_;
  const QString rtdType = QString::fromLatin1(kRtdMimeType);
  if (mime.hasFormat(rtdType) && rt::LoadRtdFromBytes(mime.data(rtdType), incoming, scratch)) {
    MergeStyles(incoming.Data, scratch, style_);
    InsertDocument(std::move(incoming.Data));
    return;
  }
  if (mime.hasHtml()) {
    rt::TRtHtmlImporter importer;
    importer.View = {&incoming, &scratch};
    importer.ClearDocument = false;
    importer.Encoding = rt::rthtmleUTF8;
    importer.Options = 0;
    importer.OnImageRequired2 = [](const QString& src, int, int, rt::TRtPicture& picture) {
      picture = PictureFromAddress(src);
    };
    importer.OnReadHyperlink = OnReadHyperlink;
    importer.LoadHtml(mime.html().toUtf8());
    MergeStyles(incoming.Data, scratch, style_);
    InsertDocument(std::move(incoming.Data));
    return;
  }
  if (mime.hasImage()) {
    const QImage image = qvariant_cast<QImage>(mime.imageData());
    if (!image.isNull()) {
      InsertPicture(QString(), rt::TRtPicture::FromImage(image), rt::rtvaBaseline);
      return;
    }
  }
  if (mime.hasText()) InsertPlainText(mime.text());
}

void RtEditor::InsertDocument(rt::TCustomRtData data) {
  if (data.IsEmpty()) return;  // a paste that brings nothing keeps the selection
  cursor_.beginEditBlock();
  cursor_.removeSelectedText();
  // Tables inside the tables around the caret count towards the model's limit.
  int enclosing = 0;
  for (QTextFrame* frame = cursor_.currentFrame(); frame; frame = frame->parentFrame()) {
    if (qobject_cast<QTextTable*>(frame)) ++enclosing;
  }
  LimitTableNesting(data, rt::kMaxTableNesting - enclosing);
  RtViewWriter(document_, style_, [this] { return NextKey(); }).InsertAt(cursor_, data);
  cursor_.endEditBlock();
  NoteChange();
  UpdateCurrentStyles();
  emit cursorMoved();
}

void RtEditor::InsertPlainText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  // Characters Qt would read as frame or object marks are no text of ours.
  for (QChar& ch : text) {
    const char16_t code = ch.unicode();
    if (code == 0xFDD0 || code == 0xFDD1 || code == 0xFFFC) ch = QChar::ReplacementCharacter;
  }
  if (text.isEmpty()) return;
  QTextCharFormat format = cursor_.charFormat();
  if (IdentityOf(format).StyleNo != curTextStyle_ || format.objectType() != QTextFormat::NoObject) {
    format = TypingFormat(curTextStyle_);
  }
  cursor_.beginEditBlock();
  cursor_.removeSelectedText();
  cursor_.insertText(text, format);
  cursor_.endEditBlock();
  NoteChange();
  UpdateCurrentStyles();
  emit cursorMoved();
}

}  // namespace moxa::editor
