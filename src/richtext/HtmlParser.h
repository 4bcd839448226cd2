#pragma once

#include "richtext/RawByteStringList.h"

#include <QByteArray>

#include <vector>

namespace moxa::rt {

enum TCurrBlock { cbComment, cbText, cbTag };

// How 8-bit text is read. The platform's 8-bit text is UTF-8, so both modes
// read UTF-8 here; the mode is kept for the importer's byte-order-mark rule.
enum TRtHTMLEncoding { rthtmleANSI, rthtmleUTF8 };

// The HTML reader's tokenizer: cuts 8-bit HTML into comments, text runs and
// tags with their attributes, collapses white space, decodes character
// references and counts source lines. It rejects nothing: every sequence of
// bytes gives tokens, and every call of Next moves on by at least one byte
// until Done.
class THtmlParser {
 public:
  explicit THtmlParser(QByteArray text = {});

  // Reads one token into CurrBlock, TagName and TagParams. Once Done, gives
  // an empty text token and stays where it is.
  void Next();
  bool Done() const { return P >= OrgText.size(); }
  qsizetype BytesParsed() const { return P; }

  QByteArray OrgText;           // the whole input
  qsizetype P = 0;              // start of the next token
  QByteArray TagName;           // tag name, processed text, or the whole comment
  TRtRawByteStringList TagParams;  // a tag's attributes: "name=value" or the bare name
  TCurrBlock CurrBlock = cbText;
  bool RemoveSpaces = true;   // collapse white space (false inside preformatted text)
  bool LastWasSpace = false;  // the text delivered last ended in a space
  int CurrLine = 1;           // source line of P
  TRtHTMLEncoding Encoding = rthtmleANSI;
  int CodePage = 65001;

 private:
  void ReadComment();
  void ReadTag();
  const char* ReadAttributes(const char* q, const char* end);
  void ReadText();
  struct Decoded {
    const char* next;  // the byte after the reference
    char* out;         // the output after its decoding
  };
  Decoded DecodeReference(const char* p, const char* runEnd, char* out) const;

  std::vector<char> scratch_;  // where a text run is built
};

}  // namespace moxa::rt
