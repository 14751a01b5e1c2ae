// The game's windows in the terminal player: each one read out and driven by
// typed lines over a small gamebook.
#include "text/text_windows.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

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
  EXPECT_TRUE(Has(out, "Máme 10 zlaťáků\n  1. Meč - 25\n  2. Lektvar - 6\n")) << out;
  EXPECT_TRUE(Has(out, "Koupil jsi Lektvar\n")) << out;
  EXPECT_TRUE(Has(out, "buy: there is no row 7 (2 shown)\n")) << out;
  EXPECT_TRUE(Has(out, "Unknown command for this window.\n")) << out;
  EXPECT_TRUE(Has(out, "Po nákupu.\n")) << out;
  EXPECT_EQ(player->Session().State->Character.PENIZE, 4);
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
  EXPECT_TRUE(Has(out, "  sila: 3\n")) << out;
  EXPECT_TRUE(Has(out, "  sila: 4\n")) << out;
  EXPECT_TRUE(Has(out, "Raises you can pay: none\n")) << out;
  EXPECT_TRUE(Has(out, "raise: the zivoty button is not shown\n")) << out;
  EXPECT_FALSE(Has(out, "not available in the terminal")) << out;
}

TEST_F(TextWindowsTest, HiddenButtonsAreRefused) {
  WriteLocations("<1><text obsah=\"a\"><zakazpostavudocasne>");
  const std::string out = Play("1\nch\nq\n");
  EXPECT_TRUE(Has(out, "The postava button is not shown.\n")) << out;
}

}  // namespace
}  // namespace qv
