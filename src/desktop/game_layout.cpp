#include "desktop/game_layout.h"

namespace qv {

std::string_view GameButtonCaption(GameButton button) {
  switch (button) {
    case GameButton::Postava:
      return "Postava";
    case GameButton::Vybaveni:
      return "Vybaven\xED";
    case GameButton::Napoveda:
      return "N\xE1pov\xEC"
             "da";
    case GameButton::Audio:
      return "Audio";
    case GameButton::Konec:
      return "Konec";
  }
  return {};
}

Rect GameLayout::Button(GameButton button) const {
  const int index = static_cast<int>(button);
  const int rows = (static_cast<int>(kGameButtons.size()) + 1) / 2;
  const int first_top = MessageFrame().Top - kMargin - rows * (kButtonHeight + kButtonGap);
  return Rect{kMargin + (index % 2) * (kButtonWidth + kButtonGap),
              first_top + (index / 2) * (kButtonHeight + kButtonGap), kButtonWidth, kButtonHeight};
}

}  // namespace qv
