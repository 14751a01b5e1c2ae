// The terminal player over small gamebooks: typed lines in, the page read
// out as text.
#include "text/text_player.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "support/gamebook_fixture.h"
#include "text/text_command.h"

namespace qv {
namespace {

constexpr const char* kForest =
    "<1><text obsah=\"Stoj\xED\x9A u cesty.\"><text obsah=\"Les\" odkaz=\"3\">"
    "<menu t=\"D\xE1l\" x=\"2\"><menu t=\"Z\xF9stat\">"
    "<2><text obsah=\"Jsi v lese.\"><menu t=\"Zp\xECt\" x=\"1\">"
    "<3><text obsah=\"Hluboko v lese.\">";

class TextPlayerTest : public GamebookFixture {
 protected:
  // Plays the typed lines and returns everything printed.
  std::string Play(const std::string& typed, const InitRecord& record = TestInitRecord(),
                   int screen_lines = 0) {
    if (!std::filesystem::exists("data/inicializace.qvl")) WriteInitRecord(record);
    std::istringstream in(typed);
    std::ostringstream out;
    player = std::make_unique<TextPlayer>(in, out, 1, screen_lines);
    player->Run();
    return out.str();
  }

  static bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
  // `first` is printed, and `second` after it.
  static bool InOrder(const std::string& text, const std::string& first,
                      const std::string& second) {
    const std::size_t a = text.find(first);
    return a != std::string::npos && text.find(second, a + first.size()) != std::string::npos;
  }

  std::unique_ptr<TextPlayer> player;
};

TEST_F(TextPlayerTest, MenuThenPageWithItsOptionsThenChoosingByNumber) {
  WriteLocations(kForest);
  const std::string out = Play("1\n1\nq\n");
  EXPECT_TRUE(InOrder(out, "Test\nAutor: \n  1. Nová hra (také Enter)\n  2. Nahrát hru\n",
                      "Stojíš u cesty.\n"))
      << out;
  EXPECT_TRUE(Has(out, "[t1] Les\n")) << out;
  EXPECT_TRUE(InOrder(out, "Co uděláš?\n", "  1. Dál\n  2. Zůstat\n")) << out;
  EXPECT_TRUE(InOrder(out, "  2. Zůstat\n", "Jsi v lese.\nCo uděláš?\n  1. Zpět\n")) << out;
  EXPECT_TRUE(out.ends_with("Konec.\n")) << out;
  EXPECT_EQ(player->Session().State->World.Location, 2);
}

TEST_F(TextPlayerTest, EnterStartsTextLinksHelpAndUnknownLines) {
  WriteLocations(kForest);
  const std::string out = Play("\nh\nt 2\n9\nxyz\nt1\nkonec\n");
  EXPECT_TRUE(Has(out, "  t N: klikne na odkaz N v textu")) << out;
  EXPECT_TRUE(Has(out, "Odkaz 2 v textu neexistuje.\n")) << out;
  EXPECT_TRUE(Has(out, "Možnost 9 neexistuje.\n")) << out;
  EXPECT_TRUE(Has(out, "Neznámý příkaz (h vypíše příkazy).\n")) << out;
  EXPECT_TRUE(Has(out, "Hluboko v lese.\n")) << out;
  EXPECT_EQ(player->Session().State->World.Location, 3);
  EXPECT_TRUE(player->Session().host.ProgramEnded());
}

TEST_F(TextPlayerTest, EndOfInputEndsCleanlyAnywhere) {
  WriteLocations(kForest);
  EXPECT_TRUE(Play("").ends_with("Konec.\n"));
  EXPECT_TRUE(Play("1\n").ends_with("Konec.\n"));
  EXPECT_EQ(player->Session().State->World.Location, 1);
}

TEST_F(TextPlayerTest, MenuLoadAboutAndExit) {
  WriteLocations(kForest);
  const std::string out = Play("2\n4\nx\n3\nw\n\n5\nq\n");
  EXPECT_TRUE(
      InOrder(out, "Načíst pozici:\n  žádná uložená pozice\n", "Napiš číslo pozice nebo x.\n"))
      << out;
  EXPECT_TRUE(InOrder(out,
                      "Hra byla vytvořena v\nuniverzálním enginu\nk tvorbě gamebooků,\n"
                      "který je možno stáhnout\nna webových stránkách\n",
                      "verze 4.30\n"))
      << out;
  EXPECT_TRUE(Has(out, "Webová adresa: https://quarvelin.example/\n")) << out;
  EXPECT_TRUE(Has(out, "Napiš 1, 2, 3 nebo q.\n")) << out;
  EXPECT_FALSE(Has(out, "Stojíš")) << out;  // no game was started
  EXPECT_TRUE(player->Session().host.ProgramEnded());
}

TEST_F(TextPlayerTest, NameEntryWhenTheRecordAsks) {
  WriteLocations("<1><text obsah=\"Ahoj $JMENO.\">");
  InitRecord record = TestInitRecord();
  record.AskName = 1;
  const std::string out = Play("1\nJiří\nq\n", record);
  EXPECT_TRUE(InOrder(out, "Zadej jméno své postavy:\nJméno: ", "Ahoj Jiří.")) << out;
  EXPECT_EQ(player->Session().State->Character.Name.str(), "Ji\xF8\xED");
}

TEST_F(TextPlayerTest, MessagesNewAndOlderAndTheCountdown) {
  WriteLocations(
      "<1><penize plus=\"5\"><casovac cas=\"2\" vypisuj=\"ano\" odkaz=\"2\">"
      "<2><text obsah=\"Konec cesty.\"><penize minus=\"1\">");
  const std::string out = Play("1\n\n\nq\n");
  EXPECT_TRUE(Has(out, "Odpočet: 2\n")) << out;
  EXPECT_TRUE(InOrder(out, "Odpočet: 1\n", "Konec cesty.\n")) << out;
  EXPECT_TRUE(InOrder(out, "Konec cesty.\nZprávy (nejnovější první):\n  nová: ", "\n  starší: "))
      << out;
  EXPECT_EQ(player->Session().State->World.Location, 2);
}

TEST_F(TextPlayerTest, AnswerPromptReadsALineAndThePageGoesOn) {
  WriteLocations(
      "<1><text obsah=\"Str\xE1\x9E se pt\xE1.\"><textoveokno otazka=\"Heslo?\" retezec=\"1\">"
      "<text obsah=\"Projdi.\">");
  const std::string out = Play(
      "1\nr\xC5\xAF\xC5\xBE"
      "e\nq\n");
  EXPECT_TRUE(InOrder(out, "Stráž se ptá.\n", "Heslo?\nOdpověď: ")) << out;
  EXPECT_TRUE(InOrder(out, "Odpověď: ", "Projdi.\n")) << out;
  // The text before the prompt is read out once.
  EXPECT_EQ(out.find("Stráž se ptá."), out.rfind("Stráž se ptá.")) << out;
  EXPECT_EQ(player->Session().State->World.Strings.Get(1).str(),
            "r\xF9\x9E"
            "e");
}

TEST_F(TextPlayerTest, DeathIsReadOutAndEndsTheGame) {
  WriteLocations("<1><text obsah=\"Pad\xE1\x9A.\"><zivoty je=\"0\"><menu t=\"D\xE1l\" x=\"1\">");
  const std::string out = Play("1\n1\n1\n");
  EXPECT_TRUE(InOrder(out, "Padáš.", "Tvůj hrdina zemřel. [obrázek ./grafika/smrtcool.jpg]\n"))
      << out;
  EXPECT_TRUE(out.ends_with("Konec.\n")) << out;
  EXPECT_TRUE(player->Session().host.ProgramEnded());
}

TEST(TextCommandTest, LinesBecomeCommands) {
  using Kind = TextCommand::Kind;
  EXPECT_EQ(ParseTextCommand("").What, Kind::Wait);
  EXPECT_EQ(ParseTextCommand("  ").What, Kind::Wait);
  const TextCommand choose = ParseTextCommand(" 12 ");
  EXPECT_EQ(choose.What, Kind::Choose);
  EXPECT_EQ(choose.Number, 12);
  const TextCommand text = ParseTextCommand("T 3");
  EXPECT_EQ(text.What, Kind::TextLink);
  EXPECT_EQ(text.Number, 3);
  EXPECT_EQ(ParseTextCommand("p2").What, Kind::PictureLink);
  EXPECT_EQ(ParseTextCommand("p2").Number, 2);
  EXPECT_EQ(ParseTextCommand("KONEC").What, Kind::Quit);
  EXPECT_EQ(ParseTextCommand("q").What, Kind::Quit);
  EXPECT_EQ(ParseTextCommand("h").What, Kind::Help);
  EXPECT_EQ(ParseTextCommand("vybaveni").Word, "vybaveni");
  for (const char* bad : {"0", "-1", "t", "t 0", "t x", "1 2", "3a", "99999999999"}) {
    EXPECT_EQ(ParseTextCommand(bad).What, Kind::Unknown) << bad;
  }
}

TEST_F(TextPlayerTest, ControlBytesOfTheGamebookReachTheTerminalVisibly) {
  // A clipboard write (OSC 52, ended by BEL), a terminal reset (ESC c) and
  // a screen clear (CSI 2 J) in the text, an option and a message line.
  WriteLocations(
      "<1><text obsah=\"\x1B]52;c;ZWNobw==\aPozor\x1B"
      "c\"><info obsah=\"\x7Fkonec\x1B\">"
      "<menu t=\"D\xE1l\x1B[2J\" x=\"1\">");
  const std::string out = Play("1\nq\n");
  EXPECT_TRUE(Has(out, "␛]52;c;ZWNobw==␇Pozor␛c\n")) << out;
  EXPECT_TRUE(Has(out, "  1. Dál␛[2J\n")) << out;
  EXPECT_TRUE(Has(out, "nová: ␡konec␛\n")) << out;
  EXPECT_EQ(out.find_first_of("\x1B\a\x7F"), std::string::npos) << out;
}

TEST_F(TextPlayerTest, ShortRecordRefusesEveryGameWithItsMessage) {
  WriteLocations(kForest);
  WriteBytes("data/inicializace.qvl", TestInitRecord().EncodeToBytes().substr(0, 100));
  const std::string out = Play("1\n2\n\nq\n");
  const std::string message =
      "Zpráva: Nelze načíst ./data/inicializace.qvl: soubor je kratší než 240 bajtů\n";
  // Read when the menu is made; new game, load and Enter are refused.
  std::size_t shown = 0;
  for (std::size_t at = out.find(message); at != std::string::npos;
       at = out.find(message, at + 1)) {
    ++shown;
  }
  EXPECT_EQ(shown, 4u) << out;
  EXPECT_FALSE(Has(out, "(h lists the commands)")) << out;
  EXPECT_FALSE(Has(out, "Saved games:")) << out;
  EXPECT_EQ(player->Session().State->World.Location, 0);
  EXPECT_TRUE(out.ends_with("Konec.\n")) << out;
}

TEST_F(TextPlayerTest, LongPagesComeAScreenfulAtATimeAndTheLastPartWhole) {
  WriteLocations(
      "<1><text obsah=\"a\"><text obsah=\"b\"><text obsah=\"c\"><text obsah=\"d\">"
      "<menu t=\"D\xE1l\" x=\"1\">");
  // Four lines a screen: the blank line and the page's mark, a and b; then
  // after an Enter (which chooses nothing) the rest with the menu.
  const std::string out = Play("1\n\nq\n", TestInitRecord(), 4);
  EXPECT_TRUE(Has(out,
                  "\n\n---\na\nb\n(Enter: další část stránky)c\nd\nCo uděláš?\n  1. Dál\n> "
                  "Konec.\n"))
      << out;
  // The end of the input in the middle of a page shows the rest.
  const std::string cut = Play("1\n", TestInitRecord(), 4);
  EXPECT_TRUE(Has(cut, "(Enter: další část stránky)c\nd\n")) << cut;
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// A transcript and the continue slot work as in the other hosts; reading
// aloud, asked for, changes nothing on the terminal.
TEST(TextPlayerComforts, TranscriptAndContinueSlot) {
  TempWorkDir dir;
  WriteBytes("data/data.qvl", kForest);
  WriteBytes("data/inicializace.qvl", TestInitRecord().EncodeToBytes());
  ComfortSettings comforts;
  comforts.ReadAloud = true;
  comforts.Continue = true;
  comforts.TranscriptPath = "hra.txt";
  std::istringstream in("1\n1\nq\n");  // new game, option 1, end
  std::ostringstream out;
  EXPECT_EQ(RunTextPlayer(in, out, "", 1, comforts), 0);
  std::ifstream transcript("hra.txt", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(transcript), {}};
  EXPECT_EQ(text,
            "[1]\nStoj\xC3\xAD\xC5\xA1 u cesty.\n\nLes\n\n> D\xC3\xA1l\n\n"
            "[2]\nJsi v lese.\n\n");
  EXPECT_EQ(std::filesystem::file_size("save/_pokracovani.pzv"), 1138448u);

  comforts.TranscriptPath = "chybi/hra.txt";
  std::istringstream none("");
  std::ostringstream refused;
  // Refused on standard error, never among the page text.
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunTextPlayer(none, refused, "", 1, comforts), 2);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "quarvelin: cannot write the transcript 'chybi/hra.txt': No such file or directory\n");
  EXPECT_EQ(refused.str(), "");
}

}  // namespace
}  // namespace qv
