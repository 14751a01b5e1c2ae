// The game window's "Audio" button: the settings window over the player.
#include "interpreter/tform1.h"

namespace qv {

void TForm1::Label5Click() {
  // The button is shown only with the player; a click that arrives without
  // one has nothing to set.
  if (!Audio) return;
  // The game window takes the whole screen.
  SettingsWindow.Prepare(*Audio, host.ScreenWidth(), host.ScreenHeight());
  host.RunModal(SettingsWindow);
}

}  // namespace qv
