// Scenario tests of money, experience and the eight attribute commands:
// exact message texts and colours, the cap after the tag and the death
// window.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "parser/colour.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

constexpr Colour kLime = 0x00FF00;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kAqua = 0xFFFF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kFuchsia = 0xFF00FF;

// The currency of the test gamebook.
const std::string kCurrency = Cz("zlaťáků");

class AttributeCommandsTest : public GamebookFixture {
 protected:
  // Location 1 is empty; location 2 holds `body` and is shown after
  // `prepare` has set up the state.
  void Play(std::string_view body, const std::function<void(GameState&)>& prepare = {}) {
    WriteLocations("<1><2>" + std::string(body));
    Start();
    if (prepare) prepare(State());
    Form().ChangeLoc(2);
  }

  CharacterState& Hero() { return State().Character; }
  const InfoLine& Line(int n) { return Form().History[static_cast<std::size_t>(n - 1)]; }
  void ExpectLine(int n, std::string_view text, Colour colour) {
    EXPECT_EQ(Line(n).Text, text) << "line " << n;
    EXPECT_EQ(Line(n).LineColour, colour) << "line " << n;
  }
};

// --- PENIZE -----------------------------------------------------------------

TEST_F(AttributeCommandsTest, PenizePlusReportsTheGainWithTheCurrency) {
  Play("<penize plus=\"+25\">", [](GameState& s) { s.Character.PENIZE = 10; });
  EXPECT_EQ(Hero().PENIZE, 35);
  ExpectLine(1, Cz("Získal jsi +25 ") + std::string(kCurrency), kYellow);
}

TEST_F(AttributeCommandsTest, PenizeMinusOfAllTheMoney) {
  Play("<penize minus=\"10\">", [](GameState& s) { s.Character.PENIZE = 10; });
  EXPECT_EQ(Hero().PENIZE, 0);
  ExpectLine(1, Cz("Ztratil jsi veškeré peníze!"), kRed);
}

TEST_F(AttributeCommandsTest, PenizeMinusOfLessThanTheMoney) {
  Play("<penize minus=\"10\">", [](GameState& s) { s.Character.PENIZE = 11; });
  EXPECT_EQ(Hero().PENIZE, 1);
  ExpectLine(1, "Ztratil jsi 10 " + std::string(kCurrency), kRed);
}

TEST_F(AttributeCommandsTest, PenizeNeverGoesBelowZero) {
  Play("<penize minus=\"50\">", [](GameState& s) { s.Character.PENIZE = 11; });
  EXPECT_EQ(Hero().PENIZE, 0);
  ExpectLine(1, Cz("Ztratil jsi veškeré peníze!"), kRed);
}

TEST_F(AttributeCommandsTest, PenizeReportsEveryAttributeInOrder) {
  Play("<penize plus=\"5\" minus=\"3\" barva=\"red\" plus=\"1\">",
       [](GameState& s) {
         s.Character.PENIZE = 0;
         s.CurrencyName = "zl";
       });
  EXPECT_EQ(Hero().PENIZE, 3);
  ExpectLine(3, Cz("Získal jsi 5 zl"), kYellow);
  ExpectLine(2, "Ztratil jsi 3 zl", kRed);
  ExpectLine(1, Cz("Získal jsi 1 zl"), kYellow);
  EXPECT_EQ(Line(4).Text, "");
}

TEST_F(AttributeCommandsTest, PenizeWrapsOn32Bits) {
  Play("<penize plus=\"1\">", [](GameState& s) { s.Character.PENIZE = INT32_MAX; });
  EXPECT_EQ(Hero().PENIZE, INT32_MIN);
}

// --- ZKUSENOSTI and XP ------------------------------------------------------

TEST_F(AttributeCommandsTest, ZkusenostiPlusAndMinus) {
  Play("<zkusenosti plus=\"7\"><xp minus=\"2\">", [](GameState& s) { s.Character.ZKUSENOSTI = 1; });
  EXPECT_EQ(Hero().ZKUSENOSTI, 6);
  ExpectLine(2, Cz("Získal jsi 7 zkušenostních bodů!"), kAqua);
  ExpectLine(1, Cz("Ztratil jsi 2 zkušenostních bodů!"), kRed);
}

TEST_F(AttributeCommandsTest, ZkusenostiMayBecomeNegative) {
  Play("<xp minus=\"5\">", [](GameState& s) { s.Character.ZKUSENOSTI = 3; });
  EXPECT_EQ(Hero().ZKUSENOSTI, -2);
}

// --- Hit points and mana ------------------------------------------------------

TEST_F(AttributeCommandsTest, ZivotyPlusReportsOnlyTheRoomLeft) {
  Play("<zivoty plus=\"5\">", [](GameState& s) {
    s.Character.ZIVOTY = 18;
    s.Character.MAXZIVOTY = 20;
  });
  EXPECT_EQ(Hero().ZIVOTY, 20);
  ExpectLine(1, Cz("Obnovil sis 2 životů!"), kRed);
}

TEST_F(AttributeCommandsTest, ZivotyPlusWithinTheMaximumQuotesTheValue) {
  Play("<zivoty plus=\"02\">", [](GameState& s) {
    s.Character.ZIVOTY = 18;
    s.Character.MAXZIVOTY = 20;
  });
  EXPECT_EQ(Hero().ZIVOTY, 20);
  ExpectLine(1, Cz("Obnovil sis 02 životů!"), kRed);
}

// The whole gain is added and only the cap after the tag takes the excess
// away, so a later MINUS of the same tag starts from the uncapped value.
TEST_F(AttributeCommandsTest, TheCapComesAfterTheWholeTag) {
  Play("<zivoty plus=\"5\" minus=\"4\">", [](GameState& s) {
    s.Character.ZIVOTY = 18;
    s.Character.MAXZIVOTY = 20;
  });
  EXPECT_EQ(Hero().ZIVOTY, 19);
  ExpectLine(2, Cz("Obnovil sis 2 životů!"), kRed);
  ExpectLine(1, Cz("Ztratil jsi 4 životů!"), kRed);
}

// A fight's bonus to the maximum lets hit points stay above MAXZIVOTY, but
// the message still measures the room against MAXZIVOTY alone.
TEST_F(AttributeCommandsTest, ZivotyPlusMessageIgnoresTheFightBonus) {
  Play("<zivoty plus=\"5\">", [](GameState& s) {
    s.Character.ZIVOTY = 18;
    s.Character.MAXZIVOTY = 20;
    s.Fight.maxzivoty = 5;
  });
  EXPECT_EQ(Hero().ZIVOTY, 23);
  ExpectLine(1, Cz("Obnovil sis 2 životů!"), kRed);
}

TEST_F(AttributeCommandsTest, ZivotyMinusAndJe) {
  Play("<zivoty minus=\"3\" je=\"12\">", [](GameState& s) { s.Character.ZIVOTY = 20; });
  EXPECT_EQ(Hero().ZIVOTY, 12);
  ExpectLine(2, Cz("Ztratil jsi 3 životů!"), kRed);
  ExpectLine(1, Cz("Máš 12 životů!"), kRed);
  EXPECT_EQ(host.death_windows, 0);
}

TEST_F(AttributeCommandsTest, ZivotyJeZeroOpensTheDeathWindowAtTheEndOfTheTag) {
  Play("<zivoty je=\"0\" je=\"-1\">");
  EXPECT_EQ(host.death_windows, 1);
  EXPECT_EQ(Hero().ZIVOTY, -1);
  // Both lines were added before the window.
  ExpectLine(2, Cz("Máš 0 životů!"), kRed);
  ExpectLine(1, Cz("Máš -1 životů!"), kRed);
}

TEST_F(AttributeCommandsTest, ZivotyDroppingAndRisingWithinOneTagIsNoDeath) {
  Play("<zivoty je=\"0\" plus=\"4\">");
  EXPECT_EQ(host.death_windows, 0);
  EXPECT_EQ(Hero().ZIVOTY, 4);
}

TEST_F(AttributeCommandsTest, ManaPlusReportsOnlyTheRoomLeft) {
  Play("<mana plus=\"10\">", [](GameState& s) {
    s.Character.MANA = 4;
    s.Character.MAXMANA = 5;
  });
  EXPECT_EQ(Hero().MANA, 5);
  ExpectLine(1, "Obnovil sis 1 many!", kAqua);
}

TEST_F(AttributeCommandsTest, ManaBelowZeroIsRaisedToZero) {
  Play("<mana minus=\"9\">", [](GameState& s) {
    s.Character.MANA = 4;
    s.Character.MAXMANA = 5;
  });
  EXPECT_EQ(Hero().MANA, 0);
  ExpectLine(1, "Ztratil jsi 9 many!", kAqua);
  EXPECT_EQ(host.death_windows, 0);
}

TEST_F(AttributeCommandsTest, ManaJe) {
  Play("<mana je=\"3\">", [](GameState& s) { s.Character.MAXMANA = 5; });
  EXPECT_EQ(Hero().MANA, 3);
  ExpectLine(1, Cz("Máš 3 many!"), kAqua);
}

// Lowering the maximum brings the current value down with it.
TEST_F(AttributeCommandsTest, LoweringAMaximumCapsTheValue) {
  Play("<maxzivoty minus=\"5\"><maxmana je=\"2\">", [](GameState& s) {
    s.Character.ZIVOTY = 20;
    s.Character.MAXZIVOTY = 20;
    s.Character.MANA = 5;
    s.Character.MAXMANA = 5;
  });
  EXPECT_EQ(Hero().MAXZIVOTY, 15);
  EXPECT_EQ(Hero().ZIVOTY, 15);
  EXPECT_EQ(Hero().MAXMANA, 2);
  EXPECT_EQ(Hero().MANA, 2);
}

TEST_F(AttributeCommandsTest, AttributeValueIsQuotedAsSubstituted) {
  Play("<sila plus=\"$7\">", [](GameState& s) {
    s.World.Variables.Set(7, 4);
    s.Character.SILA = 3;
  });
  EXPECT_EQ(Hero().SILA, 7);
  ExpectLine(1, Cz("Tvá síla se zvýšila o  4"), kLime);
}

TEST_F(AttributeCommandsTest, OtherAttributeNamesAreIgnored) {
  Play("<sila barva=\"x\" o=\"1\">", [](GameState& s) { s.Character.SILA = 3; });
  EXPECT_EQ(Hero().SILA, 3);
  EXPECT_EQ(Line(1).Text, "");
}

TEST_F(AttributeCommandsTest, AttributeArithmeticWraps) {
  Play("<obratnost plus=\"1\"><rychlost minus=\"1\">", [](GameState& s) {
    s.Character.OBRATNOST = INT32_MAX;
    s.Character.RYCHLOST = INT32_MIN;
  });
  EXPECT_EQ(Hero().OBRATNOST, INT32_MIN);
  EXPECT_EQ(Hero().RYCHLOST, INT32_MAX);
}

TEST_F(AttributeCommandsTest, ZivotyPlusNearTheIntegerLimitDoesNotOverflow) {
  Play("<zivoty plus=\"2147483647\">", [](GameState& s) {
    s.Character.ZIVOTY = 20;
    s.Character.MAXZIVOTY = 20;
  });
  // The wrapped sum is negative: no room is passed, and the hero dies.
  EXPECT_EQ(host.death_windows, 1);
  ExpectLine(1, Cz("Obnovil sis 2147483647 životů!"), kRed);
}

// A bad number stops the page: lines added by the tag so far stay recorded
// but are not shown, the later tags are not carried out.
TEST_F(AttributeCommandsTest, BadNumberStopsThePage) {
  Play("<sila plus=\"1\" minus=\"x1\"><sila je=\"50\">", [](GameState& s) { s.Character.SILA = 3; });
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_NE(std::find(host.messages.begin(), host.messages.end(),
                      "'x1' is not a valid integer value"),
            host.messages.end());
  EXPECT_EQ(Line(1).Text, "");
  EXPECT_FALSE(Form().MenuVisible);
}

// --- Every message text ------------------------------------------------------

struct MessageCase {
  const char* tag;
  const char* attribute;
  std::string text;  // for the value "6"
  Colour colour;
};

const std::vector<MessageCase>& MessageCases() {
  static const std::vector<MessageCase> cases = {
      {"zivoty", "plus", Cz("Obnovil sis 6 životů!"), kRed},
      {"zivoty", "minus", Cz("Ztratil jsi 6 životů!"), kRed},
      {"zivoty", "je", Cz("Máš 6 životů!"), kRed},
      {"mana", "plus", "Obnovil sis 6 many!", kAqua},
      {"mana", "minus", "Ztratil jsi 6 many!", kAqua},
      {"mana", "je", Cz("Máš 6 many!"), kAqua},
      {"maxzivoty", "plus", Cz("Tvá maximální úroveň životů se zvýšila o  6"), kLime},
      {"maxzivoty", "minus", Cz("Tvá maximální úroveň životů se snížila o  6"), kLime},
      {"maxzivoty", "je", Cz("Tvá maximální úroveň životů je 6"), kLime},
      {"maxmana", "plus", Cz("Tvá maximální úroveň many se zvýšila o  6"), kBlue},
      {"maxmana", "minus", Cz("Tvá maximální úroveň many se snížila o  6"), kBlue},
      {"maxmana", "je", Cz("Tvá maximální úroveň many je  6"), kBlue},
      {"sila", "plus", Cz("Tvá síla se zvýšila o  6"), kLime},
      {"sila", "minus", Cz("Tvá síla se snížila o  6"), kLime},
      {"sila", "je", Cz("Tvá síla je 6"), kLime},
      {"obratnost", "plus", Cz("Tvá obratnost se zvýšila o  6"), kWhite},
      {"obratnost", "minus", Cz("Tvá obratnost se snížila o  6"), kWhite},
      {"obratnost", "je", Cz("Tvá obratnost je 6"), kWhite},
      {"rychlost", "plus", Cz("Tvá rychlost se zvýšila o  6"), kAqua},
      {"rychlost", "minus", Cz("Tvá rychlost se snížila o  6"), kAqua},
      {"rychlost", "je", Cz("Tvá rychlost je 6"), kAqua},
      {"energie", "plus", Cz("Tvá energie se zvýšila o  6"), kFuchsia},
      {"energie", "minus", Cz("Tvá energie se snížila o 6"), kFuchsia},
      {"energie", "je", Cz("Tvá energie je 6"), kFuchsia},
  };
  return cases;
}

// Each case on a location of its own (location k + 2), as only five lines
// are kept.
TEST_F(AttributeCommandsTest, EveryMessageTextAndColour) {
  const std::vector<MessageCase>& cases = MessageCases();
  std::string text = "<1>";
  for (std::size_t k = 0; k < cases.size(); ++k) {
    text += "<" + std::to_string(k + 2) + "><" + cases[k].tag + " " + cases[k].attribute +
            "=\"6\">";
  }
  WriteLocations(text);
  Start();
  for (std::size_t k = 0; k < cases.size(); ++k) {
    SCOPED_TRACE(std::string(cases[k].tag) + " " + cases[k].attribute);
    // Well inside every maximum, so no PLUS reports the room left instead.
    Hero().ZIVOTY = 50;
    Hero().MAXZIVOTY = 100;
    Hero().MANA = 50;
    Hero().MAXMANA = 100;
    Form().ChangeLoc(static_cast<int32_t>(k + 2));
    ExpectLine(1, cases[k].text, cases[k].colour);
  }
}

TEST_F(AttributeCommandsTest, EachAttributeCommandChangesItsOwnField) {
  Play("<maxzivoty je=\"30\"><maxmana je=\"31\"><sila je=\"32\"><obratnost je=\"33\">"
       "<rychlost je=\"34\"><energie je=\"35\"><zivoty je=\"36\"><mana je=\"37\">");
  EXPECT_EQ(Hero().MAXZIVOTY, 30);
  EXPECT_EQ(Hero().MAXMANA, 31);
  EXPECT_EQ(Hero().SILA, 32);
  EXPECT_EQ(Hero().OBRATNOST, 33);
  EXPECT_EQ(Hero().RYCHLOST, 34);
  EXPECT_EQ(Hero().ENERGIE, 35);
  EXPECT_EQ(Hero().ZIVOTY, 30);  // capped at MAXZIVOTY after the tag
  EXPECT_EQ(Hero().MANA, 31);    // capped at MAXMANA
}

}  // namespace
}  // namespace qv
