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
  if (volume < TForm15::kSliderMin || volume > TForm15::kSliderMax) {
    throw ScriptError(line.Command + ": the slider goes from 0 to 255, not " +
                      std::to_string(volume));
  }
  return volume;
}

class SettingsDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptLine& line) override {
    auto* settings = dynamic_cast<TForm15*>(&window);
    if (!settings) {
      throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                        std::string(window.Kind()) + ")");
    }
    const std::string& command = line.Command;
    if (command == "sound") {
      const bool on = Switch(line);
      if (on != settings->CheckBox1) settings->CheckBox1Click(on);
    } else if (command == "music") {
      const bool on = Switch(line);
      if (on != settings->CheckBox2) settings->CheckBox2Click(on);
    } else if (command == "sound-volume") {
      settings->TrackBar1Change(Volume(line));
    } else if (command == "music-volume") {
      settings->TrackBar2Change(Volume(line));
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
    const auto* settings = dynamic_cast<const TForm15*>(&window);
    if (!settings) return nullptr;
    nlohmann::ordered_json out;
    out["sound_on"] = settings->CheckBox1;
    out["music_on"] = settings->CheckBox2;
    out["sound_volume"] = settings->TrackBar1;
    out["music_volume"] = settings->TrackBar2;
    return out;
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeSettingsDriver() { return std::make_unique<SettingsDriver>(); }

}  // namespace qv
