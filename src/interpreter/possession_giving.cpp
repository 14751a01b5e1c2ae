// ZBRAN, ZBROJ, PREDMET and OBJEKT: giving possessions, one report each.

#include <string>

#include "interpreter/game_window.h"
#include "interpreter/possession_handlers.h"
#include "interpreter/possession_kinds.h"
#include "possessions/possession_counts.h"

namespace qv {

namespace {

using namespace possession_text;

// For each attribute: entry (name) gains amount (value), then "Získal jsi "
// + count text + kind word + name + "!". A number of 0 or below changes no
// count and is still reported, with the empty name of no entry. A number
// above 100 has no slot in the catalog: the attribute is ignored without a
// report.
template <class Kind>
void Give(GameWindow& form, const TagEntry& tag) {
  auto& catalog = Kind::CatalogOf(form.State);
  for (const param& p : Attributes(tag)) {
    const int32_t number = NameNumber(p);
    const int32_t amount = IntValue(p);
    std::string name;
    if (number > 0) {
      auto* entry = catalog.Find(number);
      if (entry == nullptr) continue;
      entry->Held = AddToCount(entry->Held, amount);
      name = entry->Name.str();
    }
    form.Report(std::string(kGained) + CountText(amount, p.Value) + std::string(Kind::kGainWord) +
                    name + "!",
                Kind::kGainColour);
  }
}

}  // namespace

void Zbran(GameWindow& form, const TagEntry& tag) { Give<WeaponKind>(form, tag); }
void Zbroj(GameWindow& form, const TagEntry& tag) { Give<ArmourKind>(form, tag); }
void Predmet(GameWindow& form, const TagEntry& tag) { Give<ItemKind>(form, tag); }

// Defines or updates one story object and gives it. The last attribute with
// a number name (1..100) chooses the object; numbers above 100 have no room
// in the table and are skipped. Without any such attribute there is no object
// to define: the tag does nothing at all.
void Objekt(GameWindow& form, const TagEntry& tag) {
  GameState& state = form.State;
  int32_t chosen = 0;
  const param* chooser = nullptr;
  int32_t chosen_amount = 0;
  for (const param& p : Attributes(tag)) {
    const auto number = NumericName(p);
    if (!number) continue;
    const int32_t amount = IntValue(p);
    ObjectEntry* object = state.Objects.Find(*number);
    if (object == nullptr) continue;
    object->Count = AddToCount(object->Count, amount);
    chosen = *number;
    chooser = &p;
    chosen_amount = amount;
  }
  ObjectEntry* object = state.Objects.Find(chosen);
  if (object == nullptr) return;

  // A new definition shows no picture unless it names one.
  object->Picture = "";
  for (const param& p : Attributes(tag)) {
    if (p.Name == "JMENO") {
      object->Name = p.Value;
    } else if (p.Name == "POPIS") {
      object->Description = p.Value;
    } else if (p.Name == "OBRAZEK") {
      object->Picture = p.Value;
    } else if (p.Name == "VYSKA") {
      object->Height = IntValue(p);
    } else if (p.Name == "SIRKA") {
      object->Width = IntValue(p);
    }
  }
  if (chosen > state.ObjectCount) state.ObjectCount = chosen;

  form.Report(
      std::string(kGained) + CountText(chosen_amount, chooser->Value) + object->Name.str() + "!",
      kObjectColour);
}

}  // namespace qv
