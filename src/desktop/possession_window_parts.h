// What the character sheet, inventory, shop and selling windows have in
// common on the desktop: the background picture, the close picture "krizek"
// in the top right corner, option labels drawn with their hover underline,
// and the thin bar that shows where a scrolled list stands.
#pragma once

#include <string_view>

#include "desktop/canvas.h"
#include "desktop/desktop_look.h"
#include "desktop/list_scroll.h"
#include "host/font.h"
#include "possessions/money_heading.h"
#include "ui/tle_label.h"

namespace qv {

class DesktopHost;

// The font of the windows' list entries and small texts.
inline const Font kEntryFont{"Arial", 10, {}};
inline constexpr int kCloseInset = 10;
// The room a missing close picture takes (an empty frame with an "x").
inline constexpr int kMissingCloseSize = 20;

// Fills the window as a small window is filled and draws the background
// picture from `at`; without the picture, a grey frame around the window.
ShownPicture DrawBackground(Canvas& canvas, const MenuSkin& look, const Rect& window,
                            std::string_view picture, int at_left, int at_top);

// Where "krizek" stands: 10 pixels in from the window's top right corner.
Rect CloseArea(DesktopHost& host, const Rect& window);
void DrawClose(Canvas& canvas, const MenuSkin& look, const Rect& area);

// A list label's caption at (x, y), underlined while the mouse is over it
// when the label asks for that. Black captions take `text`, the colour that
// stands out on the background (black would vanish without the picture).
void DrawEntryLabel(Canvas& canvas, const TLELabel& label, Colour text, int x, int y,
                    bool hovered);

// The shop's and the selling window's heading and money line.
void DrawMoneyHeading(Canvas& canvas, const MoneyHeading& heading, Colour text,
                      const Rect& window);

// A bar at `x` beside a scrolled column, only when the column is longer than
// its band.
void DrawScrollBar(Canvas& canvas, const ListScroll& scroll, int content_bottom, int x,
                   int window_top);

// The wheel's notches, positive away from the user (up), whatever way the
// system turns them.
int WheelNotches(const SDL_Event& event);

}  // namespace qv
