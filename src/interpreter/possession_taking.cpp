// ODSTRAN... and ZADNE...: taking possessions away.
//
// Entry numbers outside 1..100 have no slot in a catalog or in the object
// table; attributes naming one are ignored.

#include <string>

#include "interpreter/game_window.h"
#include "interpreter/possession_handlers.h"
#include "interpreter/possession_kinds.h"
#include "possessions/possession_counts.h"

namespace qv {

namespace {

using namespace possession_text;

// For each attribute: entry (name) loses amount (value), never below 0.
// No message.
template <class Table>
void TakeAmounts(Table& table, const TagEntry& tag, auto count_of) {
  for (const param& p : Attributes(tag)) {
    const int32_t number = NameNumber(p);
    const int32_t amount = IntValue(p);
    auto* entry = table.Find(number);
    if (entry == nullptr) continue;
    auto& count = count_of(*entry);
    count = TakeFromCount(count, amount);
  }
}

// For each attribute, the value names the piece; the name is not used. A
// spare piece goes first; only when none is held does the one in hand (or
// worn) go, its modifiers taken back and the hand left empty ("Nic").
template <class Kind>
void RemoveOne(GameWindow& form, const TagEntry& tag) {
  auto& catalog = Kind::CatalogOf(form.State);
  CharacterState& character = form.State.Character;
  for (const param& p : Attributes(tag)) {
    const int32_t number = IntValue(p);
    auto* entry = catalog.Find(number);
    if (entry == nullptr) continue;
    if (entry->Held >= 1) {
      --entry->Held;
    } else if (Kind::InHand(character).Number == number) {
      Kind::Drop(character);
    } else {
      continue;
    }
    form.Report(std::string(kLost) + entry->Name.str() + "!", kLossColour);
  }
}

// For each attribute, the value names the piece: every spare one goes. The
// piece in hand (or worn) stays.
template <class Kind>
void RemoveAll(GameWindow& form, const TagEntry& tag) {
  auto& catalog = Kind::CatalogOf(form.State);
  for (const param& p : Attributes(tag)) {
    auto* entry = catalog.Find(IntValue(p));
    if (entry == nullptr || entry->Held <= 0) continue;
    entry->Held = 0;
    form.Report(std::string(Kind::kLostAll) + entry->Name.str() + std::string(kInInventory),
                kLossColour);
  }
}

// Every slot 1..100, also past the loaded records; the piece in hand stays.
template <class Kind>
void ClearHeld(GameWindow& form) {
  for (auto& entry : Kind::CatalogOf(form.State).Entries) entry.Held = 0;
}

}  // namespace

void OdstranPredmet(GameWindow& form, const TagEntry& tag) {
  TakeAmounts(form.State.Items.Entries, tag, [](Item& item) -> int32_t& { return item.Held; });
}

void OdstranObjekt(GameWindow& form, const TagEntry& tag) {
  TakeAmounts(form.State.Objects, tag,
              [](ObjectEntry& object) -> int16_t& { return object.Count; });
}

void OdstranZbran(GameWindow& form, const TagEntry& tag) { RemoveOne<WeaponKind>(form, tag); }
void OdstranZbroj(GameWindow& form, const TagEntry& tag) { RemoveOne<ArmourKind>(form, tag); }
void OdstranZbraneAll(GameWindow& form, const TagEntry& tag) { RemoveAll<WeaponKind>(form, tag); }
void OdstranZbrojeAll(GameWindow& form, const TagEntry& tag) { RemoveAll<ArmourKind>(form, tag); }

void ZadneZbrane(GameWindow& form, const TagEntry&) { ClearHeld<WeaponKind>(form); }
void ZadneZbroje(GameWindow& form, const TagEntry&) { ClearHeld<ArmourKind>(form); }
void ZadnePredmety(GameWindow& form, const TagEntry&) { ClearHeld<ItemKind>(form); }

void ZadneObjekty(GameWindow& form, const TagEntry&) {
  for (ObjectEntry& object : form.State.Objects) object.Count = 0;
}

}  // namespace qv
