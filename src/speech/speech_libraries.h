// The speech libraries, opened the first time reading aloud is asked for
// rather than linked: most players never turn it on, and loading them (and
// what they load) cost every start of the desktop player time and memory.
// Both are optional; a library that is not installed leaves its voice out.
#pragma once

#include <espeak-ng/speak_lib.h>
#include <speech-dispatcher/libspeechd.h>

namespace qv {

// The calls of speech-dispatcher's client library that the voice makes.
struct SpeechDispatcherCalls {
  decltype(&spd_open2) Open2;
  decltype(&spd_set_language) SetLanguage;
  decltype(&spd_say) Say;
  decltype(&spd_cancel) Cancel;
  decltype(&spd_close) Close;
};

// The calls of espeak-ng that the synthesizer makes.
struct EspeakCalls {
  decltype(&espeak_Initialize) Initialize;
  decltype(&espeak_SetVoiceByName) SetVoiceByName;
  decltype(&espeak_SetSynthCallback) SetSynthCallback;
  decltype(&espeak_Synth) Synth;
};

// Null when the library or one of its calls cannot be found. Opened once per
// process and kept open: connections and the synthesizer outlive any caller.
const SpeechDispatcherCalls* SpeechDispatcherLibrary();
const EspeakCalls* EspeakLibrary();

}  // namespace qv
