// A saved position (./save/NAME.pzv) shown as JSON for authors: every field
// of the record by name, texts converted from Windows-1250 to UTF-8.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace qv {

// The position, or the message why the bytes are no position (a wrong size or
// a count outside 0..100), naming `file_name`.
std::variant<nlohmann::ordered_json, std::string> SavedPositionToJson(std::span<const uint8_t> bytes,
                                                                      std::string_view file_name);

}  // namespace qv
