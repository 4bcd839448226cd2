#pragma once

// The editable rich-text view, headless: the engine's document shown in a
// QTextDocument (for layout, drawing, caret, input methods and undo), with
// the engine's operations on it. A widget (RichTextEdit) shows the
// document and keeps its caret in step with Cursor(); tests drive the
// cursor directly.
//
//   rt::TRtStyle style;
//   editor::RtEditor editor(style);
//   editor.StartUp();
//   editor.LoadRtd(file);
//   ... editor.ApplyStyleConversion(code); editor.InsertStringTag(text, tag); ...
//   editor.SaveRtd(file);

#include "editor/RtDataView.h"
#include "richtext/HtmlExporter.h"
#include "richtext/LinkTable.h"
#include "richtext/RtDocument.h"
#include "richtext/RtStyle.h"

#include <QObject>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <vector>

class QMimeData;

namespace moxa::editor {

// What an undo group is for (the engine's kinds the application uses).
enum RtUndoKind { rtutTag, rtutInsert, rtutStyle, rtutOther };

// Where a hyperlink is: its container and its item number there.
struct RtJumpPoint {
  RtDataView View;
  int ItemNo = -1;
};

// The private clipboard format: the engine's binary document.
inline constexpr char kRtdMimeType[] = "application/x-moxa-rtd";

class RtEditor : public QObject {
  Q_OBJECT

 public:
  // `style` is the style sheet shared with the import; it must outlive the editor.
  explicit RtEditor(rt::TRtStyle& style, QObject* parent = nullptr);
  ~RtEditor() override;

  QTextDocument* TextDocument() { return &document_; }
  const QTextDocument* TextDocument() const { return &document_; }
  rt::TRtStyle& Style() { return style_; }
  const rt::TRtStyle& Style() const { return style_; }

  // --- Document transfer ---------------------------------------------------
  // The start-up sequence: margins 5, no background, Clear,
  // DeleteUnusedStyles (text, paragraph and list styles), Format.
  void StartUp();
  void Clear();
  void Format();  // lays the document out
  // Replaces the content (undo history emptied). Expects a document whose
  // style numbers are valid in Style() (rt::IsConsistent).
  void LoadDocument(const rt::TRtDocument& document);
  // False, and the content kept, when the file cannot be read.
  [[nodiscard]] bool LoadRtd(const QString& fileName);
  // The view read back: equal to the loaded document until it is edited.
  rt::TRtDocument Document() const;
  [[nodiscard]] bool SaveRtd(const QString& fileName) const;

  // --- Caret and selection -------------------------------------------------
  const QTextCursor& Cursor() const { return cursor_; }
  void SetCursor(const QTextCursor& cursor);
  // The container that holds the caret: the editor's main text, or the
  // innermost table cell. Item numbers of the result are local to it.
  RtDataView TopLevelEditor();
  RtDataView RootEditor() { return RtDataView(*this, {}); }

  // The main text's items (see RtDataView).
  int LineCount() const { return Root().LineCount(); }
  int GetItemStyle(int itemNo) const { return Root().GetItemStyle(itemNo); }
  bool IsParaStart(int itemNo) const { return Root().IsParaStart(itemNo); }
  std::int32_t GetItemTag(int itemNo) const { return Root().GetItemTag(itemNo); }
  std::optional<rt::TRtListMarker> GetListMarkerInfo(int itemNo) const {
    return Root().GetListMarkerInfo(itemNo);
  }
  std::pair<int, int> ExpandToPara(int firstItem, int lastItem) const {
    return Root().ExpandToPara(firstItem, lastItem);
  }
  int GetOffsBeforeItem(int itemNo) const { return Root().GetOffsBeforeItem(itemNo); }
  int GetOffsAfterItem(int itemNo) const { return Root().GetOffsAfterItem(itemNo); }
  bool SetItemTagEd(int itemNo, std::int32_t tag) { return RootEditor().SetItemTagEd(itemNo, tag); }
  bool SelectionExists() const { return cursor_.hasSelection(); }
  RtSelectionBounds GetSelectionBounds(bool normalize) const {
    return Root().GetSelectionBounds(normalize);
  }
  void SetSelectionBounds(int startItem, int startOffs, int endItem, int endOffs) {
    RootEditor().SetSelectionBounds(startItem, startOffs, endItem, endOffs);
  }
  int CurItemNo() const { return Root().CurItemNo(); }
  int OffsetInCurItem() const { return Root().OffsetInCurItem(); }

  // --- Styles --------------------------------------------------------------
  int CurTextStyleNo() const { return curTextStyle_; }
  // The style typing continues in (an empty text item at the caret takes it at once).
  void SetCurTextStyleNo(int styleNo);
  int CurParaStyleNo() const { return curParaStyle_; }
  // Raises OnStyleConversion for the current text style and for the style
  // of every selected text item (split at the selection's edges), gives
  // each item its new style as one undo step (an item whose style changes
  // loses its tag, unless its new style is a hyperlink style: a part of a
  // link stays that link), and makes the converted current style current.
  void ApplyStyleConversion(int userData);
  // Raises OnParaStyleConversion for the style of every paragraph the
  // selection touches (the caret's without one); one undo step.
  void ApplyParaStyleConversion(int userData);
  // Makes every paragraph the selection touches a list paragraph.
  void ApplyListStyle(int listNo, int level, int startFrom, bool useStartFrom, bool recursive);
  void RemoveLists(bool recursive);

  // --- Insertion at the caret (replacing the selection), undoable ---------
  bool InsertStringTag(const QString& text, std::int32_t tag);
  bool InsertPicture(const QString& name, const rt::TRtPicture& picture, rt::TRtVAlign valign);
  bool InsertHotPicture(const QString& name, const rt::TRtPicture& picture, rt::TRtVAlign valign);
  // The item at the caret (after an insertion: the inserted item).
  void SetCurrentTag(std::int32_t tag);
  void SetCurrentItemExtraStrProperty(rt::TRtExtraStrProperty property, const QString& value);

  // --- Undo ----------------------------------------------------------------
  // Every change between SetUndoGroupMode(true) and SetUndoGroupMode(false)
  // is undone as one step.
  void BeginUndoGroup(RtUndoKind kind);
  void SetUndoGroupMode(bool on);
  void Undo();
  void Redo();

  // --- Hyperlinks ----------------------------------------------------------
  // Jump ids as rt::CollectJumps numbers the document's hyperlinks.
  std::optional<RtJumpPoint> GetJumpPointLocation(int jumpId);
  // The jump id of the hyperlink whose character is at `position`.
  std::optional<int> JumpIdAt(int position) const;
  // Raises OnJump for the hyperlink at `position`; false when there is none.
  bool FollowJumpAt(int position);

  // --- Clipboard -----------------------------------------------------------
  // The selection as the engine's format, HTML (pictures as data: URLs),
  // plain text and, for a selected picture, the image. Null without a
  // selection. The caller owns the result.
  QMimeData* CreateMimeData() const;
  bool CanInsertFromMimeData(const QMimeData& mime) const;
  // Inserts at the caret: the engine's format, else HTML through the
  // importer, else an image as a picture, else plain text. One undo step.
  void InsertFromMimeData(const QMimeData& mime);
  // The selection as a document of its own (items cut at the edges).
  rt::TRtDocument SelectedDocument() const;
  // Inserts a document's items at the caret (styles of Style()); tables
  // that would nest deeper than the model allows give way to their cells.
  void InsertDocument(rt::TCustomRtData data);

  // The char format typing at the caret uses.
  QTextCharFormat TypingFormat(int styleNo);

  // --- Events ----------------------------------------------------------------
  using ConversionEvent =
      std::function<void(int styleNo, int userData, bool appliedToText, int& newStyleNo)>;
  ConversionEvent OnStyleConversion;
  ConversionEvent OnParaStyleConversion;
  std::function<void()> OnCurTextStyleChanged;
  std::function<void()> OnCurParaStyleChanged;
  std::function<void(int jumpId)> OnJump;
  // Gives the hyperlinks of copied HTML their addresses (as for the export).
  rt::TRtWriteHyperlinkEvent OnWriteHyperlink;
  // Gives the hyperlinks of pasted HTML their tags; without it they carry 0.
  rt::TRtReadHyperlinkEvent OnReadHyperlink;

 signals:
  // The caret or selection moved, or the typing format changed.
  void cursorMoved();
  // The document is about to be emptied and refilled (a load, a clear). A
  // view must not touch its cursors until the next cursorMoved(): cursors
  // made or dropped while the document clears itself corrupt its list.
  void documentReplacing();

 private:
  friend class RtDataView;

  RtDataView Root() const { return RtDataView(const_cast<RtEditor&>(*this), {}); }
  int NextKey() { return ++lastKey_; }
  // The items of a container, read once per state of the document: loops
  // over the items ask for them item by item.
  const RtReadItems& ReadItems(const RtContainer& container, bool deep) const;
  // Every change the editor makes calls this: inside an undo group Qt's
  // revision stands still, so the cached reads would not see the change.
  void NoteChange() { ++changes_; }
  // Re-reads the caret's text and paragraph styles, raising their events.
  void UpdateCurrentStyles();
  void ApplyPageProperties();
  bool InsertObject(const rt::TRtItem& item);
  void InsertPlainText(QString text);
  // The blocks a style or list operation applies to.
  std::vector<QTextBlock> TouchedBlocks() const;

  rt::TRtStyle& style_;
  QTextDocument document_;
  QTextCursor cursor_;
  QTextCursor groupCursor_;  // holds the edit block of an undo group
  int groupDepth_ = 0;
  RtUndoKind groupKind_ = rtutOther;
  rt::TRtDocument page_;  // the page properties (Data unused)
  int lastKey_ = 0;
  int curTextStyle_ = 0;
  int curParaStyle_ = 0;
  int changes_ = 0;
  struct CachedRead {
    int Revision;
    int Changes;
    RtContainer Container;
    bool Deep;
    RtReadItems Items;
  };
  mutable std::list<CachedRead> reads_;  // a list: references to its items stay valid
};

}  // namespace moxa::editor
