// Scripted runs through the shop and the selling window: buying and selling
// as the dump shows it, and the lines that do not fit these windows.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class ShopScriptTest : public ScriptedGamebook {
 protected:
  void WriteCatalogs() {
    WriteDataFile("zbrane",
                  "1 \"P\xECst\" \"Hol\xE9 ruce\" 1k2+0, 0, 0;\r\n"
                  "2 \"D\xFDka\" \"Kr\xE1tk\xE1\" 1k4+0, 1, 5;\r\n"
                  "3 \"Me\xE8\" \"Ostr\xFD me\xE8\" 2k6+1, 3, 25;\r\n");
    WriteDataFile("zbroje",
                  "1 \"Ko\x9Aile\" \"Pl\xE1t\xECn\xE1\" 0, 0, 0, 0;\r\n"
                  "2 \"Krou\x9Ekovka\" \"T\xEC\x9Ek\xE1\" 3, 2, 1, 20;\r\n");
    WriteDataFile("predmety", "1 \"Lektvar\" \"L\xE9\xE8iv\xFD\" 6, vzdy, zivoty+5;\r\n");
  }
};

TEST_F(ShopScriptTest, BuyingUntilTheMoneyRunsOut) {
  WriteCatalogs();
  WriteDataFile("obchod", "1, zbran 3, predmet 1, zbran 9;\r\n");
  WriteLocations("<1><obchod><zakazpostavudocasne>");
  const ScriptResult result =
      Play("new-game\ndump\nbuy 2\ndump\nbuy 1\nbuy 3\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 4u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","shop"])"));
  EXPECT_EQ(result.Lines[0]["shop"], Json::parse(R"({"money":"Máme 10 zlaťáků",
      "rows":[{"name":"Meč","price":25},{"name":"Lektvar","price":6},{"name":"","price":0}],
      "message":"","hint":""})"));
  EXPECT_EQ(result.Lines[1]["shop"], Json::parse(R"({"money":"Máme 4 zlaťáků",
      "rows":[{"name":"Meč","price":25},{"name":"Lektvar","price":6},{"name":"","price":0}],
      "message":"Koupil jsi Lektvar",
      "hint":"Lektvar\nLéčivý\nMožno použít kdykoli\nCena: 6 zlaťáků"})"));
  EXPECT_EQ(result.Lines[1]["state"]["held"]["items"], Json::parse(R"({"1":1})"));
  EXPECT_EQ(result.Lines[1]["state"]["penize"], 4);
  // Row 3 names no weapon of the catalog.
  EXPECT_EQ(result.Lines[2]["shop"]["message"], "Toto zboží nelze koupit");
  EXPECT_EQ(result.Lines[2]["shop"]["hint"], "\n\nCena: 0 zlaťáků");
  EXPECT_EQ(result.Lines[2]["state"]["penize"], 4);
  EXPECT_EQ(result.Lines[2]["state"]["held"]["weapons"], Json::object());
  const Json& closed = result.Lines[3];
  EXPECT_EQ(closed["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(closed["shop"].is_null());
  EXPECT_EQ(closed["buttons"]["postava"], false);  // the rest of the page ran
  EXPECT_EQ(closed["state"]["penize"], 4);
}

TEST_F(ShopScriptTest, NotEnoughMoneyIsShownInTheMessageLine) {
  WriteCatalogs();
  WriteDataFile("obchod", "1, zbran 3;\r\n");
  WriteLocations("<1><obchod>");
  const ScriptResult result = Play("new-game\nbuy 1\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["shop"]["message"], "Nemáš dostatek peněz!!!");
  EXPECT_EQ(result.Last()["shop"]["money"], "Máme 10 zlaťáků");
  EXPECT_EQ(result.Last()["state"]["held"]["weapons"], Json::object());
}

TEST_F(ShopScriptTest, LinesThatDoNotFitTheShop) {
  WriteCatalogs();
  WriteDataFile("obchod", "1, zbran 3, predmet 1, zbran 9;\r\n");
  WriteLocations("<1><obchod>");
  EXPECT_EQ(Play("new-game\nbuy 4\n").Last(),
            Json::parse(R"js({"error":"line 2: buy: there is no row 4 (3 shown)"})js"));
  EXPECT_EQ(Play("new-game\nbuy 0\n").Last(),
            Json::parse(R"js({"error":"line 2: buy: there is no row 0 (3 shown)"})js"));
  EXPECT_EQ(
      Play("new-game\nchoose 1\n").Last(),
      Json::parse(R"js({"error":"line 2: 'choose' does not fit the window on top (shop)"})js"));
  EXPECT_EQ(Play("new-game\nsell weapon 3\n").Last(),
            Json::parse(R"js({"error":"line 2: 'sell' does not fit the window on top (shop)"})js"));
}

TEST_F(ShopScriptTest, SellingEverythingAtHalfTheValue) {
  WriteCatalogs();
  WriteLocations(
      "<1><zbran 1=\"1\" 3=\"2\"><zbroj 2=\"1\"><predmet 1=\"1\">"
      "<prodej typ=\"vse\"><zakazpostavudocasne>");
  const ScriptResult result = Play(
      "new-game\ndump\nsell weapon 3\ndump\nsell weapon 3\nsell armour 2\nsell item 1\ndump\n"
      "close\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 4u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","sell"])"));
  // The fist is held but worth nothing: it is not offered.
  EXPECT_EQ(result.Lines[0]["sell"], Json::parse(R"({"money":"Máme 10 zlaťáků","rows":[
      {"kind":"weapon","number":3,"caption":"Meč x2","visible":true},
      {"kind":"armour","number":2,"caption":"Kroužkovka x1","visible":true},
      {"kind":"item","number":1,"caption":"Lektvar x1","visible":true}],"status":""})"));
  EXPECT_EQ(result.Lines[1]["sell"], Json::parse(R"({"money":"Máme 22 zlaťáků","rows":[
      {"kind":"weapon","number":3,"caption":"Meč x1","visible":true},
      {"kind":"armour","number":2,"caption":"Kroužkovka x1","visible":true},
      {"kind":"item","number":1,"caption":"Lektvar x1","visible":true}],
      "status":"Prodejní cena: 12 (hodnota 25) zlaťáků\nOstrý meč"})"));
  EXPECT_EQ(result.Lines[2]["sell"], Json::parse(R"({"money":"Máme 47 zlaťáků","rows":[
      {"kind":"weapon","number":3,"caption":"Meč x0","visible":false},
      {"kind":"armour","number":2,"caption":"Kroužkovka x0","visible":false},
      {"kind":"item","number":1,"caption":"Lektvar x0","visible":false}],
      "status":"Prodejní cena: 3 (hodnota 6) zlaťáků\nLéčivý"})"));
  EXPECT_EQ(result.Lines[2]["state"]["held"],
            Json::parse(R"({"weapons":{"1":1},"armour":{},"items":{}})"));
  const Json& closed = result.Lines[3];
  EXPECT_EQ(closed["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(closed["sell"].is_null());
  EXPECT_EQ(closed["state"]["penize"], 47);
  EXPECT_EQ(closed["buttons"]["postava"], false);
}

TEST_F(ShopScriptTest, WithoutTypOnlyWeaponsAreForSale) {
  WriteCatalogs();
  WriteLocations("<1><zbran 2=\"1\"><zbroj 2=\"1\"><predmet 1=\"1\"><prodej procent=\"100\">");
  const ScriptResult result = Play("new-game\nsell weapon 2\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["sell"]["rows"], Json::parse(R"([
      {"kind":"weapon","number":2,"caption":"Dýka x0","visible":false}])"));
  EXPECT_EQ(result.Last()["state"]["penize"], 15);
}

TEST_F(ShopScriptTest, LinesThatDoNotFitTheSellingWindow) {
  WriteCatalogs();
  WriteLocations("<1><zbran 3=\"1\"><prodej>");
  EXPECT_EQ(Play("new-game\nsell weapon 3\nsell weapon 3\n").Last(),
            Json::parse(R"js({"error":"line 3: sell: no weapon 3 is shown"})js"));
  EXPECT_EQ(Play("new-game\nsell armour 3\n").Last(),
            Json::parse(R"js({"error":"line 2: sell: no armour 3 is shown"})js"));
  EXPECT_EQ(Play("new-game\nsell sword 3\n").Last(),
            Json::parse(R"js({"error":"line 2: sell: weapon, armour or item, not 'sword'"})js"));
  EXPECT_EQ(Play("new-game\nsell weapon tri\n").Last(),
            Json::parse(R"js({"error":"line 2: sell: 'tri' is not a whole number"})js"));
  EXPECT_EQ(
      Play("new-game\nsell weapon\n").Last(),
      Json::parse(
          R"js({"error":"line 2: sell takes two arguments: weapon|armour|item and a catalog number"})js"));
  EXPECT_EQ(Play("new-game\nbuy 1\n").Last(),
            Json::parse(R"js({"error":"line 2: 'buy' does not fit the window on top (sell)"})js"));
}

TEST_F(ShopScriptTest, CountdownRunsUnderTheShop) {
  WriteCatalogs();
  WriteDataFile("obchod", "1, predmet 1;\r\n");
  WriteLocations("<1><casovac cas=\"1\" odkaz=\"2\"><obchod><2><zakazvybavenidocasne>");
  const ScriptResult result = Play("new-game\ntick 10\ndump\nbuy 1\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","shop"])"));
  EXPECT_EQ(result.Lines[0]["location"], 2);
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(result.Lines[1]["state"]["held"]["items"], Json::parse(R"({"1":1})"));
}

}  // namespace
}  // namespace qv
