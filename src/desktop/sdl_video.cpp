#include "desktop/sdl_video.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <string>

#include "desktop/quiet_standard_error.h"

namespace qv {

SdlVideo::SdlVideo() {
  // Signals keep their usual meaning, so a player (or a test) can be
  // stopped from outside.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The game's windows cannot be closed with Alt+F4.
  SDL_SetHint(SDL_HINT_WINDOWS_NO_CLOSE_ON_ALT_F4, "1");
  // A window scaled to a high-density screen is smoothed.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  // Pages are drawn by SDL's own software renderer straight into the window:
  // a page changes only on input, and probing for an OpenGL driver (which,
  // without a graphics card, loads LLVM's) took more start time and memory
  // than all the rest of the player. SDL_RENDER_DRIVER and
  // SDL_FRAMEBUFFER_ACCELERATION in the environment still choose otherwise.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  int started = 0;
  {
    // Probing for Wayland and X11 the libraries may print warnings of their
    // own; a failure is reported below in our words.
    const QuietStandardError quiet;
    started = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
  }
  if (started != 0) {
    throw DesktopError(std::string("cannot open the display: ") + SDL_GetError());
  }
  // Without a display SDL falls back to drawing off the screen, where nobody
  // could play; that driver is only taken when asked for by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (driver && (!asked || !*asked) &&
      (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    throw DesktopError("no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)");
  }
  if (TTF_Init() != 0) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    throw DesktopError(std::string("cannot start the font renderer: ") + TTF_GetError());
  }
  window_.reset(SDL_CreateWindow("Quarvelin", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 240,
                                 400, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI));
  if (window_) {
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_ACCELERATED));
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
  }
  if (!window_ || !renderer_) {
    const std::string error = SDL_GetError();
    renderer_.reset();
    window_.reset();
    TTF_Quit();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    throw DesktopError("cannot open a window: " + error);
  }
  SDL_StartTextInput();
}

SdlVideo::~SdlVideo() {
  renderer_.reset();
  window_.reset();
  TTF_Quit();
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
}

SDL_Rect SdlVideo::DisplayBounds() const {
  SDL_Rect bounds{0, 0, 1024, 768};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window_.get()));
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(display, &mode) == 0) {
    bounds.w = mode.w;
    bounds.h = mode.h;
  }
  return bounds;
}

SDL_Rect SdlVideo::UsableBounds() const {
  SDL_Rect bounds = DisplayBounds();
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window_.get()));
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(display, &usable) == 0 && usable.w > 0 && usable.h > 0) {
    bounds = usable;
  }
  return bounds;
}

}  // namespace qv
