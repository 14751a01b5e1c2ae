// The game window under a real window manager, played with real input:
// the title bar's close request, resizing and maximising, the place
// remembered between runs, F11, the fit on the desktop, and the keyboard
// and mouse through XTest (xdotool) into a text field and onto a button.
#include "window_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "data/user_preferences.h"
#include "desktop_fixture.h"
#include "state/save_window.h"

namespace qv {
namespace {

using WindowManagerTest = DesktopFixture;

struct Size {
  int Width = 0;
  int Height = 0;
};

Size WindowSize(SDL_Window* window) {
  Size size;
  SDL_GetWindowSize(window, &size.Width, &size.Height);
  return size;
}

TEST_F(WindowManagerTest, TitleBarCloseResizeMaximiseRememberAndRealInput) {
  QV_ON_PRIVATE_DISPLAY("1280x1024x24");
  WindowManager manager;
  if (!manager.Running()) GTEST_SKIP() << "openbox, xdotool or wmctrl is missing";
  // "Uložit" leads to the save window; "Zpět" back.
  WriteLocations(
      "<1><text obsah=\"Hala.\"><menu t=\"Ulo\x9Eit\" x=\"2\">"
      "<2><save><menu t=\"Zp\xECt\" x=\"1\">");
  WriteInitRecord(TestInitRecord());
  const std::filesystem::path preferences = std::filesystem::current_path() / "prefs.ini";
  DesktopOptions options;
  options.Windowed = true;
  options.Scale = 2;
  options.Seed = 1;
  options.PreferencesFile = preferences;
  options.OnMessage = [this](std::string_view text) { messages.emplace_back(text); };
  player = std::make_unique<DesktopPlayer>(options);
  player->StartGame();
  SDL_Window* window = Host().Video().Window();
  const std::string id = XWindowId(window);

  // At scale 2 the usual 640 x 512 layout wants the whole 1280 x 1024
  // screen; with its title bar the window gives way and fits.
  WindowBorders borders;
  ASSERT_TRUE(PumpUntil(Host(), [&] {
    return SDL_GetWindowBordersSize(window, &borders.Top, &borders.Left, &borders.Bottom,
                                    &borders.Right) == 0 &&
           borders.Top > 0;
  }));
  EXPECT_TRUE(PumpUntil(Host(),
                        [&] {
                          const Size size = WindowSize(window);
                          return size.Height + borders.Top + borders.Bottom <= 1024 &&
                                 size.Width + borders.Left + borders.Right <= 1280;
                        }))
      << WindowSize(window).Width << " x " << WindowSize(window).Height;
  EXPECT_EQ(Host().ScreenWidth(), 640);
  EXPECT_EQ(Host().ScreenHeight(), 512);
  ASSERT_TRUE(RunTool("xdotool windowactivate --sync " + id));

  // The real mouse over "Konec" lights it: filled in the frame colour.
  const Rect end = Game().ButtonArea(GameButton::Konec);
  ASSERT_TRUE(RunTool("xdotool mousemove --window " + id + " " +
                      OnWindow(Host(), end.CentreX(), end.CentreY())));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return Game().HoveredButton() == GameButton::Konec; }));
  {
    const Picture frame = Frame();
    int x = 0;
    int y = 0;
    SDL_RenderLogicalToWindow(Host().Renderer(), float(end.Left + 5), float(end.Top + 5), &x, &y);
    EXPECT_EQ(PixelAt(frame, x + 1, y + 1), ToRgb(Host().Look().Game.FrameColour));
  }
  ASSERT_TRUE(RunTool("xdotool mousemove --window " + id + " 2 2"));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return !Game().HoveredButton(); }));

  // Key 1 chooses "Uložit"; in the save window the field edits at its caret
  // and Enter is "ulozit".
  bool typed = false;
  const uint64_t started = SDL_GetTicks64();
  WatchModal("save", {}, [&] {
    auto* save = dynamic_cast<SaveWindow*>(Host().Layers().back()->Window());
    if (!save) return;
    if (SDL_GetTicks64() - started > 10000) save->Close();  // the input never came
    if (typed) return;
    typed = true;
    std::string clear = "xdotool key --delay 10 End";
    for (std::size_t i = 0; i < save->NameField.size(); ++i) clear += " BackSpace";
    RunTool(clear + " && xdotool type --delay 10 abcd && xdotool key --delay 10 Left Left" +
            " && xdotool type --delay 10 X && xdotool key --delay 10 Home Delete End BackSpace" +
            " Return");
  });
  ASSERT_TRUE(RunTool("xdotool key 1"));
  EXPECT_TRUE(PumpUntil(Host(), [] { return std::filesystem::exists("save/bXc.pzv"); }));
  EXPECT_TRUE(messages.empty()) << messages.front();

  // Resized by the window manager, the page keeps its layout and is scaled
  // into the window, with bars beside it.
  ASSERT_TRUE(RunTool("xdotool windowsize " + id + " 900 700"));
  EXPECT_TRUE(PumpUntil(Host(), [&] {
    const Size size = WindowSize(window);
    return size.Width == 900 && size.Height == 700;
  }));
  Host().Render();
  EXPECT_EQ(Host().LogicalWidth(), 640);
  EXPECT_EQ(Host().LogicalHeight(), 512);
  SDL_Rect viewport;
  SDL_RenderGetViewport(Host().Renderer(), &viewport);
  EXPECT_GT(viewport.x, 0);
  EXPECT_EQ(viewport.y, 0);
  EXPECT_EQ(Frame().Width, 900);

  // Maximised and back to the size it had.
  ASSERT_TRUE(RunTool("wmctrl -i -r " + id + " -b add,maximized_vert,maximized_horz"));
  EXPECT_TRUE(PumpUntil(Host(), [&] {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0 &&
           WindowSize(window).Width > 900;
  }));
  ASSERT_TRUE(RunTool("wmctrl -i -r " + id + " -b remove,maximized_vert,maximized_horz"));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return WindowSize(window).Width == 900; }));

  // The title bar's close request ends the program, as "Konec" does.
  ASSERT_TRUE(RunTool("wmctrl -i -c " + id));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return Host().ProgramEnded(); }));
  player.reset();
  const UserPreferences kept = UserPreferences::Load(preferences);
  EXPECT_EQ(kept.GetNumber("window.width"), 900);
  EXPECT_EQ(kept.GetNumber("window.height"), 700);
  EXPECT_EQ(kept.Get("window.maximized"), "0");

  // The next run opens the window at the size it was left at; F11 lays the
  // page out at the whole screen's size and back.
  options.Scale = 1;
  player = std::make_unique<DesktopPlayer>(options);
  player->StartGame();
  window = Host().Video().Window();
  EXPECT_TRUE(PumpUntil(Host(), [&] { return WindowSize(window).Width == 900; }));
  EXPECT_EQ(WindowSize(window).Height, 700);
  EXPECT_EQ(Host().ScreenWidth(), 1024);
  ASSERT_TRUE(RunTool("xdotool windowactivate --sync " + XWindowId(window) + " key F11"));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return Host().FullScreen(); }));
  EXPECT_EQ(Host().ScreenWidth(), 1280);
  EXPECT_EQ(Host().ScreenHeight(), 1024);
  EXPECT_EQ(Game().Layout().Height, 1024);
  ASSERT_TRUE(RunTool("xdotool key F11"));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return !Host().FullScreen(); }));
  EXPECT_EQ(Host().ScreenWidth(), 1024);
  ASSERT_TRUE(RunTool("wmctrl -i -c " + XWindowId(window)));
  EXPECT_TRUE(PumpUntil(Host(), [&] { return Host().ProgramEnded(); }));
}

}  // namespace
}  // namespace qv
