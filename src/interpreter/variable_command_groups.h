// The parts of the variable command group (AddVariableCommands): money and
// experience, and the eight attribute commands, each in its own file.
#pragma once

#include "interpreter/command_table.h"

namespace qv {

void AddMoneyCommands(CommandMap& map);      // PENIZE, ZKUSENOSTI, XP
void AddAttributeCommands(CommandMap& map);  // ZIVOTY, MANA, MAXZIVOTY, ... ENERGIE

}  // namespace qv
