// Whole scripted runs over small gamebooks: the dump, the game window's
// commands, the exit statuses.
#include "script_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kTwoLocations =
    "<1><text obsah=\"Stoj\xED\x9A u cesty.\"><menu t=\"D\xE1l\" x=\"2\">"
    "<menu t=\"Zp\xECt nikam\">"
    "<2><text obsah=\"Jsi v lese.\" odkaz=\"1\"><menu t=\"Zp\xECt\" x=\"1\">";

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

using ScriptRunTest = ScriptedGamebook;

TEST_F(ScriptRunTest, DumpHasEveryKeyInTheContractsOrder) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("dump\nnew-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  for (const Json& dump : result.Lines) {
    EXPECT_EQ(Keys(dump),
              (std::vector<std::string>{
                  "windows",        "ended",      "messages",  "location", "previous_location",
                  "location_label", "heading",    "options",   "texts",    "pictures",
                  "info",           "timer",      "buttons",   "state",    "fight",
                  "shop",           "sell",       "inventory", "sheet",    "save",
                  "answer",         "picture",    "load_list", "audio",    "web_links",
                  "settings",       "audio_calls"}));
    EXPECT_EQ(Keys(dump["state"]), (std::vector<std::string>{"variables",
                                                             "strings",
                                                             "name",
                                                             "start_name",
                                                             "currency",
                                                             "penize",
                                                             "zkusenosti",
                                                             "zivoty",
                                                             "maxzivoty",
                                                             "mana",
                                                             "maxmana",
                                                             "sila",
                                                             "obratnost",
                                                             "rychlost",
                                                             "energie",
                                                             "start",
                                                             "raise_cost",
                                                             "raise_step",
                                                             "weapon",
                                                             "armour",
                                                             "held",
                                                             "known",
                                                             "objects",
                                                             "object_count",
                                                             "redirect",
                                                             "prefix",
                                                             "suffix",
                                                             "sheet_allowed",
                                                             "equipment_allowed",
                                                             "show_location_numbers",
                                                             "report_changes",
                                                             "combat"}));
    EXPECT_EQ(Keys(dump["state"]["start"]),
              (std::vector<std::string>{"maxzivoty", "maxmana", "sila", "obratnost", "rychlost",
                                        "energie"}));
    EXPECT_EQ(Keys(dump["state"]["combat"]),
              (std::vector<std::string>{"result", "hit", "spells", "items"}));
    EXPECT_EQ(Keys(dump["buttons"]),
              (std::vector<std::string>{"postava", "vybaveni", "napoveda", "audio", "pokracovat"}));
    EXPECT_EQ(Keys(dump["audio"]),
              (std::vector<std::string>{"available", "sound_on", "music_on", "sound_volume",
                                        "music_volume", "music_kind", "music_name"}));
    EXPECT_EQ(dump["info"].size(), 5u);
    for (const char* window : {"fight", "shop", "sell", "inventory", "sheet", "save", "answer",
                               "picture", "load_list", "settings"}) {
      EXPECT_TRUE(dump[window].is_null()) << window;
    }
  }
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(result.Lines[0]["ended"], false);
}

TEST_F(ScriptRunTest, NewGameShowsLocationOne) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 1u);
  const Json& dump = result.Last();
  EXPECT_EQ(dump["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(dump["location"], 1);
  EXPECT_EQ(dump["previous_location"], 1);  // a new game stands on location 1 already
  EXPECT_TRUE(dump["location_label"].is_null());
  EXPECT_EQ(dump["heading"], Json::parse(R"({"text":"Co uděláš?","colour":"#FFFFFF","left":68})"));
  ASSERT_EQ(dump["texts"].size(), 1u);
  EXPECT_EQ(dump["texts"][0]["text"], "Stojíš u cesty.");
  EXPECT_EQ(dump["texts"][0]["left"], 230);
  EXPECT_EQ(dump["texts"][0]["top"], 30);
  EXPECT_EQ(dump["texts"][0]["height"], 19);
  EXPECT_EQ(dump["texts"][0]["colour"], "#FFFFFF");
  EXPECT_EQ(dump["texts"][0]["target"], 0);
  EXPECT_EQ(dump["options"], Json::parse(R"([
      {"text":"Dál","target":2,"colour":"#FFFFFF","top":60},
      {"text":"Zpět nikam","target":0,"colour":"#FFFFFF","top":90}])"));
  EXPECT_EQ(dump["buttons"], Json::parse(R"({"postava":true,"vybaveni":true,"napoveda":true,
      "audio":false,"pokracovat":false})"));
  const Json& state = dump["state"];
  EXPECT_EQ(state["name"], "Hrdina");
  EXPECT_EQ(state["currency"], "zlaťáků");
  EXPECT_EQ(state["penize"], 10);
  EXPECT_EQ(state["zivoty"], 20);
  EXPECT_EQ(state["maxzivoty"], 20);
  EXPECT_EQ(state["start"]["sila"], 3);
  EXPECT_EQ(state["raise_cost"], Json::parse("[10,10,10,10,10,10]"));
  EXPECT_EQ(state["variables"], Json::object());
  EXPECT_EQ(state["sheet_allowed"], true);
  EXPECT_EQ(dump["audio"]["available"], false);
  EXPECT_TRUE(dump["messages"].empty());
}

TEST_F(ScriptRunTest, ChooseFollowsTheOption) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\nchoose 1\ndump\nchoose 1\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["location"], 2);
  EXPECT_EQ(result.Lines[0]["previous_location"], 1);
  ASSERT_EQ(result.Lines[0]["texts"].size(), 1u);
  EXPECT_EQ(result.Lines[0]["texts"][0]["text"], "Jsi v lese.");
  EXPECT_EQ(result.Lines[1]["location"], 1);
}

TEST_F(ScriptRunTest, OptionWithoutTargetKeepsThePage) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\nchoose 2\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["location"], 1);
  EXPECT_EQ(result.Last()["options"].size(), 2u);
}

TEST_F(ScriptRunTest, TextLinkIsFollowedAtTheNextTick) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\nchoose 1\nclick-text 1\ndump\ntick\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["location"], 2);
  EXPECT_EQ(result.Lines[1]["location"], 1);
}

TEST_F(ScriptRunTest, KeysAndWheelScrollTheColumn) {
  WriteLocations(kTwoLocations);
  const ScriptResult result =
      Play("new-game\nkey pagedown\nkey down\nkey kp2\nkey alt-f4\ndump\nwheel up\nkey up\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  ASSERT_EQ(result.Lines[0]["texts"].size(), 1u);
  EXPECT_EQ(result.Lines[0]["texts"][0]["top"], 30 - 300);
  EXPECT_EQ(result.Lines[1]["texts"][0]["top"], 30 - 300 + 150 + 100);
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
}

TEST_F(ScriptRunTest, UnknownCommandStopsWithStatusTwo) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\n\n# a comment\ndump\nfly 3\ndump\n");
  EXPECT_EQ(result.Status, 2);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Last(), Json::parse(R"js({"error":"line 5: unknown command 'fly'"})js"));
}

TEST_F(ScriptRunTest, CommandsThatDoNotFitTheWindowOnTop) {
  WriteLocations(kTwoLocations);
  EXPECT_EQ(
      Play("choose 1\n").Last(),
      Json::parse(R"js({"error":"line 1: 'choose' does not fit the window on top (menu)"})js"));
  EXPECT_EQ(
      Play("new-game\nnew-game\n").Last(),
      Json::parse(R"js({"error":"line 2: 'new-game' does not fit the window on top (game)"})js"));
  EXPECT_EQ(Play("new-game\nattack 1\n").Status, 2);
  EXPECT_EQ(Play("new-game\nchoose 3\n").Last(),
            Json::parse(R"js({"error":"line 2: choose: there is no option 3 (2 shown)"})js"));
  EXPECT_EQ(Play("new-game\nchoose x\n").Status, 2);
  EXPECT_EQ(Play("new-game\nclick-text 2\n").Status, 2);
  EXPECT_EQ(Play("new-game\nclick-picture 1\n").Status, 2);
  EXPECT_EQ(Play("new-game\nkey f6\n").Status, 2);
  EXPECT_EQ(Play("new-game\nwheel left\n").Status, 2);
  EXPECT_EQ(Play("new-game\nbutton pokracovat\n").Status, 2);  // not shown in a new game
  EXPECT_EQ(Play("new-game\nbutton postava\nraise magie\n").Status, 2);
  EXPECT_EQ(Play("new-game\nbutton zmizet\n").Status, 2);
  EXPECT_EQ(Play("dump 1\n").Status, 2);
  EXPECT_EQ(Play("tick -1\n").Status, 2);
  EXPECT_EQ(Play("screenshot a.png\n").Status, 2);
}

TEST_F(ScriptRunTest, EndButtonGivesTheEndedDumpWhateverFollows) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\nbutton konec\ndump\nfly\n");
  EXPECT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["ended"], true);
  EXPECT_EQ(result.Last()["location"], 1);
}

TEST_F(ScriptRunTest, ExitFromTheMainMenuEnds) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("exit\nnew-game\n");
  EXPECT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["ended"], true);
  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu"])"));
}

TEST_F(ScriptRunTest, ScriptEndingWithoutEndPrintsNothingMore) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\n");
  EXPECT_EQ(result.Status, 0);
  EXPECT_TRUE(result.Lines.empty());
}

TEST_F(ScriptRunTest, MissingLocationFileEndsWithItsMessage) {
  const ScriptResult result = Play("new-game\ndump\n");
  EXPECT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["ended"], true);
  EXPECT_EQ(result.Last()["messages"], Json::parse(R"(["Nenalezeno lokace <1>"])"));
}

TEST_F(ScriptRunTest, LocationsOutOfOrderEndWithTheirMessage) {
  WriteLocations("<2><text obsah=\"b\"><1><text obsah=\"a\">");
  const ScriptResult result = Play("new-game\n");
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["messages"], Json::parse(R"(["Chybné pořadí lokací!"])"));
}

TEST_F(ScriptRunTest, MissingRecordIsReportedAtTheMenu) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = RunScriptText("dump\n");  // no inicializace.qvl written
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["messages"],
            Json::parse(R"(["Nelze načíst ./data/inicializace.qvl: soubor chybí"])"));
  EXPECT_EQ(result.Last()["ended"], false);
}

TEST_F(ScriptRunTest, ShortRecordRefusesEveryGameWithItsMessage) {
  WriteLocations(kTwoLocations);
  WriteBytes("data/inicializace.qvl", TestInitRecord().EncodeToBytes().substr(0, 239));
  const ScriptResult result = Play("new-game\ndump\nload-list\ndump\nexit\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 3u);
  const std::string message =
      "Nelze načíst ./data/inicializace.qvl: soubor je kratší než 240 bajtů";
  // Shown when the menu read the record, and again for each start refused.
  EXPECT_EQ(result.Lines[0]["messages"], Json::array({message, message}));
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(result.Lines[0]["location"], 0);
  EXPECT_EQ(result.Lines[1]["messages"], Json::array({message, message, message}));
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(result.Last()["ended"], true);
}

TEST_F(ScriptRunTest, MissingRecordRefusesTheGame) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = RunScriptText("new-game\ndump\n");  // no inicializace.qvl
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(result.Last()["messages"].size(), 2u);
  EXPECT_EQ(result.Last()["ended"], false);
}

TEST_F(ScriptRunTest, CzechTextsAndLineBreaksComeOutAsUtf8) {
  // 93 characters: broken after the last blank once a line has grown past 74.
  WriteLocations(
      "<1><text obsah=\"P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl "
      "\xEF\xE1"
      "belsk\xE9 \xF3"
      "dy a b\xEChal d\xE1l a d\xE1l po cest\xEC do les\xF9 a hor "
      "a\x9E ke hrad\xF9m.\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Last()["texts"].size(), 1u);
  const std::string text = result.Last()["texts"][0]["text"];
  EXPECT_EQ(text,
            "Příliš žluťoučký kůň úpěl ďábelské ódy a běhal dál a dál po cestě do lesů \n"
            "a hor až ke hradům.");
  EXPECT_EQ(result.Last()["texts"][0]["height"], 38);
}

TEST_F(ScriptRunTest, NameEntryTakesUtf8AndStartsTheGame) {
  WriteLocations(kTwoLocations);
  InitRecord record = TestInitRecord();
  record.AskName = 1;
  WriteInitRecord(record);
  const ScriptResult result = Play("new-game\ndump\nname Jiří Čapek\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","name"])"));
  EXPECT_EQ(result.Lines[0]["location"], 0);
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(result.Lines[1]["location"], 1);
  EXPECT_EQ(result.Lines[1]["state"]["name"], "Jiří Čapek");
  EXPECT_EQ(result.Lines[1]["state"]["start_name"], "Jiří Čapek");
}

TEST_F(ScriptRunTest, AboutAndLoadListOpenAndClose) {
  WriteLocations(kTwoLocations);
  WriteBytes("save/hrdina.pzv", "x");
  const ScriptResult result = Play("about\ndump\nclose\nload-list\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","about"])"));
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","load-list"])"));
  ASSERT_EQ(result.Lines[1]["load_list"]["entries"].size(), 1u);
  const std::string entry = result.Lines[1]["load_list"]["entries"][0];
  EXPECT_TRUE(entry.starts_with("hrdina [")) << entry;
  EXPECT_EQ(result.Lines[2]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_TRUE(result.Lines[2]["load_list"].is_null());
}

TEST_F(ScriptRunTest, LoadingIsRefusedClearly) {
  WriteLocations(kTwoLocations);
  WriteBytes("save/hrdina.pzv", "x");
  const ScriptResult refused = Play("load-list\nload 1\ndump\n");
  ASSERT_EQ(refused.Status, 0);
  ASSERT_EQ(refused.Lines.size(), 1u);
  EXPECT_EQ(refused.Last()["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(
      refused.Last()["messages"],
      Json::parse(
          R"js(["Soubor \"./save/hrdina.pzv\" není uložená pozice: má 1 bajtů místo 1138448."])js"));
  EXPECT_EQ(Play("load-list\nload 2\n").Last(),
            Json::parse(R"js({"error":"line 2: load: there is no entry 2 (1 shown)"})js"));
}

TEST_F(ScriptRunTest, HelpButtonShowsAndTakesAwayTheHelpBlock) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("new-game\nbutton napoveda\ndump\nbutton napoveda\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines[0]["texts"].size(), 2u);
  EXPECT_EQ(result.Lines[0]["texts"][1]["colour"], "#FFFF00");
  EXPECT_EQ(result.Lines[0]["texts"][1]["left"], 240);
  EXPECT_EQ(result.Lines[1]["texts"].size(), 1u);
}

TEST_F(ScriptRunTest, TicksRunUnderEveryWindowAndAtTheMenu) {
  WriteLocations(kTwoLocations);
  const ScriptResult result = Play("tick 5\nabout\ntick\nclose\nnew-game\ntick 30\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["location"], 1);
}

TEST_F(ScriptRunTest, SmallScreenIsAccepted) {
  WriteLocations(kTwoLocations);
  ScriptOptions options;
  options.ScreenWidth = 640;
  options.ScreenHeight = 480;
  const ScriptResult result = Play("new-game\ndump\n", options);
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["location"], 1);
}

TEST_F(ScriptRunTest, GamebookFolderIsEnteredFirst) {
  WriteLocations(kTwoLocations);
  WriteInitRecord(TestInitRecord());
  const std::filesystem::path book = std::filesystem::current_path();
  std::filesystem::create_directories("elsewhere");
  std::filesystem::current_path("elsewhere");
  ScriptOptions options;
  options.Directory = book.string();
  const ScriptResult result = RunScriptText("new-game\ndump\n", options);
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["location"], 1);

  options.Directory = (book / "missing").string();
  EXPECT_EQ(RunScriptText("dump\n", options).Status, 2);
}

}  // namespace
}  // namespace qv
