#include "tools/skin_check.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "data/contained_files.h"
#include "data/conversion.h"
#include "data/cp1250.h"
#include "data/disk_path.h"
#include "data/text_case.h"
#include "parser/colour.h"
#include "ui/ini_file.h"
#include "ui/skin.h"

namespace qv {
namespace {

enum class SkinValue { Colour, Size, Switch };

// Every key either skin reads, whatever its section: the kinds do not
// depend on the section.
std::optional<SkinValue> KindOfKey(const std::string& upper) {
  for (const char* colour : {"RAMECKY", "POPISKY", "OKNA", "HLAVNIPOZADI", "TRANSPARENTCOLOR", "BARVA"})
    if (upper == colour) return SkinValue::Colour;
  if (upper == "VELIKOST") return SkinValue::Size;
  for (const char* flag : {"NEZOBRAZOVATMANU", "NAPOVEDA", "AUDIOTLACITKO", "TRANSPARENTFORMS", "TUCNE", "KURZIVA"})
    if (upper == flag) return SkinValue::Switch;
  return std::nullopt;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<Finding> CheckSkinText(std::string_view file, std::string_view text) {
  const IniFile ini = IniFile::Parse(text);
  std::vector<Finding> findings;
  std::set<std::string> seen;  // the first value of a key counts, as in the engine
  std::string section;
  int line_number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    ++line_number;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      section = std::string(Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
      continue;
    }
    const std::size_t equals = line.find_first_of("=:");
    if (equals == std::string_view::npos) continue;
    const std::string key(Trim(line.substr(0, equals)));
    const auto kind = KindOfKey(UpCaseAscii(key));
    if (!kind || !seen.insert(UpCaseAscii(section) + '\n' + UpCaseAscii(key)).second) continue;
    const std::optional<std::string> value = ini.Find(section, key);
    if (!value) continue;
    const std::string where = "[" + Cp1250ToUtf8(section) + "] " + Cp1250ToUtf8(key) + ": '" +
                              Cp1250ToUtf8(*value) + "' ";
    auto report = [&](std::string message) {
      findings.push_back({std::string(file), line_number, where + message});
    };
    if (*kind == SkinValue::Colour) {
      try {
        ParseColour(*value);
      } catch (const ConversionError&) {
        report("is not a colour, so the default is used; write a colour name (Red, Navy, "
               "Silver, ...) or *BBGGRR (blue, green, red: *0000FF is red)");
      }
      continue;
    }
    // A value that is no whole number reads as the key's default, whichever
    // default is asked for.
    const bool number = ini.ReadInteger(section, key, 1) == ini.ReadInteger(section, key, 2);
    if (!number)
      report(*kind == SkinValue::Size
                 ? "is not a whole number, so the default size is used; write the size in points, e.g. 12"
                 : "is not a whole number, so the default is used; write 1 (on) or 0 (off)");
    else if (*kind == SkinValue::Size && ini.ReadInteger(section, key, 1) < 1)
      report("is below 1, so the default size is used; write the size in points, e.g. 12");
  }
  return findings;
}

std::vector<Finding> CheckSkinFiles() {
  std::vector<Finding> findings;
  for (const std::string_view path : {kGameSkinFile, kMenuSkinFile}) {
    const std::string_view file = path.substr(2);  // without "./"
    const std::optional<std::string> text = ReadContainedFile(DiskPath(file), kMaxGameFileSize);
    if (!text) continue;
    for (Finding& f : CheckSkinText(file, *text)) findings.push_back(std::move(f));
  }
  return findings;
}

}  // namespace qv
