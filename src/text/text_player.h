// `quarvelin text`: plays a gamebook in a terminal, for people and screen
// readers. The main menu, the name entry and the about window are prompts;
// the game window is read out as text (page_report.h) and driven by typed
// lines (text_command.h); the game's windows go through TextHost.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "comforts/comfort_session.h"
#include "comforts/comfort_settings.h"
#include "comforts/transcript_writer.h"
#include "interpreter/game_session.h"
#include "parser/random_source.h"
#include "state/load_list_window.h"
#include "state/name_entry_window.h"
#include "state/start_menu_window.h"
#include "text/page_report.h"
#include "text/text_command.h"
#include "text/text_host.h"
#include "text/text_input.h"
#include "ui/about_window.h"
#include "ui/start_action.h"

namespace qv {

// One timer second: what an empty line lets pass.
inline constexpr int kTicksPerSecond = 10;

class TextPlayer {
 public:
  // The gamebook is the current directory. `seed` fixes the dice. With
  // `screen_lines` above 0, a page longer than that is shown a screenful at
  // a time, each part after an Enter (a terminal's height; 0 for pipes).
  // `comforts`: the reading comforts turned on. Reading aloud is never done
  // here: the terminal is read by the system's own screen reader, and a
  // second voice would speak over it. `transcript` receives the story.
  TextPlayer(std::istream& in, std::ostream& out, std::optional<uint64_t> seed = std::nullopt,
             int screen_lines = 0, ComfortSettings comforts = {},
             std::optional<TranscriptWriter> transcript = std::nullopt);

  // Plays from the main menu until the program ends or the input does.
  void Run();

  GameSession& Session() { return *session_; }

 private:
  void ShowMenu();
  void Follow(StartAction action);
  void ShowAbout();
  void ShowNameEntry();
  void ShowLoadList();
  void PlayGame();
  void Apply(const TextCommand& command);
  void Wait();
  // Reads out what is new on the page, a screenful at a time.
  void ReportPage(bool settled);

  TextInput input_;
  std::ostream& out_;
  TextHost host_;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<GameSession> session_;
  int screen_lines_ = 0;
  std::ostringstream page_text_;
  PageReporter page_;
  StartMenuWindow menu_;
  NameEntryWindow name_entry_;
  AboutWindow about_;
  LoadListWindow load_list_;
  bool game_started_ = false;
  std::unique_ptr<ComfortSession> comforts_;  // null with every comfort off
};

// Enters the gamebook `directory` (when not empty: a folder or an archive)
// and plays; returns the exit status: 0, or 1 when there is no gamebook to
// enter, said on standard error. A transcript that cannot be opened is
// reported there too and gives 2. Long pages are shown a screenful at a
// time when both ends are a terminal.
int RunTextPlayer(std::istream& in, std::ostream& out, const std::string& directory,
                  std::optional<uint64_t> seed = std::nullopt, ComfortSettings comforts = {});

}  // namespace qv
