#include "speech/espeak_voice.h"

#include "speech/speech_dispatcher_voice.h"

namespace qv {

void EspeakVoice::Speak(std::string_view utf8) {
  if (utf8.empty()) return;
  const SpeechAudio audio = synthesizer_->Synthesize(utf8);
  if (!audio.Samples.empty()) playback_.Queue(WavFileBytes(audio));
}

std::unique_ptr<SpeechVoice> OpenReadingVoice(WavPlayback* playback) {
  if (auto service = SpeechDispatcherVoice::Connect()) return service;
  if (!playback) return nullptr;
  auto synthesizer = EspeakSynthesizer::Open("cs");
  if (!synthesizer) return nullptr;
  return std::make_unique<EspeakVoice>(std::move(synthesizer), *playback);
}

}  // namespace qv
