#include "desktop/sell_view.h"

#include "desktop/desktop_host.h"
#include "desktop/possession_window_parts.h"
#include "desktop/small_window.h"
#include "desktop/trading_layout.h"

namespace qv {

using namespace trading_layout;

SellView::SellView(DesktopHost& host, SellWindow& window)
    : host_(host),
      window_(window),
      column_(host, SellWindow::kEntryTop, kEntriesBottom, SellWindow::kEntrySpacing) {}

Rect SellView::CloseButtonArea() const { return CloseArea(host_, Area()); }

LabelColumn::Labels SellView::Labels() const {
  LabelColumn::Labels labels;
  labels.reserve(window_.Entries.size());
  for (const SaleEntry& entry : window_.Entries) labels.push_back(&entry.Label);
  return labels;
}

Rect SellView::EntryArea(std::size_t entry) const { return column_.Area(Labels(), entry, Area()); }

int SellView::NotchesToShow(std::size_t entry) const {
  return column_.NotchesToShow(Labels(), entry);
}

void SellView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  const ShownPicture background =
      DrawBackground(canvas, look.Menu, area, "pozadi_inventar", area.Left, area.Top);
  const Colour text = TextColourOn(background);
  DrawMoneyHeading(canvas, window_.Heading, text, area);

  column_.Draw(canvas, Labels(), text, hovered_, area, kScrollBarLeft);

  canvas.Text(kEntryFont, window_.Status, text, area.Left + kBottomLineLeft,
              area.Top + kBottomLineTop);
  DrawClose(canvas, look.Menu, CloseButtonArea());
}

void SellView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int x = event.motion.x;
      const int y = event.motion.y;
      hovered_ = column_.At(Labels(), x, y, Area());
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
      const std::size_t entry = column_.At(Labels(), x, y, Area());
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
