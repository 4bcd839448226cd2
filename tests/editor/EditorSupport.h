#pragma once

// Helpers for the editor's tests: documents in, the editor's view of them
// out, with readable differences.

#include "editor/RtEditor.h"
#include "richtext/RtDump.h"
#include "support/TestSupport.h"

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

// Text styles beside the initial content: 1 a hyperlink style, 2 bold.
inline constexpr int kLinkStyle = 1;
inline constexpr int kBoldStyle = 2;
inline rt::TRtStyle TestStyles() {
  rt::TRtStyle style;
  rt::TFontInfo& link = style.TextStyles.Add();
  link = style.TextStyles[0];
  link.Color = rt::RtRgb(0, 0, 255);
  link.Style = rt::fsUnderline;
  link.Jump = true;
  link.Standard = false;
  rt::TFontInfo& bold = style.TextStyles.Add();
  bold = style.TextStyles[0];
  bold.Style = rt::fsBold;
  bold.Standard = false;
  rt::TParaInfo& centred = style.ParaStyles.Add();
  centred.Alignment = rt::rtaCenter;
  centred.Standard = false;
  return style;
}

// Conversion codes of the tests' handlers.
inline constexpr int kMakeBold = 1;
inline constexpr int kKeep = 2;
inline constexpr int kCentre = 3;

// The application's way: a candidate copied from the style, changed, found or added.
inline void ConvertText(rt::TRtStyle& style, int styleNo, int code, int& newStyleNo) {
  if (code != kMakeBold) return;
  rt::TFontInfo candidate = style.TextStyles[styleNo];
  candidate.Set(rt::fsBold, true);
  newStyleNo = rt::FindOrAddTextStyle(style, styleNo, candidate);
}

inline void ConvertPara(rt::TRtStyle& style, int paraNo, int code, int& newParaNo) {
  if (code != kCentre) return;
  rt::TParaInfo candidate = style.ParaStyles[paraNo];
  candidate.Alignment = rt::rtaCenter;
  newParaNo = rt::FindOrAddParaStyle(style, paraNo, candidate);
}

// An editor over its own style sheet with the tests' conversion handlers.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() {
    editor.OnStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
      ++textConversions;
      ConvertText(style, styleNo, code, newStyleNo);
    };
    editor.OnParaStyleConversion = [this](int paraNo, int code, bool, int& newParaNo) {
      ConvertPara(style, paraNo, code, newParaNo);
    };
  }

  void Load(const rt::TCustomRtData& data) {
    rt::TRtDocument document;
    document.Data = data;
    editor.LoadDocument(document);
  }
  rt::TCustomRtData Model() const { return editor.Document().Data; }
  QStringList Lines() const { return rt::DumpItems(editor.Document().Data); }
  // Selects from (item, offset) to (item, offset) of the main text.
  void Select(int startItem, int startOffs, int endItem, int endOffs) {
    editor.SetSelectionBounds(startItem, startOffs, endItem, endOffs);
  }
  void PlaceCaret(int itemNo, int offset) { Select(itemNo, offset, itemNo, offset); }

  rt::TRtStyle style = TestStyles();
  RtEditor editor{style};
  int textConversions = 0;
};

}  // namespace moxa::editor::test
