#include "audio/recording_audio_backend.h"

#include <filesystem>
#include <system_error>

#include "data/disk_path.h"

namespace qv {

namespace {

std::string Quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

std::string Number(int64_t value) { return std::to_string(value); }

}  // namespace

bool RecordingAudioBackend::Init(int32_t mix_rate, int32_t channels, uint32_t flags) {
  Calls.push_back("Init(" + Number(mix_rate) + ", " + Number(channels) + ", " + Number(flags) +
                  ")");
  channels_ = channels > 0 ? channels : 0;
  return channels_ > 0;
}

AudioHandle RecordingAudioBackend::SampleLoad(int32_t index, std::string_view path, uint32_t mode,
                                              int32_t offset, int32_t length) {
  const AudioHandle sample = Open(path, Kind::Sample);
  Calls.push_back("SampleLoad(" + Number(index) + ", " + Quoted(path) + ", " + Number(mode) + ", " +
                  Number(offset) + ", " + Number(length) + ") -> " + Number(sample));
  return sample;
}

int32_t RecordingAudioBackend::PlaySound(int32_t channel, AudioHandle sample) {
  const int32_t played = Holds(sample, Kind::Sample) ? NextChannel() : kNoChannel;
  Calls.push_back("PlaySound(" + Number(channel) + ", " + Number(sample) + ") -> " +
                  Number(played));
  return played;
}

bool RecordingAudioBackend::SetVolume(int32_t channel, int32_t volume) {
  Calls.push_back("SetVolume(" + Number(channel) + ", " + Number(volume) + ")");
  return channel >= 0 && channel < channels_;
}

AudioHandle RecordingAudioBackend::StreamOpen(std::string_view path, uint32_t mode, int32_t offset,
                                              int32_t length) {
  const AudioHandle stream = Open(path, Kind::Stream);
  Calls.push_back("StreamOpen(" + Quoted(path) + ", " + Number(mode) + ", " + Number(offset) +
                  ", " + Number(length) + ") -> " + Number(stream));
  return stream;
}

int32_t RecordingAudioBackend::StreamPlay(int32_t channel, AudioHandle stream) {
  const int32_t played = Holds(stream, Kind::Stream) ? NextChannel() : kNoChannel;
  Calls.push_back("StreamPlay(" + Number(channel) + ", " + Number(stream) + ") -> " +
                  Number(played));
  return played;
}

bool RecordingAudioBackend::StreamStop(AudioHandle stream) {
  Calls.push_back("StreamStop(" + Number(stream) + ")");
  return Holds(stream, Kind::Stream);
}

bool RecordingAudioBackend::StreamClose(AudioHandle stream) {
  Calls.push_back("StreamClose(" + Number(stream) + ")");
  if (!Holds(stream, Kind::Stream)) return false;
  handles_.erase(stream);
  return true;
}

AudioHandle RecordingAudioBackend::LoadSong(std::string_view path) {
  const AudioHandle song = Open(path, Kind::Song);
  Calls.push_back("LoadSong(" + Quoted(path) + ") -> " + Number(song));
  return song;
}

bool RecordingAudioBackend::PlaySong(AudioHandle song) {
  Calls.push_back("PlaySong(" + Number(song) + ")");
  return Holds(song, Kind::Song);
}

bool RecordingAudioBackend::StopSong(AudioHandle song) {
  Calls.push_back("StopSong(" + Number(song) + ")");
  return Holds(song, Kind::Song);
}

bool RecordingAudioBackend::FreeSong(AudioHandle song) {
  Calls.push_back("FreeSong(" + Number(song) + ")");
  if (!Holds(song, Kind::Song)) return false;
  handles_.erase(song);
  return true;
}

bool RecordingAudioBackend::SetMasterVolume(AudioHandle song, int32_t volume) {
  Calls.push_back("SetMasterVolume(" + Number(song) + ", " + Number(volume) + ")");
  return Holds(song, Kind::Song);
}

AudioHandle RecordingAudioBackend::Open(std::string_view path, Kind kind) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(DiskPath(path), error)) return kNoAudioHandle;
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
