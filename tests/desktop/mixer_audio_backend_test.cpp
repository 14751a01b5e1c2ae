// The SDL_mixer sound device, on SDL's silent driver: samples kept per file
// name, music streams and modules, volumes, missing files and the fallback
// when there is no sound device at all. Needs no display.
#include "desktop/mixer_audio_backend.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/temp_work_dir.h"

namespace qv {
namespace {

// A tenth of a second of quiet 16-bit mono PCM at 44100 Hz.
void WriteQuietWav(const std::filesystem::path& path) {
  const uint32_t samples = 4410;
  const uint32_t data_size = samples * 2;
  std::vector<uint8_t> bytes;
  const auto text = [&](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
  const auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(v >> (8 * i)));
  };
  const auto u16 = [&](uint16_t v) {
    bytes.push_back(uint8_t(v));
    bytes.push_back(uint8_t(v >> 8));
  };
  text("RIFF");
  u32(36 + data_size);
  text("WAVE");
  text("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(44100);
  u32(44100 * 2);
  u16(2);
  u16(16);
  text("data");
  u32(data_size);
  bytes.resize(bytes.size() + data_size, 0);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class MixerAudioBackendTest : public ::testing::Test {
 protected:
  MixerAudioBackendTest() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteQuietWav("audio/pip.wav");
    WriteQuietWav("audio/\xC5\xA1um.wav");  // "šum.wav" on disk
  }
  TempWorkDir dir;
};

TEST_F(MixerAudioBackendTest, SamplesAreKeptPerNameAndPlayOnAChannel) {
  MixerAudioBackend device;
  ASSERT_TRUE(device.Init(44100, 32, 0));
  EXPECT_EQ(Mix_AllocateChannels(-1), 32);
  const AudioHandle pip = device.SampleLoad(-1, "./audio/pip.wav", 0, 0, 0);
  EXPECT_NE(pip, kNoAudioHandle);
  EXPECT_EQ(device.SampleLoad(-1, "./audio/pip.wav", 0, 0, 0), pip);
  // Names come as Windows-1250 bytes and are found under their UTF-8 name.
  const AudioHandle noise = device.SampleLoad(-1, "./audio/\x9Aum.wav", 0, 0, 0);
  EXPECT_NE(noise, kNoAudioHandle);
  EXPECT_NE(noise, pip);
  EXPECT_EQ(device.SampleLoad(-1, "./audio/nic.wav", 0, 0, 0), kNoAudioHandle);

  const int32_t channel = device.PlaySound(kAnyChannel, pip);
  ASSERT_GE(channel, 0);
  ASSERT_LT(channel, 32);
  EXPECT_TRUE(device.SetVolume(channel, 255));
  EXPECT_EQ(Mix_Volume(channel, -1), MIX_MAX_VOLUME);
  EXPECT_TRUE(device.SetVolume(channel, 64));
  EXPECT_EQ(Mix_Volume(channel, -1), 32);

  // A missing sample plays nothing, and the failed play's channel is ignored.
  EXPECT_EQ(device.PlaySound(kAnyChannel, kNoAudioHandle), kNoChannel);
  EXPECT_FALSE(device.SetVolume(kNoChannel, 200));
  EXPECT_EQ(Mix_Volume(channel, -1), 32);
}

TEST_F(MixerAudioBackendTest, StreamsAndModulesPlayAsMusicOneAtATime) {
  MixerAudioBackend device;
  ASSERT_TRUE(device.Init(44100, 32, 0));
  const AudioHandle stream = device.StreamOpen("./audio/pip.wav", kStreamLoop, 0, 0);
  ASSERT_NE(stream, kNoAudioHandle);
  EXPECT_EQ(device.StreamOpen("./audio/nic.ogg", kStreamLoop, 0, 0), kNoAudioHandle);
  const int32_t channel = device.StreamPlay(kAnyChannel, stream);
  EXPECT_EQ(channel, MixerAudioBackend::kMusicChannel);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  EXPECT_TRUE(device.SetVolume(channel, 255));
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
  EXPECT_TRUE(device.StreamStop(stream));
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  EXPECT_EQ(device.StreamPlay(kAnyChannel, stream), MixerAudioBackend::kMusicChannel);
  EXPECT_TRUE(device.StreamClose(stream));
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  // A released handle, or one of the other kind, does nothing.
  EXPECT_FALSE(device.StreamClose(stream));
  EXPECT_EQ(device.StreamPlay(kAnyChannel, stream), kNoChannel);

  const AudioHandle song = device.LoadSong("./audio/\x9Aum.wav");
  ASSERT_NE(song, kNoAudioHandle);
  EXPECT_NE(song, stream);  // handles are never reused
  EXPECT_FALSE(device.StreamStop(song));
  EXPECT_TRUE(device.PlaySong(song));
  EXPECT_TRUE(device.SetMasterVolume(song, 128));
  EXPECT_EQ(Mix_VolumeMusic(-1), 64);
  EXPECT_TRUE(device.StopSong(song));
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  EXPECT_TRUE(device.FreeSong(song));
  EXPECT_FALSE(device.SetMasterVolume(song, 10));
}

TEST_F(MixerAudioBackendTest, WithoutASoundDeviceTheSilentDriverTakesOver) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  MixerAudioBackend device;
  EXPECT_TRUE(device.Init(44100, 32, 0));
  EXPECT_EQ(device.DriverName(), "dummy");
  EXPECT_NE(device.SampleLoad(-1, "./audio/pip.wav", 0, 0, 0), kNoAudioHandle);
}

TEST(MixerVolumeTest, ScalesTheGamesRangeToTheMixers) {
  EXPECT_EQ(MixerVolume(0), 0);
  EXPECT_EQ(MixerVolume(255), 128);
  EXPECT_EQ(MixerVolume(64), 32);
  EXPECT_EQ(MixerVolume(-5), 0);
  EXPECT_EQ(MixerVolume(1000), 128);
}

}  // namespace
}  // namespace qv
