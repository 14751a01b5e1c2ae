// Writing a frame of the desktop window as a PNG file (screenshots).
#pragma once

#include <string>

#include "ui/picture.h"

namespace qv {

// Writes the picture's R, G, B, A pixels as an 8-bit RGBA PNG file at
// `path` (a path on disk, UTF-8); false when it cannot be written.
bool WritePng(const std::string& path, const Picture& picture);

}  // namespace qv
