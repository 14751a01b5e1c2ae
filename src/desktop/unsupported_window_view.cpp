#include "desktop/unsupported_window_view.h"

#include <string>

#include "desktop/desktop_host.h"

namespace qv {

namespace {

const Font kPanelFont{"Arial", 12, {}};

}  // namespace

Rect UnsupportedWindowView::Area() const {
  return CentredOn(host_.LogicalWidth() / 2, host_.LogicalHeight() / 2, 320, 90);
}

void UnsupportedWindowView::Draw(Canvas& canvas) {
  const Rect area = Area();
  canvas.Fill(area, kBlack);
  canvas.Frame(area, host_.Look().Game.FrameColour, 2);
  const std::string text = "[" + std::string(window_.Kind()) + "]";
  // "Toto okno zatím nelze zobrazit" / "(klepnutím zavřete)"
  canvas.Text(kPanelFont, text, kWhite, area.Left + 20, area.Top + 12);
  canvas.Text(kPanelFont, "Toto okno zat\xEDm nelze zobrazit", kWhite, area.Left + 20,
              area.Top + 36);
  canvas.Text(kPanelFont,
              "(klepnut\xEDm zav\xF8"
              "ete)",
              0x808080, area.Left + 20, area.Top + 58);
}

void UnsupportedWindowView::HandleEvent(const SDL_Event& event) {
  const bool click = event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT;
  const bool escape = event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE;
  if (click || escape) window_.Close();
}

}  // namespace qv
