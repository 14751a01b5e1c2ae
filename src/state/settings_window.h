// SettingsWindow (TForm15): the settings window "Nastavení" opened by the game window's
// "Audio" button: rows "Zvuky" (sounds) and "Hudba" (music), each with a
// "Zapnuto" check box and a slider 0..255, and an "OK" button. Every change
// acts on the audio player at once; "OK" also keeps the values in
// "./setup.ini" for the next run, while closing the window any other way
// keeps them for this run only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/audio_player.h"
#include "host/host.h"
#include "host/window.h"

namespace qv {

// "Nastavení", "Zvuky", "Hudba", "Zapnuto", "OK".
inline constexpr std::string_view kSettingsCaption = "Nastaven\xED";
inline constexpr std::string_view kSoundsRow = "Zvuky";
inline constexpr std::string_view kMusicRow = "Hudba";
inline constexpr std::string_view kSwitchCaption = "Zapnuto";
inline constexpr std::string_view kOkCaption = "OK";
// "Chyba při zápisu souboru ": the settings file could not be written.
inline constexpr std::string_view kSettingsWriteFailed = "Chyba p\xF8i z\xE1pisu souboru ";

// A check box of the window's second page, where a host offers the player's
// own switches (the reading comforts). Captions are Windows-1250.
struct SettingsSwitch {
  std::string Caption;
  bool On = false;
};

class SettingsWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 260;
  static constexpr int kHeight = 170;
  static constexpr int32_t kSliderMin = 0;
  static constexpr int32_t kSliderMax = 255;

  explicit SettingsWindow(Host& host) : host_(host) {}

  std::string_view Kind() const override { return "settings"; }

  // The "Audio" button's part before the window is shown: the controls take
  // the player's values and the window is centred on the game window (each
  // half rounded toward zero).
  void Prepare(AudioPlayer& audio, int game_width, int game_height);

  // The controls' handlers; each acts on the player at once. A slider
  // position is kept within 0..255.
  void SoundOnClick(bool checked);  // CheckBox1Click, "Zvuky": SoundOn
  void MusicOnClick(bool checked);  // CheckBox2Click, "Hudba": resumes or pauses the music
  void SoundVolumeChange(
      int32_t position);  // TrackBar1Change, the sound volume, for the next sound
  void MusicVolumeChange(int32_t position);  // TrackBar2Change, the music volume, at once
  // Writes "./setup.ini" and closes; when the file cannot be written the
  // message is shown and the window stays open.
  void OkClick();

  // The second page: shown only when a host has put switches here. Page
  // turns between 1 (sounds and music) and 2 (the switches); every opening
  // starts on page 1. "OK" hands the switches to KeepSwitches after
  // "./setup.ini" is written; false from it keeps the window open.
  std::vector<SettingsSwitch> Switches;
  std::function<bool(const std::vector<SettingsSwitch>&)> KeepSwitches;
  int Page = 1;
  void PageClick();
  void SwitchClick(std::size_t n, bool checked);  // n from 0

  bool SoundOn = true;                                // CheckBox1
  bool MusicOn = true;                                // CheckBox2
  int32_t SoundVolume = AudioPlayer::kDefaultVolume;  // TrackBar1
  int32_t MusicVolume = AudioPlayer::kDefaultVolume;  // TrackBar2
  int Left = 0;
  int Top = 0;

 private:
  Host& host_;
  AudioPlayer* audio_ = nullptr;
};

}  // namespace qv
