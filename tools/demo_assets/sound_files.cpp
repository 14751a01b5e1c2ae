#include "sound_files.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace qv::demo {
namespace {

void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutBe16(std::string& out, uint32_t value) {
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
  out.push_back(static_cast<char>(value & 0xFF));
}

// A text in a fixed field, padded with zero bytes.
void PutField(std::string& out, const std::string& text, std::size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, '\0');
  out += field;
}

void WriteFile(const std::string& bytes, const std::filesystem::path& path) {
  std::ofstream f(path, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

double Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_ & 0xFFFF) / 32767.5 - 1.0;
}

void WriteWav(const Signal& signal, const std::filesystem::path& path) {
  const auto n = static_cast<uint32_t>(signal.size());
  std::string out = "RIFF";
  PutLe(out, 36 + n + (n & 1), 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, kSampleRate, 4);
  PutLe(out, kSampleRate, 4);  // bytes per second
  PutLe(out, 1, 2);            // block align
  PutLe(out, 8, 2);            // bits per sample
  out += "data";
  PutLe(out, n, 4);
  for (double s : signal) {
    const double clipped = std::clamp(s, -1.0, 1.0);
    out.push_back(static_cast<char>(static_cast<int>(std::lround(128 + clipped * 127))));
  }
  if (n & 1) out.push_back('\0');  // chunks are padded to even length
  WriteFile(out, path);
}

int Period(int octave, int semitone) {
  // Octave 2 of the usual period table; octave 1 doubles, octave 3 halves.
  static constexpr int kOctave2[12] = {428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226};
  const int p = kOctave2[semitone];
  return octave == 1 ? p * 2 : octave == 3 ? p / 2 : p;
}

void WriteModule(const Module& module, const std::filesystem::path& path) {
  if (module.Samples.size() > 31 || module.Order.empty() || module.Order.size() > 128)
    throw std::runtime_error("module: bad sample or order count");
  std::string out;
  PutField(out, module.Title, 20);
  for (std::size_t i = 0; i < 31; ++i) {
    if (i < module.Samples.size()) {
      const ModuleSample& s = module.Samples[i];
      PutField(out, s.Name, 22);
      PutBe16(out, static_cast<uint32_t>(s.Data.size() / 2));
      out.push_back('\0');  // finetune
      out.push_back(static_cast<char>(s.Volume));
      PutBe16(out, static_cast<uint32_t>(s.LoopStart / 2));
      PutBe16(out, static_cast<uint32_t>(s.LoopLength > 0 ? s.LoopLength / 2 : 1));
    } else {
      PutField(out, "", 22);
      PutBe16(out, 0);
      out.push_back('\0');
      out.push_back('\0');
      PutBe16(out, 0);
      PutBe16(out, 1);
    }
  }
  out.push_back(static_cast<char>(module.Order.size()));
  out.push_back(static_cast<char>(127));
  for (std::size_t i = 0; i < 128; ++i)
    out.push_back(static_cast<char>(i < module.Order.size() ? module.Order[i] : 0));
  out += "M.K.";
  for (const ModulePattern& pattern : module.Patterns)
    for (const auto& row : pattern)
      for (const ModuleNote& n : row) {
        out.push_back(static_cast<char>((n.Sample & 0xF0) | ((n.Period >> 8) & 0x0F)));
        out.push_back(static_cast<char>(n.Period & 0xFF));
        out.push_back(static_cast<char>(((n.Sample & 0x0F) << 4) | (n.Effect & 0x0F)));
        out.push_back(static_cast<char>(n.Param));
      }
  for (const ModuleSample& s : module.Samples)
    out.append(reinterpret_cast<const char*>(s.Data.data()), s.Data.size());
  WriteFile(out, path);
}

}  // namespace qv::demo
