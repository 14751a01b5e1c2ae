// A modal window of the game as the host sees it: something that stays on
// top until one of its own handlers closes it.
#pragma once

#include <string_view>

namespace qv {

class ModalWindow {
 public:
  virtual ~ModalWindow() = default;

  // The window's name in scripts and dumps ("save", "answer", "fight", ...).
  virtual std::string_view Kind() const = 0;

  bool IsClosed() const { return closed_; }
  void Close() { closed_ = true; }
  // Windows are reused between openings, as the game's forms are.
  void Reopen() { closed_ = false; }

 private:
  bool closed_ = false;
};

}  // namespace qv
