#include "editor/RtViewReader.h"

#include "editor/RtViewFormats.h"
#include "richtext/RtTable.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace moxa::editor {

namespace {

constexpr QChar kLineSeparator = QChar::LineSeparator;
constexpr QChar kObjectCharacter = QChar::ObjectReplacementCharacter;

// Reads one paragraph (block). The block's content is a sequence of lines
// parted by line separators; every line holds at least one item, an empty
// line an empty text item, and the first item of each later line has
// NewLine. A separator carries the identity of the item that starts its
// line, so that an empty text item on a line of its own keeps its style.
class BlockReader {
 public:
  BlockReader(rt::TCustomRtData& data, std::vector<RtItemSpan>& spans, int& lastTextStyle)
      : data_(data), spans_(spans), lastTextStyle_(lastTextStyle) {}

  // `fillerAllowed`: an empty block marked as a filler is no paragraph.
  void Read(const QTextBlock& block, bool fillerAllowed) {
    const QTextBlockFormat format = block.blockFormat();
    paraNo_ = format.intProperty(kParaNo);
    blockPosition_ = block.position();
    const bool empty = block.length() <= 1;
    if (IsBreak(format)) {
      rt::TRtItem rule = BreakOf(format);
      Emit(std::move(rule), {RtItemSpan::kBreak, blockPosition_, blockPosition_});
      if (empty) return;
      // Text typed into a line's block: a paragraph of its own after the line.
      itemsInBlock_ = 0;
    } else if (empty && fillerAllowed && format.boolProperty(kFiller)) {
      return;
    } else if (HasMarker(format)) {
      Emit(MarkerOf(format), {RtItemSpan::kMarker, blockPosition_, blockPosition_});
      lineHasItem_ = true;  // a separator right after the marker starts the second line
    }
    const bool hasMarker = !IsBreak(format) && HasMarker(format);
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) ReadFragment(it.fragment());
    CloseText();
    if (separator_ >= 0 && !lineHasItem_) EmitEmptyLine();
    if (contentItems_ == 0 && (!hasMarker || format.boolProperty(kLoneEmptyItem))) {
      EmitLoneEmpty(block.charFormat(), hasMarker);
    }
  }

 private:
  void ReadFragment(const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    const QString text = fragment.text();
    const bool objects = format.objectType() != QTextFormat::NoObject;
    const int start = fragment.position();
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar ch = text.at(i);
      const int position = start + static_cast<int>(i);
      if (ch == kLineSeparator) {
        CloseText();
        if (!lineHasItem_) EmitEmptyLine(&format);
        lineHasItem_ = false;
        separator_ = position;
        separatorFormat_ = format;
      } else if (ch == kObjectCharacter && objects) {
        CloseText();
        ReadObject(format, position);
      } else {
        const ItemIdentity id = IdentityOf(format);
        if (!open_ || openId_ != id) {
          CloseText();
          open_ = true;
          openId_ = id;
          openFormat_ = format;
          openStart_ = position;
          openText_.clear();
        }
        openText_ += ch;
        openEnd_ = position + 1;
      }
    }
  }

  void ReadObject(const QTextCharFormat& format, int position) {
    rt::TRtItem item = ItemFromResidue(format, kResidue);
    if (format.objectType() == kEmptyTextObject) {
      item.StyleNo = TextStyleOf(IdentityOf(format));
      item.Text.clear();
    } else if (format.objectType() == kCheckpointObject) {
      item.StyleNo = rt::rtikCheckpoint;
      item.Text = format.stringProperty(kName);
    } else if (format.isImageFormat()) {
      ReadPicture(format.toImageFormat(), item);
    } else {
      return;  // an object of no kind of ours
    }
    item.Tag = format.intProperty(kTag);
    StartLineWith(item, IdentityOf(format), {RtItemSpan::kObject, position, position + 1});
  }

  static void ReadPicture(const QTextImageFormat& format, rt::TRtItem& item) {
    const int kind = format.intProperty(kItemKind);
    item.StyleNo = kind == rt::rtikHotPicture ? rt::rtikHotPicture : rt::rtikPicture;
    item.Text = format.stringProperty(kName);
    item.VAlign = static_cast<rt::TRtVAlign>(format.intProperty(kVAlign));
    const PictureBox picture = format.property(kPicture).value<PictureBox>();
    item.Picture = rt::Boxed<rt::TRtPicture>(picture ? *picture : rt::TRtPicture());
    rt::TRtExtraProps extras;
    extras.ImageWidth = format.intProperty(kImageWidth);
    extras.ImageHeight = format.intProperty(kImageHeight);
    extras.Spacing = format.intProperty(kSpacing);
    extras.ImageFileName = format.stringProperty(kImageFileName);
    extras.AltText = format.stringProperty(kAltText);
    if (extras == rt::TRtExtraProps()) {
      item.Extra.Reset();
    } else {
      item.Extra = rt::Boxed<rt::TRtExtraProps>(extras);
    }
  }

  void CloseText() {
    if (!open_) return;
    open_ = false;
    rt::TRtItem item = ItemFromResidue(openFormat_, kResidue);
    item.StyleNo = TextStyleOf(openId_);
    item.Tag = openId_.Tag;
    const QString original = openFormat_.stringProperty(kOriginalText);
    item.Text = !original.isEmpty() && ShownText(original) == openText_ ? original : openText_;
    StartLineWith(item, openId_, {RtItemSpan::kText, openStart_, openEnd_});
  }

  // An item that may start a line after a separator: it takes the line
  // break when the separator carries its identity; otherwise the separator
  // stood for an empty item of its own.
  void StartLineWith(rt::TRtItem& item, const ItemIdentity& id, RtItemSpan span) {
    if (separator_ >= 0 && !lineHasItem_) {
      const ItemIdentity separatorId = IdentityOf(separatorFormat_);
      const bool sameItem = separatorId.Key == id.Key && separatorId.Tag == id.Tag &&
                            (separatorId.StyleNo == id.StyleNo || !item.IsText());
      if (sameItem) {
        item.NewLine = true;
        span.Separator = separator_;
      } else {
        EmitEmptyLine();
        item.NewLine = false;
      }
    } else if (itemsInBlock_ > 0) {
      item.NewLine = false;
    }
    ++contentItems_;
    lineHasItem_ = true;
    Emit(std::move(item), span);
  }

  // An empty text item for a line with nothing on it: after a separator
  // it takes that separator's identity and line break; on the first line
  // (a separator at the start of the paragraph) the identity of `next`.
  void EmitEmptyLine(const QTextCharFormat* next = nullptr) {
    const bool firstLine = separator_ < 0;
    const QTextCharFormat& format = firstLine && next ? *next : separatorFormat_;
    rt::TRtItem item = ItemFromResidue(format, kResidue);
    const ItemIdentity id = IdentityOf(format);
    item.StyleNo = TextStyleOf(id);
    item.Tag = id.Tag;
    item.Text.clear();
    RtItemSpan span{RtItemSpan::kText, separator_ + 1, separator_ + 1};
    if (firstLine) {
      span.Start = span.End = blockPosition_;
    } else {
      span.Separator = separator_;
      item.NewLine = true;
    }
    ++contentItems_;
    lineHasItem_ = true;
    Emit(std::move(item), span);
  }

  void EmitLoneEmpty(const QTextCharFormat& format, bool afterMarker) {
    rt::TRtItem item = ItemFromResidue(format, kResidue);
    const ItemIdentity id = IdentityOf(format);
    item.StyleNo = TextStyleOf(id);
    item.Tag = id.Tag;
    item.Text.clear();
    if (afterMarker) item.NewLine = false;
    Emit(std::move(item), {RtItemSpan::kLoneEmpty, blockPosition_, blockPosition_});
  }

  void Emit(rt::TRtItem item, RtItemSpan span) {
    item.ParaNo = paraNo_;
    item.ParaStart = itemsInBlock_ == 0;
    span.BlockPosition = blockPosition_;
    if (item.IsText()) lastTextStyle_ = item.StyleNo;
    ++itemsInBlock_;
    data_.Items.push_back(std::move(item));
    spans_.push_back(span);
  }

  // Text typed where no style was recorded continues the text before it.
  int TextStyleOf(const ItemIdentity& id) const {
    return id.StyleNo >= 0 ? id.StyleNo : lastTextStyle_;
  }

  rt::TCustomRtData& data_;
  std::vector<RtItemSpan>& spans_;
  int& lastTextStyle_;
  int paraNo_ = 0;
  int blockPosition_ = 0;
  int itemsInBlock_ = 0;
  int contentItems_ = 0;
  bool lineHasItem_ = false;
  int separator_ = -1;
  QTextCharFormat separatorFormat_;
  bool open_ = false;
  ItemIdentity openId_;
  QTextCharFormat openFormat_;
  QString openText_;
  int openStart_ = 0;
  int openEnd_ = 0;
};

class ContainerReader {
 public:
  ContainerReader(bool deep, std::vector<RtContainer>& containers)
      : deep_(deep), containers_(containers) {}

  void Read(QTextFrame::iterator it, const RtContainer& where, rt::TCustomRtData& data,
            std::vector<RtItemSpan>& spans) {
    containers_.push_back(where);
    int lastTextStyle = 0;
    ReadFrame(it, data, spans, lastTextStyle);
  }

 private:
  void ReadFrame(QTextFrame::iterator it, rt::TCustomRtData& data, std::vector<RtItemSpan>& spans,
                 int& lastTextStyle) {
    struct Child {
      QTextFrame* Frame;
      QTextBlock Block;
    };
    std::vector<Child> children;
    for (; !it.atEnd(); ++it) children.push_back({it.currentFrame(), it.currentBlock()});
    for (size_t i = 0; i < children.size(); ++i) {
      if (QTextFrame* frame = children[i].Frame) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
          ReadTable(*table, data, spans);
        } else {
          ReadFrame(frame->begin(), data, spans, lastTextStyle);
        }
        continue;
      }
      // A filler is only Qt's where Qt needs a block: before a table at the
      // start, between tables, after a table at the end, in an empty cell.
      // Anywhere else the user made it a paragraph (Enter in a filler).
      const bool needed =
          (i == 0 || children[i - 1].Frame) && (i + 1 == children.size() || children[i + 1].Frame);
      BlockReader(data, spans, lastTextStyle).Read(children[i].Block, needed);
    }
  }

  void ReadTable(QTextTable& table, rt::TCustomRtData& data, std::vector<RtItemSpan>& spans) {
    const QTextTableFormat format = table.format();
    rt::TRtItem item = ItemFromResidue(format, kTableResidue);
    item.StyleNo = rt::rtikTable;
    item.ParaNo = format.intProperty(kTableParaNo);
    item.ParaStart = true;
    item.Tag = format.intProperty(kTableTag);
    const TableBox fields = format.property(kTableFields).value<TableBox>();
    rt::TRtTable& model = item.Table.Ensure();
    if (fields) model = *fields;
    model.Rows.assign(static_cast<size_t>(table.rows()), rt::TRtTableRow());
    for (int r = 0; r < table.rows(); ++r) {
      auto& cells = model.Rows[static_cast<size_t>(r)].Cells;
      cells.resize(static_cast<size_t>(table.columns()));
      for (int c = 0; c < table.columns(); ++c) {
        const QTextTableCell cell = table.cellAt(r, c);
        if (cell.row() != r || cell.column() != c) continue;  // covered by a merged cell
        rt::TRtTableCell& out = cells[static_cast<size_t>(c)].Ensure();
        const CellBox cellFields = cell.format().property(kCellFields).value<CellBox>();
        if (cellFields) out = *cellFields;
        out.Data.Clear();
        out.RowSpan = cell.rowSpan();
        out.ColSpan = cell.columnSpan();
        if (deep_) {
          std::vector<RtItemSpan> cellSpans;
          Read(cell.begin(), {&table, r, c}, out.Data, cellSpans);
        }
      }
    }
    data.Items.push_back(std::move(item));
    const int before = table.firstPosition() - 1;
    spans.push_back({RtItemSpan::kTable, before, table.lastPosition() + 1, -1, before, &table});
  }

  bool deep_;
  std::vector<RtContainer>& containers_;
};

}  // namespace

RtReadItems ReadContainer(QTextDocument& document, const RtContainer& container, bool deep) {
  RtReadItems result;
  ContainerReader reader(deep, result.Containers);
  const QTextFrame::iterator begin =
      container.Table ? container.Table->cellAt(container.Row, container.Column).begin()
                      : document.rootFrame()->begin();
  reader.Read(begin, container, result.Data, result.Spans);
  if (!deep) result.Containers.clear();
  return result;
}

namespace {

// The format of the character at `position`, and the character.
std::pair<QTextCharFormat, QChar> CharAt(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.contains(position)) {
      return {fragment.charFormat(), fragment.text().at(position - fragment.position())};
    }
  }
  return {QTextCharFormat(), QChar()};
}

}  // namespace

bool IsLineBreakOf(const QTextDocument& document, int separator, int next) {
  const auto [format, ch] = CharAt(document, separator);
  if (ch != kLineSeparator) return false;
  const auto [nextFormat, nextCh] = CharAt(document, next);
  return !nextCh.isNull() && nextCh != kLineSeparator &&
         IdentityOf(format) == IdentityOf(nextFormat);
}

RtContainer ContainerAt(QTextDocument& document, int position) {
  QTextCursor cursor(&document);
  cursor.setPosition(std::clamp(position, 0, document.characterCount() - 1));
  QTextTable* table = cursor.currentTable();
  if (!table) return {};
  const QTextTableCell cell = table->cellAt(cursor.position());
  if (!cell.isValid()) return {};
  return {table, cell.row(), cell.column()};
}

}  // namespace moxa::editor
