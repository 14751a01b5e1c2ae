// Reading aloud, the transcript and the history as a game is played.
#include "comforts/comfort_session.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/fight_window.h"
#include "data/file_bytes.h"
#include "support/dot_gif.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

using Calls = std::vector<std::string>;

class ComfortSessionTest : public GamebookFixture {
 protected:
  void WriteBook() {
    WriteBytes("obrazky/most.gif", DotGif());
    WriteLocations(Cz("<1><text obsah=\"Stojíš u brány.\"><obrazekvtextu soubor=\"most.gif\" "
                      "popis=\"Starý most\"><obrazekvtextu soubor=\"most.gif\">"
                      "<info obsah=\"Našel jsi klíč\"><menu t=\"Dál\" x=\"2\"><menu t=\"Zpět\" x=\"1\">"
                      "<2><text obsah=\"Most se houpe.\"><menu t=\"Konec cesty\" x=\"3\">"
                      "<3><text obsah=\"Tři\">"));
  }
  void Choose(int n) {
    Form().HoverOption(n);
    Form().OptionClick();
  }
  RecordingSpeechVoice voice;
};

TEST_F(ComfortSessionTest, ReadsThePageThenItsOptionsThenItsMessages) {
  WriteBook();
  ComfortSettings settings;
  settings.ReadAloud = true;
  session = std::make_unique<GameSession>(host, random);
  ComfortSession comforts(*session, settings, &voice, std::nullopt);
  session->LoadInitRecord();
  session->StartNewGame();
  // The game's start clicks the hidden button: a choice, so a stop first.
  EXPECT_EQ(voice.Calls, (Calls{"stop", "stop", "speak Stojíš u brány.", "speak Starý most",
                                "speak 1. Dál", "speak 2. Zpět", "speak Našel jsi klíč"}));
  voice.Calls.clear();
  // Choosing interrupts the page before the next one is read.
  Choose(1);
  EXPECT_EQ(voice.Calls,
            (Calls{"stop", "stop", "speak Most se houpe.", "speak 1. Konec cesty"}));
  voice.Calls.clear();
  // R reads the page again; V turns reading off, and then nothing is said.
  comforts.RepeatPage();
  EXPECT_EQ(voice.Calls, (Calls{"stop", "speak Most se houpe.", "speak 1. Konec cesty"}));
  voice.Calls.clear();
  EXPECT_FALSE(comforts.ToggleReadAloud());
  Choose(1);
  // Off stops the voice, and the choice stops it again; nothing is read.
  EXPECT_EQ(voice.Calls, (Calls{"stop", "stop"}));
  EXPECT_EQ(comforts.Utterances(), (std::vector<std::string>{Cz("Tři")}));
}

TEST_F(ComfortSessionTest, TranscriptTellsTheStoryInUtf8) {
  WriteBook();
  WriteBytes("pribeh.txt", "Minule:\n");  // appended to, never truncated
  auto opened = TranscriptWriter::Open("pribeh.txt");
  ASSERT_TRUE(std::holds_alternative<TranscriptWriter>(opened));
  ComfortSettings settings;
  settings.History = true;
  session = std::make_unique<GameSession>(host, random);
  {
    ComfortSession comforts(*session, settings, nullptr,
                            std::move(std::get<TranscriptWriter>(opened)));
    session->LoadInitRecord();
    session->StartNewGame();
    Choose(1);
    Choose(1);
    // A fight's last lines follow as they were shown when it closed.
    Enemy wolf;
    FightWindow fight(*session->State, host, random, session->Files, wolf);
    fight.Summary1 = Cz("Vlk tě kousl za 2.");
    fight.Summary2 = Cz("Vlk padl!\r\nZískal jsi 1 zkušenost.");
    comforts.PageWindowClosed(fight);
    ASSERT_EQ(comforts.History().Pages().size(), 2u);
    EXPECT_EQ(comforts.History().Pages()[0],
              (HistoryPage{1, {Cz("Stojíš u brány."), Cz("Starý most")}, Cz("Dál")}));
    EXPECT_EQ(comforts.History().Pages()[1],
              (HistoryPage{2, {Cz("Most se houpe.")}, Cz("Konec cesty")}));
  }
  EXPECT_EQ(ReadBytes("pribeh.txt"),
            "Minule:\n"
            "[1]\nStojíš u brány.\n\nStarý most\n\n* Našel jsi klíč\n"
            "> Dál\n\n"
            "[2]\nMost se houpe.\n\n"
            "> Konec cesty\n\n"
            "[3]\nTři\n\n"
            "~ Vlk tě kousl za 2.\n~ Vlk padl! Získal jsi 1 zkušenost.\n");
}

TEST_F(ComfortSessionTest, TranscriptThatCannotBeOpenedIsReported) {
  const auto opened = TranscriptWriter::Open("chybi/pribeh.txt");
  ASSERT_TRUE(std::holds_alternative<std::string>(opened));
  EXPECT_EQ(std::get<std::string>(opened),
            "cannot write the transcript 'chybi/pribeh.txt': No such file or directory");
}

TEST_F(ComfortSessionTest, TranscriptIsNeverWrittenThroughALinkOrIntoAFifo) {
  WriteBytes("cizi.txt", "cizi");
  std::filesystem::create_symlink("cizi.txt", "odkaz.txt");
  const auto linked = TranscriptWriter::Open("odkaz.txt");
  ASSERT_TRUE(std::holds_alternative<std::string>(linked));
  EXPECT_EQ(std::get<std::string>(linked),
            "cannot write the transcript 'odkaz.txt': it is a symbolic link");
  EXPECT_EQ(ReadBytes("cizi.txt"), "cizi");

  // Nobody reads the FIFO: opening it to write would wait for ever.
  ASSERT_EQ(::mkfifo("roura", 0600), 0);
  const auto piped = TranscriptWriter::Open("roura");
  ASSERT_TRUE(std::holds_alternative<std::string>(piped));
  EXPECT_EQ(std::get<std::string>(piped),
            "cannot write the transcript 'roura': it is not a regular file");
}

}  // namespace
}  // namespace qv
