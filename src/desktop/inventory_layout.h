// Where the inventory's parts stand in its 670 x 603 window, beyond the
// list columns the window itself places: the money line and the column
// headings above the lists, the messages of uses and equips (Status2) in a
// framed panel on the right, the description (Status) in a framed strip at
// the bottom. The lists scroll inside the band above that strip.
#pragma once

#include "desktop/canvas.h"
#include "host/font.h"
#include "possessions/inventory_window.h"

namespace qv::inventory_layout {

inline constexpr int kMoneyLeft = InventoryWindow::kObjectsLeft;
inline constexpr int kMoneyTop = 12;
inline constexpr int kMoneyGap = 6;  // between the currency and the amount
inline constexpr int kHeadingTop = 34;
inline constexpr int kListBottom = 480;  // 25 rows of 17 pixels from top 55
// The right column (weapons, then armour) ends where the message panel begins.
inline constexpr int kRightColumnEnd = 400;
inline constexpr Rect kMessagePanel{410, 55, 236, 425};
inline constexpr Rect kStatusStrip{24, 490, 622, 100};
inline constexpr int kTextInset = 6;
inline constexpr int kFramePen = 2;

inline const Font kMoneyFont{"Arial", 12, {.Bold = true}};
inline const Font kHeadingFont{"Arial", 10, {.Bold = true}};

}  // namespace qv::inventory_layout
