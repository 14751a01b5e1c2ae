// A gamebook written by the test and played in the desktop window: frames
// are read back as pixels, and input arrives as SDL events at the controls'
// real positions.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/desktop_player.h"
#include "desktop/png_file.h"
#include "desktop/save_view.h"
#include "desktop/synthetic_input.h"
#include "on_display.h"
#include "state/save_window.h"
#include "support/gamebook_fixture.h"

namespace qv {

struct Rgb {
  int R = 0;
  int G = 0;
  int B = 0;
  bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.R << ", " << c.G << ", " << c.B << ")";
}

// An engine colour (0x00BBGGRR) as red, green, blue.
inline Rgb ToRgb(Colour colour) {
  return Rgb{int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

inline Rgb PixelAt(const Picture& frame, int x, int y) {
  if (x < 0 || y < 0 || x >= frame.Width || y >= frame.Height) return Rgb{-1, -1, -1};
  const std::size_t at = (static_cast<std::size_t>(y) * frame.Width + x) * 4;
  return Rgb{frame.Rgba[at], frame.Rgba[at + 1], frame.Rgba[at + 2]};
}

// How many pixels inside `area` have exactly that colour.
inline int CountColour(const Picture& frame, const Rect& area, Colour colour) {
  const Rgb wanted = ToRgb(colour);
  int count = 0;
  for (int y = area.Top; y < area.Bottom(); ++y) {
    for (int x = area.Left; x < area.Right(); ++x) {
      if (PixelAt(frame, x, y) == wanted) ++count;
    }
  }
  return count;
}

// A picture of one colour, written as a PNG file.
inline void WriteSolidPng(const std::string& path, int width, int height, Rgb colour) {
  Picture picture;
  picture.Width = width;
  picture.Height = height;
  for (int i = 0; i < width * height; ++i) {
    picture.Rgba.insert(picture.Rgba.end(),
                        {uint8_t(colour.R), uint8_t(colour.G), uint8_t(colour.B), 255});
  }
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  ASSERT_TRUE(WritePng(path, picture));
}

// Whether every pixel in `area` is `colour` at some brightness on black, as
// anti-aliased text in that colour is: channels the colour lacks stay 0, the
// others rise together; and at least one pixel is the colour itself.
inline ::testing::AssertionResult DrawnInShadesOf(const Picture& frame, const Rect& area,
                                                  Colour colour) {
  const Rgb full = ToRgb(colour);
  bool seen_full = false;
  for (int y = area.Top; y < area.Bottom(); ++y) {
    for (int x = area.Left; x < area.Right(); ++x) {
      const Rgb pixel = PixelAt(frame, x, y);
      if (pixel == full) seen_full = true;
      const int channels[3][2] = {{pixel.R, full.R}, {pixel.G, full.G}, {pixel.B, full.B}};
      int level = -1;
      for (const auto& [shown, wanted] : channels) {
        const bool fits = wanted == 0 ? shown == 0 : shown <= wanted;
        // The lit channels rise together (to within rounding).
        const int scaled = wanted == 0 ? -1 : shown * 255 / wanted;
        if (!fits || (scaled >= 0 && level >= 0 && std::abs(scaled - level) > 3)) {
          return ::testing::AssertionFailure() << pixel << " at " << x << ", " << y;
        }
        if (scaled >= 0) level = scaled;
      }
    }
  }
  if (!seen_full) return ::testing::AssertionFailure() << "no pixel is " << full;
  return ::testing::AssertionSuccess();
}

// A modal window's usual view with the test looking on: `on_first_event`
// runs when the first input reaches the window (the window is on the screen
// then, so a frame can be read), `on_draw` every time it has been drawn.
class WatchedView final : public Layer {
 public:
  WatchedView(std::unique_ptr<Layer> view, std::function<void()> on_first_event,
              std::function<void()> on_draw)
      : view_(std::move(view)),
        on_first_event_(std::move(on_first_event)),
        on_draw_(std::move(on_draw)) {}

  void Draw(Canvas& canvas) override {
    view_->Draw(canvas);
    if (on_draw_) on_draw_();
  }
  std::string_view Kind() const override { return view_->Kind(); }
  ModalWindow* Window() const override { return view_->Window(); }
  void HandleEvent(const SDL_Event& event) override {
    if (!seen_event_) {
      seen_event_ = true;
      if (on_first_event_) on_first_event_();
    }
    view_->HandleEvent(event);
  }

 private:
  std::unique_ptr<Layer> view_;
  std::function<void()> on_first_event_;
  std::function<void()> on_draw_;
  bool seen_event_ = false;
};

class DesktopFixture : public GamebookFixture {
 protected:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  // Opens the window over the gamebook written so far.
  DesktopPlayer& Open() {
    if (!std::filesystem::exists("data/inicializace.qvl")) WriteInitRecord(TestInitRecord());
    DesktopOptions options;
    options.Windowed = true;
    options.ScreenWidth = kWidth;
    options.ScreenHeight = kHeight;
    options.Seed = 1;
    options.OnMessage = [this](std::string_view text) { messages.emplace_back(text); };
    options.OnWebAddress = [this](std::string_view text) { web_addresses.emplace_back(text); };
    options.Comforts = comforts;
    player = std::make_unique<DesktopPlayer>(options);
    return *player;
  }

  // Opens the window and starts a new game on location 1.
  DesktopPlayer& Play() {
    Open().StartGame();
    return *player;
  }

  // The book of the saved-position tests: location 1 offers to save the
  // game at location 2, which leads back.
  void WriteWellBook() {
    WriteLocations(
        "<1><text obsah=\"U studny.\"><save odkaz=\"2\"><menu t=\"D\xE1l\" x=\"3\">"
        "<2><text obsah=\"Ulo\x9E"
        "eno.\"><menu t=\"Zp\xECt\" x=\"1\"><3>");
  }

  // In a run of its own over that book: a position saved at location 2 under
  // `name`, typed over the name the save window proposes ("Zadej"). The
  // player stays open for the caller to look at.
  void SaveAtTheWell(const std::string& name) {
    WriteWellBook();
    Open();
    SaveWindow placed(State(), player->Session().Store, Host());
    placed.CentreOn(kWidth, kHeight);
    for (int i = 0; i < 5; ++i) PushKey(SDLK_BACKSPACE);
    PushText(name.c_str());
    PushClick(SaveView(Host(), placed).SaveArea());
    player->StartGame();
    ASSERT_TRUE(std::filesystem::exists("save/" + name + ".pzv"));
  }

  // Shows modal windows of `kind` through a WatchedView (after Open).
  void WatchModal(const std::string& kind, std::function<void()> on_first_event,
                  std::function<void()> on_draw = {}) {
    ModalViewFactory usual = Host().ModalView(kind);
    ASSERT_TRUE(usual) << kind;
    Host().RegisterModalView(kind, [usual, on_first_event, on_draw](ModalWindow& window) {
      return std::make_unique<WatchedView>(usual(window), on_first_event, on_draw);
    });
  }

  DesktopHost& Host() { return player->Host(); }
  GameView& Game() { return *player->Game(); }
  GameWindow& Form() { return player->Session().Form; }
  GameState& State() { return *player->Session().State; }

  // Draws the window and reads the frame back. With QUARVELIN_SCREENSHOTS
  // set to a folder, the frame is also kept there as `name`.png.
  Picture Frame(const std::string& name = "") {
    Picture frame;
    Host().Render(&frame);
    if (const char* keep = std::getenv("QUARVELIN_SCREENSHOTS"); keep && !name.empty()) {
      WritePng(std::string(keep) + "/" + name + ".png", frame);
    }
    return frame;
  }

  // Handles everything queued so far.
  void Settle() {
    for (int i = 0; i < 4; ++i) Host().Step(0);
  }

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

  static void PushMove(int x, int y) { PushMouse(x, y); }

  // The mouse moves to the middle of `area` and clicks there.
  static void PushClick(const Rect& area) { qv::PushClick(area); }

  static void PushKey(SDL_Keycode key, uint16_t mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = mod;
    Push(event);
  }

  static void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
    Push(event);
  }

  void Click(const Rect& area) {
    PushClick(area);
    Settle();
  }

  std::vector<std::string> messages;
  std::vector<std::string> web_addresses;
  ComfortSettings comforts;  // the reading comforts Open turns on
  std::unique_ptr<DesktopPlayer> player;
};

}  // namespace qv
