// The game window's "Audio" button: the settings window over the player.
#include "interpreter/game_window.h"

namespace qv {

void GameWindow::AudioClick() {
  // The button is shown only with the player; a click that arrives without
  // one has nothing to set.
  if (!Audio) return;
  // The game window takes the whole screen.
  AudioSettings.Prepare(*Audio, host.ScreenWidth(), host.ScreenHeight());
  host.RunModal(AudioSettings);
}

}  // namespace qv
