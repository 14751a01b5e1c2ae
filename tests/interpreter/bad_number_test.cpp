// Every whole-number attribute of every tag command, one row each: a value
// (or a number written as the attribute's name) that is no integer stops the
// page. The message quotes the text as the page gave it (names upper-cased
// by the scanner); the tags before the faulty one have acted, the ones after
// it do not, no window opens, no message line is shown and the menu stays
// hidden, as the page was never finished.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/gamebook_fixture.h"

namespace qv {
namespace {

struct BadNumber {
  std::string name;   // the command and the attribute, for the test's name
  std::string tag;    // the faulty tag
  std::string value;  // what the message quotes
};

// The rows print as their names, not as Windows-1250 bytes.
void PrintTo(const BadNumber& row, std::ostream* os) { *os << row.name; }

std::vector<BadNumber> Rows() {
  return {
      // Page content; a number as an attribute name is a variable assigned
      // when the link is followed.
      {"TEXT_ODKAZ", "<text obsah=\"a\" odkaz=\"x\">", "x"},
      {"TEXT_variable", "<text obsah=\"a\" 5=\"pet\">", "pet"},
      {"M_X", "<m t=\"a\" x=\"dva\">", "dva"},
      {"MENU_ODKAZ", "<menu t=\"a\" odkaz=\"2a\">", "2a"},
      {"MENU_variable", "<menu t=\"a\" x=\"2\" 7=\"\">", ""},
      {"ZPET_variable", "<zpet 3=\"x\">", "x"},
      {"OBRAZEKVTEXTU_VYSKA", "<obrazekvtextu soubor=\"a.gif\" vyska=\"vysoko\">", "vysoko"},
      {"OBRAZEKVTEXTU_SIRKA", "<obrazekvtextu soubor=\"a.gif\" sirka=\"30px\">", "30px"},
      {"OBRAZEKVTEXTU_ODKAZ", "<obrazekvtextu soubor=\"a.gif\" odkaz=\"x\">", "x"},
      {"OBRAZEKVTEXTU_POSUNX", "<obrazekvtextu soubor=\"a.gif\" posunx=\"+\">", "+"},
      {"OBRAZEKVTEXTU_POSUNY", "<obrazekvtextu soubor=\"a.gif\" posuny=\"1.5\">", "1.5"},
      {"OBRAZEKVTEXTU_variable", "<obrazekvtextu soubor=\"a.gif\" 9=\"x\">", "x"},
      // Windows: the page stops before any opens.
      {"OBRAZEK_VYSKA", "<obrazek soubor=\"a.gif\" vyska=\"vysoko\">", "vysoko"},
      {"OBRAZEK_SIRKA", "<obrazek soubor=\"a.gif\" sirka=\"\">", ""},
      {"TEXTOVEOKNO_RETEZEC", "<textoveokno retezec=\"tri\">", "tri"},
      {"SAVE_ODKAZ", "<save odkaz=\"dale\">", "dale"},
      {"OBCHOD_CISLO", "<obchod cislo=\"dva\">", "dva"},
      {"PRODEJ_PROCENT", "<prodej procent=\"pul\">", "pul"},
      {"SOUBOJ_UTOK", "<souboj utok=\"k6\">", ""},  // dice without a count
      {"SOUBOJ_OBRANA", "<souboj obrana=\"x\">", "x"},
      {"SOUBOJ_TVRDOST", "<souboj tvrdost=\"x\">", "x"},
      {"SOUBOJ_ZIVOTY", "<souboj zivoty=\"99999999999\">", "99999999999"},
      {"SOUBOJ_ZRANEN", "<souboj zranen=\"x\">", "x"},
      {"SOUBOJ_POSKOZENI", "<souboj poskozeni=\"1k6\">", "1k6"},
      {"SOUBOJ_XP", "<souboj xp=\"x\">", "x"},
      {"SOUBOJ_NEUMIREJ", "<souboj neumirej=\"ano\">", "ano"},
      {"CASOVAC_CAS", "<casovac cas=\"tri\">", "tri"},
      {"CASOVAC_ODKAZ", "<casovac cas=\"3\" odkaz=\"x\">", "x"},
      // Money and experience.
      {"PENIZE_PLUS", Cz("<penize plus=\"pět\">"), Cz("pět")},
      {"PENIZE_MINUS", "<penize minus=\"x\">", "x"},
      {"ZKUSENOSTI_PLUS", "<zkusenosti plus=\"x\">", "x"},
      {"ZKUSENOSTI_MINUS", "<zkusenosti minus=\"x\">", "x"},
      {"XP_PLUS", "<xp plus=\" 1 \">", " 1 "},
      {"XP_MINUS", "<xp minus=\"x\">", "x"},
      // The attributes of the hero.
      {"ZIVOTY_PLUS", "<zivoty plus=\"x\">", "x"},
      {"ZIVOTY_MINUS", "<zivoty minus=\"x\">", "x"},
      {"ZIVOTY_JE", "<zivoty je=\"x\">", "x"},
      {"MANA_PLUS", "<mana plus=\"x\">", "x"},
      {"MANA_MINUS", "<mana minus=\"x\">", "x"},
      {"MANA_JE", "<mana je=\"x\">", "x"},
      {"MAXZIVOTY_PLUS", "<maxzivoty plus=\"x\">", "x"},
      {"MAXZIVOTY_MINUS", "<maxzivoty minus=\"x\">", "x"},
      {"MAXZIVOTY_JE", "<maxzivoty je=\"x\">", "x"},
      {"MAXMANA_PLUS", "<maxmana plus=\"x\">", "x"},
      {"MAXMANA_MINUS", "<maxmana minus=\"x\">", "x"},
      {"MAXMANA_JE", "<maxmana je=\"x\">", "x"},
      {"SILA_PLUS", "<sila plus=\"x\">", "x"},
      {"SILA_MINUS", "<sila minus=\"x1\">", "x1"},
      {"SILA_JE", "<sila je=\"x\">", "x"},
      {"OBRATNOST_PLUS", "<obratnost plus=\"x\">", "x"},
      {"OBRATNOST_MINUS", "<obratnost minus=\"x\">", "x"},
      {"OBRATNOST_JE", "<obratnost je=\"x\">", "x"},
      {"RYCHLOST_PLUS", "<rychlost plus=\"x\">", "x"},
      {"RYCHLOST_MINUS", "<rychlost minus=\"x\">", "x"},
      {"RYCHLOST_JE", "<rychlost je=\"x\">", "x"},
      {"ENERGIE_PLUS", "<energie plus=\"x\">", "x"},
      {"ENERGIE_MINUS", "<energie minus=\"x\">", "x"},
      {"ENERGIE_JE", "<energie je=\"x\">", "x"},
      // Variables: the name is the variable's number.
      {"PROMENNA_variable", "<promenna x=\"1\">", "X"},
      {"PROMENNA_value", "<promenna 3=\"abc\">", "abc"},
      {"ZVYSPROMENNOU_variable", "<zvyspromennou x=\"1\">", "X"},
      {"ZVYSPROMENNOU_value", "<zvyspromennou 3=\"x\">", "x"},
      {"SNIZPROMENNOU_variable", "<snizpromennou x=\"1\">", "X"},
      {"SNIZPROMENNOU_value", "<snizpromennou 3=\"x\">", "x"},
      {"NASTAVPROMENNE_CISLO", "<nastavpromenne cislo=\"x\" pocet=\"1\" hodnota=\"1\">", "x"},
      {"NASTAVPROMENNE_POCET", "<nastavpromenne cislo=\"1\" pocet=\"x\" hodnota=\"1\">", "x"},
      {"NASTAVPROMENNE_HODNOTA", "<nastavpromenne cislo=\"1\" pocet=\"1\" hodnota=\"x\">", "x"},
      {"NAHODA_variable", "<nahoda x=\"1k6\">", "X"},
      {"NAHODA_dice", "<nahoda 1=\"k6\">", ""},
      {"VZOREC_variable", "<vzorec x=\"1+1\">", "X"},
      {"RETEZEC_slot", "<retezec x=\"a\">", "X"},
      {"SROVNEJRETEZCE_VYSLEDEK", "<srovnejretezce a=\"a\" b=\"a\" vysledek=\"x\">", "x"},
      // Possessions: the name is the entry's number, the value the amount.
      {"ZBRAN_entry", "<zbran abc=\"1\">", "ABC"},
      {"ZBRAN_amount", "<zbran 2=\"dva\">", "dva"},
      {"ZBROJ_entry", "<zbroj x=\"1\">", "X"},
      {"ZBROJ_amount", "<zbroj 1=\"x\">", "x"},
      {"PREDMET_entry", "<predmet x=\"1\">", "X"},
      {"PREDMET_amount", "<predmet 1=\"x\">", "x"},
      {"OBJEKT_amount", "<objekt 1=\"jeden\" jmeno=\"Klic\">", "jeden"},
      {"OBJEKT_VYSKA", "<objekt 1=\"1\" jmeno=\"Klic\" vyska=\"x\">", "x"},
      {"OBJEKT_SIRKA", "<objekt 1=\"1\" jmeno=\"Klic\" sirka=\"x\">", "x"},
      {"ODSTRANPREDMET_entry", "<odstranpredmet x=\"1\">", "X"},
      {"ODSTRANPREDMET_amount", "<odstranpredmet 1=\"x\">", "x"},
      {"ODSTRANOBJEKT_entry", "<odstranobjekt x=\"1\">", "X"},
      {"ODSTRANOBJEKT_amount", "<odstranobjekt 1=\"x\">", "x"},
      // Here only the value names the piece.
      {"ODSTRANZBRAN_entry", "<odstranzbran a=\"x\">", "x"},
      {"ODSTRANZBROJ_entry", "<odstranzbroj a=\"x\">", "x"},
      {"ODSTRANZBRANEALL_entry", "<odstranzbraneall a=\"x\">", "x"},
      {"ODSTRANZBROJEALL_entry", "<odstranzbrojeall a=\"x\">", "x"},
      {"ZMENZBRAN_old", "<zmenzbran x=\"1\">", "X"},
      {"ZMENZBRAN_new", "<zmenzbran 1=\"x\">", "x"},
      {"ZMENZBROJ_old", "<zmenzbroj x=\"1\">", "X"},
      {"ZMENZBROJ_new", "<zmenzbroj 1=\"x\">", "x"},
      {"KOUZLO_UMIME", "<kouzlo umime=\"x\">", "x"},
      {"KOUZLO_NEUMIME", "<kouzlo neumime=\"x\">", "x"},
      {"UTOK_UMIME", "<utok umime=\"x\">", "x"},
      {"UTOK_NEUMIME", "<utok neumime=\"x\">", "x"},
      {"AKCE_UMIME", "<akce umime=\"x\">", "x"},
      {"AKCE_NEUMIME", "<akce neumime=\"x\">", "x"},
      {"POCETPREDMETU_variable", "<pocetpredmetu x=\"1\">", "X"},
      {"POCETPREDMETU_entry", "<pocetpredmetu 1=\"x\">", "x"},
      {"POCETOBJEKTU_variable", "<pocetobjektu x=\"1\">", "X"},
      {"POCETOBJEKTU_entry", "<pocetobjektu 1=\"x\">", "x"},
      {"POCETZBRANI_variable", "<pocetzbrani x=\"1\">", "X"},
      {"POCETZBRANI_entry", "<pocetzbrani 1=\"x\">", "x"},
      {"POCETZBROJI_variable", "<pocetzbroji x=\"1\">", "X"},
      {"POCETZBROJI_entry", "<pocetzbroji 1=\"x\">", "x"},
  };
}

class BadNumberStopsThePage : public GamebookFixture,
                              public ::testing::WithParamInterface<BadNumber> {};

TEST_P(BadNumberStopsThePage, WithTheConversionMessage) {
  // Variable 900 shows the tags before ran, 901 and the sheet button that
  // the tags after did not.
  WriteLocations("<1><menu t=\"dal\" x=\"1\"><promenna 900=\"7\">" + GetParam().tag +
                 "<promenna 901=\"7\"><zakazpostavu>");
  Start();
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"'" + GetParam().value + "' is not a valid integer value"});
  EXPECT_EQ(State().World.Variables.Get(900), 7);
  EXPECT_EQ(State().World.Variables.Get(901), 0);
  EXPECT_TRUE(State().World.SheetAllowed);
  EXPECT_TRUE(host.modal_windows.empty());
  EXPECT_EQ(Form().History[0].Text, "");
  EXPECT_TRUE(Form().OptionLabels.empty());
  EXPECT_FALSE(Form().MenuVisible);
}

INSTANTIATE_TEST_SUITE_P(EveryWholeNumberAttribute, BadNumberStopsThePage,
                         ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<BadNumber>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace qv
