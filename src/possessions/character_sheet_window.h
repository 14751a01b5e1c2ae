// CharacterSheetWindow (TForm2): the character sheet: the hero's name, experience, attributes,
// weapon and armour, and six buttons that spend experience points on
// raising an attribute by one. Every raise makes its own price grow by its
// own step. A button is shown only while its price can be paid, so the sheet
// never lets experience fall below 0.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "host/window.h"
#include "state/character_state.h"
#include "state/game_state.h"

namespace qv {

// The sheet's texts (Windows-1250).
namespace sheet_text {
inline constexpr std::string_view kExperience =
    "Zku\x9A"
    "enosti";                                             // Zkušenosti
inline constexpr std::string_view kLives = "\x8Eivoty";   // Životy
inline constexpr std::string_view kStrength = "S\xEDla";  // Síla
inline constexpr std::string_view kSpeed = "Rychlost";
inline constexpr std::string_view kMana = "Mana";
inline constexpr std::string_view kDexterity = "Obratnost";
inline constexpr std::string_view kEnergy = "Energie";
inline constexpr std::string_view kWeapon = "Zbra\xF2";  // Zbraň
inline constexpr std::string_view kArmour = "Zbroj";
inline constexpr std::string_view kClose = "Zav\xF8\xEDt";  // Zavřít
}  // namespace sheet_text

// The line a weapon is described by: name " (útok 1k6+1, poškození 2)".
std::string WeaponLine(const Weapon& weapon);
// The line an armour is described by: name " (obrana 3, tvrdost 2)", with
// ", útok -" penalty before the ")" when the attack penalty is above 0.
std::string ArmourLine(const Armour& armour);

class CharacterSheetWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 421;
  static constexpr int kHeight = 245;

  struct Point {
    int Left = 0;
    int Top = 0;
  };
  // Where each raise button stands, by RaiseIndex.
  static constexpr std::array<Point, kRaiseCount> kRaiseButtons = {{
      {40, 96},    // lives
      {224, 96},   // mana
      {40, 120},   // strength
      {224, 120},  // dexterity
      {224, 144},  // energy
      {40, 144},   // speed
  }};

  explicit CharacterSheetWindow(GameState& state) : State(state) {}

  std::string_view Kind() const override { return "sheet"; }

  // Fills every line and refreshes the buttons; run each time the sheet
  // opens.
  void FormShow();

  // The mouse over raise button k: the hint names its current price.
  void RaiseMouseMove(RaiseIndex k);
  // A click on raise button k (only a shown button can be clicked).
  void RaiseClick(RaiseIndex k);
  // The mouse over the close button / over the picture.
  void KrizekMouseMove() { XPinfo = sheet_text::kClose; }
  void BackgroundMouseMove() { XPinfo.clear(); }

  // Closing: the close button, a click beside the picture, any key. A
  // countdown running out closes the sheet the same way.
  void KrizekClick() { Close(); }
  void FormClick() { Close(); }
  void FormKeyPress() { Close(); }
  void Cancel() { Close(); }

  // Each button is shown exactly while ZKUSENOSTI pays its price; the mana
  // button also needs mana to be shown at all.
  void RefreshButtons();

  // Centres the window on a screen of that size, each half rounded toward
  // zero.
  void CentreOnScreen(int screen_width, int screen_height);

  GameState& State;
  // The skin hides mana: its caption, value and raise button stay hidden.
  bool HideMana = false;

  std::string Jmeno;                                             // heading: the hero's name
  std::string XP;                                                // the experience value
  std::string Zivoty, Mana, Sila, Obratnost, Rychlost, Energie;  // value lines
  std::string Zbran, Zbroj;                                      // weapon and armour lines
  std::string XPinfo;                                            // the hint line
  std::array<bool, kRaiseCount> RaiseVisible{};
  int Left = 0;
  int Top = 0;

 private:
  void FillLines();
};

// The hint over raise button k without its price: "Zvýšení síly " and so on.
std::string_view RaiseHint(RaiseIndex k);

}  // namespace qv
