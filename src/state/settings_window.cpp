#include "state/settings_window.h"

#include <algorithm>
#include <string>

#include "state/settings.h"

namespace qv {

namespace {

int32_t SliderPosition(int32_t value) {
  return std::clamp(value, TForm15::kSliderMin, TForm15::kSliderMax);
}

}  // namespace

void TForm15::Prepare(TAudio& audio, int game_width, int game_height) {
  audio_ = &audio;
  Left = game_width / 2 - kWidth / 2;
  Top = game_height / 2 - kHeight / 2;
  CheckBox1 = audio.SoundOn;
  CheckBox2 = audio.MusicOn;
  // Setting the sliders does not touch the player: a volume read from the
  // settings file outside 0..255 stays as it is until the slider is moved.
  TrackBar1 = SliderPosition(audio.SoundVolume);
  TrackBar2 = SliderPosition(audio.MusicVolume);
  Reopen();
}

void TForm15::CheckBox1Click(bool checked) {
  CheckBox1 = checked;
  if (audio_) audio_->SoundOn = checked;
}

void TForm15::CheckBox2Click(bool checked) {
  CheckBox2 = checked;
  if (!audio_) return;
  if (checked) {
    audio_->ContinueMusic();
  } else {
    audio_->PauseMusic();
  }
}

void TForm15::TrackBar1Change(int32_t position) {
  TrackBar1 = SliderPosition(position);
  if (audio_) audio_->SoundVolume = TrackBar1;
}

void TForm15::TrackBar2Change(int32_t position) {
  TrackBar2 = SliderPosition(position);
  if (audio_) audio_->SetMusicVolume(TrackBar2);
}

void TForm15::OkClick() {
  if (audio_ && !WriteSettings(*audio_)) {
    host_.ShowMessage(std::string(kSettingsWriteFailed) + std::string(kSettingsFile));
    return;
  }
  Close();
}

}  // namespace qv
