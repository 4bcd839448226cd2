#pragma once

#include <QByteArray>
#include <QStringView>

namespace moxa::rt {

// How the HTML writer turns text into ASCII markup. Every character above
// 127 becomes a numeric reference of its code point; a pair of surrogates
// is one character, so it gives one reference (two would show as two
// replacement characters), and a lone surrogate gives U+FFFD.

// Text of a style that stores 16-bit characters. "&", "<" and ">" become
// references; a space becomes "&nbsp;" at the start and the end of the text
// and after a plain space, so runs of spaces keep their width; U+00A0 is
// "&nbsp;". With `htmlCode` characters below 128 pass through as they are.
void AppendEscapedText16(QByteArray& out, QStringView text, bool htmlCode);

// Text of a style that stores 8-bit characters: "&", "<" and ">" become
// references and each pair of spaces becomes "&nbsp; ".
void AppendEscapedText8(QByteArray& out, QStringView text);

// An attribute value that stands in double quotes. Values come from the
// reader with their character references as written, so "&" stays; only a
// double quote (which would end the value) and non-ASCII are written as
// references.
void AppendEscapedAttribute(QByteArray& out, QStringView value);

// Text written as it is, except that characters above 127 become references.
void AppendAsciiOnly(QByteArray& out, QStringView text);

// "&#N;".
void AppendCharRef(QByteArray& out, char32_t code);

}  // namespace moxa::rt
