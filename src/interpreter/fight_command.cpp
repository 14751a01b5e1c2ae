// SOUBOJ: a fight against one enemy in the fight window. The rest of the
// page is built after the fight.
#include <algorithm>
#include <string>

#include "combat/fight_values.h"
#include "combat/fight_window.h"
#include "interpreter/flow_commands.h"
#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"

namespace qv {

namespace {

// "Vyhrál jsi! Za poražení nepřítele získáváš " reward " XP"
constexpr std::string_view kWon =
    "Vyhr\xE1l jsi! Za pora\x9E"
    "en\xED nep\xF8\xEDtele z\xEDsk\xE1v\xE1\x9A ";
constexpr std::string_view kWonTail = " XP";
constexpr std::string_view kWonColour = "Lime";

void Fight(GameWindow& form, const TagEntry& tag) {
  FightWindow window(form.State, form.host, form.Random, form.Store.Files(), form.FightEnemy);
  window.HideMana = form.HideMana;
  window.Open(Attributes(tag));
  const bool fought_out = form.RunPageWindow(window);
  window.ActionLabels.clear();
  // A hero who died in the fight ended the game there.
  if (form.host.ProgramEnded()) return;
  if (window.NoDeath < 1) {
    // A fight a countdown broke off was not won.
    if (fought_out) {
      form.Report(
          std::string(kWon) + std::to_string(form.FightEnemy.Reward) + std::string(kWonTail),
          kWonColour);
    }
  } else {
    CharacterState& hero = form.State.Character;
    hero.ZIVOTY = std::max(hero.ZIVOTY, 1);
  }
  ZeroFightEndModifiers(form.State.Fight);
}

}  // namespace

void AddFightCommand(CommandMap& map) { map["SOUBOJ"] = &Fight; }

}  // namespace qv
