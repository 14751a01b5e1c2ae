#include "script/settings_driver.h"

#include <string>

#include "state/settings_window.h"

namespace qv {

namespace {

class SettingsDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& settings = dynamic_cast<SettingsWindow&>(window);
    using action::Channel;
    std::visit(Overloaded{
                   // A switch is clicked only when it changes.
                   [&](const action::Switch& s) {
                     if (s.Which == Channel::Sound && s.On != settings.SoundOn) {
                       settings.SoundOnClick(s.On);
                     } else if (s.Which == Channel::Music && s.On != settings.MusicOn) {
                       settings.MusicOnClick(s.On);
                     }
                   },
                   [&](const action::Volume& v) {
                     if (v.Which == Channel::Sound) {
                       settings.SoundVolumeChange(v.Value);
                     } else {
                       settings.MusicVolumeChange(v.Value);
                     }
                   },
                   [&](const action::Ok&) { settings.OkClick(); },
                   [&](const action::Close&) { settings.Close(); },
                   [&](const auto&) { ThrowNotForWindow(window, action); },
               },
               action);
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
