#include "speech/speech_libraries.h"

#include <dlfcn.h>

#include <optional>

namespace qv {

namespace {

// Resolves `name` into `call`; false when it is missing.
template <typename Call>
bool Resolve(void* library, const char* name, Call& call) {
  call = reinterpret_cast<Call>(dlsym(library, name));
  return call != nullptr;
}

std::optional<SpeechDispatcherCalls> OpenSpeechDispatcher() {
  void* library = dlopen("libspeechd.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!library) return std::nullopt;
  SpeechDispatcherCalls calls{};
  if (Resolve(library, "spd_open2", calls.Open2) &&
      Resolve(library, "spd_set_language", calls.SetLanguage) &&
      Resolve(library, "spd_say", calls.Say) && Resolve(library, "spd_cancel", calls.Cancel) &&
      Resolve(library, "spd_close", calls.Close)) {
    return calls;
  }
  dlclose(library);
  return std::nullopt;
}

std::optional<EspeakCalls> OpenEspeak() {
  void* library = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!library) return std::nullopt;
  EspeakCalls calls{};
  if (Resolve(library, "espeak_Initialize", calls.Initialize) &&
      Resolve(library, "espeak_SetVoiceByName", calls.SetVoiceByName) &&
      Resolve(library, "espeak_SetSynthCallback", calls.SetSynthCallback) &&
      Resolve(library, "espeak_Synth", calls.Synth)) {
    return calls;
  }
  dlclose(library);
  return std::nullopt;
}

}  // namespace

const SpeechDispatcherCalls* SpeechDispatcherLibrary() {
  static const std::optional<SpeechDispatcherCalls> calls = OpenSpeechDispatcher();
  return calls ? &*calls : nullptr;
}

const EspeakCalls* EspeakLibrary() {
  static const std::optional<EspeakCalls> calls = OpenEspeak();
  return calls ? &*calls : nullptr;
}

}  // namespace qv
