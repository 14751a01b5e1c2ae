// The settings file "./setup.ini": four lines read into the audio player,
// with their own defaults for lines that cannot be read, and written back
// with no line end after the last.
#include "state/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "audio/recording_audio_backend.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

class Settings : public testing::Test {
 protected:
  TempWorkDir dir;
  RecordingAudioBackend device;
  AudioPlayer audio{device};
};

TEST_F(Settings, NoFileKeepsThePlayersDefaults) {
  EXPECT_FALSE(ReadSettings(audio));
  EXPECT_TRUE(audio.SoundOn);
  EXPECT_TRUE(audio.MusicOn);
  EXPECT_EQ(audio.SoundVolume, 64);
  EXPECT_EQ(audio.MusicVolume, 64);
}

TEST_F(Settings, UnreadableLinesHaveDefaultsOfTheirOwn) {
  WriteBytes("setup.ini", "False\r\nTrue\r\nhlasite\r\n200");
  EXPECT_TRUE(ReadSettings(audio));
  EXPECT_FALSE(audio.SoundOn);
  EXPECT_TRUE(audio.MusicOn);
  EXPECT_EQ(audio.SoundVolume, 128);
  EXPECT_EQ(audio.MusicVolume, 200);
  ApplySettingsText("ano\r\nfALSE\r\n\r\n12x", audio);
  EXPECT_TRUE(audio.SoundOn);  // a word is on
  EXPECT_FALSE(audio.MusicOn);
  EXPECT_EQ(audio.SoundVolume, 128);
  EXPECT_EQ(audio.MusicVolume, 128);
}

TEST_F(Settings, SwitchesMayBeNumbers) {
  ApplySettingsText("0\n-2\n", audio);
  EXPECT_FALSE(audio.SoundOn);
  EXPECT_TRUE(audio.MusicOn);
  ApplySettingsText("1\n0.0\n", audio);
  EXPECT_TRUE(audio.SoundOn);
  EXPECT_FALSE(audio.MusicOn);
  ApplySettingsText("TRUE\n", audio);
  EXPECT_TRUE(audio.SoundOn);
}

TEST_F(Settings, VolumesAreDecimalIntegers) {
  ApplySettingsText("True\nTrue\n+7\n-1", audio);
  EXPECT_EQ(audio.SoundVolume, 7);
  EXPECT_EQ(audio.MusicVolume, -1);  // kept as written; the device takes 0..255
  ApplySettingsText("True\nTrue\n1e2\n99999999999", audio);
  EXPECT_EQ(audio.SoundVolume, 128);
  EXPECT_EQ(audio.MusicVolume, 128);
}

TEST_F(Settings, ShorterFileSetsOnlyItsLinesAndLinesAfterTheFourthAreIgnored) {
  audio.SoundVolume = 10;
  audio.MusicVolume = 20;
  WriteBytes("setup.ini", "False\nFalse\n");
  ReadSettings(audio);
  EXPECT_FALSE(audio.SoundOn);
  EXPECT_FALSE(audio.MusicOn);
  EXPECT_EQ(audio.SoundVolume, 10);
  EXPECT_EQ(audio.MusicVolume, 20);
  // A lone CR ends a line too.
  ApplySettingsText("True\rTrue\r30\r40\rFalse\r1\r", audio);
  EXPECT_TRUE(audio.SoundOn);
  EXPECT_TRUE(audio.MusicOn);
  EXPECT_EQ(audio.SoundVolume, 30);
  EXPECT_EQ(audio.MusicVolume, 40);
  ApplySettingsText("", audio);
  EXPECT_TRUE(audio.SoundOn);
}

TEST_F(Settings, WrittenFileHasFourLinesAndReadsBackTheSame) {
  audio.SoundOn = false;
  audio.MusicOn = true;
  audio.SoundVolume = 0;
  audio.MusicVolume = 255;
  ASSERT_TRUE(WriteSettings(audio));
  EXPECT_EQ(ReadBytes("setup.ini"), "False\r\nTrue\r\n0\r\n255");

  RecordingAudioBackend other_device;
  AudioPlayer other{other_device};
  ASSERT_TRUE(ReadSettings(other));
  EXPECT_FALSE(other.SoundOn);
  EXPECT_TRUE(other.MusicOn);
  EXPECT_EQ(other.SoundVolume, 0);
  EXPECT_EQ(other.MusicVolume, 255);

  WriteBytes("setup.ini", "a much longer file than the new one\r\n\r\n\r\n\r\n\r\n");
  ASSERT_TRUE(WriteSettings(audio));
  EXPECT_EQ(ReadBytes("setup.ini"), "False\r\nTrue\r\n0\r\n255");
}

TEST_F(Settings, FolderInPlaceOfTheFileIsNeitherReadNorWritten) {
  std::filesystem::create_directory("setup.ini");
  EXPECT_FALSE(ReadSettings(audio));
  EXPECT_EQ(audio.SoundVolume, 64);
  EXPECT_FALSE(WriteSettings(audio));
}

TEST_F(Settings, LinkedSettingsFileIsNeitherReadNorWrittenThrough) {
  WriteBytes("outside.ini", "False\r\nFalse\r\n1\r\n2");
  std::filesystem::create_symlink("outside.ini", "setup.ini");
  EXPECT_FALSE(ReadSettings(audio));
  EXPECT_EQ(audio.SoundVolume, 64);
  ASSERT_TRUE(WriteSettings(audio));
  EXPECT_EQ(ReadBytes("outside.ini"), "False\r\nFalse\r\n1\r\n2");
  EXPECT_FALSE(std::filesystem::is_symlink("setup.ini"));
  EXPECT_TRUE(ReadSettings(audio));
}

}  // namespace
}  // namespace qv
