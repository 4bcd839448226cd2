// The HTML reader's inline markup: font flags, raised and lowered text,
// font and span elements, links and named anchors.
#include "richtext/HtmlImportRun.h"

#include <algorithm>
#include <cmath>

namespace moxa::rt {

namespace {

constexpr int kMaxFontPoints = 1000;

int HalfToEven(int size) { return static_cast<int>(std::nearbyint(size / 2.0)); }

// "+N" and "-N" step from the current HTML size; anything unreadable is 3.
int FontSizeAttr(QByteArrayView size, int currentPoints) {
  bool ok = false;
  if (size.startsWith('+') || size.startsWith('-')) {
    const int step = std::clamp(size.sliced(1).toInt(&ok), -7, 7);
    const int current = PointsToHtmlSize(currentPoints);
    return HtmlSizeToPoints(ok ? (size[0] == '+' ? current + step : current - step) : 3);
  }
  const int n = size.toInt(&ok);
  return HtmlSizeToPoints(ok ? n : 3);
}

// The first family of a "face" list.
QByteArrayView FirstFace(QByteArrayView face) {
  if (const qsizetype comma = face.indexOf(','); comma >= 0) face = face.first(comma);
  return face.trimmed();
}

}  // namespace

void TRtHtmlRun::SetFlag(TFontStyle flag, bool on) {
  FlushText();
  font_.Style = on ? (font_.Style | flag) : (font_.Style & ~flag);
  UseFontStyle(on, inLink_);
}

void TRtHtmlRun::ChangeShift(bool start, int shift) {
  FlushText();
  font_.VShift = shift;
  font_.Size =
      start ? std::max(1, HalfToEven(font_.Size)) : std::min(font_.Size * 2, kMaxFontPoints);
  UseFontStyle(start, inLink_);
}

void TRtHtmlRun::HandleFont() {
  FlushText();
  const TRtRawByteStringList& params = parser_.TagParams;
  const QByteArrayView face = FirstFace(Attr(params, "face"));
  if (!face.isEmpty()) font_.Name = RawToText(face.toByteArray(), parser_.Encoding);
  if (params.IndexOfName("size") >= 0) {
    font_.Size = FontSizeAttr(Attr(params, "size").trimmed(), font_.Size);
  }
  if (const auto color = ColorAttr(params, "color")) font_.Color = *color;
  PushFont();
}

// Every span saves the style it found, also one without a class of ours
// that changes nothing, so that its end restores exactly that and not the
// style an enclosing element saved.
void TRtHtmlRun::HandleSpan() {
  FlushText();
  const std::optional<size_t> n = ClassNumber(Attr(parser_.TagParams, "class"), "rtts");
  const bool ours = n && *n < textClasses_.size();
  if (ours) font_ = TImportFontKey::Of(style_.TextStyles[textClasses_[*n]]);
  if (!ItemTarget()) return;
  Top().PrevFont.push_back(curStyle_);
  if (ours) curStyle_ = textClasses_[*n];
}

void TRtHtmlRun::EndFontChange() {
  FlushText();
  Restore();
}

// Without "href" the element is a named anchor.
void TRtHtmlRun::HandleAnchor() {
  FlushText();
  const TRtRawByteStringList& params = parser_.TagParams;
  if (params.IndexOfName("href") < 0) {
    QString name = RawToText(Attr(params, "name").toByteArray(), parser_.Encoding);
    name.remove(u'\r');
    name.remove(u'\n');
    // An anchor that opens a paragraph (or a list item) belongs to it.
    OpenListItem();
    MarkNewLine(TextTarget().AddCheckpoint(name, NextParaNo()));
    return;
  }
  if (inLink_) return;
  AddPendingSpaces();
  inLink_ = true;
  linkHref_ = Attr(params, "href").toByteArray();
  linkNewWindow_ = Attr(params, "target").compare("_blank", Qt::CaseInsensitive) == 0;
  linkTag_.reset();
  linkDepth_ = Top().PrevFont.size();
  font_.Color = linkColor_;
  font_.Style = owner_.DefaultLinkStyle;
  UseFontStyle(true, true);
}

void TRtHtmlRun::EndAnchor() {
  if (!inLink_) return;
  FlushText();
  inLink_ = false;
  linkHref_.clear();
  linkTag_.reset();
  std::vector<int>& saved = Top().PrevFont;
  int style = 0;
  if (saved.size() > linkDepth_) {
    style = saved[linkDepth_];
    saved.resize(linkDepth_);
  }
  SetCurrentStyle(style);
}

}  // namespace moxa::rt
