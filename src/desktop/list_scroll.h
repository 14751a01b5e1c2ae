// A column of labels that may be longer than the room the window has for it:
// the model keeps every label at its own top; the view shows those that fit
// in a band and moves the column by whole rows with the wheel.
#pragma once

namespace qv {

struct ListScroll {
  // One wheel notch moves the column by this many rows.
  static constexpr int kRowsPerNotch = 3;

  int BandTop = 0;     // where the first label stands while nothing is scrolled
  int BandBottom = 0;  // labels must end above this
  int RowHeight = 15;
  int Offset = 0;  // pixels scrolled, a whole number of rows

  int ShownTop(int top) const { return top - Offset; }
  bool Shows(int top) const {
    const int shown = ShownTop(top);
    return shown >= BandTop && shown + RowHeight <= BandBottom;
  }

  // How far the column can move when its last label ends at `content_bottom`
  // (its own top plus the row height).
  int MaxOffset(int content_bottom) const;
  // Keeps the offset within the column (a list may have become shorter).
  void Clamp(int content_bottom);
  // Positive notches go up, toward the first label.
  void Wheel(int notches, int content_bottom);
  // The notches after which the label at `top` is shown (0 when it is).
  int NotchesToShow(int top, int content_bottom) const;
};

}  // namespace qv
