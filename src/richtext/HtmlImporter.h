#pragma once

// The HTML reader: turns HTML (a template region, a region the user edited
// before) into a document of the engine and the styles it needs. It rejects
// nothing, never crashes and keeps the text of any input.
//
//   TRtDocument doc; TRtStyle style; TEditorLinks links;
//   TRtHtmlImporter importer;
//   importer.View = {&doc, &style};
//   importer.BasePath = workingFolder;  // with its trailing separator
//   importer.OnReadHyperlink = MakeReadHyperlinkHook(links);
//   importer.LoadHtml(regionBytes);

#include "richtext/FontInfo.h"
#include "richtext/HtmlParser.h"
#include "richtext/LinkTable.h"
#include "richtext/RtColor.h"
#include "richtext/RtDocument.h"
#include "richtext/RtPicture.h"
#include "richtext/RtStyle.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace moxa::rt {

enum TRtHTMLOption : unsigned {
  // Hyperlink items get their target as a text tag. Tags here are numbers,
  // so this never applies: the read-hyperlink hook decides.
  rthtmloAutoHyperlinks = 1u << 0,
  // Relative link targets and the picture and background file names stored
  // in the document are resolved against BasePath.
  rthtmloBasePathLinks = 1u << 1,
  rthtmloImgSrcToImageName = 1u << 2,  // a picture item's name is its src
  rthtmloIgnorePictures = 1u << 3,     // pictures and backgrounds are skipped
};
using TRtHTMLOptions = unsigned;

// The view an import fills: a document and the style sheet its style
// numbers point into.
struct TRtImportView {
  TRtDocument* Document = nullptr;
  TRtStyle* Style = nullptr;
  explicit operator bool() const { return Document && Style; }
};

class TRtHtmlRun;

class TRtHtmlImporter {
 public:
  TRtHtmlImporter();
  ~TRtHtmlImporter();
  TRtHtmlImporter(const TRtHtmlImporter&) = delete;
  TRtHtmlImporter& operator=(const TRtHtmlImporter&) = delete;

  // Imports `html` into View's document; without a View nothing happens.
  // With ClearDocument the document is emptied and the style sheet rebuilt.
  void LoadHtml(const QByteArray& html);

  TRtImportView View;
  bool ClearDocument = true;
  bool SeparateLines = false;  // add each text token at once
  QString DefaultFontName = QStringLiteral("Times New Roman");
  QString DefaultCFontName = QStringLiteral("Courier New");  // preformatted text
  int DefaultFontSize = 12;                                  // base text style and list markers
  int DefaultCFontSize = 10;                                 // preformatted text
  TRtColor DefaultColor = rtclWindowText;
  TRtColor DefaultLinkCol = RtRgb(0, 0, 255);
  TFontStyles DefaultLinkStyle = fsUnderline;
  TRtColor DefaultBGColor = rtclWindow;
  bool EnforceListLevels = true;  // list levels follow the nesting depth
  TRtHTMLOptions Options = rthtmloAutoHyperlinks | rthtmloBasePathLinks;
  TRtHTMLEncoding Encoding = rthtmleANSI;

  // Where relative addresses point; a folder with its trailing separator.
  QString BasePath;

  // Raised for every comment, with its whole text.
  std::function<void(const QString& comment)> OnComment;
  // Raised whenever the source line number changes.
  std::function<void()> OnNewLine;
  // May supply the picture for an address by filling `picture`; a picture
  // left empty is loaded from the base path as usual.
  std::function<void(const QString& src, int width, int height, TRtPicture& picture)>
      OnImageRequired2;
  // Gives each imported link a tag (see LinkTable.h); without it imported
  // links carry tag 0.
  TRtReadHyperlinkEvent OnReadHyperlink;

  const QString& Title() const { return title_; }  // of the last run
  qint64 CharCount() const { return charCount_; }  // characters added by the last run
  int LineCount() const { return lineCount_; }     // source lines of the last run

  // An address made usable: URLs, drive paths and "#..." stay as they are;
  // "/x" or "\x" goes to the root of BasePath; anything else is appended
  // to BasePath.
  QString ResolvePath(const QString& address) const;

 private:
  friend class TRtHtmlRun;
  QString title_;
  qint64 charCount_ = 0;
  int lineCount_ = 0;
};

}  // namespace moxa::rt
