// SDL's video and font subsystems with one window and its renderer, opened
// for the life of the desktop player.
#pragma once

#include <SDL.h>

#include <stdexcept>

#include "desktop/sdl_handles.h"

namespace qv {

// No display, or SDL refused to open a window.
class DesktopError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SdlVideo {
 public:
  // Throws DesktopError when there is no display to open a window on.
  SdlVideo();
  ~SdlVideo();
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;

  SDL_Window* Window() const { return window_.get(); }
  SDL_Renderer* Renderer() const { return renderer_.get(); }

  // The screen's full size and the part of it a window may use.
  SDL_Rect DisplayBounds() const;
  SDL_Rect UsableBounds() const;

 private:
  WindowHandle window_;
  RendererHandle renderer_;
};

}  // namespace qv
