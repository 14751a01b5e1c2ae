#include "parser/substitution.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "data/text_case.h"

namespace qv {
namespace {

// This runs on every attribute of every tag of every page, so values are
// appended straight into the result: no temporary strings per reference.
// The values are those of KeywordValue (a test holds the two together).

using Appender = void (*)(std::string& out, const GameState& state, const LocalClock& clock);

void AppendNumber(std::string& out, int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<std::size_t>(end - digits));
}

struct Name {
  std::string_view name;
  Appender append;
};

#define QV_NUMBER(expr) \
  [](std::string& out, const GameState& s, const LocalClock&) { AppendNumber(out, (expr)); }
#define QV_TEXT(expr) [](std::string& out, const GameState& s, const LocalClock&) { out += (expr); }
#define QV_PURE(kind)                                             \
  [](std::string& out, const GameState& s, const LocalClock&) {   \
    AppendNumber(out, PureAttribute(s, PureAttributeKind::kind)); \
  }

constexpr Name kNames[] = {
    {"JMENO", QV_TEXT(s.Character.Name.str())},
    {"STARTJMENO", QV_TEXT(s.Character.StartName.str())},
    {"SOUBORPRESMEROVAN", QV_TEXT(s.World.RedirectName.str())},
    {"CAS", [](std::string& out, const GameState&,
               const LocalClock& clock) { out += FormatLongTime(clock()); }},
    {"DATUM", [](std::string& out, const GameState&,
                 const LocalClock& clock) { out += FormatShortDate(clock()); }},
    {"KOUZLAVSOUBOJI", QV_NUMBER(s.Character.SpellsInCombat)},
    {"PREDMETYVSOUBOJI", QV_NUMBER(s.Character.ItemsInCombat)},
    {"ZASAZENVSOUBOJI", QV_NUMBER((s.Character.HitInCombat & 0xFF) != 0 ? 1 : 0)},
    {"LOKACE", QV_NUMBER(s.World.Location)},
    {"VYSLEDEKSOUBOJE", QV_NUMBER(s.LastCombatResult)},
    {"ZIVOTY", QV_NUMBER(s.Character.ZIVOTY)},
    {"MAXZIVOTY", QV_NUMBER(s.Character.MAXZIVOTY)},
    {"MANA", QV_NUMBER(s.Character.MANA)},
    {"MAXMANA", QV_NUMBER(s.Character.MAXMANA)},
    {"SILA", QV_NUMBER(s.Character.SILA)},
    {"OBRATNOST", QV_NUMBER(s.Character.OBRATNOST)},
    {"RYCHLOST", QV_NUMBER(s.Character.RYCHLOST)},
    {"ENERGIE", QV_NUMBER(s.Character.ENERGIE)},
    {"ZKUSENOSTI", QV_NUMBER(s.Character.ZKUSENOSTI)},
    {"XP", QV_NUMBER(s.Character.ZKUSENOSTI)},
    {"PENIZE", QV_NUMBER(s.Character.PENIZE)},
    {"CISLOZBRANE", QV_NUMBER(s.Character.CurrentWeapon.Number)},
    {"CISLOZBROJE", QV_NUMBER(s.Character.CurrentArmour.Number)},
    {"POSKOZENI", QV_NUMBER(s.Character.CurrentWeapon.Damage)},
    {"STARTMAXZIVOTY", QV_NUMBER(s.Character.STARTMAXZIVOTY)},
    {"STARTMAXMANA", QV_NUMBER(s.Character.STARTMAXMANA)},
    {"STARTSILA", QV_NUMBER(s.Character.STARTSILA)},
    {"STARTOBRATNOST", QV_NUMBER(s.Character.STARTOBRATNOST)},
    {"STARTRYCHLOST", QV_NUMBER(s.Character.STARTRYCHLOST)},
    {"STARTENERGIE", QV_NUMBER(s.Character.STARTENERGIE)},
    // The hero's maximum with the current fight's bonus; shown in fights.
    {"SOUBOJZIVOTY", QV_NUMBER(int64_t{s.Character.MAXZIVOTY} + s.Fight.maxzivoty)},
    {"CISTYMAXZIVOTY", QV_PURE(MaxZivoty)},
    {"CISTYMAXMANA", QV_PURE(MaxMana)},
    {"CISTYSILA", QV_PURE(Sila)},
    {"CISTYOBRATNOST", QV_PURE(Obratnost)},
    {"CISTYRYCHLOST", QV_PURE(Rychlost)},
    {"CISTYENERGIE", QV_PURE(Energie)},
};

#undef QV_NUMBER
#undef QV_TEXT
#undef QV_PURE

constexpr std::string_view kStringSlot = "RETEZEC";

constexpr std::size_t LongestName() {
  std::size_t longest = kStringSlot.size();
  for (const Name& n : kNames) longest = std::max(longest, n.name.size());
  return longest;
}
constexpr std::size_t kLongestName = LongestName();

const Name* FindName(std::string_view upper) {
  for (const Name& n : kNames) {
    if (n.name == upper) return &n;
  }
  return nullptr;
}

// Reads the run of digits at text[pos], moving pos past it. A number too big
// for any table stops growing at `cap`, so a long run cannot overflow.
long long ReadNumber(std::string_view text, std::size_t& pos, long long cap) {
  long long value = 0;
  while (pos < text.size() && IsAsciiDigit(text[pos])) {
    if (value <= cap) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return value;
}

constexpr long long kNumberCap = 1'000'000;

}  // namespace

std::string SubstituteValues(std::string_view text, const GameState& state,
                             const LocalClock& clock) {
  std::size_t dollar = text.find('$');
  if (dollar == std::string_view::npos) return std::string(text);

  std::string out;
  out.reserve(text.size() + 16);
  std::size_t copied = 0;  // text before this position is in `out`
  while (dollar != std::string_view::npos) {
    out.append(text.data() + copied, dollar - copied);
    std::size_t pos = dollar + 1;
    if (pos < text.size() && IsAsciiDigit(text[pos])) {
      // $N: variable N. Numbers outside 1..999 read as 0.
      const long long n = ReadNumber(text, pos, kNumberCap);
      AppendNumber(out, state.World.Variables.Get(n));
    } else if (pos < text.size() && IsAsciiLetter(text[pos])) {
      const std::size_t start = pos;
      while (pos < text.size() && IsAsciiLetter(text[pos])) ++pos;
      const std::size_t length = pos - start;
      // A name longer than every keyword is unknown and reads as 0.
      char upper[kLongestName];
      const Name* name = nullptr;
      bool stringSlot = false;
      if (length <= kLongestName) {
        for (std::size_t i = 0; i < length; ++i) upper[i] = UpCaseAscii(text[start + i]);
        const std::string_view word(upper, length);
        stringSlot = word == kStringSlot;
        if (!stringSlot) name = FindName(word);
      }
      if (stringSlot) {
        // RETEZEC takes the digits right after it: text slot K, empty for K
        // outside 1..10 or without digits.
        const long long k = ReadNumber(text, pos, kNumberCap);
        if (const auto* slot = state.World.Strings.Find(k)) out += slot->str();
      } else if (name != nullptr) {
        name->append(out, state, clock);
      } else {
        out += '0';
      }
    } else {
      out += '$';
    }
    copied = pos;
    dollar = text.find('$', pos);
  }
  out.append(text.data() + copied, text.size() - copied);
  return out;
}

}  // namespace qv
