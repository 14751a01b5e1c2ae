// quarvelin-desktop: the player in its desktop window, and scripts replayed
// on it (`script --gui`). `quarvelin` hands these over to it; it takes the
// same command line and refuses the commands that need no window.
#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/player_commands.h"
#include "desktop/desktop_player.h"
#include "desktop/gui_script_runner.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);  // as in quarvelin: a save past the limit is reported
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const bool no_command = args.empty() || (args.front().starts_with("--") &&
                                           args.front() != "--help" && args.front() != "--version");
  const std::string_view command = no_command ? std::string_view("play") : args.front();
  const std::vector<std::string_view> rest =
      no_command ? args : std::vector<std::string_view>(args.begin() + 1, args.end());

  if (command == "help" || command == "--help" || command == "-h") {
    std::cout << qv::UsageText();
    return qv::kExitDone;
  }
  if (command == "--version" || qv::AsksForVersion(rest)) {
    std::cout << qv::VersionLine();
    return qv::kExitDone;
  }
  if (qv::AsksForHelp(rest) && (command == "play" || command == "script")) {
    std::cout << qv::CommandHelp(command).value_or(std::string());
    return qv::kExitDone;
  }
  if (command == "play") {
    return qv::RunPlayCommand(rest, [](qv::DesktopOptions options) {
      if (const std::optional<int> refused = qv::EnterGamebookFolder(options.Directory, "play", std::cerr)) {
        return *refused;
      }
      options.Directory.clear();
      return qv::PlayDesktop(options);
    });
  }
  if (command == "script") {
    return qv::RunScriptCommand(rest, [](const qv::ScriptInvocation& invocation) {
      return qv::RunScriptFile(invocation, &qv::RunGuiScript);
    });
  }
  return qv::UsageError("'" + std::string(command) + "' is run by quarvelin, not quarvelin-desktop",
                        std::cerr);
}
