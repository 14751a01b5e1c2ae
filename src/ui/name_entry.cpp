#include "ui/name_entry.h"

namespace qv {

StartAction TForm14::OkClick() {
  // The name field of the character holds 100 bytes: longer names are cut.
  state_.Character.Name = Edit;
  Close();
  return StartAction::OpenGame;
}

StartAction TForm14::FormKeyPress(char key) {
  if (key == kEnterKey) return OkClick();
  return StartAction::None;
}

}  // namespace qv
