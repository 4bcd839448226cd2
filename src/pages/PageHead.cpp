#include "pages/PageHead.h"

#include "pages/HtmlText.h"

namespace moxa {
namespace {

constexpr char kTitleStart[] = "<title>";
constexpr char kTitleEnd[] = "</title";
constexpr char kDescriptionStart[] = "<meta name=\"description\" content=\"";
constexpr char kKeywordsStart[] = "<meta name=\"keywords\" content=\"";

struct Span {
  qsizetype begin = -1;  // 0-based, first byte of the value
  qsizetype end = -1;    // one past the last byte
  bool found() const { return begin >= 0 && end >= begin; }
};

Span TitleSpan(const QByteArray& page) {
  const qsizetype start = page.indexOf(kTitleStart);
  const qsizetype end = page.indexOf(kTitleEnd);
  if (start < 0 || end < 0) return {};
  return {start + qsizetype(sizeof(kTitleStart) - 1), end};
}

Span MetaSpan(const QByteArray& page, const char* prefix) {
  const qsizetype start = page.indexOf(prefix);
  if (start < 0) return {};
  const qsizetype begin = start + static_cast<qsizetype>(qstrlen(prefix));
  const qsizetype end = page.indexOf('"', begin);
  if (end < 0) return {};
  return {begin, end};
}

QString ValueAt(const QByteArray& page, Span span) {
  return span.found() ? UnescapeHtml(page.mid(span.begin, span.end - span.begin)) : QString();
}

bool Replace(QByteArray& page, Span span, const QByteArray& value) {
  if (!span.found()) return false;
  page.replace(span.begin, span.end - span.begin, value);
  return true;
}

}  // namespace

PageProperties ReadPageProperties(const QByteArray& page) {
  return {ValueAt(page, TitleSpan(page)), ValueAt(page, MetaSpan(page, kDescriptionStart)),
          ValueAt(page, MetaSpan(page, kKeywordsStart))};
}

bool SetWindowTitle(QByteArray& page, const QString& title) {
  return Replace(page, TitleSpan(page), EscapeHtmlText(title));
}

bool SetDescription(QByteArray& page, const QString& description) {
  return Replace(page, MetaSpan(page, kDescriptionStart), EscapeHtmlAttribute(description));
}

bool SetKeywords(QByteArray& page, const QString& keywords) {
  return Replace(page, MetaSpan(page, kKeywordsStart), EscapeHtmlAttribute(keywords));
}

void SetPageProperties(QByteArray& page, const PageProperties& properties) {
  SetWindowTitle(page, properties.WindowTitle);
  SetDescription(page, properties.Description);
  SetKeywords(page, properties.Keywords);
}

}  // namespace moxa
