#include "ui/about_window.h"

namespace qv {

void TForm9::FormShow(int menu_left, int menu_top) {
  Left = menu_left;
  Top = menu_top;
  Reopen();
}

}  // namespace qv
