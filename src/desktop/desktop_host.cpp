#include "desktop/desktop_host.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "data/cp1250.h"
#include "data/user_preferences.h"
#include "desktop/death_view.h"
#include "desktop/display_scale.h"
#include "desktop/unsupported_window_view.h"
#include "desktop/window_placement.h"

namespace qv {

namespace {

// Without a size given, a window is the usual 1024 x 768, or the screen's
// usable part when that is smaller.
constexpr int kWindowedWidth = 1024;
constexpr int kWindowedHeight = 768;
// A resizable window is not made smaller than this (screen pixels).
constexpr int kMinimumSide = 320;

}  // namespace

DesktopHost::DesktopHost(DesktopOptions options)
    : options_(std::move(options)),
      text_(video_.Renderer()),
      pictures_(video_.Renderer()),
      canvas_(video_.Renderer(), text_, pictures_),
      arrow_cursor_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)),
      hand_cursor_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND)) {
  scale_ = ChooseDisplayScale(options_.Scale, SDL_getenv("GDK_SCALE"));
  if (!options_.PreferencesFile.empty()) {
    placement_ = ReadWindowPlacement(UserPreferences::Load(options_.PreferencesFile));
  }
  LayOutGame(!options_.Windowed);
  SetLogicalSize(240, 400);
}

DesktopHost::~DesktopHost() { SavePlacement(); }

void DesktopHost::LayOutGame(bool full_screen) {
  if (options_.ScreenWidth && options_.ScreenHeight) {
    game_width_ = std::max(1, *options_.ScreenWidth);
    game_height_ = std::max(1, *options_.ScreenHeight);
  } else if (!full_screen) {
    const SDL_Rect usable = video_.UsableBounds();
    game_width_ = std::min(kWindowedWidth, Logical(usable.w));
    game_height_ = std::min(kWindowedHeight, Logical(usable.h));
  } else {
    const SDL_Rect display = video_.DisplayBounds();
    game_width_ = Logical(display.w);
    game_height_ = Logical(display.h);
  }
  if (game_mode_) SetLogicalSize(game_width_, game_height_);
}

// --- Host --------------------------------------------------------------------

void DesktopHost::ShowMessage(std::string_view text) {
  if (options_.OnMessage) {
    options_.OnMessage(text);
    return;
  }
  const std::string utf8 = Cp1250ToUtf8(text);
  const std::string title = Cp1250ToUtf8(title_);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), utf8.c_str(),
                               video_.Window()) != 0) {
    std::cerr << "quarvelin: " << utf8 << '\n';
  }
  Redraw();
}

void DesktopHost::ShowDeathWindow() {
  if (ended_) return;
  DeathWindow window(*this);
  DeathView view(window);
  // Nothing of the game moves behind the death window: a countdown would
  // change the page, and a page that kills again would open another one.
  const std::function<void()> tick = std::exchange(timer_tick_, nullptr);
  struct TimerBack {
    DesktopHost& host;
    std::function<void()> tick;
    ~TimerBack() { host.timer_tick_ = std::move(tick); }
  } timer_back{*this, tick};
  RunLayer(view, [] { return false; });
}

void DesktopHost::EndProgram() {
  if (ended_) return;
  ended_ = true;
  SDL_HideWindow(video_.Window());
  // The hide request reaches the display server now, not at the next
  // event round (there is none).
  SDL_PumpEvents();
}

void DesktopHost::OpenWebAddress(std::string_view address) {
  if (options_.OnWebAddress) {
    options_.OnWebAddress(address);
    return;
  }
  if (address.empty()) return;
  const std::string utf8 = Cp1250ToUtf8(address);
  if (SDL_OpenURL(utf8.c_str()) != 0) {
    std::cerr << "quarvelin: cannot open " << utf8 << ": " << SDL_GetError() << '\n';
  }
}

void DesktopHost::RunModal(ModalWindow& window) {
  if (ended_ || window.IsClosed()) return;
  std::unique_ptr<Layer> view;
  if (auto it = modal_views_.find(window.Kind()); it != modal_views_.end()) {
    view = it->second(window);
  }
  if (!view) view = std::make_unique<UnsupportedWindowView>(*this, window);
  RunLayer(*view, [&window] { return window.IsClosed(); });
}

TextSize DesktopHost::MeasureText(const Font& font, std::string_view text) {
  return text_.Measure(font, text);
}

// --- The window ----------------------------------------------------------------

void DesktopHost::SetLogicalSize(int width, int height) {
  logical_width_ = width;
  logical_height_ = height;
  SDL_RenderSetLogicalSize(video_.Renderer(), width, height);
  Redraw();
}

void DesktopHost::ShowMenuWindow(int width, int height) {
  if (!game_mode_ && logical_width_ == width && logical_height_ == height &&
      (SDL_GetWindowFlags(video_.Window()) & SDL_WINDOW_SHOWN)) {
    return;
  }
  game_mode_ = false;
  full_screen_ = false;
  fit_pending_ = false;
  SDL_Window* window = video_.Window();
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowResizable(window, SDL_FALSE);
  SDL_SetWindowBordered(window, SDL_FALSE);
  SDL_SetWindowSize(window, OnScreen(width), OnScreen(height));
  SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  SetLogicalSize(width, height);
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
}

void DesktopHost::ShowGameWindow() {
  if (game_mode_) return;
  game_mode_ = true;
  shape_.Clear();
  SetLogicalSize(game_width_, game_height_);
  full_screen_ = options_.Windowed;  // toggled just below
  ToggleFullScreen();
  SDL_ShowWindow(video_.Window());
  SDL_RaiseWindow(video_.Window());
}

void DesktopHost::ToggleFullScreen() {
  if (!game_mode_) return;
  SDL_Window* window = video_.Window();
  full_screen_ = !full_screen_;
  // The page is laid out again at the new size, as a start in that mode
  // would lay it out, rather than scaled with bars beside it.
  LayOutGame(full_screen_);
  if (full_screen_) {
    SDL_SetWindowResizable(window, SDL_FALSE);
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowBordered(window, SDL_TRUE);
    SDL_SetWindowResizable(window, SDL_TRUE);
    PlaceWindow();
  }
  Redraw();
}

WindowBorders DesktopHost::Borders() const {
  WindowBorders borders;
  if (SDL_GetWindowBordersSize(video_.Window(), &borders.Top, &borders.Left, &borders.Bottom,
                               &borders.Right) != 0) {
    return WindowBorders{};
  }
  return borders;
}

Rect DesktopHost::Usable() const {
  const SDL_Rect usable = video_.UsableBounds();
  return Rect{usable.x, usable.y, usable.w, usable.h};
}

void DesktopHost::PlaceWindow() {
  SDL_Window* window = video_.Window();
  const WindowBorders borders = Borders();
  if (placement_) {
    const WindowPlacement kept = KeptOnScreen(*placement_, Usable(), borders);
    SDL_SetWindowSize(window, kept.Area.Width, kept.Area.Height);
    SDL_SetWindowPosition(window, kept.Area.Left, kept.Area.Top);
    if (kept.Maximized) SDL_MaximizeWindow(window);
  } else {
    // The same logical size at the display scale, smaller when the desktop
    // has no room for it and the frame.
    const double scale = FittingScale(scale_, game_width_, game_height_, Usable(), borders);
    SDL_SetWindowSize(window, std::max(1, int(game_width_ * scale)),
                      std::max(1, int(game_height_ * scale)));
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  SDL_SetWindowMinimumSize(window, std::min(kMinimumSide, OnScreen(game_width_)),
                           std::min(kMinimumSide, OnScreen(game_height_)));
  // The frame is known only once the window manager has framed the window;
  // the fit is checked again then.
  fit_pending_ = true;
}

void DesktopHost::FitToDesktop() {
  SDL_Window* window = video_.Window();
  const WindowBorders borders = Borders();
  if (borders.Top == 0 && borders.Bottom == 0 && borders.Left == 0 && borders.Right == 0) return;
  fit_pending_ = false;
  if (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) return;
  WindowPlacement now;
  SDL_GetWindowPosition(window, &now.Area.Left, &now.Area.Top);
  SDL_GetWindowSize(window, &now.Area.Width, &now.Area.Height);
  const Rect usable = Usable();
  if (now.Area.Width + borders.Left + borders.Right <= usable.Width &&
      now.Area.Height + borders.Top + borders.Bottom <= usable.Height) {
    return;
  }
  // Too large with its frame: the same shape, as large as fits.
  const double shrink = FittingScale(1.0, now.Area.Width, now.Area.Height, usable, borders);
  now.Area.Width = std::max(1, int(now.Area.Width * shrink));
  now.Area.Height = std::max(1, int(now.Area.Height * shrink));
  const WindowPlacement kept = KeptOnScreen(now, usable, borders);
  SDL_SetWindowSize(window, kept.Area.Width, kept.Area.Height);
  SDL_SetWindowPosition(window, kept.Area.Left, kept.Area.Top);
}

void DesktopHost::NoteWindowEvent(const SDL_WindowEvent& event) {
  if (!game_mode_ || full_screen_) return;
  if (fit_pending_) FitToDesktop();
  switch (event.event) {
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
      break;
    default:
      return;
  }
  SDL_Window* window = video_.Window();
  const bool maximized = (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0;
  WindowPlacement now = placement_.value_or(WindowPlacement{});
  // A maximised window keeps the size it had before, to come back to.
  if (!maximized) {
    SDL_GetWindowPosition(window, &now.Area.Left, &now.Area.Top);
    SDL_GetWindowSize(window, &now.Area.Width, &now.Area.Height);
  }
  now.Maximized = maximized;
  if (now.Area.Width <= 0 || now.Area.Height <= 0) return;
  if (placement_ != now) {
    placement_ = now;
    placement_changed_ = true;
  }
}

void DesktopHost::SavePlacement() {
  if (!placement_changed_ || options_.PreferencesFile.empty() || !placement_) return;
  UserPreferences preferences = UserPreferences::Load(options_.PreferencesFile);
  WriteWindowPlacement(preferences, *placement_);
  if (!preferences.Save(options_.PreferencesFile)) {
    std::cerr << "quarvelin: cannot remember the window's size in "
              << options_.PreferencesFile.string() << '\n';
  }
  placement_changed_ = false;
}

void DesktopHost::SetTitle(std::string_view title) {
  title_ = std::string(title);
  SDL_SetWindowTitle(video_.Window(), Cp1250ToUtf8(title).c_str());
}

void DesktopHost::SetHandCursor(bool hand) {
  if (hand == hand_shown_) return;
  hand_shown_ = hand;
  SDL_Cursor* cursor = hand ? hand_cursor_.get() : arrow_cursor_.get();
  if (cursor) SDL_SetCursor(cursor);
}

// --- Layers and the loop -----------------------------------------------------------

void DesktopHost::PushLayer(Layer& layer) {
  SetHandCursor(false);
  layers_.push_back(&layer);
  Redraw();
}

void DesktopHost::PopLayer() {
  if (!layers_.empty()) layers_.pop_back();
  SetHandCursor(false);
  Redraw();
}

void DesktopHost::RunLayer(Layer& layer, const std::function<bool()>& done) {
  PushLayer(layer);
  // The layer leaves however the loop ends.
  struct PopGuard {
    DesktopHost& host;
    ~PopGuard() { host.PopLayer(); }
  } guard{*this};
  RunUntil(done);
}

void DesktopHost::RunUntil(const std::function<bool()>& done) {
  while (!ended_ && !done()) Step(kTimerInterval, done);
}

void DesktopHost::RegisterModalView(std::string kind, ModalViewFactory factory) {
  modal_views_[std::move(kind)] = std::move(factory);
}

ModalViewFactory DesktopHost::ModalView(std::string_view kind) const {
  const auto it = modal_views_.find(kind);
  return it == modal_views_.end() ? ModalViewFactory() : it->second;
}

void DesktopHost::StartTimer(std::function<void()> tick) {
  timer_tick_ = std::move(tick);
  next_tick_ = SDL_GetTicks64() + kTimerInterval;
}

void DesktopHost::HoldTimer(bool held) {
  if (timer_held_ && !held) next_tick_ = SDL_GetTicks64() + kTimerInterval;
  timer_held_ = held;
}

void DesktopHost::Step(int wait_ms, const std::function<bool()>& done) {
  if (dirty_) Render();
  int wait = std::max(0, wait_ms);
  if (on_idle_) {
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) <= 0) {
      wait = std::min(wait, std::max(0, on_idle_()));
      if (ended_ || (done && done())) return;
      if (dirty_) Render();
    }
  }
  if (timer_tick_ && !timer_held_) {
    const uint64_t now = SDL_GetTicks64();
    wait = next_tick_ > now ? std::min<int>(wait, static_cast<int>(next_tick_ - now)) : 0;
  }
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, wait) == 1) {
    Dispatch(event);
    // Everything already queued is handled in the same round, unless the
    // loop is over: what follows belongs to the window that comes next.
    while (!ended_ && !(done && done()) && SDL_PollEvent(&event) == 1) Dispatch(event);
  }
  if (!ended_) TickIfDue();
}

void DesktopHost::TickIfDue() {
  if (!timer_tick_ || timer_held_) return;
  const uint64_t now = SDL_GetTicks64();
  if (now < next_tick_) return;
  // A late tick is not made up for: the timer fires once and goes on from now.
  next_tick_ = std::max(next_tick_ + kTimerInterval, now + 1);
  Redraw();
  timer_tick_();
}

void DesktopHost::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      // The window manager's close button (or its own Alt+F4) ends the
      // program as "Konec" does; Alt+F4 typed into the game stays swallowed
      // below.
      EndProgram();
      return;
    case SDL_WINDOWEVENT:
      NoteWindowEvent(event.window);
      Redraw();
      return;
    case SDL_KEYDOWN:
      if (event.key.keysym.sym == SDLK_F4 && (event.key.keysym.mod & KMOD_ALT)) return;
      if (event.key.keysym.sym == SDLK_F11) {
        ToggleFullScreen();
        return;
      }
      break;
    default:
      break;
  }
  if (Layer* top = Top()) {
    top->HandleEvent(event);
    Redraw();
  }
}

void DesktopHost::ReadFrame(Picture& frame) {
  SDL_Renderer* renderer = video_.Renderer();
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer, &width, &height);
  frame.Width = width;
  frame.Height = height;
  frame.Rgba.assign(RgbaBytes(width, height), 0);
  const SDL_Rect all{0, 0, width, height};
  // Reading the whole output: the logical size must not scale the rectangle.
  SDL_RenderSetLogicalSize(renderer, 0, 0);
  SDL_RenderSetScale(renderer, 1.0f, 1.0f);
  SDL_RenderSetViewport(renderer, nullptr);
  SDL_RenderReadPixels(renderer, &all, SDL_PIXELFORMAT_RGBA32, frame.Rgba.data(), width * 4);
  SDL_RenderSetLogicalSize(renderer, logical_width_, logical_height_);
}

void DesktopHost::Render(Picture* capture) {
  dirty_ = false;
  SDL_Renderer* renderer = video_.Renderer();
  // Text is rendered at the density the window is drawn at.
  float scale_x = 1.0f;
  float scale_y = 1.0f;
  SDL_RenderGetScale(renderer, &scale_x, &scale_y);
  text_.SetDrawScale(std::min(scale_x, scale_y));
  canvas_.SetSharpScaling(IsWholeScale(scale_x) && IsWholeScale(scale_y));
  // The main menu's window is cut to its pictures where the platform allows:
  // whatever is left in the see-through colour after drawing is cut away.
  const bool shaping = !game_mode_ && shape_.Available();
  const SDL_Color background = ToSdlColour(shaping ? kFuchsia : kBlack);
  SDL_SetRenderDrawColor(renderer, background.r, background.g, background.b, 255);
  SDL_RenderClear(renderer);
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
  // A layer's drawing may not push or pop layers; the list is copied anyway.
  const std::vector<Layer*> layers = layers_;
  for (Layer* layer : layers) layer->Draw(canvas_);
  Picture shaped_frame;
  if (shaping) {
    ReadFrame(shaped_frame);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(video_.Window(), &width, &height);
    if (width == shaped_frame.Width && height == shaped_frame.Height) {
      shape_.Apply(shaped_frame, kFuchsia);
    } else {
      shape_.Clear();
    }
  }
  if (capture) {
    if (shaping) {
      // The frame as seen: what the shape cuts away is not on the screen.
      *capture = std::move(shaped_frame);
      if (shape_.Shaped()) BlackOut(*capture, kFuchsia);
    } else {
      ReadFrame(*capture);
    }
  }
  SDL_RenderPresent(renderer);
  first_frame_.FramePresented();
  text_.EndFrame();
  pictures_.EndFrame();
}

}  // namespace qv
