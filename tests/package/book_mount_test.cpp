// Entering a gamebook: a folder as before; an archive or a read-only folder
// read through, with every write going to the folder for the player's own
// files and nothing ever written into the book.
#include "data/book_mount.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "data/contained_files.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "zip_writer.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

bool Lists(const std::vector<ContainedEntry>& entries, const std::string& name) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const ContainedEntry& entry) { return entry.Name == name; });
}

// What the player does to a book: reads its files, writes a saved position,
// a temporary copy under data/ and the settings.
void PlayerReadsAndWrites() {
  EXPECT_EQ(KindOfEntry("data"), EntryKind::Directory);
  EXPECT_EQ(KindOfEntry("data/inicializace.qvl"), EntryKind::File);
  EXPECT_EQ(ReadContainedFile("data/inicializace.qvl", 100), "record");
  EXPECT_TRUE(MakeContainedDirectory("save"));
  EXPECT_TRUE(ReplaceContainedFile("save/hrdina.pzv", "saved", Durability::Synced));
  EXPECT_TRUE(MakeContainedDirectory("data/temp"));
  EXPECT_TRUE(ReplaceContainedFile("data/temp/data.qvl", "plain", Durability::Plain));
  EXPECT_TRUE(ReplaceContainedFile("setup.ini", "1\r\n", Durability::Plain));
  const std::vector<ContainedEntry> data = ListContainedDirectory("data");
  EXPECT_TRUE(Lists(data, "inicializace.qvl"));
  EXPECT_TRUE(Lists(data, "temp"));
  EXPECT_EQ(ReadContainedFile("save/hrdina.pzv", 100), "saved");
}

void ExpectWritten(const fs::path& writes) {
  EXPECT_EQ(ReadBytes(writes / "save" / "hrdina.pzv"), "saved");
  EXPECT_EQ(ReadBytes(writes / "data" / "temp" / "data.qvl"), "plain");
  EXPECT_EQ(ReadBytes(writes / "setup.ini"), "1\r\n");
}

TEST(BookMountTest, ArchiveIsReadThroughAndTheWritesGoBesideIt) {
  TempWorkDir dir;
  const fs::path top = dir.path();
  WriteZip("mlyn.zip", {{"data/inicializace.qvl", "record", {}}, {"grafika/skin.ini", "", {}}});
  const std::string archive_bytes = ReadBytes("mlyn.zip");
  {
    auto entered = BookMount::Enter("mlyn.zip");
    ASSERT_TRUE(std::holds_alternative<BookMount>(entered)) << std::get<std::string>(entered);
    EXPECT_TRUE(std::get<BookMount>(entered).ReadThrough());
    EXPECT_EQ(fs::current_path().string(), (top / "mlyn.zip.saves").string());
    PlayerReadsAndWrites();
  }
  ExpectWritten(top / "mlyn.zip.saves");
  EXPECT_EQ(ReadBytes(top / "mlyn.zip"), archive_bytes);
  // Once the book is left, its files are no longer read through.
  EXPECT_EQ(KindOfEntry("data/inicializace.qvl"), EntryKind::Missing);
  EXPECT_EQ(ReadContainedFile("grafika/skin.ini", 100), std::nullopt);
}

TEST(BookMountTest, ReadOnlyFolderIsReadThroughWithItsOwnWritesFolder) {
  TempWorkDir dir;
  const fs::path top = dir.path();
  fs::create_directories("demo/data");
  fs::create_directories("demo/grafika");
  WriteBytes("demo/data/inicializace.qvl", "record");
  fs::create_symlink("/etc/passwd", "demo/data/data.qvl");
  {
    auto entered = BookMount::Enter("demo", top / "player" / "demo");
    ASSERT_TRUE(std::holds_alternative<BookMount>(entered)) << std::get<std::string>(entered);
    EXPECT_EQ(fs::current_path().string(), (top / "player" / "demo").string());
    PlayerReadsAndWrites();
    // A link in the book is no file of it.
    EXPECT_NE(KindOfEntry("data/data.qvl"), EntryKind::File);
    EXPECT_EQ(ReadContainedFile("data/data.qvl", 1 << 20), std::nullopt);
  }
  ExpectWritten(top / "player" / "demo");
  EXPECT_FALSE(fs::exists(top / "demo" / "save"));
  EXPECT_FALSE(fs::exists(top / "demo" / "setup.ini"));
}

TEST(BookMountTest, RefusalsLeaveTheWorkingDirectoryAlone) {
  TempWorkDir dir;
  const fs::path top = dir.path();
  auto entered = BookMount::Enter("nowhere");
  ASSERT_TRUE(std::holds_alternative<std::string>(entered));
  EXPECT_EQ(std::get<std::string>(entered),
            "cannot change to the gamebook folder 'nowhere': No such file or directory");

  WriteZip("evil.zip", {{"data/inicializace.qvl", "r", {}}, {"../../x", "x", {}}});
  entered = BookMount::Enter("evil.zip");
  ASSERT_TRUE(std::holds_alternative<std::string>(entered));
  EXPECT_EQ(std::get<std::string>(entered), "evil.zip: the entry '../../x' holds '..'");
  EXPECT_FALSE(fs::exists("evil.zip.saves"));

  // A link standing where the writes would go is not followed.
  WriteZip("mlyn.zip", {{"data/inicializace.qvl", "r", {}}});
  fs::create_directory("elsewhere");
  fs::create_directory_symlink("elsewhere", "mlyn.zip.saves");
  entered = BookMount::Enter("mlyn.zip");
  ASSERT_TRUE(std::holds_alternative<std::string>(entered));
  EXPECT_TRUE(std::get<std::string>(entered).starts_with("cannot use the folder 'mlyn.zip.saves'"))
      << std::get<std::string>(entered);
  EXPECT_TRUE(fs::is_empty("elsewhere"));
  EXPECT_EQ(fs::current_path().string(), top.string());
}

}  // namespace
}  // namespace qv
