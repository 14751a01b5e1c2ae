#include "desktop/picture_textures.h"

#include <iostream>
#include <vector>

#include "data/cp1250.h"
#include "ui/picture_lookup.h"

namespace qv {

namespace {

constexpr std::size_t kKeptPictures = 64;

std::string CacheKey(std::string_view kind, std::string_view name,
                     std::optional<Colour> see_through) {
  std::string key(kind);
  key += '\x1F';
  key += name;
  key += '\x1F';
  if (see_through) key += std::to_string(*see_through);
  return key;
}

}  // namespace

TextureHandle UploadPicture(SDL_Renderer* renderer, const Picture& picture,
                            std::optional<Colour> see_through) {
  if (picture.Width <= 0 || picture.Height <= 0) return nullptr;
  if (picture.Rgba.size() < RgbaBytes(picture.Width, picture.Height)) {
    return nullptr;
  }
  const std::vector<uint8_t>* pixels = &picture.Rgba;
  std::vector<uint8_t> keyed;
  if (see_through) {
    keyed = picture.Rgba;
    const uint8_t r = *see_through & 0xFF;
    const uint8_t g = (*see_through >> 8) & 0xFF;
    const uint8_t b = (*see_through >> 16) & 0xFF;
    for (std::size_t i = 0; i + 3 < keyed.size(); i += 4) {
      if (keyed[i] == r && keyed[i + 1] == g && keyed[i + 2] == b) keyed[i + 3] = 0;
    }
    pixels = &keyed;
  }
  TextureHandle texture(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32,
                                          SDL_TEXTUREACCESS_STATIC, picture.Width, picture.Height));
  if (!texture) return nullptr;
  SDL_UpdateTexture(texture.get(), nullptr, pixels->data(), picture.Width * 4);
  SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
  return texture;
}

ShownPicture PictureTextures::Use(Entry& entry) {
  entry.LastUsed = frame_;
  return ShownPicture{entry.Texture.get(), entry.Width, entry.Height};
}

ShownPicture PictureTextures::Skin(std::string_view name, std::optional<Colour> see_through) {
  return File(PicturePathFor(name), see_through);
}

ShownPicture PictureTextures::File(const std::string& path, std::optional<Colour> see_through) {
  const std::string key = CacheKey("file", path, see_through);
  auto it = entries_.find(key);
  if (it == entries_.end()) {
    PictureResult decoded = DecodePicture(path);
    Entry entry;
    if (decoded) {
      entry.Width = decoded.Value().Width;
      entry.Height = decoded.Value().Height;
      entry.Texture = UploadPicture(renderer_, decoded.Value(), see_through);
    } else if (!reported_[path]) {
      reported_[path] = true;
      std::cerr << "quarvelin: " << Cp1250ToUtf8(decoded.Error()) << '\n';
    }
    it = entries_.emplace(key, std::move(entry)).first;
  }
  return Use(it->second);
}

void PictureTextures::EndFrame() {
  if (entries_.size() > kKeptPictures) {
    std::erase_if(entries_, [this](const auto& entry) { return entry.second.LastUsed != frame_; });
  }
  ++frame_;
}

}  // namespace qv
