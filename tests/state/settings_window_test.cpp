// SettingsWindow: the controls take the player's values, every change acts on the
// player at once, "OK" writes the settings file and closes.
#include "state/settings_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "audio/recording_audio_backend.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "support/czech_text.h"

namespace qv {
namespace {

class AudioSettings : public testing::Test {
 protected:
  void SetUp() override { WriteBytes("audio/les.ogg", "x"); }

  TempWorkDir dir;
  RecordingHost host;
  RecordingAudioBackend device;
  AudioPlayer audio{device};
  SettingsWindow window{host};
};

TEST_F(AudioSettings, OpensWithThePlayersValuesCentredOnTheGameWindow) {
  audio.SoundOn = false;
  audio.MusicVolume = 300;  // from a settings file; the slider stops at 255
  window.Prepare(audio, 1024, 768);
  EXPECT_EQ(window.Kind(), "settings");
  EXPECT_FALSE(window.SoundOn);
  EXPECT_TRUE(window.MusicOn);
  EXPECT_EQ(window.SoundVolume, 64);
  EXPECT_EQ(window.MusicVolume, 255);
  EXPECT_EQ(audio.MusicVolume, 300);  // opening changes nothing
  EXPECT_EQ(window.Left, 512 - SettingsWindow::kWidth / 2);
  EXPECT_EQ(window.Top, 384 - SettingsWindow::kHeight / 2);
  EXPECT_FALSE(window.IsClosed());
}

TEST_F(AudioSettings, ChangesActOnThePlayerAtOnce) {
  audio.PlayStreamFile("les.ogg");
  window.Prepare(audio, 800, 600);
  const std::size_t before = device.Calls.size();

  window.SoundOnClick(false);
  EXPECT_FALSE(audio.SoundOn);
  window.SoundVolumeChange(10);
  EXPECT_EQ(audio.SoundVolume, 10);
  EXPECT_EQ(device.Calls.size(), before);  // the next sound takes them

  window.MusicOnClick(false);
  EXPECT_FALSE(audio.MusicOn);
  window.MusicVolumeChange(99);
  EXPECT_EQ(audio.MusicVolume, 99);
  window.MusicOnClick(true);
  EXPECT_TRUE(audio.MusicOn);
  const std::vector<std::string> calls(device.Calls.begin() + static_cast<std::ptrdiff_t>(before),
                                       device.Calls.end());
  EXPECT_EQ(calls,
            (std::vector<std::string>{"StreamStop(1)", "SetMasterVolume(1, 99)", "SetVolume(0, 99)",
                                      "StreamPlay(-1, 1) -> 1", "SetVolume(1, 99)"}));
  EXPECT_FALSE(std::filesystem::exists("setup.ini"));
}

TEST_F(AudioSettings, OkWritesTheFileAndCloses) {
  window.Prepare(audio, 800, 600);
  window.SoundOnClick(false);
  window.MusicVolumeChange(120);
  window.OkClick();
  EXPECT_TRUE(window.IsClosed());
  EXPECT_EQ(ReadBytes("setup.ini"), "False\r\nTrue\r\n64\r\n120");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AudioSettings, ClosingOtherwiseKeepsTheChangesForThisRunOnly) {
  window.Prepare(audio, 800, 600);
  window.SoundVolumeChange(5);
  window.Close();
  EXPECT_EQ(audio.SoundVolume, 5);
  EXPECT_FALSE(std::filesystem::exists("setup.ini"));
}

TEST_F(AudioSettings, FailedWriteShowsAMessageAndTheWindowStaysOpen) {
  std::filesystem::create_directory("setup.ini");
  window.Prepare(audio, 800, 600);
  window.OkClick();
  EXPECT_FALSE(window.IsClosed());
  EXPECT_EQ(host.messages, std::vector<std::string>{Cz("Chyba při zápisu souboru ./setup.ini")});
}

TEST_F(AudioSettings, SecondPageOnlyWithSwitchesAndOkHandsThemOn) {
  window.Prepare(audio, 800, 600);
  window.PageClick();
  EXPECT_EQ(window.Page, 1);  // no switches: one page
  window.Switches = {{"a", false}, {"b", true}};
  std::vector<SettingsSwitch> kept;
  bool keep = false;
  window.KeepSwitches = [&](const std::vector<SettingsSwitch>& switches) {
    kept = switches;
    return keep;
  };
  window.PageClick();
  EXPECT_EQ(window.Page, 2);
  window.SwitchClick(0, true);
  window.SwitchClick(2, true);  // no such switch
  // Refused: setup.ini is written, the window stays open on its page.
  window.OkClick();
  EXPECT_FALSE(window.IsClosed());
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_TRUE(kept[0].On && kept[1].On);
  EXPECT_TRUE(std::filesystem::exists("setup.ini"));
  keep = true;
  window.OkClick();
  EXPECT_TRUE(window.IsClosed());
  // Every opening starts on the first page.
  window.Reopen();
  window.Prepare(audio, 800, 600);
  EXPECT_EQ(window.Page, 1);
}

}  // namespace
}  // namespace qv
