// Keeps what would be played, for tests: every queued WAV file, and how
// often playback was stopped.
#pragma once

#include <cstdint>
#include <vector>

#include "speech/wav_playback.h"

namespace qv {

class RecordingWavPlayback final : public WavPlayback {
 public:
  void Queue(std::vector<uint8_t> wav) override { Queued.push_back(std::move(wav)); }
  void Stop() override { ++Stops; }

  std::vector<std::vector<uint8_t>> Queued;
  int Stops = 0;
};

}  // namespace qv
