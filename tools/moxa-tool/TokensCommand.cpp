// moxa-tool tokens FILE: the tokens the HTML reader sees, one a line.
#include "ToolCommand.h"

#include "richtext/HtmlParser.h"

#include <QFile>

namespace {

// Bytes below 32 and the backslash as \xHH, so a token stays on its line
// and its fields stay apart.
QByteArray Escaped(const QByteArray& bytes) {
  QByteArray out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || c == '\\') {
      out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
    } else {
      out += c;
    }
  }
  return out;
}

QByteArray TokenLine(const moxa::rt::THtmlParser& parser) {
  static const char* const kinds[] = {"comment", "text", "tag"};
  QByteArray line = QByteArray(kinds[parser.CurrBlock]) + '\t' + Escaped(parser.TagName);
  for (int i = 0; i < parser.TagParams.Count(); ++i) {
    line += '\t' + Escaped(parser.TagParams[i]);
  }
  return line + '\n';
}

int RunTokens(const QStringList& args) {
  if (args.size() != 1) {
    moxa::tool::PrintError(QStringLiteral("usage: moxa-tool tokens FILE"));
    return 2;
  }
  QFile file(args.first());
  if (!file.open(QIODevice::ReadOnly)) {
    moxa::tool::PrintError(QStringLiteral("moxa-tool: cannot read %1").arg(args.first()));
    return 1;
  }
  moxa::rt::THtmlParser parser(file.readAll());
  parser.LastWasSpace = true;  // as the importer starts
  QByteArray out;
  while (!parser.Done()) {
    parser.Next();
    out += TokenLine(parser);
  }
  moxa::tool::Print(out);
  return 0;
}

}  // namespace

MOXA_TOOL_COMMAND("tokens",
                  "tokens FILE             prints the HTML tokens the importer reads from FILE",
                  RunTokens);
