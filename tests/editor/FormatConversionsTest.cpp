// The formatting commands' conversions on a real editor: each changes one
// aspect of the styles it meets, shares equal styles, keeps links whole, and
// the list styles join or start numbered lists.
#include "EditorSupport.h"
#include "editor/FormatConversions.h"
#include "richtext/HtmlExporter.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtBuilders.h"

#include <QRegularExpression>

namespace moxa::editor {
namespace {

using rt::test::Items;

class FormatConversionsTest : public test::EditorTest {
 protected:
  FormatConversionsTest() {
    editor.OnStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
      newStyleNo = ConvertTextStyle(style, styleNo, code, state, inputs);
    };
    editor.OnParaStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
      newStyleNo = ConvertParaStyle(style, styleNo, code, state);
    };
  }
  const rt::TFontInfo& StyleOfItem(int item) { return style.TextStyles[editor.GetItemStyle(item)]; }
  QString Html(const rt::TEditorLinks& links) {
    rt::TRtSaveHTMLParams params;
    params.OnWriteHyperlink = rt::MakeWriteHyperlinkHandler(links);
    const std::optional<QByteArray> html =
        rt::WriteHtml(editor.Document(), style, params, [](const rt::TRtHtmlPicture&) {
          return std::optional<QString>(QStringLiteral("p.png"));
        });
    return html ? QString::fromUtf8(*html) : QString();
  }

  FormatState state;
  FormatInputs inputs;
};

TEST_F(FormatConversionsTest, BoldWithNothingSelectedChangesOnlyTheStyleTypedNext) {
  Load(Items().P().T("plain words"));
  const QStringList before = Lines();
  PlaceCaret(0, 5);
  state.BoldOn = true;
  editor.ApplyStyleConversion(kConvertBold);
  EXPECT_EQ(Lines(), before);
  EXPECT_TRUE(style.TextStyles[editor.CurTextStyleNo()].Has(rt::fsBold));
}

TEST_F(FormatConversionsTest, BoldOverALinkKeepsItALinkWithItsAddress) {
  rt::TEditorLinks links;
  links.Add({.Url = "about-us.html"});
  Load(Items().P().T("see ").T("our rooms", test::kLinkStyle, 1).T(" now"));
  Select(0, 1, 2, 5);
  state.BoldOn = true;
  editor.ApplyStyleConversion(kConvertBold);
  const rt::TFontInfo& link = StyleOfItem(1);
  EXPECT_TRUE(link.Has(rt::fsBold));
  EXPECT_TRUE(link.Jump);
  EXPECT_TRUE(link.Has(rt::fsUnderline));
  EXPECT_EQ(link.Color, style.TextStyles[test::kLinkStyle].Color);
  EXPECT_EQ(editor.GetItemTag(1), 1);
  EXPECT_TRUE(StyleOfItem(0).Has(rt::fsBold));
  EXPECT_FALSE(StyleOfItem(0).Jump);
  const QString html = Html(links);
  EXPECT_TRUE(html.contains(QRegularExpression(
      QStringLiteral("<a href=\"about-us.html\">(<[^>/]*>)*our rooms<"))))
      << html.toStdString();
}

TEST_F(FormatConversionsTest, TwoEqualBoldsShareOneStyle) {
  Load(Items().P().T("one").P().T("two"));
  state.BoldOn = true;
  Select(0, 1, 0, 4);
  editor.ApplyStyleConversion(kConvertBold);
  const int styles = style.TextStyles.Count();
  Select(1, 1, 1, 4);
  editor.ApplyStyleConversion(kConvertBold);
  EXPECT_EQ(style.TextStyles.Count(), styles);
  EXPECT_EQ(editor.GetItemStyle(0), editor.GetItemStyle(1));
  EXPECT_TRUE(StyleOfItem(1).Has(rt::fsBold));
}

TEST_F(FormatConversionsTest, IndentationStaysBetweenNoneAnd200) {
  Load(Items().P().T("text"));
  PlaceCaret(0, 1);
  for (int i = 0; i < 11; ++i) editor.ApplyParaStyleConversion(kIndentMore);
  EXPECT_EQ(style.ParaStyles[editor.CurParaStyleNo()].LeftIndent, 200);

  rt::TParaInfo ten = style.ParaStyles[0];
  ten.LeftIndent = 10;
  const int tenNo = rt::FindOrAddParaStyle(style, 0, ten);
  Load(Items().P(tenNo).T("text"));
  PlaceCaret(0, 1);
  editor.ApplyParaStyleConversion(kIndentLess);
  EXPECT_EQ(style.ParaStyles[editor.CurParaStyleNo()].LeftIndent, 0);
}

TEST_F(FormatConversionsTest, EachCodeChangesItsOwnAspect) {
  Load(Items().P().T("text"));
  const struct {
    int code;
    std::function<void()> arrange;
    std::function<bool(const rt::TFontInfo&)> holds;
  } cases[] = {
      {kConvertItalic, [&] { state.ItalicOn = true; }, [](const rt::TFontInfo& f) { return f.Has(rt::fsItalic); }},
      {kConvertStrike, [&] { state.StrikeOn = true; }, [](const rt::TFontInfo& f) { return f.Has(rt::fsStrikeOut); }},
      {kConvertFont, [&] { inputs.FontName = QStringLiteral("Georgia"); },
       [](const rt::TFontInfo& f) { return f.FontName == QLatin1String("Georgia"); }},
      {kConvertSize, [&] { inputs.SizeText = QStringLiteral("18"); }, [](const rt::TFontInfo& f) { return f.Size == 18; }},
      {kConvertColor, [&] { inputs.Color = rt::RtRgb(200, 10, 10); },
       [](const rt::TFontInfo& f) { return f.Color == rt::RtRgb(200, 10, 10); }},
      {kConvertBackColor, [&] { inputs.Color = rt::RtRgb(1, 2, 3); },
       [](const rt::TFontInfo& f) { return f.BackColor == rt::RtRgb(1, 2, 3); }},
      {kConvertSubSuper, [&] { state.SubscriptOn = true; },
       [](const rt::TFontInfo& f) { return f.SubSuperScriptType == rt::rtsssSubscript; }},
      {kConvertToLink, [] {}, [](const rt::TFontInfo& f) { return f.Jump && f.Has(rt::fsUnderline); }},
  };
  for (const auto& c : cases) {
    c.arrange();
    const int converted = ConvertTextStyle(style, 0, c.code, state, inputs);
    EXPECT_TRUE(c.holds(style.TextStyles[converted])) << c.code;
    EXPECT_FALSE(style.TextStyles[converted].Standard) << c.code;
  }
  inputs.SizeText = QStringLiteral(" 12");
  EXPECT_EQ(ConvertTextStyle(style, 0, kConvertSize, state, inputs), 0);
}

TEST(SizeTextTest, OnlyAPlainNumberApplies) {
  const struct {
    const char* text;
    bool applies;
  } cases[] = {{"12", true}, {"72", true}, {" 12", false}, {"12 ", false}, {"", false},
               {"1a", false}, {"0", false}, {"99999", false}, {"-5", false}};
  for (const auto& c : cases) EXPECT_EQ(SizeTextApplies(QLatin1String(c.text)), c.applies) << c.text;
}

TEST_F(FormatConversionsTest, ANumberedListDirectlyBelowAnotherContinuesIt) {
  const int numbered = NumberListStyle(editor);  // a first numbered list style
  Load(Items().P().Marker(numbered, 0).T("one").P().T("two"));
  PlaceCaret(2, 1);
  EXPECT_EQ(NumberListStyle(editor), numbered);

  const int lists = style.ListStyles.Count();
  Load(Items().P().Marker(numbered, 0).T("one").P().T("").P().T("three"));
  PlaceCaret(3, 1);
  EXPECT_EQ(NumberListStyle(editor), lists);  // a new list, numbered from 1
  EXPECT_EQ(style.ListStyles.Count(), lists + 1);
  EXPECT_EQ(BulletListStyle(style), BulletListStyle(style));
}

}  // namespace
}  // namespace moxa::editor
