// The name entry (NameEntryWindow): the whole window in the main background colour,
// the picture "pozadi_postava" in the middle, the prompt, the name field
// with its label and the "ok" picture. Enter (anywhere) or "ok" takes the
// name, an empty one too.
#pragma once

#include "desktop/layer.h"
#include "desktop/text_field.h"
#include "state/name_entry_window.h"
#include "ui/start_action.h"

namespace qv {

class DesktopHost;

class NameView final : public Layer {
 public:
  NameView(DesktopHost& host, NameEntryWindow& window)
      : host_(host), window_(window), field_(window.Edit) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  // What confirming the name asked for (the game).
  StartAction Action = StartAction::None;

  Rect FieldArea() const;
  Rect OkArea() const;

 private:
  DesktopHost& host_;
  NameEntryWindow& window_;
  TextField field_;
};

}  // namespace qv
