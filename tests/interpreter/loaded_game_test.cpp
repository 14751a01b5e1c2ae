// Starting the game with a saved position: the new-game steps, then the
// position restored over them, waiting for "Pokračovat".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/recording_audio_backend.h"
#include "data/byte_io.h"
#include "state/save_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

using L = SavedPositionLayout;

const std::string kForeign = Cz("Uložená pozice nepatří k této hře! Program bude ukončen");

class LoadedGameTest : public GamebookFixture {
 protected:
  void WriteCatalogs(int weapons) {
    std::string text;
    for (int n = 1; n <= weapons; ++n) {
      text +=
          std::to_string(n) + Cz(" \"Zbraň ") + std::to_string(n) + "\" \"Popis\" 1k6+0, 0, 5;\r\n";
    }
    WriteDataFile("zbrane", text);
    WriteDataFile(
        "zbroje",
        Cz("1 \"Košile\" \"Popis\" 0, 0, 0, 0;\r\n2 \"Zbroj\" \"Popis\" 3, 2, 1, 20;\r\n"));
    WriteDataFile("predmety", "1 \"Lektvar\" \"Popis\" 5, vzdy, zivoty+5;\r\n");
    WriteDataFile("kouzla",
                  Cz("1 \"Oheň\" \"Popis\" 3, zivoty-5;\r\n2 \"Led\" \"Popis\" 2, zivoty-2;\r\n"));
    WriteDataFile("utoky",
                  Cz("1 \"Úder\" \"Popis\" \"Zásah\" \"Nic\" \"Vedle\" 2, 0, 1k6, 1k4;\r\n"));
  }

  // Plays location 1 of the written gamebook, which saves under `name`.
  void PlayAndSave() {
    host.on_modal = [](ModalWindow& window) {
      ASSERT_TRUE(dynamic_cast<SaveWindow&>(window).UlozitClick());
    };
    Start();
    host.on_modal = nullptr;
    ASSERT_TRUE(host.messages.empty()) << host.messages.front();
  }

  // A fresh run that loads the position from `path`.
  bool Load(const std::string& path) {
    if (!std::filesystem::exists("data/inicializace.qvl")) WriteInitRecord(TestInitRecord());
    host = RecordingHost{};
    session = std::make_unique<GameSession>(host, random);
    session->LoadInitRecord();
    State().LoadRequested = true;
    State().LoadFileName = path;
    return session->StartLoadedGame();
  }
};

TEST_F(LoadedGameTest, RestoresThePositionAndWaitsForPokracovat) {
  WriteCatalogs(2);
  WriteDataFile("knihovny/uvod", Cz("<text obsah=\"úvod\">"));
  WriteDataFile("knihovny/zaver", Cz("<text obsah=\"závěr\">"));
  WriteDataFile("knihovny/kniha", Cz("<1><text obsah=\"kniha\"><menu t=\"Dál\" x=\"2\"><2>"));
  WriteLocations(
      Cz("<1><promenna 3=\"6\" 999=\"-2\"><retezec 2=\"ahoj\"><zbran 2=\"1\"><zbroj 2=\"3\">"
         "<predmet 1=\"4\"><kouzlo umime=\"2\"><utok umime=\"1\"><penize plus=\"5\">"
         "<objekt 7=\"1\" jmeno=\"Klíč\"><zmenotazku text=\"Kam?\" barva=\"red\">"
         "<zakazpostavu><prefix jmeno=\"uvod\" provadet=\"ano\"><suffix jmeno=\"zaver\" "
         "provadet=\"ano\">"
         "<presmeruj jmeno=\"kniha\"><save nazev=\"hrdina\"><menu t=\"Dál\" x=\"2\"><2>"));
  PlayAndSave();

  ASSERT_TRUE(Load("./save/hrdina.pzv"));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(host.ended);
  const GameState& state = State();
  EXPECT_EQ(state.World.Variables.Get(3), 6);
  EXPECT_EQ(state.World.Variables.Get(999), -2);
  EXPECT_EQ(state.World.Strings.Get(2), "ahoj");
  EXPECT_EQ(state.Character.PENIZE, 15);
  EXPECT_EQ(state.Weapons.at(2).Held, 1);
  EXPECT_EQ(state.Armours.at(2).Held, 3);
  EXPECT_EQ(state.Items.at(1).Held, 4);
  EXPECT_EQ(state.Spells.at(2).Known, 1);
  EXPECT_EQ(state.Attacks.at(1).Known, 1);
  EXPECT_EQ(state.ObjectCount, 7);
  EXPECT_EQ(state.Objects.at(7).Name, Cz("Klíč"));
  EXPECT_EQ(state.World.RedirectName, "kniha");
  ASSERT_NE(session->Store.Prefix(), nullptr);
  EXPECT_EQ(session->Store.Prefix()->Name, "uvod");
  ASSERT_NE(session->Store.Suffix(), nullptr);
  EXPECT_EQ(session->Store.Suffix()->Name, "zaver");
  EXPECT_EQ(state.World.MenuOptionCount, 0);

  // Only "Pokračovat" is offered.
  EXPECT_TRUE(state.ContinueMode);
  EXPECT_EQ(state.NextLocation, 1);
  EXPECT_TRUE(Form().ContinueButtonVisible);
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);
  EXPECT_TRUE(Form().TextBlocks.empty());
  EXPECT_TRUE(Form().OptionLabels.empty());
  EXPECT_EQ(Form().MenuLeft, 98 - 3 * 4);

  // Moving onto it and clicking shows the location from the redirected
  // source, with prefix and suffix; the buttons come back as the flags say.
  State().NextLocation = State().World.Location;
  Form().OptionClick();
  EXPECT_FALSE(Form().ContinueButtonVisible);
  EXPECT_TRUE(State().ContinueMode);
  ASSERT_EQ(Form().TextBlocks.size(), 3u);
  EXPECT_EQ(Form().TextBlocks[0].Text, Cz("úvod"));
  EXPECT_EQ(Form().TextBlocks[1].Text, "kniha");
  EXPECT_EQ(Form().TextBlocks[2].Text, Cz("závěr"));
  EXPECT_FALSE(Form().SheetButtonVisible);  // ZAKAZPOSTAVU was saved
  EXPECT_TRUE(Form().EquipmentButtonVisible);
  EXPECT_EQ(State().World.Location, 1);
}

TEST_F(LoadedGameTest, ResumesAtTheSaveTarget) {
  WriteLocations(
      Cz("<1><save odkaz=\"50\" nazev=\"dale\"><2><text obsah=\"dva\">"
         "<50><text obsah=\"padeát\">"));
  PlayAndSave();
  ASSERT_TRUE(Load("./save/dale.pzv"));
  EXPECT_EQ(State().World.Location, 50);
  EXPECT_EQ(State().NextLocation, 50);
  Form().OptionClick();
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Text, Cz("padeát"));
}

TEST_F(LoadedGameTest, APositionOfAnotherGamebookEndsTheProgram) {
  WriteLocations("<1><save nazev=\"cizi\">");
  PlayAndSave();
  InitRecord other = TestInitRecord();
  other.Title = Cz("Jiná hra");
  WriteInitRecord(other);
  EXPECT_FALSE(Load("./save/cizi.pzv"));
  EXPECT_EQ(host.messages, std::vector<std::string>{kForeign});
  EXPECT_TRUE(host.ended);
  EXPECT_FALSE(Form().ContinueButtonVisible);
}

TEST_F(LoadedGameTest, ADifferentCheckStringIsAnotherGamebookToo) {
  InitRecord first = TestInitRecord();
  first.CheckString = "abc";
  WriteInitRecord(first);
  WriteLocations("<1><save nazev=\"cizi\">");
  PlayAndSave();
  InitRecord other = first;
  other.CheckString = "abcd";
  WriteInitRecord(other);
  EXPECT_FALSE(Load("./save/cizi.pzv"));
  EXPECT_EQ(host.messages, std::vector<std::string>{kForeign});
  EXPECT_TRUE(host.ended);
}

TEST_F(LoadedGameTest, FewerSavedEntriesRestoreOnlyThose) {
  WriteCatalogs(2);
  WriteLocations("<1><zbran 1=\"2\" 2=\"1\"><save nazev=\"mala\">");
  PlayAndSave();
  // Weapon 3 lies past the saved count: whatever the record holds there is
  // not taken back.
  std::string bytes = ReadBytes("save/mala.pzv");
  WriteI16(reinterpret_cast<uint8_t*>(bytes.data()) + L::kWeaponsOffset + 2 * Weapon::kSize +
               Weapon::kHeldOffset,
           9);
  WriteBytes("save/mala.pzv", bytes);
  WriteCatalogs(4);

  ASSERT_TRUE(Load("./save/mala.pzv"));
  EXPECT_EQ(State().Weapons.Count, 4);
  EXPECT_EQ(State().Weapons.at(1).Held, 2);
  EXPECT_EQ(State().Weapons.at(2).Held, 1);
  EXPECT_EQ(State().Weapons.at(3).Held, 0);
  EXPECT_EQ(State().Weapons.at(4).Held, 0);
}

TEST_F(LoadedGameTest, MoreSavedEntriesThanLoadedRestoreOnlyTheLoadedOnes) {
  WriteCatalogs(4);
  WriteLocations("<1><zbran 2=\"1\" 4=\"3\"><save nazev=\"velka\">");
  PlayAndSave();
  WriteCatalogs(3);
  ASSERT_TRUE(Load("./save/velka.pzv"));
  EXPECT_EQ(State().Weapons.Count, 3);
  EXPECT_EQ(State().Weapons.at(2).Held, 1);
  EXPECT_EQ(State().Weapons.at(4).Held, 0);
}

TEST_F(LoadedGameTest, AShortFileIsRefusedAndNoGameStarts) {
  WriteLocations("<1><text obsah=\"a\">");
  WriteBytes("save/kratka.pzv", std::string(100, '\0'));
  EXPECT_FALSE(Load("./save/kratka.pzv"));
  EXPECT_EQ(host.messages,
            std::vector<std::string>{Cz(
                "Soubor \"./save/kratka.pzv\" není uložená pozice: má 100 bajtů místo 1138448.")});
  EXPECT_FALSE(host.ended);
  EXPECT_FALSE(State().ContinueMode);
  EXPECT_FALSE(Form().ContinueButtonVisible);
  EXPECT_TRUE(Form().TextBlocks.empty());
}

TEST_F(LoadedGameTest, AMissingFileIsRefusedAndNoGameStarts) {
  WriteLocations("<1>");
  EXPECT_FALSE(Load("./save/nic.pzv"));
  EXPECT_EQ(host.messages, std::vector<std::string>{Cz("Uloženou pozici \"./save/nic.pzv\" nelze "
                                                       "otevřít.")});
  EXPECT_FALSE(host.ended);
}

TEST_F(LoadedGameTest, TheMusicOfThePositionIsPlayedAgain) {
  WriteLocations("<1><2><save nazev=\"hudba\">");
  // An ./audio/ folder beside data/ means the gamebook has sound.
  WriteBytes("audio/les.mp3", "x");
  Start();
  host.on_modal = [](ModalWindow& window) { dynamic_cast<SaveWindow&>(window).UlozitClick(); };
  for (const int32_t kind : {1, 2, 3}) {
    Form().PlayingMusic = [kind] { return SavedPositionExtras{"les.mp3", kind}; };
    Form().ChangeLoc(2);
    RecordingAudioBackend device;
    host = RecordingHost{};
    session = std::make_unique<GameSession>(host, random, &device);
    session->LoadInitRecord();
    State().LoadFileName = "./save/hudba.pzv";
    ASSERT_TRUE(session->StartLoadedGame());
    ASSERT_NE(session->Audio, nullptr);
    EXPECT_EQ(session->Audio->MusicKind, kind == 3 ? 0 : kind);
    if (kind != 3) {
      EXPECT_EQ(session->Audio->MusicName, "les.mp3");
    }
    host.on_modal = [](ModalWindow& window) { dynamic_cast<SaveWindow&>(window).UlozitClick(); };
  }
}

TEST_F(LoadedGameTest, MusicNamedOutsideTheAudioFolderIsNotOpened) {
  WriteLocations("<1><2><save nazev=\"hudba\">");
  WriteBytes("audio/les.mp3", "x");
  Start();
  host.on_modal = [](ModalWindow& window) { dynamic_cast<SaveWindow&>(window).UlozitClick(); };
  Form().PlayingMusic = [] { return SavedPositionExtras{"../data/data.qvl", 1}; };
  Form().ChangeLoc(2);
  RecordingAudioBackend device;
  session = std::make_unique<GameSession>(host, random, &device);
  session->LoadInitRecord();
  State().LoadFileName = "./save/hudba.pzv";
  ASSERT_TRUE(session->StartLoadedGame());
  EXPECT_NE(std::find(device.Calls.begin(), device.Calls.end(),
                      "StreamOpen(\"./audio/../data/data.qvl\", 2, 0, 0) -> 0"),
            device.Calls.end());
}

TEST_F(LoadedGameTest, SavingRecordsTheMusicThePlayerIsPlaying) {
  WriteLocations("<1><audiostream soubor=\"les.mp3\"><save nazev=\"hudba\">");
  WriteBytes("audio/les.mp3", "x");
  host.on_modal = [](ModalWindow& window) { dynamic_cast<SaveWindow&>(window).UlozitClick(); };
  Start();
  const SavedPositionReadResult saved = ReadSavedPosition("./save/hudba.pzv");
  ASSERT_TRUE(saved.Position);
  EXPECT_EQ(saved.Position->World.MusicName, "les.mp3");
  EXPECT_EQ(saved.Position->World.MusicKind, 1);
}

TEST_F(LoadedGameTest, TheVariableListingIsForgotten) {
  WriteLocations("<1><save nazev=\"seznam\">");
  PlayAndSave();
  session = std::make_unique<GameSession>(host, random);
  session->LoadInitRecord();
  Form().ContentHolder = Cz("starý seznam");
  State().LoadFileName = "./save/seznam.pzv";
  ASSERT_TRUE(session->StartLoadedGame());
  EXPECT_TRUE(Form().ContentHolder.empty());
}

}  // namespace
}  // namespace qv
