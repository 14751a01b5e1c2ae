// SOUBOJ on whole pages: the fight window opened from the location, what the
// interpreter does after it closes, and the enemy kept from fight to fight.
#include <gtest/gtest.h>

#include <string>

#include "combat/fight_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

constexpr Colour kLime = 0x00FF00;
const std::string kWon = Cz("Vyhrál jsi! Za poražení nepřítele získáváš ");

class FightCommand : public GamebookFixture {
 protected:
  void SetUp() override {
    WriteDataFile("zbrane", Cz("1 \"Meč\" \"m\" 1k1+0, 0, 1;"));
    WriteDataFile("zbroje", "1 \"Hadry\" \"h\" 0, 0, 0, 1;");
    // Sek: 10 against the enemy, 2 damage; after every use the attack and
    // the speed of the fight grow.
    WriteDataFile("utoky", Cz("1 \"Sek\" \"s\" \"Zásah\" \"Nic\" \"Vedle\" 0, 0, 10, 2, utok+2, "
                              "rychlost+1;\r\n"));
    // The hero learns the attack on location 1 before the fight.
    host.on_modal = [this](ModalWindow& window) {
      auto* fight = dynamic_cast<FightWindow*>(&window);
      ASSERT_NE(fight, nullptr);
      ++fights;
      while (!fight->IsClosed() && !host.ended && rounds < 20) {
        ++rounds;
        fight->AttackMouseEnter(0);
        fight->AttackClick();
      }
    };
  }

  int fights = 0;
  int rounds = 0;
};

TEST_F(FightCommand, WonFightReportsTheRewardAndTheRestOfThePageRuns) {
  WriteLocations(
      "<1><utok umime=\"1\"><souboj jmeno=\"Vlk\" utok=\"1k1+0\" zivoty=\"20\" xp=\"4\">"
      "<text obsah=\"$VYSLEDEKSOUBOJE/$ZASAZENVSOUBOJI\">");
  Start();
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"fight"});
  EXPECT_EQ(fights, 1);
  EXPECT_EQ(rounds, 2);
  EXPECT_EQ(State().Character.ZKUSENOSTI, 4);
  EXPECT_EQ(Form().History[0].Text, kWon + "4 XP");
  EXPECT_EQ(Form().History[0].LineColour, kLime);
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Text, "2/0");
  // The fight's bonuses end with it, except its speed.
  EXPECT_EQ(State().Fight.utok, 0);
  EXPECT_EQ(State().Fight.rychlost, 2);
  EXPECT_EQ(Form().FightEnemy.Name, "Vlk");
}

TEST_F(FightCommand, NoDeathFightLostLeavesTheHeroOneLifeAndNoWinLine) {
  WriteLocations(
      "<1><utok umime=\"1\"><souboj utok=\"1k1+40\" zivoty=\"90\" xp=\"4\" neumirej=\"1\">"
      "<text obsah=\"$VYSLEDEKSOUBOJE $ZIVOTY $ZASAZENVSOUBOJI\">");
  Start();
  EXPECT_EQ(host.death_windows, 0);
  EXPECT_EQ(rounds, 1);
  EXPECT_EQ(State().Character.ZIVOTY, 1);
  EXPECT_EQ(State().LastCombatResult, 0);
  EXPECT_NE(Form().History[0].Text.substr(0, kWon.size()), kWon);
  EXPECT_EQ(Form().TextBlocks[0].Text, "0 1 1");
  EXPECT_EQ(State().Character.ZKUSENOSTI, 0);
}

TEST_F(FightCommand, OrdinaryFightLostEndsInTheDeathWindow) {
  WriteLocations("<1><utok umime=\"1\"><souboj utok=\"1k1+40\" zivoty=\"90\"><text obsah=\"dal\">");
  Start();
  EXPECT_EQ(host.death_windows, 1);
  EXPECT_TRUE(host.ended);
  EXPECT_NE(Form().History[0].Text.substr(0, kWon.size()), kWon);
}

TEST_F(FightCommand, EnemyKeepsWhatTheNextTagLeavesOut) {
  WriteLocations(
      "<1><utok umime=\"1\"><souboj jmeno=\"Vlk\" utok=\"1k1+0\" obrana=\"1\" zivoty=\"9\" "
      "xp=\"2\"><souboj zivoty=\"5\">");
  Start();
  EXPECT_EQ(fights, 2);
  EXPECT_EQ(State().Character.ZKUSENOSTI, 4);
  EXPECT_EQ(Form().FightEnemy.Name, "Vlk");
  EXPECT_EQ(Form().FightEnemy.Defence, 1);
  EXPECT_EQ(Form().FightEnemy.MaxLives, 5);
  EXPECT_EQ(Form().History[0].Text, kWon + "2 XP");
  EXPECT_EQ(Form().History[1].Text, kWon + "2 XP");
}

TEST_F(FightCommand, FightACountdownBrokeOffIsNotReportedAsWon) {
  // Location 2 comes under location 1's prompt, and its countdown runs out
  // while its fight is still going.
  WriteLocations(
      Cz("<1><casovac cas=\"1\" odkaz=\"2\"><textoveokno retezec=\"1\">"
         "<2><utok umime=\"1\"><casovac cas=\"1\" odkaz=\"3\">"
         "<souboj jmeno=\"Vlk\" utok=\"1k1+0\" zivoty=\"20\" xp=\"4\"><text obsah=\"po boji\">"
         "<3><text obsah=\"tři\">"));
  host.on_modal = [this](ModalWindow& window) {
    if (auto* fight = dynamic_cast<FightWindow*>(&window)) {
      ++fights;
      fight->AttackMouseEnter(0);
      fight->AttackClick();  // one round: the enemy still stands
    }
    for (int i = 0; i < 10 && !window.IsClosed(); ++i) Form().TimerTick();
  };
  Start();
  EXPECT_EQ(fights, 1);
  EXPECT_EQ(State().World.Location, 3);
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Text, Cz("tři"));
  for (const InfoLine& line : Form().History) EXPECT_EQ(line.Text.find("Vyhr"), std::string::npos);
  EXPECT_EQ(State().Character.ZKUSENOSTI, 0);
  // The fight's bonuses end with it all the same.
  EXPECT_EQ(State().Fight.utok, 0);
}

}  // namespace
}  // namespace qv
