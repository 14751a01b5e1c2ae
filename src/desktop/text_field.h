// A one-line edit field (the answer prompt's, the name entry's and the save
// window's): typed characters arrive as UTF-8 and are kept as Windows-1250
// bytes, so Czech letters go in as the engine keeps them. It edits at a
// caret as any text field does: Left, Right, Home and End move it,
// Backspace and Delete take the character before or after it. The caret is
// the view's own; the text is the model's.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "desktop/canvas.h"

namespace qv {

// A key that opens another window also types its character, which arrives
// right after it; this takes that character away so it does not land in the
// window that opens (a digit in the name field, say).
void DiscardTypedCharacter(SDL_Keycode key);

// Enter, on the main keyboard or the keypad.
inline bool IsEnterKey(const SDL_Event& event) {
  return event.type == SDL_KEYDOWN &&
         (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER);
}

class TextField {
 public:
  static constexpr int kWidth = 150;
  static constexpr int kHeight = 22;

  // The caret starts after the text the field opens with.
  explicit TextField(std::string& text) : text_(text), caret_(text.size()) {}

  // Typed text and the editing keys; true when the event was the field's
  // (the text or the caret changed, or could have).
  bool HandleEvent(const SDL_Event& event);
  void Draw(Canvas& canvas, const Rect& area) const;

  // Where the caret stands: the number of characters before it.
  std::size_t Caret() const { return std::min(caret_, text_.size()); }

 private:
  std::string& text_;
  std::size_t caret_;
};

}  // namespace qv
