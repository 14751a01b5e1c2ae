// The headless runner: plays a gamebook from a script, as a person would,
// and prints `dump` lines (the scripted-play contract).
//
// The run starts at the main menu with the initialization record read. Each
// script line acts on the window on top of the window stack; a modal window
// the game opens is driven by the lines that follow, from inside the game
// call that opened it (ScriptHost::RunModal).
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "audio/recording_audio_backend.h"
#include "comforts/comfort_session.h"
#include "comforts/speech_voice.h"
#include "comforts/transcript_writer.h"
#include "interpreter/game_session.h"
#include "parser/random_source.h"
#include "script/dump.h"
#include "script/script_action.h"
#include "script/script_host.h"
#include "script/script_options.h"
#include "script/script_reader.h"
#include "script/window_driver.h"
#include "script/window_stack.h"
#include "state/load_list_window.h"
#include "state/name_entry_window.h"
#include "state/start_menu_window.h"
#include "ui/about_window.h"
#include "ui/start_action.h"

namespace qv {

// Exit statuses of a run.
inline constexpr int kScriptCompleted = 0;  // the script ran out or the program ended
inline constexpr int kScriptInternalError = 1;
inline constexpr int kScriptLineFailed = 2;  // a line could not be applied

class ScriptRunner final : public CommandLoop {
 public:
  // The gamebook is the current directory; RunScript changes to it first.
  // `transcript`, when given, receives the story as it is played.
  ScriptRunner(std::istream& script, std::ostream& out, const ScriptOptions& options,
               std::optional<TranscriptWriter> transcript = std::nullopt);
  ~ScriptRunner() override;

  // Plays the whole script; returns the exit status.
  int Run();

  // Lets scripts drive a kind of modal window (replacing an earlier driver).
  void RegisterDriver(std::string kind, std::unique_ptr<WindowDriver> driver);

  void RunUntil(const std::function<bool()>& done) override;

  GameSession& Session() { return *session_; }
  // Null unless a comfort was turned on.
  ComfortSession* Comforts() { return comforts_.get(); }
  const WindowStack& Windows() const { return windows_; }

 private:
  void Apply(const ScriptLine& line);
  // The menu, the name entry, the about window and the load list.
  void ApplyStartWindow(std::string_view window, const ScriptAction& action);
  void ApplyDeath();
  void ApplyModal(const StackedWindow& window, const ScriptAction& action);
  bool TimerRuns() const;
  void StartGame();
  // Carries out what a start window asked for.
  void Follow(StartAction action);
  void StartLoadedGame();
  void PrintDump();
  // The comforts' keys and the end of the game they save on; false when the
  // action is none of theirs.
  bool ApplyComfort(const ScriptAction& action);

  ScriptReader reader_;
  std::ostream& out_;
  WindowStack windows_;
  ScriptHost host_;
  std::unique_ptr<RandomSource> random_;
  RecordingAudioBackend audio_device_;  // nothing is heard; the calls are dumped
  std::unique_ptr<GameSession> session_;
  LoadListWindow load_list_;  // the main menu's list of saved positions
  WindowDrivers drivers_;
  bool game_started_ = false;
  int32_t ticks_to_pass_ = 0;  // of the last `tick` line
  // The start windows, created with the program as the game's are.
  StartMenuWindow menu_;
  NameEntryWindow name_entry_;
  AboutWindow about_;
  // Reading aloud says nothing in a headless run; the calls are kept.
  RecordingSpeechVoice speech_;
  std::unique_ptr<ComfortSession> comforts_;
  // The dump shows "speech" once reading aloud has been on in the run.
  bool speech_shown_ = false;
};

// Changes to the gamebook folder of `options` and plays `script`, writing the
// dump lines (and a last error line on status 2) to `out`.
int RunScript(std::istream& script, std::ostream& out, const ScriptOptions& options);

}  // namespace qv
