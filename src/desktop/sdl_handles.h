// Owning handles for the SDL objects the desktop player keeps.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace qv {

struct SdlDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
  void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
  void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
  void operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }
  void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};

using WindowHandle = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlDeleter>;
using CursorHandle = std::unique_ptr<SDL_Cursor, SdlDeleter>;
using FontHandle = std::unique_ptr<TTF_Font, SdlDeleter>;

}  // namespace qv
