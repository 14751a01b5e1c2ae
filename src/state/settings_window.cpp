#include "state/settings_window.h"

#include <algorithm>
#include <string>

#include "state/settings.h"

namespace qv {

namespace {

int32_t SliderPosition(int32_t value) {
  return std::clamp(value, SettingsWindow::kSliderMin, SettingsWindow::kSliderMax);
}

}  // namespace

void SettingsWindow::Prepare(AudioPlayer& audio, int game_width, int game_height) {
  audio_ = &audio;
  Page = 1;
  Left = game_width / 2 - kWidth / 2;
  Top = game_height / 2 - kHeight / 2;
  SoundOn = audio.SoundOn;
  MusicOn = audio.MusicOn;
  // Setting the sliders does not touch the player: a volume read from the
  // settings file outside 0..255 stays as it is until the slider is moved.
  SoundVolume = SliderPosition(audio.SoundVolume);
  MusicVolume = SliderPosition(audio.MusicVolume);
  Reopen();
}

void SettingsWindow::SoundOnClick(bool checked) {
  SoundOn = checked;
  if (audio_) audio_->SoundOn = checked;
}

void SettingsWindow::MusicOnClick(bool checked) {
  MusicOn = checked;
  if (!audio_) return;
  if (checked) {
    audio_->ContinueMusic();
  } else {
    audio_->PauseMusic();
  }
}

void SettingsWindow::SoundVolumeChange(int32_t position) {
  SoundVolume = SliderPosition(position);
  if (audio_) audio_->SoundVolume = SoundVolume;
}

void SettingsWindow::MusicVolumeChange(int32_t position) {
  MusicVolume = SliderPosition(position);
  if (audio_) audio_->SetMusicVolume(MusicVolume);
}

void SettingsWindow::OkClick() {
  if (audio_ && !WriteSettings(*audio_)) {
    host_.ShowMessage(std::string(kSettingsWriteFailed) + std::string(kSettingsFile));
    return;
  }
  if (!Switches.empty() && KeepSwitches && !KeepSwitches(Switches)) return;
  Close();
}

void SettingsWindow::PageClick() {
  if (!Switches.empty()) Page = Page == 1 ? 2 : 1;
}

void SettingsWindow::SwitchClick(std::size_t n, bool checked) {
  if (n < Switches.size()) Switches[n].On = checked;
}

}  // namespace qv
