// The game window (GameWindow) on the desktop: draws the page the model holds
// and turns the mouse, the wheel and the keys into the model's handlers.
//
// Input: hovering a menu option makes it the current option and a click
// chooses it; the number keys 1-9 choose options 1-9; linked text blocks
// and pictures follow their links; arrows, Page Up/Down, keypad 8/2 and the
// wheel scroll the column; Enter is the click on "Pokračovat" while it is
// shown; Alt+F4 does nothing. The buttons light up under the mouse.
#pragma once

#include <functional>
#include <optional>

#include "desktop/game_layout.h"
#include "desktop/layer.h"
#include "interpreter/game_window.h"

namespace qv {

class DesktopHost;

class GameView final : public Layer {
 public:
  GameView(DesktopHost& host, GameWindow& form);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "game"; }

  // Where the controls are as they are drawn now (logical pixels); an empty
  // rectangle when there is no such control.
  GameLayout Layout() const;
  Rect OptionArea(int n) const;   // menu option n, from 1
  Rect TextArea(int n) const;     // text block n, from 1
  Rect PictureArea(int n) const;  // in-text picture n, from 1
  Rect ButtonArea(GameButton button) const;
  bool ButtonShown(GameButton button) const;
  Rect ContinueArea() const;
  // The button under the mouse, drawn lit; none when the mouse is elsewhere.
  std::optional<GameButton> HoveredButton() const { return hovered_button_; }
  bool ContinueHovered() const { return continue_hovered_; }

  // "Konec": by default the program ends.
  std::function<void()> OnEnd;
  // Sees every event first (the reading comforts' keys); true takes it.
  std::function<bool(const SDL_Event&)> BeforeEvent;

 private:
  void MouseMove(int x, int y);
  void MouseDown(int x, int y);
  void KeyDown(const SDL_Keysym& key);
  void Choose(int n);
  void ButtonClick(GameButton button);
  void ForgetStaleHover();

  int OptionAt(int x, int y) const;
  int TextAt(int x, int y) const;
  int PictureAt(int x, int y) const;
  std::optional<GameButton> ButtonAt(int x, int y) const;

  void DrawColumn(Canvas& canvas);
  void DrawMenu(Canvas& canvas);
  void DrawButtons(Canvas& canvas);
  void DrawMessages(Canvas& canvas);
  void DrawHint(Canvas& canvas);
  // A button's frame and centred caption, lit (colours swapped) under the mouse.
  void DrawButton(Canvas& canvas, const Rect& frame, const Font& font, std::string_view caption,
                  bool lit);

  DesktopHost& host_;
  GameWindow& form_;
  int hovered_option_ = 0;
  uint64_t hover_page_ = 0;  // the page the hovered option belongs to
  int hint_picture_ = 0;
  std::optional<GameButton> hovered_button_;
  bool continue_hovered_ = false;
  int mouse_x_ = 0;
  int mouse_y_ = 0;
};

}  // namespace qv
