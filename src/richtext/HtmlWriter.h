#pragma once

#include "richtext/HtmlExporter.h"
#include "richtext/HtmlListMarkup.h"

#include <QByteArray>

namespace moxa::rt {

// Writes the markup of one export. Item containers (the main text, each
// table cell) are written by the same rules, each with its own paragraph
// and list state; hyperlink ids and checkpoint numbers count over the
// whole export.
class THtmlWriter {
 public:
  THtmlWriter(const TRtDocument& document, const TRtStyle& style, const TRtSaveHTMLParams& params,
              const TRtHtmlPictureNamer& namer);
  std::optional<QByteArray> Write();

 private:
  // What is open while one item container is written.
  struct Container {
    explicit Container(const TRtStyle& style) : Lists(style) {}
    bool ParaOpen = false;
    bool ListItemOpen = false;
    THtmlListMarkup Lists;
  };

  bool WriteHead();
  bool WriteData(const TCustomRtData& data);
  void CloseOpen(Container& container);
  void StartParagraph(Container& container, const TRtItem& item);
  bool WriteItem(Container& container, const TCustomRtData& data, int itemNo);
  void WriteText(const TCustomRtData& data, int itemNo);
  bool WritePicture(const TRtItem& item, bool hot);
  bool WriteTable(const TRtTable& table);
  bool WriteCell(const TRtTableCell& cell);
  void WriteRule(const TRtHRule& rule);
  bool AppendBackground(const TRtPicture& picture, const QString& fileName, TRtColor color);
  void WriteCheckpoint(const QString& name);
  void WriteLinkStart(const TCustomRtData& data, int itemNo);

  const TRtDocument& document_;
  const TRtStyle& style_;
  const TRtSaveHTMLParams& params_;
  const TRtHtmlPictureNamer& namer_;
  QByteArray out_;
  int jumpId_ = 0;
  int checkpointNo_ = 0;
};

}  // namespace moxa::rt
