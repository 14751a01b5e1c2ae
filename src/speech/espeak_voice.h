// Reading aloud with espeak-ng's Czech voice, played by the host: the voice
// used when no speech service runs.
#pragma once

#include <memory>
#include <string_view>

#include "comforts/speech_voice.h"
#include "speech/espeak_synthesizer.h"
#include "speech/wav_playback.h"

namespace qv {

class EspeakVoice final : public SpeechVoice {
 public:
  EspeakVoice(std::unique_ptr<EspeakSynthesizer> synthesizer, WavPlayback& playback)
      : synthesizer_(std::move(synthesizer)), playback_(playback) {}

  void Speak(std::string_view utf8) override;
  void Stop() override { playback_.Stop(); }

 private:
  std::unique_ptr<EspeakSynthesizer> synthesizer_;
  WavPlayback& playback_;
};

// The voice reading aloud uses: speech-dispatcher when it runs, else
// espeak-ng played through `playback` (when given), else null (nothing can
// speak; the player goes on silently).
std::unique_ptr<SpeechVoice> OpenReadingVoice(WavPlayback* playback);

}  // namespace qv
