// Plays the fallback voice's utterances on an audio device of their own, so
// speech neither takes a channel from the game's sounds nor waits for them:
// utterances queue one after the other and Stop drops them all at once.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "speech/wav_playback.h"

namespace qv {

class SdlSpeechPlayback final : public WavPlayback {
 public:
  SdlSpeechPlayback() = default;
  ~SdlSpeechPlayback() override;
  SdlSpeechPlayback(const SdlSpeechPlayback&) = delete;
  SdlSpeechPlayback& operator=(const SdlSpeechPlayback&) = delete;

  // The device opens with the first utterance, in that utterance's format; a
  // machine without sound stays silent.
  void Queue(std::vector<uint8_t> wav) override;
  void Stop() override;

 private:
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec spec_{};
  bool subsystem_started_ = false;
};

}  // namespace qv
