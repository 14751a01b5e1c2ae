// High-density screens: the game lays out in logical pixels, each drawn as
// several screen pixels.
#include "desktop/display_scale.h"

#include <gtest/gtest.h>

#include "desktop_fixture.h"

namespace qv {
namespace {

TEST(DisplayScaleTest, CommandLineWinsThenGdkScaleThenOne) {
  EXPECT_EQ(ChooseDisplayScale(1.5, "3"), 1.5);
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, "2"), 2.0);
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, nullptr), 1.0);
  // Unreadable or out-of-range values never shrink or blow up the window.
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, ""), 1.0);
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, "2x"), 1.0);
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, "0"), 1.0);
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, "-2"), 1.0);
  EXPECT_EQ(ChooseDisplayScale(std::nullopt, "99"), 4.0);
  EXPECT_EQ(ChooseDisplayScale(0.25, nullptr), 1.0);
  EXPECT_EQ(ChooseDisplayScale(std::numeric_limits<double>::quiet_NaN(), nullptr), 1.0);
}

class ScaledWindowTest : public DesktopFixture {};

TEST_F(ScaledWindowTest, DoubleScaleHalvesTheLayoutAndDoublesTheWindow) {
  QV_ON_PRIVATE_DISPLAY();
  WriteInitRecord(TestInitRecord());
  WriteLocations("<1><text obsah=\"Za\xE8\xE1tek.\"><menu t=\"D\xE1l\" x=\"1\">");
  DesktopOptions options;
  options.Windowed = true;
  options.Scale = 2;
  options.Seed = 1;
  options.OnMessage = [](std::string_view) {};
  player = std::make_unique<DesktopPlayer>(options);
  // The private display is 1024 x 768: the game sees at most half of it.
  EXPECT_LE(Host().ScreenWidth(), 512);
  EXPECT_LE(Host().ScreenHeight(), 384);
  EXPECT_GT(Host().ScreenWidth(), 400);

  Host().ShowMenuWindow(240, 400);
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(Host().Video().Window(), &width, &height);
  EXPECT_EQ(width, 480);
  EXPECT_EQ(height, 800);

  player->StartGame();
  Settle();
  const Picture frame = Frame("scaled-game");
  EXPECT_EQ(frame.Width, 2 * Host().ScreenWidth());
  EXPECT_EQ(frame.Height, 2 * Host().ScreenHeight());
  EXPECT_EQ(Host().LogicalWidth(), Host().ScreenWidth());
  // Text is rendered at the screen's density, not enlarged from 96 DPI.
  EXPECT_EQ(Host().Text().DrawScale(), 2.0);
  // The density goes in quarter steps and never below one.
  Host().Text().SetDrawScale(1.6);
  EXPECT_EQ(Host().Text().DrawScale(), 1.5);
  Host().Text().SetDrawScale(0.5);
  EXPECT_EQ(Host().Text().DrawScale(), 1.0);
  // A line keeps its logical size whatever the density it is drawn at.
  const Font font{"Arial", 12, {}};
  const TextSize measured = Host().Text().Measure(font, "Za\xE8\xE1tek");
  Host().Text().SetDrawScale(2.0);
  const TextSize drawn = Host().Text().Draw(font, "Za\xE8\xE1tek", 0xFFFFFF, 0, 0);
  EXPECT_NEAR(drawn.Width, measured.Width, 2);
  EXPECT_EQ(drawn.Height, measured.Height);
}

}  // namespace
}  // namespace qv
