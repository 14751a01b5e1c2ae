// Reading aloud onto the clipboard: each utterance replaces the clipboard's
// text, for a screen reader or a braille display that follows it. Nothing is
// heard.
#pragma once

#include <string_view>

#include "comforts/speech_voice.h"

namespace qv {

class ClipboardVoice final : public SpeechVoice {
 public:
  void Speak(std::string_view utf8) override;
  void Stop() override {}  // what is on the clipboard stays there
};

}  // namespace qv
