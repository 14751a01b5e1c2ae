// LoadListWindow (TForm10): the load list: the saved positions under ./save, newest first,
// each shown as an option label "name [DD.MM.YYYY]". Choosing one tells the
// game which position to restore; the opener then starts the game window.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/window.h"
#include "state/game_state.h"
#include "ui/tle_label.h"

namespace qv {

struct LoadListEntry {
  std::string Name;      // the file name without its extension (Windows-1250)
  std::string FileName;  // the file name with it (Windows-1250)
  std::string Caption;   // Name + " [" + modification date + "]"
  std::filesystem::file_time_type Modified;
};

// Newest first, by the list's own exchange sort: positions of equal age end
// up in the order this sort leaves them. Its time grows with the square of
// the positions, so a folder holding more than kExchangeSortLimit (only a
// broken or hostile one does) is sorted in n log n time instead, positions
// of equal age keeping the folder's order: listing it cannot hang the
// player.
inline constexpr std::size_t kExchangeSortLimit = 4096;
void SortNewestFirst(std::vector<LoadListEntry>& entries);

class LoadListWindow : public ModalWindow {
 public:
  static constexpr std::size_t kShown = 20;  // labels at a time
  static constexpr int kLabelSpacing = 15;
  static constexpr int kLabelOffset = 20;

  explicit LoadListWindow(GameState& state, std::filesystem::path folder = "./save");

  std::string_view Kind() const override { return "load-list"; }

  // Every saved position found, newest first.
  std::vector<LoadListEntry> Entries;
  // The labels shown: up to 20 entries from ScrollOffset on. Label i (from
  // 1) stands at top 15 x i + 20 and remembers its entry's number (from 1)
  // in idx.
  std::vector<TLELabel> Labels;
  std::size_t ScrollOffset = 0;
  // idx of the label under the mouse; 0 when none.
  CurrentOption Current;
  // A position listed first whatever its age (the continue slot, when the
  // player keeps one); empty: none.
  std::string FirstName;

  // Built by the main menu's load button before the window opens: collects
  // every "*.pzv" of the folder, orders them newest first and shows the
  // first 20. Positions beyond them stay in Entries: old positions stay
  // loadable by scrolling.
  void FormShow();

  // Shows the labels from entry `offset` (0 = the newest) on, kept within
  // the list.
  void ScrollTo(std::size_t offset);

  // The mouse over label n (from 1) of those shown, or away from them.
  void LabelMouseEnter(int n);
  void LabelMouseLeave();

  // A click on the label under the mouse: LoadRequested := true and
  // LoadFileName := "./save/" + its file name; the window closes. False (and
  // nothing changes) when no label is under the mouse.
  bool LabelClick();

  // A click on the background or any character key closes the list.
  void FormClick() { Close(); }
  void FormKeyPress() { Close(); }

 private:
  void ShowLabels();

  GameState& state_;
  std::filesystem::path folder_;
  int hovered_ = 0;  // label under the mouse, from 1
};

}  // namespace qv
