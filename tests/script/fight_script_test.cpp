// Scripted fights: the fight window driven by `attack`, `items`, `use`,
// `spells`, `cast` and `close`, and its "fight" entry in the dump.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class FightScriptTest : public ScriptedGamebook {
 protected:
  void SetUp() override {
    WriteDataFile("zbrane", "1 \"Me\xE8\" \"m\" 1k6+0, 1, 10;\r\n");
    WriteDataFile("zbroje", "1 \"K\xF9\x9E\x65\" \"k\" 1, 1, 0, 5;\r\n");
    WriteDataFile("utoky",
                  "1 \"Sek\" \"Sek me\xE8\x65m\" \"Z\xE1sah za #zasah.\" \"Bez \xFA\xE8inku.\" "
                  "\"Vedle!\" 0, 0, 10, 2;\r\n"
                  "2 \"Mocn\xFD sek\" \"m\" \"a\" \"b\" \"c\" 8, 0, 20, 4;\r\n");
    WriteDataFile("predmety", "1 \"Lektvar\" \"Hojiv\xFD\" 5, boj, zivoty+5;\r\n");
    WriteDataFile("kouzla", "1 \"Blesk\" \"Blesk z nebe\" 3, nzivoty-4;\r\n");
    WriteLocations(
        "<1><utok umime=\"1\"><utok umime=\"2\"><predmet 1=\"2\"><kouzlo umime=\"1\">"
        "<souboj jmeno=\"Vlk\" utok=\"1k1+4\" obrana=\"2\" tvrdost=\"1\" zivoty=\"20\" "
        "poskozeni=\"1\" xp=\"5\"><text obsah=\"Po boji\"><2>");
  }
};

TEST_F(FightScriptTest, FightToTheEnd) {
  const ScriptResult result = Play(
      "new-game\ndump\n"
      "attack 2\ndump\n"
      "attack 1\ndump\n"
      "items\ndump\n"
      "use 1\ndump\n"
      "attack 1\n"
      "spells\ndump\n"
      "cast 1\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last().dump();
  ASSERT_EQ(result.Lines.size(), 7u);

  const Json& open = result.Lines[0];
  EXPECT_EQ(open["windows"], Json::parse(R"(["menu","game","fight"])"));
  EXPECT_EQ(open["fight"], Json::parse(R"({
    "enemy": {"name": "Vlk", "lives": 20, "max_lives": 20, "attack": "1k1+4",
              "defence": 2, "damage": 1, "hardness": 1},
    "player": {"lives": "20 / 20", "mana": "5 / 5", "speed": 3, "energy": "7 / 15",
               "attack": "1k6+3", "defence": 3, "damage": 1, "hardness": 1},
    "summary1": "", "summary2": "", "summary3": "",
    "attacks": [{"number": 1, "caption": "Sek", "enabled": true},
                {"number": 2, "caption": "Mocný sek", "enabled": true}],
    "list": [], "items_shown": true, "spells_shown": true, "over": false,
    "list_kind": null, "description": "", "cost": "", "energy_cost": "", "mana_cost": "",
    "notice": ""})"));
  EXPECT_TRUE(open["texts"].empty());  // the page goes on after the fight

  const Json& refused = result.Lines[1]["fight"];
  EXPECT_EQ(refused["summary1"], "K provedení této akce je potřeba 8 energie a 0 many!");
  EXPECT_EQ(refused["enemy"]["lives"], 20);
  EXPECT_EQ(refused["description"], "m");
  EXPECT_EQ(refused["cost"], "Útok: 20\nPoškození: 4");
  EXPECT_EQ(refused["energy_cost"], "Energie: 8");
  EXPECT_EQ(refused["mana_cost"], "Mana: 0");

  const Json& round1 = result.Lines[2]["fight"];
  EXPECT_EQ(round1["summary1"],
            "Výsledný útok nepřítele je 5, tvá obrana je 3.\n"
            "Ztrácíš 2 životů. (5 útok +1 poškození -3 obrana -1 tvrdost)");
  EXPECT_EQ(round1["summary2"], "Zásah za 9.");
  EXPECT_EQ(round1["enemy"]["lives"], 11);
  EXPECT_EQ(round1["player"]["lives"], "18 / 20");
  EXPECT_EQ(round1["player"]["energy"], "10 / 15");
  EXPECT_EQ(round1["description"], "Sek mečem");
  EXPECT_EQ(result.Lines[2]["state"]["combat"]["hit"], 1);

  const Json& list = result.Lines[3]["fight"];
  EXPECT_EQ(list["list"],
            Json::parse(R"([{"number": 1, "caption": "Lektvar x 2", "enabled": true}])"));
  EXPECT_EQ(list["list_kind"], "items");
  EXPECT_EQ(list["description"], "Použít předmět");

  const Json& used = result.Lines[4]["fight"];
  EXPECT_EQ(used["summary2"], "Vyléčil sis 2 životy\n");
  EXPECT_EQ(used["player"]["lives"], "20 / 20");
  EXPECT_EQ(used["list"], Json::array());
  EXPECT_EQ(used["items_shown"], false);
  EXPECT_EQ(used["spells_shown"], false);
  EXPECT_EQ(result.Lines[4]["state"]["held"]["items"], Json::parse(R"({"1": 1})"));

  const Json& spells = result.Lines[5]["fight"];
  EXPECT_EQ(spells["enemy"]["lives"], 2);
  EXPECT_EQ(spells["items_shown"], true);
  EXPECT_EQ(spells["list"], Json::parse(R"([{"number": 1, "caption": "Blesk", "enabled": true}])"));

  const Json& after = result.Lines[6];
  EXPECT_EQ(after["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(after["fight"].is_null());
  EXPECT_EQ(after["state"]["zkusenosti"], 5);
  EXPECT_EQ(after["state"]["mana"], 2);
  EXPECT_EQ(after["state"]["combat"],
            Json::parse(R"({"result": 2, "hit": 1, "spells": 1, "items": 1})"));
  EXPECT_EQ(
      after["info"][0],
      Json::parse(
          R"({"text": "Vyhrál jsi! Za poražení nepřítele získáváš 5 XP", "colour": "#00FF00"})"));
  ASSERT_EQ(after["texts"].size(), 1u);
  EXPECT_EQ(after["texts"][0]["text"], "Po boji");
}

TEST_F(FightScriptTest, CloseIsRefusedWhileTheFightGoesOn) {
  const ScriptResult result = Play("new-game\nclose\n");
  EXPECT_EQ(result.Status, 2);
  EXPECT_EQ(result.Last(), Json::parse(R"({"error": "line 2: close: the fight is not over"})"));
}

TEST_F(FightScriptTest, CommandsNeedTheirLabelsAndLists) {
  EXPECT_EQ(Play("new-game\nattack 3\n").Last(),
            Json::parse(R"({"error": "line 2: attack: attack 3 has no label"})"));
  EXPECT_EQ(Play("new-game\nuse 1\n").Last(),
            Json::parse(R"({"error": "line 2: use: the item list is not open"})"));
  EXPECT_EQ(Play("new-game\nspells\ncast 2\n").Last(),
            Json::parse(R"({"error": "line 3: cast: spell 2 is not in the list"})"));
  EXPECT_EQ(Play("new-game\nitems\nuse 1\nitems\n").Last(),
            Json::parse(R"({"error": "line 4: items: the items button is not shown"})"));
  EXPECT_EQ(
      Play("new-game\nchoose 1\n").Last(),
      Json::parse(R"js({"error": "line 2: 'choose' does not fit the window on top (fight)"})js"));
}

TEST_F(FightScriptTest, SkinWithoutManaHidesTheManaLineAndTheSpellsButton) {
  WriteBytes("grafika/skin.ini", "[Interface]\r\nNezobrazovatManu=1\r\n");
  const ScriptResult result = Play("new-game\ndump\nattack 2\ndump\nspells\n");
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0]["fight"]["player"]["mana"], "");
  EXPECT_EQ(result.Lines[1]["fight"]["mana_cost"], "");
  EXPECT_EQ(result.Lines[1]["fight"]["energy_cost"], "Energie: 8");
  EXPECT_EQ(result.Last(),
            Json::parse(R"({"error": "line 5: spells: the spells button is not shown"})"));
}

TEST_F(FightScriptTest, HeroKilledInTheFightGetsTheDeathWindow) {
  WriteLocations(
      "<1><utok umime=\"1\"><souboj utok=\"1k1+40\" zivoty=\"90\"><text obsah=\"Po boji\">");
  const ScriptResult result = Play("new-game\nattack 1\ndump\nok\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","fight","death"])"));
  EXPECT_EQ(result.Lines[1]["ended"], true);
  EXPECT_EQ(result.Lines[1]["state"]["zivoty"], -17);
}

}  // namespace
}  // namespace qv
