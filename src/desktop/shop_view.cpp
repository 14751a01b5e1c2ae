#include "desktop/shop_view.h"

#include <algorithm>

#include "desktop/desktop_host.h"
#include "desktop/possession_window_parts.h"
#include "desktop/small_window.h"
#include "desktop/trading_layout.h"

namespace qv {

using namespace trading_layout;

ShopView::ShopView(DesktopHost& host, TObchod& window) : host_(host), window_(window) {
  scroll_.BandTop = TObchod::kRowTop + TObchod::kRowSpacing;  // row 1
  scroll_.BandBottom = kEntriesBottom;
  scroll_.RowHeight = TObchod::kRowSpacing;
}

Rect ShopView::CloseButtonArea() const { return CloseArea(host_, Area()); }

int ShopView::ContentBottom() const {
  int bottom = scroll_.BandTop;
  for (const TLELabel& label : window_.RowLabels) {
    bottom = std::max(bottom, label.Top + TObchod::kRowSpacing);
  }
  return bottom;
}

Rect ShopView::RowArea(int row) const {
  if (row < 1 || row > static_cast<int>(window_.RowLabels.size())) return {};
  const TLELabel& label = window_.RowLabels[static_cast<std::size_t>(row - 1)];
  if (!label.Visible || !scroll_.Shows(label.Top)) return {};
  const int width = host_.Text().Measure(kEntryFont, label.Caption).Width;
  return Rect{window_.Left + label.Left, window_.Top + scroll_.ShownTop(label.Top),
              std::max(width, 1), TObchod::kRowSpacing};
}

int ShopView::NotchesToShow(int row) const {
  if (row < 1 || row > static_cast<int>(window_.RowLabels.size())) return 0;
  return scroll_.NotchesToShow(window_.RowLabels[static_cast<std::size_t>(row - 1)].Top,
                               ContentBottom());
}

int ShopView::RowAt(int x, int y) const {
  for (int row = 1; row <= static_cast<int>(window_.RowLabels.size()); ++row) {
    if (RowArea(row).Contains(x, y)) return row;
  }
  return 0;
}

void ShopView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  const ShownPicture background =
      DrawBackground(canvas, look.Menu, area, "pozadi_inventar", area.Left, area.Top);
  canvas.Frame(area, look.Game.WindowColour, kFramePen);
  const Colour text = TextColourOn(background);
  DrawMoneyHeading(canvas, window_.Heading, text, area);

  scroll_.Clamp(ContentBottom());
  for (int row = 1; row <= static_cast<int>(window_.RowLabels.size()); ++row) {
    const Rect at = RowArea(row);
    if (at.Height == 0) continue;
    const TLELabel& label = window_.RowLabels[static_cast<std::size_t>(row - 1)];
    DrawEntryLabel(canvas, label, text, at.Left, at.Top, row == hovered_);
  }
  DrawScrollBar(canvas, scroll_, ContentBottom(), area.Left + kScrollBarLeft, area.Top);

  canvas.Text(kEntryFont, window_.Label3, text, area.Left + kDescriptionLeft,
              area.Top + kDescriptionTop);
  canvas.Text(kEntryFont, window_.Label5, text, area.Left + kBottomLineLeft,
              area.Top + kBottomLineTop);
  DrawClose(canvas, look.Menu, CloseButtonArea());
}

void ShopView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int x = event.motion.x;
      const int y = event.motion.y;
      hovered_ = RowAt(x, y);
      host_.SetHandCursor(hovered_ > 0);
      if (hovered_ > 0) {
        window_.Label4MouseMove(hovered_);
      } else if (CloseButtonArea().Contains(x, y)) {
        window_.CloseMouseMove();
      } else if (Area().Contains(x, y)) {
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
      const int row = RowAt(x, y);
      if (row == 0) return;
      hovered_ = row;
      window_.Label4MouseMove(row);
      window_.Label4Click(row);
      return;
    }
    case SDL_MOUSEWHEEL:
      ScrollBy(WheelNotches(event));
      return;
    default:
      // Keys do not close the shop.
      return;
  }
}

}  // namespace qv
