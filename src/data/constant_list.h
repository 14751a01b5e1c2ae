// Named constants of a gamebook: the lines of the file "konstanty" and their
// replacement in location and library text.
//
// A line reads NAME VALUE: NAME runs up to the first space, spaces follow,
// and VALUE runs up to the first ";" (the rest of the line is a comment).
//
// Constants replace their names one after another, each in the text that the
// ones before it left: one full replacement pass per constant, in list
// order, is what every text gets. Two limits hold for texts built to explode:
//  - A constant whose pass would take the text past kMaxExpandedText is left
//    out; later constants still apply.
//  - The passes of one text through a ConstantTable may look at no more
//    than ConstantWorkBudget() bytes together, counted for the largest size
//    the text reaches (only the stretches of text that hold names count).
//    The constant whose pass would go past it and every later one are left
//    out. Real gamebooks stay far below it; it stops lists such as thousands
//    of constants that turn "a" into "b" and back over a text of megabytes.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/name_automaton.h"
#include "data/name_search.h"
#include "data/named_text.h"

namespace qv {

// The constant of one line, or none. The line is read with a ";" appended;
// lines shorter than 4 bytes that way are skipped, and so are lines with no
// space or with nothing before the first space: an empty name would match
// between every two bytes of the text.
std::optional<TMyPlugin> ParseConstantLine(std::string_view line);

// The constants of a whole file, in file order.
std::vector<TMyPlugin> ParseConstants(std::string_view file_text);

// Bytes the passes over a text may look at: 32 for every byte of the text
// and of the constants, and 8 MiB more. (A stretch gone through and an
// occurrence replaced count as some bytes more, for what they cost.)
std::size_t ConstantWorkBudget(std::size_t text_size, std::size_t constant_bytes);

// A list of constants made ready to be applied to many texts: the automaton
// of their names is built once, and each text is scanned once for the
// stretches that hold a name.
class ConstantTable {
 public:
  ConstantTable() = default;
  explicit ConstantTable(std::vector<TMyPlugin> constants);

  const std::vector<TMyPlugin>& List() const { return constants_; }

  // The text with every constant applied in list order.
  std::string Apply(std::string text) const;

  // Whether applying the table to `text` leaves its location markers
  // ("<" + digits + ">") as they are: each one stays with its digits and
  // none appears. Then every location can take its constants on its own
  // when it is fetched, cut out between the markers of the text as it is
  // (a "<" is never part of a stretch that holds a name, so no stretch
  // reaches over a cut). False whenever a name or a value holds "<" or ">".
  bool LeavesMarkersAlone(std::string_view text) const;

  // Whether the byte occurs in any name of the table.
  bool MayBeInName(unsigned char byte) const { return !constants_.empty() && !names_.Outside(byte); }

 private:
  // Each stretch of text that holds a name through all its constants at
  // once, in one walk: none when a limit might have left a pass out, which
  // only the passes below can decide.
  std::optional<std::string> ApplyStretchByStretch(std::string_view text) const;
  // One pass per constant over the stretches its name occurs in.
  std::string ApplyInPasses(std::string text) const;

  // Whether a name ends anywhere in text.
  bool HoldsName(std::string_view text) const;

  std::vector<TMyPlugin> constants_;
  std::vector<NameSearch> searches_;  // one per constant, for its passes
  std::size_t bytes_ = 0;             // of all names and values
  bool angle_free_ = true;            // no name or value holds "<" or ">"
  NameAutomaton names_;
};

// The same for a list used once. Short texts and short lists go through one
// search per constant, which costs less than building the automaton.
std::string ApplyConstantList(std::string text, std::span<const TMyPlugin> constants);

}  // namespace qv
