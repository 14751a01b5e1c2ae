#include "app/command_line.h"

#include <filesystem>
#include <system_error>

#include "tools/tool_commands.h"

#ifndef QUARVELIN_VERSION
#define QUARVELIN_VERSION "0.0.0"
#endif

namespace qv {
namespace {

constexpr std::string_view kPlayerUsage =
    "  play [DIR] [--windowed] [--screen WxH] [--scale F]\n"
    "                  play the gamebook in DIR (default: the current directory) in\n"
    "                  the desktop window, full screen unless --windowed; --screen:\n"
    "                  the size the game lays out in; --scale: screen pixels per\n"
    "                  pixel of the game on a high-density screen (default: GDK_SCALE\n"
    "                  or 1); the same as giving no command\n"
    "  script SCRIPT [-C DIR] [--screen WxH] [--seed N] [--gui]\n"
    "                  play the gamebook headless from a script (SCRIPT - reads\n"
    "                  standard input) and print the dump lines it asks for;\n"
    "                  -C DIR: the gamebook folder; --screen: the screen the game\n"
    "                  sees (default 1024x768); --seed N: reproducible dice;\n"
    "                  --gui: drive the desktop windows\n"
    "  text [DIR]      play the gamebook in DIR (default: the current directory) in\n"
    "                  the terminal: pages are read out as text, options chosen by\n"
    "                  number (h lists the commands)\n";

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
  return "usage: quarvelin [COMMAND] [ARGUMENTS]\n\ncommands:\n" + std::string(kPlayerUsage) +
         kToolUsageText + std::string(kHelpUsage) + std::string(kExitUsageText);
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

std::optional<int> EnterGamebookFolder(const std::string& directory, std::string_view command,
                                       std::ostream& err) {
  if (!directory.empty()) {
    std::error_code error;
    std::filesystem::current_path(directory, error);
    if (error) {
      err << "quarvelin: cannot change to the gamebook folder '" << directory
          << "': " << error.message() << '\n';
      return kExitBadGamebook;
    }
  }
  std::error_code missing;
  if (!std::filesystem::is_directory("data", missing)) {
    err << "quarvelin: no gamebook here: " << std::filesystem::current_path(missing).string()
        << " has no data/ folder (quarvelin " << command << " DIR plays the gamebook in DIR)\n";
    return kExitBadGamebook;
  }
  return std::nullopt;
}

}  // namespace qv
