// One window of the desktop player as the shell sees it: the main menu, the
// game window, or a small window drawn over the page. Layers are drawn
// bottom first; only the top one gets the mouse and the keyboard, as a modal
// window would.
#pragma once

#include <SDL.h>

#include <string_view>

#include "desktop/canvas.h"
#include "host/window.h"

namespace qv {

class Layer {
 public:
  virtual ~Layer() = default;
  virtual void Draw(Canvas& canvas) = 0;
  // Mouse positions arrive in the window's logical pixels.
  virtual void HandleEvent(const SDL_Event& event) = 0;

  // The window's name in scripts and dumps ("menu", "game", "answer", ...).
  virtual std::string_view Kind() const = 0;
  // The game's model of a modal window the layer shows; null for the
  // windows the desktop keeps itself.
  virtual ModalWindow* Window() const { return nullptr; }
};

}  // namespace qv
