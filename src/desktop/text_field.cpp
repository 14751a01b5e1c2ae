#include "desktop/text_field.h"

#include <algorithm>

#include "data/cp1250.h"

namespace qv {

namespace {

const Font kFieldFont{"Arial", 10, {}};
constexpr Colour kFieldBackground = 0xFFFFFF;
constexpr Colour kFieldText = 0x000000;
constexpr Colour kFieldBorder = 0x808080;

}  // namespace

void DiscardTypedCharacter(SDL_Keycode key) {
  if (key < 0x20 || key >= 0x7F) return;
  SDL_Event next;
  if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) return;
  if (next.type != SDL_TEXTINPUT) return;
  if (next.text.text[0] != static_cast<char>(key) || next.text.text[1] != '\0') return;
  SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
}

bool TextField::HandleEvent(const SDL_Event& event) {
  // The model may have changed the text under the field.
  caret_ = Caret();
  if (event.type == SDL_TEXTINPUT) {
    const std::string typed = Utf8ToCp1250(event.text.text);
    text_.insert(caret_, typed);
    caret_ += typed.size();
    return true;
  }
  if (event.type != SDL_KEYDOWN) return false;
  // One byte is one character in Windows-1250.
  switch (event.key.keysym.sym) {
    case SDLK_BACKSPACE:
      if (caret_ > 0) text_.erase(--caret_, 1);
      return true;
    case SDLK_DELETE:
      if (caret_ < text_.size()) text_.erase(caret_, 1);
      return true;
    case SDLK_LEFT:
      if (caret_ > 0) --caret_;
      return true;
    case SDLK_RIGHT:
      if (caret_ < text_.size()) ++caret_;
      return true;
    case SDLK_HOME:
      caret_ = 0;
      return true;
    case SDLK_END:
      caret_ = text_.size();
      return true;
    default:
      return false;
  }
}

void TextField::Draw(Canvas& canvas, const Rect& area) const {
  canvas.Fill(area, kFieldBackground);
  canvas.Frame(area, kFieldBorder);
  const std::size_t caret = Caret();
  const int inner = area.Width - 8;
  const std::string_view text = text_;
  // The text runs from the first character that keeps the caret in view,
  // and is cut where the field ends.
  std::size_t first = 0;
  while (first < caret &&
         canvas.Measure(kFieldFont, text.substr(first, caret - first)).Width > inner) {
    ++first;
  }
  std::string_view shown = text.substr(first);
  while (!shown.empty() && canvas.Measure(kFieldFont, shown).Width > inner) shown.remove_suffix(1);
  const TextSize size = canvas.Measure(kFieldFont, text_);
  const int text_top = area.Top + (area.Height - size.Height) / 2;
  canvas.Text(kFieldFont, shown, kFieldText, area.Left + 4, text_top);
  const int before = canvas.Measure(kFieldFont, text.substr(first, caret - first)).Width;
  const int x = std::min(area.Left + 4 + before, area.Right() - 3);
  canvas.Fill(Rect{x, area.Top + 4, 1, area.Height - 8}, kFieldText);
}

}  // namespace qv
