// TForm15: the controls take the player's values, every change acts on the
// player at once, "OK" writes the settings file and closes.
#include "state/settings_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "audio/recording_audio_backend.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"

namespace qv {
namespace {

class SettingsWindow : public testing::Test {
 protected:
  void SetUp() override { WriteBytes("audio/les.ogg", "x"); }

  TempWorkDir dir;
  RecordingHost host;
  RecordingAudioBackend device;
  TAudio audio{device};
  TForm15 window{host};
};

TEST_F(SettingsWindow, OpensWithThePlayersValuesCentredOnTheGameWindow) {
  audio.SoundOn = false;
  audio.MusicVolume = 300;  // from a settings file; the slider stops at 255
  window.Prepare(audio, 1024, 768);
  EXPECT_EQ(window.Kind(), "settings");
  EXPECT_FALSE(window.CheckBox1);
  EXPECT_TRUE(window.CheckBox2);
  EXPECT_EQ(window.TrackBar1, 64);
  EXPECT_EQ(window.TrackBar2, 255);
  EXPECT_EQ(audio.MusicVolume, 300);  // opening changes nothing
  EXPECT_EQ(window.Left, 512 - TForm15::kWidth / 2);
  EXPECT_EQ(window.Top, 384 - TForm15::kHeight / 2);
  EXPECT_FALSE(window.IsClosed());
}

TEST_F(SettingsWindow, ChangesActOnThePlayerAtOnce) {
  audio.PlayStreamFile("les.ogg");
  window.Prepare(audio, 800, 600);
  const std::size_t before = device.Calls.size();

  window.CheckBox1Click(false);
  EXPECT_FALSE(audio.SoundOn);
  window.TrackBar1Change(10);
  EXPECT_EQ(audio.SoundVolume, 10);
  EXPECT_EQ(device.Calls.size(), before);  // the next sound takes them

  window.CheckBox2Click(false);
  EXPECT_FALSE(audio.MusicOn);
  window.TrackBar2Change(99);
  EXPECT_EQ(audio.MusicVolume, 99);
  window.CheckBox2Click(true);
  EXPECT_TRUE(audio.MusicOn);
  const std::vector<std::string> calls(device.Calls.begin() + static_cast<std::ptrdiff_t>(before),
                                       device.Calls.end());
  EXPECT_EQ(calls,
            (std::vector<std::string>{"StreamStop(1)", "SetMasterVolume(1, 99)", "SetVolume(0, 99)",
                                      "StreamPlay(-1, 1) -> 1", "SetVolume(1, 99)"}));
  EXPECT_FALSE(std::filesystem::exists("setup.ini"));
}

TEST_F(SettingsWindow, OkWritesTheFileAndCloses) {
  window.Prepare(audio, 800, 600);
  window.CheckBox1Click(false);
  window.TrackBar2Change(120);
  window.OkClick();
  EXPECT_TRUE(window.IsClosed());
  EXPECT_EQ(ReadBytes("setup.ini"), "False\r\nTrue\r\n64\r\n120");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsWindow, ClosingOtherwiseKeepsTheChangesForThisRunOnly) {
  window.Prepare(audio, 800, 600);
  window.TrackBar1Change(5);
  window.Close();
  EXPECT_EQ(audio.SoundVolume, 5);
  EXPECT_FALSE(std::filesystem::exists("setup.ini"));
}

TEST_F(SettingsWindow, FailedWriteShowsAMessageAndTheWindowStaysOpen) {
  std::filesystem::create_directory("setup.ini");
  window.Prepare(audio, 800, 600);
  window.OkClick();
  EXPECT_FALSE(window.IsClosed());
  // "Chyba při zápisu souboru ./setup.ini"
  EXPECT_EQ(host.messages, std::vector<std::string>{"Chyba p\xF8i z\xE1pisu souboru ./setup.ini"});
}

}  // namespace
}  // namespace qv
