#include "ToolCommand.h"

#include "BuildConfig.h"

namespace {

int RunVersion(const QStringList&) {
  moxa::tool::Print(QByteArray("moxa-tool ") + moxa::build::kVersion + "\nservice " +
                    moxa::build::kServiceHost + "\n");
  return 0;
}

}  // namespace

MOXA_TOOL_COMMAND("version", "version                 prints the version and the service host", RunVersion);
