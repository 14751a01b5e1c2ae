// Opening the fight window, and the handlers of its picture and panels.
#include "combat/fight_window.h"

#include "combat/outcome_text.h"
#include "data/text_case.h"
#include "parser/dice.h"
#include "parser/wrapping_arithmetic.h"
#include "state/catalog_loader.h"

namespace qv {
namespace {

// "Předměty" and "Kouzla".
constexpr std::string_view kItemsCaption =
    "P\xF8"
    "edm\xECty";
constexpr std::string_view kSpellsCaption = "Kouzla";

// KOUZLA and PREDMETY forbid their list with "NE" in any case.
bool AllowedBy(const std::string& value) { return UpCaseAscii(value) != "NE"; }

}  // namespace

FightWindow::FightWindow(GameState& state, Host& host_in, RandomSource& random, GameFiles& files,
                         Enemy& enemy_in)
    : State(state), host(host_in), Random(random), Files(files), enemy(enemy_in) {}

void FightWindow::Open(std::span<const param> attributes) {
  FightOver = false;
  Random.ReseedFromClock();
  NoDeath = 0;
  SpellsAllowed = true;
  ItemsAllowed = true;
  ReloadSpellsAndAttacks(Files, State, host);
  State.LastCombatResult = 1;

  ReadAttributes(attributes);

  ZeroFightStartModifiers(State.Fight);

  Summary1.clear();
  Summary2.clear();
  Summary2Colour = kFightLime;
  Summary3.clear();
  Popis_akce.clear();
  Popis_akce_cost.clear();
  Popis_akce_costColour = kFightPurple;
  CostLabelsVisible = false;
  Left = host.ScreenWidth() / 2 - kWidth / 2;
  Top = host.ScreenHeight() / 2 - kHeight / 2;
  Lines = DrawAllLines(enemy, State);

  CharacterState& hero = State.Character;
  hero.CombatEnergy = hero.ENERGIE / 2;
  // The energy line shows the fight's own energy from the first moment.
  DrawLine(FightLine::PlayerEnergy);

  Predmety.Caption = kItemsCaption;
  Predmety.FontColour = ItemsAllowed ? kFightBlack : kFightGrey;
  Predmety.HandCursor = ItemsAllowed;
  Kouzla.Caption = HideMana ? std::string_view() : kSpellsCaption;
  Kouzla.FontColour = SpellsAllowed ? kFightBlack : kFightGrey;
  Kouzla.HandCursor = SpellsAllowed;
  DropUseList();
  ShowListButtons(true);

  hero.HitInCombat &= ~int32_t{0xFF};
  hero.SpellsInCombat = 0;
  hero.ItemsInCombat = 0;

  Hover = CurrentOption{};
  entered_ = Entered::None;
  BuildAttackLabels();
  // Without an attack the fight can end only through an item or a spell on
  // the enemy's lives; the notice tells the author why nothing else works.
  NoAttackNotice = ActionLabels.empty() ? std::string(kNoAttackKnown) : std::string();
  Reopen();
}

// Attributes in text order; a later one overrides an earlier one, and ZRANEN
// counts from the MaxLives known when it comes.
void FightWindow::ReadAttributes(std::span<const param> attributes) {
  for (const param& p : attributes) {
    if (p.Name == "JMENO") {
      enemy.Name = p.Value;
    } else if (p.Name == "UTOK") {
      const Dice dice = ParseDice(p.Value);
      enemy.AttackCount = dice.Count;
      enemy.AttackSides = dice.Sides;
      enemy.AttackBonus = dice.Modifier;
    } else if (p.Name == "OBRANA") {
      enemy.Defence = StrToInt(p.Value);
    } else if (p.Name == "TVRDOST") {
      enemy.Hardness = StrToInt(p.Value);
    } else if (p.Name == "ZIVOTY") {
      enemy.Lives = StrToInt(p.Value);
      enemy.MaxLives = enemy.Lives;
    } else if (p.Name == "ZRANEN") {
      enemy.Lives = WrapSub(enemy.MaxLives, StrToInt(p.Value));
    } else if (p.Name == "POSKOZENI") {
      enemy.Damage = StrToInt(p.Value);
    } else if (p.Name == "XP") {
      enemy.Reward = StrToInt(p.Value);
    } else if (p.Name == "NEUMIREJ") {
      NoDeath = StrToInt(p.Value);
    } else if (p.Name == "KOUZLA") {
      SpellsAllowed = AllowedBy(p.Value);
    } else if (p.Name == "PREDMETY") {
      ItemsAllowed = AllowedBy(p.Value);
    }
  }
}

std::string FightWindow::FillOutcomeText(std::string_view text) const {
  return qv::FillOutcomeText(text, Outcome);
}

void FightWindow::DrawLine(FightLine line) { RedrawLine(Lines, line, enemy, State); }

void FightWindow::ShowListButtons(bool shown) {
  Predmety.Visible = shown;
  Kouzla.Visible = shown;
}

void FightWindow::BackgroundMouseMove() {
  Guarded([&] {
    CostLabelsVisible = false;
    Summary3.clear();
    Popis_akce.clear();
    Popis_akce_cost.clear();
    Popis_akce_costColour = kFightPurple;
  });
}

void FightWindow::PanelMouseMove() {
  Guarded([&] {
    Summary3.clear();
    Popis_akce.clear();
    Popis_akce_cost.clear();
  });
}

// The window has closed itself by the time the fight is over; the click is
// what closes it for a view that keeps it up until then.
void FightWindow::BackgroundClick() {
  if (FightOver) Close();
}

}  // namespace qv
