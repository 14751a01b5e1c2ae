#include "interpreter/game_skin.h"

namespace qv {

void ApplyGameSkin(GameWindow& form, const GameSkin& skin) {
  ApplySkinFont(form.Fonts.Maintext, skin.Text);
  ApplySkinFont(form.Fonts.MenuFont, skin.Menu);
  ApplySkinFont(form.Fonts.MenuHeading, skin.MenuOtazka);
  form.HelpButtonVisible = skin.Napoveda;
  form.AudioButtonVisible = form.AudioButtonVisible && skin.AudioTlacitko;
  form.HideMana = skin.HideMana;  // the character sheet reads it when it opens
}

}  // namespace qv
