#include "audio/logging_audio_backend.h"

#include "audio/audio_call_text.h"

namespace qv {

bool LoggingAudioBackend::Init(int32_t mix_rate, int32_t channels, uint32_t flags) {
  const bool opened = device_.Init(mix_rate, channels, flags);
  Calls.push_back(InitCallText(mix_rate, channels, flags));
  return opened;
}

AudioHandle LoggingAudioBackend::SampleLoad(int32_t index, std::string_view path, uint32_t mode,
                                            int32_t offset, int32_t length) {
  const AudioHandle sample = device_.SampleLoad(index, path, mode, offset, length);
  Calls.push_back(SampleLoadCallText(index, path, mode, offset, length, sample));
  return sample;
}

int32_t LoggingAudioBackend::PlaySound(int32_t channel, AudioHandle sample) {
  const int32_t played = device_.PlaySound(channel, sample);
  Calls.push_back(PlaySoundCallText(channel, sample, played));
  return played;
}

bool LoggingAudioBackend::SetVolume(int32_t channel, int32_t volume) {
  const bool set = device_.SetVolume(channel, volume);
  Calls.push_back(SetVolumeCallText(channel, volume));
  return set;
}

AudioHandle LoggingAudioBackend::StreamOpen(std::string_view path, uint32_t mode, int32_t offset,
                                            int32_t length) {
  const AudioHandle stream = device_.StreamOpen(path, mode, offset, length);
  Calls.push_back(StreamOpenCallText(path, mode, offset, length, stream));
  return stream;
}

int32_t LoggingAudioBackend::StreamPlay(int32_t channel, AudioHandle stream) {
  const int32_t played = device_.StreamPlay(channel, stream);
  Calls.push_back(StreamPlayCallText(channel, stream, played));
  return played;
}

bool LoggingAudioBackend::StreamStop(AudioHandle stream) {
  const bool stopped = device_.StreamStop(stream);
  Calls.push_back(StreamStopCallText(stream));
  return stopped;
}

bool LoggingAudioBackend::StreamClose(AudioHandle stream) {
  const bool closed = device_.StreamClose(stream);
  Calls.push_back(StreamCloseCallText(stream));
  return closed;
}

AudioHandle LoggingAudioBackend::LoadSong(std::string_view path) {
  const AudioHandle song = device_.LoadSong(path);
  Calls.push_back(LoadSongCallText(path, song));
  return song;
}

bool LoggingAudioBackend::PlaySong(AudioHandle song) {
  const bool playing = device_.PlaySong(song);
  Calls.push_back(PlaySongCallText(song));
  return playing;
}

bool LoggingAudioBackend::StopSong(AudioHandle song) {
  const bool stopped = device_.StopSong(song);
  Calls.push_back(StopSongCallText(song));
  return stopped;
}

bool LoggingAudioBackend::FreeSong(AudioHandle song) {
  const bool freed = device_.FreeSong(song);
  Calls.push_back(FreeSongCallText(song));
  return freed;
}

bool LoggingAudioBackend::SetMasterVolume(AudioHandle song, int32_t volume) {
  const bool set = device_.SetMasterVolume(song, volume);
  Calls.push_back(SetMasterVolumeCallText(song, volume));
  return set;
}

}  // namespace qv
