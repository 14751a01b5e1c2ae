// quarvelin-desktop: the player in its desktop window, the shelf, and
// scripts replayed on it (`script --gui`). `quarvelin` hands these over to it; it takes the
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
#include "desktop/shelf_view.h"
#include "tools/scrambled_freshness.h"
#include "tools/shelf_commands.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);  // as in quarvelin: a save past the limit is reported
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const qv::CommandLine line = qv::SplitCommandLine(args);
  const std::string_view command = line.Command;
  const std::vector<std::string_view>& rest = line.Arguments;
  if (const std::optional<int> answered = qv::AnswerHelpOrVersion(line, std::cout, std::cerr)) {
    return *answered;
  }

  // Entering the book (a folder or an archive) and refusing a folder
  // without one is the desktop player's own first step.
  if (command == "play") {
    return qv::RunPlayCommand(rest, [](const qv::DesktopOptions& options) {
      qv::WarnOfStalePlainFiles(options.Directory, std::cerr);
      return qv::PlayDesktop(options);
    });
  }
  if (command == "shelf") {
    return qv::RunShelfCommand(rest, [](qv::DesktopOptions options) {
      try {
        const auto chosen = qv::ChooseFromShelf(options, qv::ListShelf(qv::PlayerShelfPlaces()));
        if (!chosen) return qv::kExitDone;
        options.Directory = chosen->Path.string();
        if (chosen->Bundled) options.WritesFolder = chosen->WritesFolder.string();
      } catch (const qv::DesktopError& error) {
        std::cerr << "quarvelin: " << error.what() << '\n';
        return qv::kExitBadGamebook;
      }
      return qv::PlayDesktop(options);
    });
  }
  if (command == "script") {
    return qv::RunScriptCommand(rest, [](const qv::ScriptInvocation& invocation) {
      qv::WarnOfStalePlainFiles(invocation.Options.Directory, std::cerr);
      return qv::RunScriptFile(invocation, &qv::RunGuiScript);
    });
  }
  return qv::UsageError("'" + std::string(command) + "' is run by quarvelin, not quarvelin-desktop",
                        std::cerr);
}
