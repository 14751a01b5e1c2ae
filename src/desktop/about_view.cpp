#include "desktop/about_view.h"

#include <string_view>

#include "desktop/death_view.h"
#include "desktop/desktop_host.h"
#include "desktop/menu_background.h"

namespace qv {

namespace {

constexpr int kTitlePictureTop = 20;
constexpr int kFirstLineTop = 150;
constexpr int kLineSpacing = 20;
constexpr int kLinkTop = kFirstLineTop + 5 * kLineSpacing + 10;
constexpr int kVersionTop = AboutWindow::kHeight - 30;

}  // namespace

Rect AboutView::LinkArea() const {
  const Font& font = host_.Look().Menu.Odkaz.Font;
  const TextSize size = host_.Text().Measure(font, window_.LinkLine);
  return Rect{window_.Left + (AboutWindow::kWidth - size.Width) / 2, window_.Top + kLinkTop,
              size.Width, size.Height};
}

void AboutView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const int left = window_.Left;
  const int top = window_.Top;
  const int width = AboutWindow::kWidth;
  PictureTextures& pictures = canvas.Pictures();
  const ShownPicture background = pictures.Skin(AboutWindow::kBackgroundPicture, kFuchsia);
  DrawMenuBackground(canvas, host_.Shape().Available(),
                     Rect{left, top, width, AboutWindow::kHeight}, look.Menu.MainBackground,
                     background);
  const ShownPicture title = pictures.Skin(AboutWindow::kTitlePicture, kFuchsia);
  canvas.DrawPicture(title, left + (width - title.Width) / 2, top + kTitlePictureTop);
  // Without the background picture the texts stand on the bare window.
  const auto colour = [&](Colour skin_colour) { return background.Texture ? skin_colour : kWhite; };

  int line_top = top + kFirstLineTop;
  for (std::string_view line : window_.Lines) {
    const TextSize size = canvas.Measure(look.Menu.OProgramu.Font, line);
    canvas.Text(look.Menu.OProgramu.Font, line, colour(look.Menu.OProgramu.Colour),
                left + (width - size.Width) / 2, line_top);
    line_top += kLineSpacing;
  }
  Font link = look.Menu.Odkaz.Font;
  link.Style.Underline = true;  // always underlined
  const Rect link_area = LinkArea();
  canvas.Text(link, window_.LinkLine, look.Menu.Odkaz.Colour, link_area.Left, link_area.Top);
  const TextSize version = canvas.Measure(look.Menu.Verze.Font, window_.VersionLine);
  canvas.Text(look.Menu.Verze.Font, window_.VersionLine, colour(look.Menu.Verze.Colour),
              left + (width - version.Width) / 2, top + kVersionTop);
}

void AboutView::HandleEvent(const SDL_Event& event) {
  if (event.type == SDL_MOUSEMOTION) {
    host_.SetHandCursor(LinkArea().Contains(event.motion.x, event.motion.y));
    return;
  }
  if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
    if (LinkArea().Contains(event.button.x, event.button.y)) {
      window_.LinkClick(host_);
    } else {
      window_.FormClick();
    }
    return;
  }
  if (IsCharacterKey(event)) window_.FormKeyPress('\0');
}

}  // namespace qv
