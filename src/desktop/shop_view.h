// The shop (ShopWindow) over the page: the picture "pozadi_inventar" in a frame
// of the skin's window colour, the heading "Obchod" with the money line
// under it, one option label per offer row, the description of the row
// under the mouse, the message line and the close picture "krizek". A long
// offer scrolls with the wheel.
#pragma once

#include "desktop/label_column.h"
#include "desktop/layer.h"
#include "possessions/shop_window.h"

namespace qv {

class DesktopHost;

class ShopView final : public Layer {
 public:
  ShopView(DesktopHost& host, ShopWindow& window);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, ShopWindow::kWidth, ShopWindow::kHeight};
  }
  Rect CloseButtonArea() const;
  // Row r (from 1) where it stands now; empty when scrolled out of sight.
  Rect RowArea(int row) const;
  int NotchesToShow(int row) const;
  const ListScroll& Scroll() const { return column_.Scroll(); }
  // Turns the wheel over the list, as the wheel over the window does.
  void ScrollBy(int notches) { column_.Wheel(Labels(), notches); }

 private:
  // The row labels in order: row r is index r - 1.
  LabelColumn::Labels Labels() const;
  // The row under (x, y), or 0.
  int RowAt(int x, int y) const;

  DesktopHost& host_;
  ShopWindow& window_;
  LabelColumn column_;
  int hovered_ = 0;
};

}  // namespace qv
