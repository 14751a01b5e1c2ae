// Where a synthesized utterance is played: the host's audio device. The
// desktop plays through its mixer; tests keep the bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace qv {

class WavPlayback {
 public:
  virtual ~WavPlayback() = default;
  // A whole WAV file (16-bit mono PCM), played after those queued before.
  virtual void Queue(std::vector<uint8_t> wav) = 0;
  // Stops what plays and drops what is queued.
  virtual void Stop() = 0;
};

}  // namespace qv
