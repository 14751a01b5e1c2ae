// A sound device that plays nothing and writes down every call, in order, as
// a line of text such as `StreamOpen("./audio/les.ogg", 2, 0, 0) -> 2`. It
// hands out handles and channels as a real device would, so the calls that
// follow carry the right values: a file that does not exist gives the handle
// 0, and a handle of the wrong kind or one already released is refused.
// Used by the tests and by the headless runner.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "audio/audio_backend.h"

namespace qv {

class RecordingAudioBackend final : public AudioBackend {
 public:
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

  // Every call so far (paths as Windows-1250 bytes).
  std::vector<std::string> Calls;

 private:
  enum class Kind { Sample, Stream, Song };

  // A new handle for a file that exists, else 0.
  AudioHandle Open(std::string_view path, Kind kind);
  bool Holds(AudioHandle handle, Kind kind) const;
  int32_t NextChannel();

  std::map<AudioHandle, Kind> handles_;
  AudioHandle next_handle_ = 1;
  int32_t channels_ = 0;
  int32_t next_channel_ = 0;
};

}  // namespace qv
