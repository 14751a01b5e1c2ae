// The settings window (SettingsWindow) over the page: "Zvuky" and "Hudba", each
// with its "Zapnuto" check box and a slider 0..255, and "OK", which keeps
// the values in the settings file. Esc closes it without writing the file.
// The arrow keys move the slider last clicked (the sounds' at first) by one.
// When the game offers the player's own switches, ">>" (or Tab) turns to a
// second page of check boxes and "<<" back.
#pragma once

#include "desktop/layer.h"
#include "state/settings_window.h"

namespace qv {

class DesktopHost;

class SettingsView final : public Layer {
 public:
  SettingsView(DesktopHost& host, SettingsWindow& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, SettingsWindow::kWidth, SettingsWindow::kHeight};
  }
  // Row 0 is "Zvuky", row 1 "Hudba".
  Rect CheckBoxArea(int row) const;
  Rect SliderArea(int row) const;
  Rect OkArea() const;
  // The second page: the page button (">>" / "<<", also Tab) and switch n
  // (from 0); an empty rectangle while the window has no second page.
  Rect PageButtonArea() const;
  Rect SwitchArea(std::size_t n) const;

  // Between a slider position 0..255 and the pixels along its track: where
  // a click sets a value, and the value a click there sets.
  static int TrackOffset(int32_t position);
  static int32_t PositionAt(int offset);

 private:
  void Slide(int row, int x);
  void Step(int row, int delta);
  void DrawSoundRows(Canvas& canvas);
  void DrawSwitches(Canvas& canvas);

  DesktopHost& host_;
  SettingsWindow& window_;
  int dragging_ = -1;  // the row whose slider follows the mouse
  int focused_ = 0;    // the row whose slider the arrow keys move
};

}  // namespace qv
