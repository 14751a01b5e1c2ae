// The attack labels, the item and spell lists, and what hovering and
// clicking them does.
#include "combat/action_lists.h"

#include "combat/condition_lines.h"
#include "combat/fight_window.h"
#include "data/text_wrap.h"
#include "parser/wrapping_arithmetic.h"
#include "state/catalog_loader.h"
#include "state/damage_formula.h"

namespace qv {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kAttackDescriptionColumn = 55;
constexpr std::size_t kListDescriptionColumn = 52;

// "Útok: ", "Poškození: ", " až "
constexpr std::string_view kAttackRange = "\xDAtok: ";
constexpr std::string_view kDamageRange = "Po\x9Akozen\xED: ";
constexpr std::string_view kUpTo = " a\x9E ";
constexpr std::string_view kEnergyCost = "Energie: ";
constexpr std::string_view kManaCost = "Mana: ";
// "Stojí: " cost " many"
constexpr std::string_view kSpellCost = "Stoj\xED: ";
constexpr std::string_view kSpellCostTail = " many";
// "K provedení této akce je potřeba " e " energie a " m " many!"
constexpr std::string_view kNeeded =
    "K proveden\xED t\xE9to akce je pot\xF8"
    "eba ";
constexpr std::string_view kNeededEnergy = " energie a ";
constexpr std::string_view kNeededMana = " many!";

std::string Range(std::string_view caption, int32_t low, int32_t high) {
  std::string text(caption);
  text += std::to_string(low);
  if (low != high) {
    text += kUpTo;
    text += std::to_string(high);
  }
  return text;
}

}  // namespace

bool OfferedInFight(const Item& item) {
  return item.Held > 0 && (item.UseWord == "boj" || item.UseWord == "vzdy");
}

std::string ItemCaption(const Item& item) {
  std::string caption = item.Name.str();
  if (item.Held >= 2) caption += " x " + std::to_string(item.Held);
  return caption;
}

std::string AttackRangeText(const Attack& attack, const GameState& state) {
  const std::string_view attack_formula = attack.AttackFormula;
  const std::string_view damage_formula = attack.DamageFormula;
  std::string text =
      Range(kAttackRange, DamageMin(attack_formula, state), DamageMax(attack_formula, state));
  text += kLineBreak;
  text += Range(kDamageRange, DamageMin(damage_formula, state), DamageMax(damage_formula, state));
  return text;
}

std::string EnergyCostText(const Attack& attack) {
  return std::string(kEnergyCost) + std::to_string(attack.EnergyCost);
}

std::string ManaCostText(const Attack& attack) {
  return std::string(kManaCost) + std::to_string(attack.ManaCost);
}

std::string SpellCostText(const Spell& spell) {
  return std::string(kSpellCost) + std::to_string(spell.ManaCost) + std::string(kSpellCostTail);
}

std::string AttackRefusalText(const Attack& attack) {
  return std::string(kNeeded) + std::to_string(attack.EnergyCost) + std::string(kNeededEnergy) +
         std::to_string(attack.ManaCost) + std::string(kNeededMana);
}

// --- The attack labels -------------------------------------------------------

// One label per known attack, in catalog order, four to a row. There is no
// limit: a gamebook that teaches many attacks gets them all.
void FightWindow::BuildAttackLabels() {
  ActionLabels.clear();
  const int32_t count = std::min(State.Attacks.Count, Catalog<Attack>::kCapacity);
  for (int32_t n = 1; n <= count; ++n) {
    const Attack& attack = State.Attacks.at(n);
    if (attack.Known != 1) continue;
    const auto k = static_cast<int>(ActionLabels.size());
    TLELabel label;
    label.Caption = attack.Name.str();
    label.idx = n;
    label.HandCursor = true;
    label.Left = kAttackLeft + kAttackColumnWidth * (k % kAttacksPerRow);
    label.Top = kAttackTop + kAttackRowHeight * (k / kAttacksPerRow);
    label.FontColour = AllConditionsMet(attack.UsedConditions(), State) ? kFightBlack : kFightGrey;
    ActionLabels.push_back(std::move(label));
  }
}

void FightWindow::RecolourAttackLabels() {
  for (TLELabel& label : ActionLabels) {
    const Attack* attack = State.Attacks.Find(label.idx);
    if (!attack) continue;
    label.FontColour = AllConditionsMet(attack->UsedConditions(), State) ? kFightBlack : kFightGrey;
  }
}

void FightWindow::UpdateBattleActions() {
  ReloadSpellsAndAttacks(Files, State, host);
  RecolourAttackLabels();
}

void FightWindow::AttackMouseEnter(std::size_t index) {
  Guarded([&] {
    if (index >= ActionLabels.size()) return;
    LabelMouseLeave();
    entered_ = Entered::Attack;
    entered_label_ = index;
    ActionLabels[index].MouseEnter(Hover);
    if (Hover.HoveredIndex != 0) AttackHover(Hover.HoveredIndex);
  });
}

void FightWindow::AttackHover(int32_t number) {
  const Attack* attack = State.Attacks.Find(number);
  if (!attack) return;
  Popis_akce = WrapText(attack->Description.str(), kAttackDescriptionColumn, kFightWrap);
  Popis_akce_cost = AttackRangeText(*attack, State);
  EnergyCostLine = EnergyCostText(*attack);
  ManaCostLine = HideMana ? std::string() : ManaCostText(*attack);
  CostLabelsVisible = true;
  Summary3 = UnmetConditionLines(attack->UsedConditions(), State, kUnmetAttackConditions).Text;
}

void FightWindow::AttackClick() {
  Guarded([&] {
    const int32_t number = Hover.HoveredIndex;
    if (number == 0) return;
    const Attack* attack = State.Attacks.Find(number);
    if (!attack) return;
    Summary1.clear();
    Summary2.clear();
    const ConditionLines unmet =
        UnmetConditionLines(attack->UsedConditions(), State, kUnmetAttackConditions);
    Summary1 += unmet.Text;
    if (!unmet.AllMet) return;
    const CharacterState& hero = State.Character;
    if ((hero.CombatEnergy < attack->EnergyCost && attack->EnergyCost > 0) ||
        (hero.MANA < attack->ManaCost && attack->ManaCost > 0)) {
      Summary2.clear();
      Summary1 += AttackRefusalText(*attack);
      return;
    }
    ResolveRound(number);
  });
}

// --- The item and spell lists ------------------------------------------------

void FightWindow::DropUseList() {
  UseLabels.clear();
  OpenList = UseList::None;
  // A label taken away under the mouse sends no leave: HoveredIndex stays.
  if (entered_ == Entered::Use) entered_ = Entered::None;
}

void FightWindow::PlaceUseLabel(TLELabel& label) {
  label.Left = kPictureLeft + kPictureWidth + kListLeftGap;
  label.Top = kPictureTop + kListTopGap + kListSpacing * static_cast<int>(UseLabels.size());
}

// Every item held that may be used in a fight, in catalog order, however
// many there are.
void FightWindow::OpenItemList() {
  DropUseList();
  ListHeadingVisible = true;
  OpenList = UseList::Items;
  const int32_t count = std::min(State.Items.Count, Catalog<Item>::kCapacity);
  for (int32_t n = 1; n <= count; ++n) {
    const Item& item = State.Items.at(n);
    if (!OfferedInFight(item)) continue;
    TLELabel label;
    label.Caption = ItemCaption(item);
    label.idx = n;
    label.FontColour = AllConditionsMet(item.UsedConditions(), State) ? kFightWhite : kFightYellow;
    label.Background = kFightBlack;
    label.Barva1 = kFightMaroon;
    label.Barva2 = kFightBlack;
    label.HandCursor = true;
    PlaceUseLabel(label);
    UseLabels.push_back(std::move(label));
  }
}

// Every spell known, in catalog order, however many there are.
void FightWindow::OpenSpellList() {
  DropUseList();
  ListHeadingVisible = true;
  OpenList = UseList::Spells;
  const int32_t count = std::min(State.Spells.Count, Catalog<Spell>::kCapacity);
  for (int32_t n = 1; n <= count; ++n) {
    const Spell& spell = State.Spells.at(n);
    if (spell.Known != 1) continue;
    TLELabel label;
    label.Caption = spell.Name.str();
    label.idx = n;
    const bool castable =
        State.Character.MANA >= spell.ManaCost && AllConditionsMet(spell.UsedConditions(), State);
    label.FontColour = castable ? kFightWhite : kFightYellow;
    label.HandCursor = true;
    PlaceUseLabel(label);
    UseLabels.push_back(std::move(label));
  }
}

void FightWindow::PredmetyMouseEnter() {
  Guarded([&] {
    LabelMouseLeave();
    if (ItemsAllowed) Popis_akce = kUseItemHint;
  });
}

void FightWindow::PredmetyClick() {
  Guarded([&] {
    if (ItemsAllowed) OpenItemList();
  });
}

void FightWindow::KouzlaMouseEnter() {
  Guarded([&] {
    LabelMouseLeave();
    if (SpellsAllowed) Popis_akce = kCastSpellHint;
  });
}

void FightWindow::KouzlaClick() {
  Guarded([&] {
    if (SpellsAllowed) OpenSpellList();
  });
}

void FightWindow::UseLabelMouseEnter(std::size_t index) {
  Guarded([&] {
    if (index >= UseLabels.size()) return;
    LabelMouseLeave();
    entered_ = Entered::Use;
    entered_label_ = index;
    UseLabels[index].MouseEnter(Hover);
    if (Hover.HoveredIndex == 0) return;
    if (OpenList == UseList::Items) {
      ItemHover(Hover.HoveredIndex);
    } else if (OpenList == UseList::Spells) {
      SpellHover(Hover.HoveredIndex);
    }
  });
}

void FightWindow::LabelMouseLeave() {
  if (entered_ == Entered::Attack && entered_label_ < ActionLabels.size()) {
    ActionLabels[entered_label_].MouseLeave(Hover);
  } else if (entered_ == Entered::Use && entered_label_ < UseLabels.size()) {
    UseLabels[entered_label_].MouseLeave(Hover);
  }
  entered_ = Entered::None;
}

void FightWindow::ItemHover(int32_t number) {
  const Item* item = State.Items.Find(number);
  if (!item) return;
  Popis_akce = WrapText(item->Description.str(), kListDescriptionColumn, kFightWrap);
  Summary3 = UnmetConditionLines(item->UsedConditions(), State, kUnmetItemConditionsHover).Text;
}

void FightWindow::SpellHover(int32_t number) {
  const Spell* spell = State.Spells.Find(number);
  if (!spell) return;
  Popis_akce = WrapText(spell->Description.str(), kListDescriptionColumn, kFightWrap);
  Popis_akce_cost = HideMana ? std::string() : SpellCostText(*spell);
  Popis_akce_costColour = kFightBlue;
  Summary3 = UnmetConditionLines(spell->UsedConditions(), State, kUnmetSpellConditions).Text;
}

void FightWindow::UseLabelClick() {
  Guarded([&] {
    if (OpenList == UseList::Items) {
      ItemClick();
    } else if (OpenList == UseList::Spells) {
      SpellClick();
    }
  });
}

// One item per round: using it hides both list buttons until the round.
void FightWindow::ItemClick() {
  Summary1.clear();
  Summary2.clear();
  const int32_t number = Hover.HoveredIndex;
  if (Item* item = number > 0 ? State.Items.Find(number) : nullptr) {
    const ConditionLines unmet =
        UnmetConditionLines(item->UsedConditions(), State, kUnmetItemConditionsClick);
    Summary1 += unmet.Text;
    if (unmet.AllMet) {
      DropUseList();
      State.Character.ItemsInCombat = WrapAdd(State.Character.ItemsInCombat, 1);
      Summary2Colour = kFightWhite;
      Summary2.clear();
      item->Held = WrapSub(item->Held, 1);
      const EffectGroup effects = item->Effects;
      ApplyEffects(UsedEffects(effects, item->EffectCount));
      if (Ended()) return;
      ShowListButtons(false);
      ListHeadingVisible = false;
    }
  }
  UpdateBattleActions();
}

// One spell per round, paid in mana.
void FightWindow::SpellClick() {
  Summary1.clear();
  Summary2.clear();
  const int32_t number = Hover.HoveredIndex;
  if (const Spell* spell = number > 0 ? State.Spells.Find(number) : nullptr) {
    CharacterState& hero = State.Character;
    const ConditionLines unmet =
        UnmetConditionLines(spell->UsedConditions(), State, kUnmetSpellConditions);
    Summary1 += unmet.Text;
    if (hero.MANA < spell->ManaCost) {
      Summary1 += kNotEnoughMana;
      Summary1 += kLineBreak;
    }
    if (unmet.AllMet && hero.MANA >= spell->ManaCost) {
      hero.MANA = WrapSub(hero.MANA, spell->ManaCost);
      DropUseList();
      hero.SpellsInCombat = WrapAdd(hero.SpellsInCombat, 1);
      Summary2Colour = kFightWhite;
      Summary2.clear();
      const EffectGroup effects = spell->Effects;
      ApplyEffects(UsedEffects(effects, spell->EffectCount));
      if (Ended()) return;
      ShowListButtons(false);
      ListHeadingVisible = false;
      // After a cast the line counts against MAXMANA alone, until an effect
      // or a round draws it again.
      Lines.PlayerMana = std::to_string(hero.MANA) + " / " + std::to_string(hero.MAXMANA);
    }
  }
  UpdateBattleActions();
}

}  // namespace qv
