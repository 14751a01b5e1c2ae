// The start of a run on the desktop: the main menu's keys and buttons, the
// name entry and the about window, played through Run as a person would.
#include <gtest/gtest.h>

#include "desktop/about_view.h"
#include "desktop/menu_view.h"
#include "desktop/name_view.h"
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
  const Rect link = AboutView(Host()).LinkArea();
  PushKey(SDLK_3);
  PushClick(link);
  PushKey(SDLK_ESCAPE);  // closes the about window
  PushKey(SDLK_ESCAPE);  // ends the program from the menu
  player->Run();
  EXPECT_TRUE(Host().ProgramEnded());
  EXPECT_EQ(web_addresses, std::vector<std::string>{kMakerWebAddress});
  EXPECT_EQ(State().World.Location, 0);  // no game was started
}

TEST_F(StartWindowTest, MenuButtonsLightUpUnderTheMouseAndFuchsiaIsSeeThrough) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("grafika/menu.png", 240, 400, Rgb{255, 0, 255});
  WriteSolidPng("grafika/tlacitko_1.png", 120, 30, Rgb{0, 0, 255});
  WriteSolidPng("grafika/tlacitko_1b.png", 120, 30, Rgb{0, 255, 0});
  WriteLocations(kOneLocation);
  Open();
  MenuView menu(Host(), "Titul", "Autor");
  Host().ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
  Host().PushLayer(menu);
  const Rect first = menu.ButtonArea(0);
  EXPECT_EQ(first.Width, 120);
  // A button without pictures is an empty frame in its place.
  const Rect exit = menu.ButtonArea(3);
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
  EXPECT_EQ(menu.Choice, MenuChoice::NewGame);
  Host().PopLayer();
}

}  // namespace
}  // namespace qv
