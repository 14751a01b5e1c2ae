// TLELabel: the clickable option label used for the game window's menu and
// every action list. Hovering a label makes it the current option: click
// handlers do not ask which label was clicked, they act on what the last
// hover left in CurrentOption.
#pragma once

#include <cstdint>
#include <string>

#include "parser/colour.h"
#include "ui/link_fields.h"

namespace qv {

// The values the last hovered option left behind.
struct CurrentOption {
  int32_t NextLocation = 0;
  std::string PendingPrePrefix;
  std::string PendingRedirect = "*";
  AssignmentSet PendingAssignments{};
  int32_t HoveredIndex = 0;
};

struct TLELabel {
  std::string Caption;
  Colour FontColour = 0;
  Colour Background = 0;
  Colour Barva1 = 0;  // background while the mouse is over the label
  Colour Barva2 = 0;  // background after the mouse leaves
  bool Underlined = false;
  bool UnderlineOnHover = true;
  bool HandCursor = false;
  bool Visible = true;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int32_t link = 0;
  int32_t idx = 0;
  std::string PrePrefix;
  std::string Redirect;
  AssignmentSet Assignments{};

  void MouseEnter(CurrentOption& current) {
    Background = Barva1;
    if (UnderlineOnHover) Underlined = true;
    current.NextLocation = link;
    current.PendingPrePrefix = PrePrefix;
    current.PendingRedirect = Redirect;
    current.PendingAssignments = Assignments;
    current.HoveredIndex = idx;
  }

  void MouseLeave(CurrentOption& current) {
    Background = Barva2;
    Underlined = false;
    current.NextLocation = 0;
    current.PendingPrePrefix.clear();
    current.PendingRedirect = "*";
    current.HoveredIndex = 0;
  }
};

}  // namespace qv
