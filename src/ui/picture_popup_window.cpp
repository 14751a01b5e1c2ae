#include "ui/picture_popup_window.h"

namespace qv {

void PicturePopupWindow::CentreOnScreen(int screen_width, int screen_height) {
  Left = screen_width / 2 - ClientWidth() / 2;
  Top = screen_height / 2 - ClientHeight() / 2;
}

}  // namespace qv
