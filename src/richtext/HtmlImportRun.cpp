// One run of the HTML reader: start and end, the main loop, text,
// paragraphs, fonts and alignment.
#include "richtext/HtmlImportRun.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace moxa::rt {

namespace {

bool IsBlank(QByteArrayView text) {
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

QByteArrayView Attr(const TRtRawByteStringList& params, std::string_view name) {
  const int index = params.IndexOfName(name);
  if (index < 0) return {};
  return QByteArrayView(params[index]).sliced(static_cast<qsizetype>(name.size()) + 1);
}

TRtColor ColorOf(QByteArrayView text) {
  if (text.size() == 7 && text[0] == '#') {
    int digits[6];
    bool hex = true;
    for (int i = 0; i < 6; ++i) hex = hex && (digits[i] = HexDigit(text[i + 1])) >= 0;
    if (hex) {
      return RtRgb(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3],
                   digits[4] * 16 + digits[5]);
    }
  }
  return ParseHtmlColor(text);
}

std::optional<TRtColor> ColorAttr(const TRtRawByteStringList& params, std::string_view name) {
  if (params.IndexOfName(name) < 0) return std::nullopt;
  return ColorOf(Attr(params, name));
}

std::optional<int> NumberIn(QByteArrayView text, int limit) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return std::clamp(value, -limit, limit);
}

std::optional<size_t> ClassNumber(QByteArrayView value, const char* prefix) {
  const qsizetype n = static_cast<qsizetype>(std::strlen(prefix));
  if (value.size() <= n || value.first(n).compare(prefix, Qt::CaseInsensitive) != 0) {
    return std::nullopt;
  }
  bool ok = false;
  const int number = value.sliced(n).toInt(&ok);
  if (!ok || number < 0) return std::nullopt;
  return static_cast<size_t>(number);
}

TRtHtmlRun::TRtHtmlRun(TRtHtmlImporter& owner, TRtDocument& document, TRtStyle& style)
    : owner_(owner), document_(document), style_(style) {}

void TRtHtmlRun::Run(QByteArray html) {
  Start();
  TRtHTMLEncoding encoding = owner_.Encoding;
  if (html.startsWith("\xEF\xBB\xBF")) {
    html.remove(0, 3);
    encoding = rthtmleUTF8;
  }
  // Tables can grow by whole rows and columns from a few bytes of markup;
  // this keeps their cells within reach of the input's size (a real cell
  // costs at least "<td>").
  cellBudget_ = std::max<qint64>(qint64{1} << 16, html.size() / 4);
  // Page markup holds about an item per 64 bytes or more; room for them at
  // once saves moving every item each time the list outgrows its space.
  document_.Data.Items.reserve(document_.Data.Items.size() + static_cast<size_t>(html.size() / 64));
  parser_ = THtmlParser(std::move(html));
  parser_.Encoding = encoding;
  parser_.CodePage = style_.DefaultCodePage;
  parser_.LastWasSpace = true;
  while (!parser_.Done()) ReadToken();
  Finish();
}

void TRtHtmlRun::Start() {
  const TRtHtmlImporter& o = owner_;
  owner_.title_.clear();
  owner_.charCount_ = 0;
  owner_.lineCount_ = 0;
  textClasses_.clear();
  paraClasses_.clear();
  if (o.ClearDocument) document_.Clear();
  if (document_.Color == rtclNone) {
    style_.Color = o.DefaultBGColor;
  } else {
    document_.Color = o.DefaultBGColor;
  }
  if (PicturesWanted()) {
    document_.BackgroundPicture = TRtPicture();
    document_.BackgroundStyle = rtbgNone;
    document_.BackgroundFileName.clear();
  }
  if (o.ClearDocument) {
    const bool unicode = style_.TextStyles.Count() > 0 ? style_.TextStyles[0].Unicode : true;
    style_.TextStyles.Clear();
    style_.ParaStyles.Clear();
    style_.ListStyles.Clear();
    TFontInfo& base = style_.TextStyles.Add();
    base.FontName = o.DefaultFontName;
    base.Size = o.DefaultFontSize;
    base.Color = o.DefaultColor;
    base.Unicode = unicode;
  }
  // Typing needs a style 0 of each kind, whatever the caller left.
  if (style_.TextStyles.Count() == 0) style_.TextStyles.Add();
  if (style_.ParaStyles.Count() == 0) style_.ParaStyles.Add();
  nextListId_ = style_.ListStyles.NewListId();
  fontIndex_.Build(style_.TextStyles);
  ForgetParaStyleSearches();
  SetCurrentStyle(0);
  linkColor_ = o.DefaultLinkCol;

  TContainerDataType& main = containers_.emplace_back();
  main.Level = clMain;
  main.BgColor = o.DefaultBGColor;
  main.RtData = &document_.Data;
  EnterAlignment(rtaLeft, -1);
}

void TRtHtmlRun::ReadToken() {
  const int line = parser_.CurrLine;
  if (skipUntil_.isEmpty()) PrepareParagraphStart();
  parser_.Next();
  if (parser_.CurrLine != line && owner_.OnNewLine) owner_.OnNewLine();
  if (!skipUntil_.isEmpty()) {
    ReadSkipped();
    return;
  }
  switch (parser_.CurrBlock) {
    case cbComment:
      if (owner_.OnComment) owner_.OnComment(RawToText(parser_.TagName, parser_.Encoding));
      break;
    case cbText:
      pending_.append(parser_.TagName.constData(), static_cast<size_t>(parser_.TagName.size()));
      if (owner_.SeparateLines) FlushText();
      break;
    case cbTag:
      HandleTag();
      break;
  }
}

void TRtHtmlRun::Finish() {
  FlushText();
  // Every open table is closed and added where it was made, so nothing
  // read is lost when the markup ends early.
  while (containers_.size() > 1) PopContainer();
  owner_.lineCount_ = parser_.CurrLine;
}

void TRtHtmlRun::FlushText() {
  const QByteArrayView pending(pending_.data(), static_cast<qsizetype>(pending_.size()));
  if (!std::memchr(pending_.data(), '\r', pending_.size()) &&
      !std::memchr(pending_.data(), '\n', pending_.size())) {
    if (AddTextLine(pending)) pending_.clear();
    return;
  }
  const std::string text = std::exchange(pending_, std::string());
  const QByteArrayView all(text.data(), static_cast<qsizetype>(text.size()));
  qsizetype start = 0;
  for (qsizetype i = 0; i < all.size(); ++i) {
    if (all[i] != '\r' && all[i] != '\n') continue;
    AddTextLine(all.sliced(start, i - start));  // a blank line is dropped
    AddEmptyLine();
    if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
    start = i + 1;
  }
  const QByteArrayView last = all.sliced(start);
  if (!AddTextLine(last)) pending_.assign(last.data(), static_cast<size_t>(last.size()));
}

bool TRtHtmlRun::AddTextLine(QByteArrayView line) {
  OpenListItem();
  // White space alone waits for the next text, so spaces between inline
  // elements survive.
  if (IsBlank(line)) return false;
  const int paraNo = NextParaNo();
  const std::int32_t tag = inLink_ ? LinkTag() : 0;
  TCustomRtData& target = TextTarget();
  if (paraNo < 0 && !target.IsEmpty()) {
    // A line of preformatted text fills the empty line its line break
    // started: kept beside it, the empty item was written as an empty font
    // element and lost at the next edit.
    TRtItem& last = target.Items.back();
    if (last.IsText() && last.ParaStart && last.Text.isEmpty() && last.StyleNo == curStyle_ &&
        last.Tag == tag) {
      last.Text = QString::fromUtf8(line);
      owner_.charCount_ += last.Text.size();
      newLineDue_ = false;
      return true;
    }
  }
  TRtItem& item = target.AddText(QString::fromUtf8(line), curStyle_, paraNo, tag);
  MarkNewLine(item);
  owner_.charCount_ += item.Text.size();
  return true;
}

// Text that opens a paragraph (or a list item, or follows only its marker
// and anchors) loses the white space of the markup before it: the tokenizer
// drops it after a space. Its own leading spaces (written as &nbsp;) stay,
// so they neither grow nor vanish from one edit to the next. White space
// left over from before the paragraph is dropped.
void TRtHtmlRun::PrepareParagraphStart() {
  // Text already read is added first, and opens the paragraph itself.
  if (!IsBlank(pending_) || !TextOpensParagraph()) {
    pendingOpensParagraph_ = false;
    return;
  }
  if (!pendingOpensParagraph_ && IsBlank(pending_)) pending_.clear();
  pendingOpensParagraph_ = true;
  parser_.LastWasSpace = true;
}

bool TRtHtmlRun::TextOpensParagraph() const {
  const TContainerDataType& c = Top();
  if (c.CurHadLI || lastParaNo_ != c.ParaStyle) return true;
  const std::vector<TRtItem>& items = c.RtData->Items;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if (it->StyleNo != rtikListMarker && it->StyleNo != rtikCheckpoint) return false;
    if (it->ParaStart) return true;
  }
  return false;
}

void TRtHtmlRun::OpenListItem() {
  TContainerDataType& c = Top();
  if (!c.CurHadLI) return;
  // Without a list there is no marker, and the text starts a paragraph of
  // its own rather than joining the previous one.
  if (AddListMarker()) lastParaNo_ = c.ParaStyle;
  newLineDue_ = false;
  c.CurLIType = ltNone;
  c.CurHadLI = false;
}

// Spaces before a link are no part of it: between two links they would
// otherwise move into the second one's text.
void TRtHtmlRun::AddPendingSpaces() {
  if (pending_.empty() || !IsBlank(pending_) || TextOpensParagraph()) return;
  TRtItem& item = TextTarget().AddText(QString::fromStdString(pending_), curStyle_, -1);
  MarkNewLine(item);
  owner_.charCount_ += item.Text.size();
  pending_.clear();
}

void TRtHtmlRun::AddEmptyLine() {
  TextTarget().AddText(QString(), curStyle_, Top().ParaStyle);
  lastParaNo_ = Top().ParaStyle;
}

int TRtHtmlRun::NextParaNo() {
  TContainerDataType& c = Top();
  if (lastParaNo_ == c.ParaStyle) return -1;
  lastParaNo_ = c.ParaStyle;
  newLineDue_ = false;
  if (c.IndentStack.empty()) return c.ParaStyle;
  AddListMarker();
  return -1;
}

void TRtHtmlRun::UseFontStyle(bool push, bool isLink) {
  if (!ItemTarget()) return;
  TContainerDataType& c = Top();
  if (push) {
    c.PrevFont.push_back(curStyle_);
  } else if (!c.PrevFont.empty()) {
    c.PrevFont.pop_back();
  }
  TImportFontKey key = font_;
  key.Jump = isLink;
  int found = fontIndex_.Find(style_.TextStyles, key);
  if (found < 0) {
    const bool unicode = style_.TextStyles[0].Unicode;
    TFontInfo& added = style_.TextStyles.Add();
    added.FontName = key.Name;
    added.Size = key.Size;
    added.Color = key.Color;
    added.Style = key.Style;
    added.Jump = key.Jump;
    added.VShift = key.VShift;
    added.Unicode = unicode;
    added.Standard = false;
    found = style_.TextStyles.Count() - 1;
    fontIndex_.Added(style_.TextStyles, found);
  }
  curStyle_ = found;
}

void TRtHtmlRun::Restore() {
  TContainerDataType& c = Top();
  if (c.PrevFont.empty()) return;
  const int saved = c.PrevFont.back();
  c.PrevFont.pop_back();
  SetCurrentStyle(saved);
}

void TRtHtmlRun::SetCurrentStyle(int styleNo) {
  if (!style_.TextStyles.IsValidIndex(styleNo)) styleNo = 0;
  curStyle_ = styleNo;
  font_ = TImportFontKey::Of(style_.TextStyles[styleNo]);
}

int TRtHtmlRun::ParaStyleForAlignment(TRtAlignment alignment) {
  int& known = paraForAlignment_[static_cast<size_t>(alignment)];
  if (style_.ParaStyles.IsValidIndex(known)) return known;
  TParaInfo candidate = style_.ParaStyles[0];
  candidate.Alignment = alignment;
  known = style_.ParaStyles.FindSuchStyle(0, candidate);
  if (known < 0) {
    TParaInfo& added = style_.ParaStyles.Add();
    added = candidate;
    added.Standard = false;
    known = style_.ParaStyles.Count() - 1;
  }
  return known;
}

int TRtHtmlRun::BlockParaStyle(int paraStyle, TRtAlignment alignment) {
  return paraStyle >= 0 ? paraStyle : ParaStyleForAlignment(alignment);
}

void TRtHtmlRun::EnterAlignment(TRtAlignment alignment, int paraStyle) {
  TContainerDataType& c = Top();
  c.AlignmentStack.push_back(alignment);
  c.ParaStyleStack.push_back(paraStyle);
  c.ParaStyle = BlockParaStyle(paraStyle, alignment);
}

void TRtHtmlRun::LeaveAlignment() {
  TContainerDataType& c = Top();
  if (c.AlignmentStack.size() > 1) {
    c.AlignmentStack.pop_back();
    c.ParaStyleStack.pop_back();
  }
  c.ParaStyle = BlockParaStyle(c.ParaStyleStack.back(), c.AlignmentStack.back());
}

std::int32_t TRtHtmlRun::LinkTag() {
  if (!linkTag_) {
    std::int32_t tag = 0;
    if (owner_.OnReadHyperlink) {
      TRtReadHyperlink link;
      link.Target = RawToText(linkHref_, parser_.Encoding);
      link.ResolvedTarget = LinkTargetResolved();
      link.NewWindow = linkNewWindow_;
      tag = owner_.OnReadHyperlink(link);
    }
    linkTag_ = tag;
  }
  return *linkTag_;
}

QString TRtHtmlRun::LinkTargetResolved() const {
  QString target = RawToText(linkHref_, parser_.Encoding);
  target.remove(u'\r');
  target.remove(u'\n');
  target = DecodeEntitiesInText(target);
  return owner_.Options & rthtmloBasePathLinks ? owner_.ResolvePath(target) : target;
}

TCustomRtData* TRtHtmlRun::ItemTarget() {
  const TContainerDataType& c = Top();
  return c.Level == clMain || c.Level == clCol ? c.RtData : nullptr;
}

}  // namespace moxa::rt
