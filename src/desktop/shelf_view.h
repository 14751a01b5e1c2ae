// The shelf (ShelfWindow) on the desktop: a window of its own, one row per
// book with its cover scaled into a square, its title and its author. The
// mouse over a row picks it, a click plays it; the keys go to the model.
#pragma once

#include <map>
#include <optional>

#include "desktop/desktop_options.h"
#include "desktop/layer.h"
#include "desktop/sdl_handles.h"
#include "state/shelf_window.h"

namespace qv {

class DesktopHost;

class ShelfView final : public Layer {
 public:
  static constexpr int kCoverSize = 64;
  static constexpr int kMargin = 16;
  // The picked row's fill (0x00BBGGRR).
  static constexpr Colour kPickedRow = 0x6E3828;

  // Where a row stands in the window, and its cover's square within it.
  static Rect RowArea(int row);
  static Rect CoverArea(int row);

  ShelfView(DesktopHost& host, ShelfWindow& window) : host_(host), window_(window) {}
  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  // The row under a point of the window, if any.
  static std::optional<int> RowAt(int x, int y);

 private:
  struct Cover {
    TextureHandle Texture;
    int Width = 0;
    int Height = 0;
  };
  const Cover& CoverOf(std::size_t book, SDL_Renderer* renderer);

  DesktopHost& host_;
  ShelfWindow& window_;
  std::map<std::size_t, Cover> covers_;
};

// Shows the shelf in the host's window until a book is chosen, the window is
// closed or the program ends.
void RunShelf(DesktopHost& host, ShelfWindow& window);

// Opens the shelf in a window of its own and returns the book chosen; none
// when the window was closed without one.
std::optional<ShelfBook> ChooseFromShelf(const DesktopOptions& options,
                                         std::vector<ShelfBook> books);

}  // namespace qv
