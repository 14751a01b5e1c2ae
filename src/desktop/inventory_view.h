// The inventory (InventoryWindow) over the page: the picture "pozadi_inventar",
// the money line, the four lists under their headings, the description of
// the entry under the mouse and the messages of what was used or put on.
// Each column scrolls on its own with the wheel when it is longer than the
// window.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "desktop/layer.h"
#include "desktop/list_scroll.h"
#include "possessions/inventory_window.h"

namespace qv {

class DesktopHost;

enum class InventoryList { Objects, Items, Weapons, Armour };

class InventoryView final : public Layer {
 public:
  InventoryView(DesktopHost& host, InventoryWindow& window);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, InventoryWindow::kWidth, InventoryWindow::kHeight};
  }
  Rect CloseButtonArea() const;

  // The labels of a list as the model keeps them.
  const std::vector<TLELabel>& Labels(InventoryList list) const;
  // Column 0 (objects), 1 (items) or 2 (weapons and armour) of a list.
  static int ColumnOf(InventoryList list);
  // Where the entry of that number stands now; empty when it is not listed
  // or scrolled out of the window.
  Rect EntryArea(InventoryList list, int32_t number) const;
  // The wheel notches that bring the entry into the window (0 when shown).
  int NotchesToShow(InventoryList list, int32_t number) const;
  // A point of the column where the wheel scrolls it.
  Rect ColumnArea(int column) const;
  const ListScroll& Scroll(int column) const { return scroll_[static_cast<std::size_t>(column)]; }
  // Turns the wheel over a column, as the wheel over it does.
  void ScrollColumnBy(int column, int notches);

 private:
  struct Hit {
    InventoryList List = InventoryList::Objects;
    int32_t Number = 0;
  };
  Hit EntryAt(int x, int y, bool* found) const;
  int ContentBottom(int column) const;
  int ColumnAt(int x, int y) const;
  Rect EntryRect(const TLELabel& label, int column) const;
  void Enter(const Hit& hit);

  DesktopHost& host_;
  InventoryWindow& window_;
  std::array<ListScroll, 3> scroll_;
  bool hovering_ = false;
  // Where the mouse was last seen: the wheel scrolls the column under it.
  int pointer_x_ = -1;
  int pointer_y_ = -1;
  Hit hovered_;
};

}  // namespace qv
