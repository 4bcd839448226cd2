#pragma once

// Helpers for the editor's tests: documents in, the editor's view of them
// out, with readable differences.

#include "editor/RtEditor.h"
#include "richtext/RtDump.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace moxa::editor::test {

// The item lines of both documents, for a failure message.
// The item lines from the first that differs, and whether the page
// properties do.
inline std::string Difference(const rt::TRtDocument& expected, const rt::TRtDocument& actual) {
  const QStringList want = rt::DumpItems(expected.Data);
  const QStringList got = rt::DumpItems(actual.Data);
  qsizetype first = 0;
  while (first < want.size() && first < got.size() && want[first] == got[first]) ++first;
  std::string out = "page: " + rt::DumpDocumentLine(expected).toStdString() + " / " +
                    rt::DumpDocumentLine(actual).toStdString() + "\nfrom line " +
                    std::to_string(first) + "\nexpected:\n" +
                    want.mid(first, 8).join(u'\n').toStdString() + "\nactual:\n" +
                    got.mid(first, 8).join(u'\n').toStdString();
  if (want == got) {
    for (size_t i = 0; i < expected.Data.Items.size() && i < actual.Data.Items.size(); ++i) {
      if (!(expected.Data.Items[i] == actual.Data.Items[i])) {
        out += "\nitem " + std::to_string(i) + " differs beyond its dump line";
        break;
      }
    }
  }
  return out;
}

// Loads `document` into a fresh editor and expects to read it back equal.
inline void ExpectRoundTrip(const rt::TRtDocument& document, rt::TRtStyle& style) {
  RtEditor editor(style);
  editor.LoadDocument(document);
  const rt::TRtDocument back = editor.Document();
  EXPECT_TRUE(back == document) << Difference(document, back);
}

}  // namespace moxa::editor::test
