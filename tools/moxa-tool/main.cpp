// moxa-tool: developer commands on the program's logic. It reads no settings
// store; everything comes from its arguments.
#include "ToolCommand.h"
#include "site/Folders.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>

namespace {

int PrintHelp() {
  QByteArray text = "usage: moxa-tool COMMAND [ARGS]\n\ncommands:\n";
  std::vector<moxa::tool::ToolCommand> commands = moxa::tool::Commands();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
  for (const auto& command : commands) text += QByteArray("  ") + command.usage + "\n";
  moxa::tool::Print(text);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures and fonts need a GUI application; no window is ever shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // The user's site lives in the program's folders.
  QGuiApplication::setApplicationName(QString::fromLatin1(moxa::kApplicationName));
  QStringList args = QGuiApplication::arguments().mid(1);
  if (args.isEmpty() || args.first() == QLatin1String("help") ||
      args.first() == QLatin1String("--help")) {
    return PrintHelp();
  }
  const QString name = args.takeFirst();
  for (const auto& command : moxa::tool::Commands()) {
    if (name == QLatin1String(command.name)) return command.run(args);
  }
  moxa::tool::PrintError(QStringLiteral("moxa-tool: unknown command \"%1\"").arg(name));
  PrintHelp();
  return 2;
}
