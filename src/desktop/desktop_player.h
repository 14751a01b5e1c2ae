// The desktop player: the main menu, the start windows and the game window
// in one SDL window, run until the program ends.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/logging_audio_backend.h"
#include "desktop/desktop_comforts.h"
#include "desktop/desktop_host.h"
#include "desktop/desktop_options.h"
#include "desktop/game_view.h"
#include "desktop/mixer_audio_backend.h"
#include "interpreter/game_session.h"
#include "parser/random_source.h"
#include "state/load_list_window.h"
#include "state/name_entry_window.h"
#include "state/start_menu_window.h"
#include "ui/about_window.h"
#include "ui/start_action.h"

namespace qv {

class DesktopPlayer {
 public:
  // Opens the window and creates the main menu: the menu skin and the
  // initialization record are read. The gamebook is the current directory.
  // Throws DesktopError without a display.
  // `transcript`, when given, receives the story as it is played.
  explicit DesktopPlayer(DesktopOptions options,
                         std::optional<TranscriptWriter> transcript = std::nullopt);
  ~DesktopPlayer();

  // The main menu, then the game, until the program ends.
  void Run();

  // Opens the game window and starts a new game on location 1 (the name
  // entry, when it opened, has put the name in place).
  void StartGame();
  // Opens the game window with the position the load list chose; false
  // (back in the menu) when it could not be restored.
  bool StartLoadedGame();

  DesktopHost& Host() { return host_; }
  GameSession& Session() { return *session_; }
  StartMenuWindow& Menu() { return menu_; }
  LoadListWindow& LoadList() { return load_list_; }
  // The game window's view once a game has started.
  GameView* Game() { return game_.get(); }
  // The reading comforts of the game.
  DesktopComforts& Comforts() { return *comforts_; }
  // Every call the game made to the sound device, when the options asked
  // for the log; else null.
  const std::vector<std::string>* AudioCalls() const {
    return audio_log_ ? &audio_log_->Calls : nullptr;
  }

 private:
  // Carries out what a start window asked for; true when a game started.
  bool Follow(StartAction action);
  void OpenGameWindow();

  DesktopHost host_;
  // Outlives the session, whose audio player plays through it.
  MixerAudioBackend audio_;
  // Passes the calls on to audio_ and writes them down (LogAudioCalls).
  std::unique_ptr<LoggingAudioBackend> audio_log_;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<GameSession> session_;
  StartMenuWindow menu_;
  AboutWindow about_;
  NameEntryWindow name_entry_;
  LoadListWindow load_list_;
  std::unique_ptr<GameView> game_;
  std::unique_ptr<DesktopComforts> comforts_;
};

// Changes to the gamebook folder of `options` and plays it; the exit status
// (2 also when the transcript cannot be opened).
int PlayDesktop(const DesktopOptions& options);

}  // namespace qv
