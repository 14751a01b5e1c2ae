// The host of a headless, scripted run. Message boxes are recorded and
// acknowledged at once; a modal window (or the death window) is pushed on the
// window stack and the script's following lines are carried out against it
// until it closes or the program ends, which is how a countdown or a command
// can open a window in the middle of a page.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "script/window_stack.h"

namespace qv {

// Carries out script lines one after another until `done` holds.
class CommandLoop {
 public:
  virtual ~CommandLoop() = default;
  virtual void RunUntil(const std::function<bool()>& done) = 0;
};

class ScriptHost final : public Host {
 public:
  ScriptHost(WindowStack& windows, int screen_width, int screen_height)
      : windows_(windows), screen_width_(screen_width), screen_height_(screen_height) {}

  // Without a loop, modal windows close at once and the death window ends
  // the program.
  void SetLoop(CommandLoop* loop) { loop_ = loop; }

  void ShowMessage(std::string_view text) override { messages_.emplace_back(text); }
  void ShowDeathWindow() override;
  void EndProgram() override { ended_ = true; }
  bool ProgramEnded() const override { return ended_; }
  void OpenWebAddress(std::string_view address) override { web_links_.emplace_back(address); }
  void RunModal(ModalWindow& window) override;
  // The default font's metrics are approximated (host/approximate_metrics.h):
  // nothing is drawn, but layouts must come out the same on every machine.
  TextSize MeasureText(const Font& font, std::string_view text) override;
  int ScreenWidth() const override { return screen_width_; }
  int ScreenHeight() const override { return screen_height_; }

  // Every message box so far, in order (Windows-1250 bytes).
  const std::vector<std::string>& Messages() const { return messages_; }
  // Every address handed to the system's open action (Windows-1250 bytes).
  const std::vector<std::string>& WebLinks() const { return web_links_; }

 private:
  // Runs the script against the window now on top until `done` holds.
  void RunWindow(std::string_view kind, ModalWindow* modal, const std::function<bool()>& done);

  WindowStack& windows_;
  int screen_width_;
  int screen_height_;
  CommandLoop* loop_ = nullptr;
  bool ended_ = false;
  std::vector<std::string> messages_;
  std::vector<std::string> web_links_;
};

}  // namespace qv
