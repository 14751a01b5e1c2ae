// Each call to a sound device as one line of text, such as
// `StreamOpen("./audio/les.ogg", 2, 0, 0) -> 2`: the name, the arguments in
// order (paths quoted, as Windows-1250 bytes) and, for calls that hand back a
// handle or a channel, " -> " and what came back. The recording device and
// the logging wrapper write the same lines, so a log from the desktop player
// reads like one from a headless run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "audio/audio_backend.h"

namespace qv {

std::string InitCallText(int32_t mix_rate, int32_t channels, uint32_t flags);
std::string SampleLoadCallText(int32_t index, std::string_view path, uint32_t mode, int32_t offset,
                               int32_t length, AudioHandle result);
std::string PlaySoundCallText(int32_t channel, AudioHandle sample, int32_t result);
std::string SetVolumeCallText(int32_t channel, int32_t volume);
std::string StreamOpenCallText(std::string_view path, uint32_t mode, int32_t offset, int32_t length,
                               AudioHandle result);
std::string StreamPlayCallText(int32_t channel, AudioHandle stream, int32_t result);
std::string StreamStopCallText(AudioHandle stream);
std::string StreamCloseCallText(AudioHandle stream);
std::string LoadSongCallText(std::string_view path, AudioHandle result);
std::string PlaySongCallText(AudioHandle song);
std::string StopSongCallText(AudioHandle song);
std::string FreeSongCallText(AudioHandle song);
std::string SetMasterVolumeCallText(AudioHandle song, int32_t volume);

}  // namespace qv
