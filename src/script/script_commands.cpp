#include "script/script_commands.h"

#include <charconv>
#include <string>

#include "script/script_error.h"

namespace qv {

namespace {

constexpr std::string_view kCommands[] = {
    "dump",         "tick",         "new-game", "load-list",  "about",      "exit",
    "name",         "load",         "close",    "choose",     "click-text", "click-picture",
    "key",          "wheel",        "button",   "attack",     "items",      "spells",
    "use",          "cast",         "buy",      "sell",       "save",       "nosave",
    "answer",       "raise",        "equip",    "object",     "sound",      "music",
    "sound-volume", "music-volume", "ok",       "screenshot", "wait",
};

int32_t ParseNumber(const ScriptLine& line, std::string_view text) {
  int32_t value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (!text.empty() && text.front() == '+') ++begin;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (begin == end || error != std::errc() || stop != end) {
    throw ScriptError(line.Command + ": '" + std::string(text) + "' is not a whole number");
  }
  return value;
}

}  // namespace

bool IsKnownCommand(std::string_view command) {
  for (std::string_view known : kCommands) {
    if (known == command) return true;
  }
  return false;
}

void ExpectNoArguments(const ScriptLine& line) {
  if (!line.Arguments.empty()) throw ScriptError(line.Command + " takes no arguments");
}

std::string_view WordArgument(const ScriptLine& line) {
  if (line.Arguments.size() != 1) throw ScriptError(line.Command + " takes one argument");
  return line.Arguments.front();
}

int32_t NumberArgument(const ScriptLine& line) { return ParseNumber(line, WordArgument(line)); }

std::optional<int32_t> OptionalNumberArgument(const ScriptLine& line) {
  if (line.Arguments.empty()) return std::nullopt;
  return NumberArgument(line);
}

}  // namespace qv
