#include "desktop/sheet_view.h"

#include <string>
#include <string_view>

#include "desktop/death_view.h"
#include "desktop/desktop_host.h"
#include "desktop/possession_window_parts.h"
#include "desktop/small_window.h"

namespace qv {

namespace {

const Font kNameFont{"Arial", 14, {.Bold = true}};
const Font kExperienceFont{"Arial", 12, {.Bold = true}};
const Font kCaptionFont{"Arial", 10, {.Bold = true}};
constexpr int kNameTop = 14;
constexpr int kExperienceTop = 48;
constexpr int kExperienceGap = 10;  // between the caption and the value
// Captions stand right of their raise button, values further on.
constexpr int kCaptionAfterButton = 24;
constexpr int kValueAfterButton = 110;
constexpr int kEquipmentLeft = 40;
constexpr int kEquipmentValueLeft = 95;
constexpr int kWeaponTop = 176;
constexpr int kArmourTop = 196;
constexpr int kHintCentre = 226;
constexpr int kMissingButtonSize = 16;

struct AttributeLine {
  RaiseIndex Button;
  std::string_view Caption;
  const std::string CharacterSheetWindow::*Value;
};

constexpr AttributeLine kLines[] = {
    {kRaiseZivoty, sheet_text::kLives, &CharacterSheetWindow::Zivoty},
    {kRaiseSila, sheet_text::kStrength, &CharacterSheetWindow::Sila},
    {kRaiseRychlost, sheet_text::kSpeed, &CharacterSheetWindow::Rychlost},
    {kRaiseMana, sheet_text::kMana, &CharacterSheetWindow::Mana},
    {kRaiseObratnost, sheet_text::kDexterity, &CharacterSheetWindow::Obratnost},
    {kRaiseEnergie, sheet_text::kEnergy, &CharacterSheetWindow::Energie},
};

}  // namespace

Rect SheetView::RaiseArea(RaiseIndex k) const {
  const ShownPicture button = host_.Pictures().Skin("plusko3d", SeeThrough(host_.Look().Menu));
  const CharacterSheetWindow::Point at = CharacterSheetWindow::kRaiseButtons[k];
  return Rect{window_.Left + at.Left, window_.Top + at.Top,
              button.Texture ? button.Width : kMissingButtonSize,
              button.Texture ? button.Height : kMissingButtonSize};
}

Rect SheetView::CloseButtonArea() const { return CloseArea(host_, Area()); }

Rect SheetView::PictureArea() const {
  const ShownPicture background =
      host_.Pictures().Skin("pozadi_postava", SeeThrough(host_.Look().Menu));
  const Rect area = Area();
  if (!background.Texture) return area;
  return CentredOn(area.Left + area.Width / 2, area.Top + area.Height / 2, background.Width,
                   background.Height);
}

std::size_t SheetView::RaiseAt(int x, int y) const {
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    const auto index = static_cast<RaiseIndex>(k);
    if (window_.RaiseVisible[k] && RaiseArea(index).Contains(x, y)) return k;
  }
  return kRaiseCount;
}

void SheetView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  const Rect picture = PictureArea();
  const ShownPicture background =
      DrawBackground(canvas, look.Menu, area, "pozadi_postava", picture.Left, picture.Top);
  const Colour text = TextColourOn(background);
  const auto centred = [&](const Font& font, std::string_view line, int top) {
    const TextSize size = canvas.Measure(font, line);
    canvas.Text(font, line, text, area.Left + (area.Width - size.Width) / 2, area.Top + top);
  };

  centred(kNameFont, window_.Jmeno, kNameTop);
  // Caption and value are one group, centred as a whole.
  const TextSize caption = canvas.Measure(kExperienceFont, sheet_text::kExperience);
  const TextSize value = canvas.Measure(kEntryFont, window_.XP);
  const int group_left =
      area.Left + (area.Width - caption.Width - kExperienceGap - value.Width) / 2;
  canvas.Text(kExperienceFont, sheet_text::kExperience, text, group_left,
              area.Top + kExperienceTop);
  canvas.Text(kEntryFont, window_.XP, text, group_left + caption.Width + kExperienceGap,
              area.Top + kExperienceTop + (caption.Height - value.Height) / 2);

  const ShownPicture button = canvas.Pictures().Skin("plusko3d", SeeThrough(look.Menu));
  for (const AttributeLine& line : kLines) {
    if (line.Button == kRaiseMana && window_.HideMana) continue;
    const Rect at = RaiseArea(line.Button);
    if (window_.RaiseVisible[line.Button]) canvas.DrawPicture(button, at.Left, at.Top, at);
    canvas.Text(kCaptionFont, line.Caption, text, at.Left + kCaptionAfterButton, at.Top);
    canvas.Text(kEntryFont, window_.*line.Value, text, at.Left + kValueAfterButton, at.Top);
  }

  canvas.Text(kCaptionFont, sheet_text::kWeapon, text, area.Left + kEquipmentLeft,
              area.Top + kWeaponTop);
  canvas.Text(kEntryFont, window_.Zbran, text, area.Left + kEquipmentValueLeft,
              area.Top + kWeaponTop);
  canvas.Text(kCaptionFont, sheet_text::kArmour, text, area.Left + kEquipmentLeft,
              area.Top + kArmourTop);
  canvas.Text(kEntryFont, window_.Zbroj, text, area.Left + kEquipmentValueLeft,
              area.Top + kArmourTop);

  DrawClose(canvas, look.Menu, CloseButtonArea());
  if (!window_.XPinfo.empty()) {
    const TextSize hint = canvas.Measure(kEntryFont, window_.XPinfo);
    centred(kEntryFont, window_.XPinfo, kHintCentre - hint.Height / 2);
  }
}

void SheetView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int x = event.motion.x;
      const int y = event.motion.y;
      if (const std::size_t k = RaiseAt(x, y); k < kRaiseCount) {
        window_.RaiseMouseMove(static_cast<RaiseIndex>(k));
      } else if (CloseButtonArea().Contains(x, y)) {
        window_.KrizekMouseMove();
      } else if (PictureArea().Contains(x, y)) {
        window_.BackgroundMouseMove();
      }
      return;
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (event.button.button != SDL_BUTTON_LEFT) return;
      const int x = event.button.x;
      const int y = event.button.y;
      if (const std::size_t k = RaiseAt(x, y); k < kRaiseCount) {
        const auto index = static_cast<RaiseIndex>(k);
        // The hint names the price the click is about to pay.
        window_.RaiseMouseMove(index);
        window_.RaiseClick(index);
      } else if (CloseButtonArea().Contains(x, y)) {
        window_.KrizekClick();
      } else if (Area().Contains(x, y) && !PictureArea().Contains(x, y)) {
        window_.FormClick();
      }
      return;
    }
    default:
      if (IsCharacterKey(event)) window_.FormKeyPress();
      return;
  }
}

}  // namespace qv
