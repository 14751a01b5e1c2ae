// A player who waits on a page whose countdown leads back to a page that
// opens a window: windows and pages must not pile up while time passes, and
// nothing moves behind the death window.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"
#include "support/dot_gif.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class IdleCountdownScriptTest : public ScriptedGamebook {
 protected:
  // Waits `seconds` times one second, with a dump after each.
  static std::string WaitSeconds(int seconds) {
    std::string script;
    for (int i = 0; i < seconds; ++i) script += "tick 10\ndump\n";
    return script;
  }

  // Every dump of the run has at most `depth` windows and shows location 1.
  static void ExpectBounded(const ScriptResult& result, std::size_t depth) {
    ASSERT_EQ(result.Status, 0) << result.Last();
    for (std::size_t i = 0; i < result.Lines.size(); ++i) {
      const Json& dump = result.Lines[i];
      ASSERT_LE(dump["windows"].size(), depth) << "dump " << i << ": " << dump["windows"];
      ASSERT_EQ(dump["location"], 1) << "dump " << i;
    }
  }
};

TEST_F(IdleCountdownScriptTest, PicturePopUpReopenedEverySecondKeepsTheWindowsBounded) {
  WriteBytes("obrazky/tecka.gif", DotGif());
  WriteLocations(
      "<1><casovac cas=\"0\" odkaz=\"1\"><obrazek soubor=\"tecka.gif\">"
      "<text obsah=\"Pod obr\xE1zkem.\">");
  const ScriptResult result =
      Play("new-game\n" + WaitSeconds(300) + "tick 5000\ndump\nclose\ndump\n");
  // The menu, the game, and the pop-ups of at most two pages.
  ExpectBounded(result, 4);
  ASSERT_EQ(result.Lines.size(), 302u);
  EXPECT_EQ(result.Lines[300]["picture"]["file"], "./obrazky/tecka.gif");
  // Closing the pop-up finishes the page it belongs to.
  const Json& closed = result.Last();
  EXPECT_EQ(closed["windows"], Json::parse(R"(["menu","game"])"));
  ASSERT_EQ(closed["texts"].size(), 1u);
  EXPECT_EQ(closed["texts"][0]["text"], "Pod obrázkem.");
  EXPECT_TRUE(closed["messages"].empty());
}

TEST_F(IdleCountdownScriptTest, AnswerPromptAskedEverySecondKeepsTheWindowsBounded) {
  WriteLocations(
      "<1><casovac cas=\"0\" odkaz=\"1\"><textoveokno retezec=\"1\" otazka=\"Heslo?\">"
      "<menu t=\"D\xE1l\" x=\"2\"><2>");
  const ScriptResult result = Play("new-game\n" + WaitSeconds(300) + "answer sezame\ndump\n");
  ExpectBounded(result, 4);
  EXPECT_EQ(result.Lines[299]["answer"]["question"], "Heslo?");
  // The answer goes to the page on top, which then finishes.
  const Json& answered = result.Last();
  EXPECT_EQ(answered["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(answered["state"]["strings"], Json::parse(R"({"1":"sezame"})"));
  EXPECT_EQ(answered["options"].size(), 1u);
}

TEST_F(IdleCountdownScriptTest, TicksOfOneLinePassUnderTheWindowsTheyOpen) {
  // Location 2 opens a prompt when location 1's countdown runs out; the
  // rest of the line's ticks run its own countdown out under the prompt.
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\">"
      "<2><casovac cas=\"1\" odkaz=\"3\"><textoveokno retezec=\"1\">"
      "<3><text obsah=\"T\xF8i.\">");
  const ScriptResult result = Play("new-game\ntick 20\ndump\nanswer pozde\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","answer"])"));
  EXPECT_EQ(result.Lines[0]["location"], 3);
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(result.Lines[1]["state"]["strings"], Json::object());
}

TEST_F(IdleCountdownScriptTest, CountdownDoesNotChangeThePageBehindTheDeathWindow) {
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><zivoty minus=\"100\">"
      "<2><text obsah=\"Za smrt\xED.\">");
  const ScriptResult result = Play("new-game\ntick 50\ndump\nok\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","death"])"));
  EXPECT_EQ(result.Lines[0]["location"], 1);
  EXPECT_TRUE(result.Lines[0]["texts"].empty());
  EXPECT_EQ(result.Last()["ended"], true);
}

TEST_F(IdleCountdownScriptTest, PageThatKillsAgainEverySecondOpensOneDeathWindow) {
  WriteLocations("<1><casovac cas=\"0\" odkaz=\"1\"><zivoty minus=\"100\">");
  const ScriptResult result = Play("new-game\n" + WaitSeconds(30));
  ExpectBounded(result, 3);
  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu","game","death"])"));
}

}  // namespace
}  // namespace qv
