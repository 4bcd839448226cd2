// Whatever the user does, the editor's document stays one the engine can
// save: long seeded sequences of edits over template regions (typing,
// Enter, deleting across paragraphs and tables, conversions, lists,
// pastes, pictures, undo and redo) keep it consistent, and what was read
// back loads into a fresh editor as the same document.
#include "EditorSupport.h"
#include "pages/Regions.h"
#include "richtext/HtmlImportSupport.h"
#include "richtext/RtBuilders.h"
#include "richtext/RtdFormat.h"
#include "support/TestSupport.h"

#include <QMimeData>
#include <QRandomGenerator>

#include <memory>

namespace moxa::editor {
namespace {

class EditSequenceTest : public ::testing::TestWithParam<int> {};

void RandomEdit(RtEditor& editor, rt::TRtStyle& style, QRandomGenerator& random) {
  QTextDocument& document = *editor.TextDocument();
  const int length = document.characterCount() - 1;
  // Short selections, so the document grows more than it is cut.
  const int anchor = random.bounded(length + 1);
  const int position = std::clamp(anchor + random.bounded(-8, 9), 0, length);
  QTextCursor cursor(&document);
  cursor.setPosition(anchor);
  cursor.setPosition(position, QTextCursor::KeepAnchor);
  editor.SetCursor(cursor);
  QTextCursor typing = editor.Cursor();
  switch (random.bounded(14)) {
    case 0:
      typing.insertText(QStringLiteral("typed"));  // as the text field types
      editor.SetCursor(typing);
      break;
    case 1:
      typing.insertBlock();  // Enter
      editor.SetCursor(typing);
      break;
    case 2:
      typing.insertText(QString(QChar::LineSeparator));  // Shift+Enter
      editor.SetCursor(typing);
      break;
    case 3:
      typing.removeSelectedText();
      editor.SetCursor(typing);
      break;
    case 4:
      editor.ApplyStyleConversion(test::kMakeBold);
      break;
    case 5:
      editor.ApplyParaStyleConversion(test::kCentre);
      break;
    case 6:
      if (style.ListStyles.Count() > 0) editor.ApplyListStyle(0, 0, 0, false, false);
      break;
    case 7:
      editor.RemoveLists(false);
      break;
    case 8: {
      const std::unique_ptr<QMimeData> copied(editor.CreateMimeData());
      if (copied) {
        QTextCursor elsewhere(&document);
        elsewhere.setPosition(random.bounded(length + 1));
        editor.SetCursor(elsewhere);
        editor.InsertFromMimeData(*copied);
      }
      break;
    }
    case 9:
      editor.InsertPicture(QString(), rt::test::TestImage(1), rt::rtvaBaseline);
      editor.SetCurrentTag(77);
      break;
    case 10:
      editor.Undo();
      break;
    case 11:
      editor.Redo();
      break;
    case 12: {
      RtDataView view = editor.TopLevelEditor();
      if (view.LineCount() > 0) view.SetItemTagEd(random.bounded(view.LineCount()), 5);
      break;
    }
    case 13:
      editor.SetCurTextStyleNo(random.bounded(style.TextStyles.Count()));
      editor.InsertStringTag(QStringLiteral("styled"), 6);
      break;
  }
}

void EditAndCheck(const QByteArray& html, const QString& folder, quint32 seed) {
  rt::test::Imported imported = rt::test::ImportHtml(html, folder);
  rt::TRtStyle& style = imported.Style;
  RtEditor editor(style);
  editor.OnStyleConversion = [&](int styleNo, int code, bool, int& newStyleNo) {
    test::ConvertText(style, styleNo, code, newStyleNo);
  };
  editor.OnParaStyleConversion = [&](int paraNo, int code, bool, int& newParaNo) {
    test::ConvertPara(style, paraNo, code, newParaNo);
  };
  editor.LoadDocument(imported.Document);
  QRandomGenerator random(seed);
  for (int step = 0; step < 150; ++step) {
    RandomEdit(editor, style, random);
    const rt::TRtDocument document = editor.Document();
    ASSERT_TRUE(rt::IsConsistent(document, style))
        << "step " << step << "\n"
        << rt::DumpItems(document.Data).join(u'\n').toStdString();
    ASSERT_TRUE(rt::SaveRtdToBytes(document, style)) << "step " << step;
    if (step % 10 == 9) test::ExpectRoundTrip(document, style);
  }
}

TEST_P(EditSequenceTest, EveryStepKeepsASavableDocument) {
  const QString root = moxa::test::SourceDir() + QStringLiteral("/data/templates/") +
                       QString::number(GetParam()) + QStringLiteral("/");
  const QByteArray page = moxa::test::ReadBytes(root + QStringLiteral("index.html"));
  for (const auto& [number, html] : RegionContents(page)) {
    SCOPED_TRACE("region " + std::to_string(number));
    EditAndCheck(html, root, static_cast<quint32>(GetParam() * 1000 + number));
  }
  // Tables, nested tables and lists from the importer's corpus.
  const QString corpus = moxa::test::SourceDir() + QStringLiteral("/tests/fuzz/corpus/load_html/");
  for (const char* name : {"tables.html", "nested.html", "every-tag.html", "template1-list.html"}) {
    SCOPED_TRACE(name);
    const QByteArray input = moxa::test::ReadBytes(corpus + QLatin1String(name));
    EditAndCheck(input.mid(1), corpus, static_cast<quint32>(GetParam()));
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, EditSequenceTest, ::testing::Range(1, 9));

}  // namespace
}  // namespace moxa::editor
