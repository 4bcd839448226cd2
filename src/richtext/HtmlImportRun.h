#pragma once

// The state of one run of TRtHtmlImporter::LoadHtml and the operations on
// it. Private to the importer: its .cpp files split the work by topic
// (HtmlImportRun: text, fonts, paragraphs; HtmlImportTags: the tag table;
// HtmlImportBlocks: body, paragraphs, headings; HtmlImportInline: font
// changes and links; HtmlImportLists; HtmlImportTables: containers and
// tables; HtmlImportPictures; HtmlStyleSheet).

#include "richtext/HtmlHelpers.h"
#include "richtext/HtmlImporter.h"
#include "richtext/HtmlParser.h"
#include "richtext/ImportFontIndex.h"
#include "richtext/RtTable.h"

#include <QByteArray>
#include <QHash>
#include <QSize>
#include <QString>

#include <array>
#include <string_view>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace moxa::rt {

enum TContainerLevel { clMain, clTable, clRow, clCol };
enum TIndentType { llUL, llOL, llBQ };

// One open list or quotation.
struct TContainerIndentType {
  TIndentType IndentType = llUL;
  TListType ListType = ltNone;
  int ListValue = 1;  // the number the next item gets
};

// The table a clTable level fills, with the slot last opened.
struct TRtTableItemInfoH {
  TRtTable* Table = nullptr;  // owned by the enclosing level's RtTable
  int CurrRow = -1;
  int CurrCol = -1;
};

// One open level: the main text, a table, a row or a cell.
struct TContainerDataType {
  TContainerLevel Level = clMain;
  int TextStyle = 0;  // the text style in force when the level was opened
  int ParaStyle = 0;  // for new paragraphs
  std::vector<TRtAlignment> AlignmentStack;
  std::vector<int> ParaStyleStack;  // -1: the style for the alignment
  std::vector<int> PrevFont;        // saved text styles
  std::vector<TContainerIndentType> IndentStack;
  std::array<int, 3> IndentCounts{};  // open entries by TIndentType
  int IndentListStyle = -1;
  TRtCellVAlign VAlign = rtcMiddle;
  TRtColor BgColor = rtclNone;
  TListType CurLIType = ltNone;
  int CurLIValue = 0;
  bool CurHadLI = false;
  std::unique_ptr<TRtTable> RtTable;  // made at this level, added at its end
  int RtTableParaNo = 0;
  TCustomRtData* RtData = nullptr;  // where this level's items go
  TRtTableItemInfoH TableInfo;      // clTable only
  TRtTableCell* Cell = nullptr;     // clCol only
};

// A picture as the importer loaded it, with its size in pixels.
struct TImportPicture {
  TRtPicture Picture;
  QSize Size;
};

struct TRtParaClass {
  QByteArray TAlign;  // the text-align word of the rule
  int ParaStyleNo = 0;
};

// Attribute values read in place, without a copy: valid until the next
// token. Attr is empty for a missing attribute.
QByteArrayView Attr(const TRtRawByteStringList& params, std::string_view name);
// ParseHtmlColor with the common "#rrggbb" read directly.
TRtColor ColorOf(QByteArrayView text);
// ColorOf an attribute; nothing when the attribute is missing.
std::optional<TRtColor> ColorAttr(const TRtRawByteStringList& params, std::string_view name);
// A number (spaces around it allowed) kept within -limit..limit, so that
// counting on from it cannot overflow; nothing when the text is no number.
std::optional<int> NumberIn(QByteArrayView text, int limit);
// Sizes, spans and spacings: far beyond any real page.
inline constexpr int kMaxMeasure = 1'000'000;
// "class" of the form prefix + N (prefix in any case); the number N.
std::optional<size_t> ClassNumber(QByteArrayView value, const char* prefix);

class TRtHtmlRun {
 public:
  TRtHtmlRun(TRtHtmlImporter& owner, TRtDocument& document, TRtStyle& style);
  void Run(QByteArray html);

 private:
  // HtmlImportRun.cpp
  void Start();
  void ReadToken();
  void Finish();
  void FlushText();
  // False when the line is white space only and was not added.
  bool AddTextLine(QByteArrayView line);
  void AddEmptyLine();
  // White space alone, that would wait for the next text, added now (before
  // a link or a picture).
  void AddPendingSpaces();
  void PrepareParagraphStart();
  bool TextOpensParagraph() const;
  // After "li": the item's marker, before its first item.
  void OpenListItem();
  int NextParaNo();
  void UseFontStyle(bool push, bool isLink);
  void Restore();
  void SetCurrentStyle(int styleNo);
  int ParaStyleForAlignment(TRtAlignment alignment);
  void ForgetParaStyleSearches() { paraForAlignment_.fill(-1); }
  // A block's own paragraph style, or with -1 the one for its alignment.
  int BlockParaStyle(int paraStyle, TRtAlignment alignment);
  void EnterAlignment(TRtAlignment alignment, int paraStyle);
  void LeaveAlignment();
  TRtAlignment CurrentAlignment() const { return Top().AlignmentStack.back(); }
  std::int32_t LinkTag();
  QString LinkTargetResolved() const;
  TContainerDataType& Top() { return containers_.back(); }
  const TContainerDataType& Top() const { return containers_.back(); }
  // Items of the current item container; none between the cells of a table.
  TCustomRtData* ItemTarget();
  // Where text goes: the current item container, or between cells the one
  // that holds the table.
  TCustomRtData& TextTarget() { return *Top().RtData; }

  // HtmlImportTags.cpp
  using TagHandler = void (*)(TRtHtmlRun&);
  // What a tag (lower-case name, "/" first for an end tag) does; null for
  // a tag the reader ignores.
  static TagHandler FindTagHandler(std::string_view name);
  void HandleTag();
  void ReadSkipped();
  void SkipUntil(const char* endTag);
  void StartTitle();

  // HtmlImportBlocks.cpp
  // The text so far ends; what follows starts a paragraph of its own, in
  // the block entered or back in the enclosing one.
  void EnterBlock(TRtAlignment alignment, int paraStyle);
  void LeaveBlock();
  // The tag's "align", else the alignment in force.
  TRtAlignment TagAlignment() const;
  void HandleBody();
  void StartParagraph();
  void EndDivision();
  void LineBreak();
  // In a list item that already holds something (a line break keeps to it).
  bool InListItemText() const;
  // The item starts a new line when a line break of a list item is due.
  void MarkNewLine(TRtItem& item);
  void HandleHeading(int level);
  void EndHeading();
  void AddRule();
  void StartPreformatted();
  void EndPreformatted();

  // HtmlImportInline.cpp
  void PushFont() { UseFontStyle(true, inLink_); }
  void SetFlag(TFontStyle flag, bool on);
  void ChangeShift(bool start, int shift);
  void HandleFont();
  void HandleSpan();
  void EndFontChange();
  void HandleAnchor();
  void EndAnchor();

  // HtmlImportLists.cpp
  void OpenList(TIndentType type);
  void OpenQuotation();
  void HandleListItem();
  void EndIndent(TIndentType type);
  void EnterIndent(TIndentType type, TListType listType, int start);
  TRtListLevel ConfigureListLevel(TListType type, int k, int n) const;
  int ListLevelFor(TListType type);
  void LeaveIndent(TIndentType type);
  int ListCount() const;
  bool AddListMarker();
  int ContainerListStyle();
  std::vector<TRtListLevel>& ContainerListLevels();

  // HtmlImportTables.cpp
  void EnterContainer(TContainerLevel level, TRtAlignment alignment);
  void LeaveContainers(TContainerLevel level);
  void PopContainer();
  TRtTableItemInfoH* CurrentTable();
  // True, with the paragraph ended, for a tag inside a table that is not
  // made.
  bool InIgnoredTable();
  void HandleTable();
  void HandleRow();
  void HandleCell(bool header);
  void EndCell(bool header);
  void EndRow();
  void EndTable();
  void LeaveCell();
  bool OpenCellSlot(TRtTableItemInfoH& info);
  void MergeSpan(TRtTableItemInfoH& info, int colSpan, int rowSpan);
  bool GrowTable(TRtTable& table, int rows, int cols);
  void ReadCellAttributes(TRtTableCell& cell, TRtTable& table);

  // HtmlImportPictures.cpp
  bool PicturesWanted() const { return !(owner_.Options & rthtmloIgnorePictures); }
  void HandleImageTag();
  void HandleImage();
  // The picture at `address` (`path` once resolved): from OnImageRequired2,
  // else read from inside the base path; nothing when it cannot be had.
  std::optional<TImportPicture> LoadPicture(const QString& address, const QString& path,
                                            int width, int height);
  std::optional<TImportPicture> ReadPictureFile(const QString& path);
  bool InsideBasePath(const QString& path);
  bool LoadBackground(const QByteArray& src, TRtPicture& picture, QString& fileName);
  // The tag's "background" picture, tiled; nothing changes when pictures
  // are ignored or it cannot be had.
  void ReadBackgroundAttr(TRtPicture& picture, QString& fileName, TRtBackgroundStyle& style);

  // HtmlStyleSheet.cpp
  void ReadStyleSheet(const QByteArray& text);
  void ReadBodyRule(const QByteArray& rule);
  void ReadTextClassRule(const QByteArray& rule, bool link);
  void ReadParaRule(const QByteArray& rule, TParaInfo& para) const;
  void ReadFontRule(const QByteArray& rule, TFontInfo& font) const;

  TRtHtmlImporter& owner_;
  TRtDocument& document_;
  TRtStyle& style_;
  THtmlParser parser_;
  std::vector<TContainerDataType> containers_;
  TImportFontIndex fontIndex_;
  std::array<int, 4> paraForAlignment_{};  // found paragraph style per alignment

  // The current font; the current text style is made from it.
  TImportFontKey font_;
  int curStyle_ = 0;
  // Text gathered since the last tag; keeps its buffer from one flush to
  // the next.
  std::string pending_;
  bool pendingOpensParagraph_ = false;  // pending_ was read as a paragraph's start
  int lastParaNo_ = -1;
  bool newLineDue_ = false;  // a list item's line break waits for its next item

  bool inLink_ = false;
  QByteArray linkHref_;  // as written
  bool linkNewWindow_ = false;
  std::optional<std::int32_t> linkTag_;  // asked of the hook at the first item
  size_t linkDepth_ = 0;
  TRtColor linkColor_ = 0;

  QByteArray skipUntil_;  // the closing tag that ends title, script, style
  QByteArray titleText_;
  bool backgroundFromStyleSheet_ = false;
  std::vector<int> textClasses_;
  std::vector<TRtParaClass> paraClasses_;
  int nextListId_ = 0;

  int ignoredTables_ = 0;  // open tables that were too deep or between cells
  qint64 cellBudget_ = 0;  // table cells the run may still create
  QHash<QString, std::optional<TImportPicture>> pictures_;  // by resolved path
  std::optional<QString> canonicalBase_;                    // BasePath as the file system names it
};

}  // namespace moxa::rt
