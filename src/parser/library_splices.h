// The library references of one text that are to be replaced, each with the
// text it stands for, found once: the text can then be put together whole,
// or one stretch at a time, with the same result.
//
// Putting a stretch together on demand is what lets a gamebook of many
// megabytes whose pages use libraries start without holding its text twice
// (once as written, once with every library in it).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/constant_list.h"

namespace qv {

// text[Begin, End) (a reference, from its "#" to its ";") becomes Text.
struct LibrarySplice {
  std::size_t Begin;
  std::size_t End;
  std::string_view Text;
};

class LibrarySplices {
 public:
  LibrarySplices() = default;
  // Splices in text order, none overlapping.
  explicit LibrarySplices(std::vector<LibrarySplice> splices);
  // The texts may be the splices' own (see KeepOwnTexts).
  LibrarySplices(const LibrarySplices&) = delete;
  LibrarySplices& operator=(const LibrarySplices&) = delete;
  LibrarySplices(LibrarySplices&&) = default;
  LibrarySplices& operator=(LibrarySplices&&) = default;

  bool Empty() const { return splices_.empty(); }

  // text[begin, end) with the splices inside it made. No splice may reach
  // over `begin` or `end`.
  std::string Join(std::string_view text, std::size_t begin, std::size_t end) const;
  std::string JoinAll(std::string_view text) const { return Join(text, 0, text.size()); }

  // Copies the texts put in, so the splices no longer depend on the
  // libraries they were read from (which a new game forgets).
  void KeepOwnTexts();

  // Whether the text put together holds the same location markers ("<" +
  // digits + ">"), in the same order, as `text` itself, and the constants
  // that will be applied to it leave them alone as they leave those of
  // `text` alone (see ConstantTable::LeavesMarkersAlone, which the caller
  // asks of `text`): then a location cut out of `text` between its markers
  // and put together gives the location cut out of the whole text put
  // together. That holds when no reference holds "<", and every text put in
  // holds no marker, is left alone by the constants, and begins and ends
  // with a byte that can neither carry a marker or a constant's name over
  // its edge nor close or open a marker there. Conservative: false in any
  // other case.
  bool KeepMarkers(std::string_view text, const ConstantTable& constants) const;

 private:
  std::vector<LibrarySplice> splices_;
  std::vector<std::unique_ptr<const std::string>> own_texts_;
};

}  // namespace qv
