// The load list (LoadListWindow) over the main menu: the background "menu", the
// heading "Načíst pozici:" and up to 20 saved positions, newest first. A
// click on an entry chooses it; a click on the background or any character
// key closes the list; the wheel shows older entries.
#pragma once

#include "desktop/layer.h"
#include "state/load_list_window.h"

namespace qv {

class DesktopHost;

class LoadListView final : public Layer {
 public:
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 400;

  LoadListView(DesktopHost& host, LoadListWindow& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  // Entry label n (from 1) as drawn.
  Rect LabelArea(int n) const;

 private:
  int LabelAt(int x, int y) const;

  DesktopHost& host_;
  LoadListWindow& window_;
};

}  // namespace qv
