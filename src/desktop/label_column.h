// A scrolled column of list labels, each at its own top in its window: where
// each one stands on the screen now, which one is under the mouse, and
// drawing them with the bar beside them. The shop and the selling window
// each show their list through one.
//
// The labels are handed in at every call, as pointers in list order: buying
// and selling change them between frames.
#pragma once

#include <cstddef>
#include <vector>

#include "desktop/canvas.h"
#include "desktop/list_scroll.h"
#include "ui/tle_label.h"

namespace qv {

class DesktopHost;

class LabelColumn {
 public:
  using Labels = std::vector<const TLELabel*>;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  LabelColumn(DesktopHost& host, int band_top, int band_bottom, int row_height);

  // Label i where it stands now in `window`; empty when hidden or scrolled
  // out of sight.
  Rect Area(const Labels& labels, std::size_t i, const Rect& window) const;
  // The label under (x, y), or kNone.
  std::size_t At(const Labels& labels, int x, int y, const Rect& window) const;
  int NotchesToShow(const Labels& labels, std::size_t i) const;
  void Wheel(const Labels& labels, int notches) { scroll_.Wheel(notches, ContentBottom(labels)); }
  const ListScroll& Scroll() const { return scroll_; }

  // The labels that are in sight (black ones in `text`), the hovered one
  // underlined when it asks for that, and the bar at `bar_left` in the window.
  void Draw(Canvas& canvas, const Labels& labels, Colour text, std::size_t hovered,
            const Rect& window, int bar_left);

 private:
  // A hidden label keeps its row.
  int ContentBottom(const Labels& labels) const;

  DesktopHost& host_;
  ListScroll scroll_;
};

}  // namespace qv
