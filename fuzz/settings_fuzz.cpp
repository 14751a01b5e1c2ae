// setup.ini, applied and written back.
#include "audio/audio_player.h"
#include "audio/recording_audio_backend.h"
#include "fuzz/fuzz_support.h"
#include "state/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::RecordingAudioBackend device;
  qv::AudioPlayer audio(device);
  qv::ApplySettingsText(qv::fuzz::AsText(data, size), audio);
  qv::SettingsText(audio);
  return 0;
}
