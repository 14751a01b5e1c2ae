#include "state/name_entry_window.h"

namespace qv {

StartAction NameEntryWindow::OkClick() {
  // The name field of the character holds 100 bytes: longer names are cut.
  state_.Character.Name = Edit;
  Close();
  return StartAction::OpenGame;
}

StartAction NameEntryWindow::FormKeyPress(char key) {
  if (key == kEnterKey) return OkClick();
  return StartAction::None;
}

}  // namespace qv
