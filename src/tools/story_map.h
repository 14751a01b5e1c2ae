// The story map: a gamebook's locations and the ways between them (options,
// links, countdowns, switches to a library, fights) as a Graphviz graph laid
// out by dot. Locations are coloured by what the checker and the explorer
// found; each carries its first line of text as a tooltip and links to
// itself, so an SVG map can be clicked through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "tools/book_outline.h"

namespace qv {

struct MapMarks {
  std::set<int32_t> Unreachable;  // no way leads there from location 1
  std::set<int32_t> DeadEnds;     // play found no way on there, and the story does not end there
  std::set<int32_t> Errors;       // a checker error or a run-time message there
};

// Locations of the outline that no option, link or countdown reaches from
// location 1. Whether a page leads on depends on play (a page may kill the
// hero, a condition may hide its options), so dead ends come from explore.
MapMarks OutlineMarks(const BookOutline& outline);

// Over this many locations the map is laid out with less effort.
inline constexpr std::size_t kCarefulLayoutLocations = 100;
// Over this many it is not laid out at all: "dot" gives the graph without a
// layout, and the drawings are refused with a message saying so.
inline constexpr std::size_t kMaxLaidOutLocations = 500;

// The map in `format`: "svg", "png" or "dot" (the laid-out graph in the dot
// language): the file's bytes, or a message why there are none.
struct MapResult {
  std::string Bytes;
  std::string Error;
};
MapResult RenderStoryMap(const BookOutline& outline, const MapMarks& marks, std::string_view format);

}  // namespace qv
