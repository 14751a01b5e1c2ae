// The main menu: a 240 x 400 window of its own with the background "menu"
// (fuchsia see-through), the title picture, the gamebook's author line and
// title, and four picture buttons that light up under the mouse. Enter or
// "1" starts a new game, "2" loads, "3" shows the about window, Esc ends the
// program.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "desktop/layer.h"

namespace qv {

class DesktopHost;

enum class MenuChoice { None, NewGame, Load, About, Exit };

class MenuView final : public Layer {
 public:
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 400;

  // `title` and `author_line` as the initialization record gives them.
  MenuView(DesktopHost& host, std::string title, std::string author_line);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "menu"; }

  // Set by a button or key that leaves the menu (new game, load); the
  // player's loop acts on it and clears it.
  MenuChoice Choice = MenuChoice::None;

  // Where button i (0 = new game .. 3 = exit) is drawn.
  Rect ButtonArea(int i) const;

 private:
  void Act(MenuChoice choice);
  int ButtonAt(int x, int y) const;

  DesktopHost& host_;
  std::string title_;
  std::string author_label_;
  std::array<bool, 4> lit_{};
};

}  // namespace qv
