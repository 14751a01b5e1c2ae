#include "tools/tool_commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/init_record_disk.h"
#include "tools/init_template.h"
#include "tools/new_gamebook.h"
#include "tools/init_text.h"
#include "tools/saved_position_json.h"
#include "tools/scrambled_tree.h"

namespace qv {

const char* const kToolUsageText =
    "  init FILE [--dir DIR]\n"
    "                  write DIR/data/inicializace.qvl (DIR: default the current\n"
    "                  directory) from the text FILE naming every field\n"
    "  init --show [FILE] [--dir DIR]\n"
    "                  print the initialization record FILE (default\n"
    "                  DIR/data/inicializace.qvl) in that text form\n"
    "  init --template print that text for a new book, every field with a\n"
    "                  starting value and a comment\n"
    "  scramble [--dir DIR]\n"
    "                  write data/zasifrovane/ from the plain data files and\n"
    "                  libraries with the record's check string\n"
    "  unscramble [--dir DIR] [--force]\n"
    "                  write the plain files back from data/zasifrovane/; a plain\n"
    "                  file with edits of its own is kept unless --force\n"
    "  check [DIR]     check the gamebook in DIR: file:line: message lines and a\n"
    "                  count; exit status 1 when it found errors (not warnings)\n"
    "  save --show FILE.pzv\n"
    "                  print a saved position as JSON\n"
    "  explore [DIR] [--steps N] [--seconds S] [--seed N] [--json] [--scripts F]\n"
    "                  play the gamebook by itself, every option, link, answer and\n"
    "                  attack, breadth-first within the budget (default 2000 runs,\n"
    "                  60 s), and report each run-time message, page with no way\n"
    "                  on and fight never won with a script reaching it, and the\n"
    "                  pages never reached; --scripts F: write those scripts into\n"
    "                  the folder F; exit status 1 when it found any\n"
    "  map [DIR] -o FILE.svg|FILE.png|FILE.dot [--no-explore] [--steps N] [--seconds S]\n"
    "                  draw the story's graph with Graphviz, locations coloured by\n"
    "                  what check and a short explore (default 300 runs, 20 s)\n"
    "                  find: red (error), orange (no way on), grey (never reached)\n"
    "  new DIR         write a small, playable gamebook into the new folder DIR\n"
    "                  to start from\n";

namespace {

namespace fs = std::filesystem;

struct CommonArgs {
  fs::path Dir = ".";
  bool Show = false;
  std::vector<std::string> Positional;
};

std::optional<CommonArgs> ParseArgs(std::span<const std::string_view> args, std::string_view command,
                                    bool allow_show, std::size_t max_positional, std::ostream& err) {
  CommonArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dir") {
      if (i + 1 >= args.size()) {
        err << "quarvelin " << command << ": --dir needs a folder\n";
        return std::nullopt;
      }
      parsed.Dir = fs::path(std::string(args[++i]));
    } else if (allow_show && args[i] == "--show") {
      parsed.Show = true;
    } else if (args[i].starts_with("-") && args[i] != "-") {
      err << "quarvelin " << command << ": unknown option '" << args[i] << "'\n";
      return std::nullopt;
    } else {
      parsed.Positional.emplace_back(args[i]);
    }
  }
  if (parsed.Positional.size() > max_positional) {
    err << "quarvelin " << command << ": too many arguments\n";
    return std::nullopt;
  }
  return parsed;
}

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int ShowInitRecord(const CommonArgs& a, std::ostream& out, std::ostream& err) {
  const fs::path file = a.Positional.empty() ? InitRecordPathIn(a.Dir) : fs::path(a.Positional.front());
  auto raw = ReadInitRecordBytes(file);
  if (auto* message = std::get_if<std::string>(&raw)) {
    err << "quarvelin init: " << *message << '\n';
    return kToolFailed;
  }
  out << InitRecordToText(std::get<InitRecordBytes>(raw));
  return kToolOk;
}

int WriteInitRecord(const CommonArgs& a, std::ostream& out, std::ostream& err) {
  if (a.Positional.size() != 1) {
    err << "quarvelin init: name the text file to write the record from (or --show)\n";
    return kToolUsage;
  }
  const std::string& source = a.Positional.front();
  const auto text = ReadFile(source);
  if (!text) {
    err << "quarvelin init: " << source << ": cannot be read\n";
    return kToolFailed;
  }
  const InitTextResult result = InitRecordFromText(*text);
  if (!result.Record) {
    for (const InitTextError& e : result.Errors) {
      err << source << ':';
      if (e.Line > 0) err << e.Line << ':';
      err << ' ' << e.Message << '\n';
    }
    err << "quarvelin init: nothing written\n";
    return kToolFailed;
  }
  const fs::path target = InitRecordPathIn(a.Dir);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  std::ofstream file(target, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(result.Record->data()), static_cast<std::streamsize>(result.Record->size()));
  file.close();
  if (!file) {
    err << "quarvelin init: " << target.generic_string() << ": cannot be written\n";
    return kToolFailed;
  }
  out << "wrote " << target.generic_string() << '\n';
  return kToolOk;
}

int RunTree(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
            std::string_view command, TreeReport (*convert)(const fs::path&, std::string_view)) {
  const auto a = ParseArgs(args, command, false, 0, err);
  if (!a) return kToolUsage;
  const auto check = ReadCheckString(a->Dir);
  if (check.index() == 1) {
    err << "quarvelin " << command << ": " << std::get<1>(check) << '\n';
    return kToolFailed;
  }
  const TreeReport report = convert(a->Dir, std::get<0>(check));
  for (const std::string& note : report.Notes) err << "note: " << note << '\n';
  for (const std::string& error : report.Errors) err << error << '\n';
  if (!report.Errors.empty()) {
    err << "quarvelin " << command << ": nothing written\n";
    return kToolFailed;
  }
  for (const std::string& written : report.Written) out << "wrote " << written << '\n';
  return kToolOk;
}

}  // namespace

int RunInitCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args.front() == "--template") {
    if (args.size() > 1) {
      err << "quarvelin init: --template takes no arguments\n";
      return kToolUsage;
    }
    out << InitRecordTemplateText();
    return kToolOk;
  }
  const auto a = ParseArgs(args, "init", true, 1, err);
  if (!a) return kToolUsage;
  return a->Show ? ShowInitRecord(*a, out, err) : WriteInitRecord(*a, out, err);
}

int RunScrambleCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  return RunTree(args, out, err, "scramble", &ScrambleTree);
}

int RunUnscrambleCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  std::vector<std::string_view> rest;
  bool force = false;
  for (const std::string_view arg : args) {
    if (arg == "--force")
      force = true;
    else
      rest.push_back(arg);
  }
  return RunTree(rest, out, err, "unscramble",
                 force ? +[](const fs::path& root, std::string_view check) { return UnscrambleTree(root, check, true); }
                       : +[](const fs::path& root, std::string_view check) { return UnscrambleTree(root, check, false); });
}

int RunNewCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args.front().starts_with("-")) {
    err << "quarvelin new: name the new gamebook's folder: quarvelin new DIR\n";
    return kToolUsage;
  }
  const NewBookResult result = WriteNewGamebook(fs::path(std::string(args.front())));
  if (!result.Error.empty()) {
    err << "quarvelin new: " << result.Error << '\n';
    return kToolFailed;
  }
  for (const std::string& written : result.Written) out << "wrote " << written << '\n';
  out << "next: quarvelin check " << args.front() << ", then quarvelin play " << args.front() << '\n';
  return kToolOk;
}

int RunSaveCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const auto a = ParseArgs(args, "save", true, 1, err);
  if (!a) return kToolUsage;
  if (!a->Show || a->Positional.size() != 1) {
    err << "quarvelin save: use save --show FILE.pzv\n";
    return kToolUsage;
  }
  const std::string& path = a->Positional.front();
  const auto bytes = ReadFile(path);
  if (!bytes) {
    err << "quarvelin save: " << path << ": cannot be read\n";
    return kToolFailed;
  }
  auto json = SavedPositionToJson(
      std::span(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()), path);
  if (auto* message = std::get_if<std::string>(&json)) {
    err << "quarvelin save: " << *message << '\n';
    return kToolFailed;
  }
  out << std::get<nlohmann::ordered_json>(json).dump(2) << '\n';
  return kToolOk;
}

}  // namespace qv
