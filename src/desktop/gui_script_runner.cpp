#include "desktop/gui_script_runner.h"

#include <SDL.h>

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

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
#include "script/dump.h"
#include "script/script_commands.h"
#include "script/script_error.h"
#include "script/script_host.h"
#include "script/script_reader.h"
#include "script/script_runner.h"
#include "script/window_drivers.h"
#include "script/window_stack.h"
#include "state/settings_window.h"
#include "ui/picture_popup_window.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

[[noreturn]] void DoesNotFit(const ScriptLine& line, std::string_view window) {
  throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                    std::string(window) + ")");
}

[[noreturn]] void NotShownHere(const ScriptLine& line, std::string_view window) {
  throw ScriptError("'" + line.Command + "' cannot be applied: the " + std::string(window) +
                    " window cannot be shown in the desktop window yet");
}

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
    player_ = std::make_unique<DesktopPlayer>(desktop);
    player_->Host().SetIdleHandler([this] { return OnIdle(); });
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
    if (!IsKnownCommand(line.Command)) throw ScriptError("unknown command '" + line.Command + "'");
    if (line.Command == "dump") {
      ExpectNoArguments(line);
      PrintDump();
      return false;
    }
    if (line.Command == "tick") {
      const int32_t count = OptionalNumberArgument(line).value_or(1);
      if (count < 0) throw ScriptError("tick: the number of ticks cannot be negative");
      if (!player_->Game()) return false;  // the timer belongs to the game window
      ticks_to_pass_ = count;
      return true;
    }
    if (line.Command == "wait") {
      const int32_t ms = NumberArgument(line);
      if (ms < 0) throw ScriptError("wait: the time cannot be negative");
      wait_until_ = SDL_GetTicks64() + static_cast<uint64_t>(ms);
      return true;
    }
    if (line.Command == "screenshot") {
      Screenshot(line);
      return false;
    }
    if (Host().Layers().empty()) DoesNotFit(line, "");
    const Layer& top = Top();
    const std::string_view kind = top.Kind();
    if (kind == "menu") return ApplyMenu(line);
    if (kind == "name") return ApplyName(line);
    if (kind == "about") return ApplyAbout(line);
    if (kind == "game") return ApplyGame(line);
    if (kind == "answer") return ApplyAnswer(line, top);
    if (kind == "picture") return ApplyPicture(line, top);
    if (kind == "settings") return ApplySettings(line, top);
    if (kind == "load-list") return ApplyLoadList(line, top);
    if (kind == "save") return ApplySave(line, top);
    if (kind == "fight") return ApplyFightLine(Host(), top, line);
    if (IsPossessionWindow(kind)) return ApplyPossessionLine(Host(), line, top);
    if (kind == "death") {
      if (line.Command != "ok") DoesNotFit(line, kind);
      ExpectNoArguments(line);
      PushKey(SDLK_RETURN);
      return true;
    }
    NotShownHere(line, kind);
  }

  bool ApplyMenu(const ScriptLine& line) {
    if (line.Command == "new-game") {
      ExpectNoArguments(line);
      PushKey(SDLK_RETURN);
    } else if (line.Command == "about") {
      ExpectNoArguments(line);
      PushKey(SDLK_3);
    } else if (line.Command == "exit") {
      ExpectNoArguments(line);
      PushKey(SDLK_ESCAPE);
    } else if (line.Command == "load-list") {
      ExpectNoArguments(line);
      PushKey(SDLK_2);
    } else {
      DoesNotFit(line, "menu");
    }
    return true;
  }

  bool ApplyName(const ScriptLine& line) {
    if (line.Command != "name") DoesNotFit(line, "name");
    PushText(line.Text);
    PushKey(SDLK_RETURN);
    return true;
  }

  bool ApplyAbout(const ScriptLine& line) {
    if (line.Command != "close") DoesNotFit(line, "about");
    ExpectNoArguments(line);
    PushKey(SDLK_ESCAPE);
    return true;
  }

  // A control of the page that must be on the screen to be clicked.
  Rect OnScreen(const ScriptLine& line, const Rect& area, std::string_view what, int32_t n) {
    const Rect screen{0, 0, Host().LogicalWidth(), Host().LogicalHeight()};
    const int x = area.CentreX();
    const int y = area.CentreY();
    if (area.Width <= 0 || area.Height <= 0 || !screen.Contains(x, y)) {
      throw ScriptError(line.Command + ": " + std::string(what) + " " + std::to_string(n) +
                        " is not on the screen (scroll to it first)");
    }
    return area;
  }

  bool ApplyGame(const ScriptLine& line) {
    GameView& game = *player_->Game();
    const GameWindow& form = player_->Session().Form;
    const std::string& command = line.Command;
    const auto count_error = [&](std::string_view what, int32_t n, std::size_t shown) {
      return ScriptError(command + ": there is no " + std::string(what) + " " + std::to_string(n) +
                         " (" + std::to_string(shown) + " shown)");
    };
    if (command == "choose") {
      const int32_t n = NumberArgument(line);
      if (n < 1 || n > static_cast<int32_t>(form.OptionLabels.size())) {
        throw count_error("option", n, form.OptionLabels.size());
      }
      PushClick(OnScreen(line, game.OptionArea(n), "option", n));
    } else if (command == "click-text") {
      const int32_t n = NumberArgument(line);
      if (n < 1 || n > static_cast<int32_t>(form.TextBlocks.size())) {
        throw count_error("text block", n, form.TextBlocks.size());
      }
      PushClick(OnScreen(line, game.TextArea(n), "text block", n));
    } else if (command == "click-picture") {
      const int32_t n = NumberArgument(line);
      if (n < 1 || n > static_cast<int32_t>(form.InTextPictures.size())) {
        throw count_error("picture", n, form.InTextPictures.size());
      }
      PushClick(OnScreen(line, game.PictureArea(n), "picture", n));
    } else if (command == "key") {
      const std::string_view key = WordArgument(line);
      if (key == "up") {
        PushScancode(SDL_SCANCODE_UP);
      } else if (key == "down") {
        PushScancode(SDL_SCANCODE_DOWN);
      } else if (key == "pageup") {
        PushScancode(SDL_SCANCODE_PAGEUP);
      } else if (key == "pagedown") {
        PushScancode(SDL_SCANCODE_PAGEDOWN);
      } else if (key == "kp8") {
        PushScancode(SDL_SCANCODE_KP_8);
      } else if (key == "kp2") {
        PushScancode(SDL_SCANCODE_KP_2);
      } else if (key == "alt-f4") {
        PushKey(SDLK_F4, KMOD_LALT);
      } else {
        throw ScriptError("key: unknown key '" + std::string(key) + "'");
      }
    } else if (command == "wheel") {
      const std::string_view direction = WordArgument(line);
      if (direction != "up" && direction != "down") {
        throw ScriptError("wheel: up or down, not '" + std::string(direction) + "'");
      }
      PushWheel(direction == "up" ? 1 : -1);
    } else if (command == "button") {
      const std::string_view name = WordArgument(line);
      Rect area;
      if (name == "pokracovat") {
        area = game.ContinueArea();
      } else {
        const std::optional<GameButton> button = ButtonNamed(name);
        if (!button) throw ScriptError("button: unknown button '" + std::string(name) + "'");
        area = game.ButtonArea(*button);
      }
      if (area.Width <= 0) throw ScriptError("button: '" + std::string(name) + "' is not shown");
      PushClick(area);
    } else {
      DoesNotFit(line, "game");
    }
    return true;
  }

  static std::optional<GameButton> ButtonNamed(std::string_view name) {
    if (name == "postava") return GameButton::Postava;
    if (name == "vybaveni") return GameButton::Vybaveni;
    if (name == "napoveda") return GameButton::Napoveda;
    if (name == "audio") return GameButton::Audio;
    if (name == "konec") return GameButton::Konec;
    return std::nullopt;
  }

  bool ApplyAnswer(const ScriptLine& line, const Layer& top) {
    auto* window = dynamic_cast<AnswerPromptWindow*>(top.Window());
    if (!window || line.Command != "answer") DoesNotFit(line, "answer");
    PushText(line.Text);
    PushClick(AnswerView(Host(), *window).OkArea(Host().Paint()));
    return true;
  }

  bool ApplyPicture(const ScriptLine& line, const Layer& top) {
    auto* window = dynamic_cast<PicturePopupWindow*>(top.Window());
    if (!window || line.Command != "close") DoesNotFit(line, "picture");
    ExpectNoArguments(line);
    if (window->Width < 1 || window->Height < 1) {
      throw ScriptError("close: the picture has no area to click");
    }
    PushClick(Rect{window->Left, window->Top, window->Width, window->Height});
    return true;
  }

  bool ApplyLoadList(const ScriptLine& line, const Layer& top) {
    auto* window = dynamic_cast<LoadListWindow*>(top.Window());
    if (!window) DoesNotFit(line, "load-list");
    if (line.Command == "close") {
      ExpectNoArguments(line);
      PushKey(SDLK_ESCAPE);
      return true;
    }
    if (line.Command != "load") DoesNotFit(line, "load-list");
    const int32_t n = NumberArgument(line);
    const auto shown = static_cast<int32_t>(window->Labels.size());
    if (n < 1 || n > shown) {
      throw ScriptError("load: there is no entry " + std::to_string(n) + " (" +
                        std::to_string(shown) + " shown)");
    }
    PushClick(LoadListView(Host(), *window).LabelArea(n));
    return true;
  }

  bool ApplySave(const ScriptLine& line, const Layer& top) {
    auto* window = dynamic_cast<SaveWindow*>(top.Window());
    if (!window) DoesNotFit(line, "save");
    SaveView view(Host(), *window);
    if (line.Command == "nosave") {
      ExpectNoArguments(line);
      PushClick(view.DontSaveArea());
      return true;
    }
    if (line.Command != "save") DoesNotFit(line, "save");
    // The field proposes a name; the script's name replaces it.
    for (std::size_t i = 0; i < window->NameField.size(); ++i) PushKey(SDLK_BACKSPACE);
    PushText(line.Text);
    PushClick(view.SaveArea());
    return true;
  }

  bool ApplySettings(const ScriptLine& line, const Layer& top) {
    auto* window = dynamic_cast<SettingsWindow*>(top.Window());
    if (!window) DoesNotFit(line, "settings");
    SettingsView view(Host(), *window);
    const std::string& command = line.Command;
    const auto on_off = [&] {
      const std::string_view word = WordArgument(line);
      if (word == "on") return true;
      if (word == "off") return false;
      throw ScriptError(command + ": on or off, not '" + std::string(word) + "'");
    };
    if (command == "sound" || command == "music") {
      const int row = command == "sound" ? 0 : 1;
      const bool checked = row == 0 ? window->SoundOn : window->MusicOn;
      if (on_off() != checked) PushClick(view.CheckBoxArea(row));
      return true;
    }
    if (command == "sound-volume" || command == "music-volume") {
      const int row = command == "sound-volume" ? 0 : 1;
      const int32_t volume = NumberArgument(line);
      if (volume < SettingsWindow::kSliderMin || volume > SettingsWindow::kSliderMax) {
        throw ScriptError(command + ": the slider goes from 0 to 255, not " +
                          std::to_string(volume));
      }
      // A click on the track comes as near as its pixels allow; the arrow
      // keys move the slider the rest of the way.
      const Rect slider = view.SliderArea(row);
      const int offset = SettingsView::TrackOffset(volume);
      const int x = window->Left + 15 + offset;
      PushClick(Rect{x, slider.Top, 1, slider.Height});
      const int32_t reached = SettingsView::PositionAt(offset);
      for (int32_t i = reached; i < volume; ++i) PushKey(SDLK_RIGHT);
      for (int32_t i = reached; i > volume; --i) PushKey(SDLK_LEFT);
      return true;
    }
    if (command == "ok") {
      ExpectNoArguments(line);
      PushClick(view.OkArea());
      return true;
    }
    if (command == "close") {
      ExpectNoArguments(line);
      PushKey(SDLK_ESCAPE);
      return true;
    }
    DoesNotFit(line, "settings");
  }

  void Screenshot(const ScriptLine& line) {
    if (line.Text.empty()) throw ScriptError("screenshot: name the PNG file to write");
    std::filesystem::path path(line.Text);
    // Named from where quarvelin was started, as the script is.
    if (path.is_relative()) path = start_folder_ / path;
    Picture frame;
    Host().Render(&frame);
    if (!WritePng(path.string(), frame)) {
      throw ScriptError("screenshot: cannot write '" + line.Text + "'");
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
    out_ << JsonLine(BuildDump(sources)) << '\n' << std::flush;
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
  if (!options.Directory.empty()) {
    std::filesystem::current_path(options.Directory, error);
    if (error) {
      Json line;
      line["error"] =
          "cannot change to the gamebook folder '" + options.Directory + "': " + error.message();
      out << JsonLine(line) << '\n' << std::flush;
      return kScriptLineFailed;
    }
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
