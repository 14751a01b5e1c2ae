#include "state/settings.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "data/text_case.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr bool kUnreadableSwitch = true;
constexpr int32_t kUnreadableVolume = 128;

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The lines of the file; the empty rest after a last line end is no line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// A decimal number, possibly with a fraction or an exponent ("0", "-2",
// "0.0", "1e3").
bool ReadNumber(std::string_view text, double& value) {
  if (text.empty()) return false;
  std::string_view digits = text;
  if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
  if (digits.empty() || !(IsAsciiDigit(digits.front()) || digits.front() == '.')) return false;
  const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || stop != digits.data() + digits.size()) return false;
  if (text.front() == '-') value = -value;
  return true;
}

bool ReadSwitch(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  const std::string upper = UpCaseAscii(text);
  if (upper == "TRUE") return true;
  if (upper == "FALSE") return false;
  double number = 0;
  if (ReadNumber(text, number)) return number != 0;
  return kUnreadableSwitch;
}

int32_t ReadVolume(std::string_view line) {
  std::string_view text = TrimBlanks(line);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int32_t value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size()) {
    return kUnreadableVolume;
  }
  return value;
}

}  // namespace

void ApplySettingsText(std::string_view text, AudioPlayer& audio) {
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() >= 1) audio.SoundOn = ReadSwitch(lines[0]);
  if (lines.size() >= 2) audio.MusicOn = ReadSwitch(lines[1]);
  if (lines.size() >= 3) audio.SoundVolume = ReadVolume(lines[2]);
  if (lines.size() >= 4) audio.MusicVolume = ReadVolume(lines[3]);
}

bool ReadSettings(AudioPlayer& audio) {
  const std::optional<std::string> text =
      ReadContainedFile(DiskPath(kSettingsFile), kMaxGameFileSize);
  if (!text) return false;
  ApplySettingsText(*text, audio);
  return true;
}

std::string SettingsText(const AudioPlayer& audio) {
  std::string text;
  text += audio.SoundOn ? "True" : "False";
  text += kLineEnd;
  text += audio.MusicOn ? "True" : "False";
  text += kLineEnd;
  text += std::to_string(audio.SoundVolume);
  text += kLineEnd;
  text += std::to_string(audio.MusicVolume);
  return text;
}

bool WriteSettings(const AudioPlayer& audio) {
  // A folder standing at the name is kept: the rename cannot replace it.
  return ReplaceContainedFile(DiskPath(kSettingsFile), SettingsText(audio), Durability::Plain);
}

}  // namespace qv
