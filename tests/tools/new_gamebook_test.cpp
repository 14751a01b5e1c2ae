#include "tools/new_gamebook.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "tool_test_support.h"
#include "tools/init_template.h"
#include "tools/init_text.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// new -> check -> play, as the README walks through it.
TEST(NewCommand, WritesABookThatPassesTheCheckAndPlays) {
  TempWorkDir dir;
  const ToolRun made = RunTool(RunNewCommand, {"kniha"});
  ASSERT_EQ(made.Status, kToolOk) << made.Err;
  EXPECT_EQ(made.Out,
            "wrote kniha/data/data.qvl\nwrote kniha/data/inicializace.qvl\nwrote kniha/inicializace.txt\n"
            "wrote kniha/obrazky/rozcesti.png\nwrote kniha/audio/studna.wav\n"
            "next: quarvelin check kniha, then quarvelin play kniha\n");
  const ToolRun check = RunTool(RunCheckCommand, {"kniha"});
  EXPECT_EQ(check.Out, "0 errors\n");
  EXPECT_EQ(check.Status, kToolOk);

  // The river sets variable 1, which the forest's condition shows.
  std::istringstream script("new-game\nname Eva\ndump\nchoose 2\nchoose 1\nchoose 1\ndump\n");
  std::ostringstream out;
  ScriptOptions options;
  options.Directory = "kniha";
  options.Seed = 1;
  const fs::path here = fs::current_path();
  EXPECT_EQ(RunScript(script, out, options), 0) << out.str();
  fs::current_path(here);
  EXPECT_NE(out.str().find("Voda z řeky ti ještě studí v čutoře."), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"messages\":[]"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"file\":\"./obrazky/rozcesti.png\""), std::string::npos) << out.str();

  // The record is the commented text written with init.
  const InitTextResult record = InitRecordFromText(ReadBytes("kniha/inicializace.txt"));
  ASSERT_TRUE(record.Record);
  EXPECT_EQ(ReadBytes("kniha/data/inicializace.qvl"),
            std::string(record.Record->begin(), record.Record->end()));

  // An existing book is never written over.
  const ToolRun again = RunTool(RunNewCommand, {"kniha"});
  EXPECT_EQ(again.Status, kToolFailed);
  EXPECT_EQ(again.Err, "quarvelin new: kniha: already exists and is not an empty folder; name a new one\n");
  EXPECT_EQ(RunTool(RunNewCommand, {}).Status, kToolUsage);
}

TEST(InitTemplate, EveryFieldWithAValueAndAComment) {
  const ToolRun run = RunTool(RunInitCommand, {"--template"});
  ASSERT_EQ(run.Status, kToolOk);
  EXPECT_EQ(run.Out, InitRecordTemplateText());
  // It is a text init takes as it is.
  const InitTextResult record = InitRecordFromText(run.Out);
  EXPECT_TRUE(record.Record) << (record.Errors.empty() ? "" : record.Errors[0].Message);
  // Every field line follows its comment.
  std::istringstream lines(run.Out);
  std::string line;
  std::string previous;
  int fields = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] != '#') {
      ++fields;
      EXPECT_EQ(previous.substr(0, 2), "# ") << line;
    }
    previous = line;
  }
  EXPECT_EQ(fields, 26);
  EXPECT_NE(run.Out.find("\n# 1: a new game first asks the player for the hero's name; 0: it does not.\n"
                         "ask_name = 1\n"),
            std::string::npos);
  EXPECT_EQ(RunTool(RunInitCommand, {"--template", "x"}).Status, kToolUsage);
}

}  // namespace
}  // namespace qv
