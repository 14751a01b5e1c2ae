#include "desktop/mixer_audio_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "desktop/quiet_standard_error.h"

namespace qv {

namespace {

constexpr int kOutputChannels = 2;  // stereo
constexpr int kChunkSize = 2048;

// The gamebook's sound file as a stream the mixer reads, opened only inside
// the audio folder and never through a link; null when it cannot be.
SDL_RWops* OpenGamebookAudio(std::string_view path) {
  FileDescriptor descriptor = OpenContainedFile(DiskPath(path));
  if (!descriptor) return nullptr;
  std::FILE* stream = ::fdopen(descriptor.Get(), "rb");
  if (stream == nullptr) return nullptr;
  descriptor.Release();
  SDL_RWops* file = SDL_RWFromFP(stream, SDL_TRUE);
  if (file == nullptr) std::fclose(stream);
  return file;
}

}  // namespace

int MixerVolume(int32_t volume) {
  return static_cast<int>(std::clamp<int32_t>(volume, 0, 255) * MIX_MAX_VOLUME / 255);
}

MixerAudioBackend::~MixerAudioBackend() {
  if (open_) {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& [handle, entry] : music_) Mix_FreeMusic(entry.Music);
    for (auto& [handle, chunk] : samples_) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    Mix_Quit();
  }
  if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerAudioBackend::OpenDevice(int32_t mix_rate) {
  // The drivers' own complaints while they look for a device are not the
  // player's business: Init says in one line what came of it.
  const QuietStandardError quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystem_started_ = true;
  if (Mix_OpenAudio(mix_rate, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkSize) == 0) return true;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  subsystem_started_ = false;
  return false;
}

bool MixerAudioBackend::Init(int32_t mix_rate, int32_t channels, uint32_t /*flags*/) {
  if (open_) return true;
  open_ = OpenDevice(mix_rate);
  if (!open_) {
    // No sound device (a server without sound, a container): the silent
    // driver keeps the game's sound calls working with nothing to hear.
    std::cerr << "quarvelin: no sound device (" << SDL_GetError() << "), playing silently\n";
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    open_ = OpenDevice(mix_rate);
  }
  if (!open_) return false;
  // The decoders for music files; whatever is missing only leaves those
  // files silent.
  {
    const QuietStandardError quiet;
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_MOD | MIX_INIT_FLAC | MIX_INIT_MID);
  }
  Mix_AllocateChannels(std::max(1, channels));
  return true;
}

std::string MixerAudioBackend::DriverName() const {
  if (!open_) return {};
  const char* name = SDL_GetCurrentAudioDriver();
  return name ? name : "";
}

AudioHandle MixerAudioBackend::SampleLoad(int32_t /*index*/, std::string_view path,
                                          uint32_t /*mode*/, int32_t /*offset*/,
                                          int32_t /*length*/) {
  if (!open_) return kNoAudioHandle;
  const std::string key(path);
  if (auto it = sample_by_path_.find(key); it != sample_by_path_.end()) return it->second;
  SDL_RWops* file = OpenGamebookAudio(path);
  Mix_Chunk* chunk = file ? Mix_LoadWAV_RW(file, SDL_TRUE) : nullptr;
  if (!chunk) return kNoAudioHandle;  // a later try may find the file
  const AudioHandle handle = next_handle_++;
  samples_[handle] = chunk;
  sample_by_path_[key] = handle;
  return handle;
}

int32_t MixerAudioBackend::PlaySound(int32_t channel, AudioHandle sample) {
  const auto it = samples_.find(sample);
  if (it == samples_.end()) return kNoChannel;
  const int wanted = channel < 0 ? -1 : channel;
  if (wanted >= Mix_AllocateChannels(-1)) return kNoChannel;
  const int played = Mix_PlayChannel(wanted, it->second, 0);
  return played < 0 ? kNoChannel : played;
}

bool MixerAudioBackend::SetVolume(int32_t channel, int32_t volume) {
  if (!open_ || channel < 0) return false;  // -1 would set every channel
  if (channel == kMusicChannel) {
    music_volume_ = MixerVolume(volume);
    Mix_VolumeMusic(music_volume_);
    return true;
  }
  if (channel >= Mix_AllocateChannels(-1)) return false;
  Mix_Volume(channel, MixerVolume(volume));
  return true;
}

AudioHandle MixerAudioBackend::OpenMusic(std::string_view path, Kind kind) {
  if (!open_) return kNoAudioHandle;
  SDL_RWops* file = OpenGamebookAudio(path);
  // The mixer keeps the file open while the music plays and closes it with
  // the music, or at once when the file is no music it knows.
  Mix_Music* music = file ? Mix_LoadMUS_RW(file, SDL_TRUE) : nullptr;
  if (!music) return kNoAudioHandle;
  const AudioHandle handle = next_handle_++;
  music_[handle] = MusicEntry{music, kind};
  return handle;
}

MixerAudioBackend::MusicEntry* MixerAudioBackend::FindMusic(AudioHandle handle, Kind kind) {
  const auto it = music_.find(handle);
  if (it == music_.end() || it->second.Type != kind) return nullptr;
  return &it->second;
}

bool MixerAudioBackend::PlayMusic(AudioHandle handle, Kind kind) {
  MusicEntry* entry = FindMusic(handle, kind);
  if (!entry) return false;
  // Music plays in a loop until it is stopped.
  if (Mix_PlayMusic(entry->Music, -1) != 0) return false;
  Mix_VolumeMusic(music_volume_);
  playing_music_ = handle;
  return true;
}

bool MixerAudioBackend::HaltIfPlaying(AudioHandle handle) {
  if (handle == kNoAudioHandle || playing_music_ != handle) return false;
  Mix_HaltMusic();
  playing_music_ = kNoAudioHandle;
  return true;
}

bool MixerAudioBackend::ReleaseMusic(AudioHandle handle, Kind kind) {
  MusicEntry* entry = FindMusic(handle, kind);
  if (!entry) return false;
  HaltIfPlaying(handle);
  Mix_FreeMusic(entry->Music);
  music_.erase(handle);
  return true;
}

AudioHandle MixerAudioBackend::StreamOpen(std::string_view path, uint32_t /*mode*/,
                                          int32_t /*offset*/, int32_t /*length*/) {
  return OpenMusic(path, Kind::Stream);
}

int32_t MixerAudioBackend::StreamPlay(int32_t /*channel*/, AudioHandle stream) {
  return PlayMusic(stream, Kind::Stream) ? kMusicChannel : kNoChannel;
}

bool MixerAudioBackend::StreamStop(AudioHandle stream) {
  return FindMusic(stream, Kind::Stream) && HaltIfPlaying(stream);
}

bool MixerAudioBackend::StreamClose(AudioHandle stream) {
  return ReleaseMusic(stream, Kind::Stream);
}

AudioHandle MixerAudioBackend::LoadSong(std::string_view path) {
  return OpenMusic(path, Kind::Song);
}

bool MixerAudioBackend::PlaySong(AudioHandle song) { return PlayMusic(song, Kind::Song); }

bool MixerAudioBackend::StopSong(AudioHandle song) {
  return FindMusic(song, Kind::Song) && HaltIfPlaying(song);
}

bool MixerAudioBackend::FreeSong(AudioHandle song) { return ReleaseMusic(song, Kind::Song); }

bool MixerAudioBackend::SetMasterVolume(AudioHandle song, int32_t volume) {
  if (!FindMusic(song, Kind::Song)) return false;
  music_volume_ = MixerVolume(volume);
  if (playing_music_ == song) Mix_VolumeMusic(music_volume_);
  return true;
}

}  // namespace qv
