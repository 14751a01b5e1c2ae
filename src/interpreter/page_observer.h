// What the game window tells an onlooker as the game goes: the choices, the
// pages, the messages and the windows the pages open. The reading comforts
// (history, transcript, reading aloud) listen here, so that the interpreter
// itself knows nothing of them; a game window without an observer behaves
// exactly as one with.
#pragma once

#include <string_view>

#include "host/window.h"

namespace qv {

class GameWindow;

class PageObserver {
 public:
  virtual ~PageObserver() = default;

  // The player chose something that leads on: a menu option, a text link or
  // a picture link; `caption` is what it shows (Windows-1250). Told before
  // the page changes.
  virtual void ChoiceMade(std::string_view caption) = 0;
  // The page on the window is about to be taken down for a new one.
  virtual void PageLeaving(const GameWindow& window) = 0;
  // A new page stands on the window: finished, or stopped by a faulty tag.
  virtual void PageShown(const GameWindow& window) = 0;
  // A message line was added (Windows-1250).
  virtual void MessageAdded(std::string_view text) = 0;
  // A window that a tag of the page opened has closed.
  virtual void PageWindowClosed(const ModalWindow& window) = 0;
};

}  // namespace qv
