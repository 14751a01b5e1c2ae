#include "desktop/save_view.h"

#include <string_view>

#include "desktop/desktop_host.h"
#include "desktop/small_window.h"

namespace qv {

namespace {

// "Chceš uložit pozici?" and "Název:"
constexpr std::string_view kHeading = "Chce\x9A ulo\x9Eit pozici?";
constexpr std::string_view kNameLabel = "N\xE1zev:";
// Written in the frame of a picture the skin lacks: "Uložit", "Neukládat".
constexpr std::string_view kSaveCaption = "Ulo\x9Eit";
constexpr std::string_view kDontSaveCaption =
    "Neukl\xE1"
    "dat";
const Font kHeadingFont{"Arial", 12, {true, false, false, false}};
const Font kLabelFont{"Arial", 10, {}};
constexpr int kHeadingCentre = 60;
constexpr int kFieldCentre = 110;
constexpr int kSaveCentre = 170;
constexpr int kDontSaveCentre = 230;
constexpr int kMissingWidth = 100;
constexpr int kMissingHeight = 30;

}  // namespace

Rect SaveView::PictureArea(std::string_view name, int centre_below_top) const {
  const ShownPicture picture = host_.Pictures().Skin(name, SeeThrough(host_.Look().Menu));
  const Rect area = Area();
  return CentredOn(area.Left + area.Width / 2, area.Top + centre_below_top,
                   picture.Texture ? picture.Width : kMissingWidth,
                   picture.Texture ? picture.Height : kMissingHeight);
}

Rect SaveView::FieldArea() const {
  const Rect area = Area();
  return CentredOn(area.Left + area.Width / 2, area.Top + kFieldCentre, TextField::kWidth,
                   TextField::kHeight);
}

Rect SaveView::SaveArea() const { return PictureArea("ulozit", kSaveCentre); }
Rect SaveView::DontSaveArea() const { return PictureArea("neukladat", kDontSaveCentre); }

void SaveView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  FillSmallWindow(canvas, look.Menu, area);
  const ShownPicture background = canvas.Pictures().Skin("pozadi_postava", SeeThrough(look.Menu));
  if (background.Texture) {
    const Rect at = CentredOn(area.Left + area.Width / 2, area.Top + area.Height / 2,
                              background.Width, background.Height);
    canvas.DrawPicture(background, at.Left, at.Top);
  } else {
    DrawBuiltInPanel(canvas, area);
  }
  const Colour text = TextColourOn(background);
  const TextSize heading = canvas.Measure(kHeadingFont, kHeading);
  canvas.Text(kHeadingFont, kHeading, text, area.Left + (area.Width - heading.Width) / 2,
              area.Top + kHeadingCentre - heading.Height / 2);
  const Rect field = FieldArea();
  field_.Draw(canvas, field);
  const TextSize label = canvas.Measure(kLabelFont, kNameLabel);
  canvas.Text(kLabelFont, kNameLabel, text, field.Left - label.Width - 8, field.Top + 3);

  const struct {
    std::string_view Picture;
    Rect At;
    std::string_view Caption;
  } buttons[] = {{"ulozit", SaveArea(), kSaveCaption},
                 {"neukladat", DontSaveArea(), kDontSaveCaption}};
  for (const auto& button : buttons) {
    const ShownPicture picture = canvas.Pictures().Skin(button.Picture, SeeThrough(look.Menu));
    canvas.DrawPicture(picture, button.At.Left, button.At.Top, button.At);
    if (!picture.Texture) {
      const TextSize size = canvas.Measure(kLabelFont, button.Caption);
      canvas.Text(kLabelFont, button.Caption, text,
                  button.At.Left + (button.At.Width - size.Width) / 2,
                  button.At.Top + (button.At.Height - size.Height) / 2);
    }
  }
}

void SaveView::HandleEvent(const SDL_Event& event) {
  // Enter takes the window's default button, "ulozit", as in any dialog.
  if (IsEnterKey(event)) {
    window_.UlozitClick();
    return;
  }
  if (field_.HandleEvent(event)) return;
  if (event.type == SDL_MOUSEMOTION) {
    const int x = event.motion.x;
    const int y = event.motion.y;
    host_.SetHandCursor(SaveArea().Contains(x, y) || DontSaveArea().Contains(x, y));
    return;
  }
  if (event.type != SDL_MOUSEBUTTONDOWN || event.button.button != SDL_BUTTON_LEFT) return;
  const int x = event.button.x;
  const int y = event.button.y;
  if (SaveArea().Contains(x, y)) {
    window_.UlozitClick();
  } else if (DontSaveArea().Contains(x, y)) {
    window_.NeukladatClick();
  }
}

}  // namespace qv
