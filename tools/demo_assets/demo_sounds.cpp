// The sounds of "Noc ve mlýně", synthesised from noise and sine waves, and
// the fight's tracker tune.
#include <cmath>
#include <numbers>

#include "demo_assets.h"
#include "sound_files.h"

namespace qv::demo {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

std::size_t Samples(double seconds) { return static_cast<std::size_t>(seconds * kSampleRate); }

// Thunder: low-passed noise that swells and rolls away.
Signal Thunder() {
  Noise noise(7);
  Signal s(Samples(1.6));
  double low = 0, lower = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    low += 0.08 * (noise.Next() - low);
    lower += 0.05 * (low - lower);
    const double envelope = std::min(1.0, t / 0.08) * std::exp(-2.2 * t);
    s[i] = 5.0 * lower * envelope;
  }
  return s;
}

// A splash: a falling "bloop" over a short hiss.
Signal Splash() {
  Noise noise(11);
  Signal s(Samples(0.5));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += kTau * (600 - 700 * t) / kSampleRate;
    s[i] = 0.6 * std::sin(phase) * std::exp(-9 * t) + 0.3 * noise.Next() * std::exp(-14 * t);
  }
  return s;
}

// The pedlar's bell: a few inharmonic partials dying away.
Signal Bell() {
  Signal s(Samples(0.9));
  const double partials[][2] = {{880, 0.5}, {2420, 0.25}, {3960, 0.12}};
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    for (const auto& p : partials) s[i] += p[1] * std::sin(kTau * p[0] * t) * std::exp(-5 * t);
  }
  return s;
}

// Four seconds of rain over a low hum; both repeat seamlessly, so the loop
// has no seam (the hum makes whole cycles in the loop's length).
Signal RainLoop() {
  Noise noise(23);
  Signal s(Samples(4.0));
  double soft = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    soft += 0.3 * (noise.Next() - soft);
    const double hum = 0.18 * std::sin(kTau * 55 * t) + 0.08 * std::sin(kTau * 82.5 * t);
    s[i] = 0.35 * soft + hum;
  }
  // Raindrops: short clicks at fixed places.
  Noise drops(5);
  for (int d = 0; d < 40; ++d) {
    const auto at = static_cast<std::size_t>((drops.Next() + 1) / 2 * (s.size() - 200));
    for (std::size_t k = 0; k < 120; ++k) s[at + k] += 0.35 * std::sin(kTau * 1800 * k / kSampleRate) * std::exp(-0.05 * k);
  }
  return s;
}

std::vector<int8_t> Cycle(int length, double (*wave)(double)) {
  std::vector<int8_t> data(length);
  for (int i = 0; i < length; ++i)
    data[i] = static_cast<int8_t>(std::lround(110 * wave(static_cast<double>(i) / length)));
  return data;
}

Module GoblinTune() {
  Module m;
  m.Title = "Skret ze splavu";
  ModuleSample bass{"basa", Cycle(32, [](double x) { return x < 0.5 ? 0.8 : -0.8; }), 40, 0, 32};
  ModuleSample flute{"fletna", Cycle(32, [](double x) { return std::sin(kTau * x); }), 48, 0, 32};
  ModuleSample drum{"buben", {}, 56, 0, 0};
  Noise noise(3);
  for (int i = 0; i < 1600; ++i)
    drum.Data.push_back(static_cast<int8_t>(std::lround(120 * noise.Next() * std::exp(-i / 300.0))));
  ModuleSample bell{"zvonek", Cycle(16, [](double x) { return std::sin(kTau * x) * 0.7 + std::sin(3 * kTau * x) * 0.3; }), 32, 0, 16};
  m.Samples = {bass, flute, drum, bell};

  // A minor: the melody steps down from E, the bass walks A - F - G - E.
  const int melody[2][16] = {{4, -1, 0, -1, 2, 4, 5, -1, 4, -1, 2, 0, 11, -1, 9, -1},
                             {9, -1, 11, 0, 2, -1, 4, -1, 5, 4, 2, -1, 0, 11, 9, -1}};
  const int bass_notes[2][4] = {{9, 5, 7, 4}, {9, 5, 4, 9}};
  for (int p = 0; p < 2; ++p) {
    ModulePattern pattern{};
    for (int row = 0; row < 64; ++row) {
      auto& cells = pattern[row];
      if (row % 16 == 0) cells[0] = {1, Period(1, bass_notes[p][row / 16])};
      if (row % 4 == 0) {
        const int note = melody[p][row / 4];
        if (note >= 0) cells[1] = {2, Period(note >= 9 ? 2 : 3, note)};
      }
      if (row % 8 == 4) cells[2] = {3, Period(2, 0)};
      if (row % 32 == 30) cells[3] = {4, Period(3, 4)};
    }
    pattern[0][3].Effect = 0xF;  // speed 5: a little faster than usual
    pattern[0][3].Param = 5;
    m.Patterns.push_back(pattern);
  }
  m.Order = {0, 1, 0, 1};
  return m;
}

}  // namespace

void WriteSounds(const std::filesystem::path& out) {
  const std::filesystem::path a = out / "audio";
  std::filesystem::create_directories(a);
  WriteWav(Thunder(), a / "hrom.wav");
  WriteWav(Splash(), a / "voda.wav");
  WriteWav(Bell(), a / "zvonek.wav");
  WriteWav(RainLoop(), a / "dest.wav");
  WriteModule(GoblinTune(), a / "skret.mod");
}

}  // namespace qv::demo
