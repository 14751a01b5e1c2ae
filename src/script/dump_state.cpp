#include <string>

#include "script/dump.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

// Held counts of catalog entries 1..100 that are not zero, by number.
template <class Record>
Json HeldEntries(const Catalog<Record>& catalog) {
  Json held = Json::object();
  for (int32_t n = 1; n <= Catalog<Record>::kCapacity; ++n) {
    const auto count = catalog.at(n).Held;
    if (count != 0) held[std::to_string(n)] = count;
  }
  return held;
}

template <class Record>
Json KnownEntries(const Catalog<Record>& catalog) {
  Json known = Json::array();
  for (int32_t n = 1; n <= Catalog<Record>::kCapacity; ++n) {
    if (catalog.at(n).Known != 0) known.push_back(n);
  }
  return known;
}

Json Library(const TMyPlugin* library, bool enabled) {
  Json out = Json::object();
  out["name"] = library ? ShownText(library->Name) : std::string();
  out["enabled"] = enabled;
  return out;
}

}  // namespace

Json DumpGameState(const GameState& state, const LocationStore& store) {
  const WorldState& world = state.World;
  const CharacterState& hero = state.Character;
  Json out = Json::object();

  Json variables = Json::object();
  for (long long n = 1; n <= static_cast<long long>(WorldState::kVariableCount); ++n) {
    const int32_t value = world.Variables.Get(n);
    if (value != 0) variables[std::to_string(n)] = value;
  }
  out["variables"] = std::move(variables);

  Json strings = Json::object();
  for (long long n = 1; n <= static_cast<long long>(WorldState::kStringCount); ++n) {
    const ShortString<100> text = world.Strings.Get(n);
    if (!text.empty()) strings[std::to_string(n)] = ShownText(text.str());
  }
  out["strings"] = std::move(strings);

  out["name"] = ShownText(hero.Name.str());
  out["start_name"] = ShownText(hero.StartName.str());
  out["currency"] = ShownText(state.CurrencyName);
  out["penize"] = hero.PENIZE;
  out["zkusenosti"] = hero.ZKUSENOSTI;
  out["zivoty"] = hero.ZIVOTY;
  out["maxzivoty"] = hero.MAXZIVOTY;
  out["mana"] = hero.MANA;
  out["maxmana"] = hero.MAXMANA;
  out["sila"] = hero.SILA;
  out["obratnost"] = hero.OBRATNOST;
  out["rychlost"] = hero.RYCHLOST;
  out["energie"] = hero.ENERGIE;
  out["start"] = Json{{"maxzivoty", hero.STARTMAXZIVOTY}, {"maxmana", hero.STARTMAXMANA},
                      {"sila", hero.STARTSILA},           {"obratnost", hero.STARTOBRATNOST},
                      {"rychlost", hero.STARTRYCHLOST},   {"energie", hero.STARTENERGIE}};
  // Both in RaiseIndex order: zivoty, mana, sila, obratnost, energie, rychlost.
  out["raise_cost"] = hero.RaiseCost;
  out["raise_step"] = hero.RaiseStep;
  out["weapon"] = hero.CurrentWeapon.Number;
  out["armour"] = hero.CurrentArmour.Number;
  out["held"] = Json{{"weapons", HeldEntries(state.Weapons)},
                     {"armour", HeldEntries(state.Armours)},
                     {"items", HeldEntries(state.Items)}};
  out["known"] =
      Json{{"spells", KnownEntries(state.Spells)}, {"attacks", KnownEntries(state.Attacks)}};

  Json objects = Json::object();
  for (long long n = 1; n <= 100; ++n) {
    const ObjectEntry& object = *state.Objects.Find(n);
    if (object.Count <= 0 && object.Name.empty()) continue;
    objects[std::to_string(n)] = Json{{"name", ShownText(object.Name.str())},
                                      {"description", ShownText(object.Description.str())},
                                      {"picture", ShownText(object.Picture.str())},
                                      {"count", object.Count}};
  }
  out["objects"] = std::move(objects);
  out["object_count"] = state.ObjectCount;
  out["redirect"] = ShownText(world.RedirectName.str());
  out["prefix"] = Library(store.Prefix(), world.PrefixEnabled);
  out["suffix"] = Library(store.Suffix(), world.SuffixEnabled);
  out["sheet_allowed"] = world.SheetAllowed;
  out["equipment_allowed"] = world.EquipmentAllowed;
  out["show_location_numbers"] = world.ShowLocationNumbers;
  out["report_changes"] = world.ReportChanges;
  // "hit" is what ZASAZENVSOUBOJI reads: only the low byte of the field counts.
  out["combat"] = Json{{"result", state.LastCombatResult},
                       {"hit", (hero.HitInCombat & 0xFF) != 0 ? 1 : 0},
                       {"spells", hero.SpellsInCombat},
                       {"items", hero.ItemsInCombat}};
  return out;
}

}  // namespace qv
