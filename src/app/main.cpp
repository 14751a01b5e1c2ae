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
  const qv::CommandLine line = qv::SplitCommandLine(args);
  const std::string_view command = line.Command;
  const std::vector<std::string_view>& rest = line.Arguments;
  const auto desktop_play = [argv](const qv::DesktopOptions&) {
    return qv::HandOverToDesktop(argv, std::cerr);
  };
  const auto desktop_script = [argv](const qv::ScriptInvocation&) {
    return qv::HandOverToDesktop(argv, std::cerr);
  };

  if (const std::optional<int> answered = qv::AnswerHelpOrVersion(line, std::cout, std::cerr)) {
    return *answered;
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
