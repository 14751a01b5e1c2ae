#include "desktop/about_view.h"

#include <array>
#include <string_view>

#include "desktop/death_view.h"
#include "desktop/desktop_host.h"
#include "desktop/menu_view.h"

namespace qv {

namespace {

constexpr std::array<std::string_view, 5> kAboutLines{
    "Hra byla vytvo\xF8"
    "ena v",                             // Hra byla vytvořena v
    "univerz\xE1ln\xEDm enginu",         // univerzálním enginu
    "k tvorb\xEC gamebook\xF9,",         // k tvorbě gamebooků,
    "kter\xFD je mo\x9Eno st\xE1hnout",  // který je možno stáhnout
    "na webov\xFD"
    "ch str\xE1nk\xE1"
    "ch",  // na webových stránkách
};
constexpr std::string_view kVersionLine = "verze 4.30";
constexpr std::string_view kLinkLine = "quarvelin.example";

constexpr int kTitlePictureTop = 20;
constexpr int kFirstLineTop = 150;
constexpr int kLineSpacing = 20;
constexpr int kLinkTop = kFirstLineTop + 5 * kLineSpacing + 10;
constexpr int kVersionTop = MenuView::kHeight - 30;

}  // namespace

Rect AboutView::LinkArea() const {
  const Font& font = host_.Look().Menu.Odkaz.Font;
  const TextSize size = host_.Text().Measure(font, kLinkLine);
  return Rect{(MenuView::kWidth - size.Width) / 2, kLinkTop, size.Width, size.Height};
}

void AboutView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const int width = MenuView::kWidth;
  canvas.Fill(Rect{0, 0, width, MenuView::kHeight}, look.Menu.MainBackground);
  PictureTextures& pictures = canvas.Pictures();
  const ShownPicture background = pictures.Skin("menu", kFuchsia);
  canvas.DrawPicture(background, 0, 0, Rect{0, 0, width, MenuView::kHeight});
  // Without the background picture the texts stand on the bare window.
  const auto colour = [&](Colour skin_colour) { return background.Texture ? skin_colour : kWhite; };
  const ShownPicture title = pictures.Skin("titulek", kFuchsia);
  canvas.DrawPicture(title, (width - title.Width) / 2, kTitlePictureTop);

  int top = kFirstLineTop;
  for (std::string_view line : kAboutLines) {
    const TextSize size = canvas.Measure(look.Menu.OProgramu.Font, line);
    canvas.Text(look.Menu.OProgramu.Font, line, colour(look.Menu.OProgramu.Colour),
                (width - size.Width) / 2, top);
    top += kLineSpacing;
  }
  Font link = look.Menu.Odkaz.Font;
  link.Style.Underline = true;  // always underlined
  const Rect link_area = LinkArea();
  canvas.Text(link, kLinkLine, look.Menu.Odkaz.Colour, link_area.Left, link_area.Top);
  const TextSize version = canvas.Measure(look.Menu.Verze.Font, kVersionLine);
  canvas.Text(look.Menu.Verze.Font, kVersionLine, colour(look.Menu.Verze.Colour),
              (width - version.Width) / 2, kVersionTop);
}

void AboutView::HandleEvent(const SDL_Event& event) {
  if (event.type == SDL_MOUSEMOTION) {
    host_.SetHandCursor(LinkArea().Contains(event.motion.x, event.motion.y));
    return;
  }
  if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
    if (LinkArea().Contains(event.button.x, event.button.y)) {
      host_.OpenWebAddress(kMakerWebAddress);
    } else {
      closed_ = true;
    }
    return;
  }
  if (IsCharacterKey(event)) closed_ = true;
}

}  // namespace qv
