#include "possessions/shop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "support/czech_text.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// Windows-1250 texts of the shop descriptions.
const std::string kAttack = Cz("útok ");         // "útok "
const std::string kDamage = Cz(", poškození ");  // ", poškození "
const std::string kInCombat = Cz("Možno použít v boji");
const std::string kOutOfCombat = Cz("Možno použít mimo boj");
const std::string kAnyTime = Cz("Možno použít kdykoli");

class ShopTest : public ::testing::Test {
 protected:
  ShopTest() {
    fs::create_directories("data");
    Weapon sword;
    sword.Number = 1;
    sword.Name = Cz("Meč");
    sword.Description = Cz("Ostrý meč");
    sword.Dice = {1, 6, 1};
    sword.Damage = 2;
    sword.Price = 10;
    state_.Weapons.Append(sword);
    Weapon club;
    club.Name = "Kyj";
    club.Description = Cz("Těžký");
    club.Dice = {2, 6, -2};
    club.Damage = 3;
    club.Price = 4;
    state_.Weapons.Append(club);

    Armour leather;
    leather.Name = Cz("Kožená");
    leather.Description = Cz("lehká");
    leather.Defence = 2;
    leather.Toughness = 1;
    leather.Price = 30;
    state_.Armours.Append(leather);
    Armour plate = leather;
    plate.Name = Cz("Plátová");
    plate.Defence = 6;
    plate.Toughness = 4;
    plate.AttackPenalty = 2;
    plate.Price = 200;
    state_.Armours.Append(plate);

    for (const char* use : {"boj", "mimoboj", "vzdy", "nikdy"}) {
      Item item;
      item.Name = std::string("P ") + use;
      item.Description = "popis";
      item.UseWord = use;
      item.Price = 5;
      state_.Items.Append(item);
    }
  }

  std::vector<ShopRow> Load(int32_t n) {
    std::optional<std::vector<ShopRow>> rows = LoadShop(files_, state_, n);
    EXPECT_TRUE(rows.has_value());
    return rows.value_or(std::vector<ShopRow>{});
  }

  TempWorkDir dir_;
  RecordingHost host_;
  GameFiles files_{host_};
  GameState state_;
};

TEST_F(ShopTest, WeaponRows) {
  WriteBytes("data/obchod.qvl", "1, zbran 1, zbran2;\r\n");
  const std::vector<ShopRow> rows = Load(1);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].ItemNumber, 1);
  EXPECT_EQ(rows[0].Kind, "zbran");
  EXPECT_EQ(rows[0].Name, Cz("Meč"));
  EXPECT_EQ(rows[0].Price, 10);
  EXPECT_EQ(rows[0].Description, kAttack + "1k6+1" + kDamage + Cz("2\rOstrý meč"));
  // A negative modifier keeps the "+" in front of its sign.
  EXPECT_EQ(rows[1].Description, kAttack + "2k6+-2" + kDamage + Cz("3\rTěžký"));
  EXPECT_EQ(rows[1].Price, 4);
}

TEST_F(ShopTest, ArmourShowsThePenaltyOnlyAboveZero) {
  state_.Armours.at(1).AttackPenalty = -1;
  WriteBytes("data/obchod.qvl", "2, zbroj 1, zbroj 2");
  const std::vector<ShopRow> rows = Load(2);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Name, Cz("Kožená"));
  EXPECT_EQ(rows[0].Description, Cz("obrana 2, tvrdost 1\rlehká"));
  EXPECT_EQ(rows[0].Price, 30);
  EXPECT_EQ(rows[1].Description, Cz("obrana 6, tvrdost 4, útok -2\rlehká"));
  EXPECT_EQ(rows[1].Price, 200);
}

TEST_F(ShopTest, ItemRowsNameWhenTheyCanBeUsed) {
  WriteBytes("data/obchod.qvl", "3, predmet 1, predmet 2, predmet 3, predmet 4;");
  const std::vector<ShopRow> rows = Load(3);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].Description, "popis\r" + kInCombat);
  EXPECT_EQ(rows[1].Description, "popis\r" + kOutOfCombat);
  EXPECT_EQ(rows[2].Description, "popis\r" + kAnyTime);
  EXPECT_EQ(rows[3].Description, "popis\r" + kAnyTime);
  EXPECT_EQ(rows[1].Name, "P mimoboj");
  EXPECT_EQ(rows[1].Price, 5);
}

TEST_F(ShopTest, DescriptionsAreWrappedAt74) {
  std::string description;
  for (int i = 0; i < 20; ++i) description += "slov ";
  description.pop_back();
  state_.Weapons.at(1).Description = description;
  state_.Items.at(1).Description = description;
  WriteBytes("data/obchod.qvl", "1, zbran 1, predmet 1;");
  const std::vector<ShopRow> rows = Load(1);
  ASSERT_EQ(rows.size(), 2u);
  const std::string wrapped = description.substr(0, 70) + "\r\n" + description.substr(70);
  EXPECT_EQ(rows[0].Description, kAttack + "1k6+1" + kDamage + "2\r" + wrapped);
  EXPECT_EQ(rows[1].Description, wrapped + "\r" + kInCombat);
}

TEST_F(ShopTest, TheLineIsChosenByItsFirstNumber) {
  WriteBytes("data/obchod.qvl",
             "Obchody hry\r\n"
             "12, zbran 2\r\n"
             "obchod 1: , zbroj 1\r\n"
             "1, zbran 1\r\n");
  const std::vector<ShopRow> rows = Load(1);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Kind, "zbroj");
  EXPECT_EQ(Load(12).at(0).Name, "Kyj");
}

TEST_F(ShopTest, MissingOfferGivesNoRows) {
  WriteBytes("data/obchod.qvl", "1, zbran 1\r\n");
  EXPECT_TRUE(Load(5).empty());
  // A line with the number but no comma has no rows either.
  WriteBytes("data/obchod.qvl", "5 zbran 1\r\n");
  EXPECT_TRUE(Load(5).empty());
}

TEST_F(ShopTest, MissingFileGivesNothing) { EXPECT_EQ(LoadShop(files_, state_, 1), std::nullopt); }

TEST_F(ShopTest, RowsEndAtTheFirstSemicolon) {
  WriteBytes("data/obchod.qvl", "4, zbran 1; zbran 2, predmet 1");
  const std::vector<ShopRow> rows = Load(4);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].ItemNumber, 1);
}

TEST_F(ShopTest, UnknownKindsAreSkippedUnknownNumbersStayEmpty) {
  WriteBytes("data/obchod.qvl", "6, kouzlo 1, zbran 7, Zbran 1, , predmet, zbroj 99999999999;");
  const std::vector<ShopRow> rows = Load(6);
  ASSERT_EQ(rows.size(), 3u);
  // Weapon 7 is not in the catalog.
  EXPECT_EQ(rows[0].ItemNumber, 7);
  EXPECT_EQ(rows[0].Kind, "zbran");
  EXPECT_EQ(rows[0].Name, "");
  EXPECT_EQ(rows[0].Description, "");
  EXPECT_EQ(rows[0].Price, 0);
  // No digits, or too many: no record.
  EXPECT_EQ(rows[1].Kind, "predmet");
  EXPECT_EQ(rows[1].ItemNumber, 0);
  EXPECT_EQ(rows[1].Name, "");
  EXPECT_EQ(rows[2].Kind, "zbroj");
  EXPECT_EQ(rows[2].ItemNumber, 0);
  EXPECT_EQ(rows[2].Price, 0);
}

TEST_F(ShopTest, DigitsAnywhereInAPartFormTheNumber) {
  WriteBytes("data/obchod.qvl", "7, 2zbran, z1b r a n;");
  const std::vector<ShopRow> rows = Load(7);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].ItemNumber, 2);
  EXPECT_EQ(rows[1].ItemNumber, 1);
  EXPECT_EQ(rows[1].Kind, "zbran");
}

TEST_F(ShopTest, AllRowsAreKept) {
  std::string line = "8";
  for (int i = 0; i < 25; ++i) line += ", predmet 1";
  WriteBytes("data/obchod.qvl", line);
  EXPECT_EQ(Load(8).size(), 25u);
}

TEST_F(ShopTest, ScrambledShopFileCopyIsDeleted) {
  GameFiles files(host_, "Kniha");
  WriteBytes("data/zasifrovane/obchod.qvl", Scramble("Kniha", "1, zbran 1\r\n"));
  const std::optional<std::vector<ShopRow>> rows = LoadShop(files, state_, 1);
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ((*rows)[0].Name, Cz("Meč"));
  EXPECT_FALSE(fs::exists("data/temp/obchod.qvl"));
}

TEST(CategoryCode, EveryWord) {
  EXPECT_EQ(CategoryCode("VSE"), 0);
  EXPECT_EQ(CategoryCode("ZBRANE"), 1);
  EXPECT_EQ(CategoryCode("ZBROJE"), 2);
  EXPECT_EQ(CategoryCode("PREDMETY"), 3);
  EXPECT_EQ(CategoryCode("ZBRANEZBROJE"), 4);
  EXPECT_EQ(CategoryCode("ZBROJEZBRANE"), 4);
  EXPECT_EQ(CategoryCode("ZBRANEPREDMETY"), 5);
  EXPECT_EQ(CategoryCode("PREDMETYZBRANE"), 5);
  EXPECT_EQ(CategoryCode("ZBROJEPREDMETY"), 6);
  EXPECT_EQ(CategoryCode("PREDMETYZBROJE"), 6);
}

TEST(CategoryCode, CaseAndUnknownWords) {
  EXPECT_EQ(CategoryCode("zbroje"), 2);
  EXPECT_EQ(CategoryCode("PredmetyZbrane"), 5);
  EXPECT_EQ(CategoryCode("KOUZLA"), 0);
  EXPECT_EQ(CategoryCode(""), 0);
  EXPECT_EQ(CategoryCode(" ZBRANE"), 0);
}

}  // namespace
}  // namespace qv
