// `quarvelin script --gui`: the play script as real input to the desktop
// window, with the same dump lines as a headless run, screenshots and real
// waiting.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/gui_script_runner.h"
#include "desktop_fixture.h"
#include "ui/picture.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

struct GuiRun {
  int Status = -1;
  std::vector<Json> Lines;
};

GuiRun RunGui(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptOptions options;
  options.ScreenWidth = 800;
  options.ScreenHeight = 600;
  options.Seed = 1;
  options.Gui = true;
  GuiRun run;
  run.Status = RunGuiScript(in, out, options);
  std::istringstream printed(out.str());
  std::string line;
  while (std::getline(printed, line)) run.Lines.push_back(Json::parse(line));
  return run;
}

constexpr const char* kTwoLocations =
    "<1><text obsah=\"Stoj\xED\x9A u cesty.\"><menu t=\"D\xE1l\" x=\"2\">"
    "<2><text obsah=\"Jsi v lese.\"><textoveokno retezec=\"1\"><menu t=\"Zp\xECt\" x=\"1\">";

using GuiScriptTest = DesktopFixture;

TEST_F(GuiScriptTest, LinesBecomeInputAndDumpsMatchTheContract) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kTwoLocations);
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui(
      "new-game\n"
      "dump\n"
      "choose 1\n"
      "dump\n"
      "answer \xC4\x8D"
      "ern\xC3\xBD\n"  // "černý"
      "screenshot page2.png\n"
      "key pagedown\n"
      "dump\n"
      "button konec\n"
      "dump\n");
  ASSERT_EQ(run.Status, 0);
  ASSERT_EQ(run.Lines.size(), 4u);
  EXPECT_EQ(run.Lines[0]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(run.Lines[0]["location"], 1);
  EXPECT_EQ(run.Lines[0]["options"][0]["text"], "Dál");
  // The prompt of location 2 is open: the window on top.
  EXPECT_EQ(run.Lines[1]["windows"], Json::parse(R"(["menu","game","answer"])"));
  EXPECT_EQ(run.Lines[1]["answer"]["question"], "Zadej odpověď");
  EXPECT_EQ(run.Lines[2]["state"]["strings"]["1"], "černý");
  EXPECT_EQ(run.Lines[2]["texts"][0]["top"], 30 - 100);
  // "Konec" ended the program: the last dump says so, and the line after it
  // is never read.
  EXPECT_EQ(run.Lines[3]["ended"], true);

  PictureResult shot = DecodePicture("page2.png");
  ASSERT_TRUE(shot) << shot.Error();
  EXPECT_EQ(shot.Value().Width, 800);
  EXPECT_EQ(shot.Value().Height, 600);
}

TEST_F(GuiScriptTest, WaitLetsTheCountdownRunAndBadLinesStopTheRun) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\" vypisuj=\"ano\"><menu t=\"D\xE1l\" x=\"2\">"
      "<2><text obsah=\"Pozd\xEC.\">");
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui("new-game\nwait 1400\ndump\nchoose 3\ndump\n");
  EXPECT_EQ(run.Status, 2);
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(run.Lines[0]["location"], 2);
  EXPECT_EQ(run.Lines[1],
            Json::parse(R"js({"error":"line 4: choose: there is no option 3 (0 shown)"})js"));
}

}  // namespace
}  // namespace qv
