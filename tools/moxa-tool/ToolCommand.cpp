#include "ToolCommand.h"

#include <cstdio>

namespace moxa::tool {

namespace {
std::vector<ToolCommand>& Registry() {
  static std::vector<ToolCommand> commands;
  return commands;
}
}  // namespace

bool RegisterCommand(const ToolCommand& command) {
  Registry().push_back(command);
  return true;
}

const std::vector<ToolCommand>& Commands() { return Registry(); }

void Print(const QByteArray& bytes) { std::fwrite(bytes.constData(), 1, bytes.size(), stdout); }

void PrintError(const QString& line) { std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData()); }

QString OptionValue(const QStringList& args, const QString& flag, const QString& fallback) {
  const qsizetype at = args.indexOf(flag);
  if (at < 0 || at + 1 >= args.size()) return fallback;
  return args.at(at + 1);
}

}  // namespace moxa::tool
