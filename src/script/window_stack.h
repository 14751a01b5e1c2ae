// The windows of a scripted run, bottom first: the main menu, the start
// windows, the game window and the modal windows the game opened. Commands
// act on the window on top.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/window.h"

namespace qv {

// Names of the windows the runner itself keeps (the modal windows of the
// game name themselves through ModalWindow::Kind).
inline constexpr std::string_view kMenuWindow = "menu";
inline constexpr std::string_view kNameWindow = "name";
inline constexpr std::string_view kAboutWindow = "about";
inline constexpr std::string_view kLoadListWindow = "load-list";
inline constexpr std::string_view kGameWindow = "game";
inline constexpr std::string_view kDeathWindow = "death";

struct StackedWindow {
  std::string Kind;
  ModalWindow* Modal = nullptr;  // null for the windows the runner keeps itself
};

class WindowStack {
 public:
  void Push(std::string_view kind, ModalWindow* modal = nullptr) {
    windows_.push_back(StackedWindow{std::string(kind), modal});
  }
  void Pop() {
    if (!windows_.empty()) windows_.pop_back();
  }
  bool Empty() const { return windows_.empty(); }
  // The window on top; an empty kind when there is none.
  const StackedWindow& Top() const {
    static const StackedWindow kNone;
    return windows_.empty() ? kNone : windows_.back();
  }
  // The topmost window of that kind, or null.
  const StackedWindow* Find(std::string_view kind) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
      if (it->Kind == kind) return &*it;
    }
    return nullptr;
  }
  bool Contains(std::string_view kind) const { return Find(kind) != nullptr; }
  const std::vector<StackedWindow>& Windows() const { return windows_; }

 private:
  std::vector<StackedWindow> windows_;
};

}  // namespace qv
