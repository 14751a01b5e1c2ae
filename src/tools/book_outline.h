// A gamebook's locations as a graph, read from its text without playing it:
// for each location of data.qvl, the ways on (options, links, countdowns,
// pages that switch to a library), the fights it starts and its first line
// of text. The story map draws it; the explorer takes from it the locations
// there are and the answers the book compares typed text with.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qv {

enum class WayKind { Option, Link, Countdown, Redirect };

struct Way {
  WayKind Kind = WayKind::Option;
  int32_t Target = 0;  // 0: none; a redirect (a PRESMERUJ tag, or an option or
                       // link that switches) names a library instead
  std::string Label;   // the option's text, the library's name (UTF-8)
};

struct OutlineLocation {
  int32_t Number = 0;
  int Line = 0;              // of its marker in data/data.qvl
  std::string FirstText;     // its first text block's content (UTF-8), up to 100 bytes
  std::vector<Way> Ways;
  std::vector<std::string> Fights;  // enemy names (UTF-8)
  bool Ends = false;                // a KONEC command
};

struct BookOutline {
  std::map<int32_t, OutlineLocation> Locations;
  // Every text a SROVNEJRETEZCE compares with, as written (Windows-1250),
  // from data.qvl and every library: the answers a prompt may be meant for.
  std::vector<std::string> ComparedTexts;
};

// The outline of the gamebook in the working directory (plain or
// scrambled); nullopt when it has no readable data.qvl.
std::optional<BookOutline> ReadBookOutline();

}  // namespace qv
