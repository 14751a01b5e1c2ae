// The reading comforts by their keys in the desktop window: the history (H
// and the wheel past the top), the quick slot (F5, F9), speech onto the
// clipboard (Shift+C), the settings window's second page and the continue
// slot on "Konec".
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "comforts/position_slots.h"
#include "data/file_bytes.h"
#include "desktop/settings_view.h"
#include "desktop_fixture.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class ComfortKeysTest : public DesktopFixture {};

TEST_F(ComfortKeysTest, HistoryQuickSlotClipboardSettingsPageAndContinue) {
  QV_ON_PRIVATE_DISPLAY();
  const fs::path config = fs::current_path() / "config";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  fs::create_directories("audio");  // the gamebook has sound: "Audio" is shown
  WriteLocations(Cz("<1><text obsah=\"Brána\"><menu t=\"Dál\" x=\"2\">"
                    "<2><text obsah=\"Most\"><menu t=\"Dál\" x=\"3\">"
                    "<3><text obsah=\"Les\"><menu t=\"Zpět\" x=\"2\">"));
  comforts.History = true;
  comforts.QuickSave = true;
  Play();

  // The history runs its own loop over the game: it is looked at and closed
  // from there.
  int history_opened = 0;
  bool closing = false;
  Picture history;
  Host().SetIdleHandler([&] {
    const bool shown = Host().Layers().back()->Kind() == "history";
    if (shown && !closing) {
      ++history_opened;
      if (history.Width == 0) history = Frame("history");
      closing = true;
      PushKey(SDLK_ESCAPE);
    }
    if (!shown) closing = false;
    return 10;
  });

  PushKey(SDLK_1);
  Settle();
  ASSERT_EQ(State().World.Location, 2);
  PushKey(SDLK_h);
  Settle();
  EXPECT_EQ(history_opened, 1);
  EXPECT_EQ(Host().Layers().back()->Kind(), "game");
  // "[1]" and "> Dál" in white, the page's text in grey.
  EXPECT_GT(CountColour(history, Rect{30, 30, 200, 60}, 0xFFFFFF), 5);
  EXPECT_GT(CountColour(history, Rect{30, 30, 200, 60}, 0xC0C0C0), 5);

  PushKey(SDLK_F5);
  PushKey(SDLK_1);
  Settle();
  EXPECT_EQ(fs::file_size("save/_rychla_pozice.pzv"), 1138448u);
  EXPECT_EQ(ReadBytes("save/_rychla_pozice.historie"), Cz("@ 1\n| Brána\n> Dál\n"));
  ASSERT_EQ(State().World.Location, 3);
  PushKey(SDLK_F9);
  Settle();
  EXPECT_EQ(State().World.Location, 2);
  ASSERT_NE(player->Comforts().Session(), nullptr);
  EXPECT_EQ(player->Comforts().Session()->History().Pages().size(), 1u);

  // The wheel up on a page at its top shows the pages before it.
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 1;
  Push(wheel);
  Settle();
  EXPECT_EQ(history_opened, 2);
  EXPECT_EQ(Form().TextBlocks.front().Top, GameWindowLayout::kColumnTop);  // not scrolled

  // Shift+C: each utterance onto the clipboard, the last one stays there.
  PushKey(SDLK_c, KMOD_LSHIFT);
  Settle();
  char* clipboard = SDL_GetClipboardText();
  EXPECT_STREQ(clipboard, "1. Dál");
  SDL_free(clipboard);

  // The settings window's second page: "Pokračovat po Konec" on, kept for
  // later runs with what is on now. The window runs its own loop: it is
  // looked at, and clicked, from there.
  SettingsWindow placed(Host());
  placed.Switches = Form().AudioSettings.Switches;
  placed.Prepare(*player->Session().Audio, kWidth, kHeight);
  SettingsView view(Host(), placed);
  Picture second_page;
  Host().SetIdleHandler([&] {
    const bool shown = Host().Layers().back()->Kind() == "settings";
    if (shown && Form().AudioSettings.Page == 2 && second_page.Width == 0) {
      second_page = Frame("comforts");
      PushClick(view.SwitchArea(4));
      PushClick(view.OkArea());
    }
    return 10;
  });
  PushClick(Game().ButtonArea(GameButton::Audio));
  PushKey(SDLK_TAB);
  Settle();
  EXPECT_TRUE(Form().AudioSettings.IsClosed());
  // On the page as it first showed, the history's check box is ticked (a
  // black square inside the white box) and the continue slot's is not.
  const Rect ticked = view.SwitchArea(2);
  const Rect unticked = view.SwitchArea(4);
  EXPECT_EQ(CountColour(second_page, Rect{unticked.Left + 3, unticked.Top + 5, 7, 7}, 0xFFFFFF),
            49);
  EXPECT_EQ(CountColour(second_page, Rect{ticked.Left + 3, ticked.Top + 5, 7, 7}, 0x000000), 49);
  EXPECT_EQ(ReadBytes(config / "quarvelin" / "preferences.ini"),
            "# Quarvelin: the player's own preferences\n"
            "continue = 1\nhistory = 1\nquick_save = 1\nread_aloud = 1\n"
            "speech_to_clipboard = 1\n");

  PushClick(Game().ButtonArea(GameButton::Konec));
  Settle();
  EXPECT_TRUE(Host().ProgramEnded());
  EXPECT_EQ(fs::file_size("save/_pokracovani.pzv"), 1138448u);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace qv
