// SAVE: the save window opened from a page, and what it leaves for the
// position it writes.
#include <gtest/gtest.h>

#include <string>

#include "data/byte_io.h"
#include "state/save_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

using SaveCommandTest = GamebookFixture;

int32_t SavedLocation(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.size(), SavedPositionLayout::kSize);
  return ReadI32(reinterpret_cast<const uint8_t*>(bytes.data()) + WorldState::kLocationOffset);
}

TEST_F(SaveCommandTest, WithoutAttributesProposesZadejAndResumesHere) {
  WriteLocations(
      Cz("<1><menu t=\"Dál\" x=\"2\">"
         "<2><presmeruj jmeno=\"kniha\"><save><zakazpostavudocasne>"));
  WriteDataFile("knihovny/kniha", "<1><2>");
  Start();
  State().SaveTarget = 7;
  State().SaveDefaultName = "stare";
  std::string proposed;
  int left = -1;
  int top = -1;
  host.on_modal = [&](ModalWindow& window) {
    auto& form = dynamic_cast<SaveWindow&>(window);
    proposed = form.NameField;
    left = form.Left;
    top = form.Top;
    EXPECT_EQ(State().SaveTarget, 0);
    EXPECT_EQ(State().SaveRedirect, "kniha");  // the source in use now
    EXPECT_TRUE(Form().SheetButtonVisible);    // the page waits for the window
    EXPECT_TRUE(form.UlozitClick());
  };
  Form().HoverOption(1);
  Form().OptionClick();
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"save"});
  EXPECT_EQ(proposed, "Zadej");
  EXPECT_EQ(left, 512 - SaveWindow::kWidth / 2);
  EXPECT_EQ(top, 384 - SaveWindow::kHeight / 2);
  EXPECT_FALSE(Form().SheetButtonVisible);  // the rest of the page ran
  EXPECT_EQ(SavedLocation("save/Zadej.pzv"), 2);
}

TEST_F(SaveCommandTest, AttributesSetTargetNameAndRedirectInOrder) {
  WriteLocations(
      Cz("<1><save odkaz=\"40\" nazev=\"Kapitola\" presmeruj=\"jina\" odkaz=\"50\">"
         "<menu t=\"Dál\" x=\"2\"><2><save>"));
  std::vector<std::string> names;
  host.on_modal = [&](ModalWindow& window) {
    auto& form = dynamic_cast<SaveWindow&>(window);
    names.push_back(form.NameField);
    if (names.size() == 1) {
      EXPECT_EQ(State().SaveTarget, 50);
      EXPECT_EQ(State().SaveRedirect, "jina");
      EXPECT_TRUE(form.UlozitClick());
    } else {
      // The next SAVE starts again from the defaults.
      EXPECT_EQ(State().SaveTarget, 0);
      EXPECT_EQ(State().SaveRedirect, "");
      form.NeukladatClick();
    }
  };
  Start();
  EXPECT_EQ(SavedLocation("save/Kapitola.pzv"), 50);  // though saved at 1
  EXPECT_EQ(State().SaveTarget, 0);
  Form().HoverOption(1);
  Form().OptionClick();
  EXPECT_EQ(names, (std::vector<std::string>{"Kapitola", "Zadej"}));
  EXPECT_EQ(State().SaveDefaultName, "Zadej");
}

TEST_F(SaveCommandTest, NotSavingKeepsTheTargetUntilTheNextSave) {
  WriteLocations("<1><save odkaz=\"50\">");
  host.on_modal = [](ModalWindow& window) { dynamic_cast<SaveWindow&>(window).NeukladatClick(); };
  Start();
  EXPECT_EQ(State().SaveTarget, 50);
  EXPECT_FALSE(std::filesystem::exists("save"));
}

TEST_F(SaveCommandTest, TheAudioPlayerTellsWhatMusicIsRecorded) {
  WriteLocations("<1><2><save nazev=\"hudba\">");
  Start();
  Form().PlayingMusic = [] { return SavedPositionExtras{"bitva.xm", 2}; };
  host.on_modal = [](ModalWindow& window) { dynamic_cast<SaveWindow&>(window).UlozitClick(); };
  Form().ChangeLoc(2);
  const std::string bytes = ReadBytes("save/hudba.pzv");
  ASSERT_EQ(bytes.size(), SavedPositionLayout::kSize);
  EXPECT_EQ(bytes.substr(WorldState::kMusicNameOffset + 1, 8), "bitva.xm");
  EXPECT_EQ(ReadI32(reinterpret_cast<const uint8_t*>(bytes.data()) + WorldState::kMusicKindOffset),
            2);
}

}  // namespace
}  // namespace qv
