// Where the shop's and the selling window's own texts stand in their
// 670 x 603 windows, beyond the heading, money line and entries the windows
// place themselves: the shop's description of the row under the mouse on
// the right, its message line at the bottom, the selling window's price and
// description line at the bottom. The entries scroll above the bottom lines.
#pragma once

namespace qv::trading_layout {

inline constexpr int kEntriesBottom = 545;
inline constexpr int kDescriptionLeft = 340;  // the shop's Label3
inline constexpr int kDescriptionTop = 80;
inline constexpr int kBottomLineLeft = 50;  // the shop's Label5, the selling window's Status
inline constexpr int kBottomLineTop = 555;
inline constexpr int kFramePen = 2;
// The scroll bar stands right of the entries.
inline constexpr int kScrollBarLeft = 320;

}  // namespace qv::trading_layout
