#include "desktop/list_scroll.h"

#include <algorithm>

namespace qv {

int ListScroll::MaxOffset(int content_bottom) const {
  const int beyond = content_bottom - BandBottom;
  if (beyond <= 0 || RowHeight <= 0) return 0;
  return (beyond + RowHeight - 1) / RowHeight * RowHeight;
}

void ListScroll::Clamp(int content_bottom) {
  Offset = std::clamp(Offset, 0, MaxOffset(content_bottom));
}

void ListScroll::Wheel(int notches, int content_bottom) {
  Offset -= notches * kRowsPerNotch * RowHeight;
  Clamp(content_bottom);
}

int ListScroll::NotchesToShow(int top, int content_bottom) const {
  ListScroll moved = *this;
  moved.Clamp(content_bottom);
  int notches = 0;
  const int direction = moved.ShownTop(top) < BandTop ? 1 : -1;
  // A label that no offset can show (taller than the band) stops at the end.
  for (int step = 0; step < 1000 && !moved.Shows(top); ++step) {
    const int before = moved.Offset;
    moved.Wheel(direction, content_bottom);
    if (moved.Offset == before) break;
    notches += direction;
  }
  return notches;
}

}  // namespace qv
