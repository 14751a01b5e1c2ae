// The selling window (SellWindow) over the page: the picture "pozadi_inventar",
// the heading "Prodej" with the money line under it, one option label per
// piece held, the price and description of the piece under the mouse at the
// bottom, and the close picture "krizek". A long list scrolls with the
// wheel; a sold-out entry leaves its row empty.
#pragma once

#include <cstddef>

#include "desktop/label_column.h"
#include "desktop/layer.h"
#include "possessions/sell_window.h"

namespace qv {

class DesktopHost;

class SellView final : public Layer {
 public:
  SellView(DesktopHost& host, SellWindow& window);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, SellWindow::kWidth, SellWindow::kHeight};
  }
  Rect CloseButtonArea() const;
  // Entry i (index into the window's entries) where it stands now; empty
  // when hidden or scrolled out of sight.
  Rect EntryArea(std::size_t entry) const;
  int NotchesToShow(std::size_t entry) const;
  const ListScroll& Scroll() const { return column_.Scroll(); }
  // Turns the wheel over the list, as the wheel over the window does.
  void ScrollBy(int notches) { column_.Wheel(Labels(), notches); }

 private:
  static constexpr std::size_t kNone = LabelColumn::kNone;
  LabelColumn::Labels Labels() const;

  DesktopHost& host_;
  SellWindow& window_;
  LabelColumn column_;
  std::size_t hovered_ = kNone;
};

}  // namespace qv
