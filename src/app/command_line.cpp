#include "app/command_line.h"

#include <filesystem>
#include <system_error>

#include "comforts/comfort_settings.h"
#include "tools/tool_commands.h"

#ifndef QUARVELIN_VERSION
#define QUARVELIN_VERSION "0.0.0"
#endif

namespace qv {
namespace {

constexpr std::string_view kPlayerUsage =
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
    "                  text, options chosen by number (h lists the commands)\n";

constexpr std::string_view kHelpUsage =
    "  help, --help    show this text; COMMAND --help shows one command's\n"
    "  --version       show the version\n";

constexpr std::string_view kExitUsageText =
    "\n"
    "exit status: 0 done, 1 the gamebook or its files are wrong (check: it found\n"
    "errors), 2 the command line cannot be used; script: 0 when the script ran to\n"
    "its end or the program ended, 2 when a line could not be applied or the\n"
    "command line cannot be used, 1 on an internal error\n";

// The entries of a command list whose first line names `command`: an entry
// is a line indented by two spaces and the more deeply indented lines after
// it.
std::string EntriesOf(std::string_view list, std::string_view command) {
  std::string out;
  bool inside = false;
  while (!list.empty()) {
    const std::size_t end = list.find('\n');
    const std::string_view line = list.substr(0, end == std::string_view::npos ? list.size() : end + 1);
    list.remove_prefix(line.size());
    const bool head = line.starts_with("  ") && line.size() > 2 && line[2] != ' ';
    if (head) {
      const std::string_view words = line.substr(2);
      inside = words.starts_with(command) &&
               (words.size() == command.size() || words[command.size()] == ' ' ||
                words[command.size()] == '\n' || words[command.size()] == ',');
    }
    if (inside) out += line;
  }
  return out;
}

}  // namespace

std::string VersionLine() { return std::string("quarvelin ") + QUARVELIN_VERSION + "\n"; }

std::string UsageText() {
  return "usage: quarvelin [COMMAND] [ARGUMENTS]\n\n"
         "Without a command: plays the gamebook in the current directory when it has\n"
         "a data/ folder, else opens the shelf.\n\ncommands:\n" +
         std::string(kPlayerUsage) + kToolUsageText + std::string(kHelpUsage) + kComfortFlagsUsage +
         std::string(kExitUsageText);
}

std::optional<std::string> CommandHelp(std::string_view command) {
  if (command.empty() || command.front() == '-') return std::nullopt;
  std::string entries = EntriesOf(kPlayerUsage, command) + EntriesOf(kToolUsageText, command);
  if (entries.empty()) return std::nullopt;
  return "usage:\n" + entries + std::string(kExitUsageText);
}

bool AsksForHelp(std::span<const std::string_view> args) {
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

bool AsksForVersion(std::span<const std::string_view> args) {
  for (const std::string_view arg : args) {
    if (arg == "--version") return true;
  }
  return false;
}

int UsageError(std::string_view message, std::ostream& err) {
  err << "quarvelin: " << message << "\n(quarvelin --help lists the commands)\n";
  return kExitUsage;
}

std::string_view CommandOfBareRun() {
  std::error_code missing;
  return std::filesystem::is_directory("data", missing) ? "play" : "shelf";
}

CommandLine SplitCommandLine(const std::vector<std::string_view>& args) {
  const bool no_command = args.empty() || (args.front().starts_with("--") &&
                                           args.front() != "--help" && args.front() != "--version");
  if (no_command) return {CommandOfBareRun(), args};
  return {args.front(), std::vector<std::string_view>(args.begin() + 1, args.end())};
}

std::optional<int> AnswerHelpOrVersion(const CommandLine& line, std::ostream& out,
                                       std::ostream& err) {
  if (line.Command == "help" || line.Command == "--help" || line.Command == "-h") {
    out << UsageText();
    return kExitDone;
  }
  if (line.Command == "--version" || AsksForVersion(line.Arguments)) {
    out << VersionLine();
    return kExitDone;
  }
  if (!AsksForHelp(line.Arguments)) return std::nullopt;
  const std::optional<std::string> help = CommandHelp(line.Command);
  if (!help) return UsageError("unknown command '" + std::string(line.Command) + "'", err);
  out << *help;
  return kExitDone;
}

}  // namespace qv
