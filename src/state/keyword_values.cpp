#include "state/keyword_values.h"

#include <charconv>
#include <cstdio>
#include <ctime>

#include "data/text_case.h"
#include "state/apply_effect.h"

namespace qv {
namespace {

int32_t Read(const CharacterState& c, PureAttributeKind which) {
  switch (which) {
    case PureAttributeKind::MaxZivoty:
      return c.MAXZIVOTY;
    case PureAttributeKind::MaxMana:
      return c.MAXMANA;
    case PureAttributeKind::Sila:
      return c.SILA;
    case PureAttributeKind::Obratnost:
      return c.OBRATNOST;
    case PureAttributeKind::Rychlost:
      return c.RYCHLOST;
    case PureAttributeKind::Energie:
      return c.ENERGIE;
  }
  return 0;
}

// Substitution runs on every attribute of every tag of every page, so values
// are appended straight into the caller's text: no temporary strings.

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

constexpr bool NamesFit() {
  for (const Name& n : kNames) {
    if (n.name.size() > kLongestKeyword) return false;
  }
  return true;
}
static_assert(NamesFit(), "kLongestKeyword must cover every keyword");

}  // namespace

LocalDateTime SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string FormatLongTime(const LocalDateTime& m) {
  char text[48];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", m.Hour, m.Minute, m.Second);
  return text;
}

std::string FormatShortDate(const LocalDateTime& m) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", m.Day, m.Month, m.Year);
  return text;
}

bool AppendKeywordValue(std::string& out, const GameState& state, std::string_view upper_name,
                        const LocalClock& clock) {
  for (const Name& n : kNames) {
    if (n.name == upper_name) {
      n.append(out, state, clock);
      return true;
    }
  }
  return false;
}

std::optional<std::string> KeywordValue(const GameState& state, std::string_view name,
                                        const LocalClock& clock) {
  std::string value;
  if (!AppendKeywordValue(value, state, UpCaseAscii(name), clock)) return std::nullopt;
  return value;
}

std::string StringSlotValue(const GameState& state, long long n) {
  return state.World.Strings.Get(n).str();
}

int32_t PureAttribute(const GameState& state, PureAttributeKind which) {
  // Taking the equipment's effects off a copy reads the same value as taking
  // them off the hero and putting them back, and the hero is never touched.
  CharacterState bare = state.Character;
  const CharacterState& hero = state.Character;
  for (const Effect& effect : hero.CurrentWeapon.UsedEffects()) ApplyEffectReversed(bare, effect);
  for (const Effect& effect : hero.CurrentArmour.UsedEffects()) ApplyEffectReversed(bare, effect);
  return Read(bare, which);
}

}  // namespace qv
