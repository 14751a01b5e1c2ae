#include "tools/gamebook_explorer.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <unordered_set>

#include "data/cp1250.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "tools/book_outline.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Lines = std::vector<std::string>;

struct Node {
  Lines Script;
  Json Dump;
};

std::string Top(const Json& dump) {
  const Json& windows = dump["windows"];
  return windows.is_array() && !windows.empty() ? windows.back().get<std::string>() : std::string();
}

int32_t LocationOf(const Json& dump) {
  const Json& location = dump["location"];
  return location.is_number_integer() ? location.get<int32_t>() : 0;
}

// The page's own locations, not a library's while a redirect is active.
bool InGamebookSpace(const Json& dump) {
  const Json& redirect = dump["state"]["redirect"];
  return !redirect.is_string() || redirect.get<std::string>().empty();
}

// What decides where play can go from here; the texts on the page and the
// message lines follow from it.
uint64_t StateHash(const Json& dump) {
  Json key = Json::object();
  for (const char* name : {"windows", "ended", "location", "previous_location", "options", "timer", "state",
                           "fight", "shop", "sell", "answer", "picture", "save"})
    key[name] = dump[name];
  for (const Json& text : dump["texts"]) key["links"].push_back(text["target"]);
  for (const Json& picture : dump["pictures"]) key["links"].push_back(picture["target"]);
  return std::hash<std::string>{}(key.dump());
}

// Where play stands, without the numbers that change on every round of a
// loop (money, lives, dice): states that share it are followed a few times
// first, so that a page that pays a coin per visit does not hold the search.
uint64_t PlaceHash(const Json& dump) {
  Json key = Json::object();
  for (const char* name : {"windows", "location", "options"}) key[name] = dump[name];
  key["redirect"] = dump["state"]["redirect"];
  return std::hash<std::string>{}(key.dump());
}

// Times a place is followed before its other states wait for the rest.
constexpr int kFollowsPerPlace = 4;

bool HasWayOn(const Json& dump) {
  for (const Json& option : dump["options"])
    if (option["target"].is_number_integer() && option["target"].get<int32_t>() != 0) return true;
  for (const char* list : {"texts", "pictures"})
    for (const Json& block : dump[list])
      if (block["target"].is_number_integer() && block["target"].get<int32_t>() > 0) return true;
  return dump["timer"].is_string() && !dump["timer"].get<std::string>().empty();
}

std::string FightKey(const Json& dump) {
  return std::to_string(LocationOf(dump)) + "\n" + dump["fight"]["enemy"]["name"].get<std::string>();
}

class Explorer {
 public:
  explicit Explorer(const ExploreOptions& options) : options_(options) {}
  ExploreReport Run();

 private:
  std::optional<Json> Play(const Lines& script);
  std::vector<Lines> Actions(const Json& dump) const;
  void Learn(const Json& parent, const Json& child, const Lines& script, bool attacked);
  bool OutOfBudget() const;

  const ExploreOptions& options_;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  std::vector<std::string> answers_;  // UTF-8
  std::map<int32_t, int32_t> countdowns_;  // location -> ticks until its countdown fires
  ExploreReport report_;
  std::set<std::string> messages_seen_;
  std::set<int32_t> dead_ends_seen_;
  std::map<std::string, ExploreFinding> fights_;  // by FightKey, first met
  std::set<std::string> fights_won_;
};

std::optional<Json> Explorer::Play(const Lines& script) {
  ++report_.Runs;
  std::string text;
  for (const std::string& line : script) text += line + "\n";
  text += "dump\n";
  std::istringstream in(text);
  std::ostringstream out;
  ScriptOptions options;
  options.Directory = options_.Directory.string();
  options.Seed = options_.Seed;
  const int status = RunScript(in, out, options);
  const std::string lines = out.str();
  const std::size_t end = lines.find_last_not_of('\n');
  if (end == std::string::npos) return std::nullopt;
  const std::size_t start = lines.rfind('\n', end);
  Json last = Json::parse(lines.substr(start == std::string::npos ? 0 : start + 1, end + 1 - (start == std::string::npos ? 0 : start + 1)),
                          nullptr, false);
  if (last.is_discarded()) return std::nullopt;
  if (last.contains("error")) {
    // A line that does not fit is the explorer's guess going wrong; an
    // internal error is the engine's fault and worth a report.
    if (status == kScriptInternalError && messages_seen_.insert(last["error"].get<std::string>()).second)
      report_.Messages.push_back({last["error"].get<std::string>(), 0, script});
    return std::nullopt;
  }
  return last;
}

std::vector<Lines> Explorer::Actions(const Json& dump) const {
  std::vector<Lines> actions;
  if (dump["ended"].get<bool>()) return actions;
  const std::string top = Top(dump);
  const auto numbered = [&](const char* word, std::size_t n) { return std::string(word) + " " + std::to_string(n); };
  if (top == "menu") {
    actions.push_back({"new-game"});
  } else if (top == "name") {
    actions.push_back({"name " + options_.HeroName});
  } else if (top == "game") {
    const Json& options = dump["options"];
    for (std::size_t i = 0; i < options.size(); ++i)
      if (options[i]["target"].is_number_integer() && options[i]["target"].get<int32_t>() != 0)
        actions.push_back({numbered("choose", i + 1)});
    // A followed link is carried out at the next timer tick.
    for (const auto& [list, word] : {std::pair{"texts", "click-text"}, std::pair{"pictures", "click-picture"}}) {
      const Json& blocks = dump[list];
      for (std::size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i]["target"].is_number_integer() && blocks[i]["target"].get<int32_t>() > 0)
          actions.push_back({numbered(word, i + 1), "tick"});
    }
    // A countdown, shown or not, leads on once its time has passed.
    const auto countdown = countdowns_.find(LocationOf(dump));
    if (countdown != countdowns_.end() && InGamebookSpace(dump))
      actions.push_back({numbered("tick", static_cast<std::size_t>(countdown->second))});
    else if (dump["timer"].is_string() && !dump["timer"].get<std::string>().empty())
      actions.push_back({"tick 100"});
  } else if (top == "fight") {
    const Json& fight = dump["fight"];
    if (fight["over"].get<bool>()) {
      actions.push_back({"close"});
    } else {
      for (const Json& attack : fight["attacks"])
        if (attack["enabled"].get<bool>()) actions.push_back({numbered("attack", attack["number"].get<std::size_t>())});
      // Between rounds: every spell known and every item held. One the
      // fight does not offer is refused by the runner and dropped.
      for (const Json& spell : dump["state"]["known"]["spells"])
        actions.push_back({"spells", numbered("cast", spell.get<std::size_t>())});
      for (const auto& [item, count] : dump["state"]["held"]["items"].items())
        actions.push_back({"items", "use " + item});
    }
  } else if (top == "answer") {
    for (const std::string& answer : answers_) actions.push_back({"answer " + answer});
  } else if (top == "shop") {
    const Json& rows = dump["shop"]["rows"];
    for (std::size_t i = 0; i < rows.size(); ++i) actions.push_back({numbered("buy", i + 1)});
    actions.push_back({"close"});
  } else if (top == "save") {
    actions.push_back({"nosave"});
  } else if (top == "death") {
    // An end of the story, like the end command.
  } else if (!top.empty()) {
    actions.push_back({"close"});
  }
  return actions;
}

void Explorer::Learn(const Json& parent, const Json& child, const Lines& script, bool attacked) {
  const Json& before = parent["messages"];
  const Json& after = child["messages"];
  for (std::size_t i = before.size(); i < after.size(); ++i) {
    const std::string message = after[i].get<std::string>();
    if (messages_seen_.insert(message).second) report_.Messages.push_back({message, LocationOf(child), script});
  }
  const std::string top = Top(child);
  // A page counts as reached also under a window it opened (a fight, the
  // death window).
  const Json& windows = child["windows"];
  const bool in_game = std::find(windows.begin(), windows.end(), Json("game")) != windows.end();
  if (in_game && LocationOf(child) > 0 && InGamebookSpace(child)) report_.Reached.insert(LocationOf(child));
  const bool counting_down = countdowns_.contains(LocationOf(child)) && InGamebookSpace(child);
  if (top == "game" && !child["ended"].get<bool>() && !HasWayOn(child) && !counting_down &&
      dead_ends_seen_.insert(LocationOf(child)).second)
    report_.DeadEnds.push_back({"no option, link or countdown leads on", LocationOf(child), script});
  if (top == "fight") {
    const std::string key = FightKey(child);
    if (!fights_.contains(key))
      fights_[key] = {"the fight against " + child["fight"]["enemy"]["name"].get<std::string>() +
                          " is won on no path",
                      LocationOf(child), script};
    if (child["fight"]["enemy"]["lives"].get<int64_t>() <= 0) fights_won_.insert(key);
  }
  // The window closes by itself when the enemy falls.
  if (attacked && top != "fight" && top != "death" && !child["ended"].get<bool>())
    fights_won_.insert(FightKey(parent));
}

bool Explorer::OutOfBudget() const {
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  return report_.Runs >= options_.MaxRuns || seconds >= options_.MaxSeconds;
}

ExploreReport Explorer::Run() {
  std::error_code ec;
  const fs::path previous = fs::current_path(ec);
  fs::current_path(options_.Directory, ec);
  if (ec) {
    report_.Error = options_.Directory.generic_string() + ": no such folder";
    return report_;
  }
  const std::optional<BookOutline> outline = ReadBookOutline();
  if (outline) {
    for (const std::string& text : outline->ComparedTexts) answers_.push_back(Cp1250ToUtf8(text));
    for (const auto& [number, location] : outline->Locations)
      for (const Way& way : location.Ways)
        if (way.Kind == WayKind::Countdown) {
          // CAS is in seconds, a tick 100 ms; one tick more lets it fire.
          const int64_t seconds = std::clamp<int64_t>(std::atoll(way.Label.c_str()), 0, 3600);
          countdowns_[number] = static_cast<int32_t>(seconds * 10 + 1);
        }
  }
  answers_.push_back("?");  // and one that no comparison expects

  std::deque<Node> queue;
  std::deque<Node> waiting;  // states of places followed often enough for now
  std::map<uint64_t, int> follows;
  int follows_allowed = kFollowsPerPlace;
  std::unordered_set<uint64_t> seen;
  if (std::optional<Json> root = Play({})) {
    Learn(Json::object({{"messages", Json::array()}}), *root, {}, false);
    seen.insert(StateHash(*root));
    queue.push_back({{}, std::move(*root)});
  } else {
    report_.Error = "the gamebook does not start";
  }
  int64_t reported_at = 0;
  while ((!queue.empty() || !waiting.empty()) && !OutOfBudget()) {
    if (queue.empty()) {
      queue.swap(waiting);
      follows_allowed += kFollowsPerPlace;
    }
    const Node node = std::move(queue.front());
    queue.pop_front();
    int& followed = follows[PlaceHash(node.Dump)];
    if (followed >= follows_allowed) {
      waiting.push_back(node);
      continue;
    }
    ++followed;
    const bool fighting = Top(node.Dump) == "fight";
    for (const Lines& action : Actions(node.Dump)) {
      if (OutOfBudget()) {
        queue.push_front(node);  // not fully followed
        break;
      }
      Lines script = node.Script;
      script.insert(script.end(), action.begin(), action.end());
      std::optional<Json> child = Play(script);
      if (!child) continue;
      Learn(node.Dump, *child, script, fighting && action.front().starts_with("attack"));
      if (seen.insert(StateHash(*child)).second && !(*child)["ended"].get<bool>())
        queue.push_back({std::move(script), std::move(*child)});
      if (options_.Progress && report_.Runs - reported_at >= 50) {
        reported_at = report_.Runs;
        options_.Progress({report_.Runs, static_cast<int64_t>(seen.size()), queue.size(),
                           std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count()});
      }
    }
  }
  report_.States = static_cast<int64_t>(seen.size());
  report_.Complete = queue.empty() && waiting.empty();
  for (auto& [key, fight] : fights_)
    if (!fights_won_.contains(key)) report_.UnwonFights.push_back(fight);
  if (outline)
    for (const auto& [number, location] : outline->Locations)
      if (!report_.Reached.contains(number)) report_.Unreached.push_back(number);
  fs::current_path(previous, ec);
  return report_;
}

}  // namespace

ExploreReport ExploreGamebook(const ExploreOptions& options) {
  ExploreOptions absolute = options;
  std::error_code ec;
  absolute.Directory = fs::absolute(options.Directory, ec);
  return Explorer(absolute).Run();
}

}  // namespace qv
