#include "desktop/shop_view.h"

#include "desktop/desktop_host.h"
#include "desktop/possession_window_parts.h"
#include "desktop/small_window.h"
#include "desktop/trading_layout.h"

namespace qv {

using namespace trading_layout;

ShopView::ShopView(DesktopHost& host, ShopWindow& window)
    : host_(host),
      window_(window),
      column_(host, ShopWindow::kRowTop + ShopWindow::kRowSpacing /* row 1 */, kEntriesBottom,
              ShopWindow::kRowSpacing) {}

Rect ShopView::CloseButtonArea() const { return CloseArea(host_, Area()); }

LabelColumn::Labels ShopView::Labels() const {
  LabelColumn::Labels labels;
  labels.reserve(window_.RowLabels.size());
  for (const TLELabel& label : window_.RowLabels) labels.push_back(&label);
  return labels;
}

Rect ShopView::RowArea(int row) const {
  if (row < 1) return {};
  return column_.Area(Labels(), static_cast<std::size_t>(row - 1), Area());
}

int ShopView::NotchesToShow(int row) const {
  if (row < 1) return 0;
  return column_.NotchesToShow(Labels(), static_cast<std::size_t>(row - 1));
}

int ShopView::RowAt(int x, int y) const {
  const std::size_t i = column_.At(Labels(), x, y, Area());
  return i == LabelColumn::kNone ? 0 : static_cast<int>(i) + 1;
}

void ShopView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  const ShownPicture background =
      DrawBackground(canvas, look.Menu, area, "pozadi_inventar", area.Left, area.Top);
  canvas.Frame(area, look.Game.WindowColour, kFramePen);
  const Colour text = TextColourOn(background);
  DrawMoneyHeading(canvas, window_.Heading, text, area);

  column_.Draw(canvas, Labels(), text,
               hovered_ > 0 ? static_cast<std::size_t>(hovered_ - 1) : LabelColumn::kNone, area,
               kScrollBarLeft);

  canvas.Text(kEntryFont, window_.HoverLine, text, area.Left + kDescriptionLeft,
              area.Top + kDescriptionTop);
  canvas.Text(kEntryFont, window_.MessageLine, text, area.Left + kBottomLineLeft,
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
        window_.RowMouseMove(hovered_);
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
      window_.RowMouseMove(row);
      window_.RowClick(row);
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
