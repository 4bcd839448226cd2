#pragma once

#include "richtext/RtData.h"
#include "richtext/RtStyle.h"

#include <QByteArray>

#include <map>
#include <utility>
#include <vector>

namespace moxa::rt {

// The list elements of one item container while the HTML writer goes
// through it: which ul, ol and blockquote levels are open, of which list
// style, and the number the next list item of each level shows. A level
// without marker text is a quotation (the reader makes one of each
// blockquote): it is written as a blockquote, whose paragraphs are no list
// items, so a quotation stays one and shows no bullet.
class THtmlListMarkup {
 public:
  explicit THtmlListMarkup(const TRtStyle& style) : style_(style) {}

  bool IsOpen() const { return !open_.empty(); }
  // Opens and closes levels so that exactly the levels 0 to the marker's
  // level of its list style are open; a line break ends any change.
  void Enter(QByteArray& out, const TRtListMarker& marker);
  // Closes every open level; a line break ends the change.
  void CloseAll(QByteArray& out);
  // True when the marker's level is a quotation.
  bool IsQuotation(const TRtListMarker& marker) const;
  // The list item start tag for the marker: "<li value=N>" on a numbered
  // level, "<li>" on a bullet level. Call after Enter.
  void AppendItemStart(QByteArray& out, const TRtListMarker& marker);

 private:
  const TRtListLevel* Level(int listNo, int level) const;
  bool IsNumbered(int listNo, int level) const;
  bool IsQuotationLevel(int listNo, int level) const;
  void OpenLevel(QByteArray& out, int listNo, int level);
  void CloseLevel(QByteArray& out);
  int NumberFor(const TRtListMarker& marker);

  const TRtStyle& style_;
  int listNo_ = -1;              // the list style of the open levels
  std::vector<const char*> open_;  // per open level: its closing tag
  std::map<std::pair<int, int>, int> next_;  // (list style, level) -> next number
};

}  // namespace moxa::rt
