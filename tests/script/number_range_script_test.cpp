// Whole numbers of a gamebook at the ends of the 32-bit range where the page
// adds them to positions and sizes or counts them down: the sums stop at the
// ends of the range (the sanitizer build shows any overflow), and ordinary
// values come out as they always did.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "script_run.h"
#include "support/dot_gif.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class NumberRangeScriptTest : public ScriptedGamebook {
 protected:
  void SetUp() override {
    WriteBytes("obrazky/tecka.gif", DotGif());
  }
};

TEST_F(NumberRangeScriptTest, CountdownFromTheSmallestNumberRunsOutAfterOneSecond) {
  WriteLocations(
      "<1><casovac cas=\"-2147483648\" odkaz=\"2\" vypisuj=\"ano\">"
      "<2><text obsah=\"Pozd\xEC.\">");
  const ScriptResult result = Play("new-game\ndump\ntick 9\ndump\ntick\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0]["timer"], "-2147483648");
  EXPECT_EQ(result.Lines[1]["location"], 1);
  EXPECT_EQ(result.Lines[2]["location"], 2);
  EXPECT_EQ(result.Lines[2]["texts"][0]["text"], "Pozdě.");
}

TEST_F(NumberRangeScriptTest, PictureShiftedPastTheEndOfTheRangeStopsThere) {
  WriteLocations(
      "<1><obrazekvtextu soubor=\"tecka.gif\" posunx=\"2147483647\" posuny=\"0\">"
      "<obrazekvtextu soubor=\"tecka.gif\" posunx=\"-2147483648\" posuny=\"0\">"
      "<obrazekvtextu soubor=\"tecka.gif\" posunx=\"20\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  const Json& pictures = result.Last()["pictures"];
  ASSERT_EQ(pictures.size(), 3u);
  EXPECT_EQ(pictures[0]["left"], INT32_MAX);
  EXPECT_EQ(pictures[1]["left"], INT32_MIN + 230);
  EXPECT_EQ(pictures[1]["top"], 30);  // beside the first one
  EXPECT_EQ(pictures[2]["left"], 250);
  EXPECT_EQ(pictures[2]["top"], 30 + 15 + 1);
}

TEST_F(NumberRangeScriptTest, PicturesAndTextsBelowTheLowestStopAtTheEndOfTheRange) {
  // A picture 2147483647 below a text, one that high under a picture, and
  // texts below them.
  WriteLocations(
      "<1><text obsah=\"a\"><obrazekvtextu soubor=\"tecka.gif\" posuny=\"2147483647\">"
      "<text obsah=\"b\">"
      "<obrazekvtextu soubor=\"tecka.gif\" vyska=\"2147483647\" sirka=\"2147483647\">"
      "<obrazekvtextu soubor=\"tecka.gif\" posuny=\"2147483647\"><text obsah=\"c\">");
  const ScriptResult result = Play("new-game\ndump\nkey pagedown\nwheel up\nwheel up\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  const Json& page = result.Lines[0];
  ASSERT_EQ(page["pictures"].size(), 3u);
  ASSERT_EQ(page["texts"].size(), 3u);
  EXPECT_EQ(page["texts"][0]["top"], 30);
  for (const Json& picture : page["pictures"]) EXPECT_EQ(picture["top"], INT32_MAX);
  EXPECT_EQ(page["pictures"][1]["height"], INT32_MAX);
  EXPECT_EQ(page["texts"][1]["top"], INT32_MAX);
  EXPECT_EQ(page["texts"][2]["top"], INT32_MAX);
  // Scrolling moves them from there: down 100, up 300, stopping at the end.
  const Json& scrolled = result.Lines[1];
  EXPECT_EQ(scrolled["texts"][0]["top"], 30 - 100 + 300);
  EXPECT_EQ(scrolled["texts"][1]["top"], INT32_MAX);
  EXPECT_EQ(scrolled["pictures"][0]["top"], INT32_MAX);
}

TEST_F(NumberRangeScriptTest, PicturesAboveTheHighestStopAtTheEndOfTheRangeWhenScrolled) {
  WriteLocations(
      "<1><obrazekvtextu soubor=\"tecka.gif\">"
      "<obrazekvtextu soubor=\"tecka.gif\" posuny=\"-2147483648\">"
      "<obrazekvtextu soubor=\"tecka.gif\" posuny=\"-2147483648\">");
  const ScriptResult result = Play("new-game\ndump\nkey down\nwheel down\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(result.Lines[0]["pictures"][1]["top"], 30 - 2147483648LL);
  EXPECT_EQ(result.Lines[0]["pictures"][2]["top"], INT32_MIN);
  EXPECT_EQ(result.Lines[1]["pictures"][0]["top"], 30 - 250);
  EXPECT_EQ(result.Lines[1]["pictures"][1]["top"], INT32_MIN);
  EXPECT_EQ(result.Lines[1]["pictures"][2]["top"], INT32_MIN);
}

TEST_F(NumberRangeScriptTest, PopUpAsHighAsTheRangeGoes) {
  WriteLocations(
      "<1><obrazek soubor=\"tecka.gif\" vyska=\"2147483647\" popis=\"Vysok\xFD\">"
      "<text obsah=\"Pod n\xEDm.\">");
  const ScriptResult result = Play("new-game\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(result.Lines[0]["picture"],
            Json::parse(R"({"file":"./obrazky/tecka.gif","width":30,"height":2147483647,
                            "caption":"Vysoký"})"));
  EXPECT_EQ(result.Lines[1]["texts"][0]["text"], "Pod ním.");
}

}  // namespace
}  // namespace qv
