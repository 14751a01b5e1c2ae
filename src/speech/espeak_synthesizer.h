// Czech speech synthesized by espeak-ng into memory: the fallback voice for
// a machine with no speech service running. The samples are the program's to
// play, so they go through the same audio device as the game's sounds.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace qv {

struct SpeechAudio {
  int SampleRate = 0;
  std::vector<int16_t> Samples;  // mono
};

class EspeakSynthesizer {
 public:
  // Starts the synthesizer with the voice named `voice` (espeak-ng's names:
  // "cs" is Czech). Null when its data or the voice is missing.
  static std::unique_ptr<EspeakSynthesizer> Open(const char* voice = "cs");
  ~EspeakSynthesizer();
  EspeakSynthesizer(const EspeakSynthesizer&) = delete;
  EspeakSynthesizer& operator=(const EspeakSynthesizer&) = delete;

  // The whole utterance, synthesized before it returns.
  SpeechAudio Synthesize(std::string_view utf8);

 private:
  explicit EspeakSynthesizer(int sample_rate) : sample_rate_(sample_rate) {}
  int sample_rate_;
};

// The audio as a WAV file: RIFF, 16-bit little-endian mono PCM.
std::vector<uint8_t> WavFileBytes(const SpeechAudio& audio);

}  // namespace qv
