// Scenario tests of the variable commands: numbered variables, text slots,
// comparisons, the report-changes switch, the listing files, the player's
// name and the stored start attributes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "data/file_bytes.h"
#include "parser/colour.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

constexpr Colour kLime = 0x00FF00;

class VariableCommandsTest : public GamebookFixture {
 protected:
  // Location 1 is empty; location 2 holds `body` and is shown after
  // `prepare` has set up the state.
  void Play(std::string_view body, const std::function<void(GameState&)>& prepare = {}) {
    WriteLocations("<1><2>" + std::string(body));
    Start();
    if (prepare) prepare(State());
    Form().ChangeLoc(2);
  }

  int32_t Var(int32_t n) { return State().World.Variables.Get(n); }
  const InfoLine& Line(int n) { return Form().History[static_cast<std::size_t>(n - 1)]; }
  bool HasMessage(std::string_view text) {
    return std::find(host.messages.begin(), host.messages.end(), text) != host.messages.end();
  }
};

// --- PROMENNA, ZVYSPROMENNOU, SNIZPROMENNOU ---------------------------------

TEST_F(VariableCommandsTest, PromennaSetsVariablesInOrderSilently) {
  Play("<promenna 1=\"5\" 2=\"-7\" 1=\"9\" 999=\"4\">");
  EXPECT_EQ(Var(1), 9);
  EXPECT_EQ(Var(2), -7);
  EXPECT_EQ(Var(999), 4);
  EXPECT_EQ(Line(1).Text, "");
}

TEST_F(VariableCommandsTest, PromennaReportsEachChangeWhenReportingIsOn) {
  Play("<vypisujpromenne><promenna 5=\"3\" 6=\" 12\">");
  EXPECT_EQ(Var(5), 3);
  EXPECT_EQ(Var(6), 12);
  // The value is quoted as written.
  EXPECT_EQ(Line(1).Text, Cz("(debug) Hodnota proměnné $6 se změnila na  12"));
  EXPECT_EQ(Line(1).LineColour, kLime);
  EXPECT_EQ(Line(2).Text, Cz("(debug) Hodnota proměnné $5 se změnila na 3"));
  EXPECT_EQ(Line(2).LineColour, kLime);
}

TEST_F(VariableCommandsTest, ZvysAndSnizReportTheNewValue) {
  Play("<vypisujpromenne><zvyspromennou 7=\"+5\"><snizpromennou 7=\"8\">",
       [](GameState& s) { s.World.Variables.Set(7, 10); });
  EXPECT_EQ(Var(7), 7);
  EXPECT_EQ(Line(2).Text, Cz("(debug) Hodnota proměnné $7 se zvýšila o +5 na výsledných 15"));
  EXPECT_EQ(Line(2).LineColour, kLime);
  EXPECT_EQ(Line(1).Text, Cz("(debug) Hodnota proměnné $7 se snížila o 8 na výsledných 7"));
  EXPECT_EQ(Line(1).LineColour, kLime);
}

TEST_F(VariableCommandsTest, NoDebugLinesAfterNevypisujpromenne) {
  Play("<vypisujpromenne><nevypisujpromenne><promenna 1=\"1\"><zvyspromennou 1=\"1\">");
  EXPECT_EQ(State().World.ReportChanges, 0);
  EXPECT_EQ(Var(1), 2);
  EXPECT_EQ(Line(1).Text, "");
}

TEST_F(VariableCommandsTest, VypisujpromenneLastsAcrossPages) {
  Play("<vypisujpromenne>");
  EXPECT_EQ(State().World.ReportChanges, 1);
}

TEST_F(VariableCommandsTest, AdditionWrapsOn32Bits) {
  Play("<zvyspromennou 1=\"1\"><snizpromennou 2=\"1\">", [](GameState& s) {
    s.World.Variables.Set(1, INT32_MAX);
    s.World.Variables.Set(2, INT32_MIN);
  });
  EXPECT_EQ(Var(1), INT32_MIN);
  EXPECT_EQ(Var(2), INT32_MAX);
}

TEST_F(VariableCommandsTest, NumbersWithoutAVariableAreIgnoredAndNotReported) {
  Play("<vypisujpromenne><promenna 0=\"1\" 1000=\"2\" 8=\"6\">"
       "<zvyspromennou 1000=\"1\"><snizpromennou 0=\"1\">");
  EXPECT_EQ(Var(8), 6);
  EXPECT_EQ(Line(1).Text, Cz("(debug) Hodnota proměnné $8 se změnila na 6"));
  EXPECT_EQ(Line(2).Text, "");
}

// A value or a variable number that is not an integer stops the page: the
// later tags are not carried out and the menu is not shown.
TEST_F(VariableCommandsTest, BadValueStopsThePage) {
  Play(Cz("<promenna 1=\"1\" 2=\"abc\" 3=\"3\"><promenna 4=\"4\"><menu text=\"Dál\" cil=\"1\">"));
  EXPECT_TRUE(HasMessage("'abc' is not a valid integer value"));
  EXPECT_EQ(Var(1), 1);
  EXPECT_EQ(Var(2), 0);
  EXPECT_EQ(Var(3), 0);
  EXPECT_EQ(Var(4), 0);
  EXPECT_EQ(State().World.MenuOptionCount, 0);
  EXPECT_TRUE(Form().OptionLabels.empty());
  EXPECT_FALSE(Form().MenuVisible);
}

TEST_F(VariableCommandsTest, PageWithGoodValuesIsFinished) {
  Play("<promenna 1=\"1\"><promenna 4=\"4\">");
  EXPECT_EQ(Var(4), 4);
  EXPECT_TRUE(Form().MenuVisible);
}

// --- NASTAVPROMENNE ---------------------------------------------------------

TEST_F(VariableCommandsTest, NastavpromenneFillsTheRange) {
  Play("<nastavpromenne cislo=\"10\" pocet=\"3\" hodnota=\"7\">");
  EXPECT_EQ(Var(9), 0);
  EXPECT_EQ(Var(10), 7);
  EXPECT_EQ(Var(11), 7);
  EXPECT_EQ(Var(12), 7);
  EXPECT_EQ(Var(13), 0);
  EXPECT_EQ(Line(1).Text, "");
}

TEST_F(VariableCommandsTest, NastavpromenneWithoutCountChangesNothing) {
  Play("<nastavpromenne cislo=\"1\" pocet=\"0\" hodnota=\"7\">"
       "<nastavpromenne cislo=\"1\" pocet=\"-4\" hodnota=\"7\">");
  for (int32_t n = 1; n <= 5; ++n) EXPECT_EQ(Var(n), 0);
}

TEST_F(VariableCommandsTest, NastavpromenneKeepsOmittedValuesWithinThePage) {
  Play("<nastavpromenne cislo=\"20\" pocet=\"2\" hodnota=\"1\"><nastavpromenne hodnota=\"5\">"
       "<nastavpromenne cislo=\"30\">");
  EXPECT_EQ(Var(20), 5);
  EXPECT_EQ(Var(21), 5);
  EXPECT_EQ(Var(30), 5);
  EXPECT_EQ(Var(31), 5);
  EXPECT_EQ(Var(32), 0);
}

TEST_F(VariableCommandsTest, NastavpromenneStartsFromZeroOnEveryPage) {
  WriteLocations("<1><nastavpromenne cislo=\"5\" pocet=\"1\" hodnota=\"3\"><2><nastavpromenne>");
  Start();
  State().World.Variables.Set(5, 0);
  Form().ChangeLoc(2);
  EXPECT_EQ(Var(5), 0);
}

TEST_F(VariableCommandsTest, NastavpromenneOnlyTouchesExistingVariables) {
  Play("<nastavpromenne cislo=\"-2\" pocet=\"5\" hodnota=\"8\">"
       "<nastavpromenne cislo=\"997\" pocet=\"2147483647\" hodnota=\"9\">");
  EXPECT_EQ(Var(1), 8);
  EXPECT_EQ(Var(2), 8);
  EXPECT_EQ(Var(3), 0);
  EXPECT_EQ(Var(996), 0);
  EXPECT_EQ(Var(997), 9);
  EXPECT_EQ(Var(999), 9);
}

// --- NAHODA and VZOREC ------------------------------------------------------

TEST_F(VariableCommandsTest, NahodaRollsDiceIntoVariables) {
  Play("<nahoda 1=\"3k1+2\" 2=\"2k6\" 3=\"1k1-4\">");
  EXPECT_EQ(Var(1), 5);
  EXPECT_GE(Var(2), 2);
  EXPECT_LE(Var(2), 12);
  EXPECT_EQ(Var(3), -3);
}

TEST_F(VariableCommandsTest, VzorecEvaluatesIntoVariables) {
  Play("<vzorec 1=\"(2+3)*4\" 2=\"$ZIVOTY+1\" 3=\"7:2\">");
  EXPECT_EQ(Var(1), 20);
  EXPECT_EQ(Var(2), State().Character.ZIVOTY + 1);
  EXPECT_EQ(Var(3), 4);
}

// --- RETEZEC ----------------------------------------------------------------

TEST_F(VariableCommandsTest, RetezecSetsSlotsUpToTen) {
  Play(Cz("<retezec 1=\"první\" 10=\"poslední\" 11=\"nic\" 0=\"nic\">"));
  EXPECT_EQ(State().World.Strings.Get(1), Cz("první"));
  EXPECT_EQ(State().World.Strings.Get(10), Cz("poslední"));
  for (int32_t n = 2; n <= 9; ++n) EXPECT_EQ(State().World.Strings.Get(n), "");
}

TEST_F(VariableCommandsTest, RetezecCutsTo100Characters) {
  Play("<retezec 3=\"" + std::string(120, 'x') + "\">");
  EXPECT_EQ(State().World.Strings.Get(3).str(), std::string(100, 'x'));
}

// --- SROVNEJRETEZCE ---------------------------------------------------------

TEST_F(VariableCommandsTest, SrovnejretezceIgnoresBlanksAndCase) {
  Play(Cz("<srovnejretezce a=\" ahoj\" b=\"AHOJ \" vysledek=\"4\">"
          "<srovnejretezce a=\"čaj\" b=\"ČAJ\" vysledek=\"5\">"
          "<srovnejretezce a=\"ahoj\" b=\"ahojky\" vysledek=\"6\">"),
       [](GameState& s) { s.World.Variables.Set(6, 9); });
  EXPECT_EQ(Var(4), 1);
  EXPECT_EQ(Var(5), 1);
  EXPECT_EQ(Var(6), 0);
}

TEST_F(VariableCommandsTest, SrovnejretezceKeepsTheResultVariableWithinThePage) {
  Play("<srovnejretezce a=\"x\" b=\"y\" vysledek=\"8\"><srovnejretezce a=\"z\" b=\"Z\">"
       "<srovnejretezce>");
  // The last tag compares two empty texts.
  EXPECT_EQ(Var(8), 1);
}

TEST_F(VariableCommandsTest, SrovnejretezceComparesSubstitutedTexts) {
  Play("<srovnejretezce a=\"$retezec1\" b=\"heslo\" vysledek=\"3\">",
       [](GameState& s) { s.World.Strings.Set(1, " HESLO"); });
  EXPECT_EQ(Var(3), 1);
}

// --- SEZNAMPROMENNYCHSOUBOR -------------------------------------------------

std::string AllListing(int32_t v2, int32_t v5) {
  std::string text;
  for (int n = 1; n <= 999; ++n) {
    const int value = n == 2 ? v2 : n == 5 ? v5 : 0;
    text += "$" + std::to_string(n) + " = " + std::to_string(value) + "\r\n";
  }
  text += "\r\n***********************************\r\n\r\n";
  for (int n = 1; n <= 999; ++n) {
    const int value = n == 2 ? v2 : n == 5 ? v5 : 0;
    text += "<promenna " + std::to_string(n) + "=\"" + std::to_string(value) + "\">\r\n";
  }
  return text;
}

TEST_F(VariableCommandsTest, ListingFilesHoldTheVariables) {
  Play("<promenna 2=\"-15\" 5=\"3\"><seznampromennychsoubor>");
  EXPECT_EQ(ReadBytes("seznampromennych_vse.txt"), AllListing(-15, 3));
  EXPECT_EQ(ReadBytes("seznampromennych_nenul.txt"),
            "$2 = -15\r\n$5 = 3\r\n"
            "\r\n***********************************\r\n\r\n"
            "<promenna 2=\"-15\">\r\n<promenna 5=\"3\">\r\n");
}

TEST_F(VariableCommandsTest, ListingFilesReplaceOldOnes) {
  WriteBytes("seznampromennych_nenul.txt", std::string(100000, 'x'));
  Play("<seznampromennychsoubor>");
  EXPECT_EQ(ReadBytes("seznampromennych_nenul.txt"),
            "\r\n***********************************\r\n\r\n");
  EXPECT_EQ(ReadBytes("seznampromennych_vse.txt"), AllListing(0, 0));
}

TEST_F(VariableCommandsTest, LinkedListingFilesAreReplacedNotWrittenThrough) {
  WriteBytes("mine.txt", "mine");
  std::filesystem::create_symlink("mine.txt", "seznampromennych_vse.txt");
  std::filesystem::create_symlink("mine.txt", "seznampromennych_nenul.txt");
  Play("<promenna 2=\"-15\"><seznampromennychsoubor>");
  EXPECT_EQ(ReadBytes("mine.txt"), "mine");
  EXPECT_EQ(ReadBytes("seznampromennych_vse.txt"), AllListing(-15, 0));
  EXPECT_FALSE(std::filesystem::is_symlink("seznampromennych_nenul.txt"));
}

TEST_F(VariableCommandsTest, ListingFileThatCannotBeWrittenStopsThePage) {
  std::filesystem::create_directory("seznampromennych_vse.txt");
  Play(Cz("<seznampromennychsoubor><promenna 1=\"1\"><menu text=\"Dál\" cil=\"1\">"));
  EXPECT_TRUE(HasMessage(Cz("Chyba při zápisu souboru seznampromennych_vse.txt")));
  EXPECT_EQ(Var(1), 0);
  EXPECT_TRUE(Form().OptionLabels.empty());
}

// --- ZMENJMENO and ULOZPOCATECNIVLASTNOSTI ----------------------------------

TEST_F(VariableCommandsTest, ZmenjmenoTakesTextOrJmeno) {
  Play(Cz("<zmenjmeno text=\"Jiří\">"));
  EXPECT_EQ(State().Character.Name, Cz("Jiří"));
  Form().ChangeLoc(2);
  EXPECT_EQ(State().Character.Name, Cz("Jiří"));
}

TEST_F(VariableCommandsTest, ZmenjmenoLastAttributeWinsAndIsCut) {
  Play("<zmenjmeno jmeno=\"A\" text=\"" + std::string(130, 'b') + "\" barva=\"x\">");
  EXPECT_EQ(State().Character.Name.str(), std::string(100, 'b'));
}

TEST_F(VariableCommandsTest, UlozpocatecnivlastnostiStoresTheStartValues) {
  Play("<ulozpocatecnivlastnosti>", [](GameState& s) {
    CharacterState& c = s.Character;
    c.SILA = 11;
    c.OBRATNOST = 12;
    c.MAXZIVOTY = 13;
    c.MAXMANA = 14;
    c.RYCHLOST = 15;
    c.ENERGIE = 16;
  });
  const CharacterState& c = State().Character;
  EXPECT_EQ(c.STARTSILA, 11);
  EXPECT_EQ(c.STARTOBRATNOST, 12);
  EXPECT_EQ(c.STARTMAXZIVOTY, 13);
  EXPECT_EQ(c.STARTMAXMANA, 14);
  EXPECT_EQ(c.STARTRYCHLOST, 15);
  EXPECT_EQ(c.STARTENERGIE, 16);
}

}  // namespace
}  // namespace qv
