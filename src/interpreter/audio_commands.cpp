// Sound and music commands. Without the sound library (AudioAvailable false)
// every one of them does nothing, as the gamebook expects on a machine
// without sound.
//
// The audio player is not part of the engine yet: until it arrives these
// tags do nothing even with the sound library present. Each will then pass
// its work on: AUDIOSOUND, AUDIOTRACK and AUDIOSTREAM play the file of every
// SOUBOR attribute in order (a sound, a music track, a music stream);
// AUDIOSTOP, AUDIOPAUSE and AUDIOCONTINUE stop, pause and resume the music.
#include "interpreter/flow_commands.h"
#include "interpreter/tform1.h"

namespace qv {

namespace {

void Audio(TForm1& form, const TagEntry&) {
  if (!form.State.AudioAvailable) return;
  // The audio player's operation goes here.
}

}  // namespace

void AddAudioCommands(CommandMap& map) {
  for (const char* name :
       {"AUDIOSOUND", "AUDIOTRACK", "AUDIOSTREAM", "AUDIOSTOP", "AUDIOPAUSE", "AUDIOCONTINUE"}) {
    map[name] = &Audio;
  }
}

}  // namespace qv
