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
  // Only a leftover temporary may remain beside the file, never another one.
  for (const auto& entry : fs::directory_iterator("save")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "hrdina.pzv" || name == "hrdina.pzv.tmp") << name;
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
    if (error->Message != "Pozici nelze ulo\x9Eit do souboru \"./save/hrdina.pzv\".") return 12;
    return 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(path), first);
  EXPECT_FALSE(fs::exists(path + ".tmp"));  // the partial temporary is gone
}

TEST(SaveDurability, WriteToAFullDeviceIsReportedAndKeepsTheEarlierPosition) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TempWorkDir dir;
  const std::string path = SavedPositionPath("hrdina");
  const std::vector<uint8_t> first = Record(1);
  ASSERT_FALSE(WriteSavedPosition(path, first).has_value());

  // The temporary file leads to a device on which every write fails with
  // "no space left".
  fs::create_symlink("/dev/full", path + ".tmp");
  const auto error = WriteSavedPosition(path, Record(2));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Message, "Pozici nelze ulo\x9Eit do souboru \"./save/hrdina.pzv\".");
  EXPECT_EQ(ReadFile(path), first);
  EXPECT_TRUE(fs::exists("/dev/full"));
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
    if (error->Message != "Pozici nelze ulo\x9Eit do souboru \"./save/hrdina.pzv\".") return 12;
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
