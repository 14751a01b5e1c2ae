#include "state/game_state.h"

#include <algorithm>
#include <cstdint>

namespace qv {
namespace {

constexpr int32_t kWhite = 0xFFFFFF;
// "Co uděláš?"
constexpr std::string_view kNewGameMenuHeading = "Co ud\xECl\xE1\x9A?";

// The fight bonus is added in 64 bits so a huge bonus cannot wrap the cap
// around.
int32_t CapAt(int32_t value, int32_t maximum, int32_t bonus) {
  const int64_t cap =
      std::clamp<int64_t>(static_cast<int64_t>(maximum) + bonus, INT32_MIN, INT32_MAX);
  return value <= cap ? value : static_cast<int32_t>(cap);
}

}  // namespace

void StartNewGame(GameState& state, const InitRecord& record,
                  std::optional<std::string_view> typedName) {
  WorldState& world = state.World;
  CharacterState& hero = state.Character;

  world.SheetAllowed = true;
  world.EquipmentAllowed = true;
  state.NextLocation = 1;
  world.Variables.Fill(0);

  if (record.AskName == 0) {
    hero.Name = record.HeroName.str();
  } else if (typedName) {
    hero.Name = *typedName;
  }
  hero.StartName = hero.Name;

  hero.ZKUSENOSTI = record.Zkusenosti;
  hero.PENIZE = record.Penize;
  hero.ZIVOTY = record.Zivoty.Start;
  hero.MAXZIVOTY = record.Zivoty.Start;
  hero.MANA = record.Mana.Start;
  hero.MAXMANA = record.Mana.Start;
  hero.SILA = record.Sila.Start;
  hero.OBRATNOST = record.Obratnost.Start;
  hero.RYCHLOST = record.Rychlost.Start;
  hero.ENERGIE = record.Energie.Start;
  StoreStartAttributes(hero);

  const StartAttribute* const raiseOrder[kRaiseCount] = {&record.Zivoty,  &record.Mana,
                                                         &record.Sila,    &record.Obratnost,
                                                         &record.Energie, &record.Rychlost};
  static_assert(kRaiseZivoty == 0 && kRaiseMana == 1 && kRaiseSila == 2 && kRaiseObratnost == 3 &&
                kRaiseEnergie == 4 && kRaiseRychlost == 5);
  for (std::size_t i = 0; i < kRaiseCount; ++i) {
    hero.RaiseCost[i] = raiseOrder[i]->RaiseCost;
    hero.RaiseStep[i] = raiseOrder[i]->RaiseStep;
  }

  state.CurrencyName = record.CurrencyName.str();
  world.GameTitle = record.Title.str();
  world.GameCode = record.CheckString.str();

  world.MenuOptionCount = 0;
  world.Location = 1;
  world.DefaultMenuColour = kWhite;
  world.DefaultTextColour = kWhite;
  world.MenuHeadingColour = kWhite;
  world.MenuHeading = kNewGameMenuHeading;
  world.ShowLocationNumbers = 0;
  world.ReportChanges = 0;

  for (Spell& spell : state.Spells.Entries) spell.Known = 0;
  for (Attack& attack : state.Attacks.Entries) attack.Known = 0;
}

void EquipStartingGear(GameState& state) {
  state.Character.CurrentArmour = state.Armours.at(1);
  state.Character.CurrentWeapon = state.Weapons.at(1);
}

bool ClampAttributes(GameState& state, Host& host) {
  CharacterState& hero = state.Character;
  hero.MANA = CapAt(hero.MANA, hero.MAXMANA, state.Fight.maxmana);
  hero.ZIVOTY = CapAt(hero.ZIVOTY, hero.MAXZIVOTY, state.Fight.maxzivoty);
  const bool died = hero.ZIVOTY <= 0;
  if (died) host.ShowDeathWindow();
  if (hero.MANA < 0) hero.MANA = 0;
  return died;
}

}  // namespace qv
