#include "state/load_list_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/czech_text.h"

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

class LoadListWindowTest : public ::testing::Test {
 protected:
  TempWorkDir dir;
  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  LoadListWindow list{*state};
};

TEST_F(LoadListWindowTest, NewestFirstWithTheDateInCaptions) {
  WriteSave("hrdina.pzv", LocalNoon(2026, 12, 7));
  WriteSave("starsi.pzv", LocalNoon(2025, 1, 2));
  WriteSave("novy.pzv", LocalNoon(2027, 3, 4));
  WriteSave("poznamky.txt", LocalNoon(2028, 1, 1));                 // not a saved position
  WriteSave("hrdina.pzv.tmp", LocalNoon(2028, 1, 1));               // a write cut short
  std::filesystem::create_directories("save/slozka.pzv");           // a folder is none either
  std::filesystem::create_symlink("hrdina.pzv", "save/odkaz.pzv");  // a link is not followed

  list.FormShow();
  ASSERT_EQ(list.Entries.size(), 3u);
  ASSERT_EQ(list.Labels.size(), 3u);
  EXPECT_EQ(list.Labels[0].Caption, "novy [04.03.2027]");
  EXPECT_EQ(list.Labels[1].Caption, "hrdina [07.12.2026]");
  EXPECT_EQ(list.Labels[2].Caption, "starsi [02.01.2025]");
  EXPECT_EQ(list.Entries[1].Name, "hrdina");
  for (int i = 1; i <= 3; ++i) {
    const TLELabel& label = list.Labels[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(label.idx, i);
    EXPECT_EQ(label.Top, 15 * i + 20);
    EXPECT_TRUE(label.HandCursor);
  }
}

std::vector<LoadListEntry> EntriesOfAges(const std::vector<int>& days) {
  std::vector<LoadListEntry> entries;
  for (std::size_t i = 0; i < days.size(); ++i) {
    LoadListEntry entry;
    entry.Name = std::to_string(i);
    entry.Modified = std::filesystem::file_time_type(std::chrono::hours(24 * days[i]));
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::string> NamesOf(const std::vector<LoadListEntry>& entries) {
  std::vector<std::string> names;
  for (const LoadListEntry& entry : entries) names.push_back(entry.Name);
  return names;
}

TEST(LoadListSortTest, EqualAgesEndWhereTheExchangeSortLeavesThem) {
  std::vector<LoadListEntry> entries = EntriesOfAges({1, 2, 2, 3});
  SortNewestFirst(entries);
  EXPECT_EQ(NamesOf(entries), (std::vector<std::string>{"3", "2", "1", "0"}));
}

TEST(LoadListSortTest, AFolderOfHundredsOfThousandsOfPositionsIsSortedWithoutHanging) {
  // Ten ages over 300,000 positions: the exchange sort would compare them
  // 45,000 million times.
  std::vector<int> days;
  for (int i = 0; i < 300000; ++i) days.push_back(i * 7 % 10);
  std::vector<LoadListEntry> entries = EntriesOfAges(days);
  SortNewestFirst(entries);
  ASSERT_EQ(entries.size(), days.size());
  for (std::size_t i = 1; i < entries.size(); ++i) {
    ASSERT_GE(entries[i - 1].Modified, entries[i].Modified) << i;
    if (entries[i - 1].Modified == entries[i].Modified) {
      ASSERT_LT(std::stoi(entries[i - 1].Name), std::stoi(entries[i].Name)) << i;
    }
  }
}

TEST_F(LoadListWindowTest, NamesOnDiskAreUtf8AndEntriesKeepWindows1250) {
  WriteSave("Jiří.pzv", LocalNoon(2026, 1, 1));  // UTF-8 on disk
  list.FormShow();
  ASSERT_EQ(list.Entries.size(), 1u);
  EXPECT_EQ(list.Entries[0].Name, Cz("Jiří"));
  list.LabelMouseEnter(1);
  ASSERT_TRUE(list.LabelClick());
  EXPECT_EQ(state->LoadFileName, Cz("./save/Jiří.pzv"));
}

TEST_F(LoadListWindowTest, EveryPositionIsKeptAndTwentyShownAtATime) {
  // More than a hundred: the oldest must stay loadable.
  for (int n = 1; n <= 120; ++n) {
    WriteSave("pozice" + std::to_string(n) + ".pzv",
              LocalNoon(2020 + (n - 1) / 28, 1 + ((n - 1) % 28) / 3, 1 + (n - 1) % 3 * 9));
  }
  list.FormShow();
  ASSERT_EQ(list.Entries.size(), 120u);
  EXPECT_EQ(list.Entries.front().Name, "pozice120");
  EXPECT_EQ(list.Entries.back().Name, "pozice1");
  for (std::size_t i = 1; i < list.Entries.size(); ++i) {
    EXPECT_GE(list.Entries[i - 1].Modified, list.Entries[i].Modified);
  }
  ASSERT_EQ(list.Labels.size(), LoadListWindow::kShown);
  EXPECT_EQ(list.Labels.back().Caption.substr(0, 10), "pozice101 ");

  list.ScrollTo(1000);  // kept within the list: the last page
  EXPECT_EQ(list.ScrollOffset, 100u);
  ASSERT_EQ(list.Labels.size(), LoadListWindow::kShown);
  EXPECT_EQ(list.Labels.front().idx, 101);
  EXPECT_EQ(list.Labels.front().Top, 35);
  EXPECT_EQ(list.Labels.back().Caption.substr(0, 8), "pozice1 ");

  list.LabelMouseEnter(20);
  ASSERT_TRUE(list.LabelClick());
  EXPECT_TRUE(state->LoadRequested);
  EXPECT_EQ(state->LoadFileName, "./save/pozice1.pzv");
  EXPECT_TRUE(list.IsClosed());
}

TEST_F(LoadListWindowTest, AClickNeedsTheMouseOnAnEntry) {
  WriteSave("hrdina.pzv", LocalNoon(2026, 12, 7));
  list.FormShow();
  EXPECT_FALSE(list.LabelClick());
  list.LabelMouseEnter(1);
  list.LabelMouseLeave();
  EXPECT_FALSE(list.LabelClick());
  EXPECT_FALSE(state->LoadRequested);
  EXPECT_FALSE(list.IsClosed());
  list.LabelMouseEnter(2);  // no such label
  EXPECT_FALSE(list.LabelClick());
  list.FormKeyPress();
  EXPECT_TRUE(list.IsClosed());
}

TEST_F(LoadListWindowTest, NoSaveFolderNoEntries) {
  list.FormShow();
  EXPECT_TRUE(list.Entries.empty());
  EXPECT_TRUE(list.Labels.empty());
  list.ScrollTo(5);
  EXPECT_EQ(list.ScrollOffset, 0u);
}

}  // namespace
}  // namespace qv
