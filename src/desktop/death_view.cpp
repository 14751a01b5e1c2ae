#include "desktop/death_view.h"

#include "desktop/desktop_look.h"

namespace qv {

bool IsCharacterKey(const SDL_Event& event) {
  if (event.type == SDL_TEXTINPUT) return true;
  if (event.type != SDL_KEYDOWN) return false;
  switch (event.key.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_ESCAPE:
    case SDLK_BACKSPACE:
    case SDLK_TAB:
      return true;
    default:
      return false;
  }
}

void DeathView::Draw(Canvas& canvas) {
  canvas.Fill(Area(), kBlack);
  canvas.DrawPictureClipped(canvas.Pictures().File(window_.File), Area());
}

void DeathView::HandleEvent(const SDL_Event& event) {
  if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT &&
      Area().Contains(event.button.x, event.button.y)) {
    window_.PictureClick();
  } else if (IsCharacterKey(event)) {
    window_.FormKeyPress('\0');
  }
}

}  // namespace qv
