// quarvelin: the headless player, the terminal player and the authors'
// tools. The desktop window is a program of its own (desktop_main.cpp) that
// `play`, `shelf` and `script --gui` hand over to, so that no other command loads
// the display and sound libraries.
#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/desktop_launch.h"
#include "app/player_commands.h"
#include "tools/shelf_commands.h"
#include "tools/tool_commands.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A write past the file size limit then fails like one on a full disk, and
  // a save is reported as not written, instead of the signal ending the game.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // Without a command (options only, e.g. --windowed): the gamebook here, or
  // the shelf.
  const bool no_command = args.empty() || (args.front().starts_with("--") &&
                                           args.front() != "--help" && args.front() != "--version");
  const std::string_view command = no_command ? qv::CommandOfBareRun() : args.front();
  const std::vector<std::string_view> rest =
      no_command ? args : std::vector<std::string_view>(args.begin() + 1, args.end());
  const auto desktop_play = [argv](const qv::DesktopOptions&) {
    return qv::HandOverToDesktop(argv, std::cerr);
  };
  const auto desktop_script = [argv](const qv::ScriptInvocation&) {
    return qv::HandOverToDesktop(argv, std::cerr);
  };

  if (command == "help" || command == "--help" || command == "-h") {
    std::cout << qv::UsageText();
    return qv::kExitDone;
  }
  if (command == "--version" || qv::AsksForVersion(rest)) {
    std::cout << qv::VersionLine();
    return qv::kExitDone;
  }
  if (qv::AsksForHelp(rest)) {
    const std::optional<std::string> help = qv::CommandHelp(command);
    if (!help) return qv::UsageError("unknown command '" + std::string(command) + "'", std::cerr);
    std::cout << *help;
    return qv::kExitDone;
  }

  // One line per command.
  if (command == "script") return qv::RunScriptCommand(rest, desktop_script);
  if (command == "play") return qv::RunPlayCommand(rest, desktop_play);
  if (command == "shelf") return qv::RunShelfCommand(rest, desktop_play);
  if (command == "add") {
    return qv::RunAddCommand(rest, qv::PlayerShelfPlaces().Books, std::cout, std::cerr);
  }
  if (command == "text") return qv::RunTextCommand(rest);
  if (command == "init") return qv::RunInitCommand(rest, std::cout, std::cerr);
  if (command == "scramble") return qv::RunScrambleCommand(rest, std::cout, std::cerr);
  if (command == "unscramble") return qv::RunUnscrambleCommand(rest, std::cout, std::cerr);
  if (command == "check") return qv::RunCheckCommand(rest, std::cout, std::cerr);
  if (command == "explore") return qv::RunExploreCommand(rest, std::cout, std::cerr);
  if (command == "map") return qv::RunMapCommand(rest, std::cout, std::cerr);
  if (command == "new") return qv::RunNewCommand(rest, std::cout, std::cerr);
  if (command == "save") return qv::RunSaveCommand(rest, std::cout, std::cerr);
  return qv::UsageError("unknown command '" + std::string(command) + "'", std::cerr);
}
