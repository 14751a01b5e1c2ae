#include "audio/audio_availability.h"

#include "data/contained_files.h"

namespace qv {

bool SoundLibraryPresent() {
  if (KindOfEntry(kSoundLibraryFile) != EntryKind::Missing) return true;
  return IsContainedDirectory(kAudioFolderPath);
}

}  // namespace qv
