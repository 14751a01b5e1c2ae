// Reading aloud through speech-dispatcher, the user's own speech service: the
// voice, rate and output the user set up (a screen reader's among them)
// apply; only the language is asked for, as the gamebooks are Czech.
#pragma once

#include <memory>
#include <string_view>

#include "comforts/speech_voice.h"

namespace qv {

struct SpeechDispatcherCalls;

class SpeechDispatcherVoice final : public SpeechVoice {
 public:
  // Connects to a speech-dispatcher that is running; never starts one, so a
  // machine without the service gets null and the fallback voice.
  static std::unique_ptr<SpeechDispatcherVoice> Connect();
  ~SpeechDispatcherVoice() override;
  SpeechDispatcherVoice(const SpeechDispatcherVoice&) = delete;
  SpeechDispatcherVoice& operator=(const SpeechDispatcherVoice&) = delete;

  void Speak(std::string_view utf8) override;
  void Stop() override;

 private:
  SpeechDispatcherVoice(const SpeechDispatcherCalls& library, void* connection)
      : library_(library), connection_(connection) {}
  const SpeechDispatcherCalls& library_;
  void* connection_;  // the library's SPDConnection
};

}  // namespace qv
