// The main menu's borderless window is cut to its pictures: what is drawn in
// fuchsia is not part of the window, and the game window is whole again.
#include <gtest/gtest.h>

#include "desktop/menu_view.h"
#include "desktop/window_shape.h"
#include "desktop_fixture.h"

// The X headers define None, Success and the like: they come last.
#include <SDL_syswm.h>
#ifdef QV_HAVE_XSHAPE
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#endif

namespace qv {
namespace {

Picture FrameOf(int width, int height, const std::vector<uint32_t>& rgb) {
  Picture frame;
  frame.Width = width;
  frame.Height = height;
  for (uint32_t c : rgb) {
    frame.Rgba.insert(frame.Rgba.end(),
                      {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), uint8_t(255)});
  }
  return frame;
}

TEST(KeptRunsTest, RowsAreSplitAtTheSeeThroughColour) {
  constexpr uint32_t F = 0xFF00FF;  // as red, green, blue
  constexpr uint32_t K = 0x000000;
  const Picture frame = FrameOf(5, 3, {F, K, K, F, K,  //
                                       F, F, F, F, F,  //
                                       K, K, K, K, K});
  const std::vector<ShapeRun> runs = KeptRuns(frame, kFuchsia);
  EXPECT_EQ(runs, (std::vector<ShapeRun>{{0, 1, 3}, {0, 4, 5}, {2, 0, 5}}));
  // Only the exact colour is cut: a fuchsia one step off stays.
  EXPECT_EQ(KeptRuns(FrameOf(1, 1, {0xFE00FF}), kFuchsia).size(), 1u);
  EXPECT_TRUE(KeptRuns(Picture{}, kFuchsia).empty());
  // A frame whose pixels fall short of its size is not read past its end.
  Picture short_frame = FrameOf(2, 2, {K, K});
  EXPECT_TRUE(KeptRuns(short_frame, kFuchsia).empty());
}

TEST(KeptRunsTest, BlackOutTurnsOnlyTheKeyColourBlack) {
  Picture frame = FrameOf(3, 1, {0xFF00FF, 0x123456, 0xFF00FE});
  BlackOut(frame, kFuchsia);
  EXPECT_EQ(frame.Rgba, (std::vector<uint8_t>{0, 0, 0, 255, 0x12, 0x34, 0x56, 255, 0xFF, 0, 0xFE,
                                              255}));
}

#ifdef QV_HAVE_XSHAPE

struct ServerShape {
  bool Shaped = false;
  std::vector<XRectangle> Rectangles;
  bool Contains(int x, int y) const {
    for (const XRectangle& r : Rectangles) {
      if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return true;
    }
    return false;
  }
};

// The window's outline as the X server holds it.
ServerShape AskServer(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  ServerShape shape;
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return shape;
  Display* display = info.info.x11.display;
  Bool bounding = False;
  Bool clip = False;
  int x = 0, y = 0, x2 = 0, y2 = 0;
  unsigned w = 0, h = 0, w2 = 0, h2 = 0;
  XShapeQueryExtents(display, info.info.x11.window, &bounding, &x, &y, &w, &h, &clip, &x2, &y2,
                     &w2, &h2);
  shape.Shaped = bounding;
  int count = 0;
  int ordering = 0;
  XRectangle* rectangles =
      XShapeGetRectangles(display, info.info.x11.window, ShapeBounding, &count, &ordering);
  if (rectangles) {
    shape.Rectangles.assign(rectangles, rectangles + count);
    XFree(rectangles);
  }
  return shape;
}

using WindowShapeTest = DesktopFixture;

TEST_F(WindowShapeTest, MenuWindowIsCutToItsPicturesAndTheGameWindowIsWhole) {
  QV_ON_PRIVATE_DISPLAY();
  // A round-ish menu: a fuchsia background with an opaque block in the middle.
  Picture menu;
  menu.Width = 240;
  menu.Height = 400;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 240; ++x) {
      const bool inside = x >= 40 && x < 200 && y >= 20 && y < 380;
      menu.Rgba.insert(menu.Rgba.end(), {uint8_t(inside ? 0x30 : 255), 0,
                                         uint8_t(inside ? 0x30 : 255), 255});
    }
  }
  std::filesystem::create_directories("grafika");
  ASSERT_TRUE(WritePng("grafika/menu.png", menu));
  WriteLocations("<1><text obsah=\"Za\xE8\xE1tek.\">");
  Open();
  if (!Host().Shape().Available()) GTEST_SKIP() << "the X server has no shape extension";
  MenuView view(Host(), player->Menu());
  Host().ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
  Host().PushLayer(view);
  const Picture frame = Frame("shaped-menu");
  EXPECT_TRUE(Host().Shape().Shaped());
  // The capture shows what the screen shows: the cut corners are black.
  EXPECT_EQ(PixelAt(frame, 2, 2), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(frame, 120, 200), (Rgb{0x30, 0, 0x30}));

  const ServerShape shape = AskServer(Host().Video().Window());
  EXPECT_TRUE(shape.Shaped);
  EXPECT_FALSE(shape.Contains(2, 2));
  EXPECT_FALSE(shape.Contains(239, 399));
  EXPECT_TRUE(shape.Contains(120, 200));
  EXPECT_TRUE(shape.Contains(40, 20));
  EXPECT_FALSE(shape.Contains(39, 20));

  // Redrawing the same outline keeps it; the game window drops it.
  Frame();
  EXPECT_TRUE(AskServer(Host().Video().Window()).Shaped);
  Host().PopLayer();
  Host().ShowGameWindow();
  EXPECT_FALSE(Host().Shape().Shaped());
  EXPECT_FALSE(AskServer(Host().Video().Window()).Shaped);
}

TEST_F(WindowShapeTest, MenuDrawnWhollyInTheSeeThroughColourStaysOnTheScreen) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations("<1><text obsah=\"Za\xE8\xE1tek.\">");
  Open();
  if (!Host().Shape().Available()) GTEST_SKIP() << "the X server has no shape extension";
  Host().ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
  Picture all_fuchsia = FrameOf(2, 2, {0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF00FF});
  Host().Shape().Apply(all_fuchsia, kFuchsia);
  EXPECT_FALSE(Host().Shape().Shaped());
  EXPECT_FALSE(AskServer(Host().Video().Window()).Shaped);
}

#endif

}  // namespace
}  // namespace qv
