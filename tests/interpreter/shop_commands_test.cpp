// OBCHOD and PRODEJ on whole pages: which offer and which possessions the
// windows show, what the player's clicks change, and that the page goes on
// after the window closes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "possessions/sell_window.h"
#include "possessions/shop_window.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

const std::string kCurrency = Cz("zlaťáků");  // zlaťáků
const std::string kMec = Cz("Meč");           // Meč

class ShopCommands : public GamebookFixture {
 protected:
  // Weapon 1 is worth nothing; the test record gives 10 money.
  void WriteCatalogs() {
    WriteDataFile("zbrane", Cz("1 \"Pěst\" \"Holé ruce\" 1k2+0, 0, 0;\r\n"
                               "2 \"Dýka\" \"Krátká\" 1k4+0, 1, 5;\r\n"
                               "3 \"Meč\" \"Ostrý meč\" 2k6+1, 3, 25;\r\n"));
    WriteDataFile("zbroje", Cz("1 \"Košile\" \"Plátěná\" 0, 0, 0, 0;\r\n"
                               "2 \"Kroužkovka\" \"Těžká\" 3, 2, 1, 20;\r\n"));
    WriteDataFile("predmety", Cz("1 \"Lektvar\" \"Léčivý\" 6, vzdy, zivoty+5;\r\n"
                                 "2 \"Pochodeň\" \"Svítí\" 2, mimoboj;\r\n"));
  }

  // Location 1 holds the commands; the button tag after them marks whether
  // the rest of the page ran.
  void Play(const std::string& commands) {
    WriteCatalogs();
    WriteLocations("<1>" + commands + "<zakazpostavu>\r\n<2>\r\n");
    Start();
  }

  std::vector<std::string> SellCaptions(const SellWindow& window) {
    std::vector<std::string> out;
    for (const SaleEntry& entry : window.Entries) out.push_back(entry.Label.Caption);
    return out;
  }

  // Runs `play` inside the shop window.
  void InShop(std::function<void(ShopWindow&)> play) {
    host.on_modal = [play](ModalWindow& window) { play(dynamic_cast<ShopWindow&>(window)); };
  }
  void InSale(std::function<void(SellWindow&)> play) {
    host.on_modal = [play](ModalWindow& window) { play(dynamic_cast<SellWindow&>(window)); };
  }
};

// --- OBCHOD ----------------------------------------------------------------

TEST_F(ShopCommands, ShopOneByDefaultShowsItsOfferAndTheMoney) {
  WriteDataFile("obchod", "1, zbran 3, zbroj 2, predmet 1;\r\n2, predmet 2;\r\n");
  std::vector<std::string> names;
  std::vector<int> tops;
  std::string money;
  std::string message = "x";
  InShop([&](ShopWindow& window) {
    for (const TLELabel& label : window.RowLabels) {
      names.push_back(label.Caption);
      tops.push_back(label.Top);
    }
    money = window.Heading.Money;
    message = window.MessageLine;
    EXPECT_EQ(window.Left, 512 - 335);
    EXPECT_EQ(window.Top, 384 - 301);
    window.CloseClick();
  });
  Play("<obchod>");
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"shop"});
  EXPECT_EQ(Form().ShopNumber, 1);
  EXPECT_EQ(names, (std::vector<std::string>{kMec, Cz("Kroužkovka"), "Lektvar"}));
  EXPECT_EQ(tops, (std::vector<int>{65, 80, 95}));
  EXPECT_EQ(money, Cz("Máme 10 ") + kCurrency);
  EXPECT_EQ(message, "");
  EXPECT_FALSE(State().World.SheetAllowed);  // the page went on
}

TEST_F(ShopCommands, CisloChoosesTheShopAndBuyingChangesTheState) {
  WriteDataFile("obchod", "1, zbran 3;\r\n2, predmet 2, zbran 2;\r\n");
  InShop([&](ShopWindow& window) {
    ASSERT_EQ(window.Offer.size(), 2u);
    window.RowMouseMove(2);
    EXPECT_EQ(window.HoverLine,
              Cz("Dýka\r\nútok 1k4+0, poškození 1\rKrátká\r\nCena: 5 ") + kCurrency);
    window.RowClick(2);
    window.RowClick(2);
    EXPECT_EQ(window.MessageLine, Cz("Koupil jsi Dýka"));
    EXPECT_EQ(window.Heading.Money, Cz("Máme 0 ") + kCurrency);
    window.RowClick(1);  // 2 for the torch, but nothing is left
    EXPECT_EQ(window.MessageLine, Cz("Nemáš dostatek peně"
                                     "z!!!"));
    window.CloseClick();
  });
  Play("<obchod cislo=\"2\">");
  EXPECT_EQ(Form().ShopNumber, 2);
  EXPECT_EQ(State().Character.PENIZE, 0);
  EXPECT_EQ(State().Weapons.at(2).Held, 2);
  EXPECT_EQ(State().Items.at(2).Held, 0);
}

TEST_F(ShopCommands, EveryObchodStartsFromShopOne) {
  WriteDataFile("obchod", "1, zbran 3;\r\n2, predmet 2;\r\n");
  std::vector<std::string> first_rows;
  InShop([&](ShopWindow& window) {
    for (const ShopRow& row : window.Offer) first_rows.push_back(row.Name);
    window.CloseClick();
  });
  WriteCatalogs();
  WriteLocations("<1><obchod cislo=\"2\"><obchod>\r\n");
  Start();
  EXPECT_EQ(host.modal_windows, (std::vector<std::string>{"shop", "shop"}));
  EXPECT_EQ(first_rows, (std::vector<std::string>{Cz("Pochodeň"), kMec}));
  EXPECT_EQ(Form().ShopNumber, 1);
}

TEST_F(ShopCommands, MissingShopFileGivesAnEmptyShop) {
  std::size_t rows = 99;
  InShop([&](ShopWindow& window) {
    rows = window.RowLabels.size();
    window.CloseClick();
  });
  Play("<obchod>");
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"shop"});
  EXPECT_EQ(rows, 0u);
  EXPECT_FALSE(State().World.SheetAllowed);
}

TEST_F(ShopCommands, RowNamingNoRecordCannotBeBought) {
  WriteDataFile("obchod", "1, zbran 9, predmet 1;\r\n");
  InShop([&](ShopWindow& window) {
    ASSERT_EQ(window.Offer.size(), 2u);
    window.RowClick(1);
    EXPECT_EQ(window.MessageLine, Cz("Toto zboží nelze koupit"));
    window.CloseClick();
  });
  Play("<obchod>");
  EXPECT_EQ(State().Character.PENIZE, 10);
  EXPECT_EQ(State().Weapons.at(9).Held, 0);
}

// --- PRODEJ ----------------------------------------------------------------

class SellCommands : public ShopCommands {
 protected:
  // Holds every weapon, armour and item once, the sword three times.
  void Hold() {
    for (int n = 1; n <= 3; ++n) State().Weapons.at(n).Held = 1;
    State().Weapons.at(3).Held = 3;
    for (int n = 1; n <= 2; ++n) State().Armours.at(n).Held = 1;
    for (int n = 1; n <= 2; ++n) State().Items.at(n).Held = 1;
  }

  // Shows location 2 with `commands` after the possessions are in hand,
  // and returns the captions the selling window listed.
  std::vector<std::string> Listed(const std::string& commands) {
    WriteCatalogs();
    WriteLocations("<1>\r\n<2>" + commands + "\r\n");
    Start();
    Hold();
    std::vector<std::string> captions;
    InSale([&](SellWindow& window) {
      captions = SellCaptions(window);
      window.CloseClick();
    });
    Form().ChangeLoc(2);
    return captions;
  }
};

TEST_F(SellCommands, WithoutTypOnlyWeaponsAndNeverOneWorthNothing) {
  // Weapon 1 is held but worth 0: it is never offered.
  EXPECT_EQ(Listed("<prodej>"), (std::vector<std::string>{Cz("Dýka x1"), kMec + " x3"}));
  EXPECT_EQ(Form().SaleKind, 1);
  EXPECT_EQ(Form().SalePercent, 50);
}

TEST_F(SellCommands, VseListsWeaponsThenArmourThenItems) {
  EXPECT_EQ(Listed("<prodej typ=\"vse\">"),
            (std::vector<std::string>{Cz("Dýka x1"), kMec + " x3", Cz("Kroužkovka x1"),
                                      "Lektvar x1", Cz("Pochodeň x1")}));
  EXPECT_EQ(Form().SaleKind, 0);
}

TEST_F(SellCommands, TypWordsInAnyCase) {
  const std::vector<std::string> weapons = {Cz("Dýka x1"), kMec + " x3"};
  const std::vector<std::string> armour = {Cz("Kroužkovka x1")};
  const std::vector<std::string> items = {"Lektvar x1", Cz("Pochodeň x1")};
  const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const struct {
    const char* word;
    int32_t code;
    std::vector<std::string> captions;
  } cases[] = {
      {"ZBRANE", 1, weapons},
      {"zbroje", 2, armour},
      {"Predmety", 3, items},
      {"zbranezbroje", 4, join(weapons, armour)},
      {"ZBROJEZBRANE", 4, join(weapons, armour)},
      {"PREDMETYZBRANE", 5, join(weapons, items)},
      {"zbranepredmety", 5, join(weapons, items)},
      {"zbrojepredmety", 6, join(armour, items)},
      {"predmetyzbroje", 6, join(armour, items)},
      {"nic", 0, join(join(weapons, armour), items)},  // a word that is no category: everything
      {"", 0, join(join(weapons, armour), items)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    host.modal_windows.clear();
    EXPECT_EQ(Listed(std::string("<prodej typ=\"") + c.word + "\">"), c.captions);
    EXPECT_EQ(Form().SaleKind, c.code);
    session.reset();
  }
}

TEST_F(SellCommands, ProcentSetsThePriceAndEveryProdejStartsFromTheDefaults) {
  WriteCatalogs();
  WriteLocations("<1>\r\n<2><prodej typ=\"zbroje\" procent=\"100\"><prodej>\r\n");
  Start();
  Hold();
  std::vector<int32_t> kinds;
  std::vector<int32_t> percents;
  InSale([&](SellWindow& window) {
    kinds.push_back(window.SaleKind);
    percents.push_back(window.SalePercent);
    window.EntryMouseMove(0);
    window.EntryClick(0);
    window.CloseClick();
  });
  Form().ChangeLoc(2);
  EXPECT_EQ(kinds, (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(percents, (std::vector<int32_t>{100, 50}));
  // The mail at its full 20, then the dagger at 50 percent of 5.
  EXPECT_EQ(State().Character.PENIZE, 10 + 20 + 2);
  EXPECT_EQ(State().Armours.at(2).Held, 0);
  EXPECT_EQ(State().Weapons.at(2).Held, 0);
  EXPECT_EQ(Form().SaleKind, 1);
  EXPECT_EQ(Form().SalePercent, 50);
}

TEST_F(SellCommands, ThreeSalesTakeTheWholeStackAtHalfTheValue) {
  WriteCatalogs();
  WriteLocations("<1>\r\n<2><prodej><zakazpostavu>\r\n");
  Start();
  Hold();
  InSale([&](SellWindow& window) {
    ASSERT_EQ(window.Entries[1].Number, 3);
    window.EntryMouseMove(1);
    EXPECT_EQ(window.Status,
              Cz("Prodejní cena: 12 (hodnota 25) ") + kCurrency + Cz("\r\nOstrý meč"));
    for (int i = 0; i < 3; ++i) window.EntryClick(1);
    EXPECT_FALSE(window.Entries[1].Label.Visible);
    EXPECT_EQ(window.Heading.Money, Cz("Máme 46 ") + kCurrency);
    window.CloseClick();
  });
  Form().ChangeLoc(2);
  EXPECT_EQ(State().Weapons.at(3).Held, 0);
  EXPECT_EQ(State().Character.PENIZE, 46);
  EXPECT_FALSE(State().World.SheetAllowed);
}

}  // namespace
}  // namespace qv
