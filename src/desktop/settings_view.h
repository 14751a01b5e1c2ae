// The settings window (TForm15) over the page: "Zvuky" and "Hudba", each
// with its "Zapnuto" check box and a slider 0..255, and "OK", which keeps
// the values in the settings file. Esc closes it without writing the file.
#pragma once

#include "desktop/layer.h"
#include "state/settings_window.h"

namespace qv {

class DesktopHost;

class SettingsView final : public Layer {
 public:
  SettingsView(DesktopHost& host, TForm15& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;

  Rect Area() const { return Rect{window_.Left, window_.Top, TForm15::kWidth, TForm15::kHeight}; }
  // Row 0 is "Zvuky", row 1 "Hudba".
  Rect CheckBoxArea(int row) const;
  Rect SliderArea(int row) const;
  Rect OkArea() const;

 private:
  void Slide(int row, int x);

  DesktopHost& host_;
  TForm15& window_;
  int dragging_ = -1;  // the row whose slider follows the mouse
};

}  // namespace qv
