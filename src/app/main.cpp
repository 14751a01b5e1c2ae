// The quarvelin executable: the player and its headless runner.
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "comforts/comfort_settings.h"
#include "data/user_preferences.h"
#include "desktop/desktop_player.h"
#include "desktop/gui_script_runner.h"
#include "desktop/shelf_view.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "text/text_player.h"
#include "tools/scrambled_freshness.h"
#include "tools/shelf_commands.h"
#include "tools/tool_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: quarvelin [COMMAND] [ARGUMENTS]\n"
    "\n"
    "Without a command: plays the gamebook in the current directory when it has\n"
    "a data/ folder, else opens the shelf.\n"
    "\n"
    "commands:\n"
    "  shelf [--windowed] [--screen WxH] [--scale F]\n"
    "                  choose a gamebook of the shelf ($XDG_DATA_HOME/quarvelin/books)\n"
    "                  or the bundled demo, and play it with these options\n"
    "  shelf --list    print the shelf, one JSON line a book\n"
    "  add PATH        copy a gamebook folder or .zip archive onto the shelf\n"
    "  play [BOOK] [--windowed] [--screen WxH] [--scale F] [comfort flags]\n"
    "                  play the gamebook folder or .zip archive BOOK (default: the\n"
    "                  current directory) in the desktop window, full screen unless\n"
    "                  --windowed; --screen: the size the game lays out in; --scale:\n"
    "                  screen pixels per pixel of the game on a high-density screen\n"
    "                  (default: GDK_SCALE or 1); an archive's saves go to BOOK.saves\n"
    "  script SCRIPT [-C BOOK] [--screen WxH] [--seed N] [--gui] [comfort flags]\n"
    "                  play the gamebook headless from a script (SCRIPT - reads\n"
    "                  standard input) and print the dump lines it asks for;\n"
    "                  -C BOOK: the gamebook folder or .zip archive; --screen: the\n"
    "                  screen the game sees (default 1024x768); --seed N:\n"
    "                  reproducible dice; --gui: drive the desktop windows\n"
    "  text [BOOK] [comfort flags]\n"
    "                  play the gamebook folder or .zip archive BOOK (default: the\n"
    "                  current directory) in the terminal: pages are read out as\n"
    "                  text, options chosen by number (h lists the commands)\n"
    "%s"
    "%s"
    "  help, --help    show this text\n"
    "\n"
    "exit status of script: 0 when the script ran to its end or the program ended,\n"
    "2 when a line could not be applied, 1 on an internal error\n";

// A command line that cannot be used: reported like a line that cannot be
// applied, so scripts calling the runner see one kind of failure.
int UsageError(const std::string& message) {
  nlohmann::ordered_json line;
  line["error"] = message;
  std::cout << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  std::cerr << "quarvelin: " << message << "\n(quarvelin --help lists the commands)\n";
  return qv::kScriptLineFailed;
}

int RunScriptCommand(const std::vector<std::string_view>& args) {
  const auto parsed = qv::ParseScriptArguments(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) return UsageError(*error);
  const auto& invocation = std::get<qv::ScriptInvocation>(parsed);
  const auto run = invocation.Options.Gui ? &qv::RunGuiScript : &qv::RunScript;
  qv::WarnOfStalePlainFiles(invocation.Options.Directory, std::cerr);

  // The script is named relative to where quarvelin was started, before -C.
  if (invocation.ScriptPath == "-") return run(std::cin, std::cout, invocation.Options);
  std::ifstream script(invocation.ScriptPath, std::ios::binary);
  if (!script) return UsageError("cannot read the script '" + invocation.ScriptPath + "'");
  return run(script, std::cout, invocation.Options);
}

// A reading comfort's flag at args[i]: how many arguments it took (0: none
// of them), or -1 after reporting a flag that lacks its value.
int TakeComfortFlag(const std::vector<std::string_view>& args, std::size_t i,
                    qv::ComfortFlags& flags) {
  const auto taken = qv::ParseComfortFlag(args, i, flags);
  if (const auto* error = std::get_if<std::string>(&taken)) {
    UsageError(*error);
    return -1;
  }
  return static_cast<int>(std::get<std::size_t>(taken));
}

// The comforts of play and text: the player's stored ones, the command
// line's flags over them.
qv::ComfortSettings PlayerComforts(const qv::ComfortFlags& flags) {
  return qv::ApplyComfortFlags(qv::ComfortsFromPreferences(qv::UserPreferences::Load()), flags);
}

// [DIR] [--windowed] [--screen WxH] [--scale F]: the options; after a usage
// error, which is reported here, none, with the exit status in `status`.
std::optional<qv::DesktopOptions> ParsePlayOptions(const std::vector<std::string_view>& args,
                                                   std::string_view command, bool allow_directory,
                                                   int& status) {
  qv::DesktopOptions options;
  qv::ComfortFlags comforts;
  bool have_directory = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (const int taken = TakeComfortFlag(args, i, comforts); taken != 0) {
      if (taken < 0) {
        status = qv::kScriptLineFailed;
        return std::nullopt;
      }
      i += static_cast<std::size_t>(taken) - 1;
    } else if (arg == "--windowed") {
      options.Windowed = true;
    } else if (arg == "--screen") {
      const auto size = i + 1 < args.size() ? qv::ParseScreenSize(args[i + 1]) : std::nullopt;
      if (!size) {
        status = UsageError("--screen needs a size WxH, e.g. 1024x768");
        return std::nullopt;
      }
      options.ScreenWidth = size->first;
      options.ScreenHeight = size->second;
      ++i;
    } else if (arg == "--scale") {
      double scale = 0;
      const std::string value = i + 1 < args.size() ? std::string(args[i + 1]) : std::string();
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), scale);
      if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
          !(scale >= 1 && scale <= 4)) {
        status = UsageError("--scale needs a number from 1 to 4, e.g. 2 or 1.5");
        return std::nullopt;
      }
      options.Scale = scale;
      ++i;
    } else if (!arg.empty() && arg.front() == '-') {
      status = UsageError(std::string(command) + ": unknown option '" + std::string(arg) + "'");
      return std::nullopt;
    } else if (!allow_directory) {
      status = UsageError(std::string(command) + ": takes no gamebook; the shelf lists them");
      return std::nullopt;
    } else if (have_directory) {
      status = UsageError(std::string(command) + ": one gamebook folder only");
      return std::nullopt;
    } else {
      options.Directory = std::string(arg);
      have_directory = true;
    }
  }
  options.Comforts = PlayerComforts(comforts);
  return options;
}

// play [DIR] [--windowed] [--screen WxH] [--scale F]
int RunPlayCommand(const std::vector<std::string_view>& args) {
  int status = 0;
  const auto options = ParsePlayOptions(args, "play", true, status);
  if (!options) return status;
  qv::WarnOfStalePlainFiles(options->Directory, std::cerr);
  return qv::PlayDesktop(*options);
}

// shelf [--list | --windowed --screen WxH --scale F]
int RunShelfCommand(const std::vector<std::string_view>& args) {
  if (args.size() == 1 && args.front() == "--list") {
    return qv::RunShelfListCommand(qv::PlayerShelfPlaces(), std::cout);
  }
  int status = 0;
  auto options = ParsePlayOptions(args, "shelf", false, status);
  if (!options) return status;
  try {
    const auto chosen = qv::ChooseFromShelf(*options, qv::ListShelf(qv::PlayerShelfPlaces()));
    if (!chosen) return 0;
    options->Directory = chosen->Path.string();
    if (chosen->Bundled) options->WritesFolder = chosen->WritesFolder.string();
  } catch (const qv::DesktopError& error) {
    std::cerr << "quarvelin: " << error.what() << '\n';
    return 1;
  }
  return qv::PlayDesktop(*options);
}

// text [DIR] [comfort flags]
int RunTextCommand(const std::vector<std::string_view>& args) {
  qv::ComfortFlags comforts;
  std::vector<std::string_view> folders;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const int taken = TakeComfortFlag(args, i, comforts);
    if (taken < 0) return qv::kScriptLineFailed;
    if (taken > 0) {
      i += static_cast<std::size_t>(taken) - 1;
    } else {
      folders.push_back(args[i]);
    }
  }
  if (folders.size() > 1) {
    std::cerr << "quarvelin: text takes at most one folder, the gamebook's\n"
                 "(quarvelin --help lists the commands)\n";
    return qv::kScriptLineFailed;
  }
  const std::string directory = folders.empty() ? std::string() : std::string(folders.front());
  qv::WarnOfStalePlainFiles(directory, std::cerr);
  return qv::RunTextPlayer(std::cin, std::cout, directory, std::nullopt, PlayerComforts(comforts));
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A write past the file size limit then fails like one on a full disk, and
  // a save is reported as not written, instead of the signal ending the game.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // Without a command (options only, e.g. --windowed) the gamebook here is
  // played, as authors working inside their book expect; with no gamebook
  // here the shelf opens.
  const bool no_command =
      args.empty() || (args.front().starts_with("--") && args.front() != "--help");
  std::error_code no_folder;
  const bool book_here = std::filesystem::is_directory("data", no_folder);
  const std::string_view command =
      no_command ? std::string_view(book_here ? "play" : "shelf") : args.front();
  const std::vector<std::string_view> rest =
      no_command ? args : std::vector<std::string_view>(args.begin() + 1, args.end());

  if (command == "help" || command == "--help" || command == "-h") {
    std::printf(kUsage, qv::kToolUsageText, qv::kComfortFlagsUsage);
    return 0;
  }
  if (command == "script") return RunScriptCommand(rest);
  if (command == "play") return RunPlayCommand(rest);
  if (command == "shelf") return RunShelfCommand(rest);
  if (command == "add") {
    return qv::RunAddCommand(rest, qv::PlayerShelfPlaces().Books, std::cout, std::cerr);
  }
  if (command == "text") return RunTextCommand(rest);
  if (command == "init") return qv::RunInitCommand(rest, std::cout, std::cerr);
  if (command == "scramble") return qv::RunScrambleCommand(rest, std::cout, std::cerr);
  if (command == "unscramble") return qv::RunUnscrambleCommand(rest, std::cout, std::cerr);
  if (command == "check") return qv::RunCheckCommand(rest, std::cout, std::cerr);
  if (command == "explore") return qv::RunExploreCommand(rest, std::cout, std::cerr);
  if (command == "map") return qv::RunMapCommand(rest, std::cout, std::cerr);
  if (command == "new") return qv::RunNewCommand(rest, std::cout, std::cerr);
  if (command == "save") return qv::RunSaveCommand(rest, std::cout, std::cerr);
  return UsageError("unknown command '" + std::string(command) + "'");
}
