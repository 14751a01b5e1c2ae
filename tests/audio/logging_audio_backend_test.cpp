// The logging wrapper: every call reaches the wrapped device with its
// arguments, comes back with the wrapped device's own result, and is written
// down as the recording device writes it.
#include "audio/logging_audio_backend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/audio_call_text.h"
#include "audio/recording_audio_backend.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/czech_text.h"

namespace qv {
namespace {

using Calls = std::vector<std::string>;

// The call texts themselves: the lines the headless dump has always shown.
TEST(AudioCallText, EveryCallKindReadsAsBefore) {
  EXPECT_EQ(InitCallText(44100, 32, 0), "Init(44100, 32, 0)");
  EXPECT_EQ(SampleLoadCallText(-1, Cz("./audio/šum.wav"), 0, 0, 0, 3),
            Cz("SampleLoad(-1, \"./audio/šum.wav\", 0, 0, 0) -> 3"));
  EXPECT_EQ(PlaySoundCallText(-1, 0, -1), "PlaySound(-1, 0) -> -1");
  EXPECT_EQ(SetVolumeCallText(1000, 255), "SetVolume(1000, 255)");
  EXPECT_EQ(StreamOpenCallText("./audio/les.ogg", kStreamLoop, 0, 0, 2),
            "StreamOpen(\"./audio/les.ogg\", 2, 0, 0) -> 2");
  EXPECT_EQ(StreamPlayCallText(-1, 2, 0), "StreamPlay(-1, 2) -> 0");
  EXPECT_EQ(StreamStopCallText(2), "StreamStop(2)");
  EXPECT_EQ(StreamCloseCallText(2), "StreamClose(2)");
  EXPECT_EQ(LoadSongCallText("./audio/boj.mod", 0), "LoadSong(\"./audio/boj.mod\") -> 0");
  EXPECT_EQ(PlaySongCallText(4), "PlaySong(4)");
  EXPECT_EQ(StopSongCallText(4), "StopSong(4)");
  EXPECT_EQ(FreeSongCallText(4), "FreeSong(4)");
  EXPECT_EQ(SetMasterVolumeCallText(4, 64), "SetMasterVolume(4, 64)");
  // Handles are unsigned all the way up; flags and modes too.
  EXPECT_EQ(PlaySongCallText(4294967295u), "PlaySong(4294967295)");
  EXPECT_EQ(InitCallText(0, -5, 4294967295u), "Init(0, -5, 4294967295)");
  // A path is written as it came, quotes and all.
  EXPECT_EQ(LoadSongCallText("a\"b", 1), "LoadSong(\"a\"b\") -> 1");
}

// Wrapped around the recording device, the log is the recording device's own
// list, line for line, and every result is the one the device gave.
TEST(LoggingAudioBackend, ForwardsEveryCallAndLogsTheWrappedResult) {
  TempWorkDir dir;
  for (const char* name : {"zvon.wav", "les.ogg", "boj.mod"}) {
    WriteBytes(std::string("audio/") + name, "x");
  }
  RecordingAudioBackend device;
  LoggingAudioBackend log(device);

  EXPECT_TRUE(log.Init(44100, 2, 0));
  const AudioHandle sample = log.SampleLoad(-1, "./audio/zvon.wav", 0, 0, 0);
  EXPECT_EQ(sample, 1u);
  EXPECT_EQ(log.SampleLoad(-1, "./audio/nic.wav", 0, 0, 0), kNoAudioHandle);
  EXPECT_EQ(log.PlaySound(kAnyChannel, sample), 0);
  EXPECT_EQ(log.PlaySound(kAnyChannel, kNoAudioHandle), kNoChannel);
  EXPECT_TRUE(log.SetVolume(0, 100));
  EXPECT_FALSE(log.SetVolume(kNoChannel, 100));
  const AudioHandle stream = log.StreamOpen("./audio/les.ogg", kStreamLoop, 0, 0);
  EXPECT_EQ(stream, 2u);
  EXPECT_EQ(log.StreamPlay(kAnyChannel, stream), 1);
  // Stream and song handles are not interchangeable.
  EXPECT_FALSE(log.SetMasterVolume(stream, 80));
  EXPECT_TRUE(log.StreamStop(stream));
  EXPECT_TRUE(log.StreamClose(stream));
  EXPECT_FALSE(log.StreamClose(stream));
  const AudioHandle song = log.LoadSong("./audio/boj.mod");
  EXPECT_EQ(song, 3u);
  EXPECT_TRUE(log.PlaySong(song));
  EXPECT_TRUE(log.SetMasterVolume(song, 80));
  EXPECT_TRUE(log.StopSong(song));
  EXPECT_TRUE(log.FreeSong(song));
  EXPECT_FALSE(log.PlaySong(song));

  EXPECT_EQ(log.Calls, device.Calls);
  EXPECT_EQ(log.Calls, (Calls{
                           "Init(44100, 2, 0)",
                           "SampleLoad(-1, \"./audio/zvon.wav\", 0, 0, 0) -> 1",
                           "SampleLoad(-1, \"./audio/nic.wav\", 0, 0, 0) -> 0",
                           "PlaySound(-1, 1) -> 0",
                           "PlaySound(-1, 0) -> -1",
                           "SetVolume(0, 100)",
                           "SetVolume(-1, 100)",
                           "StreamOpen(\"./audio/les.ogg\", 2, 0, 0) -> 2",
                           "StreamPlay(-1, 2) -> 1",
                           "SetMasterVolume(2, 80)",
                           "StreamStop(2)",
                           "StreamClose(2)",
                           "StreamClose(2)",
                           "LoadSong(\"./audio/boj.mod\") -> 3",
                           "PlaySong(3)",
                           "SetMasterVolume(3, 80)",
                           "StopSong(3)",
                           "FreeSong(3)",
                           "PlaySong(3)",
                       }));
}

// A device whose answers are nothing like the recording device's: the log
// shows what it said, not what a recording device would have said.
class FixedAnswers final : public AudioBackend {
 public:
  bool Init(int32_t, int32_t, uint32_t) override { return Count(false); }
  AudioHandle SampleLoad(int32_t, std::string_view, uint32_t, int32_t, int32_t) override {
    Count(false);
    return 7;
  }
  int32_t PlaySound(int32_t, AudioHandle) override {
    Count(false);
    return 31;
  }
  bool SetVolume(int32_t, int32_t) override { return Count(true); }
  AudioHandle StreamOpen(std::string_view, uint32_t, int32_t, int32_t) override {
    Count(false);
    return 9;
  }
  int32_t StreamPlay(int32_t, AudioHandle) override {
    Count(false);
    return 1000;
  }
  bool StreamStop(AudioHandle) override { return Count(true); }
  bool StreamClose(AudioHandle) override { return Count(false); }
  AudioHandle LoadSong(std::string_view) override {
    Count(false);
    return kNoAudioHandle;
  }
  bool PlaySong(AudioHandle) override { return Count(true); }
  bool StopSong(AudioHandle) override { return Count(false); }
  bool FreeSong(AudioHandle) override { return Count(true); }
  bool SetMasterVolume(AudioHandle, int32_t) override { return Count(false); }

  int Received = 0;

 private:
  bool Count(bool answer) {
    ++Received;
    return answer;
  }
};

TEST(LoggingAudioBackend, ResultsAreTheWrappedDevicesOwn) {
  FixedAnswers device;
  LoggingAudioBackend log(device);
  EXPECT_FALSE(log.Init(44100, 32, 0));
  EXPECT_EQ(log.SampleLoad(-1, "./audio/nic.wav", 0, 0, 0), 7u);
  EXPECT_EQ(log.PlaySound(kAnyChannel, 7), 31);
  EXPECT_TRUE(log.SetVolume(31, 64));
  EXPECT_EQ(log.StreamOpen("./audio/nic.ogg", kStreamLoop, 0, 0), 9u);
  EXPECT_EQ(log.StreamPlay(kAnyChannel, 9), 1000);
  EXPECT_TRUE(log.StreamStop(9));
  EXPECT_FALSE(log.StreamClose(9));
  EXPECT_EQ(log.LoadSong("./audio/nic.mod"), kNoAudioHandle);
  EXPECT_TRUE(log.PlaySong(0));
  EXPECT_FALSE(log.StopSong(0));
  EXPECT_TRUE(log.FreeSong(0));
  EXPECT_FALSE(log.SetMasterVolume(0, 64));
  EXPECT_EQ(device.Received, 13);
  EXPECT_EQ(log.Calls, (Calls{
                           "Init(44100, 32, 0)",
                           "SampleLoad(-1, \"./audio/nic.wav\", 0, 0, 0) -> 7",
                           "PlaySound(-1, 7) -> 31",
                           "SetVolume(31, 64)",
                           "StreamOpen(\"./audio/nic.ogg\", 2, 0, 0) -> 9",
                           "StreamPlay(-1, 9) -> 1000",
                           "StreamStop(9)",
                           "StreamClose(9)",
                           "LoadSong(\"./audio/nic.mod\") -> 0",
                           "PlaySong(0)",
                           "StopSong(0)",
                           "FreeSong(0)",
                           "SetMasterVolume(0, 64)",
                       }));
}

}  // namespace
}  // namespace qv
