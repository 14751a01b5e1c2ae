// The command line of the quarvelin executables: help and version on every
// command, one rule for exit statuses, errors as text except for `script`,
// and headless commands that map no display or sound library.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct BinaryResult {
  int Status = -1;
  std::string Out;
  std::string Err;
};

BinaryResult Quarvelin(const std::string& arguments, const std::string& input = "") {
  WriteBytes("in.txt", input);
  const std::string command =
      std::string("'") + QUARVELIN_BINARY + "' " + arguments + " < in.txt > out.txt 2> err.txt";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes("out.txt"), ReadBytes("err.txt")};
}

TEST(CommandLine, VersionAndHelpOnEveryCommand) {
  TempWorkDir dir;
  const BinaryResult version = Quarvelin("--version");
  EXPECT_EQ(version.Status, 0);
  EXPECT_TRUE(version.Out.starts_with("quarvelin ")) << version.Out;
  for (const std::string command :
       {"play", "script", "text", "init", "scramble", "unscramble", "check", "save"}) {
    const BinaryResult help = Quarvelin(command + " --help");
    EXPECT_EQ(help.Status, 0) << command;
    EXPECT_NE(help.Out.find("\n  " + command + " "), std::string::npos) << help.Out;
    EXPECT_NE(help.Out.find("exit status: 0 done, 1 the gamebook"), std::string::npos) << command;
  }
  EXPECT_EQ(Quarvelin("text -h").Out, Quarvelin("text --help").Out);
  for (const std::string command : {"script", "check"}) {
    const BinaryResult command_version = Quarvelin(command + " --version");
    EXPECT_EQ(command_version.Status, 0) << command;
    EXPECT_EQ(command_version.Out, version.Out) << command;
  }
  // Only the lines of that command: the others stay in --help.
  const BinaryResult check = Quarvelin("check --help");
  EXPECT_EQ(check.Out.find("  scramble"), std::string::npos) << check.Out;
  const BinaryResult all = Quarvelin("--help");
  EXPECT_NE(all.Out.find("  scramble"), std::string::npos);
  EXPECT_NE(all.Out.find("  --version"), std::string::npos);
}

TEST(CommandLine, ErrorsOfInteractiveCommandsAreTextOnStandardError) {
  TempWorkDir dir;
  const BinaryResult unknown = Quarvelin("frobnicate");
  EXPECT_EQ(unknown.Status, 2);
  EXPECT_EQ(unknown.Out, "");
  EXPECT_EQ(unknown.Err,
            "quarvelin: unknown command 'frobnicate'\n(quarvelin --help lists the commands)\n");
  const BinaryResult unknown_help = Quarvelin("frobnicate --help");
  EXPECT_EQ(unknown_help.Status, 2);
  EXPECT_EQ(unknown_help.Out, "");

  const BinaryResult play = Quarvelin("play --bogus");
  EXPECT_EQ(play.Status, 2);
  EXPECT_EQ(play.Out, "");
  EXPECT_EQ(play.Err, "quarvelin: play: unknown option '--bogus'\n(quarvelin --help lists the commands)\n");

  const BinaryResult two = Quarvelin("text one two");
  EXPECT_EQ(two.Status, 2);
  EXPECT_EQ(two.Out, "");
}

TEST(CommandLine, TextRefusesAFolderWithoutAGamebookAsPlayDoes) {
  TempWorkDir dir;
  fs::create_directories("empty");
  const BinaryResult text = Quarvelin("text empty", "1\n");
  EXPECT_EQ(text.Status, 1);
  EXPECT_EQ(text.Out, "");
  EXPECT_NE(text.Err.find("has no data/ folder (quarvelin text DIR plays the gamebook in DIR)\n"),
            std::string::npos)
      << text.Err;

  const BinaryResult missing = Quarvelin("text missing-folder");
  EXPECT_EQ(missing.Status, 1);
  EXPECT_EQ(missing.Out, "");
  EXPECT_TRUE(missing.Err.starts_with("quarvelin: cannot change to the gamebook folder 'missing-folder': "))
      << missing.Err;
}

// The front end hands play over to the desktop executable beside it, which
// refuses the folder in the same words.
TEST(CommandLine, PlayIsHandedOverToTheDesktopExecutableBesideTheFrontEnd) {
  EXPECT_EQ(fs::path(QUARVELIN_DESKTOP_BINARY).parent_path(), fs::path(QUARVELIN_BINARY).parent_path());
  EXPECT_EQ(fs::path(QUARVELIN_DESKTOP_BINARY).filename(), "quarvelin-desktop");
  TempWorkDir dir;
  fs::create_directories("empty");
  const BinaryResult play = Quarvelin("play empty --windowed");
  EXPECT_EQ(play.Status, 1);
  EXPECT_EQ(play.Out, "");
  EXPECT_NE(play.Err.find("has no data/ folder (quarvelin play DIR plays the gamebook in DIR)\n"),
            std::string::npos)
      << play.Err;
}

TEST(CommandLine, ScriptUsageErrorsStayJsonLines) {
  TempWorkDir dir;
  const BinaryResult run = Quarvelin("script - --screen big", "dump\n");
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Out, "{\"error\":\"--screen takes WxH, e.g. 640x480, not 'big'\"}\n");
  EXPECT_EQ(run.Err,
            "quarvelin: --screen takes WxH, e.g. 640x480, not 'big'\n(quarvelin --help lists the commands)\n");
}

// The memory map of a headless child while it waits for its next line.
std::string MapsOfWaitingChild(const std::vector<std::string>& arguments, const std::string& first_input) {
  int to_child[2];
  int from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) return "pipe failed";
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(to_child[0], 0);
    dup2(from_child[1], 1);
    close(to_child[1]);
    close(from_child[0]);
    std::vector<char*> argv{const_cast<char*>(QUARVELIN_BINARY)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(QUARVELIN_BINARY, argv.data());
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  // One answer shows the child has started and run a command.
  const ssize_t written = write(to_child[1], first_input.data(), first_input.size());
  char byte = 0;
  const bool answered = written > 0 && read(from_child[0], &byte, 1) == 1;
  const std::string maps = answered ? ReadBytes("/proc/" + std::to_string(pid) + "/maps") : "no answer";
  close(to_child[1]);
  while (read(from_child[0], &byte, 1) == 1) {
  }
  close(from_child[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return maps;
}

TEST(CommandLine, HeadlessCommandsMapNoDisplaySoundOrTrackerLibrary) {
  const char* source = std::getenv("QUARVELIN_SOURCE_DIR");
  if (source == nullptr) GTEST_SKIP() << "QUARVELIN_SOURCE_DIR is not set";
  TempWorkDir dir;
  const std::string example = std::string(source) + "/examples/minimal";
  for (const auto& [arguments, input] :
       {std::pair<std::vector<std::string>, std::string>{{"script", "-", "-C", example}, "dump\n"},
        {{"text", example}, "\n"}}) {
    const std::string maps = MapsOfWaitingChild(arguments, input);
    EXPECT_NE(maps.find("quarvelin"), std::string::npos) << arguments[0] << ": " << maps;
    for (const char* library : {"libSDL2", "libX11", "libxcb", "libmodplug", "libxmp", "libopenmpt",
                                "libmikmod", "libasound", "libpulse", "libfontconfig"}) {
      EXPECT_EQ(maps.find(library), std::string::npos) << arguments[0] << " maps " << library;
    }
  }
}

}  // namespace
}  // namespace qv
