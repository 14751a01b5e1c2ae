#include "desktop/menu_view.h"

#include <string>
#include <string_view>

#include "desktop/desktop_host.h"
#include "desktop/menu_background.h"
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

constexpr MenuButton kButtons[] = {MenuButton::NewGame, MenuButton::Load, MenuButton::About,
                                   MenuButton::Exit};

}  // namespace

Rect MenuView::ButtonArea(MenuButton button) const {
  const ShownPicture picture =
      host_.Pictures().Skin(StartMenuWindow::NormalPicture(button), kFuchsia);
  const int width = picture.Texture ? picture.Width : kMissingButtonWidth;
  const int height = picture.Texture ? picture.Height : kMissingButtonHeight;
  const int index = static_cast<int>(button);
  return Rect{StartMenuWindow::CentredLeft(width), kFirstButtonTop + index * kButtonSpacing, width,
              height};
}

int MenuView::ButtonAt(int x, int y) const {
  for (MenuButton button : kButtons) {
    if (ButtonArea(button).Contains(x, y)) return static_cast<int>(button);
  }
  return -1;
}

void MenuView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  PictureTextures& pictures = canvas.Pictures();
  const ShownPicture background = pictures.Skin(StartMenuWindow::kBackgroundPicture, kFuchsia);
  DrawMenuBackground(canvas, host_.Shape().Available(), Rect{0, 0, kWidth, kHeight},
                     look.Menu.MainBackground, background);
  const ShownPicture title_picture = pictures.Skin(StartMenuWindow::kTitlePicture, kFuchsia);
  canvas.DrawPicture(title_picture, StartMenuWindow::CentredLeft(title_picture.Width),
                     kTitlePictureTop);

  // The skin's colours are meant for its background picture; without it the
  // labels stand on the bare window and must show there.
  const auto colour = [&](Colour skin_colour) { return background.Texture ? skin_colour : kWhite; };
  const TextSize author = canvas.Measure(look.Menu.JmenoAutora.Font, menu_.AuthorLabel);
  canvas.Text(look.Menu.JmenoAutora.Font, menu_.AuthorLabel, colour(look.Menu.JmenoAutora.Colour),
              StartMenuWindow::CentredLeft(author.Width), kAuthorTop);
  const TextSize title = canvas.Measure(look.Menu.JmenoHry.Font, menu_.GameTitle);
  canvas.Text(look.Menu.JmenoHry.Font, menu_.GameTitle, colour(look.Menu.JmenoHry.Colour),
              StartMenuWindow::CentredLeft(title.Width), kTitleTop);

  for (MenuButton button : kButtons) {
    const Rect area = ButtonArea(button);
    const ShownPicture normal = pictures.Skin(StartMenuWindow::NormalPicture(button), kFuchsia);
    // The hover picture is loaded when a button first lights up.
    const ShownPicture shown = menu_.IsLit(button) && normal.Texture
                                   ? pictures.Skin(menu_.ButtonPicture(button), kFuchsia)
                                   : normal;
    canvas.DrawPicture(shown.Texture ? shown : normal, area.Left, area.Top, area);
    if (!normal.Texture) {
      const std::string_view caption = kFallbackCaptions[static_cast<int>(button)];
      const TextSize size = canvas.Measure(kFallbackFont, caption);
      canvas.Text(kFallbackFont, caption, menu_.IsLit(button) ? kWhite : kGrey,
                  area.Left + (area.Width - size.Width) / 2,
                  area.Top + (area.Height - size.Height) / 2);
    }
  }
}

void MenuView::Act(StartAction action) {
  if (action == StartAction::EndProgram) {
    host_.EndProgram();
    return;
  }
  if (action != StartAction::None) Action = action;
}

void MenuView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int i = ButtonAt(event.motion.x, event.motion.y);
      if (i >= 0) {
        menu_.ButtonMouseEnter(static_cast<MenuButton>(i));
      } else {
        menu_.FormMouseMove();
      }
      host_.SetHandCursor(i >= 0);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) {
        const int i = ButtonAt(event.button.x, event.button.y);
        if (i >= 0) Act(menu_.Click(static_cast<MenuButton>(i)));
      }
      break;
    case SDL_KEYDOWN: {
      DiscardTypedCharacter(event.key.keysym.sym);
      const SDL_Keycode key = event.key.keysym.sym;
      char typed = 0;
      if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
        typed = kEnterKey;
      } else if (key == SDLK_ESCAPE) {
        typed = kEscapeKey;
      } else if (key >= SDLK_1 && key <= SDLK_3) {
        typed = static_cast<char>(key);
      }
      if (typed != 0) Act(menu_.FormKeyPress(typed));
      break;
    }
    default:
      break;
  }
}

}  // namespace qv
