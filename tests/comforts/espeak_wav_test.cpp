// The fallback voice: one Czech utterance rendered to a WAV file by espeak-ng.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "speech/espeak_synthesizer.h"
#include "speech/espeak_voice.h"
#include "speech/recording_wav_playback.h"
#include "speech/speech_dispatcher_voice.h"

namespace qv {
namespace {

uint32_t LittleEndian(const std::vector<uint8_t>& bytes, std::size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

TEST(EspeakWavTest, CzechUtteranceIsSpeechLengthAndNotSilent) {
  const auto synthesizer = EspeakSynthesizer::Open("cs");
  ASSERT_NE(synthesizer, nullptr) << "espeak-ng or its Czech voice is missing (espeak-ng-data)";
  const SpeechAudio audio = synthesizer->Synthesize("Stojíš u staré brány. 1. Dál. 2. Zpět.");
  ASSERT_GT(audio.SampleRate, 0);
  const double seconds = static_cast<double>(audio.Samples.size()) / audio.SampleRate;
  // About a dozen syllables: a voice says them in seconds, not in a blip.
  EXPECT_GT(seconds, 1.0);
  EXPECT_LT(seconds, 10.0);
  double energy = 0;
  for (const int16_t sample : audio.Samples) energy += static_cast<double>(sample) * sample;
  const double rms = std::sqrt(energy / static_cast<double>(audio.Samples.size()));
  EXPECT_GT(rms, 300.0);

  const std::vector<uint8_t> wav = WavFileBytes(audio);
  ASSERT_EQ(wav.size(), 44 + 2 * audio.Samples.size());
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(LittleEndian(wav, 4, 4), wav.size() - 8);
  EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(LittleEndian(wav, 20, 2), 1u);  // PCM
  EXPECT_EQ(LittleEndian(wav, 22, 2), 1u);  // mono
  EXPECT_EQ(LittleEndian(wav, 24, 4), static_cast<uint32_t>(audio.SampleRate));
  EXPECT_EQ(LittleEndian(wav, 34, 2), 16u);
  EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
  EXPECT_EQ(LittleEndian(wav, 40, 4), 2 * audio.Samples.size());
}

// espeak-ng hung when started again after an earlier synthesizer had shut
// it down.
TEST(EspeakWavTest, SecondSynthesizerAfterTheFirstIsGoneStillSpeaks) {
  EspeakSynthesizer::Open("cs").reset();
  EXPECT_EQ(EspeakSynthesizer::Open("no-such-voice-xx"), nullptr);
  const auto again = EspeakSynthesizer::Open("cs");
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(again->Synthesize("Znovu.").Samples.empty());
}

TEST(EspeakWavTest, UnknownVoiceGivesNoSynthesizer) {
  EXPECT_EQ(EspeakSynthesizer::Open("no-such-voice-xx"), nullptr);
}

// Without a speech service the Czech fallback speaks, through the host's
// playback; without a playback there is nothing that can speak.
TEST(EspeakWavTest, FallbackVoiceWhenNoSpeechServiceRuns) {
  if (SpeechDispatcherVoice::Connect()) GTEST_SKIP() << "a speech-dispatcher runs here";
  EXPECT_EQ(OpenReadingVoice(nullptr), nullptr);
  RecordingWavPlayback playback;
  const auto voice = OpenReadingVoice(&playback);
  ASSERT_NE(voice, nullptr);
  voice->Speak("1. D\xC3\xA1l");
  voice->Speak("");  // nothing to say: nothing queued
  voice->Stop();
  ASSERT_EQ(playback.Queued.size(), 1u);
  EXPECT_GT(playback.Queued[0].size(), 44u + 2 * 22050 / 4);  // over a quarter second
  EXPECT_EQ(playback.Stops, 1);
}

}  // namespace
}  // namespace qv
