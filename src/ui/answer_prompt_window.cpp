#include "ui/answer_prompt_window.h"

namespace qv {

void AnswerPromptWindow::CentreOnScreen(int screen_width, int screen_height) {
  Left = screen_width / 2 - kWidth / 2;
  Top = screen_height / 2 - kHeight / 2;
}

}  // namespace qv
