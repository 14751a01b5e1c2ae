// The player's own files, kept apart from every gamebook.
//
// What the player chooses for themselves (window size and place, reading
// comforts) belongs to the player, not to a gamebook: it lives in the XDG
// configuration folder, never in a gamebook's setup.ini, so a default run
// reads and writes exactly what it always did. Gamebooks the player keeps
// live in the XDG data folder.
//
// Preferences are "key = value" lines in one UTF-8 file; lines starting with
// '#' and lines without '=' are ignored, so a hand-edited file never stops
// the player. Every feature reads the file, changes its own keys and writes it
// back whole, so features do not overwrite one another's keys.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// $XDG_CONFIG_HOME/quarvelin, or ~/.config/quarvelin; empty when neither
// variable names an absolute folder (then nothing is stored).
std::filesystem::path UserConfigDirectory();

// $XDG_DATA_HOME/quarvelin, or ~/.local/share/quarvelin; empty likewise.
std::filesystem::path UserDataDirectory();

// The preferences file: UserConfigDirectory()/"preferences.ini".
std::filesystem::path UserPreferencesFile();

class UserPreferences {
 public:
  // A missing, unreadable or oversized file reads as no preferences.
  static UserPreferences Load(const std::filesystem::path& file);
  static UserPreferences Load() { return Load(UserPreferencesFile()); }

  std::optional<std::string> Get(std::string_view key) const;
  // The value as a whole number, or nullopt when absent or not one.
  std::optional<long long> GetNumber(std::string_view key) const;
  bool GetFlag(std::string_view key, bool fallback = false) const;

  // Keys are trimmed; a key or value holding a line break or '=' in the key
  // is refused (returns false), so the file always reads back as written.
  bool Set(std::string_view key, std::string_view value);
  void Erase(std::string_view key);
  bool Empty() const { return values_.empty(); }

  // Writes the whole file through a new file renamed over the old one, making
  // the folder when needed. False when it could not be written (the old file
  // is then untouched).
  bool Save(const std::filesystem::path& file) const;
  bool Save() const { return Save(UserPreferencesFile()); }

  // The file's text, keys in sorted order.
  std::string Text() const;
  static UserPreferences Parse(std::string_view text);

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace qv
