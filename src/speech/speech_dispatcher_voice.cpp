#include "speech/speech_dispatcher_voice.h"

#include <cstdlib>
#include <string>

#include "speech/speech_libraries.h"

namespace qv {

namespace {

SPDConnection* Connection(void* connection) { return static_cast<SPDConnection*>(connection); }

}  // namespace

std::unique_ptr<SpeechDispatcherVoice> SpeechDispatcherVoice::Connect() {
  const SpeechDispatcherCalls* library = SpeechDispatcherLibrary();
  if (!library) return nullptr;
  char* error = nullptr;
  SPDConnection* connection = library->Open2("quarvelin", "reading", nullptr, SPD_MODE_THREADED,
                                        nullptr, /*autospawn=*/0, &error);
  std::free(error);
  if (!connection) return nullptr;
  library->SetLanguage(connection, "cs");
  return std::unique_ptr<SpeechDispatcherVoice>(new SpeechDispatcherVoice(*library, connection));
}

SpeechDispatcherVoice::~SpeechDispatcherVoice() { library_.Close(Connection(connection_)); }

void SpeechDispatcherVoice::Speak(std::string_view utf8) {
  const std::string text(utf8);
  // Text priority queues each utterance after the one before.
  library_.Say(Connection(connection_), SPD_TEXT, text.c_str());
}

void SpeechDispatcherVoice::Stop() { library_.Cancel(Connection(connection_)); }

}  // namespace qv
