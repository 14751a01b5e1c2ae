#include "desktop/inventory_view.h"

#include <algorithm>
#include <string_view>

#include "desktop/death_view.h"
#include "desktop/desktop_host.h"
#include "desktop/inventory_layout.h"
#include "desktop/possession_window_parts.h"
#include "desktop/small_window.h"
#include "desktop/text_painter.h"

namespace qv {

namespace {

using namespace inventory_layout;

constexpr int kColumnLefts[] = {InventoryWindow::kObjectsLeft, InventoryWindow::kItemsLeft,
                                InventoryWindow::kWeaponsLeft};
constexpr int kColumnEnds[] = {InventoryWindow::kItemsLeft, InventoryWindow::kWeaponsLeft,
                               kRightColumnEnd};
constexpr InventoryList kLists[] = {InventoryList::Objects, InventoryList::Items,
                                    InventoryList::Weapons, InventoryList::Armour};

// The lines of `text` that fit `rows` lines, the last ones kept: the newest
// messages stay in sight.
std::vector<std::string_view> LastLines(std::string_view text, int rows) {
  std::vector<std::string_view> lines = DisplayLines(text);
  if (rows >= 0 && static_cast<int>(lines.size()) > rows) {
    lines.erase(lines.begin(), lines.end() - rows);
  }
  return lines;
}

void DrawLines(Canvas& canvas, const std::vector<std::string_view>& lines, Colour colour, int x,
               int y, int line_height, int rows) {
  for (int i = 0; i < static_cast<int>(lines.size()) && i < rows; ++i) {
    canvas.Text(kEntryFont, lines[static_cast<std::size_t>(i)], colour, x, y + i * line_height);
  }
}

}  // namespace

InventoryView::InventoryView(DesktopHost& host, InventoryWindow& window)
    : host_(host), window_(window) {
  for (ListScroll& scroll : scroll_) {
    scroll.BandTop = InventoryWindow::kListTop;
    scroll.BandBottom = kListBottom;
    scroll.RowHeight = InventoryWindow::kRowHeight;
  }
}

const std::vector<TLELabel>& InventoryView::Labels(InventoryList list) const {
  switch (list) {
    case InventoryList::Objects:
      return window_.Objects;
    case InventoryList::Items:
      return window_.Items;
    case InventoryList::Weapons:
      return window_.Weapons;
    case InventoryList::Armour:
      return window_.Armours;
  }
  return window_.Objects;
}

int InventoryView::ColumnOf(InventoryList list) {
  switch (list) {
    case InventoryList::Objects:
      return 0;
    case InventoryList::Items:
      return 1;
    case InventoryList::Weapons:
    case InventoryList::Armour:
      return 2;
  }
  return 0;
}

Rect InventoryView::CloseButtonArea() const { return CloseArea(host_, Area()); }

int InventoryView::ContentBottom(int column) const {
  int bottom = InventoryWindow::kListTop;
  for (InventoryList list : kLists) {
    if (ColumnOf(list) != column) continue;
    for (const TLELabel& label : Labels(list)) {
      bottom = std::max(bottom, label.Top + InventoryWindow::kRowHeight);
    }
  }
  return bottom;
}

Rect InventoryView::ColumnArea(int column) const {
  const auto c = static_cast<std::size_t>(column);
  return Rect{window_.Left + kColumnLefts[c], window_.Top + InventoryWindow::kListTop,
              kColumnEnds[c] - kColumnLefts[c], kListBottom - InventoryWindow::kListTop};
}

int InventoryView::ColumnAt(int x, int y) const {
  for (int column = 0; column < 3; ++column) {
    if (ColumnArea(column).Contains(x, y)) return column;
  }
  return -1;
}

Rect InventoryView::EntryRect(const TLELabel& label, int column) const {
  const ListScroll& scroll = scroll_[static_cast<std::size_t>(column)];
  if (!label.Visible || !scroll.Shows(label.Top)) return {};
  const TextSize size = host_.Text().Measure(kEntryFont, label.Caption);
  // A long caption runs on over the next column; only its own column takes
  // its clicks.
  const int width = std::min(size.Width, kColumnEnds[column] - label.Left);
  return Rect{window_.Left + label.Left, window_.Top + scroll.ShownTop(label.Top), width,
              InventoryWindow::kRowHeight};
}

Rect InventoryView::EntryArea(InventoryList list, int32_t number) const {
  const TLELabel* label = InventoryWindow::Find(Labels(list), number);
  if (!label) return {};
  return EntryRect(*label, ColumnOf(list));
}

int InventoryView::NotchesToShow(InventoryList list, int32_t number) const {
  const TLELabel* label = InventoryWindow::Find(Labels(list), number);
  if (!label) return 0;
  const int column = ColumnOf(list);
  return scroll_[static_cast<std::size_t>(column)].NotchesToShow(label->Top, ContentBottom(column));
}

void InventoryView::ScrollColumnBy(int column, int notches) {
  if (column < 0 || column > 2) return;
  scroll_[static_cast<std::size_t>(column)].Wheel(notches, ContentBottom(column));
}

InventoryView::Hit InventoryView::EntryAt(int x, int y, bool* found) const {
  *found = false;
  for (InventoryList list : kLists) {
    for (const TLELabel& label : Labels(list)) {
      if (EntryRect(label, ColumnOf(list)).Contains(x, y)) {
        *found = true;
        return Hit{list, label.idx};
      }
    }
  }
  return {};
}

void InventoryView::Enter(const Hit& hit) {
  switch (hit.List) {
    case InventoryList::Objects:
      window_.ObjectMouseEnter(hit.Number);
      return;
    case InventoryList::Items:
      window_.ItemMouseEnter(hit.Number);
      return;
    case InventoryList::Weapons:
      window_.WeaponMouseEnter(hit.Number);
      return;
    case InventoryList::Armour:
      window_.ArmourMouseEnter(hit.Number);
      return;
  }
}

void InventoryView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  const ShownPicture background =
      DrawBackground(canvas, look.Menu, area, "pozadi_inventar", area.Left, area.Top);
  canvas.Frame(area, look.Game.WindowColour, kFramePen);
  const Colour text = TextColourOn(background);

  const TextSize currency = canvas.Text(kMoneyFont, window_.CurrencyLabel, text,
                                        area.Left + kMoneyLeft, area.Top + kMoneyTop);
  canvas.Text(kMoneyFont, window_.Prachy, text, area.Left + kMoneyLeft + currency.Width + kMoneyGap,
              area.Top + kMoneyTop);
  const std::string_view headings[] = {inventory_text::kObjects, inventory_text::kItems,
                                       inventory_text::kWeapons};
  for (int column = 0; column < 3; ++column) {
    canvas.Text(kHeadingFont, headings[column], text, area.Left + kColumnLefts[column],
                area.Top + kHeadingTop);
  }

  for (int column = 0; column < 3; ++column) {
    scroll_[static_cast<std::size_t>(column)].Clamp(ContentBottom(column));
  }
  for (InventoryList list : kLists) {
    const int column = ColumnOf(list);
    for (const TLELabel& label : Labels(list)) {
      const Rect at = EntryRect(label, column);
      if (at.Height == 0) continue;
      const bool hovered = hovering_ && hovered_.List == list && hovered_.Number == label.idx;
      DrawEntryLabel(canvas, label, text, at.Left, at.Top, hovered);
    }
  }
  for (int column = 0; column < 3; ++column) {
    DrawScrollBar(canvas, scroll_[static_cast<std::size_t>(column)], ContentBottom(column),
                  area.Left + kColumnEnds[column] - 6, area.Top);
  }

  const int line_height = canvas.Measure(kEntryFont, "Ag").Height;
  const Rect panel{area.Left + kMessagePanel.Left, area.Top + kMessagePanel.Top,
                   kMessagePanel.Width, kMessagePanel.Height};
  canvas.Frame(panel, look.Game.WindowColour, kFramePen);
  const int panel_rows = (panel.Height - 2 * kTextInset) / std::max(1, line_height);
  DrawLines(canvas, LastLines(window_.Status2, panel_rows), text, panel.Left + kTextInset,
            panel.Top + kTextInset, line_height, panel_rows);
  const Rect strip{area.Left + kStatusStrip.Left, area.Top + kStatusStrip.Top, kStatusStrip.Width,
                   kStatusStrip.Height};
  canvas.Frame(strip, look.Game.WindowColour, kFramePen);
  const int strip_rows = (strip.Height - 2 * kTextInset) / std::max(1, line_height);
  DrawLines(canvas, DisplayLines(window_.Status), text, strip.Left + kTextInset,
            strip.Top + kTextInset, line_height, strip_rows);

  DrawClose(canvas, look.Menu, CloseButtonArea());
}

void InventoryView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const int x = event.motion.x;
      const int y = event.motion.y;
      pointer_x_ = x;
      pointer_y_ = y;
      bool found = false;
      const Hit hit = EntryAt(x, y, &found);
      if (found) {
        if (!hovering_ || hit.List != hovered_.List || hit.Number != hovered_.Number) Enter(hit);
        hovering_ = true;
        hovered_ = hit;
        const TLELabel* label = InventoryWindow::Find(Labels(hit.List), hit.Number);
        host_.SetHandCursor(label && label->HandCursor);
        return;
      }
      hovering_ = false;
      host_.SetHandCursor(false);
      if (CloseButtonArea().Contains(x, y)) {
        window_.KrizekMouseMove();
      } else if (Area().Contains(x, y)) {
        window_.BackgroundMouseMove();
      }
      return;
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (event.button.button != SDL_BUTTON_LEFT) return;
      const int x = event.button.x;
      const int y = event.button.y;
      if (CloseButtonArea().Contains(x, y)) {
        window_.KrizekClick();
        return;
      }
      bool found = false;
      const Hit hit = EntryAt(x, y, &found);
      if (!found) return;
      // A click that came without a movement onto the entry describes it first.
      if (!hovering_ || hit.List != hovered_.List || hit.Number != hovered_.Number) Enter(hit);
      hovering_ = true;
      hovered_ = hit;
      switch (hit.List) {
        case InventoryList::Objects:
          window_.ObjectClick(hit.Number);
          break;
        case InventoryList::Items:
          window_.ItemClick(hit.Number);
          break;
        case InventoryList::Weapons:
          window_.WeaponClick(hit.Number);
          break;
        case InventoryList::Armour:
          window_.ArmourClick(hit.Number);
          break;
      }
      return;
    }
    case SDL_MOUSEWHEEL: {
      const int column = ColumnAt(pointer_x_, pointer_y_);
      ScrollColumnBy(column, WheelNotches(event));
      return;
    }
    default:
      if (IsCharacterKey(event)) window_.FormKeyPress();
      return;
  }
}

}  // namespace qv
