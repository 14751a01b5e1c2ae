// Writing a Raster as PNG, JPEG or GIF. The encoders are given fixed
// settings and no time stamps, so the same picture always gives the same
// bytes.
#pragma once

#include <filesystem>

#include "raster.h"

namespace qv::demo {

// Each throws std::runtime_error when the file cannot be written (and the GIF
// writer when the picture has more than 256 colours).
void WritePng(const Raster& raster, const std::filesystem::path& path);
void WriteJpeg(const Raster& raster, const std::filesystem::path& path, int quality);
void WriteGif(const Raster& raster, const std::filesystem::path& path);

}  // namespace qv::demo
