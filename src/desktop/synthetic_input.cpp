#include "desktop/synthetic_input.h"

#include <algorithm>
#include <cstdlib>

namespace qv {

namespace {

void Push(SDL_Event event) { SDL_PushEvent(&event); }

}  // namespace

void PushKey(SDL_Keycode key, uint16_t mod) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  event.key.keysym.mod = mod;
  Push(event);
  event.type = SDL_KEYUP;
  event.key.state = SDL_RELEASED;
  Push(event);
}

void PushScancode(SDL_Scancode scancode) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  Push(event);
}

void PushText(std::string_view utf8) {
  constexpr std::size_t kRoom = SDL_TEXTINPUTEVENT_TEXT_SIZE - 1;
  while (!utf8.empty()) {
    std::size_t size = std::min(kRoom, utf8.size());
    while (size < utf8.size() && size > 0 &&
           (static_cast<unsigned char>(utf8[size]) & 0xC0) == 0x80) {
      --size;
    }
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    utf8.copy(event.text.text, size);
    event.text.text[size] = '\0';
    Push(event);
    utf8.remove_prefix(size);
  }
}

void PushMouse(int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  Push(event);
}

void PushClickAt(int x, int y) {
  PushMouse(x, y);
  SDL_Event event{};
  event.type = SDL_MOUSEBUTTONDOWN;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = SDL_PRESSED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  Push(event);
  event.type = SDL_MOUSEBUTTONUP;
  event.button.state = SDL_RELEASED;
  Push(event);
}

void PushClick(const Rect& area) { PushClickAt(area.CentreX(), area.CentreY()); }

void PushWheel(int notches) {
  SDL_Event event{};
  event.type = SDL_MOUSEWHEEL;
  event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  event.wheel.y = notches > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(notches); ++i) Push(event);
}

}  // namespace qv
