// The character sheet over a started game: its lines, the raise buttons and
// their growing prices, the hints, and closing.

#include <gtest/gtest.h>

#include <string>

#include "possessions/character_sheet_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

class CharacterSheet : public GamebookFixture {
 protected:
  // Weapon 1 and armour 1 are worn from the start; neither has modifiers.
  void SetUp() override {
    WriteDataFile("zbrane", Cz("1 \"Meč\" \"Ostrý meč\" 2k6+3, 4, 10;\r\n"
                               "2 \"Dýka\" \"Krátká\" 1k4+0, 1, 5;\r\n"));
    WriteDataFile("zbroje", Cz("1 \"Kroužková zbroj\" \"Těžká\" 3, 2, 1, 20;\r\n"
                               "2 \"Košile\" \"Plátěná\" 1, 0, 0, 1;\r\n"));
    WriteLocations("<1><text obsah=\"Start\">");
    Start();
  }

  CharacterState& Hero() { return State().Character; }

  // Every price p, every step s.
  void SetPrices(int32_t p, int32_t s) {
    Hero().RaiseCost.fill(p);
    Hero().RaiseStep.fill(s);
  }

  static int Shown(const CharacterSheetWindow& sheet) {
    int n = 0;
    for (bool visible : sheet.RaiseVisible) n += visible ? 1 : 0;
    return n;
  }
};

TEST_F(CharacterSheet, LinesShowTheHeroAsHeIs) {
  Hero().ZKUSENOSTI = 7;
  Hero().ZIVOTY = 18;
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  EXPECT_EQ(sheet.Kind(), "sheet");
  EXPECT_EQ(sheet.Jmeno, "Hrdina");
  EXPECT_EQ(sheet.XP, "7");
  EXPECT_EQ(sheet.Zivoty, "18 / 20");
  EXPECT_EQ(sheet.Mana, "5 / 5");
  EXPECT_EQ(sheet.Sila, "3");
  EXPECT_EQ(sheet.Obratnost, "2");
  EXPECT_EQ(sheet.Rychlost, "3");
  EXPECT_EQ(sheet.Energie, "15");
  EXPECT_EQ(sheet.Zbran, Cz("Meč (útok 2k6+3, poškození 4)"));
  EXPECT_EQ(sheet.Zbroj, Cz("Kroužková zbroj (obrana 3, tvrdost 2, útok -1)"));
  EXPECT_EQ(sheet.XPinfo, "");
}

TEST_F(CharacterSheet, ArmourWithoutAttackPenaltyHasNoAttackPart) {
  Hero().CurrentArmour = State().Armours.at(2);
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  EXPECT_EQ(sheet.Zbroj, Cz("Košile (obrana 1, tvrdost 0)"));
  Hero().CurrentArmour.AttackPenalty = -2;  // below 0 counts as none
  sheet.FormShow();
  EXPECT_EQ(sheet.Zbroj, Cz("Košile (obrana 1, tvrdost 0)"));
}

TEST_F(CharacterSheet, OneRaiseOfLivesSpendsEverythingAndRaisesThePrice) {
  Hero().ZKUSENOSTI = 10;
  SetPrices(1000, 1);
  Hero().RaiseCost[kRaiseZivoty] = 10;
  Hero().RaiseStep[kRaiseZivoty] = 5;
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  ASSERT_TRUE(sheet.RaiseVisible[kRaiseZivoty]);
  EXPECT_EQ(Shown(sheet), 1);
  sheet.RaiseMouseMove(kRaiseZivoty);
  sheet.RaiseClick(kRaiseZivoty);
  EXPECT_EQ(Hero().ZIVOTY, 21);
  EXPECT_EQ(Hero().MAXZIVOTY, 21);
  EXPECT_EQ(Hero().ZKUSENOSTI, 0);
  EXPECT_EQ(Hero().RaiseCost[kRaiseZivoty], 15);
  EXPECT_EQ(Shown(sheet), 0);
  EXPECT_EQ(sheet.Zivoty, "21 / 21");
  EXPECT_EQ(sheet.XP, "0");
  // The hint was read when the mouse came over the button.
  EXPECT_EQ(sheet.XPinfo, Cz("Zvýšení počtu životů 10 XP"));
}

TEST_F(CharacterSheet, NothingIsOfferedBelowEveryPrice) {
  Hero().ZKUSENOSTI = 9;
  SetPrices(10, 0);
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  EXPECT_EQ(Shown(sheet), 0);
  // A click where no button is changes nothing.
  sheet.RaiseClick(kRaiseSila);
  EXPECT_EQ(Hero().SILA, 3);
  EXPECT_EQ(Hero().ZKUSENOSTI, 9);
  Hero().ZKUSENOSTI = 10;
  sheet.FormShow();
  EXPECT_EQ(Shown(sheet), 6);
}

TEST_F(CharacterSheet, StepZeroKeepsThePrice) {
  Hero().ZKUSENOSTI = 30;
  SetPrices(10, 0);
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  sheet.RaiseClick(kRaiseObratnost);
  sheet.RaiseClick(kRaiseObratnost);
  EXPECT_EQ(Hero().OBRATNOST, 4);
  EXPECT_EQ(Hero().RaiseCost[kRaiseObratnost], 10);
  EXPECT_EQ(Hero().ZKUSENOSTI, 10);
  EXPECT_TRUE(sheet.RaiseVisible[kRaiseObratnost]);
  sheet.RaiseClick(kRaiseObratnost);
  EXPECT_EQ(Hero().ZKUSENOSTI, 0);
  EXPECT_FALSE(sheet.RaiseVisible[kRaiseObratnost]);
}

TEST_F(CharacterSheet, EachButtonRaisesItsOwnAttributeAtItsOwnPrice) {
  Hero().ZKUSENOSTI = 1000;
  // Prices 1..6 and steps 10..60 in the order lives, mana, strength,
  // dexterity, energy, speed.
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    Hero().RaiseCost[k] = static_cast<int32_t>(k + 1);
    Hero().RaiseStep[k] = static_cast<int32_t>(10 * (k + 1));
  }
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  sheet.RaiseClick(kRaiseMana);
  EXPECT_EQ(Hero().MANA, 6);
  EXPECT_EQ(Hero().MAXMANA, 6);
  EXPECT_EQ(sheet.Mana, "6 / 6");
  sheet.RaiseClick(kRaiseSila);
  EXPECT_EQ(sheet.Sila, "4");
  sheet.RaiseClick(kRaiseObratnost);
  EXPECT_EQ(sheet.Obratnost, "3");
  sheet.RaiseClick(kRaiseEnergie);
  EXPECT_EQ(sheet.Energie, "16");
  sheet.RaiseClick(kRaiseRychlost);
  EXPECT_EQ(sheet.Rychlost, "4");
  EXPECT_EQ(Hero().ZKUSENOSTI, 1000 - 2 - 3 - 4 - 5 - 6);
  EXPECT_EQ(Hero().RaiseCost, (std::array<int32_t, kRaiseCount>{1, 22, 33, 44, 55, 66}));
  EXPECT_EQ(Hero().ZIVOTY, 20);  // lives were not raised
  EXPECT_EQ(sheet.XP, "980");
}

TEST_F(CharacterSheet, WeaponLineKeepsTheWeaponsOwnDice) {
  Hero().ZKUSENOSTI = 100;
  SetPrices(1, 0);
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  const std::string before = sheet.Zbran;
  sheet.RaiseClick(kRaiseSila);
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_EQ(sheet.Zbran, before);
  EXPECT_EQ(before, Cz("Meč (útok 2k6+3, poškození 4)"));
}

TEST_F(CharacterSheet, HintsNameThePriceWhenTheMouseComes) {
  for (std::size_t k = 0; k < kRaiseCount; ++k) Hero().RaiseCost[k] = static_cast<int32_t>(k + 1);
  CharacterSheetWindow sheet(State());
  sheet.FormShow();
  const std::pair<RaiseIndex, std::string> hints[] = {
      {kRaiseZivoty, Cz("Zvýšení počtu životů 1 XP")},
      {kRaiseMana, Cz("Zvýšení úrovně many 2 XP")},
      {kRaiseSila, Cz("Zvýšení síly 3 XP")},
      {kRaiseObratnost, Cz("Zvýšení obratnosti 4 XP")},
      {kRaiseEnergie, Cz("Zvýšení energie 5 XP")},
      {kRaiseRychlost, Cz("Zvýšení rychlosti 6 XP")},
  };
  for (const auto& [k, hint] : hints) {
    sheet.RaiseMouseMove(k);
    EXPECT_EQ(sheet.XPinfo, hint);
  }
  Hero().RaiseCost[kRaiseSila] = 40;
  sheet.RaiseMouseMove(kRaiseSila);
  EXPECT_EQ(sheet.XPinfo, Cz("Zvýšení síly 40 XP"));
  sheet.KrizekMouseMove();
  EXPECT_EQ(sheet.XPinfo, Cz("Zavřít"));
  sheet.BackgroundMouseMove();
  EXPECT_EQ(sheet.XPinfo, "");
}

TEST_F(CharacterSheet, HiddenManaHasNoRaiseButton) {
  Hero().ZKUSENOSTI = 100;
  SetPrices(1, 0);
  CharacterSheetWindow sheet(State());
  sheet.HideMana = true;
  sheet.FormShow();
  EXPECT_FALSE(sheet.RaiseVisible[kRaiseMana]);
  EXPECT_EQ(Shown(sheet), 5);
  sheet.RaiseClick(kRaiseMana);
  EXPECT_EQ(Hero().MANA, 5);
  sheet.RaiseClick(kRaiseZivoty);  // the refresh keeps it hidden
  EXPECT_FALSE(sheet.RaiseVisible[kRaiseMana]);
}

TEST_F(CharacterSheet, ClosesByButtonClickBesideThePictureOrAnyKey) {
  CharacterSheetWindow sheet(State());
  sheet.KrizekClick();
  EXPECT_TRUE(sheet.IsClosed());
  sheet.Reopen();
  sheet.FormClick();
  EXPECT_TRUE(sheet.IsClosed());
  sheet.Reopen();
  sheet.FormKeyPress();
  EXPECT_TRUE(sheet.IsClosed());
}

TEST_F(CharacterSheet, IsCentredOnTheScreen) {
  CharacterSheetWindow sheet(State());
  sheet.CentreOnScreen(1024, 768);
  EXPECT_EQ(sheet.Left, 512 - 210);
  EXPECT_EQ(sheet.Top, 384 - 122);
}

}  // namespace
}  // namespace qv
