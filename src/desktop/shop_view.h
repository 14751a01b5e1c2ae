// The shop (TObchod) over the page: the picture "pozadi_inventar" in a frame
// of the skin's window colour, the heading "Obchod" with the money line
// under it, one option label per offer row, the description of the row
// under the mouse, the message line and the close picture "krizek". A long
// offer scrolls with the wheel.
#pragma once

#include "desktop/layer.h"
#include "desktop/list_scroll.h"
#include "possessions/shop_window.h"

namespace qv {

class DesktopHost;

class ShopView final : public Layer {
 public:
  ShopView(DesktopHost& host, TObchod& window);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const { return Rect{window_.Left, window_.Top, TObchod::kWidth, TObchod::kHeight}; }
  Rect CloseButtonArea() const;
  // Row r (from 1) where it stands now; empty when scrolled out of sight.
  Rect RowArea(int row) const;
  int NotchesToShow(int row) const;
  const ListScroll& Scroll() const { return scroll_; }
  // Turns the wheel over the list, as the wheel over the window does.
  void ScrollBy(int notches) { scroll_.Wheel(notches, ContentBottom()); }

 private:
  int RowAt(int x, int y) const;
  int ContentBottom() const;

  DesktopHost& host_;
  TObchod& window_;
  ListScroll scroll_;
  int hovered_ = 0;
};

}  // namespace qv
