#include "possessions/sell_window.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "host/recording_host.h"
#include "support/czech_text.h"

namespace qv {
namespace {

const std::string kCurrency = Cz("zlaťáků");  // zlaťáků

class SellWindowTest : public ::testing::Test {
 protected:
  SellWindowTest() {
    state.CurrencyName = kCurrency;
    state.Character.PENIZE = 10;
    AddWeapon(Cz("Pěst"), 0, 1);   // Pěst: worth nothing, never sold
    AddWeapon(Cz("Meč"), 25, 3);   // Meč
    AddWeapon(Cz("Dýka"), 29, 0);  // Dýka: not held
    AddWeapon("Sekera", 40, 1);
    AddArmour(Cz("Koš"
                 "ile"),
              8, 2);
    AddArmour(Cz("Plát"), 0, 1);
    AddItem("Lektvar", 5, 4);
    AddItem(Cz("Klíč"), 3, 0);
  }

  void AddWeapon(std::string name, int32_t price, int16_t held) {
    Weapon w;
    w.Name = name;
    w.Description = name + " popis";
    w.Price = price;
    w.Held = held;
    state.Weapons.Append(w);
  }
  void AddArmour(std::string name, int32_t price, int16_t held) {
    Armour a;
    a.Name = name;
    a.Description = name + " popis";
    a.Price = price;
    a.Held = held;
    state.Armours.Append(a);
  }
  void AddItem(std::string name, int32_t price, int32_t held) {
    Item it;
    it.Name = name;
    it.Description = name + " popis";
    it.Price = price;
    it.Held = held;
    state.Items.Append(it);
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (const SaleEntry& entry : window.Entries) out.push_back(entry.Label.Caption);
    return out;
  }

  std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  GameState& state = *owned;
  RecordingHost host;
  SellWindow window{state, host};
};

TEST_F(SellWindowTest, WeaponsOnlyForKindOne) {
  window.Prepare(1, 50);
  EXPECT_EQ(Captions(), (std::vector<std::string>{Cz("Meč x3"), "Sekera x1"}));
  ASSERT_EQ(window.Entries.size(), 2u);
  EXPECT_EQ(window.Entries[0].Goods, SaleGoods::Weapon);
  EXPECT_EQ(window.Entries[0].Number, 2);
  EXPECT_EQ(window.Entries[0].NumberInKind, 1);
  EXPECT_EQ(window.Entries[1].Number, 4);
  EXPECT_EQ(window.Entries[1].NumberInKind, 2);
  EXPECT_EQ(window.Entries[0].Label.Top, 50);
  EXPECT_EQ(window.Entries[1].Label.Top, 65);
  EXPECT_EQ(window.Entries[1].Label.Left, 50);
  EXPECT_TRUE(window.Entries[1].Label.HandCursor);
}

TEST_F(SellWindowTest, EverythingInOrderWeaponsArmourItems) {
  window.Prepare(0, 50);
  EXPECT_EQ(Captions(), (std::vector<std::string>{Cz("Meč x3"), "Sekera x1",
                                                  Cz("Koš"
                                                     "ile x2"),
                                                  "Lektvar x4"}));
  ASSERT_EQ(window.Entries.size(), 4u);
  EXPECT_EQ(window.Entries[2].Goods, SaleGoods::Armour);
  EXPECT_EQ(window.Entries[2].NumberInKind, 1);
  EXPECT_EQ(window.Entries[3].Goods, SaleGoods::Item);
  EXPECT_EQ(window.Entries[3].Number, 1);
  // One running counter over all three lists.
  EXPECT_EQ(window.Entries[2].Label.Top, 80);
  EXPECT_EQ(window.Entries[3].Label.Top, 95);
}

TEST_F(SellWindowTest, EachSaleKindListsItsKinds) {
  const struct {
    int32_t kind;
    std::vector<std::string> captions;
  } cases[] = {
      {2,
       {Cz("Koš"
           "ile x2")}},
      {3, {"Lektvar x4"}},
      {4,
       {Cz("Meč x3"), "Sekera x1",
        Cz("Koš"
           "ile x2")}},
      {5, {Cz("Meč x3"), "Sekera x1", "Lektvar x4"}},
      {6,
       {Cz("Koš"
           "ile x2"),
        "Lektvar x4"}},
  };
  for (const auto& c : cases) {
    window.Prepare(c.kind, 50);
    EXPECT_EQ(Captions(), c.captions) << c.kind;
  }
  EXPECT_FALSE(ListsGoods(7, SaleGoods::Weapon));
  EXPECT_FALSE(ListsGoods(-1, SaleGoods::Item));
}

TEST_F(SellWindowTest, PreparingEmptiesStatusAndShowsMoney) {
  window.Status = "old";
  window.Prepare(1, 50);
  EXPECT_EQ(window.Status, "");
  EXPECT_EQ(window.Heading.Title, "Prodej");
  EXPECT_EQ(window.Heading.Money, Cz("Máme 10 ") + kCurrency);
  EXPECT_EQ(window.Heading.MoneyLeft, 290 + 72 / 2 - 120 / 2);
}

TEST_F(SellWindowTest, HoverShowsPriceValueAndTheUnwrappedDescription) {
  std::string long_description;
  for (int i = 0; i < 30; ++i) long_description += "slovo ";
  state.Weapons.at(2).Description = long_description;
  window.Prepare(1, 50);
  window.EntryMouseMove(0);
  EXPECT_EQ(window.Status,
            Cz("Prodejní cena: 12 (hodnota 25) ") + kCurrency + "\r\n" + long_description);
  window.FormMouseMove();
  EXPECT_EQ(window.Status, "");
  window.EntryMouseMove(5);  // no such entry
  EXPECT_EQ(window.Status, "");
}

TEST_F(SellWindowTest, SellingTheLastPieceHidesTheEntryAndKeepsItsRow) {
  window.Prepare(1, 50);
  window.EntryClick(0);
  EXPECT_EQ(state.Weapons.at(2).Held, 2);
  EXPECT_EQ(state.Character.PENIZE, 22);
  EXPECT_EQ(window.Entries[0].Label.Caption, Cz("Meč x2"));
  EXPECT_EQ(window.Heading.Money, Cz("Máme 22 ") + kCurrency);
  window.EntryClick(0);
  window.EntryClick(0);
  EXPECT_EQ(state.Weapons.at(2).Held, 0);
  EXPECT_EQ(state.Character.PENIZE, 46);
  EXPECT_EQ(window.Entries[0].Label.Caption, Cz("Meč x0"));
  EXPECT_FALSE(window.Entries[0].Label.Visible);
  // The row stays empty: the next entry does not move up.
  ASSERT_EQ(window.Entries.size(), 2u);
  EXPECT_EQ(window.Entries[1].Label.Top, 65);
  // A hidden entry sells nothing more.
  window.EntryClick(0);
  EXPECT_EQ(state.Weapons.at(2).Held, 0);
  EXPECT_EQ(state.Character.PENIZE, 46);
}

TEST_F(SellWindowTest, FullValueAtHundredNothingAtZero) {
  state.Weapons.at(3).Held = 1;  // Dýka, worth 29
  window.Prepare(1, 100);
  ASSERT_EQ(window.Entries[1].Number, 3);
  window.EntryMouseMove(1);
  EXPECT_EQ(window.Status,
            Cz("Prodejní cena: 29 (hodnota 29) ") + kCurrency + Cz("\r\nDýka popis"));
  window.EntryClick(1);
  EXPECT_EQ(state.Character.PENIZE, 39);

  window.Prepare(3, 0);
  window.EntryClick(0);
  EXPECT_EQ(state.Items.at(1).Held, 3);  // the piece is gone all the same
  EXPECT_EQ(state.Character.PENIZE, 39);
  EXPECT_EQ(window.Entries[0].Label.Caption, "Lektvar x3");
}

TEST_F(SellWindowTest, PiecesTakenWhileTheWindowIsUpSellNothing) {
  window.Prepare(1, 50);
  state.Weapons.at(4).Held = 0;  // a countdown's page took it
  window.EntryClick(1);
  EXPECT_EQ(state.Weapons.at(4).Held, 0);
  EXPECT_EQ(state.Character.PENIZE, 10);
  EXPECT_FALSE(window.Entries[1].Label.Visible);
}

TEST_F(SellWindowTest, EveryHeldEntryIsListedBeyondTwenty) {
  for (int i = 0; i < 30; ++i) AddItem("P" + std::to_string(i), 1, 1);
  window.Prepare(3, 50);
  ASSERT_EQ(window.Entries.size(), 31u);
  EXPECT_EQ(window.Entries[30].Label.Caption, "P29 x1");
  EXPECT_EQ(window.Entries[30].Label.Top, 15 * 30 + 50);
}

TEST_F(SellWindowTest, MoneyStopsAtTheLimitsOfItsField) {
  state.Character.PENIZE = std::numeric_limits<int32_t>::max() - 5;
  window.Prepare(1, std::numeric_limits<int32_t>::max());
  window.EntryClick(0);
  EXPECT_EQ(state.Character.PENIZE, std::numeric_limits<int32_t>::max());
  // A negative percentage takes money; it stops at the lowest value too.
  state.Character.PENIZE = std::numeric_limits<int32_t>::min() + 5;
  window.Prepare(1, std::numeric_limits<int32_t>::min());
  window.EntryClick(0);
  EXPECT_EQ(state.Character.PENIZE, std::numeric_limits<int32_t>::min());
}

TEST_F(SellWindowTest, CloseClickClosesTheWindow) {
  EXPECT_EQ(window.Kind(), "sell");
  window.CloseClick();
  EXPECT_TRUE(window.IsClosed());
}

}  // namespace
}  // namespace qv
