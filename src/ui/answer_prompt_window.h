// AnswerPromptWindow (TForm16): the answer prompt: a question, a one-line answer field and an
// "ok" picture that closes it. Enter does nothing; only the click on "ok"
// ends the prompt, so an answer cannot be sent by accident.
#pragma once

#include <string>
#include <string_view>

#include "host/window.h"

namespace qv {

// "Zadej odpověď": the question when the gamebook asks none.
inline constexpr std::string_view kDefaultAnswerQuestion = "Zadej odpov\xEC\xEF";

class AnswerPromptWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 423;
  static constexpr int kHeight = 245;

  std::string_view Kind() const override { return "answer"; }

  std::string Question;  // Label1
  std::string Edit;      // Edit1: what the player has typed
  int Left = 0;
  int Top = 0;

  // Centres the window on a screen of that size, each half rounded toward
  // zero.
  void CentreOnScreen(int screen_width, int screen_height);

  // The click on "ok".
  void OkClick() { Close(); }
};

}  // namespace qv
