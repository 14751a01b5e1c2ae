// AudioPlayer (TAudio): the game's one audio player: short sounds that may overlap, and
// one piece of music at a time, either a stream (read while it plays, in a
// loop) or a music module (a track). It keeps the player's switches and
// volumes, and which music was started last so that a saved position can
// start it again.
//
// Every file is "./audio/" + the name the gamebook gives, as it stands. The
// device's results are never checked: a file that cannot be opened plays
// nothing and the game goes on.
#pragma once

#include <cstdint>
#include <string_view>

#include "audio/audio_backend.h"
#include "data/short_string.h"

namespace qv {

// Where sounds and music are looked up.
inline constexpr std::string_view kAudioFolder = "./audio/";

// MusicKind values.
inline constexpr int32_t kNoMusic = 0;
inline constexpr int32_t kStreamMusic = 1;
inline constexpr int32_t kTrackMusic = 2;

class AudioPlayer {
 public:
  static constexpr int32_t kMixRate = 44100;
  static constexpr int32_t kChannels = 32;
  static constexpr int32_t kDefaultVolume = 64;

  // Opens the device (44100 Hz, 32 channels, no flags).
  explicit AudioPlayer(AudioBackend& device);
  // Releases nothing: what plays goes on until the program ends.
  ~AudioPlayer() = default;
  AudioPlayer(const AudioPlayer&) = delete;
  AudioPlayer& operator=(const AudioPlayer&) = delete;

  // Plays a sound when sounds are on; the sample is never released.
  void PlaySoundFile(std::string_view name);
  // Stops the open music and starts `name` when music is on: a looping
  // stream, or a music module.
  void PlayStreamFile(std::string_view name);
  void PlayTrackFile(std::string_view name);
  // Sets the music volume on the module and on the stream's channel, both
  // whatever plays (the device ignores the one that is not open).
  void SetMusicVolume(int32_t volume);
  // Closes the open music. MusicName stays, so a later save still knows it.
  void StopMusic();
  // Halts the music and turns music off; new music cannot start until
  // ContinueMusic (the settings window's music switch is the same flag).
  void PauseMusic();
  // Resumes the halted music and turns music on.
  void ContinueMusic();

  AudioBackend& Device() { return device_; }

  AudioHandle MusicHandle = kNoAudioHandle;  // the open stream or module
  int32_t MusicChannel = kNoChannel;         // where the stream plays
  bool SoundOn = true;
  bool MusicOn = true;
  int32_t SoundVolume = kDefaultVolume;  // 0..255, for each new sound
  int32_t MusicVolume = kDefaultVolume;  // 0..255
  int32_t MusicKind = kNoMusic;
  ShortString<100> MusicName;  // as the gamebook named it, without the folder

 private:
  AudioBackend& device_;
};

}  // namespace qv
