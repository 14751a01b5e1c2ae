// A host that only records what the engine asked of it: the twin used by
// tests and by anything that must run with no platform at all. Modal windows
// are handed to an optional callback that plays the part of the player.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/approximate_metrics.h"
#include "host/host.h"

namespace qv {

class RecordingHost : public Host {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowDeathWindow() override {
    ++death_windows;
    ended = true;
  }
  void EndProgram() override { ended = true; }
  bool ProgramEnded() const override { return ended; }
  void OpenWebAddress(std::string_view address) override { web_addresses.emplace_back(address); }
  void RunModal(ModalWindow& window) override {
    modal_windows.emplace_back(window.Kind());
    if (on_modal) on_modal(window);
    window.Close();
  }
  TextSize MeasureText(const Font& font, std::string_view text) override {
    return ApproximateTextSize(font, text);
  }
  int ScreenWidth() const override { return screen_width; }
  int ScreenHeight() const override { return screen_height; }

  std::vector<std::string> messages;
  std::vector<std::string> web_addresses;
  std::vector<std::string> modal_windows;
  std::function<void(ModalWindow&)> on_modal;
  int death_windows = 0;
  bool ended = false;
  int screen_width = 1024;
  int screen_height = 768;
};

}  // namespace qv
