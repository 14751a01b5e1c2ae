// The sound device the audio player plays through: a small set of sample,
// stream and music-module operations. The player passes paths as the engine
// keeps them (Windows-1250 bytes, "./audio/" + the gamebook's name); a back
// end that opens real files turns them into disk paths (data/disk_path.h).
//
// No result is ever checked by the player, so a back end must accept any
// handle or channel: a missing file gives the handle 0, a failed play the
// channel -1, and every call with such a handle, with a handle already
// released, or with a handle of the other kind (the player hands a stream
// handle to the module volume call) does nothing. Handles are therefore
// never reused within a run.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// A loaded sample, an open stream or a loaded music module; 0 is none.
using AudioHandle = uint32_t;

inline constexpr AudioHandle kNoAudioHandle = 0;
// Asks for any free channel or sample slot; also what a failed play returns.
inline constexpr int32_t kAnyChannel = -1;
inline constexpr int32_t kNoChannel = -1;
// Stream mode: play in a loop.
inline constexpr uint32_t kStreamLoop = 2;

class AudioBackend {
 public:
  virtual ~AudioBackend() = default;

  // Opens the device: mixing rate in Hz, number of software channels, flags.
  virtual bool Init(int32_t mix_rate, int32_t channels, uint32_t flags) = 0;

  // A short sound read whole into memory; `index` -1 takes any free slot.
  virtual AudioHandle SampleLoad(int32_t index, std::string_view path, uint32_t mode,
                                 int32_t offset, int32_t length) = 0;
  // Plays a sample; returns its channel, -1 when nothing plays.
  virtual int32_t PlaySound(int32_t channel, AudioHandle sample) = 0;
  // Volume 0..255 of what plays on `channel`.
  virtual bool SetVolume(int32_t channel, int32_t volume) = 0;

  // A piece of music read while it plays.
  virtual AudioHandle StreamOpen(std::string_view path, uint32_t mode, int32_t offset,
                                 int32_t length) = 0;
  virtual int32_t StreamPlay(int32_t channel, AudioHandle stream) = 0;
  virtual bool StreamStop(AudioHandle stream) = 0;
  virtual bool StreamClose(AudioHandle stream) = 0;

  // A music module (a tracker song), loaded whole.
  virtual AudioHandle LoadSong(std::string_view path) = 0;
  virtual bool PlaySong(AudioHandle song) = 0;
  virtual bool StopSong(AudioHandle song) = 0;
  virtual bool FreeSong(AudioHandle song) = 0;
  virtual bool SetMasterVolume(AudioHandle song, int32_t volume) = 0;
};

}  // namespace qv
