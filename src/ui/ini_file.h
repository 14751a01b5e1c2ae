// An INI file read whole into memory, with look-ups that fall back to a
// default: section lines in square brackets, key=value lines. Section and
// key names are matched without regard to ASCII case; when a key appears
// twice in a section, the first value counts. Values are kept as the file's
// bytes (Windows-1250), blanks around them removed.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

class IniFile {
 public:
  IniFile() = default;

  // The file at `path` (a Windows-1250 engine path); a missing or unreadable
  // file gives an empty IniFile, in which every look-up takes its default.
  static IniFile Load(std::string_view path);
  static IniFile Parse(std::string_view text);

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A decimal integer; a value that is no such number counts as missing.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // An integer: 0 is false, any other number true; no number counts as
  // missing.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

 private:
  static std::string KeyOf(std::string_view section, std::string_view key);

  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace qv
