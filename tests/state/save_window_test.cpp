#include "state/save_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "data/byte_io.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using L = SavedPositionLayout;

std::string TextAt(const std::string& bytes, std::size_t offset) {
  return bytes.substr(offset + 1, static_cast<uint8_t>(bytes[offset]));
}

int32_t IntAt(const std::string& bytes, std::size_t offset) {
  return ReadI32(reinterpret_cast<const uint8_t*>(bytes.data()) + offset);
}

// Every file under the working directory, relative to it.
std::vector<std::string> FilesHere() {
  std::vector<std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(".")) {
    if (entry.is_regular_file()) out.push_back(entry.path().lexically_normal().string());
  }
  return out;
}

TEST(RefuseSaveNameTest, NamesThatStayInTheSaveFolderAreTaken) {
  EXPECT_FALSE(RefuseSaveName("hrdina"));
  EXPECT_FALSE(RefuseSaveName(Cz("Jiří a Šárka")));  // "Jiří a Šárka"
  EXPECT_FALSE(RefuseSaveName("kapitola 3.1"));
  EXPECT_FALSE(RefuseSaveName(""));  // the file is then the extension alone
  EXPECT_FALSE(RefuseSaveName(std::string(247, 'a')));
}

TEST(RefuseSaveNameTest, PathsControlBytesAndOverlongNamesAreRefused) {
  const std::string rule =
      Cz("Název nesmí obsahovat znaky / a \\, dvě tečky za sebou ani řídicí znaky.");
  EXPECT_EQ(RefuseSaveName("../x"), Cz("Neplatný název pozice: \"../x\". ") + rule);
  EXPECT_EQ(RefuseSaveName("a/b"), Cz("Neplatný název pozice: \"a/b\". ") + rule);
  EXPECT_TRUE(RefuseSaveName("a\\b"));
  EXPECT_TRUE(RefuseSaveName(".."));
  EXPECT_TRUE(RefuseSaveName("a..b"));
  EXPECT_EQ(RefuseSaveName(std::string("a\0b", 3)), Cz("Neplatný název pozice: \"a?b\". ") + rule);
  EXPECT_TRUE(RefuseSaveName("a\tb"));
  EXPECT_TRUE(RefuseSaveName("a\x7F"));
  // 248 bytes, or fewer letters that take two bytes each on disk.
  EXPECT_EQ(
      RefuseSaveName(std::string(248, 'a')),
      Cz("Neplatný název pozice: \"") + std::string(248, 'a') + Cz("\". Název je příliš dlouhý."));
  EXPECT_TRUE(RefuseSaveName(std::string(124, '\xE1')));
}

class SaveWindowTest : public GamebookFixture {
 protected:
  void SetUp() override {
    WriteDataFile("knihovny/uvod", Cz("<text obsah=\"úvod\">"));
    WriteDataFile("knihovny/zaver", Cz("<text obsah=\"závěr\">"));
    WriteLocations("<1><text obsah=\"a\"><2>");
    Start();
  }

  SaveWindow& Window(PlayingMusicQuery music = {}) {
    window = std::make_unique<SaveWindow>(State(), session->Store, host, std::move(music));
    window->FormShow();
    return *window;
  }

  std::unique_ptr<SaveWindow> window;
};

TEST_F(SaveWindowTest, ProposesTheDefaultNameAndIsCentredOnTheGameWindow) {
  State().SaveDefaultName = "Kapitola";
  SaveWindow& form = Window();
  form.CentreOn(1024, 768);
  EXPECT_EQ(form.Kind(), "save");
  EXPECT_EQ(form.NameField, "Kapitola");
  EXPECT_EQ(form.Left, 512 - SaveWindow::kWidth / 2);
  EXPECT_EQ(form.Top, 384 - SaveWindow::kHeight / 2);
}

TEST_F(SaveWindowTest, WritesTheRecordWithItsChangesAndCloses) {
  GameState& state = State();
  session->Store.SetPrefix(&session->Store.FindOrLoadLibrary("uvod"));
  session->Store.SetSuffix(&session->Store.FindOrLoadLibrary("zaver"));
  state.World.RedirectName = "jinde";
  state.SaveRedirect = "kniha2";
  state.SaveTarget = 50;
  state.World.Variables.Set(7, 42);

  SaveWindow& form = Window([] { return SavedPositionExtras{"les.mp3", 1}; });
  form.NameField = Cz("Jiří");  // "Jiří"
  ASSERT_TRUE(form.UlozitClick());
  EXPECT_TRUE(form.IsClosed());
  EXPECT_TRUE(host.messages.empty());

  const fs::path file = "save/Jiří.pzv";  // the name on disk is UTF-8
  ASSERT_TRUE(fs::exists(file));
  const std::string bytes = ReadBytes(file);
  ASSERT_EQ(bytes.size(), L::kSize);
  EXPECT_EQ(TextAt(bytes, WorldState::kPrefixNameOffset), "uvod");
  EXPECT_EQ(TextAt(bytes, WorldState::kSuffixNameOffset), "zaver");
  EXPECT_EQ(TextAt(bytes, WorldState::kRedirectNameOffset), "kniha2");  // := SaveRedirect
  EXPECT_EQ(IntAt(bytes, WorldState::kLocationOffset), 50);             // := SaveTarget
  EXPECT_EQ(TextAt(bytes, WorldState::kMusicNameOffset), "les.mp3");
  EXPECT_EQ(IntAt(bytes, WorldState::kMusicKindOffset), 1);
  EXPECT_EQ(IntAt(bytes, WorldState::kVariablesOffset + 4 * 6), 42);

  // The live state: the library names are kept, the record-only changes
  // are not, and the next save resumes where the game then is.
  EXPECT_EQ(state.World.PrefixName, "uvod");
  EXPECT_EQ(state.World.SuffixName, "zaver");
  EXPECT_EQ(state.World.RedirectName, "jinde");
  EXPECT_EQ(state.World.Location, 1);
  EXPECT_TRUE(state.World.MusicName.empty());
  EXPECT_EQ(state.SaveTarget, 0);
}

TEST_F(SaveWindowTest, WithoutAudioPlayerNoMusicIsRecorded) {
  State().World.MusicName = "stare.mid";
  State().World.MusicKind = 2;
  SaveWindow& form = Window();
  form.NameField = "ticho";
  ASSERT_TRUE(form.UlozitClick());
  const std::string bytes = ReadBytes("save/ticho.pzv");
  EXPECT_EQ(TextAt(bytes, WorldState::kMusicNameOffset), "");
  EXPECT_EQ(IntAt(bytes, WorldState::kMusicKindOffset), 0);
  EXPECT_EQ(IntAt(bytes, WorldState::kLocationOffset), 1);  // no SaveTarget: the current location
}

TEST_F(SaveWindowTest, SavingTwiceUnderOneNameOverwrites) {
  SaveWindow& first = Window();
  first.NameField = "hrdina";
  ASSERT_TRUE(first.UlozitClick());
  State().World.Variables.Set(1, 5);
  SaveWindow& second = Window();
  second.NameField = "hrdina";
  ASSERT_TRUE(second.UlozitClick());
  const std::string bytes = ReadBytes("save/hrdina.pzv");
  ASSERT_EQ(bytes.size(), L::kSize);
  EXPECT_EQ(IntAt(bytes, WorldState::kVariablesOffset), 5);
  EXPECT_EQ(std::distance(fs::directory_iterator("save"), fs::directory_iterator()), 1);
}

TEST_F(SaveWindowTest, AnEmptyNameGivesTheExtensionAlone) {
  SaveWindow& form = Window();
  form.NameField.clear();
  ASSERT_TRUE(form.UlozitClick());
  EXPECT_EQ(fs::file_size("save/.pzv"), L::kSize);
}

TEST_F(SaveWindowTest, HostileNamesWriteNothingAndKeepTheWindowOpen) {
  const std::vector<std::string> before = FilesHere();
  State().SaveTarget = 9;
  for (const std::string name : {"../x", "a/b", "..", "/tmp/x", "a\\b"}) {
    SaveWindow& form = Window();
    form.NameField = name;
    EXPECT_FALSE(form.UlozitClick()) << name;
    EXPECT_FALSE(form.IsClosed()) << name;
  }
  ASSERT_EQ(host.messages.size(), 5u);
  EXPECT_TRUE(host.messages[0].starts_with(Cz("Neplatný název pozice: \"../x\". ")));
  EXPECT_EQ(FilesHere(), before);
  EXPECT_FALSE(fs::exists("save"));
  EXPECT_FALSE(fs::exists("x.pzv"));
  EXPECT_FALSE(fs::exists("../x.pzv"));
  EXPECT_EQ(State().SaveTarget, 9);
  EXPECT_TRUE(State().World.PrefixName.empty());
}

TEST_F(SaveWindowTest, AFailedWriteIsReportedAndTheGameGoesOn) {
  WriteBytes("save", "not a folder");  // the save folder cannot be made
  State().SaveTarget = 9;
  SaveWindow& form = Window();
  form.NameField = "hrdina";
  EXPECT_FALSE(form.UlozitClick());
  EXPECT_FALSE(form.IsClosed());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], Cz("Pozici nelze uložit do souboru \"./save/hrdina.pzv\"."));
  EXPECT_EQ(State().SaveTarget, 9);
  EXPECT_FALSE(host.ended);

  form.NeukladatClick();
  EXPECT_TRUE(form.IsClosed());
}

}  // namespace
}  // namespace qv
