#include "desktop/gui_script_runner.h"

#include <SDL.h>

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "data/book_mount.h"
#include "desktop/about_view.h"
#include "desktop/answer_view.h"
#include "desktop/desktop_player.h"
#include "desktop/gui_fight_lines.h"
#include "desktop/gui_possession_lines.h"
#include "desktop/load_list_view.h"
#include "desktop/png_file.h"
#include "desktop/save_view.h"
#include "desktop/settings_view.h"
#include "desktop/synthetic_input.h"
#include "script/action_checks.h"
#include "script/comfort_dump.h"
#include "script/dump.h"
#include "script/script_error.h"
#include "script/script_host.h"
#include "script/script_parser.h"
#include "script/script_reader.h"
#include "script/script_runner.h"
#include "script/window_drivers.h"
#include "script/window_stack.h"
#include "state/settings_window.h"
#include "ui/picture_popup_window.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

class GuiScriptRunner {
 public:
  GuiScriptRunner(std::istream& script, std::ostream& out, const ScriptOptions& options,
                  std::filesystem::path start_folder)
      : reader_(script),
        out_(out),
        start_folder_(std::move(start_folder)),
        record_(dump_windows_, options.ScreenWidth, options.ScreenHeight),
        drivers_(DefaultWindowDrivers()) {
    DesktopOptions desktop;
    desktop.Windowed = true;
    desktop.ScreenWidth = options.ScreenWidth;
    desktop.ScreenHeight = options.ScreenHeight;
    if (options.Seed) desktop.Seed = *options.Seed;
    // Message boxes do not stop a script: they are recorded and acknowledged.
    desktop.OnMessage = [this](std::string_view text) { record_.ShowMessage(text); };
    desktop.OnWebAddress = [this](std::string_view text) { record_.OpenWebAddress(text); };
    // The dump shows the calls to the sound device, as a headless run does.
    desktop.LogAudioCalls = true;
    desktop.Comforts = ApplyComfortFlags(ComfortSettings{}, options.Comforts);
    player_ = std::make_unique<DesktopPlayer>(desktop);
    player_->Host().SetIdleHandler([this] { return OnIdle(); });
    // The timer moves only by `tick` lines and during `wait` lines: how long
    // the other lines take must not change what a dump shows.
    player_->Host().HoldTimer(true);
  }

  int Run() {
    player_->Run();
    if (status_ != kScriptCompleted || script_over_) return status_;
    // The program ended on its own: the last dump, whatever lines remain.
    record_.EndProgram();
    PrintDump();
    return kScriptCompleted;
  }

 private:
  DesktopHost& Host() { return player_->Host(); }

  // Carries out script lines until one hands input to the windows or asks
  // for time to pass.
  int OnIdle() {
    if (status_ != kScriptCompleted || script_over_) {
      Host().EndProgram();
      return 0;
    }
    const uint64_t now = SDL_GetTicks64();
    if (now < wait_until_) return static_cast<int>(wait_until_ - now);
    Host().HoldTimer(true);
    // One tick of a `tick` line per round of the loop: the loop that runs
    // next is that of the window on top after it, which may be one the tick
    // opened or the one under a window it closed.
    if (ticks_to_pass_ > 0) {
      --ticks_to_pass_;
      if (TimerRuns()) player_->Session().Form.TimerTick();
      return 0;
    }
    while (!Host().ProgramEnded()) {
      const std::optional<ScriptLine> line = reader_.Next();
      if (!line) {
        script_over_ = true;
        Host().EndProgram();
        break;
      }
      try {
        if (Apply(*line)) break;
      } catch (const ScriptError& error) {
        Json failure;
        failure["error"] = "line " + std::to_string(line->Number) + ": " + error.what();
        out_ << JsonLine(failure) << '\n' << std::flush;
        status_ = kScriptLineFailed;
        Host().EndProgram();
        break;
      }
    }
    return 0;
  }

  const Layer& Top() { return *Host().Layers().back(); }

  // Nothing of the game moves behind the death window.
  bool TimerRuns() {
    for (const Layer* layer : Host().Layers()) {
      if (layer->Kind() == "death") return false;
    }
    return true;
  }

  // True when the line handed input to the windows or started a wait: the
  // loop takes over before the next line.
  bool Apply(const ScriptLine& line) {
    const std::string_view kind = Host().Layers().empty() ? std::string_view() : Top().Kind();
    const ScriptAction action = ParseAction(line, kind, ScriptHostKind::Desktop);
    return std::visit(Overloaded{
                          [&](const action::Dump&) {
                            PrintDump();
                            return false;
                          },
                          [&](const action::Tick& tick) {
                            // The timer belongs to the game window.
                            if (!player_->Game()) return false;
                            ticks_to_pass_ = tick.Count;
                            return true;
                          },
                          [&](const action::Wait& wait) {
                            wait_until_ =
                                SDL_GetTicks64() + static_cast<uint64_t>(wait.Milliseconds);
                            Host().HoldTimer(false);
                            return true;
                          },
                          [&](const action::Screenshot& shot) {
                            Screenshot(shot.File);
                            return false;
                          },
                          [&](const auto&) {
                            ApplyToWindow(kind, action);
                            return true;
                          },
                      },
                      action);
  }

  // One handler per kind of window: each turns the actions the parser gave
  // that kind into input.
  using WindowHandler = void (GuiScriptRunner::*)(const Layer& top, const ScriptAction& action);

  void ApplyToWindow(std::string_view kind, const ScriptAction& action) {
    static constexpr std::pair<std::string_view, WindowHandler> kHandlers[] = {
        {"menu", &GuiScriptRunner::ApplyMenu},
        {"name", &GuiScriptRunner::ApplyName},
        {"about", &GuiScriptRunner::ApplyEscape},
        {"game", &GuiScriptRunner::ApplyGame},
        {"answer", &GuiScriptRunner::ApplyAnswer},
        {"picture", &GuiScriptRunner::ApplyPicture},
        {"settings", &GuiScriptRunner::ApplySettings},
        {"load-list", &GuiScriptRunner::ApplyLoadList},
        {"save", &GuiScriptRunner::ApplySave},
        {"fight", &GuiScriptRunner::ApplyFight},
        {"sheet", &GuiScriptRunner::ApplyPossession},
        {"inventory", &GuiScriptRunner::ApplyPossession},
        {"shop", &GuiScriptRunner::ApplyPossession},
        {"sell", &GuiScriptRunner::ApplyPossession},
        {"death", &GuiScriptRunner::ApplyEnter},  // `ok`
    };
    for (const auto& [name, handler] : kHandlers) {
      if (name == kind) return (this->*handler)(Top(), action);
    }
    throw std::logic_error("no input for the " + std::string(kind) + " window");
  }

  void ApplyMenu(const Layer&, const ScriptAction& action) {
    std::visit(Overloaded{
                   [](const action::NewGame&) { PushKey(SDLK_RETURN); },
                   [](const action::OpenAbout&) { PushKey(SDLK_3); },
                   [](const action::Exit&) { PushKey(SDLK_ESCAPE); },
                   [](const action::OpenLoadList&) { PushKey(SDLK_2); },
                   [](const auto&) {},
               },
               action);
  }

  void ApplyName(const Layer&, const ScriptAction& action) {
    PushText(std::get<action::TypeName>(action).Text);
    PushKey(SDLK_RETURN);
  }

  void ApplyEscape(const Layer&, const ScriptAction&) { PushKey(SDLK_ESCAPE); }
  void ApplyEnter(const Layer&, const ScriptAction&) { PushKey(SDLK_RETURN); }

  // A control of the page that must be on the screen to be clicked.
  Rect OnScreen(const ScriptAction& action, const Rect& area, std::string_view what, int32_t n) {
    const Rect screen{0, 0, Host().LogicalWidth(), Host().LogicalHeight()};
    const int x = area.CentreX();
    const int y = area.CentreY();
    if (area.Width <= 0 || area.Height <= 0 || !screen.Contains(x, y)) {
      throw ScriptError(std::string(CommandWord(action)) + ": " + std::string(what) + " " +
                        std::to_string(n) + " is not on the screen (scroll to it first)");
    }
    return area;
  }

  void ApplyGame(const Layer&, const ScriptAction& action) {
    GameView& game = *player_->Game();
    const GameWindow& form = player_->Session().Form;
    std::visit(Overloaded{
                   [&](const action::Choose& a) {
                     CheckShown(action, "option", a.Option, form.OptionLabels.size());
                     PushClick(OnScreen(action, game.OptionArea(a.Option), "option", a.Option));
                   },
                   [&](const action::ClickText& a) {
                     CheckShown(action, "text block", a.Block, form.TextBlocks.size());
                     PushClick(OnScreen(action, game.TextArea(a.Block), "text block", a.Block));
                   },
                   [&](const action::ClickPicture& a) {
                     CheckShown(action, "picture", a.Picture, form.InTextPictures.size());
                     PushClick(OnScreen(action, game.PictureArea(a.Picture), "picture", a.Picture));
                   },
                   [&](const action::PressKey& a) { PushGameKey(a.Which); },
                   [&](const action::Wheel& a) { PushWheel(a.Up ? 1 : -1); },
                   [&](const action::Button& a) {
                     const Rect area = a.Which == action::PageButton::Pokracovat
                                           ? game.ContinueArea()
                                           : game.ButtonArea(ButtonOnScreen(a.Which));
                     if (area.Width <= 0) ThrowButtonNotShown(a.Which);
                     PushClick(area);
                   },
                   [](const auto&) {},
               },
               action);
  }

  static void PushGameKey(action::Key key) {
    using action::Key;
    switch (key) {
      case Key::Up:
        return PushScancode(SDL_SCANCODE_UP);
      case Key::Down:
        return PushScancode(SDL_SCANCODE_DOWN);
      case Key::PageUp:
        return PushScancode(SDL_SCANCODE_PAGEUP);
      case Key::PageDown:
        return PushScancode(SDL_SCANCODE_PAGEDOWN);
      case Key::Kp8:
        return PushScancode(SDL_SCANCODE_KP_8);
      case Key::Kp2:
        return PushScancode(SDL_SCANCODE_KP_2);
      case Key::AltF4:
        return PushKey(SDLK_F4, KMOD_LALT);
      case Key::F5:
        return PushKey(SDLK_F5);
      case Key::F9:
        return PushKey(SDLK_F9);
      case Key::V:
        return PushKey(SDLK_v);
      case Key::R:
        return PushKey(SDLK_r);
      case Key::H:
        return PushKey(SDLK_h);
      case Key::ShiftC:
        return PushKey(SDLK_c, KMOD_LSHIFT);
    }
  }

  // The button of the game view's row (every page button but "pokracovat").
  static GameButton ButtonOnScreen(action::PageButton button) {
    using action::PageButton;
    switch (button) {
      case PageButton::Postava:
        return GameButton::Postava;
      case PageButton::Vybaveni:
        return GameButton::Vybaveni;
      case PageButton::Napoveda:
        return GameButton::Napoveda;
      case PageButton::Audio:
        return GameButton::Audio;
      case PageButton::Konec:
      case PageButton::Pokracovat:
        break;
    }
    return GameButton::Konec;
  }

  void ApplyAnswer(const Layer& top, const ScriptAction& action) {
    auto& window = dynamic_cast<AnswerPromptWindow&>(*top.Window());
    PushText(std::get<action::Answer>(action).Text);
    PushClick(AnswerView(Host(), window).OkArea(Host().Paint()));
  }

  void ApplyPicture(const Layer& top, const ScriptAction&) {
    const auto& window = dynamic_cast<const PicturePopupWindow&>(*top.Window());
    if (window.Width < 1 || window.Height < 1) {
      throw ScriptError("close: the picture has no area to click");
    }
    PushClick(Rect{window.Left, window.Top, window.Width, window.Height});
  }

  void ApplyLoadList(const Layer& top, const ScriptAction& action) {
    auto& window = dynamic_cast<LoadListWindow&>(*top.Window());
    const auto* load = std::get_if<action::Load>(&action);
    if (!load) {
      PushKey(SDLK_ESCAPE);  // `close`
      return;
    }
    CheckShown(action, "entry", load->Entry, window.Labels.size());
    PushClick(LoadListView(Host(), window).LabelArea(load->Entry));
  }

  void ApplySave(const Layer& top, const ScriptAction& action) {
    auto& window = dynamic_cast<SaveWindow&>(*top.Window());
    SaveView view(Host(), window);
    const auto* save = std::get_if<action::Save>(&action);
    if (!save) {
      PushClick(view.DontSaveArea());  // `nosave`
      return;
    }
    // The field proposes a name; the script's name replaces it.
    for (std::size_t i = 0; i < window.NameField.size(); ++i) PushKey(SDLK_BACKSPACE);
    PushText(save->Name);
    PushClick(view.SaveArea());
  }

  void ApplySettings(const Layer& top, const ScriptAction& action) {
    auto& window = dynamic_cast<SettingsWindow&>(*top.Window());
    SettingsView view(Host(), window);
    using action::Channel;
    std::visit(Overloaded{
                   [&](const action::Switch& a) {
                     const int row = a.Which == Channel::Sound ? 0 : 1;
                     const bool checked = row == 0 ? window.SoundOn : window.MusicOn;
                     if (a.On != checked) PushClick(view.CheckBoxArea(row));
                   },
                   [&](const action::Volume& a) {
                     const int row = a.Which == Channel::Sound ? 0 : 1;
                     // A click on the track comes as near as its pixels allow;
                     // the arrow keys move the slider the rest of the way.
                     const Rect slider = view.SliderArea(row);
                     const int offset = SettingsView::TrackOffset(a.Value);
                     const int x = window.Left + 15 + offset;
                     PushClick(Rect{x, slider.Top, 1, slider.Height});
                     const int32_t reached = SettingsView::PositionAt(offset);
                     for (int32_t i = reached; i < a.Value; ++i) PushKey(SDLK_RIGHT);
                     for (int32_t i = reached; i > a.Value; --i) PushKey(SDLK_LEFT);
                   },
                   [&](const action::Ok&) { PushClick(view.OkArea()); },
                   [&](const action::Close&) { PushKey(SDLK_ESCAPE); },
                   [](const auto&) {},
               },
               action);
  }

  void ApplyFight(const Layer& top, const ScriptAction& action) {
    ApplyFightAction(Host(), top, action);
  }

  void ApplyPossession(const Layer& top, const ScriptAction& action) {
    ApplyPossessionAction(Host(), top, action);
  }

  void Screenshot(const std::string& file) {
    std::filesystem::path path(file);
    // Named from where quarvelin was started, as the script is.
    if (path.is_relative()) path = start_folder_ / path;
    Picture frame;
    Host().Render(&frame);
    if (!WritePng(path.string(), frame)) {
      throw ScriptError("screenshot: cannot write '" + file + "'");
    }
  }

  void PrintDump() {
    dump_windows_ = WindowStack();
    const std::vector<Layer*>& layers = Host().Layers();
    // The main menu stays under the game, as the program's main window.
    if (layers.empty() || layers.front()->Kind() != "menu") dump_windows_.Push("menu");
    for (const Layer* layer : layers) dump_windows_.Push(layer->Kind(), layer->Window());
    const DumpSources sources{player_->Session(),  dump_windows_, record_,
                              player_->LoadList(), drivers_,      player_->AudioCalls()};
    nlohmann::ordered_json dump = BuildDump(sources);
    if (const ComfortSession* comforts = player_->Comforts().Session()) {
      AddComfortKeys(dump, *comforts, comforts->Settings().ReadAloud);
    }
    out_ << JsonLine(dump) << '\n' << std::flush;
  }

  ScriptReader reader_;
  std::ostream& out_;
  std::filesystem::path start_folder_;
  WindowStack dump_windows_;
  // Keeps the message boxes and web addresses for the dump.
  ScriptHost record_;
  WindowDrivers drivers_;
  std::unique_ptr<DesktopPlayer> player_;
  uint64_t wait_until_ = 0;
  int32_t ticks_to_pass_ = 0;  // of the last `tick` line
  int status_ = kScriptCompleted;
  bool script_over_ = false;
};

}  // namespace

int RunGuiScript(std::istream& script, std::ostream& out, const ScriptOptions& options) {
  std::error_code error;
  const std::filesystem::path start_folder = std::filesystem::current_path(error);
  std::optional<BookMount> book;
  if (!options.Directory.empty()) {
    auto entered = BookMount::Enter(options.Directory);
    if (const auto* message = std::get_if<std::string>(&entered)) {
      Json line;
      line["error"] = *message;
      out << JsonLine(line) << '\n' << std::flush;
      return kScriptLineFailed;
    }
    book.emplace(std::move(std::get<BookMount>(entered)));
  }
  try {
    GuiScriptRunner runner(script, out, options, start_folder);
    return runner.Run();
  } catch (const std::exception& failure) {
    Json line;
    line["error"] = std::string("internal error: ") + failure.what();
    out << JsonLine(line) << '\n' << std::flush;
    return kScriptInternalError;
  }
}

}  // namespace qv
