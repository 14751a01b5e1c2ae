#include "desktop/gui_fight_lines.h"

#include <SDL.h>

#include <string>
#include <string_view>

#include "combat/fight_window.h"
#include "desktop/desktop_host.h"
#include "desktop/fight_view.h"
#include "desktop/synthetic_input.h"
#include "script/action_checks.h"
#include "script/script_error.h"
#include "script/script_parser.h"
#include "script/window_driver.h"

namespace qv {

namespace {

// The wheel turned from scroll row `from` to `to` with the mouse on `over`.
void PushWheelOver(const Rect& over, int from, int to) {
  if (from == to) return;
  PushMouse(over.Left + over.Width / 2, over.Top + over.Height / 2);
  // Down the list is the wheel turned toward the player.
  PushWheel(from - to);
}

void PushCrossing(const Rect& over) { PushMouse(over.Left + 2, over.Top + 2); }

Rect Checked(const ScriptAction& action, const Rect& area) {
  if (area.Width <= 0 || area.Height <= 0) {
    throw ScriptError(std::string(CommandWord(action)) + ": the label has no area to click");
  }
  return area;
}

void ClickAttack(const FightLayout& layout, const FightScroll& scroll, const FightWindow& fight,
                 const ScriptAction& action, int32_t n) {
  const std::size_t index = AttackLabelOf(fight, n);
  const int row = FightLayout::AttackRowShowing(index, scroll.AttackRow);
  // A mouse already on the label clicks without entering it again.
  const bool on_it = fight.EnteredKind() == FightWindow::Entered::Attack &&
                     fight.EnteredLabel() == index && row == scroll.AttackRow;
  if (!on_it) PushCrossing(layout.Picture());
  PushWheelOver(layout.ActionHeading(), scroll.AttackRow, row);
  PushClick(Checked(action, layout.AttackAreaScrolledTo(index, row)));
}

void ClickListLabel(const FightLayout& layout, const FightScroll& scroll, const FightWindow& fight,
                    const ScriptAction& action, int32_t n) {
  const std::size_t index = ListLabelOf(fight, action, n);
  const int row = FightLayout::UseRowShowing(index, scroll.UseRow);
  const bool on_it = fight.EnteredKind() == FightWindow::Entered::Use &&
                     fight.EnteredLabel() == index && row == scroll.UseRow;
  if (!on_it) PushCrossing(layout.ListHeading());
  PushWheelOver(layout.ListHeading(), scroll.UseRow, row);
  PushClick(Checked(action, layout.UseAreaScrolledTo(index, row)));
}

}  // namespace

void ApplyFightAction(DesktopHost& host, const Layer& top, const ScriptAction& action) {
  auto& fight = dynamic_cast<FightWindow&>(*top.Window());
  // The view on the screen knows how far its lists are scrolled; any other
  // layer showing the fight is taken as unscrolled.
  const auto* view = dynamic_cast<const FightView*>(&top);
  const FightScroll unscrolled;
  const FightScroll& scroll = view ? view->Scroll() : unscrolled;
  const FightLayout layout(fight, host.Text(), scroll);
  std::visit(
      Overloaded{
          [&](const action::Attack& a) { ClickAttack(layout, scroll, fight, action, a.Number); },
          [&](const action::ShowItems&) {
            CheckItemsButton(fight);
            PushCrossing(layout.Picture());
            PushClick(Checked(action, layout.PredmetyArea()));
          },
          [&](const action::ShowSpells&) {
            CheckSpellsButton(fight);
            PushCrossing(layout.Picture());
            PushClick(Checked(action, layout.KouzlaArea()));
          },
          [&](const action::Use& a) { ClickListLabel(layout, scroll, fight, action, a.Number); },
          [&](const action::Cast& a) { ClickListLabel(layout, scroll, fight, action, a.Number); },
          [&](const action::Close&) {
            CheckFightOver(fight);
            // A corner of the picture, away from every label.
            const Rect picture = layout.Picture();
            PushClick(Rect{picture.Left + 1, picture.Top + 1, 2, 2});
          },
          [&](const auto&) { ThrowNotForWindow(fight, action); },
      },
      action);
}

}  // namespace qv
