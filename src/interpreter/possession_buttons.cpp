// "Postava" and "Vybavení": the character sheet and the inventory. Both are
// modal and change the game state directly. A countdown that runs out while
// one is open closes it before the page changes.
#include <functional>
#include <string>
#include <utility>

#include "interpreter/game_window.h"
#include "possessions/character_sheet_window.h"
#include "possessions/inventory_window.h"

namespace qv {

namespace {

// Points the countdown at the open window for as long as it is open, and
// gives back whatever was there before.
class CountdownCloses {
 public:
  CountdownCloses(GameWindow& form, std::function<void()> close)
      : form_(form), previous_(std::exchange(form.OnCountdownExpired, std::move(close))) {}
  ~CountdownCloses() { form_.OnCountdownExpired = std::move(previous_); }
  CountdownCloses(const CountdownCloses&) = delete;
  CountdownCloses& operator=(const CountdownCloses&) = delete;

 private:
  GameWindow& form_;
  std::function<void()> previous_;
};

}  // namespace

void GameWindow::PostavaClick() {
  CharacterSheetWindow sheet(State);
  sheet.HideMana = HideMana;
  sheet.CentreOnScreen(host.ScreenWidth(), host.ScreenHeight());
  sheet.FormShow();
  const CountdownCloses countdown(*this, [&sheet] { sheet.Cancel(); });
  host.RunModal(sheet);
}

void GameWindow::VybaveniClick() {
  InventoryWindow inventory(State, host);
  // The game window fills the screen.
  inventory.CentreOn(host.ScreenWidth(), host.ScreenHeight());
  inventory.CurrencyLabel = CurrencyCaption(State.CurrencyName);
  inventory.Prachy = std::to_string(State.Character.PENIZE);
  inventory.BuildLists();
  const CountdownCloses countdown(*this, [&inventory] { inventory.Cancel(); });
  host.RunModal(inventory);
}

}  // namespace qv
