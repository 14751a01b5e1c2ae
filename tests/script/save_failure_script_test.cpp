// A save that the disk refuses is reported and play goes on.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

class SaveFailureScriptTest : public ScriptedGamebook {};

TEST_F(SaveFailureScriptTest, FullDiskDuringSaveIsReportedAndPlayGoesOn) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  WriteLocations(
      "<1><menu t=\"D\xE1l\" x=\"2\">"
      "<2><save nazev=\"hrdina\"><menu t=\"D\xE1l\" x=\"3\">"
      "<3><text obsah=\"t\xF8i\">");
  fs::create_directories("save");
  // Writing the new position runs into a device that is always full.
  fs::create_symlink("/dev/full", "save/hrdina.pzv.tmp");

  const ScriptResult result =
      Play("new-game\nchoose 1\nsave hrdina\ndump\nnosave\nchoose 1\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","save"])"));
  EXPECT_EQ(result.Lines[0]["messages"],
            Json::parse(R"(["Pozici nelze uložit do souboru \"./save/hrdina.pzv\"."])"));
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(result.Lines[1]["location"], 3);
  EXPECT_FALSE(result.Lines[1]["ended"].get<bool>());
  EXPECT_FALSE(fs::exists("save/hrdina.pzv"));
}

}  // namespace
}  // namespace qv
