// The audio player's calls to the sound device, in order, for every
// operation; the recording device stands in for the sound library.
#include "audio/audio_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/audio_availability.h"
#include "audio/recording_audio_backend.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/czech_text.h"

namespace qv {
namespace {

using Calls = std::vector<std::string>;

class TheAudioPlayer : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"zvon.wav", "les.ogg", "boj.mod", "hrad.mod"}) {
      WriteBytes(std::string("audio/") + name, "x");
    }
  }
  // The calls made since the last look.
  Calls Take() {
    Calls calls(device.Calls.begin() + static_cast<std::ptrdiff_t>(seen_), device.Calls.end());
    seen_ = device.Calls.size();
    return calls;
  }

  TempWorkDir dir;
  RecordingAudioBackend device;
  AudioPlayer audio{device};

 private:
  std::size_t seen_ = 0;
};

TEST_F(TheAudioPlayer, CreatingOpensTheDeviceWithItsDefaults) {
  EXPECT_EQ(Take(), Calls{"Init(44100, 32, 0)"});
  EXPECT_TRUE(audio.SoundOn);
  EXPECT_TRUE(audio.MusicOn);
  EXPECT_EQ(audio.SoundVolume, 64);
  EXPECT_EQ(audio.MusicVolume, 64);
  EXPECT_EQ(audio.MusicKind, 0);
  EXPECT_EQ(audio.MusicName, "");
}

TEST_F(TheAudioPlayer, SoundLoadsPlaysAndSetsItsVolume) {
  Take();
  audio.SoundVolume = 200;
  audio.PlaySoundFile("zvon.wav");
  audio.PlaySoundFile("zvon.wav");  // sounds overlap: a new sample each time
  EXPECT_EQ(Take(),
            (Calls{"SampleLoad(-1, \"./audio/zvon.wav\", 0, 0, 0) -> 1", "PlaySound(-1, 1) -> 0",
                   "SetVolume(0, 200)", "SampleLoad(-1, \"./audio/zvon.wav\", 0, 0, 0) -> 2",
                   "PlaySound(-1, 2) -> 1", "SetVolume(1, 200)"}));
  EXPECT_EQ(audio.MusicKind, 0);
}

TEST_F(TheAudioPlayer, SoundsOffPlayNothing) {
  Take();
  audio.SoundOn = false;
  audio.PlaySoundFile("zvon.wav");
  EXPECT_EQ(Take(), Calls{});
}

TEST_F(TheAudioPlayer, MissingFileMakesTheSameCallsAndPlaysNothing) {
  Take();
  audio.PlaySoundFile("nic.wav");
  audio.PlayStreamFile("nic.ogg");
  EXPECT_EQ(Take(),
            (Calls{"SampleLoad(-1, \"./audio/nic.wav\", 0, 0, 0) -> 0", "PlaySound(-1, 0) -> -1",
                   "SetVolume(-1, 64)", "StreamOpen(\"./audio/nic.ogg\", 2, 0, 0) -> 0",
                   "StreamPlay(-1, 0) -> -1", "SetVolume(-1, 64)"}));
  // The player does not know: the music counts as started.
  EXPECT_EQ(audio.MusicKind, 1);
  EXPECT_EQ(audio.MusicName, "nic.ogg");
}

TEST_F(TheAudioPlayer, NamesLeavingTheAudioFolderAreMissingFiles) {
  WriteBytes("data/data.qvl", "x");
  WriteBytes("audio/sub/ok.wav", "x");
  std::filesystem::create_symlink("zvon.wav", "audio/odkaz.wav");
  Take();
  audio.PlaySoundFile("../data/data.qvl");
  audio.PlaySoundFile("odkaz.wav");
  audio.PlaySoundFile("sub/ok.wav");
  audio.PlayStreamFile("sub/../../data/data.qvl");
  audio.PlayTrackFile("/etc/passwd");
  std::vector<std::string> opens;
  for (const std::string& call : Take()) {
    if (call.find("Load") != std::string::npos || call.find("Open") != std::string::npos) {
      opens.push_back(call);
    }
  }
  EXPECT_EQ(opens, (Calls{"SampleLoad(-1, \"./audio/../data/data.qvl\", 0, 0, 0) -> 0",
                          "SampleLoad(-1, \"./audio/odkaz.wav\", 0, 0, 0) -> 0",
                          "SampleLoad(-1, \"./audio/sub/ok.wav\", 0, 0, 0) -> 1",
                          "StreamOpen(\"./audio/sub/../../data/data.qvl\", 2, 0, 0) -> 0",
                          "LoadSong(\"./audio//etc/passwd\") -> 0"}));
}

TEST_F(TheAudioPlayer, StreamThenTrackClosesTheStreamFirst) {
  Take();
  audio.PlayStreamFile("les.ogg");
  EXPECT_EQ(Take(), (Calls{"StreamOpen(\"./audio/les.ogg\", 2, 0, 0) -> 1",
                           "StreamPlay(-1, 1) -> 0", "SetVolume(0, 64)"}));
  EXPECT_EQ(audio.MusicKind, 1);
  EXPECT_EQ(audio.MusicName, "les.ogg");
  EXPECT_EQ(audio.MusicHandle, 1u);
  EXPECT_EQ(audio.MusicChannel, 0);

  audio.MusicVolume = 90;
  audio.PlayTrackFile("boj.mod");
  EXPECT_EQ(Take(), (Calls{"StreamClose(1)", "LoadSong(\"./audio/boj.mod\") -> 2", "PlaySong(2)",
                           "SetMasterVolume(2, 90)"}));
  EXPECT_EQ(audio.MusicKind, 2);
  EXPECT_EQ(audio.MusicName, "boj.mod");

  audio.PlayTrackFile("hrad.mod");
  EXPECT_EQ(Take(), (Calls{"FreeSong(2)", "LoadSong(\"./audio/hrad.mod\") -> 3", "PlaySong(3)",
                           "SetMasterVolume(3, 90)"}));
}

TEST_F(TheAudioPlayer, StopClosesTheMusicAndKeepsItsName) {
  audio.PlayTrackFile("boj.mod");
  Take();
  audio.StopMusic();
  EXPECT_EQ(Take(), Calls{"FreeSong(1)"});
  EXPECT_EQ(audio.MusicKind, 0);
  EXPECT_EQ(audio.MusicName, "boj.mod");
  audio.StopMusic();  // nothing open any more
  EXPECT_EQ(Take(), Calls{});
}

TEST_F(TheAudioPlayer, PausedStreamBlocksNewMusicAndContinuesOnANewChannel) {
  audio.PlayStreamFile("les.ogg");
  Take();
  audio.PauseMusic();
  EXPECT_EQ(Take(), Calls{"StreamStop(1)"});
  EXPECT_FALSE(audio.MusicOn);
  EXPECT_EQ(audio.MusicKind, 1);  // still open

  audio.PlayTrackFile("boj.mod");
  audio.PlayStreamFile("boj.mod");
  EXPECT_EQ(Take(), Calls{});
  EXPECT_EQ(audio.MusicName, "les.ogg");

  audio.MusicVolume = 30;
  audio.ContinueMusic();
  EXPECT_EQ(Take(), (Calls{"StreamPlay(-1, 1) -> 1", "SetVolume(1, 30)"}));
  EXPECT_TRUE(audio.MusicOn);
  EXPECT_EQ(audio.MusicChannel, 1);
}

TEST_F(TheAudioPlayer, PausedTrackStopsAndPlaysAgain) {
  audio.PlayTrackFile("boj.mod");
  Take();
  audio.PauseMusic();
  audio.ContinueMusic();
  EXPECT_EQ(Take(), (Calls{"StopSong(1)", "PlaySong(1)"}));
  EXPECT_TRUE(audio.MusicOn);
}

TEST_F(TheAudioPlayer, PauseAndContinueWithoutMusicOnlyTurnTheSwitch) {
  Take();
  audio.PauseMusic();
  EXPECT_FALSE(audio.MusicOn);
  audio.ContinueMusic();
  EXPECT_TRUE(audio.MusicOn);
  EXPECT_EQ(Take(), Calls{});
}

TEST_F(TheAudioPlayer, MusicVolumeGoesToTheModuleAndToTheStreamChannelWhateverPlays) {
  Take();
  audio.SetMusicVolume(100);
  EXPECT_EQ(Take(), (Calls{"SetMasterVolume(0, 100)", "SetVolume(-1, 100)"}));
  EXPECT_EQ(audio.MusicVolume, 100);

  audio.PlayStreamFile("les.ogg");
  Take();
  audio.SetMusicVolume(255);
  // The stream's handle goes to the module call too; the device refuses it.
  EXPECT_EQ(Take(), (Calls{"SetMasterVolume(1, 255)", "SetVolume(0, 255)"}));
  EXPECT_FALSE(device.SetMasterVolume(1, 255));

  audio.PlayTrackFile("boj.mod");
  Take();
  audio.SetMusicVolume(0);
  EXPECT_EQ(Take(), (Calls{"SetMasterVolume(2, 0)", "SetVolume(0, 0)"}));
}

TEST_F(TheAudioPlayer, NamesAreUsedAsGivenAndKeptToAHundredBytes) {
  // The file on disk is named in UTF-8; the player is given Windows-1250.
  WriteBytes("audio/hudba/píseň.ogg", "x");
  Take();
  audio.PlayStreamFile(Cz("hudba/píseň.ogg"));
  EXPECT_EQ(Take().front(), Cz("StreamOpen(\"./audio/hudba/píseň.ogg\", 2, 0, 0) -> 1"));
  const std::string long_name(120, 'a');
  audio.PlayStreamFile(long_name);
  EXPECT_EQ(audio.MusicName, std::string(100, 'a'));
}

TEST(SoundLibrary, IsPresentWithTheLibraryFileOrAnAudioFolder) {
  TempWorkDir dir;
  EXPECT_FALSE(SoundLibraryPresent());
  WriteBytes("audio", "not a folder");
  EXPECT_FALSE(SoundLibraryPresent());
  WriteBytes("fmod.dll", "");
  EXPECT_TRUE(SoundLibraryPresent());
  std::filesystem::remove("fmod.dll");
  std::filesystem::remove("audio");
  std::filesystem::create_directory("audio");
  EXPECT_TRUE(SoundLibraryPresent());
}

}  // namespace
}  // namespace qv
