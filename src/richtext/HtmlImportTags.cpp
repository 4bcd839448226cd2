// The HTML reader's tag table: which handler each tag calls. The handlers
// live with their topic: HtmlImportBlocks, HtmlImportInline,
// HtmlImportLists, HtmlImportTables, HtmlImportPictures.
#include "richtext/HtmlImportRun.h"

#include <string_view>
#include <unordered_map>

namespace moxa::rt {

namespace {

constexpr int kMaxNameLength = 16;

// The tag name in lower case; empty when it is longer than any known name.
std::string_view LowerName(const QByteArray& name, char (&buffer)[kMaxNameLength]) {
  if (name.size() > kMaxNameLength) return {};
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char c = name[i];
    buffer[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return {buffer, static_cast<size_t>(name.size())};
}

}  // namespace

TRtHtmlRun::TagHandler TRtHtmlRun::FindTagHandler(std::string_view name) {
  using R = TRtHtmlRun;
  static const std::unordered_map<std::string_view, TagHandler> kHandlers = {
      // Content that is not text of the page.
      {"title", [](R& r) { r.StartTitle(); }},
      {"script", [](R& r) { r.SkipUntil("/script"); }},
      {"noembed", [](R& r) { r.SkipUntil("/noembed"); }},
      {"style", [](R& r) { r.SkipUntil("/style"); }},
      // Blocks and paragraphs.
      {"body", [](R& r) { r.HandleBody(); }},
      {"p", [](R& r) { r.StartParagraph(); }},
      {"/p", [](R& r) { r.LeaveBlock(); }},
      {"div", [](R& r) { r.EnterBlock(r.TagAlignment(), -1); }},
      {"center", [](R& r) { r.EnterBlock(rtaCenter, -1); }},
      {"/div", [](R& r) { r.EndDivision(); }},
      {"/center", [](R& r) { r.EndDivision(); }},
      {"br", [](R& r) { r.LineBreak(); }},
      {"hr", [](R& r) { r.AddRule(); }},
      {"pre", [](R& r) { r.StartPreformatted(); }},
      {"/pre", [](R& r) { r.EndPreformatted(); }},
      {"h1", [](R& r) { r.HandleHeading(1); }},
      {"h2", [](R& r) { r.HandleHeading(2); }},
      {"h3", [](R& r) { r.HandleHeading(3); }},
      {"h4", [](R& r) { r.HandleHeading(4); }},
      {"h5", [](R& r) { r.HandleHeading(5); }},
      {"h6", [](R& r) { r.HandleHeading(6); }},
      {"/h1", [](R& r) { r.EndHeading(); }},
      {"/h2", [](R& r) { r.EndHeading(); }},
      {"/h3", [](R& r) { r.EndHeading(); }},
      {"/h4", [](R& r) { r.EndHeading(); }},
      {"/h5", [](R& r) { r.EndHeading(); }},
      {"/h6", [](R& r) { r.EndHeading(); }},
      // Font changes.
      {"b", [](R& r) { r.SetFlag(fsBold, true); }},
      {"strong", [](R& r) { r.SetFlag(fsBold, true); }},
      {"/b", [](R& r) { r.SetFlag(fsBold, false); }},
      {"/strong", [](R& r) { r.SetFlag(fsBold, false); }},
      {"i", [](R& r) { r.SetFlag(fsItalic, true); }},
      {"em", [](R& r) { r.SetFlag(fsItalic, true); }},
      {"/i", [](R& r) { r.SetFlag(fsItalic, false); }},
      {"/em", [](R& r) { r.SetFlag(fsItalic, false); }},
      {"u", [](R& r) { r.SetFlag(fsUnderline, true); }},
      {"/u", [](R& r) { r.SetFlag(fsUnderline, false); }},
      {"strike", [](R& r) { r.SetFlag(fsStrikeOut, true); }},
      {"s", [](R& r) { r.SetFlag(fsStrikeOut, true); }},
      {"del", [](R& r) { r.SetFlag(fsStrikeOut, true); }},
      {"/strike", [](R& r) { r.SetFlag(fsStrikeOut, false); }},
      {"/s", [](R& r) { r.SetFlag(fsStrikeOut, false); }},
      {"/del", [](R& r) { r.SetFlag(fsStrikeOut, false); }},
      {"sup", [](R& r) { r.ChangeShift(true, 45); }},
      {"sub", [](R& r) { r.ChangeShift(true, -25); }},
      {"/sup", [](R& r) { r.ChangeShift(false, 0); }},
      {"/sub", [](R& r) { r.ChangeShift(false, 0); }},
      {"font", [](R& r) { r.HandleFont(); }},
      {"span", [](R& r) { r.HandleSpan(); }},
      {"/font", [](R& r) { r.EndFontChange(); }},
      {"/span", [](R& r) { r.EndFontChange(); }},
      // Lists and quotations.
      {"ul", [](R& r) { r.OpenList(llUL); }},
      {"ol", [](R& r) { r.OpenList(llOL); }},
      {"blockquote", [](R& r) { r.OpenQuotation(); }},
      {"/ul", [](R& r) { r.EndIndent(llUL); }},
      {"/ol", [](R& r) { r.EndIndent(llOL); }},
      {"/blockquote", [](R& r) { r.EndIndent(llBQ); }},
      {"li", [](R& r) { r.HandleListItem(); }},
      // The item's text ends here: the line break written after it is no
      // part of it.
      {"/li", [](R& r) { r.FlushText(); }},
      // Tables.
      {"table", [](R& r) { r.HandleTable(); }},
      {"tr", [](R& r) { r.HandleRow(); }},
      {"td", [](R& r) { r.HandleCell(false); }},
      {"th", [](R& r) { r.HandleCell(true); }},
      {"/td", [](R& r) { r.EndCell(false); }},
      {"/th", [](R& r) { r.EndCell(true); }},
      {"/tr", [](R& r) { r.EndRow(); }},
      {"/table", [](R& r) { r.EndTable(); }},
      // Links, anchors and pictures.
      {"a", [](R& r) { r.HandleAnchor(); }},
      {"/a", [](R& r) { r.EndAnchor(); }},
      {"img", [](R& r) { r.HandleImageTag(); }},
  };
  const auto found = kHandlers.find(name);
  return found == kHandlers.end() ? nullptr : found->second;
}

// An unknown tag is ignored without a flush, so its text joins the text
// around it.
void TRtHtmlRun::HandleTag() {
  char buffer[kMaxNameLength];
  if (const TagHandler handler = FindTagHandler(LowerName(parser_.TagName, buffer))) {
    handler(*this);
  }
}

void TRtHtmlRun::SkipUntil(const char* endTag) { skipUntil_ = endTag; }

void TRtHtmlRun::StartTitle() {
  SkipUntil("/title");
  titleText_.clear();
}

void TRtHtmlRun::ReadSkipped() {
  char buffer[kMaxNameLength];
  if (parser_.CurrBlock == cbTag &&
      LowerName(parser_.TagName, buffer) ==
          std::string_view(skipUntil_.constData(), static_cast<size_t>(skipUntil_.size()))) {
    if (skipUntil_ == "/title") {
      owner_.title_ = RawToText(titleText_, parser_.Encoding);
      parser_.LastWasSpace = true;
    }
    skipUntil_.clear();
    return;
  }
  if (skipUntil_ == "/title") {
    if (parser_.CurrBlock == cbText) titleText_ += parser_.TagName;
  } else if (skipUntil_ == "/style") {
    ReadStyleSheet(parser_.TagName.toLower());
  }
}

}  // namespace moxa::rt
