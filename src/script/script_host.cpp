#include "script/script_host.h"

#include "host/approximate_metrics.h"
#include "ui/death_window.h"

namespace qv {

void ScriptHost::RunWindow(std::string_view kind, ModalWindow* modal,
                           const std::function<bool()>& done) {
  windows_.Push(kind, modal);
  // The window leaves the stack however the loop ends, also when the script
  // stops inside it.
  struct PopGuard {
    WindowStack& stack;
    ~PopGuard() { stack.Pop(); }
  } guard{windows_};
  loop_->RunUntil(done);
}

void ScriptHost::ShowDeathWindow() {
  if (ended_) return;
  if (!loop_) {
    ended_ = true;
    return;
  }
  // Only `ok` leaves the death window, and it ends the program.
  DeathWindow window(*this);
  RunWindow(window.Kind(), &window, [this] { return ended_; });
}

void ScriptHost::RunModal(ModalWindow& window) {
  if (ended_) return;
  if (!loop_) {
    window.Close();
    return;
  }
  RunWindow(window.Kind(), &window, [this, &window] { return window.IsClosed() || ended_; });
}

TextSize ScriptHost::MeasureText(const Font& font, std::string_view text) {
  return ApproximateTextSize(font, text);
}

}  // namespace qv
