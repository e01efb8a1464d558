#include "core/app/command_line.h"

namespace varnock {

std::string ArgumentText(const std::string& commandLine) {
  std::string::size_type pos = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::string::size_type close = commandLine.find('"', 1);
    pos = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    while (pos < commandLine.size() && commandLine[pos] != ' ' && commandLine[pos] != '\t') ++pos;
  }
  if (pos < commandLine.size() && (commandLine[pos] == ' ' || commandLine[pos] == '\t')) ++pos;
  return commandLine.substr(pos);
}

StartSwitch RecogniseSwitch(const std::string& argumentText) {
  if (argumentText == "/U") return StartSwitch::Uninstall;
  if (argumentText == "/W1") return StartSwitch::TileVertical;
  if (argumentText == "/W2") return StartSwitch::TileHorizontal;
  if (argumentText == "/W3") return StartSwitch::Cascade;
  return StartSwitch::None;
}

}  // namespace varnock
