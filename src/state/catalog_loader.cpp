#include "state/catalog_loader.h"

#include <string>

#include "data/catalog_line_reader.h"
#include "data/conversion.h"
#include "data/text_lines.h"
#include "parser/dice.h"
#include "state/catalog_entries.h"
#include "state/substitution.h"

namespace qv {
namespace {

// Lines that are no record (empty lines, comments) hold no ",".
bool IsRecordLine(std::string_view line) { return line.find(',') != std::string_view::npos; }

Weapon ReadWeapon(CatalogLineReader& in, int32_t& serial) {
  Weapon w;
  w.Number = in.LeadingNumber();
  w.Name = in.Text();
  w.Description = in.Text();
  in.SkipToDigit();
  w.Dice = ParseDice(in.UpToComma());
  w.Damage = in.Number();
  w.Price = in.Number();
  const CatalogEntries entries = SortEntries(in.Entries(), false, serial);
  w.EffectCount = entries.PlainCount;
  w.Effects = entries.Plain;
  w.ConditionCount = entries.ConditionCount;
  w.Conditions = entries.Conditions;
  w.Held = 0;
  return w;
}

Armour ReadArmour(CatalogLineReader& in, int32_t& serial) {
  Armour a;
  a.Number = in.LeadingNumber();
  a.Name = in.Text();
  a.Description = in.Text();
  in.SkipToDigit();
  a.Defence = StrToInt(in.UpToComma());
  a.Toughness = in.Number();
  a.AttackPenalty = in.Number();
  a.Price = in.Number();
  const CatalogEntries entries = SortEntries(in.Entries(), false, serial);
  a.EffectCount = entries.PlainCount;
  a.Effects = entries.Plain;
  a.ConditionCount = entries.ConditionCount;
  a.Conditions = entries.Conditions;
  a.Held = 0;
  return a;
}

// `slot` is the record the index held before: an item's Held count is no
// field of the line and stays as it was.
Item ReadItem(CatalogLineReader& in, int32_t& serial, const Item& slot) {
  Item it;
  it.Number = in.LeadingNumber();
  it.Name = in.Text();
  it.Description = in.Text();
  it.Price = in.Number();
  in.SkipPastComma();
  it.UseWord = TrimBlanks(in.UpToComma());
  const CatalogEntries entries = SortEntries(in.Entries(), false, serial);
  it.EffectCount = entries.PlainCount;
  it.Effects = entries.Plain;
  it.ConditionCount = entries.ConditionCount;
  it.Conditions = entries.Conditions;
  it.Held = slot.Held;
  return it;
}

Spell ReadSpell(CatalogLineReader& in, int32_t& serial, const Spell& slot) {
  Spell s;
  s.Number = in.Number();
  s.Name = in.Text();
  s.Description = in.Text();
  s.ManaCost = in.Number();
  const CatalogEntries entries = SortEntries(in.Entries(), false, serial);
  s.EffectCount = entries.PlainCount;
  s.Effects = entries.Plain;
  s.ConditionCount = entries.ConditionCount;
  s.Conditions = entries.Conditions;
  s.Known = slot.Known;
  return s;
}

Attack ReadAttack(CatalogLineReader& in, int32_t& serial, const Attack& slot) {
  Attack a;
  a.Number = in.Number();
  a.Name = in.Text();
  a.Description = in.Text();
  a.HitText = in.Text();
  a.NoDamageText = in.Text();
  a.MissText = in.Text();
  a.EnergyCost = in.Number();
  a.ManaCost = in.Number();
  in.SkipPastComma();
  a.AttackFormula = in.UpToComma();
  if (in.At(',')) in.SkipPastComma();
  a.DamageFormula = in.UpTo(",;");
  const CatalogEntries entries = SortEntries(in.Entries(), true, serial);
  a.PlainEffectCount = entries.PlainCount;
  a.PlainEffects = entries.Plain;
  a.HitEffectCount = entries.HitCount;
  a.HitEffects = entries.Hit;
  a.MissEffectCount = entries.MissCount;
  a.MissEffects = entries.Miss;
  a.ConditionCount = entries.ConditionCount;
  a.Conditions = entries.Conditions;
  a.Known = slot.Known;
  return a;
}

// Reads every record line of file NAME into CATALOG after its current
// records. A line that fails its conversion ends the file: its message is
// shown, the records before it stay, the failing line adds nothing.
template <class Record, class ReadLine>
void LoadCatalog(GameFiles& files, GameState& state, Host& host, std::string_view name,
                 Catalog<Record>& catalog, bool substitute, ReadLine read_line) {
  const std::optional<std::string> text = files.ReadGameFile(name);
  if (!text) return;
  try {
    LineCursor lines(*text);
    for (std::string_view line; lines.Next(line);) {
      if (catalog.Count >= Catalog<Record>::kCapacity) break;
      if (!IsRecordLine(line)) continue;
      // The reader appends the ";" itself; the substituted values are those
      // of the moment, so a reload shows the current ones.
      CatalogLineReader in(substitute ? SubstituteValues(line, state) : line);
      const Record& slot = catalog.at(catalog.Count < 0 ? 1 : catalog.Count + 1);
      catalog.Append(read_line(in, state.ConditionSerial, slot));
    }
  } catch (const ConversionError& error) {
    host.ShowMessage(error.what());
  }
}

}  // namespace

Weapon ReadWeaponLine(std::string_view line, int32_t& serial) {
  CatalogLineReader in(line);
  return ReadWeapon(in, serial);
}
Armour ReadArmourLine(std::string_view line, int32_t& serial) {
  CatalogLineReader in(line);
  return ReadArmour(in, serial);
}
Item ReadItemLine(std::string_view line, int32_t& serial) {
  CatalogLineReader in(line);
  return ReadItem(in, serial, Item{});
}
Spell ReadSpellLine(std::string_view line, int32_t& serial) {
  CatalogLineReader in(line);
  return ReadSpell(in, serial, Spell{});
}
Attack ReadAttackLine(std::string_view line, int32_t& serial) {
  CatalogLineReader in(line);
  return ReadAttack(in, serial, Attack{});
}

void LoadWeapons(GameFiles& files, GameState& state, Host& host) {
  LoadCatalog(
      files, state, host, "zbrane", state.Weapons, false,
      [](CatalogLineReader& in, int32_t& serial, const Weapon&) { return ReadWeapon(in, serial); });
}

void LoadArmour(GameFiles& files, GameState& state, Host& host) {
  LoadCatalog(
      files, state, host, "zbroje", state.Armours, false,
      [](CatalogLineReader& in, int32_t& serial, const Armour&) { return ReadArmour(in, serial); });
}

void LoadItems(GameFiles& files, GameState& state, Host& host) {
  LoadCatalog(files, state, host, "predmety", state.Items, false, ReadItem);
}

void LoadSpells(GameFiles& files, GameState& state, Host& host) {
  LoadCatalog(files, state, host, "kouzla", state.Spells, true, ReadSpell);
}

void LoadAttacks(GameFiles& files, GameState& state, Host& host) {
  LoadCatalog(files, state, host, "utoky", state.Attacks, true, ReadAttack);
}

void ReloadSpellsAndAttacks(GameFiles& files, GameState& state, Host& host) {
  state.Attacks.Count = 0;
  state.Spells.Count = 0;
  LoadAttacks(files, state, host);
  LoadSpells(files, state, host);
}

}  // namespace qv
