// A sound device that passes every call on to another one and writes it
// down, in order, as the recording device does (audio_call_text), with what
// the other device really handed back. The desktop player plays through it
// in scripted runs, so their dumps show the calls as headless runs do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "audio/audio_backend.h"

namespace qv {

class LoggingAudioBackend final : public AudioBackend {
 public:
  // `device` must outlive this.
  explicit LoggingAudioBackend(AudioBackend& device) : device_(device) {}

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
  AudioBackend& device_;
};

}  // namespace qv
