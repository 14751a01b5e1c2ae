#include "ui/answer_prompt.h"

namespace qv {

void TForm16::CentreOnScreen(int screen_width, int screen_height) {
  Left = screen_width / 2 - kWidth / 2;
  Top = screen_height / 2 - kHeight / 2;
}

}  // namespace qv
