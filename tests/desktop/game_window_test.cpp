// The game window drawn into a real window on a virtual display: the colours
// the page, the frames and the message lines come out in, and the mouse and
// keys at the controls' real positions.
#include <gtest/gtest.h>

#include "desktop_fixture.h"

namespace qv {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kLime = 0x00FF00;
constexpr Colour kWhiteColour = 0xFFFFFF;
constexpr Colour kGreyColour = 0x808080;
constexpr Colour kMaroonColour = 0x000080;
constexpr Colour kYellowColour = 0x00FFFF;

// Location 1: a text, a lime message, a red option to 2 and a plain one to 3.
constexpr const char* kThreeLocations =
    "<1><text obsah=\"Stoj\xED\x9A u cesty.\"><info obsah=\"Zpr\xE1va\" barva=\"lime\">"
    "<menu t=\"Doleva\" x=\"2\" barva=\"red\"><menu t=\"Doprava\" x=\"3\">"
    "<2><text obsah=\"Jsi v lese.\"><menu t=\"Zp\xECt\" x=\"1\">"
    "<3><text obsah=\"Jsi u \xF8\xEDky.\"><menu t=\"Zp\xECt\" x=\"1\">";

// The area of history line `line` as drawn, as wide as its text.
Rect HistoryArea(GameView& game, DesktopHost& host, const GameWindow& form, int line) {
  const GameLayout layout = game.Layout();
  const TextSize size =
      host.Text().Measure(kMessageFont, form.History[static_cast<std::size_t>(line - 1)].Text);
  return Rect{layout.HistoryLeft(), layout.HistoryTop(line), size.Width, size.Height};
}

using GameWindowTest = DesktopFixture;

TEST_F(GameWindowTest, PageOptionsFramesAndMessagesInTheirColours) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kThreeLocations);
  Play();
  ASSERT_EQ(State().World.Location, 1);
  const Picture frame = Frame("page");
  ASSERT_EQ(frame.Width, kWidth);
  ASSERT_EQ(frame.Height, kHeight);

  // The first option is red, the second white as every option by default.
  const Rect first = Game().OptionArea(1);
  const Rect second = Game().OptionArea(2);
  EXPECT_EQ(first.Left, 10);
  EXPECT_GT(CountColour(frame, first, kRed), 5);
  EXPECT_EQ(CountColour(frame, first, kWhiteColour), 0);
  EXPECT_GT(CountColour(frame, second, kWhiteColour), 5);
  EXPECT_EQ(CountColour(frame, second, kRed), 0);

  // The page's text stands in the column, white.
  const Rect text = Game().TextArea(1);
  EXPECT_EQ(text.Left, 230);
  EXPECT_EQ(text.Top, 30);
  EXPECT_GT(CountColour(frame, text, kWhiteColour), 5);

  // Without a skin every frame is maroon: the buttons, the menu and the
  // message frame along the bottom.
  const Rect sheet = Game().ButtonArea(GameButton::Postava);
  EXPECT_EQ(PixelAt(frame, sheet.Left, sheet.Top + sheet.Height / 2), ToRgb(kMaroonColour));
  EXPECT_GT(CountColour(frame, sheet, kMaroonColour), 100);  // the frame and its caption
  const Rect end = Game().ButtonArea(GameButton::Konec);
  EXPECT_LT(end.Bottom(), Game().Layout().MessageFrame().Top);
  EXPECT_EQ(PixelAt(frame, end.Right() - 1, end.Top + end.Height / 2), ToRgb(kMaroonColour));
  const Rect menu = Game().Layout().MenuFrame(Form().MenuTop, Form().MenuFrameHeight);
  EXPECT_EQ(menu.Height, 30 * 2 + 40);
  EXPECT_EQ(PixelAt(frame, menu.Left, menu.Top + menu.Height / 2), ToRgb(kMaroonColour));
  const Rect messages = Game().Layout().MessageFrame();
  EXPECT_EQ(messages.Bottom(), kHeight);
  EXPECT_EQ(PixelAt(frame, kWidth / 2, messages.Top), ToRgb(kMaroonColour));
  EXPECT_EQ(PixelAt(frame, kWidth / 2, kHeight - 1), ToRgb(kMaroonColour));

  // This page's message is lime on the newest line.
  const Rect newest = HistoryArea(Game(), Host(), Form(), 1);
  EXPECT_GT(newest.Top, messages.Top);
  EXPECT_TRUE(DrawnInShadesOf(frame, newest, kLime));
}

TEST_F(GameWindowTest, OldMessagesTurnGreyOnTheNextPage) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kThreeLocations);
  Play();
  Click(Game().OptionArea(2));
  ASSERT_EQ(State().World.Location, 3);
  const Picture frame = Frame("grey-messages");
  const Rect line = HistoryArea(Game(), Host(), Form(), 1);
  ASSERT_GT(line.Width, 0);
  EXPECT_TRUE(DrawnInShadesOf(frame, line, kGreyColour));
}

TEST_F(GameWindowTest, ClickOnAnOptionAndNumberKeysChoose) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kThreeLocations);
  Play();
  // A click beside the options chooses nothing.
  const Rect first = Game().OptionArea(1);
  Click(Rect{first.Left, first.Bottom() + 2, first.Width, 4});
  EXPECT_EQ(State().World.Location, 1);

  Click(first);
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_EQ(State().World.PreviousLocation, 1);

  // "1" is the only option here (back to 1); then "2" leads to location 3.
  PushKey(SDLK_1);
  Settle();
  EXPECT_EQ(State().World.Location, 1);
  PushKey(SDLK_2);
  Settle();
  EXPECT_EQ(State().World.Location, 3);
  // A number without an option does nothing.
  PushKey(SDLK_7);
  Settle();
  EXPECT_EQ(State().World.Location, 3);
}

TEST_F(GameWindowTest, HelpButtonShowsTheYellowBlockAndScrollingMovesTheColumn) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kThreeLocations);
  Play();
  Click(Game().ButtonArea(GameButton::Napoveda));
  ASSERT_TRUE(Form().HelpShown);
  ASSERT_EQ(Form().TextBlocks.size(), 2u);
  const Picture frame = Frame("help");
  const Rect help = Game().TextArea(2);
  EXPECT_EQ(help.Left, 240);
  EXPECT_GT(CountColour(frame, Rect{help.Left, help.Top, help.Width, 40}, kYellowColour), 20);

  // Page Down and the wheel move the column; Alt+F4 leaves the game going.
  PushKey(SDLK_PAGEDOWN);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 1;
  Push(wheel);
  PushKey(SDLK_F4, KMOD_LALT);
  Settle();
  EXPECT_EQ(Game().TextArea(1).Top, 30 - 100 + 150);
  EXPECT_FALSE(Host().ProgramEnded());

  // F11 switches between the whole screen and a window; the game keeps its
  // logical size either way and is scaled to the virtual 1024 x 768 screen.
  ASSERT_FALSE(Host().FullScreen());
  PushKey(SDLK_F11);
  Settle();
  EXPECT_TRUE(Host().FullScreen());
  EXPECT_EQ(Host().LogicalWidth(), kWidth);
  const Picture scaled = Frame("full-screen");
  EXPECT_EQ(scaled.Width, 1024);
  EXPECT_EQ(scaled.Height, 768);
  // The message frame's bottom edge, smoothed by the scaling, along the
  // screen's bottom.
  int reddish = 0;
  for (int x = 0; x < 1024; ++x) {
    const Rgb pixel = PixelAt(scaled, x, 766);
    if (pixel.R > 40 && pixel.G == 0 && pixel.B == 0) ++reddish;
  }
  EXPECT_GT(reddish, 900);
  PushKey(SDLK_F11);
  Settle();
  EXPECT_FALSE(Host().FullScreen());

  Click(Game().ButtonArea(GameButton::Konec));
  EXPECT_TRUE(Host().ProgramEnded());
}

}  // namespace
}  // namespace qv
