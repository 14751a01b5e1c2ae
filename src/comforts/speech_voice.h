// Where reading aloud sends its utterances: a speech service, a synthesizer,
// the clipboard, or a recording for tests. Texts arrive in UTF-8, ready for
// the platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

class SpeechVoice {
 public:
  virtual ~SpeechVoice() = default;
  // Queues one utterance after those still being said.
  virtual void Speak(std::string_view utf8) = 0;
  // Stops what is being said and drops what is queued.
  virtual void Stop() = 0;
};

// Keeps every call, for tests: "speak TEXT" and "stop".
class RecordingSpeechVoice final : public SpeechVoice {
 public:
  void Speak(std::string_view utf8) override { Calls.push_back("speak " + std::string(utf8)); }
  void Stop() override { Calls.emplace_back("stop"); }

  std::vector<std::string> Calls;
};

}  // namespace qv
