#include "audio/audio_call_text.h"

namespace qv {

namespace {

std::string Quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

std::string Number(int64_t value) { return std::to_string(value); }

std::string Returned(int64_t value) { return " -> " + Number(value); }

}  // namespace

std::string InitCallText(int32_t mix_rate, int32_t channels, uint32_t flags) {
  return "Init(" + Number(mix_rate) + ", " + Number(channels) + ", " + Number(flags) + ")";
}

std::string SampleLoadCallText(int32_t index, std::string_view path, uint32_t mode, int32_t offset,
                               int32_t length, AudioHandle result) {
  return "SampleLoad(" + Number(index) + ", " + Quoted(path) + ", " + Number(mode) + ", " +
         Number(offset) + ", " + Number(length) + ")" + Returned(result);
}

std::string PlaySoundCallText(int32_t channel, AudioHandle sample, int32_t result) {
  return "PlaySound(" + Number(channel) + ", " + Number(sample) + ")" + Returned(result);
}

std::string SetVolumeCallText(int32_t channel, int32_t volume) {
  return "SetVolume(" + Number(channel) + ", " + Number(volume) + ")";
}

std::string StreamOpenCallText(std::string_view path, uint32_t mode, int32_t offset, int32_t length,
                               AudioHandle result) {
  return "StreamOpen(" + Quoted(path) + ", " + Number(mode) + ", " + Number(offset) + ", " +
         Number(length) + ")" + Returned(result);
}

std::string StreamPlayCallText(int32_t channel, AudioHandle stream, int32_t result) {
  return "StreamPlay(" + Number(channel) + ", " + Number(stream) + ")" + Returned(result);
}

std::string StreamStopCallText(AudioHandle stream) { return "StreamStop(" + Number(stream) + ")"; }

std::string StreamCloseCallText(AudioHandle stream) {
  return "StreamClose(" + Number(stream) + ")";
}

std::string LoadSongCallText(std::string_view path, AudioHandle result) {
  return "LoadSong(" + Quoted(path) + ")" + Returned(result);
}

std::string PlaySongCallText(AudioHandle song) { return "PlaySong(" + Number(song) + ")"; }

std::string StopSongCallText(AudioHandle song) { return "StopSong(" + Number(song) + ")"; }

std::string FreeSongCallText(AudioHandle song) { return "FreeSong(" + Number(song) + ")"; }

std::string SetMasterVolumeCallText(AudioHandle song, int32_t volume) {
  return "SetMasterVolume(" + Number(song) + ", " + Number(volume) + ")";
}

}  // namespace qv
