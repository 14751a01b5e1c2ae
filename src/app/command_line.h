// What every command of the quarvelin executables shares: the exit statuses,
// the help texts, the version, and what a run without a command means.
//
// One rule for the exit status of every command: 0 done, 1 the gamebook or
// its files are wrong, 2 the command line cannot be used. `script` keeps its
// own statuses (2 also for a line that cannot be applied, 1 for an internal
// error), which scripts calling it rely on.
//
// Interactive commands and the tools report errors as text on standard
// error; only `script` prints JSON error lines, since its output is read by
// programs.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr int kExitDone = 0;
inline constexpr int kExitBadGamebook = 1;
inline constexpr int kExitUsage = 2;

// "quarvelin 1.2.3": what --version prints.
std::string VersionLine();

// The text of `quarvelin --help`: every command, then the exit statuses.
std::string UsageText();

// The lines of the help text about one command, or none for an unknown one.
std::optional<std::string> CommandHelp(std::string_view command);

// Whether the arguments after a command ask for its help (--help, -h) or
// for the version (--version) instead of running it.
bool AsksForHelp(std::span<const std::string_view> args);
bool AsksForVersion(std::span<const std::string_view> args);

// Writes "quarvelin: MESSAGE" and where the commands are listed to `err`;
// returns kExitUsage.
int UsageError(std::string_view message, std::ostream& err);

// The command of a command line and the arguments after it. Without a
// command (nothing, or options only such as --windowed) it is what a run
// without one means (CommandOfBareRun), and every argument is its.
struct CommandLine {
  std::string_view Command;
  std::vector<std::string_view> Arguments;
};
CommandLine SplitCommandLine(const std::vector<std::string_view>& args);

// When the command line only asks for help or the version (help, --help,
// COMMAND --help, --version): prints the answer to `out` (an unknown
// command's help is a usage error on `err`) and gives the exit status.
std::optional<int> AnswerHelpOrVersion(const CommandLine& line, std::ostream& out,
                                       std::ostream& err);

// The command a run without one means: `play` when the current directory
// holds a gamebook (an author working inside a book), else `shelf`.
std::string_view CommandOfBareRun();

}  // namespace qv
