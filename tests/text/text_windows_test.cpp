// The game's windows in the terminal player: each one read out and driven by
// typed lines over a small gamebook.
#include "text/text_windows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "state/settings_window.h"
#include "support/gamebook_fixture.h"
#include "text/text_player.h"

namespace qv {
namespace {

class TextWindowsTest : public GamebookFixture {
 protected:
  void WriteCatalogs() {
    WriteDataFile("zbrane",
                  "1 \"P\xECst\" \"Hol\xE9 ruce\" 1k2+0, 0, 0;\r\n"
                  "2 \"D\xFDka\" \"Kr\xE1tk\xE1\" 1k4+0, 1, 5;\r\n"
                  "3 \"Me\xE8\" \"Ostr\xFD me\xE8\" 2k6+1, 3, 25;\r\n");
    WriteDataFile("zbroje", "1 \"Ko\x9Aile\" \"Pl\xE1t\xECn\xE1\" 0, 0, 0, 0;\r\n");
    WriteDataFile("predmety", "1 \"Lektvar\" \"L\xE9\xE8iv\xFD\" 6, vzdy, zivoty+5;\r\n");
  }

  std::string Play(const std::string& typed, const InitRecord& record = TestInitRecord()) {
    WriteInitRecord(record);
    std::istringstream in(typed);
    std::ostringstream out;
    player = std::make_unique<TextPlayer>(in, out, 1);
    player->Run();
    return out.str();
  }

  static bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  std::unique_ptr<TextPlayer> player;
};

TEST_F(TextWindowsTest, ShopBuysByRowAndCloses) {
  WriteCatalogs();
  WriteDataFile("obchod", "1, zbran 3, predmet 1;\r\n");
  WriteLocations("<1><obchod><text obsah=\"Po n\xE1kupu.\">");
  const std::string out = Play("1\n2\n7\nfoo\nx\nq\n");
  EXPECT_TRUE(Has(out, "Máme 10 zlaťáků\n  1. Meč, cena 25\n  2. Lektvar, cena 6\n")) << out;
  EXPECT_TRUE(Has(out, "Koupil jsi Lektvar\n")) << out;
  EXPECT_TRUE(Has(out, "buy: there is no row 7 (2 shown)\n")) << out;
  EXPECT_TRUE(Has(out, "Neznámý příkaz pro toto okno.\n")) << out;
  EXPECT_TRUE(Has(out, "Po nákupu.\n")) << out;
  EXPECT_EQ(player->Session().State->Character.PENIZE, 4);
}

TEST_F(TextWindowsTest, SaleAsksWithThePriceThenSellsAShownRowAndCloses) {
  WriteCatalogs();
  WriteLocations("<1><zbran 2=\"1\"><prodej procent=\"100\"><text obsah=\"Hotovo\">");
  const std::string out = Play("1\n3\n1\nn\n1\na\nx\nq\n");
  EXPECT_TRUE(Has(out, "Máme 10 zlaťáků\n  1. Dýka")) << out;
  EXPECT_TRUE(Has(out, "Řádek 3 neexistuje.\n")) << out;
  const std::string asked =
      "Dýka x1\nProdejní cena: 5 (hodnota 5) zlaťáků\nKrátká\n"
      "Prodat? (a = ano, cokoli jiného = ne) ";
  EXPECT_TRUE(Has(out, asked + "Neprodáno.\n")) << out;
  EXPECT_TRUE(Has(out, asked + "Máme 15 zlaťáků\n")) << out;
  EXPECT_TRUE(Has(out, "Hotovo\n")) << out;
  EXPECT_EQ(player->Session().State->Character.PENIZE, 15);
}

TEST_F(TextWindowsTest, SheetRaisesWhatIsPayable) {
  WriteCatalogs();
  WriteLocations("<1><text obsah=\"a\">");
  InitRecord record = TestInitRecord();
  record.Zkusenosti = 12;
  record.Sila.RaiseCost = 5;
  record.Sila.RaiseStep = 4;
  record.Zivoty.RaiseCost = 13;
  const std::string out = Play("1\nch\nz\ns\nx\nq\n", record);
  EXPECT_TRUE(Has(out, "    Síla: 3\n")) << out;
  EXPECT_TRUE(Has(out, "    Síla: 4\n")) << out;
  // Every raise with its price; those the experience cannot pay are marked.
  EXPECT_TRUE(Has(out, "Zvýšení:\n  z. Zvýšení počtu životů 13 XP (nelze)\n")) << out;
  EXPECT_TRUE(Has(out, "  s. Zvýšení síly 5 XP\n")) << out;
  EXPECT_TRUE(Has(out, "  s. Zvýšení síly 9 XP (nelze)\n")) << out;
  EXPECT_TRUE(Has(out, "raise: the zivoty button is not shown\n")) << out;
  EXPECT_FALSE(Has(out, "not available in the terminal")) << out;
}

TEST_F(TextWindowsTest, HiddenButtonsAreRefused) {
  WriteLocations("<1><text obsah=\"a\"><zakazpostavudocasne>");
  const std::string out = Play("1\nch\nq\n");
  EXPECT_TRUE(Has(out, "Tlačítko Postava tu není.\n")) << out;
}

TEST_F(TextWindowsTest, FightIsReadOutAndDrivenToItsEnd) {
  WriteDataFile("utoky",
                "1 \"Sek\" \"Sek me\xE8\x65m\" \"Z\xE1sah za #zasah.\" \"Bez \xFA\xE8inku.\" "
                "\"Vedle!\" 0, 0, 10, 2;\r\n");
  WriteDataFile("predmety", "1 \"Lektvar\" \"Hojiv\xFD\" 5, boj, zivoty+5;\r\n");
  WriteLocations(
      "<1><utok umime=\"1\"><predmet 1=\"2\">"
      "<souboj jmeno=\"Vlk\" utok=\"1k1+1\" obrana=\"0\" tvrdost=\"0\" zivoty=\"3\" "
      "poskozeni=\"0\" xp=\"5\"><text obsah=\"Po boji\">");
  const std::string out = Play("1\ni\nu 9\nu 1\n7\n1\n1\n1\n1\n1\n1\nq\n");
  EXPECT_TRUE(Has(out, "Souboj: Vlk\n  Nepřítel\n    Životy: 3 / 3\n")) << out;
  EXPECT_TRUE(Has(out, "Akce:\n  1. Sek\n")) << out;
  EXPECT_TRUE(Has(out, "Předměty:\n  1. Lektvar")) << out;
  EXPECT_TRUE(Has(out, "use: item 0 is not in the list\n")) << out;
  EXPECT_TRUE(Has(out, "attack: attack 0 has no label\n")) << out;
  EXPECT_TRUE(Has(out, "Vyhrál jsi! Za poražení nepřítele získáváš 5 XP")) << out;
  EXPECT_TRUE(Has(out, "Po boji\n")) << out;
}

TEST_F(TextWindowsTest, SaveKeepsTheDefaultOrSkipsAndTheListLoadsIt) {
  WriteLocations(
      "<1><menu t=\"D\xE1l\" x=\"2\"><2><save nazev=\"cesta\"><menu t=\"D\xE1l\" x=\"3\">"
      "<3><save nazev=\"dale\"><text obsah=\"t\xF8i\">");
  std::string out = Play("1\n1\n\n1\n-\nq\n");
  EXPECT_TRUE(Has(out,
                  "Chceš uložit pozici? Název [cesta] (Enter ponechá, - neukládat): "
                  "Pozice uložena: cesta\n"))
      << out;
  EXPECT_TRUE(Has(out, "Chceš uložit pozici? Název [dale]")) << out;
  EXPECT_FALSE(Has(out, "Pozice uložena: dale")) << out;
  EXPECT_TRUE(std::filesystem::exists("save/cesta.pzv")) << out;
  EXPECT_FALSE(std::filesystem::exists("save/dale.pzv")) << out;
  out = Play("2\n1\nc\nq\n");
  EXPECT_TRUE(Has(out, "Načíst pozici:\n  1. cesta [")) << out;
  EXPECT_EQ(player->Session().State->World.Location, 2) << out;
}

TEST_F(TextWindowsTest, InventoryUsesAnItem) {
  WriteCatalogs();
  WriteLocations("<1><predmet 1=\"1\"><text obsah=\"a\">");
  const std::string out = Play("1\ninv\nu 2\nu 1\nx\nq\n");
  EXPECT_TRUE(Has(out, "Inventář:\n  1. Lektvar\nZbraně: nic\n")) << out;
  EXPECT_TRUE(Has(out, "use: item 0 is not in the list\n")) << out;
  EXPECT_TRUE(Has(out, "Vyléčil sis 0 životy\n")) << out;
  EXPECT_TRUE(Has(out, "Inventář: nic\n")) << out;
}

TEST_F(TextWindowsTest, SettingsSwitchAndSliders) {
  std::istringstream in("zvuk off\nhudba-hlasitost 300\nzvuk-hlasitost 9\nok\n");
  std::ostringstream out;
  TextInput input(in);
  TextHost host(input, out);
  SettingsWindow settings(host);
  host.RunModal(settings);
  const std::string text = out.str();
  EXPECT_TRUE(Has(text, "Nastavení\n  zvuk: zapnuto\n  hudba: zapnuto\n")) << text;
  EXPECT_TRUE(Has(text, "  zvuk: vypnuto\n")) << text;
  EXPECT_TRUE(Has(text, "music-volume: the slider goes from 0 to 255, not 300\n")) << text;
  EXPECT_TRUE(settings.IsClosed());
  EXPECT_FALSE(settings.SoundOn);
  EXPECT_EQ(settings.SoundVolume, 9);
}

}  // namespace
}  // namespace qv
