// Scripted runs through the start windows and the death window, now that
// they are models: the name entry, the about window, and death from the
// interpreter.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

using StartWindowsScriptTest = ScriptedGamebook;

TEST_F(StartWindowsScriptTest, WithoutTheFlagTheRecordsNameIsTaken) {
  WriteLocations("<1><text obsah=\"a\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(result.Last()["state"]["name"], "Hrdina");
  // There is no name window to type into.
  EXPECT_EQ(Play("new-game\nname Karel\n").Last(),
            Json::parse(R"js({"error":"line 2: 'name' does not fit the window on top (game)"})js"));
}

TEST_F(StartWindowsScriptTest, TypedNameIsCutToOneHundred) {
  WriteLocations("<1><text obsah=\"a\">");
  InitRecord record = TestInitRecord();
  record.AskName = 1;
  WriteInitRecord(record);
  const ScriptResult result = Play("new-game\nname " + std::string(104, 'n') + "\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["state"]["name"], std::string(100, 'n'));
  EXPECT_EQ(result.Last()["state"]["start_name"], std::string(100, 'n'));
}

TEST_F(StartWindowsScriptTest, AboutWindowTakesOnlyClose) {
  WriteLocations("<1><text obsah=\"a\">");
  const ScriptResult result = Play("about\nnew-game\n");
  EXPECT_EQ(result.Status, 2);
  EXPECT_EQ(
      result.Last(),
      Json::parse(R"js({"error":"line 2: 'new-game' does not fit the window on top (about)"})js"));
  const ScriptResult again = Play("about\nclose\nabout\nclose\nnew-game\ndump\n");
  ASSERT_EQ(again.Status, 0);
  EXPECT_EQ(again.Last()["windows"], Json::parse(R"(["menu","game"])"));
}

TEST_F(StartWindowsScriptTest, MenuCommandsTakeNoArguments) {
  WriteLocations("<1><text obsah=\"a\">");
  const ScriptResult result = Play("new-game now\n");
  EXPECT_EQ(result.Status, 2);
  ASSERT_FALSE(result.Lines.empty());
  EXPECT_TRUE(result.Last().contains("error"));
}

TEST_F(StartWindowsScriptTest, DeathFromTheInterpreterEndsTheProgramAfterOk) {
  WriteLocations(
      "<1><text obsah=\"P\xE1"
      "d.\"><zivoty je=\"0\"><text obsah=\"Konec.\">"
      "<menu t=\"D\xE1l\" x=\"1\">");
  const ScriptResult result = Play("new-game\ndump\ntick\ndump\nok\ndump\nnew-game\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","death"])"));
  EXPECT_EQ(result.Lines[0]["ended"], false);
  EXPECT_EQ(result.Lines[0]["state"]["zivoty"], 0);
  // The page stops at the death window until it is clicked.
  EXPECT_EQ(result.Lines[0]["texts"].size(), 1u);
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game","death"])"));
  const Json& ended = result.Lines[2];
  EXPECT_EQ(ended["ended"], true);
  EXPECT_EQ(ended["windows"], Json::parse(R"(["menu","game"])"));
}

}  // namespace
}  // namespace qv
