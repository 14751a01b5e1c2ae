// A real window manager on the test's private display, and the tools that
// act on windows as a person or the desktop would: xdotool for the mouse
// and keyboard (XTest events, the same as a real device's), wmctrl for the
// requests a title bar's buttons send (close, maximise).
#pragma once

#include <SDL.h>

#include <functional>
#include <string>

namespace qv {

class DesktopHost;

class WindowManager {
 public:
  // Starts openbox and waits until it manages the screen; Running() is
  // false when openbox, xdotool or wmctrl is missing or it did not start.
  WindowManager();
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  bool Running() const { return pid_ > 0; }

 private:
  int pid_ = 0;
};

// The X window id of an SDL window, in decimal as the tools take it.
std::string XWindowId(SDL_Window* window);

// Runs a tool's command line (xdotool ..., wmctrl ...); true when it
// succeeded.
bool RunTool(const std::string& command);

// Runs the loop until `done` holds or six seconds pass (a busy machine is
// slow to map and resize windows); true when it held.
bool PumpUntil(DesktopHost& host, const std::function<bool()>& done);

// A logical point of the page as a point of the window, for the tools.
std::string OnWindow(DesktopHost& host, int x, int y);

}  // namespace qv
