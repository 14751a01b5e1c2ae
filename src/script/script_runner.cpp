#include "script/script_runner.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "data/cp1250.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/window_drivers.h"
#include "ui/death_window.h"

namespace qv {

namespace {

// The script ran out while a window was still open: the run is over.
struct ScriptFinished {};

// A line that could not be applied, with its number.
struct LineFailure {
  int Line = 0;
  std::string Message;
};

constexpr int kKeyScroll = 100;
constexpr int kWheelScroll = 150;

std::unique_ptr<RandomSource> MakeRandomSource(const ScriptOptions& options) {
  if (options.Seed) return std::make_unique<SeededRandomSource>(*options.Seed);
  return std::make_unique<ClockRandomSource>();
}

[[noreturn]] void DoesNotFit(const ScriptLine& line, std::string_view window) {
  throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                    std::string(window) + ")");
}

}  // namespace

ScriptRunner::ScriptRunner(std::istream& script, std::ostream& out, const ScriptOptions& options)
    : reader_(script),
      out_(out),
      host_(windows_, options.ScreenWidth, options.ScreenHeight),
      random_(MakeRandomSource(options)),
      session_(std::make_unique<GameSession>(host_, *random_, &audio_device_)),
      load_list_(*session_->State),
      drivers_(DefaultWindowDrivers()),
      menu_(*session_->State),
      name_entry_(*session_->State) {
  host_.SetLoop(this);
}

ScriptRunner::~ScriptRunner() { host_.SetLoop(nullptr); }

void ScriptRunner::RegisterDriver(std::string kind, std::unique_ptr<WindowDriver> driver) {
  drivers_[std::move(kind)] = std::move(driver);
}

int ScriptRunner::Run() {
  try {
    // The main menu is created as for a person: it reads the record.
    if (session_->LoadInitRecord()) menu_.FormCreate(session_->Record);
    menu_.CentreOnScreen(host_.ScreenWidth(), host_.ScreenHeight());
    windows_.Push(kMenuWindow);
    RunUntil([this] { return host_.ProgramEnded(); });
    PrintDump();  // the program ended: the last dump, whatever lines remain
    return kScriptCompleted;
  } catch (const ScriptFinished&) {
    return kScriptCompleted;
  } catch (const LineFailure& failure) {
    nlohmann::ordered_json error;
    error["error"] = "line " + std::to_string(failure.Line) + ": " + failure.Message;
    out_ << JsonLine(error) << '\n' << std::flush;
    return kScriptLineFailed;
  }
}

void ScriptRunner::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    // Time asked for goes on under whatever window is on top now, also one
    // a tick has just opened or closed, before the next line is read.
    if (ticks_to_pass_ > 0) {
      // Nothing but a line can change a game whose timer stands still.
      if (!TimerRuns()) {
        ticks_to_pass_ = 0;
        continue;
      }
      --ticks_to_pass_;
      session_->Form.TimerTick();
      continue;
    }
    const std::optional<ScriptLine> line = reader_.Next();
    if (!line) throw ScriptFinished{};
    try {
      Apply(*line);
    } catch (const ScriptError& error) {
      throw LineFailure{line->Number, error.what()};
    }
  }
}

void ScriptRunner::PrintDump() {
  const DumpSources sources{*session_, windows_, host_, load_list_, drivers_, &audio_device_.Calls};
  out_ << JsonLine(BuildDump(sources)) << '\n' << std::flush;
}

void ScriptRunner::Apply(const ScriptLine& line) {
  if (!IsKnownCommand(line.Command)) throw ScriptError("unknown command '" + line.Command + "'");
  if (line.Command == "dump") {
    ExpectNoArguments(line);
    PrintDump();
    return;
  }
  if (line.Command == "tick") {
    Tick(line);
    return;
  }
  if (line.Command == "screenshot" || line.Command == "wait") {
    throw ScriptError("'" + line.Command + "' needs the desktop windows (--gui)");
  }

  const StackedWindow top = windows_.Top();  // a copy: the commands may push windows
  bool applied = false;
  if (top.Kind == kMenuWindow) {
    applied = ApplyMenu(line);
  } else if (top.Kind == kNameWindow) {
    applied = ApplyNameEntry(line);
  } else if (top.Kind == kAboutWindow) {
    applied = ApplyAbout(line);
  } else if (top.Kind == kLoadListWindow) {
    applied = ApplyLoadList(line);
  } else if (top.Kind == kGameWindow) {
    applied = ApplyGame(line);
  } else if (top.Kind == kDeathWindow) {
    applied = ApplyDeath(line);
  } else if (top.Modal) {
    applied = ApplyModal(top, line);
  }
  if (!applied) DoesNotFit(line, top.Kind);
}

// --- Every window ----------------------------------------------------------

void ScriptRunner::Tick(const ScriptLine& line) {
  const int32_t count = OptionalNumberArgument(line).value_or(1);
  if (count < 0) throw ScriptError("tick: the number of ticks cannot be negative");
  if (!game_started_) return;
  // The ticks pass in RunUntil, one by one, so that each runs under the
  // window on top at its time.
  ticks_to_pass_ = count;
}

bool ScriptRunner::TimerRuns() const {
  // The game window's timer runs from the start of the game on, under every
  // window it opens, but nothing of the game moves behind the death window.
  return game_started_ && !windows_.Contains(kDeathWindow);
}

// --- The start windows -----------------------------------------------------

void ScriptRunner::StartGame() {
  windows_.Push(kGameWindow);
  game_started_ = true;
  // The name entry, when it opened, has put the typed name in place.
  session_->StartNewGame();
}

void ScriptRunner::Follow(StartAction action) {
  if (IsGameStart(action) && session_->RefusesGame()) return;
  switch (action) {
    case StartAction::None:
      break;
    case StartAction::OpenNameEntry:
      windows_.Push(kNameWindow, &name_entry_);
      break;
    case StartAction::OpenGame:
      StartGame();
      break;
    case StartAction::OpenLoadList:
      load_list_.Reopen();
      load_list_.FormShow();
      windows_.Push(kLoadListWindow, &load_list_);
      break;
    case StartAction::OpenAbout:
      about_.FormShow(menu_.Left, menu_.Top);
      windows_.Push(kAboutWindow, &about_);
      break;
    case StartAction::EndProgram:
      host_.EndProgram();
      break;
  }
}

void ScriptRunner::StartLoadedGame() {
  windows_.Push(kGameWindow);
  game_started_ = true;
  if (session_->StartLoadedGame() || host_.ProgramEnded()) return;
  // The position could not be read (its message is shown): the game window
  // does not open, and the player is back at the main menu.
  windows_.Pop();
  game_started_ = false;
}

bool ScriptRunner::ApplyMenu(const ScriptLine& line) {
  const std::string& command = line.Command;
  if (command != "new-game" && command != "load-list" && command != "about" && command != "exit") {
    return false;
  }
  ExpectNoArguments(line);
  if (command == "new-game") {
    Follow(menu_.NewGameClick());
  } else if (command == "load-list") {
    Follow(menu_.LoadClick());
  } else if (command == "about") {
    Follow(menu_.AboutClick());
  } else {
    Follow(menu_.ExitClick());
  }
  return true;
}

bool ScriptRunner::ApplyNameEntry(const ScriptLine& line) {
  if (line.Command != "name") return false;
  name_entry_.Edit = Utf8ToCp1250(line.Text);
  const StartAction action = name_entry_.OkClick();
  // The name window gives way to the game window.
  windows_.Pop();
  Follow(action);
  return true;
}

bool ScriptRunner::ApplyAbout(const ScriptLine& line) {
  if (line.Command != "close") return false;
  ExpectNoArguments(line);
  about_.FormClick();
  windows_.Pop();
  return true;
}

bool ScriptRunner::ApplyLoadList(const ScriptLine& line) {
  if (line.Command == "close") {
    ExpectNoArguments(line);
    load_list_.FormClick();
    windows_.Pop();
    return true;
  }
  if (line.Command != "load") return false;
  const int32_t n = NumberArgument(line);
  const auto shown = static_cast<int32_t>(load_list_.Labels.size());
  if (n < 1 || n > shown) {
    throw ScriptError("load: there is no entry " + std::to_string(n) + " (" +
                      std::to_string(shown) + " shown)");
  }
  load_list_.LabelMouseEnter(n);
  if (!load_list_.LabelClick()) return true;
  // The game window takes the list's place, as it does the name window's.
  windows_.Pop();
  StartLoadedGame();
  return true;
}

// --- The game window -------------------------------------------------------

bool ScriptRunner::ApplyGame(const ScriptLine& line) {
  GameWindow& form = session_->Form;
  const std::string& command = line.Command;
  if (command == "choose") {
    const int32_t n = NumberArgument(line);
    const auto shown = static_cast<int32_t>(form.OptionLabels.size());
    if (n < 1 || n > shown) {
      throw ScriptError("choose: there is no option " + std::to_string(n) + " (" +
                        std::to_string(shown) + " shown)");
    }
    form.HoverOption(n);
    form.OptionClick();
  } else if (command == "click-text") {
    const int32_t n = NumberArgument(line);
    const auto shown = static_cast<int32_t>(form.TextBlocks.size());
    if (n < 1 || n > shown) {
      throw ScriptError("click-text: there is no text block " + std::to_string(n) + " (" +
                        std::to_string(shown) + " shown)");
    }
    form.LeaveOptions();
    form.TextBlockClick(n);
  } else if (command == "click-picture") {
    const int32_t n = NumberArgument(line);
    const auto shown = static_cast<int32_t>(form.InTextPictures.size());
    if (n < 1 || n > shown) {
      throw ScriptError("click-picture: there is no picture " + std::to_string(n) + " (" +
                        std::to_string(shown) + " shown)");
    }
    form.LeaveOptions();
    form.PictureClick(n);
  } else if (command == "key") {
    const std::string_view key = WordArgument(line);
    if (key == "up" || key == "pageup" || key == "kp8") {
      form.ScrollColumn(kKeyScroll);
    } else if (key == "down" || key == "pagedown" || key == "kp2") {
      form.ScrollColumn(-kKeyScroll);
    } else if (key != "alt-f4") {  // Alt+F4 is swallowed: the window stays
      throw ScriptError("key: unknown key '" + std::string(key) + "'");
    }
  } else if (command == "wheel") {
    const std::string_view direction = WordArgument(line);
    if (direction == "up") {
      form.ScrollColumn(kWheelScroll);
    } else if (direction == "down") {
      form.ScrollColumn(-kWheelScroll);
    } else {
      throw ScriptError("wheel: up or down, not '" + std::string(direction) + "'");
    }
  } else if (command == "button") {
    const std::string_view button = WordArgument(line);
    form.LeaveOptions();
    if (!ApplyButton(button))
      throw ScriptError("button: unknown button '" + std::string(button) + "'");
  } else {
    return false;
  }
  return true;
}

bool ScriptRunner::ApplyButton(std::string_view button) {
  GameWindow& form = session_->Form;
  const auto hidden = [button] {
    return ScriptError("button: '" + std::string(button) + "' is not shown");
  };
  if (button == "napoveda") {
    if (!form.HelpButtonVisible) throw hidden();
    form.HelpClick();
  } else if (button == "konec") {
    host_.EndProgram();
  } else if (button == "pokracovat") {
    if (!form.ContinueButtonVisible) throw hidden();
    // Moving onto the button makes the restored location the next one.
    session_->State->NextLocation = session_->State->World.Location;
    form.OptionClick();
  } else if (button == "postava") {
    if (!form.SheetButtonVisible) throw hidden();
    form.PostavaClick();
  } else if (button == "vybaveni") {
    if (!form.EquipmentButtonVisible) throw hidden();
    form.VybaveniClick();
  } else if (button == "audio") {
    if (!form.AudioButtonVisible) throw hidden();
    form.AudioClick();
  } else {
    return false;
  }
  return true;
}

// --- Modal windows ---------------------------------------------------------

bool ScriptRunner::ApplyDeath(const ScriptLine& line) {
  if (line.Command != "ok") return false;
  ExpectNoArguments(line);
  // `ok` is the click on the picture.
  if (auto* death = dynamic_cast<DeathWindow*>(windows_.Top().Modal)) {
    death->PictureClick();
  } else {
    host_.EndProgram();
  }
  return true;
}

bool ScriptRunner::ApplyModal(const StackedWindow& window, const ScriptLine& line) {
  const auto driver = drivers_.find(window.Kind);
  if (driver == drivers_.end()) {
    throw ScriptError("'" + line.Command + "' cannot be applied: the " + window.Kind +
                      " window cannot be driven by scripts yet");
  }
  driver->second->Apply(*window.Modal, line);
  return true;
}

// --- The run ---------------------------------------------------------------

int RunScript(std::istream& script, std::ostream& out, const ScriptOptions& options) {
  try {
    if (!options.Directory.empty()) {
      std::error_code error;
      std::filesystem::current_path(options.Directory, error);
      if (error) {
        nlohmann::ordered_json line;
        line["error"] =
            "cannot change to the gamebook folder '" + options.Directory + "': " + error.message();
        out << JsonLine(line) << '\n' << std::flush;
        return kScriptLineFailed;
      }
    }
    ScriptRunner runner(script, out, options);
    return runner.Run();
  } catch (const std::exception& error) {
    nlohmann::ordered_json line;
    line["error"] = std::string("internal error: ") + error.what();
    out << JsonLine(line) << '\n' << std::flush;
    return kScriptInternalError;
  }
}

}  // namespace qv
