// Scripted runs through the character sheet and the inventory: the game
// buttons open them, their commands act on them, and the dump shows them.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"
#include "support/dot_gif.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class PossessionWindowScript : public ScriptedGamebook {
 protected:
  void WriteCatalogs() {
    WriteDataFile("zbrane",
                  "1 \"D\xFDka\" \"Kr\xE1tk\xE1\" 1k4+0, 1, 5, sila+1;\r\n"
                  "2 \"Me\xE8\" \"Ostr\xFD\" 1k6+1, 2, 10, sila+2;\r\n");
    WriteDataFile("zbroje",
                  "1 \"Ko\x9Aile\" \"Pl\xE1tno\" 0, 0, 0, 0;\r\n"
                  "2 \"Krou\x9Ekov\xE1\" \"T\xEC\x9Ek\xE1\" 3, 2, 1, 20, maxzivoty+2;\r\n");
    WriteDataFile("predmety",
                  "1 \"Lektvar\" \"L\xE9\xE8iv\xFD\" 5, vzdy, zivoty+10;\r\n"
                  "2 \"Bomba\" \"Vybuchne\" 2, boj, zivoty-5;\r\n");
  }
};

TEST_F(PossessionWindowScript, SheetRaisesAndCloses) {
  WriteCatalogs();
  WriteLocations("<1><text obsah=\"a\">");
  InitRecord record = TestInitRecord();
  record.Zkusenosti = 12;
  record.Sila.RaiseCost = 5;
  record.Sila.RaiseStep = 4;
  record.Zivoty.RaiseCost = 13;
  WriteInitRecord(record);
  const ScriptResult result =
      Play("new-game\nbutton postava\ndump\nraise sila\ndump\nraise sila\nclose\ndump\n");
  ASSERT_EQ(result.Status, 2);  // the second raise is no longer offered
  ASSERT_EQ(result.Lines.size(), 3u);
  const Json& open = result.Lines[0];
  EXPECT_EQ(open["windows"], Json::parse(R"(["menu","game","sheet"])"));
  EXPECT_EQ(open["sheet"], Json::parse(R"js({"name":"Hrdina","xp":"12",
      "lines":{"zivoty":"20 / 20","mana":"5 / 5","sila":"3","obratnost":"2","rychlost":"3",
               "energie":"15","zbran":"Dýka (útok 1k4+0, poškození 1)",
               "zbroj":"Košile (obrana 0, tvrdost 0)"},
      "raise":{"zivoty":false,"mana":true,"sila":true,"obratnost":true,"energie":true,
               "rychlost":true},
      "hint":""})js"));
  const Json& raised = result.Lines[1];
  EXPECT_EQ(raised["sheet"]["xp"], "7");
  EXPECT_EQ(raised["sheet"]["lines"]["sila"], "4");
  EXPECT_EQ(raised["sheet"]["hint"], "Zvýšení síly 5 XP");
  EXPECT_EQ(raised["sheet"]["raise"]["sila"], false);  // 9 now, 7 left
  EXPECT_EQ(raised["state"]["raise_cost"][2], 9);
  EXPECT_EQ(raised["state"]["sila"], 4);
  EXPECT_EQ(result.Last(),
            Json::parse(R"js({"error":"line 6: raise: the sila button is not shown"})js"));
}

TEST_F(PossessionWindowScript, SheetClosesBackToTheGame) {
  WriteCatalogs();
  WriteLocations("<1><text obsah=\"a\">");
  const ScriptResult result = Play("new-game\nbutton postava\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(result.Last()["sheet"].is_null());
}

TEST_F(PossessionWindowScript, SkinThatHidesManaHidesItOnTheSheet) {
  WriteCatalogs();
  WriteLocations("<1><text obsah=\"a\">");
  WriteBytes("grafika/skin.ini", "[Interface]\r\nNezobrazovatManu=1\r\n");
  InitRecord record = TestInitRecord();
  record.Zkusenosti = 50;
  WriteInitRecord(record);
  const ScriptResult result = Play("new-game\nbutton postava\ndump\nraise mana\n");
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["sheet"]["lines"]["mana"], "");
  EXPECT_EQ(result.Lines[0]["sheet"]["raise"]["mana"], false);
  EXPECT_EQ(result.Lines[0]["sheet"]["raise"]["sila"], true);
  EXPECT_EQ(result.Last(),
            Json::parse(R"js({"error":"line 4: raise: the mana button is not shown"})js"));
}

TEST_F(PossessionWindowScript, InventoryUsesEquipsAndShowsPictures) {
  WriteCatalogs();
  WriteBytes("obrazky/mapa.gif",
             DotGif());
  WriteLocations(
      "<1><predmet 1=\"2\" 2=\"1\"><zbran 2=\"1\"><zbroj 2=\"1\">"
      "<objekt 4=\"1\" jmeno=\"Mapa\" popis=\"Star\xE1 mapa\" obrazek=\"mapa.gif\" vyska=\"20\" "
      "sirka=\"30\"><objekt 6=\"3\" jmeno=\"Kam\xEDnek\">"
      "<zivoty minus=\"8\">");
  const ScriptResult result =
      Play("new-game\nbutton vybaveni\ndump\nuse 1\ndump\nequip weapon 2\nequip armour 2\ndump\n"
           "object 4\ndump\nclose\nuse 2\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last().dump();
  ASSERT_EQ(result.Lines.size(), 6u);

  const Json& open = result.Lines[0];
  EXPECT_EQ(open["windows"], Json::parse(R"(["menu","game","inventory"])"));
  EXPECT_EQ(open["inventory"], Json::parse(R"({"money":"Zlaťáků 10",
      "objects":["Mapa","Kam\u00ednek x 3"],"items":["Lektvar x 2","Bomba"],
      "weapons":["Meč"],"armour":["Kroužková"],"status":"","status2":""})"));

  const Json& used = result.Lines[1]["inventory"];
  EXPECT_EQ(used["items"], Json::parse(R"(["Lektvar","Bomba"])"));
  EXPECT_EQ(used["status"], "Léčivý\nMožno použít vždy\n");
  EXPECT_EQ(used["status2"], "\nVyléčil sis 8 životy\n");
  EXPECT_EQ(result.Lines[1]["state"]["zivoty"], 20);

  const Json& equipped = result.Lines[2];
  EXPECT_EQ(equipped["inventory"]["weapons"], Json::parse(R"(["Dýka"])"));
  EXPECT_EQ(equipped["inventory"]["armour"], Json::parse(R"(["Košile"])"));
  EXPECT_EQ(equipped["inventory"]["status"],
            "Kroužková (obrana 3, tvrdost 2, útok -1)\nTěžká\n\nMaximum životů + 2");
  EXPECT_EQ(equipped["inventory"]["status2"],
            "\nVyléčil sis 8 životy\n\nChopil ses zbraně Meč\n\nOblékl jsi zbroj Kroužková\n");
  EXPECT_EQ(equipped["state"]["weapon"], 2);
  EXPECT_EQ(equipped["state"]["armour"], 2);
  EXPECT_EQ(equipped["state"]["sila"], 4);  // the dagger's +1 off, the sword's +2 on
  EXPECT_EQ(equipped["state"]["maxzivoty"], 22);

  const Json& picture = result.Lines[3];
  EXPECT_EQ(picture["windows"], Json::parse(R"(["menu","game","inventory","picture"])"));
  EXPECT_EQ(picture["picture"], Json::parse(R"({"file":"./obrazky/mapa.gif","width":30,
      "height":20,"caption":"Mapa"})"));
  EXPECT_EQ(picture["inventory"]["status"], "Stará mapa");

  // The fight item is listed but does nothing here.
  const Json& fight_item = result.Lines[4];
  EXPECT_EQ(fight_item["windows"], Json::parse(R"(["menu","game","inventory"])"));
  EXPECT_EQ(fight_item["inventory"]["status"], "Vybuchne\nPouze v boji\n");
  EXPECT_EQ(fight_item["state"]["held"]["items"], Json::parse(R"({"1":1,"2":1})"));

  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(result.Last()["inventory"].is_null());
}

TEST_F(PossessionWindowScript, InventoryCommandsNeedListedEntries) {
  WriteCatalogs();
  WriteLocations("<1><predmet 1=\"1\">");
  EXPECT_EQ(Play("new-game\nbutton vybaveni\nuse 2\n").Last(),
            Json::parse(R"js({"error":"line 3: use: item 2 is not in the list"})js"));
  EXPECT_EQ(Play("new-game\nbutton vybaveni\nequip weapon 1\n").Last(),
            Json::parse(R"js({"error":"line 3: equip: weapon 1 is not in the list"})js"));
  EXPECT_EQ(Play("new-game\nbutton vybaveni\nequip shield 1\n").Status, 2);
  EXPECT_EQ(Play("new-game\nbutton vybaveni\nequip armour\n").Status, 2);
  EXPECT_EQ(Play("new-game\nbutton vybaveni\nobject 1\n").Status, 2);
  EXPECT_EQ(Play("new-game\nbutton vybaveni\nraise sila\n").Last(),
            Json::parse(R"js({"error":"line 3: 'raise' does not fit the window on top (inventory)"})js"));
}

TEST_F(PossessionWindowScript, CountdownClosesTheOpenInventory) {
  WriteCatalogs();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><predmet 1=\"1\"><2><text obsah=\"Pozd\xEC\">");
  const ScriptResult result =
      Play("new-game\nbutton vybaveni\ntick 9\ndump\ntick\ndump\nbutton postava\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","inventory"])"));
  EXPECT_EQ(result.Lines[0]["location"], 1);
  const Json& after = result.Lines[1];
  EXPECT_EQ(after["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(after["location"], 2);
  EXPECT_EQ(after["texts"][0]["text"], "Pozdě");
  // The buttons work again on the new page.
  EXPECT_EQ(result.Lines[2]["windows"], Json::parse(R"(["menu","game","sheet"])"));
}

}  // namespace
}  // namespace qv
