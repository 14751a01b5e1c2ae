// Synthesised sound: a few signal helpers, an 8-bit mono WAV writer and a
// 4-channel tracker module ("M.K." layout) written byte by byte.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::demo {

// A reproducible noise source (xorshift), so every run draws the same noise.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
  // A value in -1 .. 1.
  double Next();

 private:
  uint32_t state_;
};

// Samples in -1 .. 1 at kSampleRate.
using Signal = std::vector<double>;
inline constexpr int kSampleRate = 11025;

// 8-bit unsigned mono PCM at kSampleRate; values are clipped to -1 .. 1.
void WriteWav(const Signal& signal, const std::filesystem::path& path);

// One sample of a tracker module: signed 8-bit data (even length) with an
// optional loop, in bytes from the start.
struct ModuleSample {
  std::string Name;  // up to 22 bytes
  std::vector<int8_t> Data;
  int Volume = 64;   // 0..64
  int LoopStart = 0;
  int LoopLength = 0;  // 0: no loop
};

// One cell of a pattern: sample number (0 = none), Amiga period (0 = none),
// effect and its parameter.
struct ModuleNote {
  int Sample = 0;
  int Period = 0;
  int Effect = 0;
  int Param = 0;
};

using ModulePattern = std::array<std::array<ModuleNote, 4>, 64>;

struct Module {
  std::string Title;  // up to 20 bytes
  std::vector<ModuleSample> Samples;  // at most 31
  std::vector<ModulePattern> Patterns;
  std::vector<int> Order;  // pattern numbers to play, at most 128
};

void WriteModule(const Module& module, const std::filesystem::path& path);

// The period of a note: octave 1..3, semitone 0 (C) .. 11 (B).
int Period(int octave, int semitone);

}  // namespace qv::demo
