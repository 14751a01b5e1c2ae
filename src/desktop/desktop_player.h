// The desktop player: the main menu, the name entry and the game window in
// one SDL window, run until the program ends.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "desktop/desktop_host.h"
#include "desktop/desktop_options.h"
#include "desktop/game_view.h"
#include "desktop/menu_view.h"
#include "desktop/mixer_audio_backend.h"
#include "interpreter/game_session.h"
#include "parser/random_source.h"

namespace qv {

class DesktopPlayer {
 public:
  // Opens the window and reads the initialization record, as the main menu
  // does when it is created; the gamebook is the current directory.
  // Throws DesktopError without a display.
  explicit DesktopPlayer(DesktopOptions options);
  ~DesktopPlayer();

  // The main menu, then the game, until the program ends.
  void Run();

  // Opens the game window and starts a new game on location 1; `typed_name`
  // is what the name entry took, if it opened.
  void StartGame(std::optional<std::string_view> typed_name = std::nullopt);

  DesktopHost& Host() { return host_; }
  GameSession& Session() { return *session_; }
  // The game window's view once a game has started.
  GameView* Game() { return game_.get(); }

 private:
  void RunMenu();

  DesktopHost host_;
  // Outlives the session, whose audio player plays through it.
  MixerAudioBackend audio_;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<GameSession> session_;
  std::unique_ptr<GameView> game_;
};

// Changes to the gamebook folder of `options` and plays it; the exit status.
int PlayDesktop(const DesktopOptions& options);

}  // namespace qv
