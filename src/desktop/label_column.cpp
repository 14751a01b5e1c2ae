#include "desktop/label_column.h"

#include <algorithm>

#include "desktop/desktop_host.h"
#include "desktop/possession_window_parts.h"

namespace qv {

LabelColumn::LabelColumn(DesktopHost& host, int band_top, int band_bottom, int row_height)
    : host_(host) {
  scroll_.BandTop = band_top;
  scroll_.BandBottom = band_bottom;
  scroll_.RowHeight = row_height;
}

int LabelColumn::ContentBottom(const Labels& labels) const {
  int bottom = scroll_.BandTop;
  for (const TLELabel* label : labels) bottom = std::max(bottom, label->Top + scroll_.RowHeight);
  return bottom;
}

Rect LabelColumn::Area(const Labels& labels, std::size_t i, const Rect& window) const {
  if (i >= labels.size()) return {};
  const TLELabel& label = *labels[i];
  if (!label.Visible || !scroll_.Shows(label.Top)) return {};
  const int width = host_.Text().Measure(kEntryFont, label.Caption).Width;
  return Rect{window.Left + label.Left, window.Top + scroll_.ShownTop(label.Top),
              std::max(width, 1), scroll_.RowHeight};
}

std::size_t LabelColumn::At(const Labels& labels, int x, int y, const Rect& window) const {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (Area(labels, i, window).Contains(x, y)) return i;
  }
  return kNone;
}

int LabelColumn::NotchesToShow(const Labels& labels, std::size_t i) const {
  if (i >= labels.size()) return 0;
  return scroll_.NotchesToShow(labels[i]->Top, ContentBottom(labels));
}

void LabelColumn::Draw(Canvas& canvas, const Labels& labels, Colour text, std::size_t hovered,
                       const Rect& window, int bar_left) {
  scroll_.Clamp(ContentBottom(labels));
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Rect at = Area(labels, i, window);
    if (at.Height == 0) continue;
    DrawEntryLabel(canvas, *labels[i], text, at.Left, at.Top, i == hovered);
  }
  DrawScrollBar(canvas, scroll_, ContentBottom(labels), window.Left + bar_left, window.Top);
}

}  // namespace qv
