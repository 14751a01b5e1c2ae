#include "possessions/shop_window.h"

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
const std::string kWeHave = Cz("Máme ");      // Máme

class ShopWindowTest : public ::testing::Test {
 protected:
  ShopWindowTest() {
    state.CurrencyName = kCurrency;
    state.Character.PENIZE = 10;
    Weapon sword;
    sword.Name = Cz("Meč");
    sword.Price = 10;
    state.Weapons.Append(sword);
    Armour shirt;
    shirt.Name =
        Cz("Koš"
           "ile");
    shirt.Price = 4;
    state.Armours.Append(shirt);
    Item potion;
    potion.Name = "Lektvar";
    potion.Price = 3;
    state.Items.Append(potion);
  }

  static ShopRow Row(int32_t number, std::string kind, std::string name, int32_t price,
                     std::string description = "popis") {
    ShopRow row;
    row.ItemNumber = number;
    row.Kind = std::move(kind);
    row.Name = std::move(name);
    row.Price = price;
    row.Description = std::move(description);
    return row;
  }

  void Open(std::vector<ShopRow> rows) {
    window.ShowMoney();
    window.ShowOffer(std::move(rows));
  }

  std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  GameState& state = *owned;
  RecordingHost host;
  ShopWindow window{state, host};
};

TEST_F(ShopWindowTest, RowLabelsStandUnderEachOtherAndAllAreKept) {
  std::vector<ShopRow> rows;
  for (int i = 0; i < 25; ++i) rows.push_back(Row(1, "zbran", "R" + std::to_string(i), 1));
  Open(rows);
  ASSERT_EQ(window.RowLabels.size(), 25u);
  EXPECT_EQ(window.RowLabels[0].Top, 65);
  EXPECT_EQ(window.RowLabels[1].Top, 80);
  EXPECT_EQ(window.RowLabels[24].Top, 15 * 25 + 50);
  for (const TLELabel& label : window.RowLabels) {
    EXPECT_EQ(label.Left, 50);
    EXPECT_TRUE(label.HandCursor);
    EXPECT_TRUE(label.Visible);
  }
  EXPECT_EQ(window.RowLabels[24].Caption, "R24");
  EXPECT_EQ(window.RowLabels[24].idx, 25);
  window.RowClick(25);  // the 25th row sells like the first
  EXPECT_EQ(window.MessageLine, "Koupil jsi R24");
}

TEST_F(ShopWindowTest, MoneyLineIsCentredUnderTheHeading) {
  Open({});
  EXPECT_EQ(window.Heading.Title, "Obchod");
  EXPECT_EQ(window.Heading.Money, kWeHave + "10 " + kCurrency);
  // "Obchod" in bold 16 points: 6 × 12 pixels; the money line, 15 bytes in
  // 12 points: 15 × 8 pixels.
  EXPECT_EQ(window.Heading.MoneyLeft, 290 + 72 / 2 - 120 / 2);
  EXPECT_EQ(CentredUnder(10, 5, 3), 11);  // halves round toward zero
  EXPECT_EQ(CentredUnder(10, 3, 9), 7);
}

TEST_F(ShopWindowTest, CentredOnTheGameWindow) {
  window.CentreOn(1024, 768);
  EXPECT_EQ(window.Left, 512 - 335);
  EXPECT_EQ(window.Top, 384 - 301);
  window.CentreOn(641, 481);
  EXPECT_EQ(window.Left, 320 - 335);
  EXPECT_EQ(window.Top, 240 - 301);
}

TEST_F(ShopWindowTest, HoverShowsNameDescriptionAndPrice) {
  Open({Row(1, "zbran", Cz("Meč"), 10, Cz("útok 1k6+1, poškození 2\rOstrý"))});
  window.RowMouseMove(1);
  EXPECT_EQ(window.HoverLine, Cz("Meč\r\nútok 1k6+1, poškození 2\rOstrý\r\nCena: 10 ") + kCurrency);
  window.FormMouseMove();
  EXPECT_EQ(window.HoverLine, "");
  window.CloseMouseMove();
  EXPECT_EQ(window.HoverLine, Cz("Ukončit obchodování"));
  window.RowMouseMove(2);  // no such row: nothing changes
  EXPECT_EQ(window.HoverLine, Cz("Ukončit obchodování"));
}

TEST_F(ShopWindowTest, TooLittleMoneyChangesNothing) {
  state.Character.PENIZE = 9;
  Open({Row(1, "zbran", Cz("Meč"), 10)});
  window.RowClick(1);
  EXPECT_EQ(window.MessageLine, Cz("Nemáš dostatek peně"
                                   "z!!!"));
  EXPECT_EQ(state.Character.PENIZE, 9);
  EXPECT_EQ(state.Weapons.at(1).Held, 0);
  EXPECT_EQ(window.Heading.Money, kWeHave + "9 " + kCurrency);
}

TEST_F(ShopWindowTest, ExactMoneyBuysAndRowsNeverRunOut) {
  Open({Row(1, "zbran", Cz("Meč"), 10),
        Row(1, "zbroj",
            Cz("Koš"
               "ile"),
            4),
        Row(1, "predmet", "Lektvar", 3)});
  const int first_left = window.Heading.MoneyLeft;
  window.RowClick(1);
  EXPECT_EQ(state.Character.PENIZE, 0);
  EXPECT_EQ(window.MessageLine, Cz("Koupil jsi Meč"));
  EXPECT_EQ(state.Weapons.at(1).Held, 1);
  EXPECT_EQ(window.Heading.Money, kWeHave + "0 " + kCurrency);
  EXPECT_EQ(window.Heading.MoneyLeft, first_left + 4);  // one digit fewer, centred again

  state.Character.PENIZE = 100;
  window.RowClick(1);
  window.RowClick(2);
  window.RowClick(3);
  window.RowClick(3);
  EXPECT_EQ(state.Weapons.at(1).Held, 2);
  EXPECT_EQ(state.Armours.at(1).Held, 1);
  EXPECT_EQ(state.Items.at(1).Held, 2);
  EXPECT_EQ(state.Character.PENIZE, 100 - 10 - 4 - 3 - 3);
  EXPECT_EQ(window.Offer.size(), 3u);
  EXPECT_EQ(window.RowLabels.size(), 3u);
  EXPECT_EQ(window.MessageLine, "Koupil jsi Lektvar");
}

TEST_F(ShopWindowTest, RowOutsideItsCatalogCannotBeBought) {
  // LoadShop leaves such rows nameless at price 0.
  Open({Row(7, "zbran", "", 0), Row(0, "predmet", "", 0), Row(101, "zbroj", "", 0),
        Row(1, "zbran", Cz("Meč"), 10)});
  for (int row = 1; row <= 3; ++row) {
    window.MessageLine.clear();
    window.RowClick(row);
    EXPECT_EQ(window.MessageLine, Cz("Toto zboží nelze koupit")) << row;
  }
  EXPECT_EQ(state.Character.PENIZE, 10);
  EXPECT_EQ(state.Weapons.at(7).Held, 0);
  EXPECT_EQ(state.Items.at(1).Held, 0);
  window.RowClick(4);
  EXPECT_EQ(state.Weapons.at(1).Held, 1);
}

TEST_F(ShopWindowTest, ClicksOutsideTheOfferDoNothing) {
  Open({Row(1, "zbran", Cz("Meč"), 10)});
  window.RowClick(0);
  window.RowClick(2);
  EXPECT_EQ(window.MessageLine, "");
  EXPECT_EQ(state.Character.PENIZE, 10);
}

TEST_F(ShopWindowTest, CountAtTheTopOfItsFieldStays) {
  state.Weapons.at(1).Held = std::numeric_limits<int16_t>::max();
  state.Character.PENIZE = 20;
  Open({Row(1, "zbran", Cz("Meč"), 10)});
  window.RowClick(1);
  EXPECT_EQ(state.Weapons.at(1).Held, std::numeric_limits<int16_t>::max());
  EXPECT_EQ(state.Character.PENIZE, 10);
}

TEST_F(ShopWindowTest, CloseClickClosesTheWindow) {
  EXPECT_EQ(window.Kind(), "shop");
  EXPECT_FALSE(window.IsClosed());
  window.CloseClick();
  EXPECT_TRUE(window.IsClosed());
}

}  // namespace
}  // namespace qv
