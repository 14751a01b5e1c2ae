// The game window's size on the desktop: fitted with its frame, remembered
// between runs and brought back onto a desktop that may have changed.
#include "desktop/window_placement.h"

#include <gtest/gtest.h>

#include "data/user_preferences.h"

namespace qv {
namespace {

TEST(WindowPlacementTest, ScaleGivesWayToTheFrameAndTheUsableArea) {
  const Rect screen{0, 0, 1920, 1080};
  // The reported fault: scale 2 of 960 x 540 filled the screen, and the
  // title bar pushed the newest message line off it.
  const WindowBorders title{30, 1, 1, 1};
  const double scale = FittingScale(2.0, 960, 540, screen, title);
  EXPECT_LE(540 * scale + 31, 1080.0);
  EXPECT_LE(960 * scale + 2, 1920.0);
  EXPECT_GT(scale, 1.9);
  // Room enough: the asked scale stays.
  EXPECT_EQ(FittingScale(1.0, 1024, 768, screen, title), 1.0);
  // A desktop smaller than its frame still gives a window.
  EXPECT_GT(FittingScale(1.0, 1024, 768, Rect{0, 0, 10, 10}, WindowBorders{40, 40, 40, 40}), 0.0);
}

TEST(WindowPlacementTest, RemembersAndRefusesDamagedValues) {
  UserPreferences preferences;
  preferences.Set("reader.font", "large");  // another feature's key stays
  WriteWindowPlacement(preferences, WindowPlacement{Rect{-5, 40, 900, 700}, true});
  const std::optional<WindowPlacement> read =
      ReadWindowPlacement(UserPreferences::Parse(preferences.Text()));
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, (WindowPlacement{Rect{-5, 40, 900, 700}, true}));
  EXPECT_EQ(preferences.Get("reader.font"), "large");

  for (const char* damaged : {"window.width = 0", "window.width = wide",
                              "window.width = 99999999999", "window.left = -99999999"}) {
    UserPreferences broken = preferences;
    const auto key_value = std::string(damaged);
    const auto eq = key_value.find(" = ");
    broken.Set(key_value.substr(0, eq), key_value.substr(eq + 3));
    EXPECT_FALSE(ReadWindowPlacement(broken)) << damaged;
  }
  UserPreferences missing = preferences;
  missing.Erase("window.top");
  EXPECT_FALSE(ReadWindowPlacement(missing));
}

TEST(WindowPlacementTest, KeptOnADesktopThatShrank) {
  const Rect laptop{0, 0, 1366, 768};
  const WindowBorders frame{30, 2, 2, 2};
  // Left on a larger screen's far side: brought back whole, frame included.
  const WindowPlacement kept =
      KeptOnScreen(WindowPlacement{Rect{2500, 900, 1600, 1000}, false}, laptop, frame);
  EXPECT_EQ(kept.Area.Width, 1362);
  EXPECT_EQ(kept.Area.Height, 736);
  EXPECT_EQ(kept.Area.Left, 2);
  EXPECT_EQ(kept.Area.Top, 30);
  // A place that fits stays as it was.
  const WindowPlacement fits{Rect{100, 100, 800, 600}, false};
  EXPECT_EQ(KeptOnScreen(fits, laptop, frame), fits);
}

TEST(WindowPlacementTest, OnlyWholeScalesAreSharp) {
  EXPECT_TRUE(IsWholeScale(1.0f));
  EXPECT_TRUE(IsWholeScale(2.0f));
  EXPECT_TRUE(IsWholeScale(3.0004f));
  EXPECT_FALSE(IsWholeScale(1.5f));
  EXPECT_FALSE(IsWholeScale(0.5f));
  EXPECT_FALSE(IsWholeScale(1.25f));
}

}  // namespace
}  // namespace qv
