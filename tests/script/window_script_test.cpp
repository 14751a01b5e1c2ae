// Scripted runs through the windows and commands a page can open: the answer
// prompt, the picture pop-up, the countdown under them, the end command, and
// the possessions as the dump shows them.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"
#include "support/dot_gif.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

using WindowScriptTest = ScriptedGamebook;

TEST_F(WindowScriptTest, AnswerPromptTakesTheTypedTextIntoItsSlot) {
  WriteLocations("<1><textoveokno retezec=\"2\"><zakazpostavudocasne><2>");
  const ScriptResult result = Play(
      "new-game\ndump\nanswer \xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  const Json& open = result.Lines[0];
  EXPECT_EQ(open["windows"], Json::parse(R"(["menu","game","answer"])"));
  EXPECT_EQ(open["answer"], Json::parse(R"({"question":"Zadej odpověď"})"));
  EXPECT_EQ(open["buttons"]["postava"], true);  // the page is not finished yet
  const Json& closed = result.Lines[1];
  EXPECT_EQ(closed["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(closed["answer"].is_null());
  EXPECT_EQ(closed["state"]["strings"], Json::parse(R"({"2":"Žluťoučký kůň"})"));
  EXPECT_EQ(closed["buttons"]["postava"], false);  // the rest of the page ran
}

TEST_F(WindowScriptTest, CommandsOfTheGameWindowDoNotReachUnderAPrompt) {
  WriteLocations("<1><textoveokno otazka=\"Heslo?\">");
  const ScriptResult result = Play("new-game\nchoose 1\n");
  EXPECT_EQ(result.Status, 2);
  EXPECT_EQ(
      result.Last(),
      Json::parse(R"js({"error":"line 2: 'choose' does not fit the window on top (answer)"})js"));
}

TEST_F(WindowScriptTest, ScriptEndingUnderAWindowEndsTheRun) {
  WriteLocations("<1><textoveokno otazka=\"Heslo?\">");
  const ScriptResult result = Play("new-game\ndump\n");
  EXPECT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["answer"]["question"], "Heslo?");
}

TEST_F(WindowScriptTest, PicturePopupShowsItsPictureAreaAndClosesOnClick) {
  WriteBytes("obrazky/tecka.gif",
             DotGif());
  WriteLocations("<1><obrazek soubor=\"tecka.gif\" popis=\"Te\xE8ka\" sirka=\"40\">");
  const ScriptResult result = Play("new-game\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","picture"])"));
  EXPECT_EQ(result.Lines[0]["picture"], Json::parse(R"({"file":"./obrazky/tecka.gif",
      "width":40,"height":30,"caption":"Tečka"})"));
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(result.Lines[1]["picture"].is_null());
}

TEST_F(WindowScriptTest, CountdownShowsItsSecondsAndChangesThePage) {
  WriteLocations("<1><casovac cas=\"3\" vypisuj=\"ano\" odkaz=\"2\"><2><zakazpostavudocasne>");
  const ScriptResult result =
      Play("new-game\ndump\ntick 10\ndump\ntick 9\ndump\ntick 8\ndump\ntick\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 5u);
  EXPECT_EQ(result.Lines[0]["timer"], "3");
  EXPECT_EQ(result.Lines[1]["timer"], "2");  // the first second lasts 10 ticks
  EXPECT_EQ(result.Lines[2]["timer"], "1");  // every later one 9
  EXPECT_EQ(result.Lines[3]["timer"], "1");
  EXPECT_EQ(result.Lines[3]["location"], 1);
  EXPECT_EQ(result.Lines[4]["location"], 2);
  EXPECT_EQ(result.Lines[4]["timer"], "");
  EXPECT_EQ(result.Lines[4]["buttons"]["postava"], false);
}

TEST_F(WindowScriptTest, CountdownChangesThePageUnderAnOpenPrompt) {
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><textoveokno retezec=\"1\"><zakazpostavudocasne>"
      "<2><zakazvybavenidocasne>");
  const ScriptResult result = Play("new-game\ntick 10\ndump\nanswer pozd\xC4\x9B\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  const Json& under = result.Lines[0];
  EXPECT_EQ(under["windows"], Json::parse(R"(["menu","game","answer"])"));
  EXPECT_EQ(under["location"], 2);
  EXPECT_EQ(under["buttons"]["vybaveni"], false);
  const Json& after = result.Lines[1];
  EXPECT_EQ(after["windows"], Json::parse(R"(["menu","game"])"));
  // The prompt's page is gone, and its answer and remaining tags with it.
  EXPECT_EQ(after["state"]["strings"], Json::object());
  EXPECT_EQ(after["buttons"]["postava"], true);
}

TEST_F(WindowScriptTest, EndCommandGivesTheEndedDump) {
  WriteLocations("<1><konec><zakazpostavu>");
  const ScriptResult result = Play("new-game\ndump\nfly\n");
  EXPECT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["ended"], true);
  EXPECT_EQ(result.Last()["state"]["sheet_allowed"], false);  // the page ran to its end
}

TEST_F(WindowScriptTest, HiddenButtonsCannotBeClicked) {
  WriteLocations("<1><zakazpostavudocasne><zakazvybaveni>");
  const ScriptResult result = Play("new-game\ndump\nbutton postava\n");
  EXPECT_EQ(result.Status, 2);
  EXPECT_EQ(result.Lines[0]["buttons"]["postava"], false);
  EXPECT_EQ(result.Lines[0]["buttons"]["vybaveni"], false);
  EXPECT_EQ(result.Last(),
            Json::parse(R"js({"error":"line 3: button: 'postava' is not shown"})js"));
  EXPECT_EQ(Play("new-game\nbutton vybaveni\n").Last(),
            Json::parse(R"js({"error":"line 2: button: 'vybaveni' is not shown"})js"));
  EXPECT_EQ(Play("new-game\nbutton audio\n").Last(),
            Json::parse(R"js({"error":"line 2: button: 'audio' is not shown"})js"));
}

TEST_F(WindowScriptTest, PossessionsInTheState) {
  WriteDataFile("zbrane",
                "1 \"P\xECst\" \"Hol\xE9 ruce\" 1k2+0, 0, 0;\r\n"
                "2 \"D\xFDka\" \"Kr\xE1tk\xE1 d\xFDka\" 1k4+0, 1, 5;\r\n"
                "3 \"Me\xE8\" \"Ostr\xFD me\xE8\" 1k6+1, 2, 10;\r\n");
  WriteDataFile("zbroje", "1 \"Ko\x9Aile\" \"Pl\xE1t\xECn\xE1 ko\x9Aile\" 0, 0, 0, 0;\r\n");
  WriteDataFile("predmety",
                "1 \"Lektvar\" \"L\xE9\xE8iv\xFD lektvar\" 5, vzdy, zivoty+5;\r\n"
                "2 \"Pochode\xF2\" \"Sv\xEDt\xED\" 1, mimoboj, promenna1=1;\r\n");
  WriteDataFile("kouzla",
                "1 \"Ohniv\xE1 koule\" \"P\xE1l\xED\" 3, zivoty-5;\r\n"
                "2 \"Led\" \"Mraz\xED\" 2, zivoty-2;\r\n");
  WriteDataFile("utoky",
                "1 \"\xDA"
                "der\" \"Popis\" \"Z\xE1sah\" \"Bez \xFA\xE8inku\" \"Vedle\" 2, 0, 1k6, 1k4;\r\n");
  WriteLocations(
      "<1><zbran 3=\"1\"><predmet 2=\"4\"><objekt 7=\"1\" jmeno=\"Kl\xED\xE8\">"
      "<kouzlo umime=\"2\"><utok umime=\"1\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  const Json& state = result.Last()["state"];
  EXPECT_EQ(state["held"], Json::parse(R"({"weapons":{"3":1},"armour":{},"items":{"2":4}})"));
  EXPECT_EQ(state["known"], Json::parse(R"({"spells":[2],"attacks":[1]})"));
  EXPECT_EQ(state["objects"], Json::parse(R"({"7":{"name":"Klíč","description":"",
      "picture":"","count":1}})"));
  EXPECT_EQ(state["object_count"], 7);
  EXPECT_EQ(state["weapon"], 1);
  EXPECT_EQ(state["armour"], 1);
  EXPECT_EQ(result.Last()["info"][4]["text"], "Získal jsi zbraň Meč!");  // the oldest of five
}

}  // namespace
}  // namespace qv
