#pragma once

// Putting model items into the view (see RtViewFormats.h for how each part
// of the model is held).

#include "richtext/RtData.h"
#include "richtext/RtStyle.h"

#include <functional>

class QTextCursor;
class QTextDocument;

namespace moxa::editor {

class RtViewWriter {
 public:
  // `nextKey` gives each item a key no other item of the view has.
  RtViewWriter(QTextDocument& document, const rt::TRtStyle& style, std::function<int()> nextKey);

  // Fills an empty container (the main text or a cell) whose only block
  // holds the cursor.
  void WriteInto(QTextCursor& cursor, const rt::TCustomRtData& data);
  // Inserts at the cursor: the first paragraph's items join the cursor's
  // paragraph, later paragraphs follow it, and the text after the cursor
  // ends up after the last item inserted. The cursor ends after them.
  void InsertAt(QTextCursor& cursor, const rt::TCustomRtData& data);

 private:
  class Paragraphs;

  QTextDocument& document_;
  const rt::TRtStyle& style_;
  std::function<int()> nextKey_;
};

}  // namespace moxa::editor
