#include "audio/audio_player.h"

#include <string>

namespace qv {

namespace {

std::string AudioPath(std::string_view name) {
  return std::string(kAudioFolder) + std::string(name);
}

}  // namespace

AudioPlayer::AudioPlayer(AudioBackend& device) : device_(device) {
  device_.Init(kMixRate, kChannels, 0);
}

void AudioPlayer::PlaySoundFile(std::string_view name) {
  if (!SoundOn) return;
  const AudioHandle sample = device_.SampleLoad(kAnyChannel, AudioPath(name), 0, 0, 0);
  const int32_t channel = device_.PlaySound(kAnyChannel, sample);
  device_.SetVolume(channel, SoundVolume);
}

void AudioPlayer::PlayStreamFile(std::string_view name) {
  if (!MusicOn) return;
  StopMusic();
  MusicHandle = device_.StreamOpen(AudioPath(name), kStreamLoop, 0, 0);
  MusicChannel = device_.StreamPlay(kAnyChannel, MusicHandle);
  device_.SetVolume(MusicChannel, MusicVolume);
  MusicKind = kStreamMusic;
  MusicName = name;
}

void AudioPlayer::PlayTrackFile(std::string_view name) {
  if (!MusicOn) return;
  StopMusic();
  MusicHandle = device_.LoadSong(AudioPath(name));
  device_.PlaySong(MusicHandle);
  device_.SetMasterVolume(MusicHandle, MusicVolume);
  MusicKind = kTrackMusic;
  MusicName = name;
}

void AudioPlayer::SetMusicVolume(int32_t volume) {
  MusicVolume = volume;
  device_.SetMasterVolume(MusicHandle, volume);
  device_.SetVolume(MusicChannel, volume);
}

void AudioPlayer::StopMusic() {
  if (MusicKind == kTrackMusic) {
    device_.FreeSong(MusicHandle);
  } else if (MusicKind == kStreamMusic) {
    device_.StreamClose(MusicHandle);
  }
  MusicKind = kNoMusic;
}

void AudioPlayer::PauseMusic() {
  if (MusicKind == kTrackMusic) {
    device_.StopSong(MusicHandle);
  } else if (MusicKind == kStreamMusic) {
    device_.StreamStop(MusicHandle);
  }
  MusicOn = false;
}

void AudioPlayer::ContinueMusic() {
  if (MusicKind == kTrackMusic) {
    device_.PlaySong(MusicHandle);
  } else if (MusicKind == kStreamMusic) {
    MusicChannel = device_.StreamPlay(kAnyChannel, MusicHandle);
    device_.SetVolume(MusicChannel, MusicVolume);
  }
  MusicOn = true;
}

}  // namespace qv
