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

namespace qv {

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box with an OK button; returns when it is acknowledged.
  virtual void ShowMessage(std::string_view text) = 0;

  // The hero has died: the death window is shown and the game ends there.
  virtual void ShowDeathWindow() = 0;

  // Ends the program (after the current handler returns).
  virtual void EndProgram() = 0;

  // Opens a web address or document with the system's open action.
  virtual void OpenWebAddress(std::string_view address) = 0;
};

}  // namespace qv
