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
#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"

namespace qv {

namespace {

AudioPlayer* PlayerOf(GameWindow& form) { return form.State.AudioAvailable ? form.Audio : nullptr; }

template <void (AudioPlayer::*Play)(std::string_view)>
void PlayEachFile(GameWindow& form, const TagEntry& tag) {
  AudioPlayer* audio = PlayerOf(form);
  if (!audio) return;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "SOUBOR") (audio->*Play)(p.Value);
  }
}

template <void (AudioPlayer::*Operation)()>
void MusicOperation(GameWindow& form, const TagEntry&) {
  if (AudioPlayer* audio = PlayerOf(form)) (audio->*Operation)();
}

}  // namespace

void AddAudioCommands(CommandMap& map) {
  map["AUDIOSOUND"] = &PlayEachFile<&AudioPlayer::PlaySoundFile>;
  map["AUDIOTRACK"] = &PlayEachFile<&AudioPlayer::PlayTrackFile>;
  map["AUDIOSTREAM"] = &PlayEachFile<&AudioPlayer::PlayStreamFile>;
  map["AUDIOSTOP"] = &MusicOperation<&AudioPlayer::StopMusic>;
  map["AUDIOPAUSE"] = &MusicOperation<&AudioPlayer::PauseMusic>;
  map["AUDIOCONTINUE"] = &MusicOperation<&AudioPlayer::ContinueMusic>;
}

}  // namespace qv
