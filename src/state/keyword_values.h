// The values that gamebook text reads by keyword ($ZIVOTY, $JMENO, $CAS ...):
// every keyword reads a current field of the game state, none is stored.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "state/game_state.h"

namespace qv {

// A moment of the local clock, as CAS and DATUM show it.
struct LocalDateTime {
  int Year = 0;
  int Month = 0;  // 1..12
  int Day = 0;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// Where CAS and DATUM take the time from; tests pass a fixed one.
using LocalClock = std::function<LocalDateTime()>;
LocalDateTime SystemLocalTime();

// "H:MM:SS" and "DD.MM.YYYY", the usual Czech long time and short date forms.
std::string FormatLongTime(const LocalDateTime& moment);
std::string FormatShortDate(const LocalDateTime& moment);

// The value of a keyword: text keywords give their text, number keywords
// their plain decimal value ('-' when negative). Names are compared in upper
// case. nullopt for a name that is no keyword; RETEZEC needs its slot number
// and is read through StringSlotValue.
std::optional<std::string> KeywordValue(const GameState& state, std::string_view name,
                                        const LocalClock& clock = SystemLocalTime);

// Appends the value of an upper-case keyword to OUT; false (nothing
// appended) for a name that is no keyword. Text substitution uses it to
// build its result without temporary strings.
bool AppendKeywordValue(std::string& out, const GameState& state, std::string_view upper_name,
                        const LocalClock& clock = SystemLocalTime);

// No keyword is longer than this (RETEZEC included).
inline constexpr std::size_t kLongestKeyword = 24;

// RETEZEC n: text slot n, empty for n outside 1..10.
std::string StringSlotValue(const GameState& state, long long n);

// The six attributes that have a pure (CISTY...) value.
enum class PureAttributeKind { MaxZivoty, MaxMana, Sila, Obratnost, Rychlost, Energie };

// The attribute without the '+' and '-' effects of the weapon in hand and the
// armour worn. The state is not changed.
int32_t PureAttribute(const GameState& state, PureAttributeKind which);

}  // namespace qv
