#include "tools/story_map.h"

#include <gtest/gtest.h>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/gamebook_fixture.h"
#include "tool_test_support.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

// The line of the laid-out graph that declares node `name`.
std::string NodeLine(const std::string& dot, const std::string& name) {
  const std::size_t at = dot.find("\n\t" + name + "\t[");
  if (at == std::string::npos) return {};
  return dot.substr(at + 1, dot.find("];", at) - at);
}

TEST(MapCommand, ColoursLocationsByWhatWasFound) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "tests/gamebooks/deep_fault", "kniha");
  WriteBytes("kniha/data/inicializace.qvl", TestInitRecord().EncodeToBytes());
  const ToolRun run = RunTool(RunMapCommand, {"kniha", "-o", "mapa.dot", "--steps", "100"});
  ASSERT_EQ(run.Status, kToolOk) << run.Err;
  EXPECT_EQ(run.Out, "wrote mapa.dot (6 locations)\n");
  const std::string dot = ReadBytes("mapa.dot");
  EXPECT_NE(NodeLine(dot, "1").find("shape=doublecircle"), std::string::npos) << dot;
  EXPECT_NE(NodeLine(dot, "1").find("tooltip=\"1: Rozcesti.\""), std::string::npos) << dot;
  EXPECT_NE(NodeLine(dot, "3").find("fillcolor=orange"), std::string::npos) << dot;
  EXPECT_NE(NodeLine(dot, "5").find("fillcolor=red"), std::string::npos) << dot;  // the run-time fault
  EXPECT_NE(NodeLine(dot, "6").find("fillcolor=lightgrey"), std::string::npos) << dot;
  EXPECT_NE(dot.find("1 -> 2"), std::string::npos);
  EXPECT_NE(dot.find("label=Vlevo"), std::string::npos);

  // Without exploring: what the text alone shows.
  const ToolRun svg = RunTool(RunMapCommand, {"kniha", "-o", "mapa.svg", "--no-explore"});
  ASSERT_EQ(svg.Status, kToolOk) << svg.Err;
  const std::string drawn = ReadBytes("mapa.svg");
  EXPECT_NE(drawn.find("xlink:title=\"6 (never reached): Sem nikdo nevede.\""), std::string::npos);
  EXPECT_NE(drawn.find("xlink:title=\"3: Slepa ulicka.\""), std::string::npos);
  EXPECT_EQ(RunTool(RunMapCommand, {"kniha", "-o", "mapa.gif"}).Status, kToolUsage);
  EXPECT_EQ(RunTool(RunMapCommand, {"kniha"}).Status, kToolUsage);
}

TEST(MapCommand, ABookTooLargeToLayOutGivesItsGraphUnlaidAndNoDrawing) {
  TempWorkDir dir;
  std::string text;
  const int locations = static_cast<int>(kMaxLaidOutLocations) + 1;
  for (int n = 1; n <= locations; ++n) {
    text += "<" + std::to_string(n) + "><text obsah=\"Strana.\"><menu t=\"Dal\" x=\"" +
            std::to_string(n % locations + 1) + "\">\n";
  }
  WriteBytes("kniha/data/data.qvl", text);
  WriteBytes("kniha/data/inicializace.qvl", TestInitRecord().EncodeToBytes());

  const ToolRun dot = RunTool(RunMapCommand, {"kniha", "-o", "mapa.dot", "--no-explore"});
  ASSERT_EQ(dot.Status, kToolOk) << dot.Err;
  EXPECT_EQ(dot.Out, "wrote mapa.dot (501 locations)\n");
  const std::string graph = ReadBytes("mapa.dot");
  EXPECT_NE(graph.find("501 -> 1"), std::string::npos);
  EXPECT_EQ(graph.find("pos="), std::string::npos);  // no layout was made

  const ToolRun svg = RunTool(RunMapCommand, {"kniha", "-o", "mapa.svg", "--no-explore"});
  EXPECT_EQ(svg.Status, kToolFailed);
  EXPECT_EQ(svg.Err,
            "quarvelin map: 501 locations are too many to lay out into a drawing (at most 500); "
            "write a .dot file, which is not laid out then, and lay it out with a Graphviz engine "
            "for large graphs such as sfdp\n");
  EXPECT_FALSE(std::filesystem::exists("mapa.svg"));
}

}  // namespace
}  // namespace qv
