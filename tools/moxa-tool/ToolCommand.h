#pragma once

#include <QStringList>

#include <functional>
#include <vector>

namespace moxa::tool {

// One sub-command of moxa-tool: `run` gets the arguments after the command
// name and returns the exit code. Output goes to stdout, errors to stderr.
struct ToolCommand {
  const char* name;
  const char* usage;  // one line, shown by "moxa-tool help"
  std::function<int(const QStringList& args)> run;
};

// Registers a command; used through MOXA_TOOL_COMMAND at namespace scope.
bool RegisterCommand(const ToolCommand& command);
const std::vector<ToolCommand>& Commands();

// Writes bytes to stdout / a line to stderr.
void Print(const QByteArray& bytes);
void PrintError(const QString& line);

// The value after `--flag` in args, or `fallback`.
QString OptionValue(const QStringList& args, const QString& flag, const QString& fallback = {});

}  // namespace moxa::tool

#define MOXA_TOOL_CONCAT_INNER(a, b) a##b
#define MOXA_TOOL_CONCAT(a, b) MOXA_TOOL_CONCAT_INNER(a, b)
#define MOXA_TOOL_COMMAND(name, usage, function)                         \
  static const bool MOXA_TOOL_CONCAT(registered_command_, __LINE__) = \
      ::moxa::tool::RegisterCommand({name, usage, function})
