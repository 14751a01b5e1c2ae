// FightWindow (TSouboj): the fight window as a model: one opponent, fought in rounds.
//
// A round starts when the player clicks an attack he knows; it then runs to
// its end (the enemy strikes first, the player's attack second, costs and
// effects, the energy refill). Between rounds the player may use one item or
// cast one spell. The window closes by itself when the enemy falls, or, in a
// NEUMIREJ fight, when the player does; an ordinary fight lost ends in the
// death window. The outcome stays in the game state (LastCombatResult, the
// fight counters, the hero's attributes) for the location script.
//
// Views draw the public fields and turn the mouse into calls of the handlers;
// the handlers never ask which label was clicked, they act on what the last
// hover left in `Hover`, as every option label of the game does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "combat/enemy.h"
#include "combat/fight_values.h"
#include "combat/value_lines.h"
#include "data/conversion.h"
#include "data/effect.h"
#include "data/game_files.h"
#include "host/host.h"
#include "host/window.h"
#include "parser/colour.h"
#include "parser/random_source.h"
#include "parser/tag_store.h"
#include "state/game_state.h"
#include "ui/tle_label.h"

namespace qv {

inline constexpr Colour kFightBlack = 0x000000;
inline constexpr Colour kFightGrey = 0x808080;
inline constexpr Colour kFightWhite = 0xFFFFFF;
inline constexpr Colour kFightYellow = 0x00FFFF;
inline constexpr Colour kFightLime = 0x00FF00;
inline constexpr Colour kFightMaroon = 0x000080;
inline constexpr Colour kFightPurple = 0x800080;
inline constexpr Colour kFightBlue = 0xFF0000;

// "Co použiješ?": the heading of the item and the spell list.
inline constexpr std::string_view kUseListHeading = "Co pou\x9Eije\x9A?";
// "Neznáš žádný útok!": shown when the hero knows no attack, so that the
// gamebook's author sees why the fight cannot go on.
inline constexpr std::string_view kNoAttackKnown =
    "Nezn\xE1\x9A \x9E\xE1"
    "dn\xFD \xFAtok!";

// The "Předměty" and "Kouzla" labels that open the lists.
struct FightListButton {
  std::string Caption;
  bool Visible = true;
  Colour FontColour = kFightBlack;  // grey when the fight forbids the list
  bool HandCursor = true;
};

enum class UseList { None, Items, Spells };

class FightWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 682;
  static constexpr int kHeight = 600;
  // The background picture "pozadi_bitva" on the left.
  static constexpr int kPictureLeft = 0;
  static constexpr int kPictureTop = 0;
  static constexpr int kPictureWidth = 409;
  static constexpr int kPictureHeight = 457;
  // Attack labels: four to a row under the two halves.
  static constexpr int kAttackLeft = 18;
  static constexpr int kAttackColumnWidth = 100;
  static constexpr int kAttackTop = 280;
  static constexpr int kAttackRowHeight = 17;
  static constexpr int kAttacksPerRow = 4;
  // Item and spell labels: one under the other, right of the picture.
  static constexpr int kListTopGap = 40;
  static constexpr int kListSpacing = 20;
  static constexpr int kListLeftGap = 10;
  static constexpr int kItemFontSize = 10;
  static constexpr int kSpellFontSize = 11;
  static constexpr std::string_view kBackgroundPicture = "pozadi_bitva";

  FightWindow(GameState& state, Host& host, RandomSource& random, GameFiles& files, Enemy& enemy);

  std::string_view Kind() const override { return "fight"; }

  // --- Opening ---------------------------------------------------------------

  // Prepares the fight from the SOUBOJ tag's attributes (upper-case names,
  // substituted values), up to the moment the window is shown: fight values,
  // catalogs read again, LastCombatResult 1, the enemy, the modifiers, the
  // two halves, CombatEnergy at half of ENERGIE, the list buttons, the fight
  // counters and the attack labels. A number that is no number throws
  // ConversionError (the page stops; the window is not shown).
  void Open(std::span<const param> attributes);

  // --- The rules -------------------------------------------------------------

  // One round with attack number `attack` of the attack catalog, whose
  // conditions and costs the caller has checked.
  void ResolveRound(int32_t attack);
  // Ends the fight when the enemy has no lives left; the reward is given
  // once per fight.
  void CheckEnemyDefeated();
  std::string FillOutcomeText(std::string_view text) const;
  // What one effect of an attack, item or spell does to the fight.
  void ApplyCombatEffect(const Effect& effect);
  // Reads spells and attacks again and recolours the attack labels.
  void UpdateBattleActions();

  // --- Input -----------------------------------------------------------------
  // Label numbers are 0-based positions in ActionLabels / UseLabels. A number
  // outside the table is ignored. Input after the window closed is ignored.
  // A condition or formula that is no number shows the conversion message
  // and abandons the handler; the window stays.

  void AttackMouseEnter(std::size_t label);
  void AttackClick();
  void UseLabelMouseEnter(std::size_t label);
  // An item or a spell, by the list that is open.
  void UseLabelClick();
  // Leaves the attack or list label the mouse was on, if any.
  void LabelMouseLeave();
  void PredmetyMouseEnter();
  void PredmetyClick();
  void KouzlaMouseEnter();
  void KouzlaClick();
  // Moving over the picture or the window's free area.
  void BackgroundMouseMove();
  // Moving over the right panel.
  void PanelMouseMove();
  // A click on the picture closes the window once the fight is over.
  void BackgroundClick();

  // --- The model the views draw ----------------------------------------------

  GameState& State;
  Host& host;
  RandomSource& Random;
  GameFiles& Files;
  Enemy& enemy;  // lives on the game window: one opponent from fight to fight

  bool HideMana = false;  // the skin hides every mana display
  int Left = 0;           // centred on the game window, which fills the screen
  int Top = 0;

  int32_t NoDeath = 0;  // NEUMIREJ: above 0 the player cannot die in this fight
  bool SpellsAllowed = true;
  bool ItemsAllowed = true;
  bool FightOver = false;  // the enemy has been defeated
  OutcomeValues Outcome;   // the last strike of the player

  FightLines Lines;
  std::vector<TLELabel> ActionLabels;  // one per known attack, idx = attack number
  std::vector<TLELabel> UseLabels;     // the open item or spell list, idx = catalog number
  UseList OpenList = UseList::None;
  bool ListHeadingVisible = false;  // "Co použiješ?"
  FightListButton Predmety;
  FightListButton Kouzla;

  std::string Summary1;  // red: the enemy's strike and refusals
  std::string Summary2;  // the player's strike and the effect messages
  Colour Summary2Colour = kFightLime;
  std::string Summary3;  // yellow: unmet conditions of the hovered action
  std::string Popis_akce;
  std::string Popis_akce_cost;
  Colour Popis_akce_costColour = kFightPurple;
  std::string EnergyCostLine;  // Label31, "Energie: " cost of the hovered attack
  std::string ManaCostLine;    // Label32, "Mana: " cost, empty when mana is hidden
  bool CostLabelsVisible = false;
  std::string NoAttackNotice;  // kNoAttackKnown when no attack label exists

  CurrentOption Hover;  // HoveredIndex: the attack, item or spell under the mouse

  // The option label the mouse is on, as the enter and leave handlers saw it.
  enum class Entered { None, Attack, Use };
  Entered EnteredKind() const { return entered_; }
  std::size_t EnteredLabel() const { return entered_label_; }

 private:
  void ReadAttributes(std::span<const param> attributes);
  void BuildAttackLabels();
  void RecolourAttackLabels();
  void DropUseList();
  void OpenItemList();
  void OpenSpellList();
  void PlaceUseLabel(TLELabel& label);
  void ShowListButtons(bool shown);

  void AttackHover(int32_t attack);
  void ItemHover(int32_t item);
  void SpellHover(int32_t spell);
  void ItemClick();
  void SpellClick();

  void ApplyEffects(std::span<const Effect> effects);
  void AppendMessage(std::string_view text, int64_t number, std::string_view tail = {});
  void DrawLine(FightLine line);
  bool Ended() const { return host.ProgramEnded(); }

  // Runs an input handler; a number that is no number shows its message and
  // abandons it.
  template <class Handler>
  void Guarded(Handler handler);

  Entered entered_ = Entered::None;
  std::size_t entered_label_ = 0;
};

template <class Handler>
void FightWindow::Guarded(Handler handler) {
  if (IsClosed() || Ended()) return;
  try {
    handler();
  } catch (const ConversionError& error) {
    host.ShowMessage(error.what());
  }
}

}  // namespace qv
