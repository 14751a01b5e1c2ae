#include "tools/book_outline.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "data/constant_list.h"
#include "data/contained_files.h"
#include "data/conversion.h"
#include "data/cp1250.h"
#include "data/game_files.h"
#include "data/init_record_file.h"
#include "host/recording_host.h"
#include "tools/source_scan.h"

namespace qv {
namespace {

std::optional<int32_t> DigitsValue(const std::string& digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
  return TryStrToInt(digits);
}

std::string Attribute(const ScannedTag& tag, std::string_view name) {
  for (const param& p : tag.Stored())
    if (p.Name == name) return p.Value;
  return {};
}

void CollectComparedTexts(const ScannedSource& scan, std::set<std::string>& texts) {
  for (const ScannedTag& tag : scan.Tags) {
    if (tag.Tag.Name != "SROVNEJRETEZCE") continue;
    for (const param& p : tag.Stored())
      if ((p.Name == "A" || p.Name == "B") && p.Value.find('$') == std::string::npos) texts.insert(p.Value);
  }
}

}  // namespace

std::optional<BookOutline> ReadBookOutline() {
  RecordingHost host;
  const std::optional<InitRecord> record = LoadInitRecord(host);
  GameFiles files(host, record ? record->CheckString.str() : std::string());
  std::vector<TMyPlugin> constants;
  if (const auto text = files.ReadGameFile("konstanty")) constants = ParseConstants(*text);
  const std::optional<std::string> data = files.ReadGameFile("data");
  if (!data) return std::nullopt;

  std::vector<Finding> ignored;
  const SourceFile source = MakeSourceFile("data/data.qvl", *data, constants);
  const ScannedSource scan = ScanSource(source, ignored);
  BookOutline outline;
  std::map<int, int32_t> number_of_marker;  // marker index -> location number
  for (std::size_t i = 0; i < scan.Markers.size(); ++i) {
    const Marker& m = scan.Markers[i];
    const auto n = DigitsValue(m.Digits);
    if (!m.First || !n) continue;
    number_of_marker[static_cast<int>(i)] = *n;
    OutlineLocation& location = outline.Locations[*n];
    location.Number = *n;
    location.Line = m.Line;
  }
  for (const ScannedTag& tag : scan.Tags) {
    const auto where = number_of_marker.find(tag.Location);
    if (where == number_of_marker.end() || tag.Unclosed) continue;
    OutlineLocation& location = outline.Locations[where->second];
    const std::string& name = tag.Tag.Name;
    const bool menu = name == "MENU" || name == "M";
    const auto link_target = [&]() -> int32_t {
      std::string target = Attribute(tag, "ODKAZ");
      if (menu && target.empty()) target = Attribute(tag, "X");
      return TryStrToInt(target).value_or(0);
    };
    // An option or link that switches to a library leads to the library's
    // own location of that number.
    const std::string redirect = Attribute(tag, "PRESMERUJ");
    if ((menu || name == "TEXT" || name == "OBRAZEKVTEXTU") && !redirect.empty() && redirect != "*") {
      location.Ways.push_back({WayKind::Redirect, 0, Cp1250ToUtf8(redirect)});
    } else if (menu) {
      std::string label = Attribute(tag, "T");
      if (label.empty()) label = Attribute(tag, "POPIS");
      location.Ways.push_back({WayKind::Option, link_target(), Cp1250ToUtf8(label)});
    } else if (name == "TEXT" || name == "OBRAZEKVTEXTU") {
      if (const int32_t target = link_target(); target > 0)
        location.Ways.push_back({WayKind::Link, target, Cp1250ToUtf8(Attribute(tag, name == "TEXT" ? "OBSAH" : "POPIS"))});
      if (name == "TEXT" && location.FirstText.empty()) {
        std::string text = Cp1250ToUtf8(Attribute(tag, "OBSAH"));
        if (text.size() > 100) {
          std::size_t cut = 100;
          while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
          text = text.substr(0, cut) + "…";
        }
        location.FirstText = text;
      }
    } else if (name == "CASOVAC") {
      location.Ways.push_back({WayKind::Countdown, link_target(), Cp1250ToUtf8(Attribute(tag, "CAS"))});
    } else if (name == "PRESMERUJ") {
      const std::string library = Attribute(tag, "JMENO");
      if (!library.empty()) location.Ways.push_back({WayKind::Redirect, 0, Cp1250ToUtf8(library)});
    } else if (name == "SOUBOJ") {
      location.Fights.push_back(Cp1250ToUtf8(Attribute(tag, "JMENO")));
    } else if (name == "KONEC") {
      location.Ends = true;
    }
  }
  std::set<std::string> compared;
  CollectComparedTexts(scan, compared);
  for (const ContainedEntry& entry : ListContainedDirectory("data/knihovny")) {
    const std::filesystem::path file(entry.Name);
    if (entry.Kind != EntryKind::File || file.extension() != ".qvl") continue;
    const auto text = files.ReadLibraryFile(Utf8ToCp1250(file.stem().string()));
    if (!text) continue;
    CollectComparedTexts(ScanSource(MakeSourceFile(entry.Name, *text, constants), ignored), compared);
  }
  outline.ComparedTexts.assign(compared.begin(), compared.end());
  return outline;
}

}  // namespace qv
