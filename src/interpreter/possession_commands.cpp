// The possession commands: giving, taking and exchanging weapons, armour,
// items and story objects, learning and forgetting spells and attacks, and
// copying possession counts into variables.
//
// Entry numbers outside 1..100 and variable numbers outside 1..999 have no
// slot in their table: attributes naming one are ignored (ZBRAN, ZBROJ and
// PREDMET still report numbers of 0 and below, see possession_giving.cpp).

#include <string_view>

#include "interpreter/command_table.h"
#include "interpreter/game_window.h"
#include "interpreter/possession_handlers.h"
#include "interpreter/possession_kinds.h"

namespace qv {

namespace {

using namespace possession_text;

// UMIME learns, NEUMIME forgets; the value is the entry number. Each such
// attribute acts, in order; the report comes before the change.
template <class Record>
void SetKnown(GameWindow& form, const TagEntry& tag, Catalog<Record>& catalog,
              std::string_view learnt, std::string_view forgotten) {
  for (const param& p : Attributes(tag)) {
    const bool learn = p.Name == "UMIME";
    if (!learn && p.Name != "NEUMIME") continue;
    Record* entry = catalog.Find(IntValue(p));
    if (entry == nullptr) continue;
    if (learn) {
      form.Report(learnt, kLearnColour);
      entry->Known = 1;
    } else {
      form.Report(forgotten, kForgetColour);
      entry->Known = 0;
    }
  }
}

void Kouzlo(GameWindow& form, const TagEntry& tag) {
  SetKnown(form, tag, form.State.Spells, kNewSpell, kForgotSpell);
}

void Utok(GameWindow& form, const TagEntry& tag) {
  SetKnown(form, tag, form.State.Attacks, kNewAttack, kForgotAttack);
}

// For each attribute: variable (name) := the count of entry (value).
template <class Table>
void CountInto(GameWindow& form, const TagEntry& tag, const Table& table, auto count_of) {
  auto& variables = form.State.World.Variables;
  for (const param& p : Attributes(tag)) {
    const int32_t variable = NameNumber(p);
    const auto* entry = table.Find(IntValue(p));
    if (entry == nullptr) continue;
    variables.Set(variable, static_cast<int32_t>(count_of(*entry)));
  }
}

void PocetPredmetu(GameWindow& form, const TagEntry& tag) {
  CountInto(form, tag, form.State.Items, [](const Item& item) { return item.Held; });
}

void PocetObjektu(GameWindow& form, const TagEntry& tag) {
  CountInto(form, tag, form.State.Objects, [](const ObjectEntry& object) { return object.Count; });
}

// The weapon in hand and the armour worn are not counted.
void PocetZbrani(GameWindow& form, const TagEntry& tag) {
  CountInto(form, tag, form.State.Weapons, [](const Weapon& weapon) { return weapon.Held; });
}

void PocetZbroji(GameWindow& form, const TagEntry& tag) {
  CountInto(form, tag, form.State.Armours, [](const Armour& armour) { return armour.Held; });
}

}  // namespace

void AddPossessionCommands(CommandMap& map) {
  map["ZBRAN"] = &Zbran;
  map["ZBROJ"] = &Zbroj;
  map["PREDMET"] = &Predmet;
  map["OBJEKT"] = &Objekt;
  map["ODSTRANPREDMET"] = &OdstranPredmet;
  map["ODSTRANOBJEKT"] = &OdstranObjekt;
  map["ODSTRANZBRAN"] = &OdstranZbran;
  map["ODSTRANZBROJ"] = &OdstranZbroj;
  map["ODSTRANZBRANEALL"] = &OdstranZbraneAll;
  map["ODSTRANZBROJEALL"] = &OdstranZbrojeAll;
  map["ZADNEZBRANE"] = &ZadneZbrane;
  map["ZADNEZBROJE"] = &ZadneZbroje;
  map["ZADNEPREDMETY"] = &ZadnePredmety;
  map["ZADNEOBJEKTY"] = &ZadneObjekty;
  map["ZMENZBRAN"] = &ZmenZbran;
  map["ZMENZBROJ"] = &ZmenZbroj;
  map["KOUZLO"] = &Kouzlo;
  map["UTOK"] = &Utok;
  map["AKCE"] = &Utok;
  map["POCETPREDMETU"] = &PocetPredmetu;
  map["POCETOBJEKTU"] = &PocetObjektu;
  map["POCETZBRANI"] = &PocetZbrani;
  map["POCETZBROJI"] = &PocetZbroji;
}

}  // namespace qv
