// The pages read this session, oldest first, each with the choice that led
// away from it, so a player can read back what scrolled away. Read-only for
// the player; kept for the session and, when a position is saved, in a side
// file beside it (never inside the saved record itself).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct HistoryPage {
  int32_t Location = 0;
  std::vector<std::string> Texts;  // the text blocks, then picture descriptions (Windows-1250)
  std::string Choice;              // the option or link chosen; empty: a countdown or a load

  bool operator==(const HistoryPage&) const = default;
};

class PageHistory {
 public:
  // The oldest pages give way beyond this many, so a long session keeps a
  // bounded history and a side file stays small.
  static constexpr std::size_t kMaxPages = 200;

  void Add(HistoryPage page);
  void Clear() { pages_.clear(); }
  const std::deque<HistoryPage>& Pages() const { return pages_; }
  bool Empty() const { return pages_.empty(); }

  // The side file's text: for each page a line "@ LOCATION", its texts as
  // lines starting "| " (a text's own line breaks become more "| " lines, a
  // blank line "|" between two texts), and "> CHOICE" when one was made.
  std::string FileText() const;
  // Reads that text back. Lines it does not know are skipped, so a damaged
  // or hand-edited file gives what can be read of it; at most kMaxPages
  // pages are kept, and the time taken is linear in the text.
  static PageHistory ParseFileText(std::string_view text);

 private:
  std::deque<HistoryPage> pages_;
};

// The side file of the saved position named `name`: "./save/" + name +
// ".historie".
std::string HistoryFilePath(std::string_view name);

}  // namespace qv
