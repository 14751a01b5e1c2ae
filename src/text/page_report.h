// The game window read out as text: the page's text blocks and pictures in
// the column's order, the message lines, the countdown and the numbered
// options. Only what has not been printed yet is printed, so a page that is
// built in steps (a window opening in the middle of it) reads on from where
// it stopped, and a second that passes prints only the new countdown.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "interpreter/game_window.h"

namespace qv {

// The index (0-based) in TextBlocks of the Nth (1-based) text block that
// can be clicked: one with a target or a web address.
std::optional<std::size_t> TextLinkIndex(const GameWindow& form, int32_t n);
// The index (0-based) in InTextPictures of the Nth picture with a target.
std::optional<std::size_t> PictureLinkIndex(const GameWindow& form, int32_t n);

class PageReporter {
 public:
  explicit PageReporter(std::ostream& out) : out_(out) {}

  // Prints what is new since the last report. `settled`: the page waits for
  // the player, so the menu is printed too when it is new.
  void Report(const GameWindow& form, bool settled);
  // The next report prints the whole page.
  void Forget();

 private:
  void StartPage(const GameWindow& form);
  void ReportColumn(const GameWindow& form);
  void ReportInfo(const GameWindow& form);
  void ReportTimer(const GameWindow& form);
  void ReportMenu(const GameWindow& form);

  std::ostream& out_;
  std::optional<uint64_t> generation_;
  std::size_t texts_ = 0;
  std::size_t pictures_ = 0;
  std::array<InfoLine, 5> info_{};
  std::string timer_;
  std::optional<std::vector<std::string>> menu_;  // the options last printed
};

}  // namespace qv
