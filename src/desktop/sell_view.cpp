#include "desktop/sell_view.h"

#include <algorithm>

#include "desktop/desktop_host.h"
#include "desktop/possession_window_parts.h"
#include "desktop/small_window.h"
#include "desktop/trading_layout.h"

namespace qv {

using namespace trading_layout;

SellView::SellView(DesktopHost& host, TProdej& window) : host_(host), window_(window) {
  scroll_.BandTop = TProdej::kEntryTop;
  scroll_.BandBottom = kEntriesBottom;
  scroll_.RowHeight = TProdej::kEntrySpacing;
}

Rect SellView::CloseButtonArea() const { return CloseArea(host_, Area()); }

int SellView::ContentBottom() const {
  int bottom = scroll_.BandTop;
  // A hidden entry keeps its row.
  for (const SaleEntry& entry : window_.Entries) {
    bottom = std::max(bottom, entry.Label.Top + TProdej::kEntrySpacing);
  }
  return bottom;
}

Rect SellView::EntryArea(std::size_t entry) const {
  if (entry >= window_.Entries.size()) return {};
  const TLELabel& label = window_.Entries[entry].Label;
  if (!label.Visible || !scroll_.Shows(label.Top)) return {};
  const int width = host_.Text().Measure(kEntryFont, label.Caption).Width;
  return Rect{window_.Left + label.Left, window_.Top + scroll_.ShownTop(label.Top),
              std::max(width, 1), TProdej::kEntrySpacing};
}

int SellView::NotchesToShow(std::size_t entry) const {
  if (entry >= window_.Entries.size()) return 0;
  return scroll_.NotchesToShow(window_.Entries[entry].Label.Top, ContentBottom());
}

std::size_t SellView::EntryAt(int x, int y) const {
  for (std::size_t i = 0; i < window_.Entries.size(); ++i) {
    if (EntryArea(i).Contains(x, y)) return i;
  }
  return kNone;
}

void SellView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  const ShownPicture background =
      DrawBackground(canvas, look.Menu, area, "pozadi_inventar", area.Left, area.Top);
  const Colour text = TextColourOn(background);
  DrawMoneyHeading(canvas, window_.Heading, text, area);

  scroll_.Clamp(ContentBottom());
  for (std::size_t i = 0; i < window_.Entries.size(); ++i) {
    const Rect at = EntryArea(i);
    if (at.Height == 0) continue;
    const TLELabel& label = window_.Entries[i].Label;
    DrawEntryLabel(canvas, label, text, at.Left, at.Top, i == hovered_);
  }
  DrawScrollBar(canvas, scroll_, ContentBottom(), area.Left + kScrollBarLeft, area.Top);

  canvas.Text(kEntryFont, window_.Status, text, area.Left + kBottomLineLeft,
              area.Top + kBottomLineTop);
  DrawClose(canvas, look.Menu, CloseButtonArea());
}

void SellView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int x = event.motion.x;
      const int y = event.motion.y;
      hovered_ = EntryAt(x, y);
      host_.SetHandCursor(hovered_ != kNone);
      if (hovered_ != kNone) {
        window_.EntryMouseMove(hovered_);
      } else if (Area().Contains(x, y) && !CloseButtonArea().Contains(x, y)) {
        window_.FormMouseMove();
      }
      return;
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (event.button.button != SDL_BUTTON_LEFT) return;
      const int x = event.button.x;
      const int y = event.button.y;
      if (CloseButtonArea().Contains(x, y)) {
        window_.CloseClick();
        return;
      }
      const std::size_t entry = EntryAt(x, y);
      if (entry == kNone) return;
      hovered_ = entry;
      window_.EntryMouseMove(entry);
      window_.EntryClick(entry);
      return;
    }
    case SDL_MOUSEWHEEL:
      ScrollBy(WheelNotches(event));
      return;
    default:
      // Keys do not close the selling window.
      return;
  }
}

}  // namespace qv
