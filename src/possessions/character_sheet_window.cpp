#include "possessions/character_sheet_window.h"

#include "parser/wrapping_arithmetic.h"

namespace qv {

namespace {

std::string ValueOf(int32_t value) { return std::to_string(value); }

std::string OutOf(int32_t value, int32_t maximum) {
  return std::to_string(value) + " / " + std::to_string(maximum);
}

// The attribute a raise adds to, and the maximum it raises with it.
struct RaisedFields {
  int32_t* Value = nullptr;
  int32_t* Maximum = nullptr;
};

RaisedFields FieldsOf(CharacterState& hero, RaiseIndex k) {
  switch (k) {
    case kRaiseZivoty:
      return {&hero.ZIVOTY, &hero.MAXZIVOTY};
    case kRaiseMana:
      return {&hero.MANA, &hero.MAXMANA};
    case kRaiseSila:
      return {&hero.SILA, nullptr};
    case kRaiseObratnost:
      return {&hero.OBRATNOST, nullptr};
    case kRaiseEnergie:
      return {&hero.ENERGIE, nullptr};
    case kRaiseRychlost:
      return {&hero.RYCHLOST, nullptr};
  }
  return {};
}

}  // namespace

std::string WeaponLine(const Weapon& weapon) {
  // útok, poškození
  return weapon.Name.str() + " (\xFAtok " + std::to_string(weapon.Dice.Count) + "k" +
         std::to_string(weapon.Dice.Sides) + "+" + std::to_string(weapon.Dice.Modifier) +
         ", po\x9Akozen\xED " + std::to_string(weapon.Damage) + ")";
}

std::string ArmourLine(const Armour& armour) {
  std::string line = armour.Name.str() + " (obrana " + std::to_string(armour.Defence) +
                     ", tvrdost " + std::to_string(armour.Toughness);
  if (armour.AttackPenalty > 0) line += ", \xFAtok -" + std::to_string(armour.AttackPenalty);
  return line + ")";
}

std::string_view RaiseHint(RaiseIndex k) {
  switch (k) {
    case kRaiseZivoty:
      return "Zv\xFD\x9A"
             "en\xED po\xE8tu \x9Eivot\xF9 ";  // Zvýšení počtu životů
    case kRaiseMana:
      return "Zv\xFD\x9A"
             "en\xED \xFArovn\xEC many ";  // Zvýšení úrovně many
    case kRaiseSila:
      return "Zv\xFD\x9A"
             "en\xED s\xEDly ";  // Zvýšení síly
    case kRaiseObratnost:
      return "Zv\xFD\x9A"
             "en\xED obratnosti ";
    case kRaiseEnergie:
      return "Zv\xFD\x9A"
             "en\xED energie ";
    case kRaiseRychlost:
      return "Zv\xFD\x9A"
             "en\xED rychlosti ";
  }
  return {};
}

void CharacterSheetWindow::FormShow() {
  XPinfo.clear();
  FillLines();
  RefreshButtons();
}

void CharacterSheetWindow::FillLines() {
  const CharacterState& hero = State.Character;
  Jmeno = hero.Name.str();
  XP = ValueOf(hero.ZKUSENOSTI);
  Zivoty = OutOf(hero.ZIVOTY, hero.MAXZIVOTY);
  Mana = OutOf(hero.MANA, hero.MAXMANA);
  Sila = ValueOf(hero.SILA);
  Obratnost = ValueOf(hero.OBRATNOST);
  Rychlost = ValueOf(hero.RYCHLOST);
  Energie = ValueOf(hero.ENERGIE);
  Zbran = WeaponLine(hero.CurrentWeapon);
  Zbroj = ArmourLine(hero.CurrentArmour);
}

void CharacterSheetWindow::RefreshButtons() {
  const CharacterState& hero = State.Character;
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    RaiseVisible[k] = hero.ZKUSENOSTI >= hero.RaiseCost[k];
  }
  if (HideMana) RaiseVisible[kRaiseMana] = false;
}

void CharacterSheetWindow::RaiseMouseMove(RaiseIndex k) {
  XPinfo = std::string(RaiseHint(k)) + std::to_string(State.Character.RaiseCost[k]) + " XP";
}

void CharacterSheetWindow::RaiseClick(RaiseIndex k) {
  // A hidden button cannot be clicked: it is not there.
  if (!RaiseVisible[k]) return;
  CharacterState& hero = State.Character;
  const RaisedFields fields = FieldsOf(hero, k);
  *fields.Value = WrapAdd(*fields.Value, 1);
  if (fields.Maximum) *fields.Maximum = WrapAdd(*fields.Maximum, 1);
  hero.ZKUSENOSTI = WrapSub(hero.ZKUSENOSTI, hero.RaiseCost[k]);
  hero.RaiseCost[k] = WrapAdd(hero.RaiseCost[k], hero.RaiseStep[k]);
  FillLines();
  RefreshButtons();
}

void CharacterSheetWindow::CentreOnScreen(int screen_width, int screen_height) {
  Left = screen_width / 2 - kWidth / 2;
  Top = screen_height / 2 - kHeight / 2;
}

}  // namespace qv
