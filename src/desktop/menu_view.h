// The main menu (StartMenuWindow): a 240 x 400 window of its own with the background
// "menu" (fuchsia see-through), the title picture, the gamebook's author
// line and title, and four picture buttons that light up under the mouse.
// Enter or "1" starts a new game, "2" loads, "3" shows the about window, Esc
// ends the program.
#pragma once

#include "desktop/layer.h"
#include "state/start_menu_window.h"
#include "ui/start_action.h"

namespace qv {

class DesktopHost;

class MenuView final : public Layer {
 public:
  static constexpr int kWidth = StartMenuWindow::kWidth;
  static constexpr int kHeight = StartMenuWindow::kHeight;

  MenuView(DesktopHost& host, StartMenuWindow& menu) : host_(host), menu_(menu) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "menu"; }

  // What the last button or key asked for; the player's loop acts on it and
  // sets it back to None.
  StartAction Action = StartAction::None;

  // Where a button is drawn.
  Rect ButtonArea(MenuButton button) const;

 private:
  void Act(StartAction action);
  int ButtonAt(int x, int y) const;

  DesktopHost& host_;
  StartMenuWindow& menu_;
};

}  // namespace qv
