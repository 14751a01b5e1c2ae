// The save window (SaveWindow) over the page: the picture "pozadi_postava",
// the heading "Chceš uložit pozici?", the name field after "Název:", and the
// pictures "ulozit" (save) and, lower, "neukladat" (do not save). Enter is
// the click on "ulozit"; the field edits at a caret.
#pragma once

#include "desktop/layer.h"
#include "desktop/text_field.h"
#include "state/save_window.h"

namespace qv {

class DesktopHost;

class SaveView final : public Layer {
 public:
  SaveView(DesktopHost& host, SaveWindow& window)
      : host_(host), window_(window), field_(window.NameField) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, SaveWindow::kWidth, SaveWindow::kHeight};
  }
  Rect FieldArea() const;
  Rect SaveArea() const;
  Rect DontSaveArea() const;

 private:
  Rect PictureArea(std::string_view name, int centre_below_top) const;

  DesktopHost& host_;
  SaveWindow& window_;
  TextField field_;
};

}  // namespace qv
