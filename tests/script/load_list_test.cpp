#include "script/load_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

// Noon of a day of the local calendar, as a file time.
std::filesystem::file_time_type LocalNoon(int year, int month, int day) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const auto system = std::chrono::system_clock::from_time_t(std::mktime(&local));
  return std::chrono::file_clock::from_sys(system);
}

void WriteSave(const std::string& name, std::filesystem::file_time_type modified) {
  const std::filesystem::path path = "save/" + name;
  WriteBytes(path, "x");
  std::filesystem::last_write_time(path, modified);
}

TEST(LoadListTest, NewestFirstWithTheDateInCaptions) {
  TempWorkDir dir;
  WriteSave("hrdina.pzv", LocalNoon(2026, 12, 7));
  WriteSave("starsi.pzv", LocalNoon(2025, 1, 2));
  WriteSave("novy.pzv", LocalNoon(2027, 3, 4));
  WriteSave("poznamky.txt", LocalNoon(2028, 1, 1));        // not a saved position
  std::filesystem::create_directories("save/slozka.pzv");  // nor is a folder

  const std::vector<LoadListEntry> entries = BuildLoadList();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Caption, "novy [04.03.2027]");
  EXPECT_EQ(entries[1].Caption, "hrdina [07.12.2026]");
  EXPECT_EQ(entries[2].Caption, "starsi [02.01.2025]");
  EXPECT_EQ(entries[1].Name, "hrdina");
}

TEST(LoadListTest, NamesOnDiskAreUtf8AndEntriesKeepWindows1250) {
  TempWorkDir dir;
  WriteSave("Ji\xC5\x99\xC3\xAD.pzv", LocalNoon(2026, 1, 1));  // "Jiří.pzv"
  const std::vector<LoadListEntry> entries = BuildLoadList();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "Ji\xF8\xED");
}

TEST(LoadListTest, TwentyNewestShown) {
  TempWorkDir dir;
  for (int day = 1; day <= 25; ++day) {
    WriteSave("pozice" + std::to_string(day) + ".pzv", LocalNoon(2026, 1, day));
  }
  const std::vector<LoadListEntry> entries = BuildLoadList();
  ASSERT_EQ(entries.size(), kLoadListShown);
  EXPECT_EQ(entries.front().Name, "pozice25");
  EXPECT_EQ(entries.back().Name, "pozice6");
}

TEST(LoadListTest, NoSaveFolderNoEntries) {
  TempWorkDir dir;
  EXPECT_TRUE(BuildLoadList().empty());
}

}  // namespace
}  // namespace qv
