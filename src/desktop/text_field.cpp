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
  if (event.type == SDL_TEXTINPUT) {
    text_ += Utf8ToCp1250(event.text.text);
    return true;
  }
  if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_BACKSPACE && !text_.empty()) {
    // One byte is one character in Windows-1250.
    text_.pop_back();
    return true;
  }
  return false;
}

void TextField::Draw(Canvas& canvas, const Rect& area) const {
  canvas.Fill(area, kFieldBackground);
  canvas.Frame(area, kFieldBorder);
  // The end of a long text stays in view, as the caret does.
  const TextSize size = canvas.Measure(kFieldFont, text_);
  const int inner = area.Width - 8;
  std::string_view shown = text_;
  while (!shown.empty() && canvas.Measure(kFieldFont, shown).Width > inner) shown.remove_prefix(1);
  const int text_top = area.Top + (area.Height - size.Height) / 2;
  const TextSize drawn = canvas.Text(kFieldFont, shown, kFieldText, area.Left + 4, text_top);
  const int caret = std::min(area.Left + 4 + drawn.Width + 1, area.Right() - 3);
  canvas.Fill(Rect{caret, area.Top + 4, 1, area.Height - 8}, kFieldText);
}

}  // namespace qv
