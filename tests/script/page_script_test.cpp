// Scripted runs over pages that use the page, variable and link commands:
// death, dice with a seed, web links, location numbers, linked pictures and
// the narrow screen.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"
#include "support/dot_gif.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

using PageScriptTest = ScriptedGamebook;

TEST_F(PageScriptTest, DeathWindowWaitsForOkWhichEndsTheProgram) {
  WriteLocations(
      "<1><menu t=\"Sk\xE1kat\" x=\"2\">"
      "<2><zivoty minus=\"25\"><text obsah=\"Pozd\xEC.\"><menu t=\"D\xE1l\" x=\"1\">");
  const ScriptResult result = Play("new-game\nchoose 1\ndump\nchoose 1\n");
  EXPECT_EQ(result.Status, 2);
  ASSERT_EQ(result.Lines.size(), 2u);
  const Json& dead = result.Lines[0];
  EXPECT_EQ(dead["windows"], Json::parse(R"(["menu","game","death"])"));
  EXPECT_EQ(dead["state"]["zivoty"], -5);
  EXPECT_EQ(dead["info"][0],
            Json::parse(R"({"text":"Ztratil jsi 25 životů!","colour":"#FF0000"})"));
  EXPECT_EQ(
      result.Last(),
      Json::parse(R"js({"error":"line 4: 'choose' does not fit the window on top (death)"})js"));

  const ScriptResult ended = Play("new-game\nchoose 1\ntick 3\nok\ndump\n");
  EXPECT_EQ(ended.Status, 0);
  ASSERT_EQ(ended.Lines.size(), 1u);
  EXPECT_EQ(ended.Last()["ended"], true);
  // The page that killed the hero still finishes: the handler that opened
  // the death window goes on to its end.
  EXPECT_EQ(ended.Last()["location"], 2);
}

TEST_F(PageScriptTest, SeededDiceRepeatRunForRun) {
  WriteLocations("<1><nahoda 1=\"3k6\" 2=\"1k100\" 3=\"2k20+5\">");
  ScriptOptions options;
  options.Seed = 1234;
  const ScriptResult first = Play("new-game\ndump\n", options);
  const ScriptResult second = Play("new-game\ndump\n", options);
  ASSERT_EQ(first.Status, 0);
  const Json& variables = first.Last()["state"]["variables"];
  EXPECT_EQ(variables, second.Last()["state"]["variables"]);
  ASSERT_TRUE(variables.contains("1"));
  EXPECT_GE(variables["1"].get<int>(), 3);
  EXPECT_LE(variables["1"].get<int>(), 18);
}

TEST_F(PageScriptTest, WebLinkClickIsHandedToTheOpenAction) {
  WriteLocations("<1><text obsah=\"Str\xE1nky\" weblink=\"https://example.org/kniha\">");
  const ScriptResult result = Play("new-game\nclick-text 1\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["texts"][0]["weblink"], "https://example.org/kniha");
  EXPECT_EQ(result.Last()["web_links"], Json::parse(R"(["https://example.org/kniha"])"));
  EXPECT_EQ(result.Last()["location"], 1);
}

TEST_F(PageScriptTest, LocationNumbersShowInTheLabelAndTheOptions) {
  WriteLocations(
      "<1><zapnicislalokaci><zmenotazku text=\"Kam?\" barva=\"red\">"
      "<menu t=\"D\xE1l\" x=\"13\"><13>");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  const Json& dump = result.Last();
  EXPECT_EQ(dump["location_label"], "<1>");
  EXPECT_EQ(dump["options"][0]["text"], "Dál (13)");
  EXPECT_EQ(dump["heading"], Json::parse(R"({"text":"Kam?","colour":"#FF0000","left":86})"));
  EXPECT_EQ(dump["state"]["show_location_numbers"], 1);
}

TEST_F(PageScriptTest, LinkedPictureIsFollowedAtTheNextTick) {
  WriteBytes("obrazky/tecka.gif",
             DotGif());
  WriteLocations(
      "<1><text obsah=\"Nad obr\xE1zkem\"><obrazekvtextu soubor=\"tecka.gif\" odkaz=\"2\" "
      "popis=\"Te\xE8ka\" 4=\"9\"><2>");
  const ScriptResult result = Play("new-game\ndump\nclick-picture 1\ntick\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["pictures"], Json::parse(R"([{"file":"./obrazky/tecka.gif",
      "left":230,"top":89,"width":1,"height":1,"hint":"Tečka","target":2}])"));
  EXPECT_EQ(result.Lines[1]["location"], 2);
  EXPECT_EQ(result.Lines[1]["state"]["variables"], Json::parse(R"({"4":9})"));
}

TEST_F(PageScriptTest, NarrowScreenBreaksTextAtFiftyColumns) {
  WriteLocations(
      "<1><text obsah=\"Jedna dv\xEC t\xF8i \xE8ty\xF8i p\xECt \x9A"
      "est sedm osm dev\xECt "
      "deset jeden\xE1"
      "ct dvan\xE1"
      "ct\">");
  ScriptOptions narrow;
  narrow.ScreenWidth = 640;
  narrow.ScreenHeight = 480;
  const ScriptResult small = Play("new-game\ndump\n", narrow);
  const ScriptResult wide = Play("new-game\ndump\n");
  ASSERT_EQ(small.Status, 0);
  EXPECT_EQ(small.Last()["texts"][0]["text"],
            "Jedna dvě tři čtyři pět šest sedm osm devět deset \njedenáct dvanáct");
  EXPECT_EQ(wide.Last()["texts"][0]["text"],
            "Jedna dvě tři čtyři pět šest sedm osm devět deset jedenáct dvanáct");
}

}  // namespace
}  // namespace qv
