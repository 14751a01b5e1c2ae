// The host of the terminal player: message boxes and windows are read out
// as lines of text and answered by typed lines. Texts leave as UTF-8 with
// the engine's line breaks; typed text enters as Windows-1250.
#pragma once

#include <functional>
#include <ostream>
#include <string_view>

#include "host/host.h"
#include "script/dump.h"
#include "text/text_input.h"

namespace qv {

class TextHost final : public Host {
 public:
  TextHost(TextInput& input, std::ostream& out, int screen_width = 1024, int screen_height = 768)
      : input_(input), out_(out), screen_width_(screen_width), screen_height_(screen_height) {}

  // Called before a window opens (and before the death window), so the page
  // built so far is read out before the window interrupts it.
  void SetBeforeWindow(std::function<void()> before) { before_window_ = std::move(before); }

  // Printed and acknowledged at once: the text stays on the terminal.
  void ShowMessage(std::string_view text) override;
  // Reads out the death window and ends the program, as its click does.
  void ShowDeathWindow() override;
  void EndProgram() override { ended_ = true; }
  bool ProgramEnded() const override { return ended_; }
  // Printed for the player to open: a terminal has no browser of its own.
  void OpenWebAddress(std::string_view address) override;
  // The answer prompt reads a line; the picture pop-up waits for Enter; the
  // fight, shop, sale, character sheet, inventory, save and settings windows
  // are prompts of their own (text_windows.h). The end of the input ends the
  // program.
  void RunModal(ModalWindow& window) override;
  TextSize MeasureText(const Font& font, std::string_view text) override;
  int ScreenWidth() const override { return screen_width_; }
  int ScreenHeight() const override { return screen_height_; }

 private:
  void BeforeWindow();

  TextInput& input_;
  std::ostream& out_;
  int screen_width_;
  int screen_height_;
  bool ended_ = false;
  std::function<void()> before_window_;
  WindowDrivers drivers_;
};

}  // namespace qv
