// Scripted runs that save a position and load it again through the main
// menu's load list.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

class SaveLoadScriptTest : public ScriptedGamebook {
 protected:
  void WriteGamebook() {
    WriteDataFile(
        "zbrane",
        "1 \"P\xECst\" \"Popis\" 1k2+0, 0, 0;\r\n2 \"Me\xE8\" \"Popis\" 1k6+1, 2, 10;\r\n");
    WriteDataFile("predmety", "1 \"Lektvar\" \"Popis\" 5, vzdy, zivoty+5;\r\n");
    WriteDataFile("knihovny/uvod", "<text obsah=\"\xFAvod\">");
    WriteDataFile("knihovny/zaver", "<text obsah=\"z\xE1v\xECr\">");
    WriteDataFile("knihovny/kniha",
                  "<1><2><text obsah=\"v knize\"><menu t=\"D\xE1l\" x=\"3\">"
                  "<3><save odkaz=\"50\"><50><text obsah=\"pades\xE1t\">");
    WriteLocations(
        "<1><menu t=\"D\xE1l\" x=\"2\">"
        "<2><promenna 3=\"6\"><retezec 1=\"ahoj\"><zbran 2=\"1\"><predmet 1=\"4\">"
        "<objekt 7=\"1\" jmeno=\"Kl\xED\xE8\"><zakazvybaveni>"
        "<prefix jmeno=\"uvod\" provadet=\"ano\"><suffix jmeno=\"zaver\" provadet=\"ano\">"
        "<presmeruj jmeno=\"kniha\"><save nazev=\"Hrdinova cesta\">"
        "<menu t=\"D\xE1l\" x=\"3\"><3>");
  }
};

TEST_F(SaveLoadScriptTest, SavedPositionComesBackThroughTheLoadList) {
  WriteGamebook();
  const ScriptResult saving = Play("new-game\nchoose 1\ndump\nsave Jiří\ndump\nbutton konec\n");
  ASSERT_EQ(saving.Status, 0);
  ASSERT_EQ(saving.Lines.size(), 3u);
  EXPECT_EQ(saving.Lines[0]["windows"], Json::parse(R"(["menu","game","save"])"));
  EXPECT_EQ(saving.Lines[0]["save"], Json::parse(R"({"name":"Hrdinova cesta"})"));
  EXPECT_EQ(saving.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(saving.Lines[1]["save"].is_null());
  EXPECT_EQ(saving.Lines[1]["messages"], Json::array());
  ASSERT_EQ(fs::file_size("save/Ji\xC5\x99\xC3\xAD.pzv"), 1138448u);

  const ScriptResult loading =
      Play("load-list\ndump\nload 1\ndump\ntick 30\nbutton pokracovat\ndump\n");
  ASSERT_EQ(loading.Status, 0) << loading.Last();
  ASSERT_EQ(loading.Lines.size(), 3u);
  const Json& list = loading.Lines[0];
  EXPECT_EQ(list["windows"], Json::parse(R"(["menu","load-list"])"));
  ASSERT_EQ(list["load_list"]["entries"].size(), 1u);
  const std::string entry = list["load_list"]["entries"][0];
  EXPECT_TRUE(std::regex_match(entry, std::regex(R"(Jiří \[\d\d\.\d\d\.\d{4}\])"))) << entry;

  const Json& restored = loading.Lines[1];
  EXPECT_EQ(restored["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(restored["load_list"].is_null());
  EXPECT_EQ(restored["messages"], Json::array());
  EXPECT_EQ(restored["buttons"], Json::parse(R"({"postava":false,"vybaveni":false,
      "napoveda":true,"audio":false,"pokracovat":true})"));
  EXPECT_EQ(restored["options"], Json::array());
  EXPECT_EQ(restored["texts"], Json::array());
  EXPECT_EQ(restored["location"], 2);
  const Json& state = restored["state"];
  EXPECT_EQ(state["variables"], Json::parse(R"({"3":6})"));
  EXPECT_EQ(state["strings"], Json::parse(R"({"1":"ahoj"})"));
  EXPECT_EQ(state["held"], Json::parse(R"({"weapons":{"2":1},"armour":{},"items":{"1":4}})"));
  EXPECT_EQ(state["objects"]["7"]["name"], "Klíč");
  EXPECT_EQ(state["object_count"], 7);
  EXPECT_EQ(state["redirect"], "kniha");
  EXPECT_EQ(state["prefix"], Json::parse(R"({"name":"uvod","enabled":true})"));
  EXPECT_EQ(state["suffix"], Json::parse(R"({"name":"zaver","enabled":true})"));
  EXPECT_EQ(state["equipment_allowed"], false);

  // Pokračovat shows the saved location anew, from the redirected source.
  const Json& resumed = loading.Lines[2];
  EXPECT_EQ(resumed["location"], 2);
  EXPECT_EQ(resumed["buttons"], Json::parse(R"({"postava":true,"vybaveni":false,
      "napoveda":true,"audio":false,"pokracovat":false})"));
  ASSERT_EQ(resumed["texts"].size(), 3u);
  EXPECT_EQ(resumed["texts"][0]["text"], "úvod");
  EXPECT_EQ(resumed["texts"][1]["text"], "v knize");
  EXPECT_EQ(resumed["texts"][2]["text"], "závěr");
  EXPECT_EQ(resumed["options"][0]["text"], "Dál");
}

TEST_F(SaveLoadScriptTest, APositionSavedWithATargetResumesThere) {
  WriteGamebook();
  ASSERT_EQ(Play("new-game\nchoose 1\nnosave\nchoose 1\nsave dale\nbutton konec\n").Status, 0);
  const ScriptResult result = Play("load-list\nload 1\nbutton pokracovat\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(result.Last()["location"], 50);
  EXPECT_EQ(result.Last()["texts"][1]["text"], "padesát");
}

TEST_F(SaveLoadScriptTest, ARefusedNameKeepsTheWindowOpenAndWritesNothing) {
  WriteGamebook();
  const ScriptResult result = Play("new-game\nchoose 1\nsave ../x\nsave a/b\ndump\nnosave\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 2u);
  const Json& open = result.Lines[0];
  EXPECT_EQ(open["windows"], Json::parse(R"(["menu","game","save"])"));
  EXPECT_EQ(open["save"]["name"], "a/b");
  ASSERT_EQ(open["messages"].size(), 2u);
  const std::string rule =
      "Název nesmí obsahovat znaky / a \\, dvě tečky za sebou ani řídicí znaky.";
  EXPECT_EQ(open["messages"][0], "Neplatný název pozice: \"../x\". " + rule);
  EXPECT_EQ(open["messages"][1], "Neplatný název pozice: \"a/b\". " + rule);
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_FALSE(fs::exists("save"));
  EXPECT_FALSE(fs::exists("x.pzv"));
  EXPECT_FALSE(fs::exists("../x.pzv"));
  EXPECT_FALSE(fs::exists("a"));
}

TEST_F(SaveLoadScriptTest, AShortFileIsReportedAndThePlayerStaysAtTheMenu) {
  WriteGamebook();
  WriteBytes("save/kratka.pzv", "jen kousek");
  const ScriptResult result = Play("load-list\nload 1\ndump\ntick 5\nnew-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 2u);
  const Json& failed = result.Lines[0];
  EXPECT_EQ(failed["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(failed["ended"], false);
  EXPECT_EQ(
      failed["messages"],
      Json::parse(
          R"(["Soubor \"./save/kratka.pzv\" není uložená pozice: má 10 bajtů místo 1138448."])"));
  // A new game still starts as usual.
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(result.Lines[1]["location"], 1);
  EXPECT_EQ(result.Lines[1]["buttons"]["pokracovat"], false);
}

TEST_F(SaveLoadScriptTest, APositionOfAnotherGamebookEndsTheProgram) {
  WriteGamebook();
  ASSERT_EQ(Play("new-game\nchoose 1\nsave cizi\nbutton konec\n").Status, 0);
  InitRecord other = TestInitRecord();
  other.Title = "Jin\xE1 hra";
  WriteInitRecord(other);
  const ScriptResult result = Play("load-list\nload 1\nbutton pokracovat\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["ended"], true);
  EXPECT_EQ(result.Last()["messages"],
            Json::parse(R"(["Uložená pozice nepatří k této hře! Program bude ukončen"])"));
}

TEST_F(SaveLoadScriptTest, ManyPositionsNewestFirstAndTwentyShown) {
  WriteGamebook();
  const auto now = fs::file_time_type::clock::now();
  for (int n = 1; n <= 105; ++n) {
    const fs::path path = "save/p" + std::to_string(n) + ".pzv";
    WriteBytes(path, "x");
    fs::last_write_time(path, now - std::chrono::hours(200 - n));
  }
  const ScriptResult result = Play("load-list\ndump\nload 21\n");
  ASSERT_EQ(result.Status, 2);
  const Json& entries = result.Lines[0]["load_list"]["entries"];
  ASSERT_EQ(entries.size(), 20u);
  EXPECT_EQ(entries[0].get<std::string>().substr(0, 6), "p105 [");
  EXPECT_EQ(entries[19].get<std::string>().substr(0, 5), "p86 [");
  EXPECT_EQ(result.Last(),
            Json::parse(R"js({"error":"line 3: load: there is no entry 21 (20 shown)"})js"));
}

TEST_F(SaveLoadScriptTest, ClosingTheListReturnsToTheMenu) {
  WriteGamebook();
  const ScriptResult result = Play("load-list\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Lines[0]["load_list"], Json::parse(R"({"entries":[]})"));
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_TRUE(result.Lines[1]["load_list"].is_null());
}

}  // namespace
}  // namespace qv
