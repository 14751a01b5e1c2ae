// A save that the disk refuses is reported and play goes on.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

class SaveFailureScriptTest : public ScriptedGamebook {};

TEST_F(SaveFailureScriptTest, FullDiskDuringSaveIsReportedAndPlayGoesOn) {
  WriteLocations(
      "<1><menu t=\"D\xE1l\" x=\"2\">"
      "<2><save nazev=\"hrdina\"><menu t=\"D\xE1l\" x=\"3\">"
      "<3><text obsah=\"t\xF8i\">");
  WriteInitRecord(TestInitRecord());
  // The game runs in a child whose files may not grow past 64 KiB, as on a
  // disk that fills up while the position is written.
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64 * 1024, 64 * 1024};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(10);
    const ScriptResult result =
        Play("new-game\nchoose 1\nsave hrdina\ndump\nnosave\nchoose 1\ndump\n");
    if (result.Status != 0 || result.Lines.size() != 2) _exit(11);
    if (result.Lines[0]["windows"] != Json::parse(R"(["menu","game","save"])")) _exit(12);
    if (result.Lines[0]["messages"] !=
        Json::parse(R"(["Pozici nelze uložit do souboru \"./save/hrdina.pzv\"."])")) {
      _exit(13);
    }
    if (result.Lines[1]["windows"] != Json::parse(R"(["menu","game"])")) _exit(14);
    if (result.Lines[1]["location"] != 3 || result.Lines[1]["ended"].get<bool>()) _exit(15);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(fs::exists("save/hrdina.pzv"));
  EXPECT_TRUE(fs::is_empty("save"));  // no temporary left behind
}

// The real program in a child process whose files may not grow past
// 64 KiB: far less than a saved position, far more than its dump lines.
TEST_F(SaveFailureScriptTest, FileSizeLimitDuringSaveIsReportedAndPlayGoesOn) {
  WriteLocations(
      "<1><save nazev=\"hrdina\"><menu t=\"D\xE1l\" x=\"2\">"
      "<2><text obsah=\"dva\">");
  WriteInitRecord(TestInitRecord());
  WriteBytes("script.txt", "new-game\nsave hrdina\ndump\nnosave\nchoose 1\ndump\n");
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const rlimit limit{64 * 1024, 64 * 1024};
    const int out = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0 || out < 0 || dup2(out, STDOUT_FILENO) < 0) _exit(127);
    // The limit's signal as a shell leaves it to the programs it starts.
    std::signal(SIGXFSZ, SIG_DFL);
    execl(QUARVELIN_BINARY, "quarvelin", "script", "script.txt", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);

  std::vector<Json> lines;
  std::istringstream printed(ReadBytes("out.txt"));
  for (std::string line; std::getline(printed, line);) lines.push_back(Json::parse(line));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["windows"], Json::parse(R"(["menu","game","save"])"));
  EXPECT_EQ(lines[0]["messages"],
            Json::parse(R"(["Pozici nelze uložit do souboru \"./save/hrdina.pzv\"."])"));
  EXPECT_EQ(lines[1]["location"], 2);
  EXPECT_FALSE(lines[1]["ended"].get<bool>());
  EXPECT_FALSE(fs::exists("save/hrdina.pzv"));
}

}  // namespace
}  // namespace qv
