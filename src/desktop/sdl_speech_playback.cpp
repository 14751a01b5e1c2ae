#include "desktop/sdl_speech_playback.h"

namespace qv {

SdlSpeechPlayback::~SdlSpeechPlayback() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSpeechPlayback::Queue(std::vector<uint8_t> wav) {
  SDL_RWops* source = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
  SDL_AudioSpec spec{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!source || !SDL_LoadWAV_RW(source, 1, &spec, &samples, &length)) return;
  if (device_ == 0) {
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
      subsystem_started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    device_ = SDL_OpenAudioDevice(nullptr, 0, &spec, &spec_, 0);
    if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
  }
  // Every utterance comes from the same synthesizer, in the format the
  // device was opened with.
  if (device_ != 0 && spec.freq == spec_.freq && spec.format == spec_.format &&
      spec.channels == spec_.channels) {
    SDL_QueueAudio(device_, samples, length);
  }
  SDL_FreeWAV(samples);
}

void SdlSpeechPlayback::Stop() {
  if (device_ != 0) SDL_ClearQueuedAudio(device_);
}

}  // namespace qv
