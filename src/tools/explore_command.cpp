// quarvelin explore DIR [--steps N] [--seconds S] [--seed N] [--json]
//                       [--scripts FOLDER]
#include <charconv>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "script/visible_controls.h"
#include "tools/gamebook_explorer.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

template <class Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size() && value > 0;
}

std::string RunLine(const ExploreOptions& options, const std::string& file) {
  return "quarvelin script " + file + " -C " + options.Directory.generic_string() + " --seed " +
         std::to_string(options.Seed);
}

std::string ScriptText(const ExploreFinding& finding, const ExploreOptions& options, const std::string& file) {
  std::string text = "# reaches: " + finding.Text + "\n# run: " + RunLine(options, file) + "\n";
  for (const std::string& line : finding.Script) text += line + "\n";
  text += "dump\n";
  return text;
}

struct Section {
  const char* Title;  // for people
  const char* Key;    // for tools and script file names
  const std::vector<ExploreFinding>* Findings;
};

}  // namespace

int RunExploreCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  ExploreOptions options;
  bool json = false;
  bool have_directory = false;
  std::string scripts_folder;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--json") {
      json = true;
    } else if (arg == "--steps" && has_value && ParseNumber(args[i + 1], options.MaxRuns)) {
      ++i;
    } else if (arg == "--seconds" && has_value && ParseNumber(args[i + 1], options.MaxSeconds)) {
      ++i;
    } else if (arg == "--seed" && has_value && ParseNumber(args[i + 1], options.Seed)) {
      ++i;
    } else if (arg == "--scripts" && has_value) {
      scripts_folder = std::string(args[++i]);
    } else if (arg.starts_with("-") || have_directory) {
      err << "quarvelin explore: usage: explore DIR [--steps N] [--seconds S] [--seed N] [--json] "
             "[--scripts FOLDER]\n";
      return kToolUsage;
    } else {
      options.Directory = fs::path(std::string(arg));
      have_directory = true;
    }
  }
  if (!have_directory) options.Directory = ".";
  options.Progress = [&err](const ExploreProgress& p) {
    err << "explore: " << p.Runs << " runs, " << p.States << " states, " << p.Queued << " to follow, "
        << static_cast<int64_t>(p.Seconds) << " s\n";
  };
  const std::string shown_directory = options.Directory.generic_string();
  ExploreReport report = ExploreGamebook(options);
  options.Directory = shown_directory;
  if (!report.Error.empty()) {
    err << "quarvelin explore: " << report.Error << '\n';
    return kToolFailed;
  }

  const Section sections[] = {{"run-time messages", "message", &report.Messages},
                              {"pages with no way on", "dead_end", &report.DeadEnds},
                              {"fights won on no path", "fight", &report.UnwonFights}};
  // Scripts go to files first, so the report can name them.
  std::map<const ExploreFinding*, std::string> files;
  if (!scripts_folder.empty()) {
    std::error_code ec;
    fs::create_directories(scripts_folder, ec);
    for (const Section& section : sections) {
      int n = 0;
      for (const ExploreFinding& finding : *section.Findings) {
        const std::string file = (fs::path(scripts_folder) / (std::string(section.Key) + "-" + std::to_string(++n) + ".txt")).generic_string();
        std::ofstream script(file, std::ios::binary | std::ios::trunc);
        script << ScriptText(finding, options, file);
        if (!script) {
          err << "quarvelin explore: " << file << ": cannot be written\n";
          return kToolFailed;
        }
        files[&finding] = file;
      }
    }
  }
  const auto file_of = [&files](const ExploreFinding& f) {
    const auto it = files.find(&f);
    return it == files.end() ? std::string("FILE") : it->second;
  };

  const bool faults = !report.Messages.empty() || !report.DeadEnds.empty() || !report.UnwonFights.empty() ||
                      (report.Complete && !report.Unreached.empty());
  if (json) {
    nlohmann::ordered_json j;
    j["runs"] = report.Runs;
    j["states"] = report.States;
    j["complete"] = report.Complete;
    for (const Section& section : sections) {
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (const ExploreFinding& f : *section.Findings) {
        nlohmann::ordered_json item;
        item["text"] = f.Text;
        item["location"] = f.Location;
        item["script"] = ScriptText(f, options, file_of(f));
        if (files.contains(&f)) item["file"] = file_of(f);
        list.push_back(std::move(item));
      }
      j[std::string(section.Key) + "s"] = std::move(list);
    }
    j["reached"] = report.Reached;
    j["unreached"] = report.Unreached;
    out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    return faults ? kToolFailed : kToolOk;
  }

  out << "explored " << report.States << " states in " << report.Runs << " runs"
      << (report.Complete ? "" : " (the budget ran out before every state was followed)") << '\n';
  for (const Section& section : sections) {
    out << section.Title << ": " << section.Findings->size() << '\n';
    for (const ExploreFinding& f : *section.Findings) {
      out << "  location " << f.Location << ": " << VisibleControls(f.Text, LineLayout::Show) << '\n';
      if (files.contains(&f)) {
        out << "    reproduce: " << RunLine(options, file_of(f)) << '\n';
        continue;
      }
      out << "    reproduce: " << RunLine(options, "FILE") << ", FILE holding:\n";
      for (const std::string& line : f.Script) out << "      " << VisibleControls(line, LineLayout::Show) << '\n';
      out << "      dump\n";
    }
  }
  out << (report.Complete ? "pages never reached: " : "pages not reached within the budget: ");
  if (report.Unreached.empty()) out << "none";
  for (std::size_t i = 0; i < report.Unreached.size(); ++i) out << (i ? ", " : "") << report.Unreached[i];
  out << '\n';
  return faults ? kToolFailed : kToolOk;
}

}  // namespace qv
