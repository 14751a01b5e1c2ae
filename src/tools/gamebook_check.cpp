#include "tools/gamebook_check.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>

#include "data/constant_list.h"
#include "data/conversion.h"
#include "data/cp1250.h"
#include "data/disk_path.h"
#include "data/game_files.h"
#include "data/init_record_file.h"
#include "data/text_lines.h"
#include "host/recording_host.h"
#include "parser/colour.h"
#include "parser/condition_parser.h"
#include "parser/dice.h"
#include "state/catalog_loader.h"
#include "state/game_state.h"
#include "state/keyword_values.h"
#include "state/substitution.h"
#include "tools/scrambled_freshness.h"
#include "tools/skin_check.h"
#include "tools/source_scan.h"
#include "tools/tag_roles.h"
#include "ui/picture_lookup.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kVariables = 999;
constexpr int32_t kTextSlots = 10;
constexpr int32_t kEntries = 100;
constexpr int32_t kTagsPerLocation = 400;

bool Exists(const std::string& cp1250_path) {
  std::error_code ec;
  return fs::exists(DiskPath(cp1250_path), ec);
}

bool HasDollar(std::string_view value) { return value.find('$') != std::string_view::npos; }

// A name made of digits only, as a number.
std::optional<int32_t> DigitName(std::string_view name) {
  if (name.empty() || name.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  return TryStrToInt(name);
}

const GameState& BlankState() {
  static const auto state = std::make_unique<GameState>();
  return *state;
}

LocalDateTime FixedClock() { return {}; }

struct CatalogInfo {
  const char* File = "";     // as reported
  const char* Noun = "";     // "weapon"
  bool Substituted = false;  // spell and attack lines go through $ substitution
  int32_t Count = 0;
  std::vector<int> Lines;          // line of record k at [k - 1]
  std::vector<std::string> Names;  // Windows-1250
};

// One author file of location text, scanned.
struct Source {
  SourceFile File;
  ScannedSource Scan;
  bool IsLibrary = false;
  std::string LibraryName;
  std::map<int32_t, const Marker*> Locations;  // first markers by number
};

class Checker {
 public:
  std::vector<Finding> Run();

 private:
  void Report(const std::string& file, int line, std::string message) {
    findings_.push_back({file, line, std::move(message)});
  }
  void Report(const Source& s, const ScannedTag& tag, std::string message) {
    // "MENU X: ..." for an attribute's fault, "TEXT: ..." for the tag's.
    Report(s.File.File, tag.Line,
           tag.Tag.Name + (message.find(':') < message.find(' ') ? " " : ": ") + message);
  }
  void Warn(const std::string& file, int line, std::string message) {
    findings_.push_back({file, line, std::move(message), true});
  }

  std::string LibraryFile(std::string_view name) const {
    return "data/knihovny/" + Cp1250ToUtf8(name) + ".qvl";
  }
  Source* LoadLibrary(const std::string& name);
  void LoadCatalogs();
  void CheckLocations(Source& main);
  void CheckTags(Source& s, const Source& space, bool redirected_space);
  void CheckValue(Source& s, const ScannedTag& tag, std::string_view attribute,
                  std::string_view value, Role role, const Source& space, bool location_redirects);
  void CheckEntry(Source& s, const ScannedTag& tag, std::string_view what, int32_t n, Role role);
  void CheckDollars(const std::string& file, int line, std::string_view text,
                    std::string_view where);
  void CheckConditions(const Source& s);
  void CheckOptionTexts(const Source& s);
  void CheckVariableUse();
  void CheckLibraryCycles();
  void CheckTeaching();
  void CheckReachability(const Source& main);
  void CheckSkin();

  // Tags of location `marker` of source s, with the tags of the libraries it
  // refers to in their place, in text order.
  struct PlacedTag {
    const Source* In;
    const ScannedTag* Tag;
  };
  void CollectTags(const Source& s, int location, std::vector<PlacedTag>& out,
                   std::set<std::string>& open);
  std::vector<int32_t> Targets(const std::vector<PlacedTag>& tags) const;

  RecordingHost host_;
  std::unique_ptr<GameFiles> files_;
  std::vector<TMyPlugin> constants_;
  std::deque<Source> sources_;                // [0] is data.qvl
  std::map<std::string, Source*> libraries_;  // loaded libraries by name
  std::set<std::string> missing_libraries_;
  std::map<std::string, CatalogInfo> catalogs_;  // by Role name
  std::vector<Finding> findings_;
};

CatalogInfo* CatalogFor(std::map<std::string, CatalogInfo>& catalogs, Role role) {
  const char* key = role == Role::Weapon   ? "zbrane"
                    : role == Role::Armour ? "zbroje"
                    : role == Role::Item   ? "predmety"
                    : role == Role::Spell  ? "kouzla"
                    : role == Role::Attack ? "utoky"
                                           : nullptr;
  if (!key) return nullptr;
  const auto it = catalogs.find(key);
  return it == catalogs.end() ? nullptr : &it->second;
}

Source* Checker::LoadLibrary(const std::string& name) {
  if (const auto it = libraries_.find(name); it != libraries_.end()) return it->second;
  if (missing_libraries_.contains(name)) return nullptr;
  host_.messages.clear();
  // Reading a plain library that is not there would create data/knihovny.
  const bool plain_missing =
      !files_->IsLibraryScrambled() && !Exists("data/knihovny/" + name + ".qvl");
  const std::optional<std::string> text =
      plain_missing ? std::nullopt : files_->ReadLibraryFile(name);
  if (!text) {
    missing_libraries_.insert(name);
    return nullptr;
  }
  Source& s = sources_.emplace_back();
  s.File = MakeSourceFile(LibraryFile(name), *text, constants_);
  s.IsLibrary = true;
  s.LibraryName = name;
  libraries_[name] = &s;
  s.Scan = ScanSource(s.File, findings_);
  for (const Marker& m : s.Scan.Markers) {
    if (const auto n = DigitName(m.Digits); n && m.First && (m.Digits == "0" || m.Digits[0] != '0'))
      s.Locations[*n] = &m;
  }
  for (const LibraryRef& ref : s.Scan.References) LoadLibrary(ref.Name);
  return &s;
}

void Checker::LoadCatalogs() {
  auto describe = [](const char* file, const char* noun, bool substituted) {
    CatalogInfo c;
    c.File = file;
    c.Noun = noun;
    c.Substituted = substituted;
    return c;
  };
  catalogs_ = {{"zbrane", describe("data/zbrane.qvl", "weapon", false)},
               {"zbroje", describe("data/zbroje.qvl", "armour", false)},
               {"predmety", describe("data/predmety.qvl", "item", false)},
               {"kouzla", describe("data/kouzla.qvl", "spell", true)},
               {"utoky", describe("data/utoky.qvl", "attack", true)}};
  int32_t serial = 0;
  for (auto& [name, info] : catalogs_) {
    const std::optional<std::string> text = files_->ReadGameFile(name);
    if (!text) continue;
    int line_number = 0;
    for (const std::string& raw : SplitLines(*text)) {
      ++line_number;
      if (raw.find(',') == std::string::npos) continue;
      if (info.Count == kEntries) {
        Report(info.File, line_number, "more than 100 records; the engine ignores the rest");
        break;
      }
      const std::string line =
          info.Substituted ? SubstituteValues(raw, BlankState(), FixedClock) : raw;
      if (info.Substituted) CheckDollars(info.File, line_number, raw, "");
      try {
        int32_t number = 0;
        std::string entry_name;
        auto take = [&](const auto& record) {
          number = record.Number;
          entry_name = record.Name.str();
        };
        if (name == "zbrane") take(ReadWeaponLine(line, serial));
        if (name == "zbroje") take(ReadArmourLine(line, serial));
        if (name == "predmety") take(ReadItemLine(line, serial));
        if (name == "kouzla") take(ReadSpellLine(line, serial));
        if (name == "utoky") take(ReadAttackLine(line, serial));
        ++info.Count;
        info.Lines.push_back(line_number);
        info.Names.push_back(entry_name);
        if (number != info.Count)
          Report(info.File, line_number,
                 info.Noun + std::string(" line numbered ") + std::to_string(number) +
                     " is record " + std::to_string(info.Count) +
                     " (records are numbered by their order)");
      } catch (const ConversionError& error) {
        Report(info.File, line_number, "line does not parse: " + Cp1250ToUtf8(error.what()));
        // The engine stops reading the file at this line.
        break;
      }
    }
  }
}

void Checker::CheckDollars(const std::string& file, int line, std::string_view text,
                           std::string_view where) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '$' || i + 1 >= text.size()) continue;
    std::size_t p = i + 1;
    if (text[p] >= '0' && text[p] <= '9') {
      while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p;
      const auto n = TryStrToInt(text.substr(i + 1, p - i - 1));
      if (!n || *n < 1 || *n > kVariables)
        Report(file, line,
               std::string(where) + "$" + std::string(text.substr(i + 1, p - i - 1)) +
                   ": variable numbers run 1..999");
      continue;
    }
    while (p < text.size() &&
           ((text[p] >= 'a' && text[p] <= 'z') || (text[p] >= 'A' && text[p] <= 'Z')))
      ++p;
    if (p == i + 1) continue;
    std::string name(text.substr(i + 1, p - i - 1));
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name == "RETEZEC") {
      std::size_t q = p;
      while (q < text.size() && text[q] >= '0' && text[q] <= '9') ++q;
      const auto k = TryStrToInt(text.substr(p, q - p));
      if (!k || *k < 1 || *k > kTextSlots)
        Report(file, line,
               std::string(where) + "$RETEZEC" + std::string(text.substr(p, q - p)) +
                   ": text slots run 1..10");
      continue;
    }
    if (!KeywordValue(BlankState(), name, FixedClock))
      Report(file, line, std::string(where) + "unknown $ name $" + name + "; check its spelling");
  }
}

void Checker::CheckEntry(Source& s, const ScannedTag& tag, std::string_view what, int32_t n,
                         Role role) {
  auto out_of = [&](const char* noun, int32_t top) {
    Report(s, tag,
           std::string(what) + ": " + noun + " " + std::to_string(n) + " is outside 1.." +
               std::to_string(top));
  };
  switch (role) {
    case Role::Variable:
      if (n < 1 || n > kVariables) out_of("variable", kVariables);
      return;
    case Role::TextSlot:
      if (n < 1 || n > kTextSlots) out_of("text slot", kTextSlots);
      return;
    case Role::Object:
      if (n < 1 || n > kEntries) out_of("object", kEntries);
      return;
    default:
      break;
  }
  const CatalogInfo* catalog = CatalogFor(catalogs_, role);
  if (!catalog) return;
  if (n < 1 || n > catalog->Count)
    Report(s, tag,
           std::string(what) + ": " + catalog->Noun + " " + std::to_string(n) + " is not in " +
               catalog->File + " (" + std::to_string(catalog->Count) + " records)");
}

void Checker::CheckValue(Source& s, const ScannedTag& tag, std::string_view attribute,
                         std::string_view value, Role role, const Source& space,
                         bool location_redirects) {
  const std::string what(attribute);
  CheckDollars(s.File.File, tag.Line, value, tag.Tag.Name + " " + what + ": ");
  if (HasDollar(value)) return;
  const std::string quoted = "'" + Cp1250ToUtf8(value) + "'";
  switch (role) {
    case Role::Text:
    case Role::Expression:
      return;
    case Role::Colour:
      try {
        ParseColour(value);
      } catch (const ConversionError&) {
        Report(s, tag,
               what + ": " + quoted +
                   " is not a colour, and the page stops here; write a colour name (Red, Navy, "
                   "Silver, ...) or *BBGGRR (blue, green, red: *0000FF is red)");
      }
      return;
    case Role::Dice:
      try {
        ParseDice(value);
        if (value.find('k') == std::string_view::npos)
          Warn(s.File.File, tag.Line,
               tag.Tag.Name + " " + what + ": " + quoted +
                   " has no 'k', so it rolls nothing; write dice as 2k6+1");
      } catch (const ConversionError&) {
        Report(s, tag,
               what + ": " + quoted +
                   " is not dice, and the page stops here; write the number of dice first, as in 2k6+1");
      }
      return;
    case Role::Library:
      if (!value.empty() && !LoadLibrary(std::string(value)))
        Report(s, tag, what + ": library " + quoted + " does not exist");
      return;
    case Role::RedirectLib:
      if (!value.empty() && value != "*" && !LoadLibrary(std::string(value)))
        Report(s, tag, what + ": library " + quoted + " does not exist");
      return;
    case Role::Picture:
      if (!value.empty() && !Exists("obrazky/" + std::string(value)))
        Report(s, tag, what + ": picture obrazky/" + Cp1250ToUtf8(value) + " does not exist; add the file or correct the name");
      return;
    case Role::Sound:
      if (!value.empty() && !Exists("audio/" + std::string(value)))
        Report(s, tag, what + ": sound audio/" + Cp1250ToUtf8(value) + " does not exist; add the file or correct the name");
      return;
    default:
      break;
  }
  const auto n = TryStrToInt(value);
  if (!n) {
    Report(s, tag, what + ": " + quoted + " is not a whole number, and the page stops here; write digits only");
    return;
  }
  if (role == Role::Int) return;
  if (role == Role::Location) {
    if (*n == 0 || location_redirects) return;
    if (*n < 0 || !space.Locations.contains(*n))
      Report(s, tag,
             what + ": location " + std::to_string(*n) + " does not exist" +
                 (space.IsLibrary ? " in library " + Cp1250ToUtf8(space.LibraryName) : "") +
                 "; add <" + std::to_string(*n) + "> or lead to a location that exists");
    return;
  }
  CheckEntry(s, tag, what, *n, role);
}

void Checker::CheckTags(Source& s, const Source& space, bool redirected_space) {
  // A location whose page switches the source takes its links from there:
  // from a library, or (a switch naming none) from the gamebook's own
  // locations again.
  std::set<int> switching;
  std::set<int> returning;
  for (const ScannedTag& tag : s.Scan.Tags) {
    if (tag.Tag.Name != "PRESMERUJ") continue;
    bool names_library = false;
    for (const param& stored : tag.Stored())
      if (stored.Name == "JMENO" && !stored.Value.empty()) names_library = true;
    (names_library ? switching : returning).insert(tag.Location);
  }
  const Source& main = sources_.front();
  for (const ScannedTag& tag : s.Scan.Tags) {
    // An unclosed tag was reported as such; its attributes are the next
    // tag's text.
    if (tag.Tag.Name.empty() || tag.Unclosed) continue;
    const CommandRoles* roles = FindCommandRoles(tag.Tag.Name);
    if (!roles) {
      Report(s.File.File, tag.Line, "unknown tag <" + tag.Tag.Name + ">; check its spelling");
      continue;
    }
    // A link that redirects leads into the library's own locations; one
    // whose redirect is empty leads back to the gamebook's own.
    bool redirects = redirected_space || switching.contains(tag.Location);
    const Source* target_space = returning.contains(tag.Location) ? &main : &space;
    for (const param& p : tag.Stored()) {
      if (p.Name != "PRESMERUJ" || tag.Tag.Name == "PRESMERUJ" || p.Value == "*") continue;
      if (p.Value.empty()) {
        target_space = &main;
        redirects = false;
      } else {
        redirects = true;
      }
    }
    const Source& links_into = *target_space;
    for (const param& p : tag.Stored()) {
      if (roles->AnyName) {
        CheckValue(s, tag, p.Name, p.Value, roles->AnyNameValue, links_into, redirects);
        continue;
      }
      const auto named = std::find_if(roles->Named.begin(), roles->Named.end(),
                                      [&p](const AttributeRole& r) { return r.Name == p.Name; });
      if (named != roles->Named.end()) {
        CheckValue(s, tag, p.Name, p.Value, named->Value, links_into, redirects);
        continue;
      }
      const auto number = DigitName(p.Name);
      if (roles->Numeric && number) {
        CheckEntry(s, tag, p.Name, *number, roles->Numeric->Name);
        CheckValue(s, tag, p.Name, p.Value, roles->Numeric->Value, links_into, redirects);
        continue;
      }
      if (roles->Numeric && roles->Named.empty()) {
        // The attribute's name is the number: the engine stops the page.
        std::string example = tag.Tag.Name;
        for (char& c : example) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        Report(s, tag,
               Cp1250ToUtf8(p.Name) + ": '" + Cp1250ToUtf8(p.Name) +
                   "' is not a whole number, and the page stops here; name the attribute by its "
                   "number, as in <" + example + " 5=\"1\">");
        continue;
      }
      Report(s, tag, "unknown attribute '" + Cp1250ToUtf8(p.Name) + "'; check its spelling");
    }
  }
}

bool KnownOperator(std::string_view op) {
  for (const char* known : {"<", ">", "=", "<>", "><", "=>", ">=", "=<", "<="})
    if (op == known) return true;
  return false;
}

void Checker::CheckConditions(const Source& s) {
  for (const ScannedCondition& c : s.Scan.Conditions) {
    const Condition& k = c.Parsed;
    const std::string subject = k.Subject.str();
    const std::string value = k.Value.str();
    if (!KnownOperator(k.Operator.str()))
      Warn(s.File.File, c.Line,
           "condition: operator '" + k.Operator.str() +
               "' is none of = < > <> <= >=, so the block is taken whenever the two sides "
               "differ; write = to compare for equality");
    CheckDollars(s.File.File, c.Line, subject, "condition: ");
    CheckDollars(s.File.File, c.Line, value, "condition: ");
    auto complain = [&](std::string message) {
      Report(s.File.File, c.Line, "condition: " + message);
    };
    if (!HasDollar(subject)) {
      const auto n = TryStrToInt(subject);
      if (!n) {
        complain("subject '" + Cp1250ToUtf8(subject) + "' is not a number");
      } else if (k.ItemKey || k.ObjectKey) {
        const Role role = k.ItemKey ? Role::Item : Role::Object;
        if (*n < 1 || *n > kEntries)
          complain((k.ItemKey ? "item " : "object ") + std::to_string(*n) + " is outside 1..100");
        else if (const CatalogInfo* cat = CatalogFor(catalogs_, role); cat && *n > cat->Count)
          complain("item " + std::to_string(*n) + " is not in " + cat->File);
      } else if (k.KeyCode == kKeyVariable) {
        if (*n < 1 || *n > kVariables)
          complain("variable " + std::to_string(*n) + " is outside 1..999");
      } else if (k.KeyCode >= kKeyZbrani) {
        const bool weapon = k.KeyCode == kKeyZbrani || k.KeyCode == kKeyZbraniAll;
        const CatalogInfo* cat = CatalogFor(catalogs_, weapon ? Role::Weapon : Role::Armour);
        if (*n < 1 || *n > cat->Count)
          complain(std::string(cat->Noun) + " " + std::to_string(*n) + " is not in " + cat->File);
      }
    }
    if (!HasDollar(value)) {
      const auto n = TryStrToInt(value);
      if (!n)
        complain("value '" + Cp1250ToUtf8(value) + "' is not a number");
      else if (k.ValueIsVariable && (*n < 1 || *n > kVariables))
        complain("variable " + std::to_string(*n) +
                 " is outside 1..999 (an unquoted value names a variable)");
    }
  }
}

void Checker::CheckOptionTexts(const Source& s) {
  for (const ScannedTag& tag : s.Scan.Tags) {
    if (tag.Unclosed || (tag.Tag.Name != "MENU" && tag.Tag.Name != "M")) continue;
    bool has_text = false;
    for (const param& p : tag.Stored())
      if ((p.Name == "T" || p.Name == "POPIS") && !p.Value.empty()) has_text = true;
    if (!has_text)
      Warn(s.File.File, tag.Line,
           tag.Tag.Name + ": the option has no text, so the player sees an empty line; give it t=\"...\"");
  }
}

void Checker::CheckVariableUse() {
  // Which variables some tag sets, anywhere in the book. A number that only
  // a $ reference gives is unknown here, and then nothing is said.
  std::set<int32_t> written;
  bool unknown_writes = false;
  auto write = [&](std::string_view number) {
    if (HasDollar(number)) unknown_writes = true;
    if (const auto n = TryStrToInt(number)) written.insert(*n);
  };
  // Where each variable is first read: the earliest file and line.
  std::map<int32_t, std::pair<std::string, int>> read;
  auto note_read = [&](int32_t n, const std::string& file, int line) {
    if (n < 1 || n > kVariables) return;
    const auto it = read.find(n);
    if (it == read.end() || std::pair(file, line) < it->second) read[n] = {file, line};
  };
  auto note_dollars = [&](std::string_view text, const std::string& file, int line) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != '$' || text[i + 1] < '0' || text[i + 1] > '9') continue;
      std::size_t p = i + 1;
      while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p;
      if (const auto n = TryStrToInt(text.substr(i + 1, p - i - 1))) note_read(*n, file, line);
    }
  };
  for (const Source& s : sources_) {
    for (const ScannedTag& tag : s.Scan.Tags) {
      const CommandRoles* roles = FindCommandRoles(tag.Tag.Name);
      if (!roles) continue;
      std::optional<int32_t> first;
      std::optional<int32_t> count;
      for (const param& p : tag.Stored()) {
        note_dollars(p.Value, s.File.File, tag.Line);
        if (roles->Numeric && roles->Numeric->Name == Role::Variable && DigitName(p.Name)) write(p.Name);
        if (tag.Tag.Name == "SROVNEJRETEZCE" && p.Name == "VYSLEDEK") write(p.Value);
        if (tag.Tag.Name == "NASTAVPROMENNE" && p.Name == "CISLO") {
          unknown_writes |= HasDollar(p.Value);
          first = TryStrToInt(p.Value);
        }
        if (tag.Tag.Name == "NASTAVPROMENNE" && p.Name == "POCET") {
          unknown_writes |= HasDollar(p.Value);
          count = TryStrToInt(p.Value);
        }
      }
      if (first && count) {
        for (int32_t k = 0; k < std::min(*count, kVariables); ++k) {
          const int64_t n = int64_t{*first} + k;
          if (n >= 1 && n <= kVariables) written.insert(static_cast<int32_t>(n));
        }
      }
    }
    for (const ScannedCondition& c : s.Scan.Conditions) {
      const Condition& k = c.Parsed;
      note_dollars(k.Subject.str(), s.File.File, c.Line);
      note_dollars(k.Value.str(), s.File.File, c.Line);
      if (k.KeyCode == kKeyVariable && !k.ItemKey && !k.ObjectKey)
        if (const auto n = TryStrToInt(k.Subject.str())) note_read(*n, s.File.File, c.Line);
      if (k.ValueIsVariable)
        if (const auto n = TryStrToInt(k.Value.str())) note_read(*n, s.File.File, c.Line);
    }
  }
  if (unknown_writes) return;
  for (const auto& [n, where] : read) {
    if (written.contains(n)) continue;
    const std::string number = std::to_string(n);
    Warn(where.first, where.second,
         "variable " + number + " is read here, but no tag sets it, so it is always 0; set it "
         "with <promenna " + number + "=\"1\"> or an option's " + number + "=\"1\"");
  }
}

void Checker::CheckLocations(Source& main) {
  int32_t highest = 0;
  for (const Marker& m : main.Scan.Markers) {
    if (m.Digits.empty()) continue;
    const auto n = DigitName(m.Digits);
    if (!n) continue;
    if (m.Digits.size() > 1 && m.Digits[0] == '0') {
      Report(main.File.File, m.Line,
             "marker <" + m.Digits + "> is no location (numbers have no leading zeros)");
      continue;
    }
    if (!m.First) {
      Report(main.File.File, m.Line,
             "marker <" + m.Digits + "> again; location " + m.Digits + " starts on line " +
                 std::to_string(main.Locations.at(*n)->Line));
      continue;
    }
    main.Locations[*n] = &m;
    highest = std::max(highest, *n);
  }
  if (main.Locations.empty()) {
    Report(main.File.File, 0, "no location markers; location 1 must begin with <1>");
    return;
  }
  for (int32_t n = 1; n <= highest; ++n) {
    const auto it = main.Locations.find(n);
    if (it == main.Locations.end()) {
      const auto next = main.Locations.upper_bound(n);
      Report(main.File.File, next->second->Line,
             "location " + std::to_string(n) + " is missing (locations run 1.." +
                 std::to_string(highest) + "); add <" + std::to_string(n) + "> or number the locations without gaps");
      continue;
    }
    const auto previous = main.Locations.find(n - 1);
    if (previous != main.Locations.end() && it->second->Pos < previous->second->Pos)
      Report(main.File.File, it->second->Line,
             "location " + std::to_string(n) + " stands before location " + std::to_string(n - 1) +
                 " (line " + std::to_string(previous->second->Line) + ")");
  }
}

// The elements of a scan that stand in `location`: they lie together, as
// the scan numbers locations in the order it meets them.
template <typename Element>
std::span<const Element> InLocation(const std::vector<Element>& all, int location) {
  const auto by_location = [](const Element& e, int n) { return e.Location < n; };
  const auto first = std::lower_bound(all.begin(), all.end(), location, by_location);
  auto last = first;
  while (last != all.end() && last->Location == location) ++last;
  return {first, last};
}

void Checker::CollectTags(const Source& s, int location, std::vector<PlacedTag>& out,
                          std::set<std::string>& open) {
  const std::span<const ScannedTag> tags = InLocation(s.Scan.Tags, location);
  const std::span<const LibraryRef> refs = InLocation(s.Scan.References, location);
  const auto put_in = [&](const LibraryRef& ref) {
    const auto lib = libraries_.find(ref.Name);
    if (lib == libraries_.end() || open.contains(ref.Name)) return;
    open.insert(ref.Name);
    CollectTags(*lib->second, -1, out, open);
    open.erase(ref.Name);
  };
  std::size_t r = 0;
  for (const ScannedTag& tag : tags) {
    for (; r < refs.size() && refs[r].Pos < tag.Pos; ++r) put_in(refs[r]);
    out.push_back({&s, &tag});
  }
  for (; r < refs.size(); ++r) put_in(refs[r]);
}

std::vector<int32_t> Checker::Targets(const std::vector<PlacedTag>& tags) const {
  std::vector<int32_t> targets;
  bool switching = false;
  for (const PlacedTag& t : tags) {
    if (t.Tag->Tag.Name != "PRESMERUJ") continue;
    for (const param& stored : t.Tag->Stored())
      if (stored.Name == "JMENO" && !stored.Value.empty()) switching = true;
  }
  if (switching) return targets;
  for (const PlacedTag& t : tags) {
    const std::string& name = t.Tag->Tag.Name;
    const bool link = name == "M" || name == "MENU" || name == "TEXT" || name == "OBRAZEKVTEXTU" ||
                      name == "CASOVAC";
    if (!link) continue;
    bool redirects = false;
    for (const param& p : t.Tag->Stored()) {
      if (p.Name == "PRESMERUJ" && !p.Value.empty() && p.Value != "*") redirects = true;
    }
    if (redirects) continue;
    for (const param& p : t.Tag->Stored()) {
      const bool target = p.Name == "ODKAZ" || ((name == "M" || name == "MENU") && p.Name == "X");
      if (!target) continue;
      if (const auto n = TryStrToInt(p.Value); n && *n > 0) targets.push_back(*n);
    }
  }
  return targets;
}

void Checker::CheckReachability(const Source& main) {
  std::map<int32_t, std::vector<PlacedTag>> pages;
  for (const auto& [n, marker] : main.Locations) {
    std::set<std::string> open;
    const int index = static_cast<int>(marker - main.Scan.Markers.data());
    CollectTags(main, index, pages[n], open);
    if (pages[n].size() > static_cast<std::size_t>(kTagsPerLocation))
      Report(main.File.File, marker->Line,
             "location " + std::to_string(n) + " has " + std::to_string(pages[n].size()) +
                 " tags; the engine keeps 400");
  }
  if (!main.Locations.contains(1)) return;

  // Every location an option, link or countdown leads to from location 1.
  std::set<int32_t> reached{1};
  std::vector<int32_t> queue{1};
  // The same walk before any attack is taught: a page that teaches one ends it.
  std::set<int32_t> untaught{1};
  std::vector<int32_t> untaught_queue{1};
  while (!queue.empty()) {
    const int32_t n = queue.back();
    queue.pop_back();
    if (!pages.contains(n)) continue;
    for (int32_t t : Targets(pages[n]))
      if (reached.insert(t).second) queue.push_back(t);
  }
  while (!untaught_queue.empty()) {
    const int32_t n = untaught_queue.back();
    untaught_queue.pop_back();
    if (!pages.contains(n)) continue;
    bool taught = false;
    for (const PlacedTag& t : pages[n]) {
      const std::string& name = t.Tag->Tag.Name;
      if (name == "UTOK" || name == "AKCE") {
        for (const param& stored : t.Tag->Stored()) taught |= stored.Name == "UMIME";
      }
      if (name == "SOUBOJ" && !taught)
        Report(t.In->File.File, t.Tag->Line,
               "SOUBOJ: a fight reachable from location 1 before any attack is taught");
    }
    if (taught) continue;
    for (int32_t t : Targets(pages[n]))
      if (untaught.insert(t).second) untaught_queue.push_back(t);
  }
  for (const auto& [n, marker] : main.Locations) {
    if (!reached.contains(n))
      Report(main.File.File, marker->Line,
             "location " + std::to_string(n) +
                 " is not reached from location 1 by any option, link or countdown; lead one to it");
  }
}

void Checker::CheckTeaching() {
  for (const auto& [command, role] :
       {std::pair{"KOUZLO", Role::Spell}, std::pair{"UTOK", Role::Attack}}) {
    CatalogInfo* catalog = CatalogFor(catalogs_, role);
    std::set<int32_t> taught;
    bool unknown = false;
    for (const Source& s : sources_) {
      for (const ScannedTag& tag : s.Scan.Tags) {
        const bool match =
            tag.Tag.Name == command || (role == Role::Attack && tag.Tag.Name == "AKCE");
        if (!match) continue;
        for (const param& stored : tag.Stored()) {
          if (stored.Name != "UMIME") continue;
          if (HasDollar(stored.Value)) unknown = true;
          if (const auto n = TryStrToInt(stored.Value)) taught.insert(*n);
        }
      }
    }
    if (unknown) continue;
    for (std::size_t i = 0; i < catalog->Lines.size(); ++i) {
      const auto k = static_cast<int32_t>(i + 1);
      if (!taught.contains(k))
        Report(catalog->File, catalog->Lines[i],
               std::string(catalog->Noun) + " " + std::to_string(k) + " (" +
                   Cp1250ToUtf8(catalog->Names[i]) + ") is taught by no location");
    }
  }
}

void Checker::CheckLibraryCycles() {
  // Depth-first over the references between libraries; a reference back to
  // a library still being expanded closes a cycle.
  std::set<std::string> done;
  std::vector<std::string> stack;
  std::function<void(const std::string&)> visit = [&](const std::string& name) {
    const auto it = libraries_.find(name);
    if (it == libraries_.end()) return;
    stack.push_back(name);
    for (const LibraryRef& ref : it->second->Scan.References) {
      const auto on_stack = std::find(stack.begin(), stack.end(), ref.Name);
      if (on_stack != stack.end()) {
        std::string path;
        for (auto p = on_stack; p != stack.end(); ++p) path += Cp1250ToUtf8(*p) + " -> ";
        Report(it->second->File.File, ref.Line, "library cycle: " + path + Cp1250ToUtf8(ref.Name));
      } else if (!done.contains(ref.Name)) {
        visit(ref.Name);
      }
    }
    stack.pop_back();
    done.insert(name);
  };
  for (const auto& [name, source] : libraries_)
    if (!done.contains(name)) visit(name);
}

void Checker::CheckSkin() {
  std::error_code ec;
  // A gamebook without a grafika folder plays with the built-in look.
  if (!fs::is_directory("grafika", ec)) return;
  for (const char* name :
       {"menu", "tlacitko_1", "tlacitko_2", "tlacitko_3", "tlacitko_4", "tlacitko_1b",
        "tlacitko_2b", "tlacitko_3b", "tlacitko_4b", "titulek", "pozadi_postava", "pozadi_inventar",
        "pozadi_bitva", "krizek", "plusko3d", "ok", "ulozit", "neukladat"}) {
    if (!FindPicture(name))
      Report(std::string("grafika/") + name, 0, "skin picture missing (.png, .jpg or .gif)");
  }
  if (!Exists("grafika/smrtcool.jpg")) Report("grafika/smrtcool.jpg", 0, "death picture missing");
}

std::vector<Finding> Checker::Run() {
  const std::optional<InitRecord> record = LoadInitRecord(host_);
  if (!record) Report("data/inicializace.qvl", 0, "missing or shorter than 240 bytes");
  files_ = std::make_unique<GameFiles>(host_, record ? record->CheckString.str() : std::string());

  for (const StalePlainFile& stale : FindStalePlainFiles(
           record ? std::optional<std::string_view>(record->CheckString.str()) : std::nullopt))
    Warn(stale.Plain, 0, StaleWarning(stale));

  if (const auto text = files_->ReadGameFile("konstanty")) constants_ = ParseConstants(*text);
  LoadCatalogs();

  host_.messages.clear();
  const std::optional<std::string> data = files_->ReadGameFile("data");
  if (!data) {
    Report("data/data.qvl", 0,
           host_.messages.empty() ? "missing" : "scrambled copy fails its check");
    SortFindings(findings_);
    return findings_;
  }
  Source& main = sources_.emplace_back();
  main.File = MakeSourceFile("data/data.qvl", *data, constants_);
  main.Scan = ScanSource(main.File, findings_);
  CheckLocations(main);
  for (const LibraryRef& ref : main.Scan.References) LoadLibrary(ref.Name);
  // Every library file present is checked, referenced or not.
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("data/knihovny", ec)) {
    if (entry.path().extension() == ".qvl") LoadLibrary(Utf8ToCp1250(entry.path().stem().string()));
  }

  CheckTags(main, main, false);
  CheckConditions(main);
  for (std::size_t i = 1; i < sources_.size(); ++i) {  // grows while tags name more libraries
    Source& lib = sources_[i];
    CheckTags(lib, lib.Locations.empty() ? main : lib, false);
    CheckConditions(lib);
  }
  for (const Source& s : sources_) {
    for (const LibraryRef& ref : s.Scan.References)
      if (missing_libraries_.contains(ref.Name))
        Report(s.File.File, ref.Line,
               "library " + Cp1250ToUtf8(ref.Name) + " does not exist (" + LibraryFile(ref.Name) +
                   "); add the file or correct the name");
  }
  for (const Source& s : sources_) CheckOptionTexts(s);
  CheckVariableUse();
  for (Finding& f : CheckSkinFiles()) findings_.push_back(std::move(f));
  CheckLibraryCycles();
  CheckTeaching();
  CheckReachability(main);
  CheckSkin();
  SortFindings(findings_);
  return findings_;
}

}  // namespace

std::vector<Finding> CheckGamebook() { return Checker().Run(); }

}  // namespace qv
