#include "audio/recording_audio_backend.h"

#include <filesystem>
#include <system_error>

#include "audio/audio_call_text.h"
#include "data/contained_files.h"
#include "data/disk_path.h"

namespace qv {

bool RecordingAudioBackend::Init(int32_t mix_rate, int32_t channels, uint32_t flags) {
  Calls.push_back(InitCallText(mix_rate, channels, flags));
  channels_ = channels > 0 ? channels : 0;
  return channels_ > 0;
}

AudioHandle RecordingAudioBackend::SampleLoad(int32_t index, std::string_view path, uint32_t mode,
                                              int32_t offset, int32_t length) {
  const AudioHandle sample = Open(path, Kind::Sample);
  Calls.push_back(SampleLoadCallText(index, path, mode, offset, length, sample));
  return sample;
}

int32_t RecordingAudioBackend::PlaySound(int32_t channel, AudioHandle sample) {
  const int32_t played = Holds(sample, Kind::Sample) ? NextChannel() : kNoChannel;
  Calls.push_back(PlaySoundCallText(channel, sample, played));
  return played;
}

bool RecordingAudioBackend::SetVolume(int32_t channel, int32_t volume) {
  Calls.push_back(SetVolumeCallText(channel, volume));
  return channel >= 0 && channel < channels_;
}

AudioHandle RecordingAudioBackend::StreamOpen(std::string_view path, uint32_t mode, int32_t offset,
                                              int32_t length) {
  const AudioHandle stream = Open(path, Kind::Stream);
  Calls.push_back(StreamOpenCallText(path, mode, offset, length, stream));
  return stream;
}

int32_t RecordingAudioBackend::StreamPlay(int32_t channel, AudioHandle stream) {
  const int32_t played = Holds(stream, Kind::Stream) ? NextChannel() : kNoChannel;
  Calls.push_back(StreamPlayCallText(channel, stream, played));
  return played;
}

bool RecordingAudioBackend::StreamStop(AudioHandle stream) {
  Calls.push_back(StreamStopCallText(stream));
  return Holds(stream, Kind::Stream);
}

bool RecordingAudioBackend::StreamClose(AudioHandle stream) {
  Calls.push_back(StreamCloseCallText(stream));
  if (!Holds(stream, Kind::Stream)) return false;
  handles_.erase(stream);
  return true;
}

AudioHandle RecordingAudioBackend::LoadSong(std::string_view path) {
  const AudioHandle song = Open(path, Kind::Song);
  Calls.push_back(LoadSongCallText(path, song));
  return song;
}

bool RecordingAudioBackend::PlaySong(AudioHandle song) {
  Calls.push_back(PlaySongCallText(song));
  return Holds(song, Kind::Song);
}

bool RecordingAudioBackend::StopSong(AudioHandle song) {
  Calls.push_back(StopSongCallText(song));
  return Holds(song, Kind::Song);
}

bool RecordingAudioBackend::FreeSong(AudioHandle song) {
  Calls.push_back(FreeSongCallText(song));
  if (!Holds(song, Kind::Song)) return false;
  handles_.erase(song);
  return true;
}

bool RecordingAudioBackend::SetMasterVolume(AudioHandle song, int32_t volume) {
  Calls.push_back(SetMasterVolumeCallText(song, volume));
  return Holds(song, Kind::Song);
}

AudioHandle RecordingAudioBackend::Open(std::string_view path, Kind kind) {
  if (!IsContainedFile(DiskPath(path))) return kNoAudioHandle;
  const AudioHandle handle = next_handle_++;
  handles_[handle] = kind;
  return handle;
}

bool RecordingAudioBackend::Holds(AudioHandle handle, Kind kind) const {
  const auto found = handles_.find(handle);
  return found != handles_.end() && found->second == kind;
}

int32_t RecordingAudioBackend::NextChannel() {
  if (channels_ <= 0) return kNoChannel;
  const int32_t channel = next_channel_;
  next_channel_ = (next_channel_ + 1) % channels_;
  return channel;
}

}  // namespace qv
