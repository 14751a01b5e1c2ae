#include "desktop/load_list_view.h"

#include <string_view>

#include "desktop/death_view.h"
#include "desktop/desktop_host.h"
#include "desktop/menu_background.h"

namespace qv {

namespace {

// "Načíst pozici:"
constexpr std::string_view kHeading = "Na\xE8\xEDst pozici:";
constexpr int kHeadingTop = 8;

}  // namespace

Rect LoadListView::LabelArea(int n) const {
  if (n < 1 || n > static_cast<int>(window_.Labels.size())) return {};
  const TLELabel& label = window_.Labels[static_cast<std::size_t>(n - 1)];
  const TextSize size = host_.Text().Measure(host_.Look().Menu.SavePozice.Font, label.Caption);
  return Rect{(kWidth - size.Width) / 2, label.Top, size.Width, size.Height};
}

int LoadListView::LabelAt(int x, int y) const {
  for (int n = 1; n <= static_cast<int>(window_.Labels.size()); ++n) {
    if (LabelArea(n).Contains(x, y)) return n;
  }
  return 0;
}

void LoadListView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const ShownPicture background = canvas.Pictures().Skin("menu", kFuchsia);
  DrawMenuBackground(canvas, host_.Shape().Available(), Rect{0, 0, kWidth, kHeight},
                     look.Menu.MainBackground, background);
  const auto colour = [&](Colour skin_colour) { return background.Texture ? skin_colour : kWhite; };
  const TextSize heading = canvas.Measure(look.Menu.SaveNadpis.Font, kHeading);
  canvas.Text(look.Menu.SaveNadpis.Font, kHeading, colour(look.Menu.SaveNadpis.Colour),
              (kWidth - heading.Width) / 2, kHeadingTop);
  for (int n = 1; n <= static_cast<int>(window_.Labels.size()); ++n) {
    const TLELabel& label = window_.Labels[static_cast<std::size_t>(n - 1)];
    Font font = look.Menu.SavePozice.Font;
    if (label.Underlined) font.Style.Underline = true;
    const Rect area = LabelArea(n);
    canvas.Text(font, label.Caption, colour(look.Menu.SavePozice.Colour), area.Left, area.Top);
  }
}

void LoadListView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int n = LabelAt(event.motion.x, event.motion.y);
      if (n > 0) {
        window_.LabelMouseEnter(n);
      } else {
        window_.LabelMouseLeave();
      }
      host_.SetHandCursor(n > 0);
      return;
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (event.button.button != SDL_BUTTON_LEFT) return;
      const int n = LabelAt(event.button.x, event.button.y);
      if (n == 0) {
        window_.FormClick();
        return;
      }
      // A click that came without a movement onto the entry hovers it first.
      if (window_.Current.HoveredIndex != window_.Labels[static_cast<std::size_t>(n - 1)].idx) {
        window_.LabelMouseEnter(n);
      }
      window_.LabelClick();
      return;
    }
    case SDL_MOUSEWHEEL: {
      const int notches =
          event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      const long offset = static_cast<long>(window_.ScrollOffset) - notches;
      window_.ScrollTo(offset < 0 ? 0 : static_cast<std::size_t>(offset));
      return;
    }
    default:
      if (IsCharacterKey(event)) window_.FormKeyPress();
      return;
  }
}

}  // namespace qv
