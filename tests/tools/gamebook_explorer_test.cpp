#include "tools/gamebook_explorer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "support/gamebook_fixture.h"
#include "tool_test_support.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string Replay(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  std::istringstream script(text + "dump\n");
  std::ostringstream out;
  ScriptOptions options;
  options.Directory = "kniha";
  options.Seed = 1;
  const fs::path here = fs::current_path();
  RunScript(script, out, options);
  fs::current_path(here);
  return out.str();
}

// A fault three choices deep is found with the shortest script reaching it,
// and the script replays it.
TEST(Explore, FindsAFaultThreeChoicesDeepWithAScriptThatReplaysIt) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "tests/gamebooks/deep_fault", "kniha");
  WriteBytes("kniha/data/inicializace.qvl", TestInitRecord().EncodeToBytes());
  ExploreOptions options;
  options.Directory = "kniha";
  options.MaxRuns = 200;
  const ExploreReport report = ExploreGamebook(options);
  EXPECT_EQ(fs::current_path(), dir.path());
  EXPECT_TRUE(report.Complete);

  ASSERT_EQ(report.Messages.size(), 1u);
  EXPECT_EQ(report.Messages[0].Text, "'abc' is not a valid integer value");
  EXPECT_EQ(report.Messages[0].Location, 5);
  EXPECT_EQ(report.Messages[0].Script,
            (std::vector<std::string>{"new-game", "choose 1", "choose 1", "choose 1"}));
  EXPECT_NE(Replay(report.Messages[0].Script).find("\"messages\":[\"'abc' is not a valid integer value\"]"),
            std::string::npos);

  // The blind alley, and the page the fault stopped before its options.
  ASSERT_EQ(report.DeadEnds.size(), 2u);
  EXPECT_EQ(report.DeadEnds[0].Location, 3);
  EXPECT_EQ(report.DeadEnds[0].Script, (std::vector<std::string>{"new-game", "choose 2"}));
  EXPECT_EQ(report.DeadEnds[1].Location, 5);
  EXPECT_EQ(report.Unreached, std::vector<int32_t>{6});
  EXPECT_EQ(report.Reached, (std::set<int32_t>{1, 2, 3, 4, 5}));
}

// The hero cannot hurt the dragon and falls in its first rounds: the fight
// is reported once, with the script that starts it.
TEST(Explore, AFightNoPathWinsIsReported) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "tests/gamebooks/lost_fight", "kniha");
  WriteBytes("kniha/data/inicializace.qvl", TestInitRecord().EncodeToBytes());
  ExploreOptions options;
  options.Directory = "kniha";
  options.MaxRuns = 100;
  const ExploreReport report = ExploreGamebook(options);
  EXPECT_TRUE(report.Complete);
  ASSERT_EQ(report.UnwonFights.size(), 1u);
  EXPECT_EQ(report.UnwonFights[0].Text, "the fight against Drak is won on no path");
  EXPECT_EQ(report.UnwonFights[0].Location, 2);
  EXPECT_EQ(report.UnwonFights[0].Script, (std::vector<std::string>{"new-game", "choose 1"}));
  // Death is an end of the story, not a page without a way on.
  EXPECT_TRUE(report.DeadEnds.empty());
  EXPECT_TRUE(report.Messages.empty());
}

TEST(ExploreCommand, ReportsForPeopleAndToolsAndWritesTheScripts) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "tests/gamebooks/deep_fault", "kniha");
  WriteBytes("kniha/data/inicializace.qvl", TestInitRecord().EncodeToBytes());
  const ToolRun text = RunTool(RunExploreCommand, {"kniha", "--steps", "200", "--scripts", "nalezy"});
  EXPECT_EQ(text.Status, kToolFailed);
  EXPECT_EQ(text.Out,
            "explored 8 states in 12 runs\n"
            "run-time messages: 1\n"
            "  location 5: 'abc' is not a valid integer value\n"
            "    reproduce: quarvelin script nalezy/message-1.txt -C kniha --seed 1\n"
            "pages with no way on: 2\n"
            "  location 3: no option, link or countdown leads on\n"
            "    reproduce: quarvelin script nalezy/dead_end-1.txt -C kniha --seed 1\n"
            "  location 5: no option, link or countdown leads on\n"
            "    reproduce: quarvelin script nalezy/dead_end-2.txt -C kniha --seed 1\n"
            "fights won on no path: 0\n"
            "pages never reached: 6\n");
  EXPECT_EQ(ReadBytes("nalezy/message-1.txt"),
            "# reaches: 'abc' is not a valid integer value\n"
            "# run: quarvelin script nalezy/message-1.txt -C kniha --seed 1\n"
            "new-game\nchoose 1\nchoose 1\nchoose 1\ndump\n");

  const ToolRun json = RunTool(RunExploreCommand, {"kniha", "--json", "--steps", "200"});
  const auto parsed = nlohmann::json::parse(json.Out);
  EXPECT_EQ(parsed["messages"][0]["location"], 5);
  EXPECT_EQ(parsed["unreached"], nlohmann::json::array({6}));
  EXPECT_EQ(parsed["complete"], true);

  // A budget too small to follow everything says so, and then does not call
  // pages unreached.
  const ToolRun cut = RunTool(RunExploreCommand, {"kniha", "--steps", "2"});
  EXPECT_NE(cut.Out.find("(the budget ran out before every state was followed)"), std::string::npos);
  EXPECT_NE(cut.Out.find("pages not reached within the budget: "), std::string::npos);
  EXPECT_EQ(RunTool(RunExploreCommand, {"kniha", "--steps", "x"}).Status, kToolUsage);
}

}  // namespace
}  // namespace qv
