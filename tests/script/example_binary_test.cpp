// The real executable over the bundled example gamebook.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

struct BinaryRun {
  int Status = -1;
  std::vector<nlohmann::json> Lines;
};

BinaryRun RunBinary(const std::string& arguments, const std::string& script) {
  WriteBytes("script.txt", script);
  const std::string command =
      std::string("'") + QUARVELIN_BINARY + "' " + arguments + " < script.txt > out.txt 2> err.txt";
  const int raw = std::system(command.c_str());
  BinaryRun run;
  run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream out(ReadBytes("out.txt"));
  std::string line;
  while (std::getline(out, line)) {
    if (line.starts_with("{")) run.Lines.push_back(nlohmann::json::parse(line));
  }
  return run;
}

std::string ExampleFolder() {
  const char* source = std::getenv("QUARVELIN_SOURCE_DIR");
  return source ? std::string(source) + "/examples/minimal" : std::string();
}

TEST(ExampleBinaryTest, PlaysTheBundledGamebook) {
  const std::string example = ExampleFolder();
  if (example.empty()) GTEST_SKIP() << "QUARVELIN_SOURCE_DIR is not set";
  TempWorkDir dir;
  const BinaryRun run = RunBinary("script - --seed 3 -C '" + example + "'",
                                  "new-game\ndump\nchoose 2\nclick-text 2\ntick\ndump\n"
                                  "choose 1\nchoose 1\ndump\nbutton konec\n");
  ASSERT_EQ(run.Status, 0);
  ASSERT_EQ(run.Lines.size(), 4u);
  EXPECT_EQ(run.Lines[0]["location"], 1);
  EXPECT_EQ(run.Lines[0]["state"]["name"], "Poutník");
  ASSERT_EQ(run.Lines[0]["options"].size(), 2u);
  EXPECT_EQ(run.Lines[0]["options"][0]["text"], "Jít po pěšině");
  // The brook's link leads to the key.
  EXPECT_EQ(run.Lines[1]["location"], 4);
  EXPECT_EQ(run.Lines[1]["state"]["variables"], nlohmann::json::parse(R"({"1":1,"2":1})"));
  EXPECT_EQ(run.Lines[1]["info"][0]["text"], "Získal jsi klíč.");
  // With the key the lodge opens.
  EXPECT_EQ(run.Lines[2]["location"], 2);
  ASSERT_EQ(run.Lines[2]["texts"].size(), 2u);
  EXPECT_EQ(run.Lines[2]["texts"][1]["colour"], "#FFFF00");
  EXPECT_EQ(run.Lines[3]["ended"], true);
}

TEST(ExampleBinaryTest, PlaysTheBundledGamebookInTheTerminal) {
  const std::string example = ExampleFolder();
  if (example.empty()) GTEST_SKIP() << "QUARVELIN_SOURCE_DIR is not set";
  TempWorkDir dir;
  const BinaryRun run = RunBinary("text '" + example + "'", "1\n2\nt 1\nq\n");
  EXPECT_EQ(run.Status, 0);
  const std::string out = ReadBytes("out.txt");
  EXPECT_NE(out.find("  1. Jít po pěšině\n"), std::string::npos) << out;
  EXPECT_NE(out.find("nová: Získal jsi klíč.\n"), std::string::npos) << out;
  EXPECT_TRUE(out.ends_with("Konec.\n")) << out;
}

TEST(ExampleBinaryTest, CommandLineErrors) {
  TempWorkDir dir;
  EXPECT_EQ(RunBinary("script - --screen big", "dump\n").Status, 2);
  EXPECT_EQ(RunBinary("script missing.txt", "").Status, 2);
  EXPECT_EQ(RunBinary("play", "").Status, 1);
  EXPECT_EQ(RunBinary("text one two", "").Status, 2);
  EXPECT_EQ(RunBinary("text missing-folder", "").Status, 1);
  EXPECT_EQ(RunBinary("--help", "").Status, 0);
  const std::string help = ReadBytes("out.txt");
  for (const char* command : {"play", "script", "text", "help"}) {
    EXPECT_NE(help.find(std::string("  ") + command), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace qv
