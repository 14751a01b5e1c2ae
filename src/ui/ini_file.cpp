#include "ui/ini_file.h"

#include <ini.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "data/text_case.h"

namespace qv {

namespace {

struct ParseTarget {
  std::map<std::string, std::string, std::less<>>* Values;
};

std::optional<int32_t> DecimalInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int32_t value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

IniFile IniFile::Load(std::string_view path) {
  const std::optional<std::string> text = ReadContainedFile(DiskPath(path), kMaxGameFileSize);
  if (!text) return IniFile();
  return Parse(*text);
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile file;
  // The parser stops at a zero byte; a file is never expected to hold one.
  const std::string terminated(text.substr(0, text.find('\0')));
  ParseTarget target{&file.values_};
  ini_parse_string(
      terminated.c_str(),
      [](void* user, const char* section, const char* name, const char* value) -> int {
        auto& values = *static_cast<ParseTarget*>(user)->Values;
        // emplace keeps the first value of a key that appears again (and
        // the first line of a value continued on indented lines).
        values.emplace(KeyOf(section, name), value);
        return 1;
      },
      &target);
  return file;
}

std::string IniFile::KeyOf(std::string_view section, std::string_view key) {
  std::string joined = UpCaseAscii(section);
  joined += '\n';  // cannot occur inside a section or key name
  joined += UpCaseAscii(key);
  return joined;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const auto found = values_.find(KeyOf(section, key));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  std::optional<std::string> value = Find(section, key);
  return value ? *value : std::string(fallback);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
  const std::optional<std::string> value = Find(section, key);
  if (!value) return fallback;
  return DecimalInteger(*value).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  const std::optional<std::string> value = Find(section, key);
  if (!value) return fallback;
  const std::optional<int32_t> number = DecimalInteger(*value);
  return number ? *number != 0 : fallback;
}

}  // namespace qv
