#include "speech/speech_dispatcher_voice.h"

#include <speech-dispatcher/libspeechd.h>

#include <cstdlib>
#include <string>

namespace qv {

namespace {

SPDConnection* Connection(void* connection) { return static_cast<SPDConnection*>(connection); }

}  // namespace

std::unique_ptr<SpeechDispatcherVoice> SpeechDispatcherVoice::Connect() {
  char* error = nullptr;
  SPDConnection* connection = spd_open2("quarvelin", "reading", nullptr, SPD_MODE_THREADED,
                                        nullptr, /*autospawn=*/0, &error);
  std::free(error);
  if (!connection) return nullptr;
  spd_set_language(connection, "cs");
  return std::unique_ptr<SpeechDispatcherVoice>(new SpeechDispatcherVoice(connection));
}

SpeechDispatcherVoice::~SpeechDispatcherVoice() { spd_close(Connection(connection_)); }

void SpeechDispatcherVoice::Speak(std::string_view utf8) {
  const std::string text(utf8);
  // Text priority queues each utterance after the one before.
  spd_say(Connection(connection_), SPD_TEXT, text.c_str());
}

void SpeechDispatcherVoice::Stop() { spd_cancel(Connection(connection_)); }

}  // namespace qv
