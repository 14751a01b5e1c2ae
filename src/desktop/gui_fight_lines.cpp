#include "desktop/gui_fight_lines.h"

#include <SDL.h>

#include <string>
#include <string_view>

#include "combat/fight_window.h"
#include "desktop/desktop_host.h"
#include "desktop/fight_view.h"
#include "desktop/synthetic_input.h"
#include "script/script_commands.h"
#include "script/script_error.h"

namespace qv {

namespace {

[[noreturn]] void DoesNotFit(const ScriptLine& line) {
  throw ScriptError("'" + line.Command + "' does not fit the window on top (fight)");
}

// The wheel turned from scroll row `from` to `to` with the mouse on `over`.
void PushWheelOver(const Rect& over, int from, int to) {
  if (from == to) return;
  PushMouse(over.Left + over.Width / 2, over.Top + over.Height / 2);
  // Down the list is the wheel turned toward the player.
  PushWheel(from - to);
}

void PushCrossing(const Rect& over) { PushMouse(over.Left + 2, over.Top + 2); }

// The position of the label remembering catalog number n, or -1.
long FindLabel(const std::vector<TLELabel>& labels, int32_t n) {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (labels[i].idx == n) return static_cast<long>(i);
  }
  return -1;
}

Rect Checked(const ScriptLine& line, const Rect& area) {
  if (area.Width <= 0 || area.Height <= 0) {
    throw ScriptError(line.Command + ": the label has no area to click");
  }
  return area;
}

void ClickAttack(const FightLayout& layout, const FightScroll& scroll, const FightWindow& fight,
                 const ScriptLine& line) {
  const int32_t n = NumberArgument(line);
  const long found = FindLabel(fight.ActionLabels, n);
  if (found < 0) throw ScriptError("attack: attack " + std::to_string(n) + " has no label");
  const auto index = static_cast<std::size_t>(found);
  const int row = FightLayout::AttackRowShowing(index, scroll.AttackRow);
  // A mouse already on the label clicks without entering it again.
  const bool on_it = fight.EnteredKind() == FightWindow::Entered::Attack &&
                     fight.EnteredLabel() == index && row == scroll.AttackRow;
  if (!on_it) PushCrossing(layout.Picture());
  PushWheelOver(layout.ActionHeading(), scroll.AttackRow, row);
  PushClick(Checked(line, layout.AttackAreaScrolledTo(index, row)));
}

void ClickListLabel(const FightLayout& layout, const FightScroll& scroll, const FightWindow& fight,
                    const ScriptLine& line, UseList list, std::string_view what) {
  const int32_t n = NumberArgument(line);
  if (fight.OpenList != list) {
    throw ScriptError(line.Command + ": the " + std::string(what) + " list is not open");
  }
  const long found = FindLabel(fight.UseLabels, n);
  if (found < 0) {
    throw ScriptError(line.Command + ": " + std::string(what) + " " + std::to_string(n) +
                      " is not in the list");
  }
  const auto index = static_cast<std::size_t>(found);
  const int row = FightLayout::UseRowShowing(index, scroll.UseRow);
  const bool on_it = fight.EnteredKind() == FightWindow::Entered::Use &&
                     fight.EnteredLabel() == index && row == scroll.UseRow;
  if (!on_it) PushCrossing(layout.ListHeading());
  PushWheelOver(layout.ListHeading(), scroll.UseRow, row);
  PushClick(Checked(line, layout.UseAreaScrolledTo(index, row)));
}

}  // namespace

bool ApplyFightLine(DesktopHost& host, const Layer& top, const ScriptLine& line) {
  auto* fight = dynamic_cast<FightWindow*>(top.Window());
  if (!fight) DoesNotFit(line);
  // The view on the screen knows how far its lists are scrolled; any other
  // layer showing the fight is taken as unscrolled.
  const auto* view = dynamic_cast<const FightView*>(&top);
  const FightScroll unscrolled;
  const FightScroll& scroll = view ? view->Scroll() : unscrolled;
  const FightLayout layout(*fight, host.Text(), scroll);
  const std::string& command = line.Command;
  if (command == "attack") {
    ClickAttack(layout, scroll, *fight, line);
  } else if (command == "items") {
    ExpectNoArguments(line);
    if (!fight->Predmety.Visible) throw ScriptError("items: the items button is not shown");
    PushCrossing(layout.Picture());
    PushClick(Checked(line, layout.PredmetyArea()));
  } else if (command == "spells") {
    ExpectNoArguments(line);
    // Without mana the spells button has no text, so nothing to click.
    if (!fight->Kouzla.Visible || fight->Kouzla.Caption.empty()) {
      throw ScriptError("spells: the spells button is not shown");
    }
    PushCrossing(layout.Picture());
    PushClick(Checked(line, layout.KouzlaArea()));
  } else if (command == "use") {
    ClickListLabel(layout, scroll, *fight, line, UseList::Items, "item");
  } else if (command == "cast") {
    ClickListLabel(layout, scroll, *fight, line, UseList::Spells, "spell");
  } else if (command == "close") {
    ExpectNoArguments(line);
    if (!fight->FightOver) throw ScriptError("close: the fight is not over");
    // A corner of the picture, away from every label.
    const Rect picture = layout.Picture();
    PushClick(Rect{picture.Left + 1, picture.Top + 1, 2, 2});
  } else {
    DoesNotFit(line);
  }
  return true;
}

}  // namespace qv
