// A saved position survives whatever happens while a new one is written over
// it: the writer killed at any moment, a full disk, a folder it may not
// write to. Each case runs the writer in a child process, so that killing
// it, limiting its file size or dropping its rights touches nothing else.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/temp_work_dir.h"
#include "state/game_state.h"
#include "state/saved_position.h"
#include "support/czech_text.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A whole record whose location number tells the versions apart.
std::vector<uint8_t> Record(int32_t location) {
  auto state = std::make_unique<GameState>();
  state->World.Location = location;
  return EncodeSavedPosition(*state, {});
}

// Runs BODY in a child process and returns its exit status (-1: it did not
// exit normally). The child leaves through _exit so it never runs the
// parent's test teardown.
int InChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A temporary the writer makes beside NAME: hidden, unique, never ".pzv".
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
  return entry.starts_with("." + name + ".") && entry.ends_with(".tmp");
}

// The names in save/ other than the position itself.
std::vector<std::string> OthersInSaveFolder() {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator("save")) {
    const std::string name = entry.path().filename().string();
    if (name != "hrdina.pzv") others.push_back(name);
  }
  return others;
}

void SleepMicroseconds(long us) {
  timespec pause{us / 1000000, (us % 1000000) * 1000};
  nanosleep(&pause, nullptr);
}

TEST(SaveDurability, KilledWriterLeavesAWholePositionAtTheName) {
  TempWorkDir dir;
  const std::string path = SavedPositionPath("hrdina");
  const std::vector<uint8_t> first = Record(1);
  const std::vector<uint8_t> second = Record(2);
  ASSERT_FALSE(WriteSavedPosition(path, first).has_value());

  // The child writes the second record over and over; it is killed at a
  // different moment each time, most often in the middle of a write.
  std::mt19937 random(12345);
  std::uniform_int_distribution<long> delay(0, 20000);
  int replaced = 0;
  for (int round = 0; round < 25; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (;;) WriteSavedPosition(path, second);
    }
    SleepMicroseconds(delay(random));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);

    const std::vector<uint8_t> now = ReadFile(path);
    ASSERT_TRUE(now == first || now == second) << "round " << round << ": " << now.size()
                                                << " bytes of neither record";
    if (now == second) ++replaced;
    ASSERT_FALSE(WriteSavedPosition(path, first).has_value());
  }
  // Only temporaries of killed writers may remain beside the file.
  for (const std::string& name : OthersInSaveFolder()) {
    EXPECT_TRUE(IsTemporaryOf(name, "hrdina.pzv")) << name;
  }
  // The next save over the leftover temporary still works.
  ASSERT_FALSE(WriteSavedPosition(path, second).has_value());
  EXPECT_EQ(ReadFile(path), second);
  RecordProperty("rounds_replaced", replaced);
}

TEST(SaveDurability, FullDiskIsReportedAndKeepsTheEarlierPosition) {
  TempWorkDir dir;
  const std::string path = SavedPositionPath("hrdina");
  const std::vector<uint8_t> first = Record(1);
  ASSERT_FALSE(WriteSavedPosition(path, first).has_value());

  // Files of the child may not grow beyond 64 KiB, as on a disk that fills
  // up during the write.
  const int status = InChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64 * 1024, 64 * 1024};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
    const auto error = WriteSavedPosition(path, Record(2));
    if (!error) return 11;
    if (error->Message != Cz("Pozici nelze uložit do souboru \"./save/hrdina.pzv\".")) return 12;
    return 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(path), first);
  EXPECT_TRUE(OthersInSaveFolder().empty());  // the partial temporary is gone
}

// A book may ship links where the writer once put its temporary file, or at
// the position's own name; neither is ever written through.
TEST(SaveDurability, LinkedTemporaryOrPositionNameIsNeverWrittenThrough) {
  TempWorkDir dir;
  const std::string path = SavedPositionPath("hrdina");
  fs::create_directories("save");
  std::ofstream("outside.bin") << "mine";
  fs::create_symlink("../outside.bin", path + ".tmp");
  fs::create_symlink("../outside.bin", "save/jiny.pzv");
  ASSERT_FALSE(WriteSavedPosition(path, Record(1)).has_value());
  ASSERT_FALSE(WriteSavedPosition("./save/jiny.pzv", Record(2)).has_value());
  std::ifstream in("outside.bin");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
  EXPECT_TRUE(fs::is_symlink(path + ".tmp"));
  EXPECT_FALSE(fs::is_symlink("save/jiny.pzv"));
  EXPECT_EQ(ReadFile("save/jiny.pzv"), Record(2));
}

TEST(SaveDurability, LinkedSaveFolderIsNotWrittenInto) {
  TempWorkDir dir;
  fs::create_directories("elsewhere");
  fs::create_directory_symlink("elsewhere", "save");
  const auto error = WriteSavedPosition(SavedPositionPath("hrdina"), Record(1));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Message, Cz("Pozici nelze uložit do souboru \"./save/hrdina.pzv\"."));
  EXPECT_TRUE(fs::is_empty("elsewhere"));
}

TEST(SaveDurability, ReadOnlySaveFolderIsReportedAndKeepsTheEarlierPosition) {
  TempWorkDir dir;
  const std::string path = SavedPositionPath("hrdina");
  const std::vector<uint8_t> first = Record(1);
  ASSERT_FALSE(WriteSavedPosition(path, first).has_value());
  fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read |
                                  fs::perms::others_exec);
  fs::permissions("save", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);

  // The superuser may write anywhere; the child gives up those rights first.
  const int status = InChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 10;
    const auto error = WriteSavedPosition(path, Record(2));
    if (!error) return 11;
    if (error->Message != Cz("Pozici nelze uložit do souboru \"./save/hrdina.pzv\".")) return 12;
    const auto again = ReadSavedPosition(path);  // reading is still allowed
    if (!again.ok() || again.Position->World.Location != 1) return 13;
    return 0;
  });
  fs::permissions("save", fs::perms::owner_all);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(path), first);
}

}  // namespace
}  // namespace qv
