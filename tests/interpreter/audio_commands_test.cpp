// The audio tags on whole pages, the player the game start creates, the
// settings it reads, and the "Audio" button with its settings window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/recording_audio_backend.h"
#include "state/settings_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

using Calls = std::vector<std::string>;

class AudioCommands : public GamebookFixture {
 protected:
  void WithAudioFolder() {
    for (const char* name : {"a.wav", "b.wav", "t.mod", "s.ogg"}) {
      WriteBytes(std::string("audio/") + name, "x");
    }
  }
  // What the player asked of the sound device after creating it.
  Calls DeviceCalls() {
    auto& device = dynamic_cast<RecordingAudioBackend&>(session->AudioDevice());
    return Calls(device.Calls.begin() + 1, device.Calls.end());
  }
};

TEST_F(AudioCommands, WithoutTheSoundLibraryThereIsNoPlayerAndNoButton) {
  WriteLocations("<1><audiostream soubor=\"s.ogg\"><audiosound soubor=\"a.wav\">");
  Start();
  EXPECT_FALSE(State().AudioAvailable);
  EXPECT_EQ(session->Audio, nullptr);
  EXPECT_EQ(Form().Audio, nullptr);
  EXPECT_FALSE(Form().AudioButtonVisible);
  auto& device = dynamic_cast<RecordingAudioBackend&>(session->AudioDevice());
  EXPECT_TRUE(device.Calls.empty());
  Form().AudioClick();  // a click that cannot happen does nothing
  EXPECT_TRUE(host.modal_windows.empty());
}

TEST_F(AudioCommands, AnAudioFolderOrTheLibraryFileGivesAPlayerWithItsDefaults) {
  WriteLocations("<1>");
  WriteBytes("fmod.dll", "");
  Start();
  EXPECT_TRUE(State().AudioAvailable);
  ASSERT_NE(session->Audio, nullptr);
  EXPECT_EQ(Form().Audio, session->Audio.get());
  EXPECT_TRUE(Form().AudioButtonVisible);
  EXPECT_TRUE(session->Audio->SoundOn);
  EXPECT_EQ(session->Audio->MusicVolume, 64);
  auto& device = dynamic_cast<RecordingAudioBackend&>(session->AudioDevice());
  EXPECT_EQ(device.Calls, Calls{"Init(44100, 32, 0)"});
}

TEST_F(AudioCommands, SettingsFileIsReadIntoThePlayer) {
  WithAudioFolder();
  WriteBytes("setup.ini", "False\r\nTrue\r\n10\r\n20");
  WriteLocations("<1><audiosound soubor=\"a.wav\"><audiotrack soubor=\"t.mod\">");
  Start();
  EXPECT_FALSE(session->Audio->SoundOn);
  EXPECT_EQ(session->Audio->SoundVolume, 10);
  // Sounds are off; the track plays at the music volume of the file.
  EXPECT_EQ(DeviceCalls(),
            (Calls{"LoadSong(\"./audio/t.mod\") -> 1", "PlaySong(1)", "SetMasterVolume(1, 20)"}));
}

TEST_F(AudioCommands, EachFileOfATagPlaysInOrder) {
  WithAudioFolder();
  WriteLocations(
      "<1><audiosound soubor=\"a.wav\" hlasitost=\"5\" soubor=\"b.wav\">"
      "<audiostream soubor=\"s.ogg\"><audiostop>");
  Start();
  EXPECT_EQ(DeviceCalls(),
            (Calls{"SampleLoad(-1, \"./audio/a.wav\", 0, 0, 0) -> 1", "PlaySound(-1, 1) -> 0",
                   "SetVolume(0, 64)", "SampleLoad(-1, \"./audio/b.wav\", 0, 0, 0) -> 2",
                   "PlaySound(-1, 2) -> 1", "SetVolume(1, 64)",
                   "StreamOpen(\"./audio/s.ogg\", 2, 0, 0) -> 3", "StreamPlay(-1, 3) -> 2",
                   "SetVolume(2, 64)", "StreamClose(3)"}));
  EXPECT_EQ(session->Audio->MusicKind, 0);
  EXPECT_EQ(session->Audio->MusicName, "s.ogg");
}

TEST_F(AudioCommands, PausedMusicBlocksNewMusicUntilItContinues) {
  WithAudioFolder();
  WriteLocations(
      "<1><audiostream soubor=\"s.ogg\"><audiopause><audiotrack soubor=\"t.mod\">"
      "<2><audiocontinue>");
  Start();
  EXPECT_EQ(DeviceCalls(), (Calls{"StreamOpen(\"./audio/s.ogg\", 2, 0, 0) -> 1",
                                  "StreamPlay(-1, 1) -> 0", "SetVolume(0, 64)", "StreamStop(1)"}));
  EXPECT_FALSE(session->Audio->MusicOn);
  EXPECT_EQ(session->Audio->MusicName, "s.ogg");
  Form().ChangeLoc(2);
  EXPECT_EQ(DeviceCalls().back(), "SetVolume(1, 64)");
  EXPECT_TRUE(session->Audio->MusicOn);
  EXPECT_EQ(session->Audio->MusicKind, 1);
}

TEST_F(AudioCommands, SubstitutedNamesArePlayed) {
  WithAudioFolder();
  WriteLocations("<1><retezec 1=\"t\"><audiotrack soubor=\"$retezec1.mod\">");
  Start();
  EXPECT_EQ(session->Audio->MusicName, "t.mod");
}

TEST_F(AudioCommands, AudioButtonOpensTheSettingsWindowCentredOnTheGameWindow) {
  WithAudioFolder();
  WriteLocations("<1><audiostream soubor=\"s.ogg\">");
  Start();
  host.screen_width = 800;
  host.screen_height = 600;
  int left = -1;
  int top = -1;
  host.on_modal = [&](ModalWindow& window) {
    auto& settings = dynamic_cast<SettingsWindow&>(window);
    left = settings.Left;
    top = settings.Top;
    EXPECT_TRUE(settings.MusicOn);
    settings.MusicOnClick(false);
    settings.SoundVolumeChange(33);
    settings.OkClick();
  };
  Form().AudioClick();
  EXPECT_EQ(host.modal_windows, Calls{"settings"});
  EXPECT_EQ(left, 400 - SettingsWindow::kWidth / 2);
  EXPECT_EQ(top, 300 - SettingsWindow::kHeight / 2);
  EXPECT_FALSE(session->Audio->MusicOn);
  EXPECT_EQ(session->Audio->SoundVolume, 33);
  EXPECT_EQ(DeviceCalls().back(), "StreamStop(1)");
  EXPECT_EQ(ReadBytes("setup.ini"), "True\r\nFalse\r\n33\r\n64");
}

}  // namespace
}  // namespace qv
