// Possession commands played through whole locations: catalogs written as a
// gamebook would ship them, the commands run by ChangeLoc, and the game
// state and message lines checked afterwards.

#include <gtest/gtest.h>

#include <string>

#include "state/apply_effect.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

constexpr Colour kAqua = 0xFFFF00;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kLime = 0x00FF00;
constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGrey = 0x808080;

// Names of the test catalogs, in Windows-1250.
const std::string kPest = Cz("Pěst");  // Pěst
const std::string kDyka = Cz("Dýka");  // Dýka
const std::string kMec = Cz("Meč");    // Meč
const std::string kSekera = "Sekera";
const std::string kKosile = Cz("Košile");              // Košile
const std::string kKrouzkova = Cz("Kroužková zbroj");  // Kroužková zbroj
const std::string kLektvar = "Lektvar";
const std::string kKlic = Cz("Klíč");  // Klíč

const std::string kGained = Cz("Získal jsi ");
const std::string kLost = "Ztratil jsi ";

class PossessionCommands : public GamebookFixture {
 protected:
  // Weapon 1 (the starting fist) and armour 1 (the starting shirt) carry no
  // modifiers, so the hero starts with the record's attributes: SILA 3,
  // OBRATNOST 2, RYCHLOST 3.
  void WriteCatalogs() {
    WriteDataFile("zbrane",
                  Cz("1 \"Pěst\" \"Holé ruce\" 1k2+0, 0, 0;\r\n"
                     "2 \"Dýka\" \"Krátká dýka\" 1k4+0, 1, 5;\r\n"
                     "3 \"Meč\" \"Ostrý meč\" 1k6+1, 2, 10, sila+1;\r\n"
                     "4 \"Sekera\" \"Těžká sekera\" 1k8+2, 3, 15, sila+2, obratnost-1;\r\n"));
    WriteDataFile("zbroje", Cz("1 \"Košile\" \"Plátěná košile\" 0, 0, 0, 0;\r\n"
                               "2 \"Kroužková zbroj\" \"Těžká zbroj\" 3, 2, 1, 20, obratnost-1;\r\n"
                               "3 \"Plátová zbroj\" \"Ještě těžší\" 5, 4, 2, 40, "
                               "rychlost-2, maxzivoty+3;\r\n"));
    WriteDataFile("predmety", Cz("1 \"Lektvar\" \"Léčivý lektvar\" 5, vzdy, zivoty+5;\r\n"
                                 "2 \"Pochodeň\" \"Svítí\" 1, mimoboj, promenna1=1;\r\n"));
    WriteDataFile("kouzla", Cz("1 \"Ohnivá koule\" \"Pálí\" 3, zivoty-5;\r\n"
                               "2 \"Led\" \"Mrazí\" 2, zivoty-2;\r\n"));
    WriteDataFile("utoky",
                  Cz("1 \"Úder\" \"Popis\" \"Zásah\" \"Bez účinku\" \"Vedle\" 2, 0, 1k6, 1k4;\r\n"
                     "2 \"Kop\" \"Popis\" \"Zásah\" \"Bez účinku\" \"Vedle\" 3, 0, 1k6, 1k6;\r\n"));
  }

  // Location 1 is empty; the test prepares the state and then shows
  // location 2, which holds the commands under test.
  void Play(const std::string& commands) {
    WriteCatalogs();
    WriteLocations("<1><text obsah=\"Start\">\r\n<2>" + commands + "\r\n<3><text obsah=\"Konec\">\r\n");
    Start();
  }
  void ShowCommands() { Form().ChangeLoc(2); }

  // Message line n (1 = the newest).
  const InfoLine& Line(int n) { return Form().History[static_cast<std::size_t>(n - 1)]; }

  // Checks that the page reported exactly these lines, the last one newest,
  // each in its colour, and nothing else.
  void ExpectReports(const std::vector<std::pair<std::string, Colour>>& reports) {
    ASSERT_LE(reports.size(), 5u);
    for (std::size_t i = 0; i < reports.size(); ++i) {
      const InfoLine& line = Line(static_cast<int>(reports.size() - i));
      EXPECT_EQ(line.Text, reports[i].first) << "report " << i + 1;
      EXPECT_EQ(line.LineColour, reports[i].second) << "report " << i + 1;
    }
    if (reports.size() < 5) {
      EXPECT_EQ(Line(static_cast<int>(reports.size()) + 1).LineColour, kGrey)
          << "an extra line was reported: " << Line(static_cast<int>(reports.size()) + 1).Text;
    }
  }
  void ExpectNoReport() { ExpectReports({}); }

  Weapon& WeaponAt(int n) { return State().Weapons.at(n); }
  Armour& ArmourAt(int n) { return State().Armours.at(n); }
  Item& ItemAt(int n) { return State().Items.at(n); }
  ObjectEntry& ObjectAt(int n) { return State().Objects.at(n); }
  CharacterState& Hero() { return State().Character; }

  // Puts weapon n into the hand with its modifiers, as equipping does.
  void HoldWeapon(int n) {
    const Weapon weapon = WeaponAt(n);
    for (const Effect& e : weapon.UsedEffects()) ApplyEffect(Hero(), e);
    Hero().CurrentWeapon = weapon;
  }
  void WearArmour(int n) {
    const Armour armour = ArmourAt(n);
    for (const Effect& e : armour.UsedEffects()) ApplyEffect(Hero(), e);
    Hero().CurrentArmour = armour;
  }
};

// --- Giving ------------------------------------------------------------------

TEST_F(PossessionCommands, ZbranReportsTheGainWithACountTextFromTwoOn) {
  Play("<zbran 3=\"1\"><zbran 3=\"2\"><zbran 2=\"10\">");
  ASSERT_EQ(State().Weapons.Count, 4);
  ASSERT_EQ(WeaponAt(3).Name.str(), kMec);
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, 3);
  EXPECT_EQ(WeaponAt(2).Held, 10);
  ExpectReports({{kGained + Cz("zbraň ") + kMec + "!", kAqua},
                 {kGained + Cz("2 x zbraň ") + kMec + "!", kAqua},
                 {kGained + Cz("10 x zbraň ") + kDyka + "!", kAqua}});
}

TEST_F(PossessionCommands, ZbranActsOncePerAttributeInOrder) {
  Play("<zbran 2=\"1\" 3=\"2\" 2=\"1\">");
  ShowCommands();
  EXPECT_EQ(WeaponAt(2).Held, 2);
  EXPECT_EQ(WeaponAt(3).Held, 2);
  ExpectReports({{kGained + Cz("zbraň ") + kDyka + "!", kAqua},
                 {kGained + Cz("2 x zbraň ") + kMec + "!", kAqua},
                 {kGained + Cz("zbraň ") + kDyka + "!", kAqua}});
}

TEST_F(PossessionCommands, ZbranWithANegativeAmountTakesAwayAndStillReportsAGain) {
  Play("<zbran 3=\"-1\">");
  WeaponAt(3).Held = 2;
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, 1);
  ExpectReports({{kGained + Cz("zbraň ") + kMec + "!", kAqua}});
}

TEST_F(PossessionCommands, ZbranMinusOneWithNoneHeldLeavesADebt) {
  Play("<zbran 3=\"-1\">");
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, -1);
  ExpectReports({{kGained + Cz("zbraň ") + kMec + "!", kAqua}});
}

TEST_F(PossessionCommands, ZbranOfNumberZeroReportsWithoutANameAndChangesNothing) {
  Play("<zbran 0=\"2\">");
  const Weapon before = WeaponAt(1);
  ShowCommands();
  EXPECT_EQ(WeaponAt(1).Held, before.Held);
  for (int n = 1; n <= 100; ++n) EXPECT_EQ(WeaponAt(n).Held, 0) << n;
  ExpectReports({{kGained + Cz("2 x zbraň !"), kAqua}});
}

TEST_F(PossessionCommands, EntryNumbersAbove100AreIgnoredWithoutAReport) {
  Play("<zbran 101=\"1\"><zbroj 150=\"1\"><predmet 1000=\"3\">");
  ShowCommands();
  for (int n = 1; n <= 100; ++n) {
    EXPECT_EQ(WeaponAt(n).Held, 0);
    EXPECT_EQ(ArmourAt(n).Held, 0);
    EXPECT_EQ(ItemAt(n).Held, 0);
  }
  ExpectNoReport();
}

TEST_F(PossessionCommands, HeldOfWeaponsAndArmourStopsAtThe16BitLimits) {
  Play("<zbran 3=\"5\" 4=\"-40000\"><zbroj 2=\"70000\">");
  WeaponAt(3).Held = 32766;
  WeaponAt(4).Held = -100;
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, 32767);
  EXPECT_EQ(WeaponAt(4).Held, -32768);
  EXPECT_EQ(ArmourAt(2).Held, 32767);
}

TEST_F(PossessionCommands, ItemCountsStopAtThe32BitLimit) {
  Play("<predmet 1=\"2147483647\">");
  ItemAt(1).Held = 5;
  ShowCommands();
  EXPECT_EQ(ItemAt(1).Held, 2147483647);
}

TEST_F(PossessionCommands, ZbrojAndPredmetReportInTheirOwnWordsAndColours) {
  Play("<zbroj 2=\"1\"><predmet 1=\"3\"><zbroj 0=\"1\">");
  ShowCommands();
  EXPECT_EQ(ArmourAt(2).Held, 1);
  EXPECT_EQ(ItemAt(1).Held, 3);
  ExpectReports({{kGained + "zbroj " + kKrouzkova + "!", kWhite},
                 {kGained + Cz("3 x předmět ") + kLektvar + "!", kLime},
                 {kGained + "zbroj !", kWhite}});
}

TEST_F(PossessionCommands, TheCountTextRepeatsTheValueAsWritten) {
  // $1 is substituted before the command runs; the message shows the text.
  Play("<predmet 1=\"$1\"><zbran 2=\" 02\">");
  State().World.Variables.Set(1, 4);
  ShowCommands();
  EXPECT_EQ(ItemAt(1).Held, 4);
  EXPECT_EQ(WeaponAt(2).Held, 2);
  EXPECT_EQ(Line(2).Text, kGained + Cz("4 x předmět ") + kLektvar + "!");
  EXPECT_EQ(Line(1).Text, kGained + Cz(" 02 x zbraň ") + kDyka + "!");
}

// --- Story objects -------------------------------------------------------------

TEST_F(PossessionCommands, ObjektDefinesGivesAndReportsTheObject) {
  Play(Cz("<objekt 7=\"1\" jmeno=\"Klíč\" popis=\"Starý klíč\" vyska=\"40\" sirka=\"30\">"));
  ObjectAt(7).Picture = "stary";
  ShowCommands();
  EXPECT_EQ(ObjectAt(7).Name.str(), kKlic);
  EXPECT_EQ(ObjectAt(7).Description.str(), Cz("Starý klíč"));
  EXPECT_EQ(ObjectAt(7).Picture.str(), "");  // cleared: the tag names none
  EXPECT_EQ(ObjectAt(7).Height, 40);
  EXPECT_EQ(ObjectAt(7).Width, 30);
  EXPECT_EQ(ObjectAt(7).Count, 1);
  EXPECT_EQ(State().ObjectCount, 7);
  ExpectReports({{kGained + kKlic + "!", kSilver}});
}

TEST_F(PossessionCommands, ObjektKeepsAPictureItNamesAndTheLargerObjectCount) {
  Play("<objekt 3=\"2\" obrazek=\"klic\">");
  State().ObjectCount = 9;
  ObjectAt(3).Name = "Mince";
  ObjectAt(3).Count = 1;
  ShowCommands();
  EXPECT_EQ(ObjectAt(3).Picture.str(), "klic");
  EXPECT_EQ(ObjectAt(3).Name.str(), "Mince");  // kept: no JMENO
  EXPECT_EQ(ObjectAt(3).Count, 3);
  EXPECT_EQ(State().ObjectCount, 9);
  ExpectReports({{kGained + "2 x Mince!", kSilver}});
}

TEST_F(PossessionCommands, ObjektIsChosenByTheLastNumberAndEveryNumberCounts) {
  Play("<objekt 3=\"1\" jmeno=\"Prsten\" 5=\"4\">");
  ShowCommands();
  EXPECT_EQ(ObjectAt(3).Count, 1);
  EXPECT_EQ(ObjectAt(3).Name.str(), "");
  EXPECT_EQ(ObjectAt(5).Count, 4);
  EXPECT_EQ(ObjectAt(5).Name.str(), "Prsten");
  EXPECT_EQ(State().ObjectCount, 5);
  ExpectReports({{kGained + "4 x Prsten!", kSilver}});
}

TEST_F(PossessionCommands, ObjektCutsItsTexts) {
  const std::string long_name(60, 'n');
  const std::string long_text(260, 'p');
  const std::string long_picture(55, 'o');
  Play("<objekt 1=\"1\" jmeno=\"" + long_name + "\" popis=\"" + long_text + "\" obrazek=\"" +
       long_picture + "\">");
  ShowCommands();
  EXPECT_EQ(ObjectAt(1).Name.str(), std::string(50, 'n'));
  EXPECT_EQ(ObjectAt(1).Description.str(), std::string(250, 'p'));
  EXPECT_EQ(ObjectAt(1).Picture.str(), std::string(50, 'o'));
  EXPECT_EQ(Line(1).Text, kGained + std::string(50, 'n') + "!");
}

TEST_F(PossessionCommands, ObjektWithoutAnObjectNumberDoesNothing) {
  Play(Cz("<objekt jmeno=\"Klíč\" 0=\"1\"><objekt 101=\"1\" jmeno=\"Daleko\">"));
  ShowCommands();
  for (int n = 1; n <= 100; ++n) {
    EXPECT_EQ(ObjectAt(n).Count, 0);
    EXPECT_EQ(ObjectAt(n).Name.str(), "");
  }
  EXPECT_EQ(State().ObjectCount, 0);
  ExpectNoReport();
}

TEST_F(PossessionCommands, ObjektCountStopsAtThe16BitLimit) {
  Play("<objekt 2=\"40000\" jmeno=\"Zrnko\">");
  ShowCommands();
  EXPECT_EQ(ObjectAt(2).Count, 32767);
}

// --- Taking ------------------------------------------------------------------

TEST_F(PossessionCommands, OdstranPredmetNeverLeavesLessThanNothing) {
  Play("<odstranpredmet 1=\"5\" 2=\"1\" 3=\"-2\">");
  ItemAt(1).Held = 3;
  ItemAt(2).Held = 4;
  ShowCommands();
  EXPECT_EQ(ItemAt(1).Held, 0);
  EXPECT_EQ(ItemAt(2).Held, 3);
  EXPECT_EQ(ItemAt(3).Held, 2);  // taking a negative amount gives
  ExpectNoReport();
}

TEST_F(PossessionCommands, OdstranObjektNeverLeavesLessThanNothing) {
  Play("<odstranobjekt 4=\"2\" 6=\"9\" 200=\"1\">");
  ObjectAt(4).Count = 5;
  ObjectAt(6).Count = 2;
  ShowCommands();
  EXPECT_EQ(ObjectAt(4).Count, 3);
  EXPECT_EQ(ObjectAt(6).Count, 0);
  ExpectNoReport();
}

TEST_F(PossessionCommands, OdstranZbranTakesASpareCopyFirst) {
  Play("<odstranzbran x=\"3\">");
  HoldWeapon(3);
  WeaponAt(3).Held = 1;
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, 0);
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().CurrentWeapon.Name.str(), kMec);
  EXPECT_EQ(Hero().SILA, 4);
  ExpectReports({{kLost + kMec + "!", kRed}});
}

TEST_F(PossessionCommands, OdstranZbranOfTheWeaponInHandEmptiesTheHandAndTakesBackItsModifiers) {
  Play("<odstranzbran a=\"4\">");
  HoldWeapon(4);
  ASSERT_EQ(Hero().SILA, 5);
  ASSERT_EQ(Hero().OBRATNOST, 1);
  const Weapon before = Hero().CurrentWeapon;
  ShowCommands();
  EXPECT_EQ(Hero().SILA, 3);
  EXPECT_EQ(Hero().OBRATNOST, 2);
  const Weapon& hand = Hero().CurrentWeapon;
  EXPECT_EQ(hand.Number, 0);
  EXPECT_EQ(hand.Name.str(), "Nic");
  EXPECT_EQ(hand.Description.str(), "-");
  EXPECT_EQ(hand.Dice.Count, 0);
  EXPECT_EQ(hand.Dice.Sides, 0);
  EXPECT_EQ(hand.Dice.Modifier, 0);
  EXPECT_EQ(hand.Damage, 0);
  EXPECT_EQ(hand.Price, 0);
  EXPECT_EQ(hand.EffectCount, 0);
  EXPECT_EQ(hand.Held, 0);
  EXPECT_EQ(hand.ConditionCount, before.ConditionCount);
  EXPECT_EQ(WeaponAt(4).Held, 0);
  EXPECT_EQ(WeaponAt(4).Name.str(), kSekera);  // the catalog keeps its record
  ExpectReports({{kLost + kSekera + "!", kRed}});
}

TEST_F(PossessionCommands, OdstranZbranOfAWeaponNeitherHeldNorInHandDoesNothing) {
  Play("<odstranzbran x=\"2\" y=\"0\" z=\"500\">");
  HoldWeapon(3);
  ShowCommands();
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_EQ(WeaponAt(2).Held, 0);
  ExpectNoReport();
}

TEST_F(PossessionCommands, OdstranZbranOfTheEmptyHandDoesNothing) {
  Play("<odstranzbran x=\"3\"><odstranzbran x=\"3\"><odstranzbran x=\"0\">");
  HoldWeapon(3);
  ShowCommands();
  EXPECT_EQ(Hero().CurrentWeapon.Name.str(), "Nic");
  EXPECT_EQ(Hero().SILA, 3);  // taken back once only
  ExpectReports({{kLost + kMec + "!", kRed}});
}

TEST_F(PossessionCommands, OdstranZbrojOfTheArmourWornLeavesNoneAndTakesBackItsModifiers) {
  Play("<odstranzbroj x=\"3\">");
  WearArmour(3);
  ASSERT_EQ(Hero().RYCHLOST, 1);
  ASSERT_EQ(Hero().MAXZIVOTY, 23);
  ShowCommands();
  EXPECT_EQ(Hero().RYCHLOST, 3);
  EXPECT_EQ(Hero().MAXZIVOTY, 20);
  const Armour& worn = Hero().CurrentArmour;
  EXPECT_EQ(worn.Number, 0);
  EXPECT_EQ(worn.Name.str(), "Nic");
  EXPECT_EQ(worn.Description.str(), "-");
  EXPECT_EQ(worn.Defence, 0);
  EXPECT_EQ(worn.Toughness, 0);
  EXPECT_EQ(worn.AttackPenalty, 0);
  EXPECT_EQ(worn.Price, 0);
  EXPECT_EQ(worn.EffectCount, 0);
  EXPECT_EQ(worn.Held, 0);
  ExpectReports({{kLost + Cz("Plátová zbroj!"), kRed}});
}

TEST_F(PossessionCommands, OdstranZbrojTakesASpareCopyFirst) {
  Play("<odstranzbroj x=\"2\">");
  WearArmour(2);
  ArmourAt(2).Held = 2;
  ShowCommands();
  EXPECT_EQ(ArmourAt(2).Held, 1);
  EXPECT_EQ(Hero().CurrentArmour.Number, 2);
  EXPECT_EQ(Hero().OBRATNOST, 1);
  ExpectReports({{kLost + kKrouzkova + "!", kRed}});
}

TEST_F(PossessionCommands, OdstranZbraneAllTakesEverySpareCopyButNotTheHand) {
  Play("<odstranzbraneall x=\"3\" y=\"2\">");
  HoldWeapon(3);
  WeaponAt(3).Held = 3;
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, 0);
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().SILA, 4);
  // Weapon 2 is not held: no report for it.
  ExpectReports({{Cz("Ztratil jsi všechny zbraně ") + kMec + Cz(" v inventáři!"), kRed}});
}

TEST_F(PossessionCommands, OdstranZbrojeAllTakesEverySpareCopyButNotTheArmourWorn) {
  Play("<odstranzbrojeall x=\"2\">");
  WearArmour(2);
  ArmourAt(2).Held = 2;
  ShowCommands();
  EXPECT_EQ(ArmourAt(2).Held, 0);
  EXPECT_EQ(Hero().CurrentArmour.Number, 2);
  ExpectReports({{Cz("Ztratil jsi všechny zbroje ") + kKrouzkova + Cz(" v inventáři!"), kRed}});
}

TEST_F(PossessionCommands, ZadneLeavesNothingInTheBagButKeepsTheHandAndTheArmourWorn) {
  Play("<zadnezbrane><zadnezbroje><zadnepredmety><zadneobjekty>");
  HoldWeapon(3);
  WearArmour(2);
  for (int n = 1; n <= 100; ++n) {
    WeaponAt(n).Held = 2;
    ArmourAt(n).Held = 3;
    ItemAt(n).Held = 4;
    ObjectAt(n).Count = 5;
  }
  ShowCommands();
  for (int n = 1; n <= 100; ++n) {
    EXPECT_EQ(WeaponAt(n).Held, 0) << n;
    EXPECT_EQ(ArmourAt(n).Held, 0) << n;
    EXPECT_EQ(ItemAt(n).Held, 0) << n;
    EXPECT_EQ(ObjectAt(n).Count, 0) << n;
  }
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().CurrentArmour.Number, 2);
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_EQ(Hero().OBRATNOST, 1);
  ExpectNoReport();
}

// --- Exchanging -----------------------------------------------------------------

TEST_F(PossessionCommands, ZmenZbranWithASpareCopyExchangesInTheBagAndLeavesTheHandAlone) {
  Play("<zmenzbran 3=\"4\">");
  HoldWeapon(3);
  WeaponAt(3).Held = 1;
  ShowCommands();
  EXPECT_EQ(WeaponAt(3).Held, 0);
  EXPECT_EQ(WeaponAt(4).Held, 1);
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_EQ(Hero().OBRATNOST, 2);
  ExpectReports({{Cz("Tvůj ") + kMec + Cz(" se změnil na ") + kSekera, kAqua}});
}

TEST_F(PossessionCommands, ZmenZbranInHandTakesOffTheOldAndAppliesTheNewModifiers) {
  Play("<zmenzbran 3=\"4\">");
  HoldWeapon(3);
  ASSERT_EQ(Hero().SILA, 4);
  ShowCommands();
  EXPECT_EQ(Hero().SILA, 5);       // 3 + 2 of the axe
  EXPECT_EQ(Hero().OBRATNOST, 1);  // 2 - 1 of the axe
  const Weapon& hand = Hero().CurrentWeapon;
  EXPECT_EQ(hand.Number, 4);
  EXPECT_EQ(hand.Name.str(), kSekera);
  EXPECT_EQ(hand.Dice.Count, 1);
  EXPECT_EQ(hand.Dice.Sides, 8);
  EXPECT_EQ(hand.Dice.Modifier, 2);
  EXPECT_EQ(hand.Damage, 3);
  EXPECT_EQ(hand.EffectCount, 2);
  EXPECT_EQ(WeaponAt(3).Held, 0);  // the old weapon is gone, not put in the bag
  EXPECT_EQ(WeaponAt(4).Held, 0);
  ExpectReports({{Cz("Tvůj ") + kMec + Cz(" se změnil na ") + kSekera, kAqua}});
}

TEST_F(PossessionCommands, ZmenZbranFromTheStartingFist) {
  Play("<zmenzbran 1=\"3\">");
  ShowCommands();
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().SILA, 4);
  ExpectReports({{Cz("Tvůj ") + kPest + Cz(" se změnil na ") + kMec, kAqua}});
}

TEST_F(PossessionCommands, ZmenZbranOfAWeaponNeitherHeldNorInHandDoesNothing) {
  Play("<zmenzbran 2=\"4\" 3=\"200\" 0=\"3\">");
  HoldWeapon(3);
  ShowCommands();
  EXPECT_EQ(Hero().CurrentWeapon.Number, 3);
  EXPECT_EQ(Hero().SILA, 4);
  EXPECT_EQ(WeaponAt(2).Held, 0);
  EXPECT_EQ(WeaponAt(4).Held, 0);
  ExpectNoReport();
}

TEST_F(PossessionCommands, ZmenZbrojExchangesTheArmourWornWithItsModifiers) {
  Play("<zmenzbroj 2=\"3\">");
  WearArmour(2);
  ASSERT_EQ(Hero().OBRATNOST, 1);
  ShowCommands();
  EXPECT_EQ(Hero().OBRATNOST, 2);
  EXPECT_EQ(Hero().RYCHLOST, 1);
  EXPECT_EQ(Hero().MAXZIVOTY, 23);
  EXPECT_EQ(Hero().CurrentArmour.Number, 3);
  EXPECT_EQ(Hero().CurrentArmour.Defence, 5);
  ExpectReports({{Cz("Tvá ") + kKrouzkova + Cz(" se změnila na Plátová zbroj"), kAqua}});
}

TEST_F(PossessionCommands, ZmenZbrojWithASpareCopyExchangesInTheBag) {
  Play("<zmenzbroj 1=\"2\">");
  ArmourAt(1).Held = 2;
  ShowCommands();
  EXPECT_EQ(ArmourAt(1).Held, 1);
  EXPECT_EQ(ArmourAt(2).Held, 1);
  EXPECT_EQ(Hero().CurrentArmour.Number, 1);
  EXPECT_EQ(Hero().OBRATNOST, 2);
  ExpectReports({{Cz("Tvá ") + kKosile + Cz(" se změnila na ") + kKrouzkova, kAqua}});
}

// --- Spells and attacks ---------------------------------------------------------

TEST_F(PossessionCommands, KouzloLearnsAndForgetsSpells) {
  // Other attribute names are not read at all.
  Play("<kouzlo umime=\"2\"><kouzlo neumime=\"1\" x=\"abc\"><kouzlo umime=\"101\">");
  State().Spells.at(1).Known = 1;
  ShowCommands();
  EXPECT_EQ(State().Spells.at(2).Known, 1);
  EXPECT_EQ(State().Spells.at(1).Known, 0);
  ExpectReports({{Cz("Umíš nové kouzlo!"), kAqua}, {Cz("Zapomněl jsi staré kouzlo!"), kRed}});
}

TEST_F(PossessionCommands, UtokAndAkceLearnAndForgetAttacks) {
  Play("<utok umime=\"1\"><akce umime=\"2\"><akce neumime=\"1\">");
  ShowCommands();
  EXPECT_EQ(State().Attacks.at(1).Known, 0);
  EXPECT_EQ(State().Attacks.at(2).Known, 1);
  ExpectReports({{Cz("Umíš nový útok!"), kAqua},
                 {Cz("Umíš nový útok!"), kAqua},
                 {Cz("Zapomněl jsi starý útok!"), kRed}});
}

// --- Counts into variables ------------------------------------------------------

TEST_F(PossessionCommands, PocetCopiesCountsIntoVariables) {
  Play("<pocetzbrani 20=\"4\"><pocetzbroji 21=\"2\"><pocetpredmetu 22=\"1\">"
       "<pocetobjektu 23=\"7\" 24=\"8\">");
  WeaponAt(4).Held = 3;
  ArmourAt(2).Held = 2;
  ItemAt(1).Held = 12;
  ObjectAt(7).Count = 5;
  State().World.Variables.Set(24, 99);
  ShowCommands();
  EXPECT_EQ(State().World.Variables.Get(20), 3);
  EXPECT_EQ(State().World.Variables.Get(21), 2);
  EXPECT_EQ(State().World.Variables.Get(22), 12);
  EXPECT_EQ(State().World.Variables.Get(23), 5);
  EXPECT_EQ(State().World.Variables.Get(24), 0);
  ExpectNoReport();
}

TEST_F(PossessionCommands, PocetZbraniDoesNotCountTheWeaponInHand) {
  Play("<pocetzbrani 5=\"3\"><pocetzbroji 6=\"1\">");
  HoldWeapon(3);
  State().World.Variables.Set(5, 7);
  State().World.Variables.Set(6, 7);
  ShowCommands();
  EXPECT_EQ(State().World.Variables.Get(5), 0);
  EXPECT_EQ(State().World.Variables.Get(6), 0);
}

TEST_F(PossessionCommands, PocetOutsideTheTablesChangesNothing) {
  Play("<pocetzbrani 1000=\"3\" 7=\"0\" 8=\"101\">");
  WeaponAt(3).Held = 2;
  State().World.Variables.Set(7, 11);
  State().World.Variables.Set(8, 12);
  ShowCommands();
  EXPECT_EQ(State().World.Variables.Get(7), 11);
  EXPECT_EQ(State().World.Variables.Get(8), 12);
}

TEST_F(PossessionCommands, ACountCopiedEarlierSteersABlockLaterOnThePage) {
  Play("<zbran 2=\"2\"><pocetzbrani 30=\"2\">[30 = \"2\"]<zbran 3=\"1\">[/]"
       "[30 = \"1\"]<zbran 4=\"1\">[/]");
  ShowCommands();
  EXPECT_EQ(State().World.Variables.Get(30), 2);
  EXPECT_EQ(WeaponAt(3).Held, 1);
  EXPECT_EQ(WeaponAt(4).Held, 0);
}

// --- Whole scenario ------------------------------------------------------------

TEST_F(PossessionCommands, TakingTheSwordBackAfterAnExchangeRestoresTheHero) {
  Play("<zmenzbran 1=\"3\"><odstranzbran x=\"3\"><zbran 3=\"1\">");
  ShowCommands();
  EXPECT_EQ(Hero().SILA, 3);
  EXPECT_EQ(Hero().CurrentWeapon.Name.str(), "Nic");
  EXPECT_EQ(WeaponAt(3).Held, 1);
  ExpectReports({{Cz("Tvůj ") + kPest + Cz(" se změnil na ") + kMec, kAqua},
                 {kLost + kMec + "!", kRed},
                 {kGained + Cz("zbraň ") + kMec + "!", kAqua}});
}

}  // namespace
}  // namespace qv
