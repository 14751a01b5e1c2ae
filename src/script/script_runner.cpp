#include "script/script_runner.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <variant>

#include "data/book_mount.h"
#include "data/cp1250.h"
#include "script/action_checks.h"
#include "script/game_actions.h"
#include "script/script_error.h"
#include "script/script_parser.h"
#include "script/window_drivers.h"
#include "script/comfort_dump.h"
#include "comforts/position_slots.h"
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

std::unique_ptr<RandomSource> MakeRandomSource(const ScriptOptions& options) {
  if (options.Seed) return std::make_unique<SeededRandomSource>(*options.Seed);
  return std::make_unique<ClockRandomSource>();
}

}  // namespace

ScriptRunner::ScriptRunner(std::istream& script, std::ostream& out, const ScriptOptions& options,
                           std::optional<TranscriptWriter> transcript)
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
  const ComfortSettings comforts = ApplyComfortFlags(ComfortSettings{}, options.Comforts);
  if (comforts != ComfortSettings{} || transcript) {
    comforts_ = std::make_unique<ComfortSession>(*session_, comforts, &speech_,
                                                 std::move(transcript));
    speech_shown_ = comforts.ReadAloud;
  }
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
  nlohmann::ordered_json dump = BuildDump(sources);
  if (comforts_) AddComfortKeys(dump, *comforts_, speech_shown_);
  out_ << JsonLine(dump) << '\n' << std::flush;
}

void ScriptRunner::Apply(const ScriptLine& line) {
  const StackedWindow top = windows_.Top();  // a copy: the actions may push windows
  const ScriptAction action = ParseAction(line, top.Kind, ScriptHostKind::Headless);
  if (std::holds_alternative<action::Dump>(action)) {
    PrintDump();
  } else if (const auto* tick = std::get_if<action::Tick>(&action)) {
    // The ticks pass in RunUntil, one by one, so that each runs under the
    // window on top at its time.
    if (game_started_) ticks_to_pass_ = tick->Count;
  } else if (top.Kind == kGameWindow) {
    if (!ApplyComfort(action)) ApplyGameAction(*session_, host_, action);
  } else if (top.Kind == kDeathWindow) {
    ApplyDeath();
  } else if (top.Kind == kMenuWindow || top.Kind == kNameWindow || top.Kind == kAboutWindow ||
             top.Kind == kLoadListWindow) {
    ApplyStartWindow(top.Kind, action);
  } else {
    ApplyModal(top, action);
  }
}

bool ScriptRunner::ApplyComfort(const ScriptAction& action) {
  const auto* key = std::get_if<action::PressKey>(&action);
  // V turns reading aloud on in any run: pressing it is the opt-in.
  if (key && key->Which == action::Key::V && !comforts_) {
    comforts_ = std::make_unique<ComfortSession>(*session_, ComfortSettings{}, &speech_,
                                                 std::nullopt);
  }
  if (!comforts_) return false;
  const auto show = [this](const std::optional<std::string>& message) {
    if (message) host_.ShowMessage(*message);
  };
  if (const auto* button = std::get_if<action::Button>(&action)) {
    if (button->Which != action::PageButton::Konec) return false;
    show(comforts_->SaveForContinue());
    return false;  // the button itself then ends the game
  }
  if (!key) return false;
  switch (key->Which) {
    case action::Key::F5:
      show(comforts_->QuickSave());
      return true;
    case action::Key::F9:
      show(comforts_->QuickLoad());
      return true;
    case action::Key::V:
      if (comforts_->ToggleReadAloud()) speech_shown_ = true;
      return true;
    case action::Key::R:
      comforts_->RepeatPage();
      return true;
    default:
      return false;  // H and Shift+C change only what a desktop shows
  }
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
      load_list_.FirstName =
          comforts_ && comforts_->Settings().Continue ? std::string(kContinueSlotName) : std::string();
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
  if (session_->StartLoadedGame()) {
    if (comforts_) comforts_->PositionLoaded(session_->State->LoadFileName);
    return;
  }
  if (host_.ProgramEnded()) return;
  // The position could not be read (its message is shown): the game window
  // does not open, and the player is back at the main menu.
  windows_.Pop();
  game_started_ = false;
}

void ScriptRunner::ApplyStartWindow(std::string_view window, const ScriptAction& action) {
  std::visit(Overloaded{
                 [&](const action::NewGame&) { Follow(menu_.NewGameClick()); },
                 [&](const action::OpenLoadList&) { Follow(menu_.LoadClick()); },
                 [&](const action::OpenAbout&) { Follow(menu_.AboutClick()); },
                 [&](const action::Exit&) { Follow(menu_.ExitClick()); },
                 [&](const action::TypeName& name) {
                   name_entry_.Edit = Utf8ToCp1250(name.Text);
                   const StartAction next = name_entry_.OkClick();
                   // The name window gives way to the game window.
                   windows_.Pop();
                   Follow(next);
                 },
                 [&](const action::Close&) {
                   if (window == kAboutWindow) {
                     about_.FormClick();
                   } else {
                     load_list_.FormClick();
                   }
                   windows_.Pop();
                 },
                 [&](const action::Load& load) {
                   CheckShown(action, "entry", load.Entry, load_list_.Labels.size());
                   load_list_.LabelMouseEnter(load.Entry);
                   if (!load_list_.LabelClick()) return;
                   // The game window takes the list's place, as it does the name
                   // window's.
                   windows_.Pop();
                   StartLoadedGame();
                 },
                 [&](const auto&) {
                   throw std::logic_error("'" + std::string(CommandWord(action)) +
                                          "' reached the " + std::string(window) + " window");
                 },
             },
             action);
}

// --- Modal windows ---------------------------------------------------------

void ScriptRunner::ApplyDeath() {
  // `ok` is the click on the picture.
  if (auto* death = dynamic_cast<DeathWindow*>(windows_.Top().Modal)) {
    death->PictureClick();
  } else {
    host_.EndProgram();
  }
}

void ScriptRunner::ApplyModal(const StackedWindow& window, const ScriptAction& action) {
  const auto driver = drivers_.find(window.Kind);
  if (driver == drivers_.end()) {
    throw ScriptError("'" + std::string(CommandWord(action)) + "' cannot be applied: the " +
                      window.Kind + " window cannot be driven by scripts yet");
  }
  driver->second->Apply(*window.Modal, action);
}

// --- The run ---------------------------------------------------------------

int RunScript(std::istream& script, std::ostream& out, const ScriptOptions& options) {
  try {
    std::optional<BookMount> book;
    if (!options.Directory.empty()) {
      auto entered = BookMount::Enter(options.Directory);
      if (const auto* message = std::get_if<std::string>(&entered)) {
        nlohmann::ordered_json line;
        line["error"] = *message;
        out << JsonLine(line) << '\n' << std::flush;
        return kScriptLineFailed;
      }
      book.emplace(std::move(std::get<BookMount>(entered)));
    }
    std::optional<TranscriptWriter> transcript;
    if (options.Comforts.TranscriptPath) {
      auto opened = TranscriptWriter::Open(*options.Comforts.TranscriptPath);
      if (auto* error = std::get_if<std::string>(&opened)) {
        nlohmann::ordered_json line;
        line["error"] = *error;
        out << JsonLine(line) << '\n' << std::flush;
        return kScriptLineFailed;
      }
      transcript = std::move(std::get<TranscriptWriter>(opened));
    }
    ScriptRunner runner(script, out, options, std::move(transcript));
    return runner.Run();
  } catch (const std::exception& error) {
    nlohmann::ordered_json line;
    line["error"] = std::string("internal error: ") + error.what();
    out << JsonLine(line) << '\n' << std::flush;
    return kScriptInternalError;
  }
}

}  // namespace qv
