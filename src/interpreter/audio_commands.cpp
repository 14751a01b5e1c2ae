// Sound and music commands, passed on to the audio player. Without the sound
// library (AudioAvailable false, no player) every one of them does nothing,
// as the gamebook expects on a machine without sound.
//
// AUDIOSOUND, AUDIOTRACK and AUDIOSTREAM play the file of every SOUBOR
// attribute in order (a sound, a music track, a music stream), other
// attributes being ignored; AUDIOSTOP, AUDIOPAUSE and AUDIOCONTINUE stop,
// pause and resume the music.
#include "audio/audio_player.h"
#include "interpreter/flow_commands.h"
#include "interpreter/tag_attributes.h"
#include "interpreter/tform1.h"

namespace qv {

namespace {

TAudio* PlayerOf(TForm1& form) { return form.State.AudioAvailable ? form.Audio : nullptr; }

template <void (TAudio::*Play)(std::string_view)>
void PlayEachFile(TForm1& form, const TagEntry& tag) {
  TAudio* audio = PlayerOf(form);
  if (!audio) return;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "SOUBOR") (audio->*Play)(p.Value);
  }
}

template <void (TAudio::*Operation)()>
void MusicOperation(TForm1& form, const TagEntry&) {
  if (TAudio* audio = PlayerOf(form)) (audio->*Operation)();
}

}  // namespace

void AddAudioCommands(CommandMap& map) {
  map["AUDIOSOUND"] = &PlayEachFile<&TAudio::PlaySoundFile>;
  map["AUDIOTRACK"] = &PlayEachFile<&TAudio::PlayTrackFile>;
  map["AUDIOSTREAM"] = &PlayEachFile<&TAudio::PlayStreamFile>;
  map["AUDIOSTOP"] = &MusicOperation<&TAudio::StopMusic>;
  map["AUDIOPAUSE"] = &MusicOperation<&TAudio::PauseMusic>;
  map["AUDIOCONTINUE"] = &MusicOperation<&TAudio::ContinueMusic>;
}

}  // namespace qv
