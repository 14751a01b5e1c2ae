#include "audio/audio_availability.h"

#include <filesystem>
#include <system_error>

namespace qv {

bool SoundLibraryPresent() {
  std::error_code error;
  if (std::filesystem::exists(kSoundLibraryFile, error)) return true;
  return std::filesystem::is_directory(kAudioFolderPath, error);
}

}  // namespace qv
