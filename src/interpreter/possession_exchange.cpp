// ZMENZBRAN and ZMENZBROJ: exchanging one weapon or armour for another.

#include <string>

#include "interpreter/game_window.h"
#include "interpreter/possession_handlers.h"
#include "interpreter/possession_kinds.h"
#include "possessions/possession_counts.h"

namespace qv {

namespace {

using namespace possession_text;

// For each attribute: the name is the old piece a, the value the new one b.
// A spare a is exchanged in the bag; without one, an a in hand (or worn) is
// taken off and b put on in its place. Otherwise nothing. Both numbers must
// have a catalog slot (1..100), else the attribute is ignored: there would
// be no record to take the new piece from, or the old one would vanish.
template <class Kind>
void Exchange(GameWindow& form, const TagEntry& tag) {
  auto& catalog = Kind::CatalogOf(form.State);
  CharacterState& character = form.State.Character;
  for (const param& p : Attributes(tag)) {
    const int32_t old_number = NameNumber(p);
    const int32_t new_number = IntValue(p);
    auto* old_entry = catalog.Find(old_number);
    auto* new_entry = catalog.Find(new_number);
    if (old_entry == nullptr || new_entry == nullptr) continue;
    if (old_entry->Held >= 1) {
      --old_entry->Held;
      new_entry->Held = AddToCount(new_entry->Held, 1);
    } else if (Kind::InHand(character).Number == old_number) {
      // A copy: the record is copied whole, its Held included.
      const typename Kind::Record replacement = *new_entry;
      Kind::Exchange(character, replacement);
    } else {
      continue;
    }
    form.Report(std::string(Kind::kYour) + old_entry->Name.str() + std::string(Kind::kChanged) +
                    new_entry->Name.str(),
                kExchangeColour);
  }
}

}  // namespace

void ZmenZbran(GameWindow& form, const TagEntry& tag) { Exchange<WeaponKind>(form, tag); }
void ZmenZbroj(GameWindow& form, const TagEntry& tag) { Exchange<ArmourKind>(form, tag); }

}  // namespace qv
