// The sound device of the desktop player on SDL_mixer: samples read whole
// and kept per file name, music streams and music modules played as
// SDL_mixer music (one piece at a time), volumes 0..255 scaled to 0..128.
// A file that cannot be read gives the handle 0 and plays nothing; without
// any sound device the player falls back to SDL's silent driver, and when
// even that fails every call does nothing.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "audio/audio_backend.h"

namespace qv {

class MixerAudioBackend final : public AudioBackend {
 public:
  // The channel number that stands for the music (streams play as music,
  // which has no mixing channel of its own in SDL_mixer).
  static constexpr int32_t kMusicChannel = 1000;

  MixerAudioBackend() = default;
  ~MixerAudioBackend() override;
  MixerAudioBackend(const MixerAudioBackend&) = delete;
  MixerAudioBackend& operator=(const MixerAudioBackend&) = delete;

  bool Init(int32_t mix_rate, int32_t channels, uint32_t flags) override;
  AudioHandle SampleLoad(int32_t index, std::string_view path, uint32_t mode, int32_t offset,
                         int32_t length) override;
  int32_t PlaySound(int32_t channel, AudioHandle sample) override;
  bool SetVolume(int32_t channel, int32_t volume) override;
  AudioHandle StreamOpen(std::string_view path, uint32_t mode, int32_t offset,
                         int32_t length) override;
  int32_t StreamPlay(int32_t channel, AudioHandle stream) override;
  bool StreamStop(AudioHandle stream) override;
  bool StreamClose(AudioHandle stream) override;
  AudioHandle LoadSong(std::string_view path) override;
  bool PlaySong(AudioHandle song) override;
  bool StopSong(AudioHandle song) override;
  bool FreeSong(AudioHandle song) override;
  bool SetMasterVolume(AudioHandle song, int32_t volume) override;

  // Whether a device (a real one or the silent driver) is open.
  bool Open() const { return open_; }
  // The name of SDL's audio driver in use; empty when none is open.
  std::string DriverName() const;

 private:
  enum class Kind { Stream, Song };
  struct MusicEntry {
    Mix_Music* Music = nullptr;
    Kind Type = Kind::Stream;
  };

  bool OpenDevice(int32_t mix_rate);
  AudioHandle OpenMusic(std::string_view path, Kind kind);
  MusicEntry* FindMusic(AudioHandle handle, Kind kind);
  bool PlayMusic(AudioHandle handle, Kind kind);
  bool HaltIfPlaying(AudioHandle handle);
  bool ReleaseMusic(AudioHandle handle, Kind kind);

  bool open_ = false;
  bool subsystem_started_ = false;
  AudioHandle next_handle_ = 1;
  std::map<std::string, AudioHandle> sample_by_path_;
  std::map<AudioHandle, Mix_Chunk*> samples_;
  std::map<AudioHandle, MusicEntry> music_;
  AudioHandle playing_music_ = kNoAudioHandle;
  int music_volume_ = MIX_MAX_VOLUME;
};

// 0..255 as SDL_mixer's 0..128, values outside kept to the range.
int MixerVolume(int32_t volume);

}  // namespace qv
