#include "app/player_commands.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/command_line.h"
#include "comforts/comfort_settings.h"
#include "data/user_preferences.h"
#include "script/script_runner.h"
#include "text/text_player.h"
#include "tools/scrambled_freshness.h"
#include "tools/shelf_commands.h"

namespace qv {
namespace {

int ScriptUsageError(const std::string& message) {
  nlohmann::ordered_json line;
  line["error"] = message;
  std::cout << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  return UsageError(message, std::cerr);
}

// The comforts of play and text: the player's stored ones, the command
// line's flags over them.
ComfortSettings PlayerComforts(const ComfortFlags& flags) {
  return ApplyComfortFlags(ComfortsFromPreferences(UserPreferences::Load()), flags);
}

}  // namespace

std::variant<DesktopOptions, std::string> ParsePlayArguments(std::span<const std::string_view> args,
                                                             std::string_view command,
                                                             bool allow_book) {
  DesktopOptions options;
  ComfortFlags comforts;
  bool have_directory = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto comfort = ParseComfortFlag(args, i, comforts);
    if (const auto* error = std::get_if<std::string>(&comfort)) return *error;
    if (const std::size_t taken = std::get<std::size_t>(comfort); taken > 0) {
      i += taken - 1;
    } else if (arg == "--windowed") {
      options.Windowed = true;
    } else if (arg == "--screen") {
      const auto size = i + 1 < args.size() ? ParseScreenSize(args[i + 1]) : std::nullopt;
      if (!size) return std::string("--screen needs a size WxH, e.g. 1024x768");
      options.ScreenWidth = size->first;
      options.ScreenHeight = size->second;
      ++i;
    } else if (arg == "--scale") {
      double scale = 0;
      const std::string value = i + 1 < args.size() ? std::string(args[i + 1]) : std::string();
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), scale);
      if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
          !(scale >= 1 && scale <= 4)) {
        return std::string("--scale needs a number from 1 to 4, e.g. 2 or 1.5");
      }
      options.Scale = scale;
      ++i;
    } else if (!arg.empty() && arg.front() == '-') {
      return std::string(command) + ": unknown option '" + std::string(arg) + "'";
    } else if (!allow_book) {
      return std::string(command) + ": takes no gamebook; the shelf lists them";
    } else if (have_directory) {
      return std::string(command) + ": one gamebook folder only";
    } else {
      options.Directory = std::string(arg);
      have_directory = true;
    }
  }
  options.Comforts = PlayerComforts(comforts);
  return options;
}

int RunPlayCommand(std::span<const std::string_view> args,
                   const std::function<int(const DesktopOptions&)>& play) {
  const auto parsed = ParsePlayArguments(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) return UsageError(*error, std::cerr);
  return play(std::get<DesktopOptions>(parsed));
}

int RunShelfCommand(std::span<const std::string_view> args,
                    const std::function<int(const DesktopOptions&)>& choose) {
  if (args.size() == 1 && args.front() == "--list") {
    return RunShelfListCommand(PlayerShelfPlaces(), std::cout);
  }
  const auto parsed = ParsePlayArguments(args, "shelf", false);
  if (const auto* error = std::get_if<std::string>(&parsed)) return UsageError(*error, std::cerr);
  return choose(std::get<DesktopOptions>(parsed));
}

int RunScriptCommand(std::span<const std::string_view> args,
                     const std::function<int(const ScriptInvocation&)>& gui) {
  const auto parsed = ParseScriptArguments(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) return ScriptUsageError(*error);
  const auto& invocation = std::get<ScriptInvocation>(parsed);
  if (invocation.Options.Gui) return gui(invocation);
  WarnOfStalePlainFiles(invocation.Options.Directory, std::cerr);
  return RunScriptFile(invocation, &RunScript);
}

int RunScriptFile(const ScriptInvocation& invocation, ScriptRun run) {
  // The script is named relative to where quarvelin was started, before -C.
  if (invocation.ScriptPath == "-") return run(std::cin, std::cout, invocation.Options);
  std::ifstream script(invocation.ScriptPath, std::ios::binary);
  if (!script) return ScriptUsageError("cannot read the script '" + invocation.ScriptPath + "'");
  return run(script, std::cout, invocation.Options);
}

int RunTextCommand(std::span<const std::string_view> args) {
  ComfortFlags comforts;
  std::vector<std::string_view> books;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto taken = ParseComfortFlag(args, i, comforts);
    if (const auto* error = std::get_if<std::string>(&taken)) return UsageError(*error, std::cerr);
    if (const std::size_t count = std::get<std::size_t>(taken); count > 0) {
      i += count - 1;
    } else {
      books.push_back(args[i]);
    }
  }
  if (books.size() > 1) return UsageError("text takes at most one folder, the gamebook's", std::cerr);
  const std::string book = books.empty() ? std::string() : std::string(books.front());
  WarnOfStalePlainFiles(book, std::cerr);
  return RunTextPlayer(std::cin, std::cout, book, std::nullopt, PlayerComforts(comforts));
}

}  // namespace qv
