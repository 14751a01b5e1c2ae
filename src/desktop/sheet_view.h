// The character sheet (CharacterSheetWindow) over the page: the picture "pozadi_postava"
// with the hero's name, experience, attributes, weapon and armour on it, the
// raise buttons "plusko3d" at their places while they can be paid for, the
// close picture "krizek" and the hint line under them.
#pragma once

#include "desktop/layer.h"
#include "possessions/character_sheet_window.h"

namespace qv {

class DesktopHost;

class SheetView final : public Layer {
 public:
  SheetView(DesktopHost& host, CharacterSheetWindow& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, CharacterSheetWindow::kWidth,
                CharacterSheetWindow::kHeight};
  }
  // Raise button k where it stands, shown or not.
  Rect RaiseArea(RaiseIndex k) const;
  Rect CloseButtonArea() const;
  // Where the background picture lies; the whole window without it.
  Rect PictureArea() const;

 private:
  // The shown raise button under (x, y), or kRaiseCount.
  std::size_t RaiseAt(int x, int y) const;

  DesktopHost& host_;
  CharacterSheetWindow& window_;
};

}  // namespace qv
