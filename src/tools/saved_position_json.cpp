#include "tools/saved_position_json.h"

#include <cstdio>

#include "data/byte_io.h"
#include "data/catalog_records.h"
#include "data/cp1250.h"
#include "state/saved_position.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
using Layout = SavedPositionLayout;

std::string Utf8(std::string_view cp1250) { return Cp1250ToUtf8(cp1250); }

// Colours are 0x00BBGGRR; shown the way gamebooks write them, "$BBGGRR".
std::string Colour(int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%06X", static_cast<unsigned>(value) & 0xFFFFFFu);
  return (static_cast<uint32_t>(value) >> 24) ? std::to_string(value) : buffer;
}

Json EffectJson(const Effect& e) {
  return Json{{"name", Utf8(e.Name)}, {"operator", std::string(1, e.Operator)},
              {"amount", e.Amount}, {"digits", e.Digits}};
}

Json EffectsJson(std::span<const Effect> effects) {
  Json list = Json::array();
  for (const Effect& e : effects) list.push_back(EffectJson(e));
  return list;
}

Json ConditionsJson(std::span<const Condition> conditions) {
  Json list = Json::array();
  for (const Condition& c : conditions) {
    list.push_back(Json{{"subject", Utf8(c.Subject)},
                        {"operator", Utf8(c.Operator)},
                        {"value", Utf8(c.Value)},
                        {"value_is_variable", c.ValueIsVariable},
                        {"predmet", c.ItemKey},
                        {"objekt", c.ObjectKey},
                        {"key_code", c.KeyCode}});
  }
  return list;
}

Json WeaponJson(const Weapon& w) {
  return Json{{"number", w.Number},
              {"name", Utf8(w.Name)},
              {"description", Utf8(w.Description)},
              {"dice", Json{{"count", w.Dice.Count}, {"sides", w.Dice.Sides}, {"modifier", w.Dice.Modifier}}},
              {"damage", w.Damage},
              {"price", w.Price},
              {"effects", EffectsJson(w.UsedEffects())},
              {"held", w.Held},
              {"conditions", ConditionsJson(UsedConditions(w.Conditions, w.ConditionCount))}};
}

Json ArmourJson(const Armour& a) {
  return Json{{"number", a.Number},
              {"name", Utf8(a.Name)},
              {"description", Utf8(a.Description)},
              {"defence", a.Defence},
              {"toughness", a.Toughness},
              {"attack_penalty", a.AttackPenalty},
              {"price", a.Price},
              {"effects", EffectsJson(a.UsedEffects())},
              {"held", a.Held},
              {"conditions", ConditionsJson(UsedConditions(a.Conditions, a.ConditionCount))}};
}

Json MenuOptionJson(const MenuOption& o) {
  Json assignments = Json::array();
  for (std::size_t i = 1; i <= o.AssignmentCount(); ++i)
    assignments.push_back(Json{{"variable", o.AssignmentVariable(i)}, {"value", o.AssignmentValue(i)}});
  return Json{{"target", o.Target},
              {"text", Utf8(o.Text)},
              {"colour", Colour(o.Colour)},
              {"redirect", Utf8(o.Redirect)},
              {"preprefix", Utf8(o.PrePrefix)},
              {"assignments", assignments}};
}

Json WorldJson(const WorldState& w) {
  Json variables = Json::array();
  for (int32_t v : w.Variables) variables.push_back(v);
  Json strings = Json::array();
  for (const auto& s : w.Strings) strings.push_back(Utf8(s));
  Json options = Json::array();
  const int32_t shown = std::clamp<int32_t>(w.MenuOptionCount, 0, WorldState::kMenuOptionCapacity);
  for (int32_t i = 1; i <= shown; ++i) options.push_back(MenuOptionJson(w.MenuOptions.at(i)));
  return Json{{"variables", variables},
              {"strings", strings},
              {"redirect_name", Utf8(w.RedirectName)},
              {"location", w.Location},
              {"previous_location", w.PreviousLocation},
              {"default_menu_colour", Colour(w.DefaultMenuColour)},
              {"default_text_colour", Colour(w.DefaultTextColour)},
              {"menu_heading_colour", Colour(w.MenuHeadingColour)},
              {"menu_heading", Utf8(w.MenuHeading)},
              {"music_name", Utf8(w.MusicName)},
              {"music_kind", w.MusicKind},
              {"prefix_enabled", w.PrefixEnabled},
              {"suffix_enabled", w.SuffixEnabled},
              {"prefix_name", Utf8(w.PrefixName)},
              {"suffix_name", Utf8(w.SuffixName)},
              {"sheet_allowed", w.SheetAllowed},
              {"equipment_allowed", w.EquipmentAllowed},
              {"menu_option_count", w.MenuOptionCount},
              {"menu_options", options},
              {"game_title", Utf8(w.GameTitle)},
              {"game_code", Utf8(w.GameCode)},
              {"show_location_numbers", w.ShowLocationNumbers},
              {"report_changes", w.ReportChanges}};
}

Json CharacterJson(const CharacterState& c) {
  static constexpr const char* kRaiseNames[kRaiseCount] = {"zivoty", "mana", "sila",
                                                           "obratnost", "energie", "rychlost"};
  Json cost;
  Json step;
  for (std::size_t i = 0; i < kRaiseCount; ++i) {
    cost[kRaiseNames[i]] = c.RaiseCost[i];
    step[kRaiseNames[i]] = c.RaiseStep[i];
  }
  return Json{{"name", Utf8(c.Name)},
              {"start_name", Utf8(c.StartName)},
              {"penize", c.PENIZE},
              {"zkusenosti", c.ZKUSENOSTI},
              {"hit_in_combat", c.HitInCombat},
              {"spells_in_combat", c.SpellsInCombat},
              {"items_in_combat", c.ItemsInCombat},
              {"sila", c.SILA},
              {"obratnost", c.OBRATNOST},
              {"zivoty", c.ZIVOTY},
              {"maxzivoty", c.MAXZIVOTY},
              {"mana", c.MANA},
              {"maxmana", c.MAXMANA},
              {"rychlost", c.RYCHLOST},
              {"energie", c.ENERGIE},
              {"startsila", c.STARTSILA},
              {"startobratnost", c.STARTOBRATNOST},
              {"startmaxzivoty", c.STARTMAXZIVOTY},
              {"startmaxmana", c.STARTMAXMANA},
              {"startrychlost", c.STARTRYCHLOST},
              {"startenergie", c.STARTENERGIE},
              {"combat_energy", c.CombatEnergy},
              {"current_weapon", WeaponJson(c.CurrentWeapon)},
              {"current_armour", ArmourJson(c.CurrentArmour)},
              {"raise_cost", cost},
              {"raise_step", step}};
}

// Entries 1..count of one catalog array: the slot, the entry's number and
// name as stored, and its possession field.
template <class Record, class Possession>
Json CatalogJson(std::span<const uint8_t> bytes, std::size_t offset, int32_t count, const char* field,
                 Possession possession) {
  Json list = Json::array();
  for (int32_t k = 1; k <= count; ++k) {
    const Record r = Record::Decode(bytes.data() + offset + static_cast<std::size_t>(k - 1) * Record::kSize);
    list.push_back(Json{{"slot", k}, {"number", r.Number}, {"name", Utf8(r.Name)}, {field, possession(r)}});
  }
  return list;
}

}  // namespace

std::variant<Json, std::string> SavedPositionToJson(std::span<const uint8_t> bytes, std::string_view file_name) {
  if (bytes.size() != Layout::kSize)
    return std::string(file_name) + ": " + std::to_string(bytes.size()) +
           " bytes; a saved position has exactly " + std::to_string(Layout::kSize);
  const SavedPositionReadResult read = DecodeSavedPosition(bytes, Utf8ToCp1250(file_name));
  if (!read.ok()) return Utf8(read.Error.Message);
  const SavedPosition& p = *read.Position;

  Json objects = Json::array();
  for (int32_t k = 1; k <= p.ObjectCount; ++k) {
    const ObjectEntry& o = p.Objects.at(k);
    objects.push_back(Json{{"slot", k},
                           {"name", Utf8(o.Name)},
                           {"description", Utf8(o.Description)},
                           {"picture", Utf8(o.Picture)},
                           {"height", o.Height},
                           {"width", o.Width},
                           {"count", o.Count}});
  }
  return Json{
      {"world", WorldJson(p.World)},
      {"character", CharacterJson(p.Character)},
      {"weapon_count", p.WeaponCount},
      {"armour_count", p.ArmourCount},
      {"item_count", p.ItemCount},
      {"object_count", p.ObjectCount},
      {"spell_count", p.SpellCount},
      {"attack_count", p.AttackCount},
      {"weapons", CatalogJson<Weapon>(bytes, Layout::kWeaponsOffset, p.WeaponCount, "held",
                                      [](const Weapon& r) { return r.Held; })},
      {"armour", CatalogJson<Armour>(bytes, Layout::kArmoursOffset, p.ArmourCount, "held",
                                     [](const Armour& r) { return r.Held; })},
      {"items", CatalogJson<Item>(bytes, Layout::kItemsOffset, p.ItemCount, "held",
                                  [](const Item& r) { return r.Held; })},
      {"objects", objects},
      {"spells", CatalogJson<Spell>(bytes, Layout::kSpellsOffset, p.SpellCount, "known",
                                    [](const Spell& r) { return r.Known; })},
      {"attacks", CatalogJson<Attack>(bytes, Layout::kAttacksOffset, p.AttackCount, "known",
                                      [](const Attack& r) { return r.Known; })},
  };
}

}  // namespace qv
