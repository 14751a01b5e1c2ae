// Whether the game plays sound at all: the sound library file "./fmod.dll"
// beside the program, as gamebooks have always shipped it, or an "./audio/"
// folder beside data/ (this player brings its own sound device, so a
// gamebook with sounds needs no library file).
#pragma once

namespace qv {

inline constexpr const char* kSoundLibraryFile = "./fmod.dll";
inline constexpr const char* kAudioFolderPath = "./audio/";

bool SoundLibraryPresent();

}  // namespace qv
