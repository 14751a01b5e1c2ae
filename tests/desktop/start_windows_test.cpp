// The start of a run on the desktop: the main menu's keys and buttons, the
// name entry and the about window, played through Run as a person would.
#include <gtest/gtest.h>

#include "desktop/about_view.h"
#include "desktop/load_list_view.h"
#include "desktop/menu_view.h"
#include "desktop/name_view.h"
#include "desktop/save_view.h"
#include "desktop_fixture.h"

namespace qv {
namespace {

constexpr const char* kOneLocation =
    "<1><text obsah=\"Za\xE8\xE1tek.\"><menu t=\"D\xE1l\" x=\"1\">";

using StartWindowTest = DesktopFixture;

// Where "Konec" will stand once the game window is up.
Rect EndButton(DesktopHost& host) {
  GameLayout layout;
  layout.Width = host.ScreenWidth();
  layout.Height = host.ScreenHeight();
  layout.MessageLineHeight = host.Text().Measure(kMessageFont, "").Height;
  return layout.Button(GameButton::Konec);
}

TEST_F(StartWindowTest, EnterStartsTheGameAndKonecEndsIt) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kOneLocation);
  Open();
  PushKey(SDLK_1);
  PushText("1");  // the character the key typed goes nowhere
  PushClick(EndButton(Host()));
  player->Run();
  EXPECT_TRUE(Host().ProgramEnded());
  EXPECT_EQ(State().World.Location, 1);
  EXPECT_EQ(State().Character.Name.str(), "Hrdina");
}

TEST_F(StartWindowTest, NameEntryTakesTheTypedName) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kOneLocation);
  InitRecord record = TestInitRecord();
  record.AskName = 1;
  WriteInitRecord(record);
  Open();
  PushKey(SDLK_RETURN);
  PushText("Ji\xC5\x99\xC3\xAD");  // "Jiří"
  PushKey(SDLK_RETURN);
  PushClick(EndButton(Host()));
  player->Run();
  EXPECT_EQ(State().Character.Name.str(), "Ji\xF8\xED");
  EXPECT_EQ(State().Character.StartName.str(), "Ji\xF8\xED");
}

TEST_F(StartWindowTest, AboutWindowOpensTheLinkAndClosesOnAKeyAndEscEnds) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kOneLocation);
  Open();
  Host().ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
  AboutWindow placed;
  placed.FormShow(0, 0);
  const Rect link = AboutView(Host(), placed).LinkArea();
  PushKey(SDLK_3);
  PushClick(link);
  PushKey(SDLK_ESCAPE);  // closes the about window
  PushKey(SDLK_ESCAPE);  // ends the program from the menu
  player->Run();
  EXPECT_TRUE(Host().ProgramEnded());
  EXPECT_EQ(web_addresses, std::vector<std::string>{std::string(kAboutWebAddress)});
  EXPECT_EQ(State().World.Location, 0);  // no game was started
}

TEST_F(StartWindowTest, MenuButtonsLightUpUnderTheMouseAndFuchsiaIsSeeThrough) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("grafika/menu.png", 240, 400, Rgb{255, 0, 255});
  WriteSolidPng("grafika/tlacitko_1.png", 120, 30, Rgb{0, 0, 255});
  WriteSolidPng("grafika/tlacitko_1b.png", 120, 30, Rgb{0, 255, 0});
  WriteLocations(kOneLocation);
  Open();
  MenuView menu(Host(), player->Menu());
  Host().ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
  Host().PushLayer(menu);
  const Rect first = menu.ButtonArea(MenuButton::NewGame);
  EXPECT_EQ(first.Width, 120);
  // A button without pictures is an empty frame in its place.
  const Rect exit = menu.ButtonArea(MenuButton::Exit);
  EXPECT_EQ(exit.Width, 160);

  Picture frame = Frame("menu");
  EXPECT_EQ(frame.Width, MenuView::kWidth);
  EXPECT_EQ(frame.Height, MenuView::kHeight);
  EXPECT_EQ(CountColour(frame, Rect{0, 0, 240, 400}, 0xFF00FF), 0);
  EXPECT_EQ(PixelAt(frame, 2, 2), (Rgb{0, 0, 0}));
  EXPECT_EQ(CountColour(frame, first, 0xFF0000), 120 * 30);  // blue
  EXPECT_EQ(PixelAt(frame, exit.Left, exit.Top + 5), (Rgb{0x80, 0x80, 0x80}));

  PushMove(first.Left + 5, first.Top + 5);
  Settle();
  frame = Frame("menu-lit");
  EXPECT_EQ(CountColour(frame, first, 0x00FF00), 120 * 30);  // green
  PushMove(2, 2);
  Settle();
  EXPECT_EQ(CountColour(Frame(), first, 0xFF0000), 120 * 30);

  PushClick(first);
  Settle();
  EXPECT_EQ(menu.Action, StartAction::OpenGame);
  Host().PopLayer();
}

TEST_F(StartWindowTest, SavedPositionIsListedRestoredAndContinued) {
  QV_ON_PRIVATE_DISPLAY();
  // The save window proposes "Zadej"; the name typed over it is kept.
  SaveAtTheWell("studna");
  EXPECT_EQ(std::filesystem::file_size("save/studna.pzv"), 1138448u);
  player.reset();

  // A new run: "2" opens the list, the entry is chosen, and the restored
  // game waits for "Pokračovat", which shows the position's location.
  Open();
  LoadListWindow listed(State());
  listed.FormShow();
  ASSERT_EQ(listed.Labels.size(), 1u);
  const Rect entry = LoadListView(Host(), listed).LabelArea(1);
  const TextSize continue_size = Host().Text().Measure(kContinueFont, kContinueCaption);
  const Rect continue_label{kWidth / 2 - 60, kHeight / 3 + 20, continue_size.Width,
                            continue_size.Height};
  PushKey(SDLK_2);
  PushClick(entry);
  PushClick(continue_label);
  PushClick(EndButton(Host()));
  player->Run();
  EXPECT_TRUE(messages.empty()) << messages.front();
  EXPECT_TRUE(State().LoadRequested);
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_FALSE(Form().ContinueButtonVisible);
}

}  // namespace
}  // namespace qv
