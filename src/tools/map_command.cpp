// quarvelin map [DIR] -o FILE.svg|.png|.dot [--no-explore] [--steps N] [--seconds S]
#include <charconv>
#include <filesystem>
#include <fstream>

#include "tools/book_outline.h"
#include "tools/gamebook_check.h"
#include "tools/gamebook_explorer.h"
#include "tools/story_map.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// The location whose text holds line `line` of data.qvl; 0 for a marker's
// own line, whose findings are about the order and reach of the locations,
// which the map shows in its own way.
int32_t LocationAtLine(const BookOutline& outline, int line) {
  int32_t found = 0;
  int start = 0;
  for (const auto& [number, location] : outline.Locations) {
    if (location.Line == line) return 0;
    if (location.Line < line && location.Line >= start) {
      found = number;
      start = location.Line;
    }
  }
  return found;
}

int Usage(std::ostream& err) {
  err << "quarvelin map: usage: map [DIR] -o FILE.svg|FILE.png|FILE.dot [--no-explore] [--steps N] "
         "[--seconds S]\n";
  return kToolUsage;
}

}  // namespace

int RunMapCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  fs::path directory = ".";
  bool have_directory = false;
  std::string output;
  bool explore = true;
  // A short exploration by default: enough for the pages near the start,
  // where most dead ends and faults of a draft are.
  ExploreOptions explore_options;
  explore_options.MaxRuns = 300;
  explore_options.MaxSeconds = 20;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "-o" && has_value) {
      output = std::string(args[++i]);
    } else if (arg == "--no-explore") {
      explore = false;
    } else if ((arg == "--steps" || arg == "--seconds") && has_value) {
      const std::string_view value = args[++i];
      int64_t n = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
      if (error != std::errc() || end != value.data() + value.size() || n < 1) return Usage(err);
      if (arg == "--steps")
        explore_options.MaxRuns = n;
      else
        explore_options.MaxSeconds = static_cast<double>(n);
    } else if (arg.starts_with("-") || have_directory) {
      return Usage(err);
    } else {
      directory = fs::path(std::string(arg));
      have_directory = true;
    }
  }
  const std::string extension = fs::path(output).extension().string();
  if (output.empty() || (extension != ".svg" && extension != ".png" && extension != ".dot")) return Usage(err);

  std::error_code ec;
  const fs::path previous = fs::current_path(ec);
  fs::current_path(directory, ec);
  if (ec) {
    err << "quarvelin map: " << directory.generic_string() << ": no such folder\n";
    return kToolUsage;
  }
  const std::optional<BookOutline> outline = ReadBookOutline();
  std::vector<Finding> findings;
  if (outline) findings = CheckGamebook();
  fs::current_path(previous, ec);
  if (!outline) {
    err << "quarvelin map: " << directory.generic_string() << ": no data/data.qvl to draw\n";
    return kToolFailed;
  }
  MapMarks marks = OutlineMarks(*outline);
  for (const Finding& f : findings)
    if (!f.Warning && f.File == "data/data.qvl" && f.Line > 0)
      if (const int32_t at = LocationAtLine(*outline, f.Line); at > 0) marks.Errors.insert(at);
  if (explore) {
    explore_options.Directory = directory;
    const ExploreReport report = ExploreGamebook(explore_options);
    for (const ExploreFinding& f : report.Messages) marks.Errors.insert(f.Location);
    for (const ExploreFinding& f : report.DeadEnds) marks.DeadEnds.insert(f.Location);
    if (report.Complete) marks.Unreachable.insert(report.Unreached.begin(), report.Unreached.end());
  }

  const MapResult map = RenderStoryMap(*outline, marks, extension.substr(1));
  if (!map.Error.empty()) {
    err << "quarvelin map: " << map.Error << '\n';
    return kToolFailed;
  }
  std::ofstream file(output, std::ios::binary | std::ios::trunc);
  file.write(map.Bytes.data(), static_cast<std::streamsize>(map.Bytes.size()));
  file.close();
  if (!file) {
    err << "quarvelin map: " << output << ": cannot be written\n";
    return kToolFailed;
  }
  out << "wrote " << output << " (" << outline->Locations.size() << " locations)\n";
  return kToolOk;
}

}  // namespace qv
