#include "speech/espeak_synthesizer.h"

#include <string>

#include "speech/speech_libraries.h"

namespace qv {

namespace {

// espeak-ng hands the samples over in pieces, with the utterance's own
// pointer in every event.
int CollectSamples(short* samples, int count, espeak_EVENT* events) {
  if (!events || !samples || count <= 0) return 0;
  auto* audio = static_cast<SpeechAudio*>(events->user_data);
  if (audio) audio->Samples.insert(audio->Samples.end(), samples, samples + count);
  return 0;
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::unique_ptr<EspeakSynthesizer> EspeakSynthesizer::Open(const char* voice) {
  const EspeakCalls* library = EspeakLibrary();
  if (!library) return nullptr;
  const int rate = library->Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
  if (rate <= 0) return nullptr;
  if (library->SetVoiceByName(voice) != EE_OK) return nullptr;
  library->SetSynthCallback(&CollectSamples);
  return std::unique_ptr<EspeakSynthesizer>(new EspeakSynthesizer(rate));
}

// espeak-ng is left running: once terminated, a later start in the same
// process hangs in choosing its voice; starting it again without that is
// sound.
EspeakSynthesizer::~EspeakSynthesizer() = default;

SpeechAudio EspeakSynthesizer::Synthesize(std::string_view utf8) {
  SpeechAudio audio;
  audio.SampleRate = sample_rate_;
  const std::string text(utf8);  // espeak-ng reads up to a NUL
  // Synchronous output: the call returns once every sample has been handed
  // over (espeak_Synchronize would wait for a playback that never starts).
  EspeakLibrary()->Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
               &audio);
  return audio;
}

std::vector<uint8_t> WavFileBytes(const SpeechAudio& audio) {
  const auto data_size = static_cast<uint32_t>(audio.Samples.size() * 2);
  const auto rate = static_cast<uint32_t>(audio.SampleRate);
  std::vector<uint8_t> out;
  out.reserve(44 + data_size);
  const auto tag = [&](const char* four) { out.insert(out.end(), four, four + 4); };
  tag("RIFF");
  PutLittleEndian(out, 36 + data_size, 4);
  tag("WAVE");
  tag("fmt ");
  PutLittleEndian(out, 16, 4);        // the format block's size
  PutLittleEndian(out, 1, 2);         // PCM
  PutLittleEndian(out, 1, 2);         // mono
  PutLittleEndian(out, rate, 4);
  PutLittleEndian(out, rate * 2, 4);  // bytes a second
  PutLittleEndian(out, 2, 2);         // bytes a sample
  PutLittleEndian(out, 16, 2);        // bits a sample
  tag("data");
  PutLittleEndian(out, data_size, 4);
  for (const int16_t sample : audio.Samples) PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
  return out;
}

}  // namespace qv
