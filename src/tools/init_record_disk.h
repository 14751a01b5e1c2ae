// The initialization record of a gamebook folder, read for the tools (which
// work on any folder, not on the working directory like the engine).
#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "tools/init_text.h"

namespace qv {

// DIR/data/inicializace.qvl
std::filesystem::path InitRecordPathIn(const std::filesystem::path& dir);

// The first 240 bytes of the file, or a message why there are none.
std::variant<InitRecordBytes, std::string> ReadInitRecordBytes(const std::filesystem::path& file);

// The decoded check string of the record in DIR, or a message.
std::variant<std::string, std::string> ReadCheckString(const std::filesystem::path& dir);

}  // namespace qv
