// The inventory over a started game: the four lists, the hover texts, item
// use with every kind and sign, conditions, equipping with modifiers, the
// object pictures and the clearing of the messages.

#include <gtest/gtest.h>

#include <string>

#include "possessions/inventory_window.h"
#include "state/condition_eval.h"
#include "support/dot_gif.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

const std::string kBreak = "\r\n";
const std::string kUnmet = Cz("Nesplněny podmínky použití!");

class Inventory : public GamebookFixture {
 protected:
  void SetUp() override {
    WriteDataFile("zbrane", Cz("1 \"Dýka\" \"Krátká dýka\" 1k4+0, 1, 5, sila+1;\r\n"
                               "2 \"Meč\" \"Ostrý meč\" 1k6+1, 2, 10, sila+2, maxzivoty+3;\r\n"
                               "3 \"Palcát\" \"Těžký\" 2k6+3, 4, 20, [SILA 0 > \"9\"];\r\n"
                               "4 \"Hůl\" \"Dlouhá\" 1k3+0, 1, 1, kouzlo+1;\r\n"));
    WriteDataFile("zbroje",
                  Cz("1 \"Košile\" \"Plátěná košile\" 0, 0, 0, 0, obratnost+1;\r\n"
                     "2 \"Kroužková zbroj\" \"Těžká zbroj\" 3, 2, 1, 20, "
                     "obratnost-1, maxmana+2;\r\n"
                     "3 \"Kůže\" \"Kožená vesta\" 1, 1, 0, 5;\r\n"
                     "4 \"Plátová\" \"Zbroj rytíře\" 5, 4, 2, 40, [SILA 0 > \"9\"];\r\n"));
    WriteDataFile("predmety",
                  Cz("1 \"Lektvar\" \"Léčivý lektvar\" 5, vzdy, zivoty+10;\r\n"
                     "2 \"Pochodeň\" \"Svítí\" 1, mimoboj, promenna7+3;\r\n"
                     "3 \"Bomba\" \"Vybuchne\" 2, boj, zivoty-5;\r\n"
                     "4 \"Svitek\" \"Moudrost\" 3, vzdy, xp+4, zkusenosti-5;\r\n"
                     "5 \"Jed\" \"Smrt\" 1, vzdy, zivoty-30;\r\n"
                     "6 \"Elixír\" \"Síla\" 1, mimoboj, maxzivoty+2, maxmana+1, mana+10, "
                     "sila+1, obratnost-1;\r\n"
                     "7 \"Kámen\" \"Těžký kámen\" 1, nic;\r\n"
                     "8 \"Klíč\" \"Zlatý\" 1, vzdy, sila+1, [SILA 0 > \"9\"], "
                     "[PENIZE 0 >= \"100\"];\r\n"
                     "9 \"Kniha\" \"Stará\" 1, vzdy, rychlost+1, energie-2, mana-10, maxmana-3, "
                     "maxzivoty-1;\r\n"
                     "10 \"Mapa\" \"Ostrov\" 1, vzdy, promenna5=9, promenna6-2, promenna1000+1, "
                     "energie+3, rychlost-1;\r\n"
                     "11 \"Kostka\" \"Hrací\" 1, vzdy, [SILA 0 > \"abc\"];\r\n"
                     "12 \"Voda\" \"Čistá\" 1, vzdy, mana+3, zivoty*2, kouzlo+1;\r\n"));
    WriteLocations("<1><text obsah=\"Start\">");
    Start();
  }

  CharacterState& Hero() { return State().Character; }

  InventoryWindow Open() {
    InventoryWindow inventory(State(), host, [this] { return now; });
    inventory.BuildLists();
    return inventory;
  }

  static std::vector<std::string> Captions(const std::vector<TLELabel>& list) {
    std::vector<std::string> out;
    for (const TLELabel& label : list) out.push_back(label.Caption);
    return out;
  }

  int64_t now = 1000;
};

using Strings = std::vector<std::string>;

// --- The lists ---------------------------------------------------------------

TEST_F(Inventory, ListsShowSparePiecesWithTheirCountsFromTwo) {
  State().Items.at(1).Held = 2;
  State().Items.at(3).Held = 1;
  State().Weapons.at(2).Held = 3;
  State().Armours.at(3).Held = 1;
  State().Armours.at(2).Held = 1;
  InventoryWindow inventory = Open();
  EXPECT_EQ(inventory.Kind(), "inventory");
  EXPECT_EQ(Captions(inventory.Items), (Strings{"Lektvar x 2", "Bomba"}));
  EXPECT_EQ(Captions(inventory.Weapons), (Strings{Cz("Meč x 3")}));
  EXPECT_EQ(Captions(inventory.Armours), (Strings{Cz("Kroužková zbroj"), Cz("Kůže")}));
  EXPECT_TRUE(inventory.Objects.empty());
  // The pieces in hand and worn are not among them.
  EXPECT_EQ(InventoryWindow::Find(inventory.Weapons, 1), nullptr);

  // Rows 17 apart from 55; the armour continues below the weapons.
  EXPECT_EQ(inventory.Items[0].Left, 144);
  EXPECT_EQ(inventory.Items[0].Top, 55);
  EXPECT_EQ(inventory.Items[1].Top, 72);
  EXPECT_EQ(inventory.Weapons[0].Left, 256);
  EXPECT_EQ(inventory.Weapons[0].Top, 55);
  EXPECT_EQ(inventory.Armours[0].Left, 256);
  EXPECT_EQ(inventory.Armours[0].Top, 72);
  EXPECT_EQ(inventory.Armours[1].Top, 89);
  EXPECT_EQ(inventory.Armours[1].idx, 3);

  // Only items usable outside a fight can be clicked.
  EXPECT_TRUE(inventory.Items[0].HandCursor);
  EXPECT_FALSE(inventory.Items[1].HandCursor);
  EXPECT_TRUE(inventory.Weapons[0].HandCursor);
  EXPECT_TRUE(inventory.Armours[0].HandCursor);
}

TEST_F(Inventory, ArmourStartsAtTheTopWithoutSpareWeapons) {
  State().Armours.at(3).Held = 1;
  InventoryWindow inventory = Open();
  ASSERT_EQ(inventory.Armours.size(), 1u);
  EXPECT_EQ(inventory.Armours[0].Top, 55);
}

TEST_F(Inventory, ObjectsWithAPictureAreMaroonAndClickable) {
  State().Objects.at(2) = ObjectEntry{Cz("Klíč"), Cz("Starý"), "klic.gif", 10, 20, 1};
  State().Objects.at(5) = ObjectEntry{"Prsten", Cz("Zlatý"), "", 0, 0, 4};
  State().Objects.at(7) = ObjectEntry{Cz("Ztracený"), "", "", 0, 0, 0};
  State().ObjectCount = 7;
  InventoryWindow inventory = Open();
  EXPECT_EQ(Captions(inventory.Objects), (Strings{Cz("Klíč"), "Prsten x 4"}));
  EXPECT_EQ(inventory.Objects[0].Left, 32);
  EXPECT_EQ(inventory.Objects[1].Top, 72);
  EXPECT_EQ(inventory.Objects[0].FontColour, 0x000080u);
  EXPECT_TRUE(inventory.Objects[0].HandCursor);
  EXPECT_EQ(inventory.Objects[1].FontColour, 0x000000u);
  EXPECT_FALSE(inventory.Objects[1].HandCursor);

  // No object is listed while the object count is 0.
  State().ObjectCount = 0;
  inventory.BuildLists();
  EXPECT_TRUE(inventory.Objects.empty());
}

TEST_F(Inventory, ListsKeepEveryEntry) {
  for (int32_t n = 1; n <= 100; ++n) {
    State().Items.at(n).Name = "P" + std::to_string(n);
    State().Items.at(n).Held = 1;
    State().Weapons.at(n).Held = 1;
    State().Armours.at(n).Held = 1;
    State().Objects.at(n).Count = 1;
  }
  State().ObjectCount = 100;
  InventoryWindow inventory = Open();
  EXPECT_EQ(inventory.Items.size(), 100u);
  EXPECT_EQ(inventory.Objects.size(), 100u);
  EXPECT_EQ(inventory.Weapons.size(), 100u);
  ASSERT_EQ(inventory.Armours.size(), 100u);
  EXPECT_EQ(inventory.Items.back().Caption, "P100");
  EXPECT_EQ(inventory.Armours.back().Top, 55 + 199 * 17);
}

TEST_F(Inventory, CurrencyCaptionRaisesOnlyAnAsciiFirstLetter) {
  EXPECT_EQ(CurrencyCaption(Cz("zlaťáků")), Cz("Zlaťáků"));
  EXPECT_EQ(CurrencyCaption(Cz("šeků")),
            Cz("šeků"));  // š stays
  EXPECT_EQ(CurrencyCaption(""), "");
}

// --- Hovering ----------------------------------------------------------------

TEST_F(Inventory, ItemHoverGivesDescriptionUseModeAndConditions) {
  InventoryWindow inventory = Open();
  inventory.ItemMouseEnter(3);
  EXPECT_EQ(inventory.Status, "Vybuchne\r\nPouze v boji\r\n");
  inventory.ItemMouseEnter(2);
  EXPECT_EQ(inventory.Status, Cz("Svítí\r\nPouze mimo boj\r\n"));
  inventory.ItemMouseEnter(1);
  EXPECT_EQ(inventory.Status, Cz("Léčivý lektvar\r\nMožno použít vždy\r\n"));
  inventory.ItemMouseEnter(7);
  EXPECT_EQ(inventory.Status, Cz("Těžký kámen\r\nNelze použít!\r\n"));

  const Item& key = State().Items.at(8);
  const std::string strength = DescribeCondition(key.Conditions[0], State());
  const std::string money = DescribeCondition(key.Conditions[1], State());
  EXPECT_EQ(strength, Cz("Síla je větší 9"));
  inventory.ItemMouseEnter(8);
  EXPECT_EQ(inventory.Status, Cz("Zlatý\r\nMožno použít vždy\r\n\r\nNesplněno: ") + strength +
                                  Cz("\r\nNesplněno: ") + money);
  State().Character.PENIZE = 100;
  inventory.ItemMouseEnter(8);
  EXPECT_EQ(inventory.Status.substr(inventory.Status.rfind("\r\n")), Cz("\r\nSplněno: ") + money);
}

TEST_F(Inventory, DescriptionsAreWrappedAtEighty) {
  std::string long_text;
  for (int i = 0; i < 12; ++i) long_text += "slovo123 ";  // 108 bytes
  State().Objects.at(1) = ObjectEntry{"Deska", long_text, "", 0, 0, 1};
  State().ObjectCount = 1;
  InventoryWindow inventory = Open();
  inventory.ObjectMouseEnter(1);
  const std::size_t cut = inventory.Status.find(kBreak);
  ASSERT_NE(cut, std::string::npos);
  EXPECT_EQ(cut, 72u);  // after the last blank within the 80 columns
  EXPECT_EQ(inventory.Status.substr(0, cut), long_text.substr(0, 72));
}

TEST_F(Inventory, WeaponHoverGivesAttackModifiersAndConditions) {
  InventoryWindow inventory = Open();
  inventory.WeaponMouseEnter(2);
  EXPECT_EQ(inventory.Status, Cz("Meč (útok 1k6+1, poškození 2)\r\nOstrý meč\r\n"
                                 "\r\nSíla + 2\r\nMaximum životů + 3"));
  inventory.WeaponMouseEnter(3);
  EXPECT_EQ(inventory.Status, Cz("Palcát (útok 2k6+3, poškození 4)\r\nTěžký\r\n"
                                 "\r\nNesplněno: Síla je větší 9"));
  // A modifier that is no attribute gives an empty line.
  inventory.WeaponMouseEnter(4);
  EXPECT_EQ(inventory.Status, Cz("Hůl (útok 1k3+0, poškození 1)\r\nDlouhá\r\n\r\n"));
}

TEST_F(Inventory, ArmourHoverGivesThePenaltyOnlyAboveZero) {
  InventoryWindow inventory = Open();
  inventory.ArmourMouseEnter(3);
  EXPECT_EQ(inventory.Status, Cz("Kůže (obrana 1, tvrdost 1)\r\nKožená vesta"));
  inventory.ArmourMouseEnter(2);
  EXPECT_EQ(inventory.Status, Cz("Kroužková zbroj (obrana 3, tvrdost 2, útok -1)\r\nTěžká zbroj\r\n"
                                 "\r\nObratnost - 1\r\nMaximum many + 2"));
  inventory.KrizekMouseMove();
  EXPECT_EQ(inventory.Status, Cz("Zavřít"));
}

// --- Item use ----------------------------------------------------------------

TEST_F(Inventory, HealingStopsAtTheMaximum) {
  State().Items.at(1).Held = 1;
  Hero().ZIVOTY = 15;
  InventoryWindow inventory = Open();
  inventory.ItemClick(1);
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(inventory.Status2, Cz("\r\nVyléčil sis 5 životy\r\n"));
  EXPECT_TRUE(inventory.Items.empty());
}

TEST_F(Inventory, ItemHeldTwiceCountsDownAndDisappears) {
  State().Items.at(1).Held = 2;
  InventoryWindow inventory = Open();
  EXPECT_EQ(Captions(inventory.Items), (Strings{"Lektvar x 2"}));
  inventory.ItemClick(1);
  EXPECT_EQ(Captions(inventory.Items), (Strings{"Lektvar"}));
  inventory.ItemClick(1);
  EXPECT_TRUE(inventory.Items.empty());
  EXPECT_EQ(State().Items.at(1).Held, 0);
  // Both uses are reported, the full lives healing nothing.
  EXPECT_EQ(inventory.Status2, Cz("\r\nVyléčil sis 0 životy\r\n\r\nVyléčil sis 0 životy\r\n"));
  inventory.ItemClick(1);  // no longer held: nothing
  EXPECT_EQ(State().Items.at(1).Held, 0);
}

TEST_F(Inventory, FightItemsCannotBeUsedHere) {
  State().Items.at(3).Held = 1;
  State().Items.at(7).Held = 1;
  InventoryWindow inventory = Open();
  inventory.ItemMouseEnter(3);
  EXPECT_EQ(inventory.Status, "Vybuchne\r\nPouze v boji\r\n");
  inventory.ItemClick(3);
  inventory.ItemClick(7);
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(State().Items.at(3).Held, 1);
  EXPECT_EQ(State().Items.at(7).Held, 1);
  EXPECT_EQ(inventory.Status2, "");
}

TEST_F(Inventory, ExperienceIsGainedButNeverLostByItems) {
  State().Items.at(4).Held = 1;
  InventoryWindow inventory = Open();
  inventory.ItemClick(4);
  EXPECT_EQ(Hero().ZKUSENOSTI, 4);
  EXPECT_EQ(inventory.Status2, Cz("\r\nZískal jsi 4 XP!\r\n"));
}

TEST_F(Inventory, EveryAttributeReportsItsRiseAndFall) {
  State().Items.at(6).Held = 1;
  State().Items.at(9).Held = 1;
  Hero().MANA = 0;
  InventoryWindow inventory = Open();
  inventory.ItemClick(6);
  EXPECT_EQ(Hero().MAXZIVOTY, 22);
  EXPECT_EQ(Hero().MAXMANA, 6);
  EXPECT_EQ(Hero().MANA, 6);
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_EQ(Hero().OBRATNOST, 1);
  EXPECT_EQ(inventory.Status2, Cz("\r\nZvýšila se ti hranice životů o 2\r\n"
                                  "Zvýšila se ti hladina many o 1\r\n"
                                  "Obnovil sis 6 many.\r\n"
                                  "Zvýšila se ti síla o 1\r\n"
                                  "Snížila se ti obratnost o 1\r\n"));

  inventory.Status2.clear();
  inventory.ItemClick(9);
  EXPECT_EQ(Hero().RYCHLOST, 4);
  EXPECT_EQ(Hero().ENERGIE, 13);
  EXPECT_EQ(Hero().MAXMANA, 3);
  EXPECT_EQ(Hero().MANA, 0);  // never below 0
  EXPECT_EQ(Hero().MAXZIVOTY, 21);
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(inventory.Status2, Cz("\r\nZvýšila se ti rychlost o 1\r\n"
                                  "Snížila se ti energie o 2\r\n"
                                  "Ztratil jsi 10 many.\r\n"
                                  "Snížila se ti hladina many o 3\r\n"
                                  "Snížila se ti hranice životů o 1\r\n"));
  EXPECT_EQ(host.death_windows, 0);
}

TEST_F(Inventory, LoweredMaximumCutsLivesDown) {
  State().Items.at(9).Held = 1;
  Hero().MAXZIVOTY = 20;
  Hero().ZIVOTY = 20;
  InventoryWindow inventory = Open();
  inventory.ItemClick(9);
  EXPECT_EQ(Hero().MAXZIVOTY, 19);
  EXPECT_EQ(Hero().ZIVOTY, 19);
}

TEST_F(Inventory, OtherKindsAndSignsDoNothing) {
  State().Items.at(12).Held = 1;
  Hero().MANA = 1;
  InventoryWindow inventory = Open();
  inventory.ItemClick(12);
  EXPECT_EQ(Hero().MANA, 4);
  EXPECT_EQ(Hero().ZIVOTY, 20);
  EXPECT_EQ(inventory.Status2, "\r\nObnovil sis 3 many.\r\n");
}

TEST_F(Inventory, VariablesChangeAndAreReportedOnlyWhenAsked) {
  State().Items.at(10).Held = 2;
  State().World.Variables.Set(6, 10);
  InventoryWindow inventory = Open();
  inventory.ItemClick(10);
  EXPECT_EQ(State().World.Variables.Get(5), 9);
  EXPECT_EQ(State().World.Variables.Get(6), 8);
  EXPECT_EQ(inventory.Status2,
            Cz("\r\nZvýšila se ti energie o 3\r\nSnížila se ti rychlost o 1\r\n"));

  State().World.ReportChanges = 1;
  inventory.Status2.clear();
  inventory.ItemClick(10);
  EXPECT_EQ(State().World.Variables.Get(6), 6);
  EXPECT_EQ(inventory.Status2, Cz("\r\n$5 se změnila na 9\r\n$6 se snížila o 2 na 6\r\n"
                                  "Zvýšila se ti energie o 3\r\nSnížila se ti rychlost o 1\r\n"));

  State().Items.at(2).Held = 1;
  inventory.BuildLists();
  inventory.Status2.clear();
  inventory.ItemClick(2);
  EXPECT_EQ(State().World.Variables.Get(7), 3);
  EXPECT_EQ(inventory.Status2, Cz("\r\n$7 se zvýšila o 3 na 3\r\n"));
}

TEST_F(Inventory, LosingAllLivesOpensTheDeathWindow) {
  State().Items.at(5).Held = 1;
  InventoryWindow inventory = Open();
  inventory.ItemClick(5);
  EXPECT_EQ(Hero().ZIVOTY, -10);
  EXPECT_EQ(host.death_windows, 1);
  EXPECT_EQ(inventory.Status2, Cz("\r\nZtratil jsi 30 životy\r\n"));
}

TEST_F(Inventory, UnmetConditionsBlockUseAndConsumeNothing) {
  State().Items.at(8).Held = 1;
  InventoryWindow inventory = Open();
  inventory.ItemClick(8);
  EXPECT_EQ(State().Items.at(8).Held, 1);
  EXPECT_EQ(Hero().SILA, 3);
  // "Nutno: " and the description, wrapped at 33.
  EXPECT_EQ(inventory.Status2, Cz("\r\nNutno: Síla je větší 9\r\n"
                                  "Nutno: Počet zlaťáků je větší \r\nnebo rovno 100\r\n") +
                                   kUnmet + kBreak);

  // Once they hold, the item works.
  Hero().SILA = 10;
  Hero().PENIZE = 100;
  inventory.Status2.clear();
  inventory.ItemClick(8);
  EXPECT_EQ(State().Items.at(8).Held, 0);
  EXPECT_EQ(Hero().SILA, 11);
  EXPECT_EQ(inventory.Status2, Cz("\r\nZvýšila se ti síla o 1\r\n"));
}

TEST_F(Inventory, ConditionThatIsNoNumberAbandonsTheUse) {
  State().Items.at(11).Held = 1;
  InventoryWindow inventory = Open();
  inventory.ItemMouseEnter(11);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "'abc' is not a valid integer value");
  inventory.ItemClick(11);
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(State().Items.at(11).Held, 1);
}

// --- Equipping ---------------------------------------------------------------

TEST_F(Inventory, EquippingAWeaponSwapsTheModifiers) {
  // Dýka (sila+1) is in hand from the start.
  ASSERT_EQ(Hero().CurrentWeapon.Number, 1);
  const int32_t strength = Hero().SILA;
  State().Weapons.at(2).Held = 1;
  InventoryWindow inventory = Open();
  inventory.WeaponClick(2);
  EXPECT_EQ(Hero().SILA, strength + 1);  // -1 off, +2 on
  EXPECT_EQ(Hero().MAXZIVOTY, 23);
  EXPECT_EQ(Hero().CurrentWeapon.Number, 2);
  EXPECT_EQ(Hero().CurrentWeapon.Name, Cz("Meč"));
  EXPECT_EQ(State().Weapons.at(2).Held, 0);
  EXPECT_EQ(State().Weapons.at(1).Held, 1);
  EXPECT_EQ(Captions(inventory.Weapons), (Strings{Cz("Dýka")}));
  EXPECT_EQ(inventory.Status2, Cz("\r\nChopil ses zbraně Meč\r\n"));

  // And back.
  inventory.WeaponClick(1);
  EXPECT_EQ(Hero().SILA, strength);
  EXPECT_EQ(Hero().MAXZIVOTY, 20);
  EXPECT_EQ(Captions(inventory.Weapons), (Strings{Cz("Meč")}));
}

TEST_F(Inventory, EquippingArmourSwapsTheModifiers) {
  // Košile (obratnost+1) is worn from the start.
  const int32_t dexterity = Hero().OBRATNOST;
  State().Armours.at(2).Held = 2;
  InventoryWindow inventory = Open();
  inventory.ArmourClick(2);
  EXPECT_EQ(Hero().OBRATNOST, dexterity - 2);  // -1 off, -1 on
  EXPECT_EQ(Hero().MAXMANA, 7);
  EXPECT_EQ(Hero().CurrentArmour.Number, 2);
  EXPECT_EQ(Captions(inventory.Armours), (Strings{Cz("Košile"), Cz("Kroužková zbroj")}));
  EXPECT_EQ(inventory.Status2, Cz("\r\nOblékl jsi zbroj Kroužková zbroj\r\n"));
  // The same kind again: the worn one becomes spare, a spare one is worn.
  inventory.ArmourClick(2);
  EXPECT_EQ(State().Armours.at(2).Held, 1);
  EXPECT_EQ(Hero().OBRATNOST, dexterity - 2);
  EXPECT_EQ(Hero().MAXMANA, 7);
}

TEST_F(Inventory, UnmetConditionsBlockEquipping) {
  State().Weapons.at(3).Held = 1;
  State().Armours.at(4).Held = 1;
  InventoryWindow inventory = Open();
  inventory.WeaponClick(3);
  inventory.ArmourClick(4);
  EXPECT_EQ(Hero().CurrentWeapon.Number, 1);
  EXPECT_EQ(Hero().CurrentArmour.Number, 1);
  EXPECT_EQ(State().Weapons.at(3).Held, 1);
  EXPECT_EQ(State().Armours.at(4).Held, 1);
  const std::string blocked = Cz("\r\nNutno: Síla je větší 9\r\n") + kUnmet + kBreak;
  EXPECT_EQ(inventory.Status2, blocked + blocked);
}

TEST_F(Inventory, EmptyHandReturnsNothingToTheList) {
  Hero().CurrentWeapon.Number = 0;
  Hero().CurrentWeapon.EffectCount = 0;
  State().Weapons.at(2).Held = 1;
  InventoryWindow inventory = Open();
  inventory.WeaponClick(2);
  EXPECT_EQ(Hero().CurrentWeapon.Number, 2);
  EXPECT_TRUE(inventory.Weapons.empty());
}

// --- Objects -----------------------------------------------------------------

TEST_F(Inventory, ObjectPictureOpensOnBlackAtTheObjectsSize) {
  WriteBytes("obrazky/klic.gif", DotGif());
  State().Objects.at(3) = ObjectEntry{Cz("Klíč"), Cz("Starý klíč"), "klic.gif", 40, 60, 1};
  State().Objects.at(4) = ObjectEntry{"Prsten", Cz("Zlatý"), "", 0, 0, 1};
  State().ObjectCount = 4;
  InventoryWindow inventory = Open();
  const PicturePopupWindow* seen = nullptr;
  host.on_modal = [&](ModalWindow& window) { seen = dynamic_cast<PicturePopupWindow*>(&window); };
  inventory.ObjectMouseEnter(3);
  EXPECT_EQ(inventory.Status, Cz("Starý klíč"));
  inventory.ObjectClick(3);
  ASSERT_NE(seen, nullptr);
  EXPECT_EQ(host.modal_windows, (Strings{"picture"}));
  EXPECT_EQ(seen->File, "./obrazky/klic.gif");
  EXPECT_EQ(seen->Width, 60);
  EXPECT_EQ(seen->Height, 40);
  EXPECT_EQ(seen->ClientHeight(), 65);
  EXPECT_EQ(seen->Caption, Cz("Klíč"));
  ASSERT_TRUE(seen->Background.has_value());
  EXPECT_EQ(*seen->Background, 0x000000u);
  EXPECT_EQ(seen->Left, 512 - 30);
  EXPECT_EQ(seen->Top, 384 - 32);

  // Without a picture the click does nothing.
  inventory.ObjectClick(4);
  EXPECT_EQ(host.modal_windows.size(), 1u);
}

TEST_F(Inventory, MissingObjectPictureIsReported) {
  State().Objects.at(1) = ObjectEntry{"Mapa", "", "mapa.png", 10, 10, 1};
  State().ObjectCount = 1;
  InventoryWindow inventory = Open();
  inventory.ObjectClick(1);
  EXPECT_TRUE(host.modal_windows.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("mapa.png"), std::string::npos);
}

// --- Clearing and closing ----------------------------------------------------

TEST_F(Inventory, MovingOverTheBackgroundClearsOnceTimeHasPassed) {
  State().Items.at(1).Held = 2;
  InventoryWindow inventory = Open();
  inventory.ItemMouseEnter(1);
  inventory.ItemClick(1);
  ASSERT_FALSE(inventory.Status2.empty());
  inventory.BackgroundMouseMove();  // the same moment as the use
  EXPECT_FALSE(inventory.Status.empty());
  EXPECT_FALSE(inventory.Status2.empty());
  now += 1;
  inventory.BackgroundMouseMove();
  EXPECT_EQ(inventory.Status, "");
  EXPECT_EQ(inventory.Status2, "");
}

TEST_F(Inventory, BackgroundClearsTheHintBeforeAnyAction) {
  InventoryWindow inventory = Open();
  inventory.KrizekMouseMove();
  inventory.BackgroundMouseMove();
  EXPECT_EQ(inventory.Status, "");
}

TEST_F(Inventory, ClosesByThePictureOrAnyKey) {
  InventoryWindow inventory = Open();
  inventory.KrizekClick();
  EXPECT_TRUE(inventory.IsClosed());
  inventory.Reopen();
  inventory.FormKeyPress();
  EXPECT_TRUE(inventory.IsClosed());
  inventory.CentreOn(1024, 768);
  EXPECT_EQ(inventory.Left, 512 - 335);
  EXPECT_EQ(inventory.Top, 384 - 301);
}

}  // namespace
}  // namespace qv
