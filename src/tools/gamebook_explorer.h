// The explorer: plays a gamebook by itself through the headless engine of
// `quarvelin script`, breadth-first, to find what a player can run into. Every
// option, link and countdown of a page is taken, every answer the book
// compares typed text with is given, every attack of a fight is tried; states
// that come out the same (the game state, the page's options and the open
// windows) are followed once. Each step replays its whole script from the
// start with one fixed seed, so every script the report gives reproduces
// exactly with `quarvelin script FILE -C DIR --seed N`.
//
// The search is breadth-first, so the first script found for a fault is a
// shortest one, with one exception that keeps loops from holding it: states
// at one place (page, windows, options) are followed a few times, and the
// rest wait until every other place had its turn.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace qv {

struct ExploreProgress {
  int64_t Runs = 0;
  int64_t States = 0;
  std::size_t Queued = 0;
  double Seconds = 0;
};

struct ExploreOptions {
  std::filesystem::path Directory;  // the gamebook folder
  int64_t MaxRuns = 2000;           // scripts played, at most
  double MaxSeconds = 60;
  uint64_t Seed = 1;
  std::string HeroName = "Hrdina";  // typed when a new game asks for a name
  std::function<void(const ExploreProgress&)> Progress;  // now and then, when set
};

struct ExploreFinding {
  std::string Text;      // the message, or what is wrong (UTF-8)
  int32_t Location = 0;  // where it happened; 0 before the first page
  std::vector<std::string> Script;  // the lines that reach it (UTF-8), "dump" last
};

struct ExploreReport {
  std::vector<ExploreFinding> Messages;     // each message box or error once
  std::vector<ExploreFinding> DeadEnds;     // pages with no way on, once per location
  std::vector<ExploreFinding> UnwonFights;  // fights met but won on no path
  std::vector<int32_t> Unreached;           // locations of data.qvl never shown
  std::set<int32_t> Reached;
  int64_t Runs = 0;
  int64_t States = 0;
  bool Complete = true;  // false: the budget ran out with states left to follow
  std::string Error;     // the book could not be explored at all
};

ExploreReport ExploreGamebook(const ExploreOptions& options);

}  // namespace qv
