// ShelfWindow: the chooser that opens when the program is started with no
// gamebook: the books of the player's shelf and the bundled demo, one row
// each with its cover, title and author. Up and Down (or the mouse) pick a
// row, Enter or a click plays it, Esc closes the window without a book.
// Texts are Windows-1250, as every text the windows draw.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/shelf.h"
#include "host/window.h"

namespace qv {

// "Vyber gamebook"
inline constexpr std::string_view kShelfHeading = "Vyber gamebook";
// "Enter nebo klepnutí: hrát    Esc: konec"
inline constexpr std::string_view kShelfHint = "Enter nebo klepnut\xED: hr\xE1t    Esc: konec";
// "Knihovna je prázdná; gamebook přidá: quarvelin add CESTA"
inline constexpr std::string_view kShelfEmpty =
    "Knihovna je pr\xE1zdn\xE1; gamebook p\xF8id\xE1: quarvelin add CESTA";
// "Tento gamebook nelze hrát: " + the reason
inline constexpr std::string_view kShelfUnplayable = "Tento gamebook nelze hr\xE1t: ";

enum class ShelfKey { Up, Down, PageUp, PageDown, Home, End, Enter, Escape };

class ShelfWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 560;
  static constexpr int kHeight = 480;
  static constexpr int kRowsTop = 50;
  static constexpr int kRowHeight = 76;
  static constexpr int kRowsShown = 5;

  explicit ShelfWindow(std::vector<ShelfBook> books);

  std::string_view Kind() const override { return "shelf"; }

  const std::vector<ShelfBook>& Books() const { return books_; }
  // The book a row of the window shows (0 = the top row), if any.
  std::optional<std::size_t> BookInRow(int row) const;
  // The picked book; none only on an empty shelf.
  std::optional<std::size_t> Selected() const { return selected_; }
  // The first book shown in the top row.
  std::size_t FirstShown() const { return first_shown_; }
  // The book chosen to be played, once the window has closed with one.
  std::optional<std::size_t> Chosen() const { return chosen_; }
  // Why the picked book cannot be played, after an attempt; else empty.
  const std::string& Status() const { return status_; }

  void RowMouseMove(int row);
  void RowClick(int row);
  void KeyDown(ShelfKey key);
  // Positive steps scroll down.
  void MouseWheel(int steps);

 private:
  void Select(std::size_t book);
  void Choose();

  std::vector<ShelfBook> books_;
  std::optional<std::size_t> selected_;
  std::size_t first_shown_ = 0;
  std::optional<std::size_t> chosen_;
  std::string status_;
};

}  // namespace qv
