#include "tools/init_text.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <variant>

#include "data/conversion.h"
#include "data/record_fields.h"
#include "tools/quoted_text.h"

namespace qv {
namespace {

enum class Kind { Int32, Byte, Text, Check };

// One `name = value` line of the text: a field of the record with its check
// string in plain form.
struct NamedField {
  std::string Name;
  Kind Type;
  std::size_t Capacity;  // texts: bytes the field holds
  std::function<int32_t&(InitRecord&)> Int;
  std::function<uint8_t&(InitRecord&)> Byte;
  std::function<std::string(InitRecord&)> GetText;
  std::function<void(InitRecord&, const std::string&)> SetText;
};

// Collects the lines from the record's field list (RecordFields<InitRecord>).
// A record inside it (an attribute) gives a line per field of its own, named
// "outer_inner", or just "outer" for an inner field without a name.
template <class R>
class LineCollector {
 public:
  using Path = std::function<R&(InitRecord&)>;

  LineCollector(std::vector<NamedField>& lines, std::string prefix, Path path)
      : lines_(lines), prefix_(std::move(prefix)), path_(std::move(path)) {}

  template <class T, class Form = PlainForm>
  void Field(std::string_view field_name, std::size_t, T R::*member, const Form& = {}) {
    const std::string name = prefix_.empty()      ? std::string(field_name)
                             : field_name.empty() ? prefix_
                                                  : prefix_ + "_" + std::string(field_name);
    const auto at = [path = path_, member](InitRecord& r) -> T& { return path(r).*member; };
    if constexpr (DescribedRecord<T>) {
      LineCollector<T> inner(lines_, name, at);
      RecordFields<T>::Describe(inner);
    } else if constexpr (std::is_same_v<T, int32_t>) {
      lines_.push_back({name, Kind::Int32, 0, at, {}, {}, {}});
    } else if constexpr (std::is_same_v<T, uint8_t>) {
      lines_.push_back({name, Kind::Byte, 0, {}, at, {}, {}});
    } else {
      static_assert(IsShortString<T>::value, "the text shows numbers, bytes and texts");
      // The stored check string keeps room for its dropped last byte.
      constexpr bool check = std::is_same_v<Form, CheckStringForm>;
      lines_.push_back({name,
                        check ? Kind::Check : Kind::Text,
                        check ? T::kCapacity - 1 : T::kCapacity,
                        {},
                        {},
                        [at](InitRecord& r) { return at(r).str(); },
                        [at](InitRecord& r, const std::string& t) { at(r) = t; }});
    }
  }
  void Padding(std::size_t, std::size_t) {}

 private:
  std::vector<NamedField>& lines_;
  std::string prefix_;
  Path path_;
};

// The lines in field-list order.
const std::vector<NamedField>& Fields() {
  static const std::vector<NamedField> fields = [] {
    std::vector<NamedField> lines;
    LineCollector<InitRecord> collector(lines, "", [](InitRecord& r) -> InitRecord& { return r; });
    RecordFields<InitRecord>::Describe(collector);
    return lines;
  }();
  return fields;
}

constexpr const char* kRawBytes = "raw_bytes";

// The named fields of stored bytes (check string decoded).
InitRecord NamedOf(const InitRecordBytes& raw) {
  InitRecord r = InitRecord::Decode(raw.data());
  r.CheckString = DecodeCheckString(r.CheckString.str());
  return r;
}

// The bytes of named fields with everything they leave open zero.
InitRecordBytes BytesOf(InitRecord named) {
  named.CheckString = EncodeCheckString(named.CheckString.str());
  InitRecordBytes raw{};
  named.Encode(raw.data());
  return raw;
}

std::string Hex(uint8_t b) {
  char buffer[3];
  std::snprintf(buffer, sizeof buffer, "%02X", b);
  return buffer;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "OFFSET:HEX OFFSET:HEX ..." into (offset, byte) pairs.
std::variant<std::vector<std::pair<std::size_t, uint8_t>>, std::string> ParseRawBytes(
    std::string_view value) {
  std::vector<std::pair<std::size_t, uint8_t>> bytes;
  while (!(value = Trim(value)).empty()) {
    const std::size_t end = std::min(value.find(' '), value.size());
    const std::string_view group = value.substr(0, end);
    value.remove_prefix(end);
    const std::size_t colon = group.find(':');
    const auto offset = colon == std::string_view::npos ? std::nullopt : TryStrToInt(group.substr(0, colon));
    if (!offset || *offset < 0 || group.substr(0, colon).find_first_not_of("0123456789") != std::string_view::npos)
      return "'" + std::string(group) + "' is not OFFSET:HEXBYTES";
    const std::string_view hex = group.substr(colon + 1);
    if (hex.empty() || hex.size() % 2 != 0)
      return "'" + std::string(group) + "' needs two hex digits per byte";
    for (std::size_t i = 0; i < hex.size(); i += 2) {
      const int hi = HexValue(hex[i]);
      const int lo = HexValue(hex[i + 1]);
      if (hi < 0 || lo < 0) return "'" + std::string(group) + "' holds a byte that is not hex";
      const std::size_t at = static_cast<std::size_t>(*offset) + i / 2;
      if (at >= InitRecord::kSize)
        return "offset " + std::to_string(at) + " lies outside the 240-byte record";
      bytes.emplace_back(at, static_cast<uint8_t>(hi * 16 + lo));
    }
  }
  return bytes;
}

}  // namespace

std::string InitRecordToText(const InitRecordBytes& raw) {
  InitRecord named = NamedOf(raw);
  std::string out =
      "# data/inicializace.qvl, the gamebook's initialization record.\n"
      "# Numbers are decimal; texts stand in double quotes (\\\" \\\\ \\xHH escapes).\n"
      "# ask_name 1: a new game first asks for the hero's name.\n";
  for (const NamedField& f : Fields()) {
    out += f.Name;
    out += " = ";
    switch (f.Type) {
      case Kind::Int32: out += std::to_string(f.Int(named)); break;
      case Kind::Byte: out += std::to_string(f.Byte(named)); break;
      case Kind::Text:
      case Kind::Check: out += QuoteCp1250(f.GetText(named)); break;
    }
    out += '\n';
  }
  // What the named fields do not carry: runs of bytes that differ from the
  // record the fields alone would give.
  const InitRecordBytes canonical = BytesOf(named);
  std::string groups;
  for (std::size_t i = 0; i < raw.size();) {
    if (raw[i] == canonical[i]) {
      ++i;
      continue;
    }
    groups += (groups.empty() ? "" : " ") + std::to_string(i) + ":";
    while (i < raw.size() && raw[i] != canonical[i]) groups += Hex(raw[i++]);
  }
  if (!groups.empty()) {
    out += "# bytes the fields above leave open, kept as they were\n";
    out += std::string(kRawBytes) + " = " + groups + "\n";
  }
  return out;
}

InitTextResult InitRecordFromText(std::string_view text) {
  InitTextResult result;
  InitRecord named;
  std::map<std::string, int, std::less<>> seen;  // field -> line
  std::vector<std::pair<std::size_t, uint8_t>> raw_bytes;
  auto error = [&result](int line, std::string message) {
    result.Errors.push_back({line, std::move(message)});
  };

  int line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == '#') continue;

    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      error(line_number, "expected NAME = VALUE");
      continue;
    }
    const std::string name(Trim(line.substr(0, eq)));
    const std::string_view value = Trim(line.substr(eq + 1));
    if (const auto it = seen.find(name); it != seen.end()) {
      error(line_number, name + " is given twice (first on line " + std::to_string(it->second) + ")");
      continue;
    }
    if (name == kRawBytes) {
      seen[name] = line_number;
      auto parsed = ParseRawBytes(value);
      if (auto* message = std::get_if<std::string>(&parsed))
        error(line_number, std::string(kRawBytes) + ": " + *message);
      else
        raw_bytes = std::get<0>(std::move(parsed));
      continue;
    }
    const auto field = std::find_if(Fields().begin(), Fields().end(),
                                    [&name](const NamedField& f) { return name == f.Name; });
    if (field == Fields().end()) {
      error(line_number, "unknown field '" + name + "'");
      continue;
    }
    seen[name] = line_number;
    switch (field->Type) {
      case Kind::Int32:
      case Kind::Byte: {
        const auto n = TryStrToInt(value);
        if (!n || value.empty() || value.front() == ' ') {
          error(line_number, name + ": '" + std::string(value) + "' is not a whole number");
        } else if (field->Type == Kind::Byte && (*n < 0 || *n > 255)) {
          error(line_number, name + ": " + std::to_string(*n) + " is outside 0..255");
        } else if (field->Type == Kind::Byte) {
          field->Byte(named) = static_cast<uint8_t>(*n);
        } else {
          field->Int(named) = *n;
        }
        break;
      }
      case Kind::Text:
      case Kind::Check: {
        auto bytes = UnquoteToCp1250(value);
        if (auto* bad = std::get_if<UnquoteError>(&bytes)) {
          error(line_number, name + ": " + bad->Message);
        } else if (const auto& t = std::get<std::string>(bytes); t.size() > field->Capacity) {
          error(line_number, name + " is " + std::to_string(t.size()) + " bytes long; the record holds " +
                                 std::to_string(field->Capacity));
        } else {
          field->SetText(named, t);
        }
        break;
      }
    }
  }
  for (const NamedField& f : Fields()) {
    if (!seen.contains(f.Name)) error(0, "field " + f.Name + " is missing");
  }
  if (!result.Errors.empty()) return result;

  InitRecordBytes raw = BytesOf(named);
  for (const auto& [at, byte] : raw_bytes) raw[at] = byte;
  // The open bytes may not change what a named field reads as.
  if (BytesOf(NamedOf(raw)) != BytesOf(named)) {
    error(seen[kRawBytes], std::string(kRawBytes) + " changes a named field; it may only set bytes the fields leave open");
    return result;
  }
  result.Record = raw;
  return result;
}

}  // namespace qv
