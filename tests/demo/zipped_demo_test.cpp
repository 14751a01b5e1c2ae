// The demo packed in one zip archive plays from the archive exactly as it
// does from its folder; its saved position and its listings go to the
// folder beside the archive, and a later run restores from there.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

int RunShell(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// The dump lines of a run, with the clock's times (the hub shows $CAS)
// blanked, so that two runs compare.
std::string Play(const fs::path& script, const std::string& book) {
  const int status = RunShell(std::string("'") + QUARVELIN_BINARY + "' script '" + script.string() +
                              "' -C '" + book + "' --seed 4 > out.txt 2> err.txt");
  EXPECT_EQ(status, 0) << ReadBytes("err.txt");
  static const std::regex kTime("[0-9]{1,2}:[0-9]{2}:[0-9]{2}");
  return std::regex_replace(ReadBytes("out.txt"), kTime, "HH:MM:SS");
}

TEST(ZippedDemoTest, PlaysFromTheArchiveWithSavesBesideIt) {
  const char* source = std::getenv("QUARVELIN_SOURCE_DIR");
  if (source == nullptr) GTEST_SKIP() << "QUARVELIN_SOURCE_DIR is not set";
  const fs::path demo = fs::path(source) / "examples" / "demo";
  const fs::path scripts = fs::path(source) / "tests" / "demo";
  TempWorkDir dir;
  fs::create_directory("mlyn");
  for (const char* folder : {"data", "grafika", "obrazky", "audio"}) {
    fs::copy(demo / folder, fs::path("mlyn") / folder, fs::copy_options::recursive);
  }
  // Archived as a folder is: everything inside one top-level folder.
  ASSERT_EQ(RunShell("cmake -E tar cf mlyn.zip --format=zip mlyn"), 0);
  const std::string archive = ReadBytes("mlyn.zip");

  const std::string from_archive = Play(scripts / "playthrough.script", "mlyn.zip");
  const std::string from_folder = Play(scripts / "playthrough.script", "mlyn");
  EXPECT_EQ(from_archive, from_folder);
  EXPECT_NE(from_archive.find("\"ended\":true"), std::string::npos) << from_archive;
  EXPECT_EQ(ReadBytes("mlyn.zip.saves/save/mlyn.pzv"), ReadBytes("mlyn/save/mlyn.pzv"));
  EXPECT_TRUE(fs::exists("mlyn.zip.saves/seznampromennych_nenul.txt"));

  EXPECT_EQ(Play(scripts / "restore.script", "mlyn.zip"), Play(scripts / "restore.script", "mlyn"));
  EXPECT_EQ(ReadBytes("mlyn.zip"), archive);
}

}  // namespace
}  // namespace qv
