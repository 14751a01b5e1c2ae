// A one-line edit field (the answer prompt's and the name entry's): typed
// characters arrive as UTF-8 and are kept as Windows-1250 bytes, so Czech
// letters go in as the engine keeps them.
#pragma once

#include <SDL.h>

#include <string>

#include "desktop/canvas.h"

namespace qv {

// A key that opens another window also types its character, which arrives
// right after it; this takes that character away so it does not land in the
// window that opens (a digit in the name field, say).
void DiscardTypedCharacter(SDL_Keycode key);

class TextField {
 public:
  static constexpr int kWidth = 150;
  static constexpr int kHeight = 22;

  explicit TextField(std::string& text) : text_(text) {}

  // Typed text and Backspace; true when the event changed the text.
  bool HandleEvent(const SDL_Event& event);
  void Draw(Canvas& canvas, const Rect& area) const;

 private:
  std::string& text_;
};

}  // namespace qv
