// The CommandTable: the tag names the interpreter carries out, each with its
// handler. A tag whose name is not in the table does nothing (location
// markers, closing tags and unknown words included).
#pragma once

#include <string_view>
#include <unordered_map>

#include "parser/tag_store.h"

namespace qv {

class GameWindow;

using CommandHandler = void (*)(GameWindow& form, const TagEntry& tag);
using CommandMap = std::unordered_map<std::string_view, CommandHandler>;

// The handler of an upper-case tag name, or null.
CommandHandler FindCommand(std::string_view name);

// Each command group adds its own names.
void AddPageCommands(CommandMap& map);        // text, menu, pictures, message lines
void AddVariableCommands(CommandMap& map);    // variables, money, experience, attributes
void AddPossessionCommands(CommandMap& map);  // weapons, armour, items, objects, spells
void AddFlowCommands(CommandMap& map);        // windows, audio, countdown, libraries, buttons

}  // namespace qv
