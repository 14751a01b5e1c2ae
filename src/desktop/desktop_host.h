// The desktop player's host: one SDL window with a renderer, the event loop
// with the game window's 100 ms timer, message boxes, the system's open
// action, and real font metrics. The main menu, the game window and the
// small windows are layers drawn into that one window; a modal window is a
// layer pushed over the page with an event loop of its own, so the page
// stays visible and its timer keeps running under it.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/canvas.h"
#include "desktop/desktop_look.h"
#include "desktop/desktop_options.h"
#include "desktop/first_frame_report.h"
#include "desktop/layer.h"
#include "desktop/picture_textures.h"
#include "desktop/sdl_handles.h"
#include "desktop/sdl_video.h"
#include "desktop/text_painter.h"
#include "desktop/window_placement.h"
#include "desktop/window_shape.h"
#include "host/host.h"
#include "ui/picture.h"

namespace qv {

// Makes the layer that shows a modal window of the game while it is open.
using ModalViewFactory = std::function<std::unique_ptr<Layer>(ModalWindow&)>;

class DesktopHost final : public Host {
 public:
  static constexpr int kTimerInterval = 100;  // ms

  explicit DesktopHost(DesktopOptions options);
  ~DesktopHost() override;
  DesktopHost(const DesktopHost&) = delete;
  DesktopHost& operator=(const DesktopHost&) = delete;

  // --- Host ------------------------------------------------------------------

  void ShowMessage(std::string_view text) override;
  void ShowDeathWindow() override;
  // The window goes at once; what is left to do (closing the sound device,
  // remembering the window's place) happens out of the player's sight.
  void EndProgram() override;
  bool ProgramEnded() const override { return ended_; }
  void OpenWebAddress(std::string_view address) override;
  void RunModal(ModalWindow& window) override;
  TextSize MeasureText(const Font& font, std::string_view text) override;
  int ScreenWidth() const override { return game_width_; }
  int ScreenHeight() const override { return game_height_; }

  // --- The window --------------------------------------------------------------

  // A borderless window of that size centred on the screen (the main menu).
  void ShowMenuWindow(int width, int height);
  // The game window: the whole screen, or a window when started so; its
  // logical size is ScreenWidth x ScreenHeight either way.
  void ShowGameWindow();
  // F11: between the whole screen and a window of the same logical size.
  void ToggleFullScreen();
  bool FullScreen() const { return full_screen_; }
  // The window's title (the application title), Windows-1250.
  void SetTitle(std::string_view title);
  // The size the layers draw in now.
  double Scale() const { return scale_; }
  int LogicalWidth() const { return logical_width_; }
  int LogicalHeight() const { return logical_height_; }

  // --- Layers and the event loop --------------------------------------------------

  void PushLayer(Layer& layer);
  void PopLayer();
  // Pushes the layer, runs the loop until `done` holds or the program ends,
  // and takes the layer away again.
  void RunLayer(Layer& layer, const std::function<bool()>& done);
  // Handles events and timer ticks until `done` holds or the program ends.
  void RunUntil(const std::function<bool()>& done);
  // One round of the loop: draws when something changed, then waits at most
  // `wait_ms` for events (0: takes only those already queued) and handles
  // them, as long as `done` does not hold, and a timer tick that is due.
  void Step(int wait_ms, const std::function<bool()>& done = nullptr);

  // The game window's timer, from the start of a game to the end of the run.
  void StartTimer(std::function<void()> tick);
  void StopTimer() { timer_tick_ = nullptr; }
  // A held timer does not fire by itself: a driver that calls the tick
  // itself (a script's `tick` lines) counts every tick the game sees. On
  // release it goes on a whole interval from then, as if just started.
  void HoldTimer(bool held);

  // The layers, bottom first.
  const std::vector<Layer*>& Layers() const { return layers_; }

  // Asked whenever the loop has no event left to handle: a driver of the
  // windows (a script) may push input events or act at once. It returns how
  // long, in ms, the loop may wait before asking again.
  void SetIdleHandler(std::function<int()> on_idle) { on_idle_ = std::move(on_idle); }

  // Views to show modal windows by their Kind; a kind without one gets a
  // plain panel that names the window and closes on a click.
  void RegisterModalView(std::string kind, ModalViewFactory factory);
  // The view registered for a kind; empty when there is none.
  ModalViewFactory ModalView(std::string_view kind) const;

  // Something on the screen may have changed: the next round draws.
  void Redraw() { dirty_ = true; }
  // Draws every layer. With `capture`, the frame's pixels (R, G, B, A) are
  // read before the frame is presented.
  void Render(Picture* capture = nullptr);

  void SetHandCursor(bool hand);

  Canvas& Paint() { return canvas_; }
  TextPainter& Text() { return text_; }
  WindowShape& Shape() { return shape_; }
  SdlVideo& Video() { return video_; }
  PictureTextures& Pictures() { return pictures_; }
  SDL_Renderer* Renderer() { return video_.Renderer(); }

  // The skins the windows are drawn in; their defaults until UseSkins.
  DesktopLook Look() const { return DesktopLook{*menu_skin_, *game_skin_}; }
  // The session's skins, which it reads when the menu is created and when
  // a game starts; they must outlive the host's drawing.
  void UseSkins(const MenuSkin& menu, const GameSkin& game) {
    menu_skin_ = &menu;
    game_skin_ = &game;
  }

 private:
  void Dispatch(const SDL_Event& event);
  void TickIfDue();
  void SetLogicalSize(int width, int height);
  // The game's logical size for the whole screen or a window: fixed when the
  // player gave one, else the display's or the usual window's.
  void LayOutGame(bool full_screen);
  // The windowed game window's size and place: the remembered ones, or the
  // logical size at the display scale as far as the desktop has room.
  void PlaceWindow();
  // Shrinks the window when it and its frame overflow the usable desktop
  // (the frame is known only after the window manager has framed it).
  void FitToDesktop();
  // Follows the player's moves, resizes and maximising of the window.
  void NoteWindowEvent(const SDL_WindowEvent& event);
  void SavePlacement();
  WindowBorders Borders() const;
  Rect Usable() const;
  // Screen pixels to logical ones and back, at the display scale.
  int Logical(int screen) const { return std::max(1, static_cast<int>(screen / scale_)); }
  int OnScreen(int logical) const { return std::max(1, static_cast<int>(logical * scale_)); }
  // The whole output as drawn so far, in the output's pixels.
  void ReadFrame(Picture& frame);
  Layer* Top() { return layers_.empty() ? nullptr : layers_.back(); }

  DesktopOptions options_;
  SdlVideo video_;
  WindowShape shape_{video_.Window()};
  TextPainter text_;
  PictureTextures pictures_;
  Canvas canvas_;
  CursorHandle arrow_cursor_;
  CursorHandle hand_cursor_;
  bool hand_shown_ = false;

  MenuSkin default_menu_skin_;
  GameSkin default_game_skin_;
  const MenuSkin* menu_skin_ = &default_menu_skin_;
  const GameSkin* game_skin_ = &default_game_skin_;

  std::vector<Layer*> layers_;
  std::map<std::string, ModalViewFactory, std::less<>> modal_views_;
  std::function<void()> timer_tick_;
  std::function<int()> on_idle_;
  uint64_t next_tick_ = 0;
  bool timer_held_ = false;

  double scale_ = 1.0;
  int game_width_ = 1024;
  int game_height_ = 768;
  int logical_width_ = 0;
  int logical_height_ = 0;
  bool game_mode_ = false;
  bool full_screen_ = false;
  bool fit_pending_ = false;
  std::optional<WindowPlacement> placement_;
  bool placement_changed_ = false;
  bool dirty_ = true;
  FirstFrameReport first_frame_;
  bool ended_ = false;
  std::string title_ = "Quarvelin";
};

}  // namespace qv
