#include "text/text_host.h"

#include <optional>
#include <string>

#include "data/cp1250.h"
#include "host/approximate_metrics.h"
#include "script/visible_controls.h"
#include "script/window_drivers.h"
#include "text/text_windows.h"
#include "ui/answer_prompt_window.h"
#include "ui/death_window.h"
#include "ui/picture_popup_window.h"

namespace qv {

void TextHost::BeforeWindow() {
  if (before_window_) before_window_();
}

void TextHost::ShowMessage(std::string_view text) {
  out_ << "Zpráva: " << TerminalText(text) << '\n' << std::flush;
}

void TextHost::ShowDeathWindow() {
  if (ended_) return;
  BeforeWindow();
  DeathWindow window(*this);
  out_ << "Tvůj hrdina zemřel. [obrázek " << TerminalText(window.File) << "]\n" << std::flush;
  window.PictureClick();
}

void TextHost::OpenWebAddress(std::string_view address) {
  out_ << "Webová adresa: " << TerminalText(address) << '\n' << std::flush;
}

void TextHost::RunModal(ModalWindow& window) {
  if (ended_) return;
  BeforeWindow();
  if (auto* prompt = dynamic_cast<AnswerPromptWindow*>(&window)) {
    out_ << TerminalText(prompt->Question) << "\nOdpověď: " << std::flush;
    const std::optional<std::string> line = input_.ReadLine();
    if (!line) {
      EndProgram();
      return;
    }
    prompt->Edit = Utf8ToCp1250(*line);
    prompt->OkClick();
  } else if (auto* popup = dynamic_cast<PicturePopupWindow*>(&window)) {
    out_ << "[obrázek " << TerminalText(popup->File);
    if (!popup->Caption.empty()) out_ << ": " << TerminalText(popup->Caption);
    out_ << "] (Enter obrázek zavře)" << std::flush;
    if (!input_.ReadLine()) {
      EndProgram();
      return;
    }
    popup->PictureClick();
  } else if (IsTextWindow(window)) {
    if (drivers_.empty()) drivers_ = DefaultWindowDrivers();
    RunTextWindow(window, *this, input_, out_, drivers_);
  } else {
    out_ << "Okno " << window.Kind() << " v terminálu zatím není.\n" << std::flush;
    window.Close();
  }
}

TextSize TextHost::MeasureText(const Font& font, std::string_view text) {
  return ApproximateTextSize(font, text);
}

}  // namespace qv
