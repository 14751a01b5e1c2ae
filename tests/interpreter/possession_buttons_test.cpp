// "Postava" and "Vybavení" on the game window: the windows they open, and a
// countdown running out while one of them is open.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "possessions/character_sheet_window.h"
#include "possessions/inventory_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

class PossessionButtons : public GamebookFixture {
 protected:
  void Write(std::string_view locations) {
    WriteDataFile("zbrane", Cz("1 \"Pěst\" \"Ruce\" 1k2+0, 0, 0;\r\n"));
    WriteDataFile("zbroje", Cz("1 \"Košile\" \"Plátno\" 0, 0, 0, 0;\r\n"));
    WriteDataFile("predmety", Cz("1 \"Lektvar\" \"Léčivý\" 5, vzdy, zivoty+10;\r\n"));
    WriteLocations(locations);
  }
};

TEST_F(PossessionButtons, PostavaOpensTheFilledSheetCentred) {
  Write("<1><text obsah=\"a\">");
  Start();
  State().Character.ZKUSENOSTI = 25;
  Form().HideMana = true;
  std::vector<std::string> seen;
  host.on_modal = [&](ModalWindow& window) {
    auto* sheet = dynamic_cast<CharacterSheetWindow*>(&window);
    ASSERT_NE(sheet, nullptr);
    seen = {sheet->Jmeno, sheet->XP, sheet->Zbran};
    EXPECT_TRUE(sheet->HideMana);
    EXPECT_FALSE(sheet->RaiseVisible[kRaiseMana]);
    EXPECT_TRUE(sheet->RaiseVisible[kRaiseSila]);
    EXPECT_EQ(sheet->Left, 512 - 210);
    sheet->RaiseClick(kRaiseSila);
  };
  Form().PostavaClick();
  EXPECT_EQ(host.modal_windows, (std::vector<std::string>{"sheet"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"Hrdina", "25", Cz("Pěst (útok 1k2+0, poškození 0)")}));
  // The raise stays in the game state after closing.
  EXPECT_EQ(State().Character.SILA, 4);
  EXPECT_EQ(State().Character.ZKUSENOSTI, 15);
}

TEST_F(PossessionButtons, VybaveniOpensTheInventoryWithItsMoneyLine) {
  Write("<1><predmet 1=\"2\">");
  Start();
  host.on_modal = [&](ModalWindow& window) {
    auto* inventory = dynamic_cast<InventoryWindow*>(&window);
    ASSERT_NE(inventory, nullptr);
    EXPECT_EQ(inventory->CurrencyLabel, Cz("Zlaťáků"));
    EXPECT_EQ(inventory->Prachy, "10");
    ASSERT_EQ(inventory->Items.size(), 1u);
    EXPECT_EQ(inventory->Items[0].Caption, "Lektvar x 2");
    EXPECT_EQ(inventory->Left, 512 - 335);
    inventory->ItemClick(1);
  };
  Form().VybaveniClick();
  EXPECT_EQ(host.modal_windows, (std::vector<std::string>{"inventory"}));
  EXPECT_EQ(State().Items.at(1).Held, 1);
}

// The page with a one-second countdown to location 2 is shown; the window
// opens and the timer keeps ticking under it.
TEST_F(PossessionButtons, CountdownClosesTheInventoryAndShowsTheTarget) {
  Write("<1><casovac cas=\"1\" odkaz=\"2\"><2><zakazvybavenidocasne>");
  Start();
  bool closed_by_countdown = false;
  host.on_modal = [&](ModalWindow& window) {
    for (int tick = 0; tick < 9; ++tick) Form().TimerTick();
    EXPECT_FALSE(window.IsClosed());
    EXPECT_EQ(State().World.Location, 1);
    Form().TimerTick();
    closed_by_countdown = window.IsClosed();
    EXPECT_EQ(State().World.Location, 2);
  };
  Form().VybaveniClick();
  EXPECT_TRUE(closed_by_countdown);
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_FALSE(Form().EquipmentButtonVisible);
  // Nothing is left pointing at the closed window.
  EXPECT_FALSE(Form().OnCountdownExpired);
}

TEST_F(PossessionButtons, CountdownClosesWhicheverWindowIsOpen) {
  Write(Cz("<1><casovac cas=\"2\" odkaz=\"2\"><2><text obsah=\"cíl\">"));
  Start();
  std::vector<std::pair<std::string, bool>> closings;
  host.on_modal = [&](ModalWindow& window) {
    Form().TimerTick();
    closings.emplace_back(window.Kind(), window.IsClosed());
    if (window.Kind() == "inventory") {
      for (int tick = 0; tick < 20 && !window.IsClosed(); ++tick) Form().TimerTick();
      closings.emplace_back(window.Kind(), window.IsClosed());
    }
  };
  // The sheet first, closed by the player; then the inventory, closed by
  // the countdown.
  Form().PostavaClick();
  Form().VybaveniClick();
  EXPECT_EQ(closings, (std::vector<std::pair<std::string, bool>>{
                          {"sheet", false}, {"inventory", false}, {"inventory", true}}));
  EXPECT_EQ(State().World.Location, 2);
}

TEST_F(PossessionButtons, CountdownClosesTheSheet) {
  Write("<1><casovac cas=\"1\" odkaz=\"2\"><2>");
  Start();
  bool closed = false;
  host.on_modal = [&](ModalWindow& window) {
    for (int tick = 0; tick < 10; ++tick) Form().TimerTick();
    closed = window.IsClosed();
  };
  Form().PostavaClick();
  EXPECT_TRUE(closed);
  EXPECT_EQ(State().World.Location, 2);
}

}  // namespace
}  // namespace qv
