// The start windows as models: the main menu's labels, buttons, keys and
// hover pictures, the name entry, the about window, and the death window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/init_record.h"
#include "host/recording_host.h"
#include "state/game_state.h"
#include "state/name_entry_window.h"
#include "state/start_menu_window.h"
#include "support/czech_text.h"
#include "ui/about_window.h"
#include "ui/death_window.h"

namespace qv {
namespace {

class StartMenuTest : public ::testing::Test {
 protected:
  StartMenuTest() {
    record.Title = Cz("Temná věž");  // "Temná věž"
    record.AuthorLine = Cz("Jan Novák");
    state->LoadRequested = true;
    state->LoadFileName = "./save/stara.pzv";
  }

  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  InitRecord record;
  StartMenuWindow menu{*state};
};

TEST_F(StartMenuTest, TitleAndAuthorComeFromTheRecord) {
  EXPECT_EQ(menu.ApplicationTitle, "Quarvelin");
  menu.FormCreate(record);
  EXPECT_EQ(menu.ApplicationTitle, Cz("Temná věž"));
  EXPECT_EQ(menu.GameTitle, Cz("Temná věž"));
  EXPECT_EQ(menu.AuthorLabel, Cz("Jan Novák: "));
}

TEST_F(StartMenuTest, AuthorLabelKeepsThirtyTwoBytes) {
  record.AuthorLine = std::string(30, 'a');
  menu.FormCreate(record);
  EXPECT_EQ(menu.AuthorLabel, std::string(30, 'a') + ": ");
  record.AuthorLine = std::string(31, 'b');
  menu.FormCreate(record);
  EXPECT_EQ(menu.AuthorLabel, std::string(31, 'b') + ":");
  record.AuthorLine = std::string(32, 'c');
  menu.FormCreate(record);
  EXPECT_EQ(menu.AuthorLabel, std::string(32, 'c'));
}

TEST_F(StartMenuTest, LabelsAndWindowAreCentred) {
  EXPECT_EQ(StartMenuWindow::CentredLeft(100), 70);
  EXPECT_EQ(StartMenuWindow::CentredLeft(101), 69);
  EXPECT_EQ(StartMenuWindow::CentredLeft(300), -30);
  menu.CentreOnScreen(1024, 768);
  EXPECT_EQ(menu.Left, 392);
  EXPECT_EQ(menu.Top, 184);
}

TEST_F(StartMenuTest, NewGameForgetsAnyChosenPositionAndSkipsTheNameWhenNotAsked) {
  record.AskName = 0;
  menu.FormCreate(record);
  EXPECT_EQ(menu.NewGameClick(), StartAction::OpenGame);
  EXPECT_FALSE(state->LoadRequested);
  EXPECT_EQ(state->LoadFileName, "");
  // Only a flag of exactly 1 asks.
  record.AskName = 2;
  menu.FormCreate(record);
  EXPECT_EQ(menu.NewGameClick(), StartAction::OpenGame);
  record.AskName = 1;
  menu.FormCreate(record);
  EXPECT_EQ(menu.NewGameClick(), StartAction::OpenNameEntry);
}

TEST_F(StartMenuTest, KeysDoWhatTheButtonsDo) {
  menu.FormCreate(record);
  EXPECT_EQ(menu.FormKeyPress(kEnterKey), StartAction::OpenGame);
  EXPECT_FALSE(state->LoadRequested);
  state->LoadRequested = true;
  EXPECT_EQ(menu.FormKeyPress('1'), StartAction::OpenGame);
  EXPECT_FALSE(state->LoadRequested);
  // "2" opens the load list exactly as the button does.
  EXPECT_EQ(menu.FormKeyPress('2'), menu.LoadClick());
  EXPECT_EQ(menu.LoadClick(), StartAction::OpenLoadList);
  EXPECT_EQ(menu.FormKeyPress('3'), StartAction::OpenAbout);
  EXPECT_EQ(menu.FormKeyPress(kEscapeKey), StartAction::EndProgram);
  EXPECT_EQ(menu.Click(MenuButton::Exit), StartAction::EndProgram);
  state->LoadRequested = true;
  for (char key : {'4', '0', 'a', '\n', ' '}) {
    EXPECT_EQ(menu.FormKeyPress(key), StartAction::None) << int(key);
  }
  EXPECT_TRUE(state->LoadRequested);  // no key but Enter and "1" starts a game
}

TEST_F(StartMenuTest, HoverPictureIsLoadedOnceAndTheBackgroundPutsAllBack) {
  EXPECT_EQ(menu.ButtonPicture(MenuButton::NewGame), "tlacitko_1");
  EXPECT_TRUE(menu.ButtonMouseEnter(MenuButton::NewGame));
  EXPECT_FALSE(menu.ButtonMouseEnter(MenuButton::NewGame));
  EXPECT_EQ(menu.ButtonPicture(MenuButton::NewGame), "tlacitko_1b");
  // Moving straight to the next button leaves the first one lit.
  EXPECT_TRUE(menu.ButtonMouseEnter(MenuButton::Load));
  EXPECT_TRUE(menu.IsLit(MenuButton::NewGame));
  EXPECT_EQ(menu.ButtonPicture(MenuButton::Load), "tlacitko_2b");
  EXPECT_EQ(menu.ButtonPicture(MenuButton::About), "tlacitko_3");
  menu.FormMouseMove();
  EXPECT_FALSE(menu.IsLit(MenuButton::NewGame));
  EXPECT_FALSE(menu.IsLit(MenuButton::Load));
  EXPECT_EQ(menu.ButtonPicture(MenuButton::Load), "tlacitko_2");
  EXPECT_TRUE(menu.ButtonMouseEnter(MenuButton::Exit));
  EXPECT_EQ(menu.ButtonPicture(MenuButton::Exit), "tlacitko_4b");
  EXPECT_EQ(StartMenuWindow::HoverPicture(MenuButton::About), "tlacitko_3b");
}

TEST(NameEntryTest, EnterOrOkTakesTheNameCutToOneHundred) {
  auto state = std::make_unique<GameState>();
  NameEntryWindow entry(*state);
  EXPECT_EQ(entry.Kind(), "name");
  EXPECT_EQ(entry.Prompt, Cz("Zadej jméno své postavy:"));
  EXPECT_EQ(entry.Label, Cz("Jméno:"));

  entry.Edit = Cz("Jiří");
  EXPECT_EQ(entry.FormKeyPress('a'), StartAction::None);
  EXPECT_FALSE(entry.IsClosed());
  EXPECT_EQ(state->Character.Name.str(), "");
  EXPECT_EQ(entry.FormKeyPress(kEnterKey), StartAction::OpenGame);
  EXPECT_TRUE(entry.IsClosed());
  EXPECT_EQ(state->Character.Name.str(), Cz("Jiří"));

  entry.Reopen();
  entry.Edit = std::string(100, 'x') + "yz";
  EXPECT_EQ(entry.OkClick(), StartAction::OpenGame);
  EXPECT_EQ(state->Character.Name.str(), std::string(100, 'x'));

  entry.Edit.clear();  // an empty name is accepted
  EXPECT_EQ(entry.OkClick(), StartAction::OpenGame);
  EXPECT_EQ(state->Character.Name.str(), "");
}

TEST(AboutWindowTest, TextsAreTheEnginesOwn) {
  AboutWindow about;
  EXPECT_EQ(about.Kind(), "about");
  ASSERT_EQ(about.Lines.size(), 5u);
  EXPECT_EQ(about.Lines[0], Cz("Hra byla vytvořena v"));
  EXPECT_EQ(about.Lines[1], Cz("univerzálním enginu"));
  EXPECT_EQ(about.Lines[2], Cz("k tvorbě gamebooků,"));
  EXPECT_EQ(about.Lines[3], Cz("který je možno stáhnout"));
  EXPECT_EQ(about.Lines[4], Cz("na webových stránkách"));
  EXPECT_EQ(about.VersionLine, "verze 4.30");
  EXPECT_EQ(about.LinkLine, "quarvelin.example");
}

TEST(AboutWindowTest, LinkOpensThePageAndAnythingElseCloses) {
  RecordingHost host;
  AboutWindow about;
  about.FormShow(392, 184);
  EXPECT_EQ(about.Left, 392);
  EXPECT_EQ(about.Top, 184);
  about.LinkClick(host);
  EXPECT_EQ(host.web_addresses, (std::vector<std::string>{"https://quarvelin.example/"}));
  EXPECT_FALSE(about.IsClosed());
  about.FormClick();
  EXPECT_TRUE(about.IsClosed());

  for (char key : {kEnterKey, kEscapeKey, 'x'}) {
    about.FormShow(0, 0);
    EXPECT_FALSE(about.IsClosed());
    about.FormKeyPress(key);
    EXPECT_TRUE(about.IsClosed()) << int(key);
  }
}

TEST(DeathWindowTest, ClickOrAnyKeyEndsTheProgram) {
  RecordingHost host;
  DeathWindow death(host);
  EXPECT_EQ(death.Kind(), "death");
  EXPECT_EQ(death.File, "./grafika/smrtcool.jpg");
  EXPECT_EQ(DeathWindow::kWidth, 210);
  EXPECT_EQ(DeathWindow::kHeight, 180);
  EXPECT_EQ(death.Left, 0);
  EXPECT_EQ(death.Top, 0);
  death.PictureClick();
  EXPECT_TRUE(host.ProgramEnded());

  RecordingHost other;
  DeathWindow by_key(other);
  by_key.FormKeyPress(kEscapeKey);
  EXPECT_TRUE(other.ProgramEnded());
}

}  // namespace
}  // namespace qv
