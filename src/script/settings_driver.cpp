#include "script/settings_driver.h"

#include <string>

#include "script/script_commands.h"
#include "script/script_error.h"
#include "state/settings_window.h"

namespace qv {

namespace {

bool Switch(const ScriptLine& line) {
  const std::string_view word = WordArgument(line);
  if (word == "on") return true;
  if (word == "off") return false;
  throw ScriptError(line.Command + ": on or off, not '" + std::string(word) + "'");
}

int32_t Volume(const ScriptLine& line) {
  const int32_t volume = NumberArgument(line);
  if (volume < SettingsWindow::kSliderMin || volume > SettingsWindow::kSliderMax) {
    throw ScriptError(line.Command + ": the slider goes from 0 to 255, not " +
                      std::to_string(volume));
  }
  return volume;
}

class SettingsDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* settings = dynamic_cast<SettingsWindow*>(&window);
    if (!settings) {
      throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                        std::string(window.Kind()) + ")");
    }
    const std::string& command = line.Command;
    if (command == "sound") {
      const bool on = Switch(line);
      if (on != settings->SoundOn) settings->SoundOnClick(on);
    } else if (command == "music") {
      const bool on = Switch(line);
      if (on != settings->MusicOn) settings->MusicOnClick(on);
    } else if (command == "sound-volume") {
      settings->SoundVolumeChange(Volume(line));
    } else if (command == "music-volume") {
      settings->MusicVolumeChange(Volume(line));
    } else if (command == "ok") {
      ExpectNoArguments(line);
      settings->OkClick();
    } else if (command == "close") {
      ExpectNoArguments(line);
      settings->Close();
    } else {
      throw ScriptError("'" + command + "' does not fit the window on top (settings)");
    }
  }

  nlohmann::ordered_json Dump(const ModalWindow& window) const override {
    const auto* settings = dynamic_cast<const SettingsWindow*>(&window);
    if (!settings) return nullptr;
    nlohmann::ordered_json out;
    out["sound_on"] = settings->SoundOn;
    out["music_on"] = settings->MusicOn;
    out["sound_volume"] = settings->SoundVolume;
    out["music_volume"] = settings->MusicVolume;
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeSettingsDriver() { return std::make_unique<SettingsDriver>(); }

}  // namespace qv
