#include "ui/about_window.h"

namespace qv {

void AboutWindow::FormShow(int menu_left, int menu_top) {
  Left = menu_left;
  Top = menu_top;
  Reopen();
}

}  // namespace qv
