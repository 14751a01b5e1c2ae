#include "data/user_preferences.h"

#include <fcntl.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "data/contained_files.h"
#include "data/file_descriptor.h"

namespace qv {
namespace {

// Preferences are a few lines; anything this large is not ours.
constexpr std::uintmax_t kMaxPreferencesSize = 1024 * 1024;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// XDG says a relative value must be ignored.
std::filesystem::path XdgFolder(const char* variable, const char* home_fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return std::filesystem::path(value) / "quarvelin";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    return std::filesystem::path(home) / home_fallback / "quarvelin";
  }
  return {};
}

}  // namespace

std::filesystem::path UserConfigDirectory() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path UserDataDirectory() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path UserPreferencesFile() {
  const auto folder = UserConfigDirectory();
  return folder.empty() ? folder : folder / "preferences.ini";
}

UserPreferences UserPreferences::Parse(std::string_view text) {
  UserPreferences preferences;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = Trim(trimmed.substr(0, equals));
    if (key.empty()) continue;
    preferences.values_.insert_or_assign(std::string(key),
                                         std::string(Trim(trimmed.substr(equals + 1))));
  }
  return preferences;
}

UserPreferences UserPreferences::Load(const std::filesystem::path& file) {
  if (file.empty()) return {};
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {};
  const auto size = std::filesystem::file_size(file, error);
  if (error || size > kMaxPreferencesSize) return {};
  std::ifstream in(file, std::ios::binary);
  std::string text(static_cast<std::size_t>(size), '\0');
  if (!in.read(text.data(), static_cast<std::streamsize>(text.size()))) return {};
  return Parse(text);
}

std::optional<std::string> UserPreferences::Get(std::string_view key) const {
  const auto found = values_.find(key);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::optional<long long> UserPreferences::GetNumber(std::string_view key) const {
  const auto value = Get(key);
  if (!value || value->empty()) return std::nullopt;
  long long number = 0;
  const char* begin = value->data();
  const char* end = begin + value->size();
  const auto [stop, error] = std::from_chars(begin, end, number);
  if (error != std::errc() || stop != end) return std::nullopt;
  return number;
}

bool UserPreferences::GetFlag(std::string_view key, bool fallback) const {
  const auto value = Get(key);
  if (!value) return fallback;
  if (*value == "1" || *value == "true" || *value == "yes" || *value == "on") return true;
  if (*value == "0" || *value == "false" || *value == "no" || *value == "off") return false;
  return fallback;
}

bool UserPreferences::Set(std::string_view key, std::string_view value) {
  const std::string_view trimmed_key = Trim(key);
  const auto breaks_line = [](std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
  };
  if (trimmed_key.empty() || trimmed_key.front() == '#' ||
      trimmed_key.find('=') != std::string_view::npos || breaks_line(trimmed_key) ||
      breaks_line(value)) {
    return false;
  }
  values_.insert_or_assign(std::string(trimmed_key), std::string(Trim(value)));
  return true;
}

void UserPreferences::Erase(std::string_view key) {
  const auto found = values_.find(key);
  if (found != values_.end()) values_.erase(found);
}

std::string UserPreferences::Text() const {
  std::string text = "# Quarvelin: the player's own preferences\n";
  for (const auto& [key, value] : values_) text += key + " = " + value + "\n";
  return text;
}

bool UserPreferences::Save(const std::filesystem::path& file) const {
  if (file.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  // The file is replaced, never written through: a link at its name is
  // replaced, and the old file stays whole until the new one is complete.
  const FileDescriptor folder(
      ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return folder && ReplaceFileInFolder(folder.Get(), file.filename().string(), Text(),
                                       Durability::Synced);
}

}  // namespace qv
