// A game with a weapon, an armour and catalogs written by each test, and a
// fight window opened over it. The hero (from the test record): 20 lives,
// 5 mana, strength 3, dexterity 2, speed 3, energy 15; with the sword 2k6+1
// (damage 2) and the leather armour (defence 3, hardness 1) his defence is 5.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "combat/fight_window.h"
#include "state/catalog_loader.h"
#include "support/gamebook_fixture.h"

namespace qv {

// One line of the attack catalog.
struct AttackSpec {
  int Number = 1;
  std::string Name = Cz("Úder");  // Úder
  std::string Description = Cz("Obyčejný úder");
  std::string Hit = Cz("Zásah za #zasah.");
  std::string NoDamage = Cz("Bez účinku (#zasah).");
  std::string Miss = "Vedle!";
  int Energy = 0;
  int Mana = 0;
  std::string AttackFormula = "12";
  std::string DamageFormula = "3";
  std::string Extras;  // ", effect, :hit effect, !miss effect, [condition]"

  std::string Line() const {
    return std::to_string(Number) + " \"" + Name + "\" \"" + Description + "\" \"" + Hit + "\" \"" +
           NoDamage + "\" \"" + Miss + "\" " + std::to_string(Energy) + ", " +
           std::to_string(Mana) + ", " + AttackFormula + ", " + DamageFormula + Extras + ";\r\n";
  }
};

class FightFixture : public GamebookFixture {
 protected:
  void SetUp() override {
    WriteLocations("<1>");
    WriteDataFile("zbrane", Cz("1 \"Meč\" \"ostrý\" 2k6+1, 2, 10;"));
    WriteDataFile("zbroje", Cz("1 \"Kožená\" \"lehká\" 3, 1, 0, 10;"));
  }

  void WriteAttacks(const std::vector<AttackSpec>& attacks) {
    std::string text;
    for (const AttackSpec& a : attacks) text += a.Line();
    WriteDataFile("utoky", text);
  }

  // Starts the game (once) and marks attacks as known.
  void StartKnowing(std::initializer_list<int> attacks) {
    if (!session) Start();
    for (int n : attacks) State().Attacks.at(n).Known = 1;
  }

  FightWindow& OpenFight(std::vector<param> attributes) {
    if (!session) Start();
    fight = std::make_unique<FightWindow>(State(), host, random, session->Files, Form().FightEnemy);
    fight->Open(attributes);
    return *fight;
  }

  // Hovers attack label `label` (0-based) and clicks it.
  void PlayAttack(std::size_t label) {
    fight->LabelMouseLeave();
    fight->BackgroundMouseMove();
    fight->AttackMouseEnter(label);
    fight->AttackClick();
  }

  // Opens the item list and uses the item on list label `label`.
  void UseItem(std::size_t label) {
    fight->PredmetyMouseEnter();
    fight->PredmetyClick();
    fight->UseLabelMouseEnter(label);
    fight->UseLabelClick();
  }

  void CastSpell(std::size_t label) {
    fight->KouzlaMouseEnter();
    fight->KouzlaClick();
    fight->UseLabelMouseEnter(label);
    fight->UseLabelClick();
  }

  CharacterState& Hero() { return State().Character; }
  Enemy& Foe() { return Form().FightEnemy; }

  std::unique_ptr<FightWindow> fight;
};

}  // namespace qv
