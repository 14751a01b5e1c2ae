// SaveWindow (TSaveForm): the save window: a name field and two pictures, "ulozit"
// (save the position under that name) and "neukladat" (close without
// saving). The SAVE command opens it modally.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/host.h"
#include "host/window.h"
#include "parser/location_store.h"
#include "state/game_state.h"
#include "state/saved_position.h"

namespace qv {

// Why a typed name cannot become a file under ./save/ (as a Windows-1250
// message), or nullopt when it can. The name is refused when it could reach
// outside the save folder or make a file name the file system will not take:
// '/', '\', "..", a control byte, or too long a name. An empty name is taken,
// and gives a file that is the extension alone.
std::optional<std::string> RefuseSaveName(std::string_view name);

class SaveWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 400;
  static constexpr int kHeight = 300;

  // `playing_music` tells what the audio player is playing; empty without
  // one.
  SaveWindow(GameState& state, const LocationStore& store, Host& host,
             PlayingMusicQuery playing_music = {});

  std::string_view Kind() const override { return "save"; }

  std::string NameField;  // Edit1, the name field (Windows-1250)
  // Whether the last opening wrote a position (under NameField).
  bool Saved = false;
  int Left = 0;
  int Top = 0;

  // Centres the window on the game window, which covers the screen; each
  // half rounded toward zero.
  void CentreOn(int game_width, int game_height);

  // The name field proposes SaveDefaultName.
  void FormShow();

  // "ulozit": writes the position under the typed name and closes the
  // window. A name that cannot be used, or a failed write, is reported; then
  // nothing is saved and the window stays open for another name. True when
  // the position was written.
  bool UlozitClick();

  // "neukladat": closes the window without saving.
  void NeukladatClick() { Close(); }

 private:
  GameState& state_;
  const LocationStore& store_;
  Host& host_;
  PlayingMusicQuery playing_music_;
};

}  // namespace qv
