#include "desktop/menu_view.h"

#include <string>
#include <string_view>

#include "desktop/about_view.h"
#include "desktop/desktop_host.h"
#include "desktop/text_field.h"

namespace qv {

namespace {

constexpr int kTitlePictureTop = 20;
constexpr int kAuthorTop = 130;
constexpr int kTitleTop = 150;
constexpr int kFirstButtonTop = 190;
constexpr int kButtonSpacing = 50;
constexpr int kMissingButtonWidth = 160;
constexpr int kMissingButtonHeight = 40;

// Written in a button's frame when the skin has no picture for it, so that a
// gamebook without skin pictures can still be started: "Nová hra", "Nahrát
// hru", "O programu", "Konec".
constexpr std::string_view kFallbackCaptions[] = {"Nov\xE1 hra", "Nahr\xE1t hru", "O programu",
                                                  "Konec"};
const Font kFallbackFont{"Arial", 12, {true, false, false, false}};

std::string ButtonPicture(int i, bool lit) {
  return "tlacitko_" + std::to_string(i + 1) + (lit ? "b" : "");
}

}  // namespace

MenuView::MenuView(DesktopHost& host, std::string title, std::string author_line)
    : host_(host), title_(std::move(title)), author_label_(std::move(author_line) + ": ") {}

Rect MenuView::ButtonArea(int i) const {
  const ShownPicture picture = host_.Pictures().Skin(ButtonPicture(i, false), kFuchsia);
  const int width = picture.Texture ? picture.Width : kMissingButtonWidth;
  const int height = picture.Texture ? picture.Height : kMissingButtonHeight;
  return Rect{(kWidth - width) / 2, kFirstButtonTop + i * kButtonSpacing, width, height};
}

int MenuView::ButtonAt(int x, int y) const {
  for (int i = 0; i < 4; ++i) {
    if (ButtonArea(i).Contains(x, y)) return i;
  }
  return -1;
}

void MenuView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  canvas.Fill(Rect{0, 0, kWidth, kHeight}, look.Menu.MainBackground);
  PictureTextures& pictures = canvas.Pictures();
  const ShownPicture background = pictures.Skin("menu", kFuchsia);
  canvas.DrawPicture(background, 0, 0, Rect{0, 0, kWidth, kHeight});
  const ShownPicture title_picture = pictures.Skin("titulek", kFuchsia);
  canvas.DrawPicture(title_picture, (kWidth - title_picture.Width) / 2, kTitlePictureTop);

  // The skin's colours are meant for its background picture; without it the
  // labels stand on the bare window and must show there.
  const auto colour = [&](Colour skin_colour) { return background.Texture ? skin_colour : kWhite; };
  const TextSize author = canvas.Measure(look.Menu.JmenoAutora.Font, author_label_);
  canvas.Text(look.Menu.JmenoAutora.Font, author_label_, colour(look.Menu.JmenoAutora.Colour),
              (kWidth - author.Width) / 2, kAuthorTop);
  const TextSize title = canvas.Measure(look.Menu.JmenoHry.Font, title_);
  canvas.Text(look.Menu.JmenoHry.Font, title_, colour(look.Menu.JmenoHry.Colour),
              (kWidth - title.Width) / 2, kTitleTop);

  for (int i = 0; i < 4; ++i) {
    const Rect area = ButtonArea(i);
    const ShownPicture normal = pictures.Skin(ButtonPicture(i, false), kFuchsia);
    // The hover picture is loaded when a button first lights up.
    const ShownPicture lit =
        lit_[i] && normal.Texture ? pictures.Skin(ButtonPicture(i, true), kFuchsia) : normal;
    canvas.DrawPicture(lit.Texture ? lit : normal, area.Left, area.Top, area);
    if (!normal.Texture) {
      const std::string_view caption = kFallbackCaptions[i];
      const TextSize size = canvas.Measure(kFallbackFont, caption);
      canvas.Text(kFallbackFont, caption, lit_[i] ? kWhite : kGrey,
                  area.Left + (area.Width - size.Width) / 2,
                  area.Top + (area.Height - size.Height) / 2);
    }
  }
}

void MenuView::Act(MenuChoice choice) {
  switch (choice) {
    case MenuChoice::About: {
      AboutView about(host_);
      host_.RunLayer(about, [&about] { return about.Closed(); });
      break;
    }
    case MenuChoice::Exit:
      host_.EndProgram();
      break;
    default:
      Choice = choice;
      break;
  }
}

void MenuView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int i = ButtonAt(event.motion.x, event.motion.y);
      if (i >= 0) {
        lit_[static_cast<std::size_t>(i)] = true;
      } else {
        lit_.fill(false);
      }
      host_.SetHandCursor(i >= 0);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) {
        static constexpr MenuChoice kChoices[] = {MenuChoice::NewGame, MenuChoice::Load,
                                                  MenuChoice::About, MenuChoice::Exit};
        const int i = ButtonAt(event.button.x, event.button.y);
        if (i >= 0) Act(kChoices[i]);
      }
      break;
    case SDL_KEYDOWN:
      DiscardTypedCharacter(event.key.keysym.sym);
      switch (event.key.keysym.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
        case SDLK_1:
          Act(MenuChoice::NewGame);
          break;
        case SDLK_2:
          Act(MenuChoice::Load);
          break;
        case SDLK_3:
          Act(MenuChoice::About);
          break;
        case SDLK_ESCAPE:
          Act(MenuChoice::Exit);
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

}  // namespace qv
