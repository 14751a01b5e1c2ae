#include "interpreter/command_table.h"

namespace qv {

namespace {

CommandMap BuildTable() {
  CommandMap map;
  AddPageCommands(map);
  AddVariableCommands(map);
  AddPossessionCommands(map);
  AddFlowCommands(map);
  return map;
}

}  // namespace

CommandHandler FindCommand(std::string_view name) {
  static const CommandMap table = BuildTable();
  const auto it = table.find(name);
  return it == table.end() ? nullptr : it->second;
}

}  // namespace qv
