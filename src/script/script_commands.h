// The words of the script language and the checks of their arguments. Each
// check throws ScriptError with a message naming the command.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "script/script_reader.h"

namespace qv {

// True for every command of the contract, for any window (also those that
// need --gui); false for a word that is no command at all.
bool IsKnownCommand(std::string_view command);

void ExpectNoArguments(const ScriptLine& line);
// The one argument of the line.
std::string_view WordArgument(const ScriptLine& line);
// The one argument of the line, a decimal integer.
int32_t NumberArgument(const ScriptLine& line);
// The optional argument of the line, a decimal integer.
std::optional<int32_t> OptionalNumberArgument(const ScriptLine& line);

}  // namespace qv
