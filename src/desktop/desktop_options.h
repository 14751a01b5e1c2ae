// How the desktop player is started.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "comforts/comfort_settings.h"

namespace qv {

struct DesktopOptions {
  // The gamebook folder or archive; empty: the current directory.
  std::string Directory;
  // Where the player's writes go when the gamebook folder is read where it
  // stands (the bundled demo); empty: into the folder itself.
  std::string WritesFolder;
  // Start the game in a window instead of full screen.
  bool Windowed = false;
  // The size the game window lays out in (its logical size); by default the
  // whole screen, or in a window the usual 1024 x 768 when the screen has
  // room for it.
  std::optional<int> ScreenWidth;
  std::optional<int> ScreenHeight;
  // Screen pixels per logical pixel (high-density screens); by default
  // GDK_SCALE's, else 1.
  std::optional<double> Scale;
  // Seeds every draw of the dice; by default they come from the clock.
  std::optional<unsigned long long> Seed;
  // Takes message boxes and web addresses instead of showing and opening
  // them (tests, scripted runs). Texts are Windows-1250.
  std::function<void(std::string_view)> OnMessage;
  std::function<void(std::string_view)> OnWebAddress;
  // Writes down every call to the sound device (scripted runs, whose dumps
  // show them); off in play, where the list would only grow.
  bool LogAudioCalls = false;
  // The player's preferences file, where the game window's size and place
  // are remembered between runs; empty: nothing is read or written (tests,
  // scripted runs).
  std::filesystem::path PreferencesFile;
  // The reading comforts turned on (all off by default).
  ComfortSettings Comforts;
};

}  // namespace qv
