// The seam between the engine and the platform it runs on.
//
// The core never talks to a window system, a terminal or a sound device
// directly: everything outside the engine goes through a Host. The desktop
// player and the headless script runner each implement it; tests use the
// recording twin in recording_host.h.
//
// Texts passed to a host are Windows-1250 bytes, as the engine keeps them; a
// host converts them for display.
#pragma once

#include <string_view>

#include "host/font.h"
#include "host/window.h"

namespace qv {

struct TextSize {
  int Width = 0;
  int Height = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box with an OK button; returns when it is acknowledged.
  virtual void ShowMessage(std::string_view text) = 0;

  // The hero has died: the death window is shown and the game ends there.
  virtual void ShowDeathWindow() = 0;

  // Tells the program to end. The handler that asks goes on to its end;
  // modal loops stop, and nothing of the game runs afterwards.
  virtual void EndProgram() = 0;
  virtual bool ProgramEnded() const = 0;

  // Opens a web address or document with the system's open action.
  virtual void OpenWebAddress(std::string_view address) = 0;

  // Shows the window modally and returns once it is closed or the program
  // has been told to end. The game window's 100 ms timer keeps running
  // meanwhile, so the game may change under the window.
  virtual void RunModal(ModalWindow& window) = 0;

  // The size of a (possibly multi-line, CR LF separated) text in a font.
  virtual TextSize MeasureText(const Font& font, std::string_view text) = 0;

  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
};

}  // namespace qv
