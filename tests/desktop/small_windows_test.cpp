// The small windows a page opens, drawn over the page in the same window:
// the answer prompt, the picture pop-up and the death window; the game
// window's timer goes on under them.
#include <gtest/gtest.h>

#include "desktop/answer_view.h"
#include "desktop/picture_view.h"
#include "desktop/settings_view.h"
#include "desktop_fixture.h"

namespace qv {
namespace {

constexpr Colour kRedColour = 0x0000FF;
constexpr Colour kWhiteColour = 0xFFFFFF;

// Where the answer prompt's "ok" stands (no skin: an empty 60 x 30 frame).
Rect AnswerOkArea(DesktopHost& host) {
  AnswerPromptWindow window;
  window.CentreOnScreen(host.ScreenWidth(), host.ScreenHeight());
  return AnswerView(host, window).OkArea(host.Paint());
}

using SmallWindowTest = DesktopFixture;

TEST_F(SmallWindowTest, AnswerPromptTakesCzechLettersAndCloseOnlyOnOk) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(
      "<1><text obsah=\"U br\xE1ny.\"><textoveokno retezec=\"2\" otazka=\"Heslo?\">"
      "<menu t=\"D\xE1l\" x=\"2\"><2>");
  Open();
  Picture shown;
  WatchModal("answer", [&] { shown = Frame("answer"); });
  PushText("\xC5\xBDlu\xC5\xA5");  // "Žluť" in UTF-8
  PushText("x");
  PushKey(SDLK_BACKSPACE);
  PushKey(SDLK_RETURN);  // Enter does nothing in the prompt
  PushClick(AnswerOkArea(Host()));
  player->StartGame();

  EXPECT_EQ(State().World.Strings.Get(2), "\x8Elu\x9D");  // Windows-1250
  // The page was finished after the prompt closed.
  EXPECT_EQ(Form().OptionLabels.size(), 1u);
  // While the prompt was up, the page's text stayed visible around it.
  ASSERT_EQ(shown.Width, kWidth);
  EXPECT_GT(CountColour(shown, Game().TextArea(1), kWhiteColour), 5);
  // Without the skin's picture the button is still called "ok", as the hint
  // that asks for it says.
  EXPECT_GT(CountColour(shown, AnswerOkArea(Host()), kWhiteColour), 5);
}

TEST_F(SmallWindowTest, PicturePopUpShowsThePictureAndCaptionAndClosesOnAClick) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("obrazky/cerveny.png", 40, 30, Rgb{255, 0, 0});
  WriteLocations(
      "<1><text obsah=\"Obraz:\"><obrazek soubor=\"cerveny.png\" popis=\"\xC8\x65rven\xFD\">"
      "<menu t=\"D\xE1l\" x=\"2\"><2>");
  Open();
  Picture shown;
  WatchModal("picture", [&] { shown = Frame("picture"); });
  PicturePopupWindow placed;
  placed.Width = 40;
  placed.Height = 30;
  placed.CentreOnScreen(kWidth, kHeight);
  // A click beside the picture, on the caption, leaves it open.
  PushClick(Rect{placed.Left, placed.Top + placed.CaptionTop(), placed.Width, 10});
  PushKey(SDLK_ESCAPE);
  PushClick(Rect{placed.Left, placed.Top, placed.Width, placed.Height});
  player->StartGame();

  EXPECT_EQ(Form().OptionLabels.size(), 1u);
  ASSERT_EQ(shown.Width, kWidth);
  const Rect picture{placed.Left, placed.Top, placed.Width, placed.Height};
  EXPECT_EQ(CountColour(shown, picture, kRedColour), 40 * 30);
  const Rect caption{placed.Left - 20, placed.Top + placed.CaptionTop(), placed.Width + 40, 20};
  EXPECT_GT(CountColour(shown, caption, kWhiteColour), 3);
  EXPECT_GT(CountColour(shown, Game().TextArea(1), kWhiteColour), 3);
}

TEST_F(SmallWindowTest, CountdownRunsOutUnderAnOpenPrompt) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\" vypisuj=\"ano\"><textoveokno retezec=\"1\">"
      "<2><text obsah=\"Pozd\xEC.\">");
  Open();
  AnswerPromptWindow* prompt = &Form().AnswerPrompt;
  const uint32_t started = SDL_GetTicks();
  // The prompt is closed by the test once the countdown has shown location
  // 2 under it (or after five seconds, which fails below).
  WatchModal("answer", {}, [&] {
    if (State().World.Location == 2 || SDL_GetTicks() - started > 5000) prompt->Close();
  });
  player->StartGame();
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_GE(SDL_GetTicks() - started, 1000u);
  // The answer belonged to the page that went away.
  EXPECT_EQ(State().World.Strings.Get(1), "");
}

TEST_F(SmallWindowTest, DeathWindowEndsTheProgramOnAKey) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations("<1><zivoty minus=\"25\"><text obsah=\"Konec.\">");
  Open();
  PushKey(SDLK_RETURN);
  player->StartGame();
  EXPECT_TRUE(Host().ProgramEnded());
  EXPECT_LE(State().Character.ZIVOTY, 0);
}

TEST_F(SmallWindowTest, SettingsWindowSwitchesSlidesAndKeepsTheFile) {
  QV_ON_PRIVATE_DISPLAY();
  std::filesystem::create_directories("audio");  // the gamebook has sound
  WriteLocations("<1><text obsah=\"Ticho.\">");
  Play();
  ASSERT_TRUE(Form().AudioButtonVisible);
  AudioPlayer* audio = player->Session().Audio.get();
  ASSERT_NE(audio, nullptr);

  SettingsWindow placed(Host());
  placed.Prepare(*audio, kWidth, kHeight);
  SettingsView view(Host(), placed);
  Picture shown;
  WatchModal("settings", [&] { shown = Frame("settings"); });
  PushClick(Game().ButtonArea(GameButton::Audio));
  PushClick(view.CheckBoxArea(0));
  const Rect music = view.SliderArea(1);
  PushClick(Rect{music.Right() - 3, music.Top, 2, music.Height});  // the far end: 255
  PushClick(view.OkArea());
  Settle();

  EXPECT_FALSE(audio->SoundOn);
  EXPECT_EQ(audio->MusicVolume, 255);
  EXPECT_TRUE(Form().AudioSettings.IsClosed());
  EXPECT_TRUE(std::filesystem::exists("setup.ini"));
  EXPECT_EQ(shown.Width, kWidth);
  EXPECT_GT(CountColour(shown, view.Area(), kWhiteColour), 50);
}

}  // namespace
}  // namespace qv
