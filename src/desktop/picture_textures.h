// Pictures of the gamebook as textures: decoded by the engine's own decoder,
// uploaded once and kept while they are shown. A picture that cannot be read
// comes back without a texture (the views draw an empty frame in its place)
// and is reported once on the error stream.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "desktop/sdl_handles.h"
#include "parser/colour.h"
#include "ui/picture.h"

namespace qv {

struct ShownPicture {
  SDL_Texture* Texture = nullptr;  // null: the picture could not be read
  int Width = 0;
  int Height = 0;
};

// Decoded pixels as a texture; pixels of `see_through` (0x00BBGGRR) are left
// undrawn. Null when the picture is empty or the renderer refuses it.
TextureHandle UploadPicture(SDL_Renderer* renderer, const Picture& picture,
                            std::optional<Colour> see_through = std::nullopt);

class PictureTextures {
 public:
  explicit PictureTextures(SDL_Renderer* renderer) : renderer_(renderer) {}

  // A picture of the skin by name, found as "./grafika/" + name + ".png",
  // ".jpg" or ".gif". Pixels of `see_through` (0x00BBGGRR) are left undrawn.
  ShownPicture Skin(std::string_view name, std::optional<Colour> see_through = std::nullopt);
  // A picture by its path as the gamebook names it (Windows-1250).
  ShownPicture File(const std::string& path, std::optional<Colour> see_through = std::nullopt);
  // Called once a frame is drawn: forgets pictures no longer shown when many
  // are kept.
  void EndFrame();

 private:
  struct Entry {
    TextureHandle Texture;
    int Width = 0;
    int Height = 0;
    uint64_t LastUsed = 0;
  };

  ShownPicture Use(Entry& entry);

  SDL_Renderer* renderer_;
  std::map<std::string, Entry> entries_;
  std::map<std::string, bool> reported_;
  uint64_t frame_ = 0;
};

}  // namespace qv
