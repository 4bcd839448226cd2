#include "richtext/HtmlHelpers.h"

#include "richtext/HtmlEntities.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace moxa::rt {

namespace {

struct NamedColor {
  const char* name;
  TRtColor color;
};

constexpr NamedColor kColorNames[] = {
    {"black", RtRgb(0, 0, 0)},        {"silver", RtRgb(192, 192, 192)},
    {"gray", RtRgb(128, 128, 128)},   {"white", RtRgb(255, 255, 255)},
    {"maroon", RtRgb(128, 0, 0)},     {"red", RtRgb(255, 0, 0)},
    {"purple", RtRgb(128, 0, 128)},   {"fuchsia", RtRgb(255, 0, 255)},
    {"green", RtRgb(0, 128, 0)},      {"lime", RtRgb(0, 255, 0)},
    {"olive", RtRgb(128, 128, 0)},    {"yellow", RtRgb(255, 255, 0)},
    {"navy", RtRgb(0, 0, 128)},       {"blue", RtRgb(0, 0, 255)},
    {"teal", RtRgb(0, 128, 128)},     {"aqua", RtRgb(0, 255, 255)},
    {"brown", RtRgb(160, 32, 40)},
};

constexpr std::array<int, 7> kHtmlSizePoints = {8, 10, 12, 14, 18, 24, 36};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsAsciiAlnum(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool Contains(QByteArrayView set, char c) { return set.indexOf(c) >= 0; }

}  // namespace

TRtColor ParseHtmlColor(QByteArrayView text) {
  for (const NamedColor& named : kColorNames) {
    if (text.compare(QByteArrayView(named.name), Qt::CaseInsensitive) == 0) return named.color;
  }
  if (text.startsWith('#')) text = text.sliced(1);
  QByteArray digits;
  for (char c : text) digits.append(text.size() == 3 ? QByteArray(2, c) : QByteArray(1, c));
  // A number that does not fit 32 bits is no number either.
  if (digits.isEmpty() || digits.size() > 8) return RtRgb(0, 0, 0);
  std::uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return RtRgb(0, 0, 0);
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return RtRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int HtmlSizeToPoints(int htmlSize) {
  const int n = std::clamp(htmlSize, 1, 7);
  return kHtmlSizePoints[static_cast<size_t>(n - 1)];
}

int PointsToHtmlSize(int points) {
  for (int n = 1; n <= 6; ++n) {
    if (kHtmlSizePoints[static_cast<size_t>(n - 1)] >= points) return n;
  }
  return 7;
}

TRtAlignment AlignmentWord(QByteArrayView word, TRtAlignment fallback) {
  for (const auto& [name, alignment] : {std::pair{"left", rtaLeft}, {"right", rtaRight},
                                        {"center", rtaCenter}, {"justify", rtaJustify}}) {
    if (word.compare(name, Qt::CaseInsensitive) == 0) return alignment;
  }
  return fallback;
}

TRtAlignment ParseAlign(const TRtRawByteStringList& params, TRtAlignment fallback) {
  const int index = params.IndexOfName("align");
  if (index < 0) return fallback;
  return AlignmentWord(QByteArrayView(params[index]).sliced(6), fallback);
}

TListType ParseListType(QByteArrayView text, TListType fallback) {
  if (text.compare("disc", Qt::CaseInsensitive) == 0) return ltDisc;
  if (text.compare("circle", Qt::CaseInsensitive) == 0) return ltCircle;
  if (text.compare("square", Qt::CaseInsensitive) == 0) return ltSquare;
  if (text == "a") return ltLowerAlpha;
  if (text == "A") return ltUpperAlpha;
  if (text == "i") return ltLowerRoman;
  if (text == "I") return ltUpperRoman;
  if (text == "1") return ltNumber;
  return fallback;
}

QByteArray GetCssValue(QByteArrayView text, QByteArrayView name) {
  if (name.isEmpty()) return QByteArray();
  qsizetype at = text.indexOf(name);
  // Only an occurrence at the start or after " ", ";" or "{" names the
  // property: "color" inside "background-color" does not.
  while (at > 0 && !Contains(" ;{", text[at - 1])) at = text.indexOf(name, at + name.size());
  if (at < 0) return QByteArray();
  QByteArrayView rest = text.sliced(at + name.size());
  rest = rest.first(std::min<qsizetype>(rest.size(), 100));
  while (!rest.isEmpty() && (rest.front() == ' ' || rest.front() == ':')) rest = rest.sliced(1);
  if (!rest.isEmpty() && (rest.front() == '"' || rest.front() == '\'')) {
    rest = rest.sliced(1);
    qsizetype close = 0;
    while (close < rest.size() && rest[close] != '"' && rest[close] != '\'') ++close;
    return rest.first(close).toByteArray();
  }
  qsizetype stop = 0;
  while (stop < rest.size() && !Contains(");>]}", rest[stop])) ++stop;
  return rest.first(stop).toByteArray();
}

QString RawToText(const QByteArray& text, TRtHTMLEncoding) { return QString::fromUtf8(text); }

QString DecodeEntitiesInText(const QString& text) {
  QString out;
  out.reserve(text.size());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] != u'&') {
      out += text[i];
      continue;
    }
    qsizetype end = i + 1;
    while (end < n && IsAsciiAlnum(text[end].unicode())) ++end;
    if (end == i + 1 || end == n || text[end] != u';') {
      out += text[i];
      continue;
    }
    const NamedCharRef* ref =
        FindNamedCharRef(text.sliced(i + 1, end - i - 1).toLatin1().toStdString());
    if (!ref) {
      out += text[i];  // an unknown name stays as it is
      continue;
    }
    out += QString::fromUtf8(ref->text.data(), static_cast<qsizetype>(ref->text.size()));
    i = end;
  }
  return out;
}

}  // namespace moxa::rt
