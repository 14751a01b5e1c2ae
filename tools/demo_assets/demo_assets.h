// The demo gamebook's files, each group written under one output folder
// (the gamebook folder: data/, grafika/, obrazky/, audio/).
#pragma once

#include <filesystem>

namespace qv::demo {

// grafika/ (the skin's pictures) and obrazky/ (pictures of the story).
void WritePictures(const std::filesystem::path& out);
// audio/: sounds, the looping stream and the tracker module.
void WriteSounds(const std::filesystem::path& out);
// data/ and the skin's INI files: every text file of the source folder (kept
// in UTF-8) converted to Windows-1250, and data/inicializace.qvl.
void WriteTexts(const std::filesystem::path& source, const std::filesystem::path& out);

// The program's icon, `size` pixels square, as a PNG file.
void WriteProgramIcon(int size, const std::filesystem::path& file);

}  // namespace qv::demo
