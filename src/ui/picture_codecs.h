// Shared pieces of the picture decoders; not for use outside src/ui.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/picture.h"

namespace qv::picture_codecs {

// Reasons appended to a failure message (Windows-1250).
inline constexpr const char* kCannotOpen = "soubor nelze otev\xF8\xEDt";
inline constexpr const char* kUnknownFormat = "nezn\xE1m\xFD form\xE1t";
inline constexpr const char* kDamaged = "po\x9Akozen\xFD soubor";
inline constexpr const char* kOutOfMemory = "nedostatek pam\xECti";

std::string FailureMessage(std::string_view name, std::string_view reason);

// The reason a picture of this size is refused, if it is.
std::optional<std::string> RejectSize(int64_t width, int64_t height);

PictureResult DecodePng(std::span<const uint8_t> bytes, std::string_view name);
PictureResult DecodeJpeg(std::span<const uint8_t> bytes, std::string_view name);
PictureResult DecodeGif(std::span<const uint8_t> bytes, std::string_view name);

}  // namespace qv::picture_codecs
