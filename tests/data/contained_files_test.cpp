#include "data/contained_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// A gamebook folder inside a scratch folder, with files outside it that a
// hostile gamebook would like to reach.
class ContainedFilesTest : public ::testing::Test {
 protected:
  ContainedFilesTest() {
    fs::create_directories("book/data");
    fs::create_directories("outside");
    WriteBytes("outside/secret.txt", "secret");
    fs::current_path("book");
  }
  std::string Outside(const std::string& name) const {
    return ReadBytes((scratch.path() / "outside" / name).string());
  }
  fs::path OutsidePath(const std::string& name) const { return scratch.path() / "outside" / name; }

  TempWorkDir scratch;
};

TEST_F(ContainedFilesTest, PathsAreCheckedAgainstTheirFirstFolder) {
  const struct {
    const char* Path;
    std::optional<std::string> Checked;
  } cases[] = {
      {"./save/x.pzv", "save/x.pzv"},
      {"data//knihovny/./a.qvl", "data/knihovny/a.qvl"},
      {"data/knihovny/../a.qvl", "data/a.qvl"},
      {"setup.ini", "setup.ini"},
      {"obrazky/../data/data.qvl", std::nullopt},
      {"audio/../../x", std::nullopt},
      {"../x", std::nullopt},
      {"./..", std::nullopt},
      {"/etc/passwd", std::nullopt},
      {"", std::nullopt},
      {".", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ContainedPath(c.Path), c.Checked) << c.Path;
  EXPECT_EQ(ContainedPath(std::string("data/a\0b", 8)), std::nullopt);
}

TEST_F(ContainedFilesTest, ReadsRegularFilesWithinTheSizeAllowed) {
  WriteBytes("data/a.qvl", "abc");
  EXPECT_EQ(ReadContainedFile("./data/a.qvl", 3), "abc");
  EXPECT_EQ(ReadContainedFile("data/a.qvl", 2), std::nullopt);
  EXPECT_EQ(ReadContainedFile("data/missing.qvl", 100), std::nullopt);
  EXPECT_EQ(ReadContainedFile("data", 100), std::nullopt);
  EXPECT_EQ(KindOfEntry("data/a.qvl"), EntryKind::File);
  EXPECT_EQ(KindOfEntry("data"), EntryKind::Directory);
  EXPECT_EQ(KindOfEntry("nothing"), EntryKind::Missing);
}

TEST_F(ContainedFilesTest, LinksAreNeverFollowedForReading) {
  fs::create_symlink(OutsidePath("secret.txt"), "data/link.qvl");
  fs::create_directory_symlink(scratch.path() / "outside", "data/linked");
  fs::create_symlink("a.qvl", "data/inside-link.qvl");
  WriteBytes("data/a.qvl", "abc");
  EXPECT_EQ(ReadContainedFile("data/link.qvl", 100), std::nullopt);
  EXPECT_EQ(ReadContainedFile("data/linked/secret.txt", 100), std::nullopt);
  EXPECT_EQ(ReadContainedFile("data/inside-link.qvl", 100), std::nullopt);
  EXPECT_EQ(KindOfEntry("data/link.qvl"), EntryKind::Other);
  EXPECT_EQ(KindOfEntry("data/linked/secret.txt"), EntryKind::Missing);
  // The walking resolution refuses them too.
  EXPECT_LT(contained_detail::OpenByWalking("data/link.qvl", O_RDONLY, 0), 0);
  EXPECT_LT(contained_detail::OpenByWalking("data/linked/secret.txt", O_RDONLY, 0), 0);
  const int fd = contained_detail::OpenByWalking("data/a.qvl", O_RDONLY, 0);
  EXPECT_GE(fd, 0);
  if (fd >= 0) ::close(fd);
}

TEST_F(ContainedFilesTest, AFifoIsNotReadAndDoesNotBlock) {
  ASSERT_EQ(::mkfifo("data/fifo.qvl", 0600), 0);
  EXPECT_EQ(KindOfEntry("data/fifo.qvl"), EntryKind::Other);
  EXPECT_FALSE(OpenContainedFile("data/fifo.qvl").Valid());
}

TEST_F(ContainedFilesTest, ReplacingALinkWritesBesideItNotThroughIt) {
  fs::create_symlink(OutsidePath("secret.txt"), "setup.ini");
  ASSERT_TRUE(ReplaceContainedFile("setup.ini", "new", Durability::Plain));
  EXPECT_EQ(Outside("secret.txt"), "secret");
  EXPECT_FALSE(fs::is_symlink("setup.ini"));
  EXPECT_EQ(ReadBytes("setup.ini"), "new");
}

TEST_F(ContainedFilesTest, ReplacingLeavesNoTemporaryFileAndKeepsTheOldOnFailure) {
  fs::create_directory("save");
  WriteBytes("save/a.pzv", "old");
  ASSERT_TRUE(ReplaceContainedFile("save/a.pzv", "new", Durability::Synced));
  EXPECT_EQ(ReadBytes("save/a.pzv"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator("save"), fs::directory_iterator()), 1);
  // A folder linked out of the book is not written into.
  fs::create_directory_symlink(scratch.path() / "outside", "linked");
  EXPECT_FALSE(ReplaceContainedFile("linked/secret.txt", "evil", Durability::Plain));
  EXPECT_EQ(Outside("secret.txt"), "secret");
  EXPECT_FALSE(ReplaceContainedFile("missing/a.pzv", "x", Durability::Plain));
  EXPECT_FALSE(fs::exists("missing"));
}

TEST_F(ContainedFilesTest, RemovingAndMakingNeverReachThroughLinks) {
  fs::create_directory_symlink(scratch.path() / "outside", "data/temp");
  EXPECT_FALSE(RemoveContainedFile("data/temp/secret.txt"));
  RemoveContainedDirectoryIfEmpty("data/temp");
  EXPECT_EQ(Outside("secret.txt"), "secret");
  EXPECT_FALSE(MakeContainedDirectory("data/temp"));
  EXPECT_TRUE(MakeContainedDirectory("data/knihovny"));
  EXPECT_TRUE(MakeContainedDirectory("data/knihovny"));
  EXPECT_TRUE(fs::is_directory("data/knihovny"));
  // Removing a link removes the link only.
  EXPECT_TRUE(RemoveContainedFile("data/temp"));
  EXPECT_EQ(Outside("secret.txt"), "secret");
}

TEST_F(ContainedFilesTest, ListingNamesLinksAsOtherEntries) {
  fs::create_directory("save");
  WriteBytes("save/a.pzv", "1");
  fs::create_symlink(OutsidePath("secret.txt"), "save/b.pzv");
  std::vector<ContainedEntry> entries = ListContainedDirectory("./save");
  std::sort(entries.begin(), entries.end(),
            [](const ContainedEntry& a, const ContainedEntry& b) { return a.Name < b.Name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name, "a.pzv");
  EXPECT_EQ(entries[0].Kind, EntryKind::File);
  EXPECT_EQ(entries[1].Kind, EntryKind::Other);
  fs::create_directory_symlink(scratch.path() / "outside", "linked");
  EXPECT_TRUE(ListContainedDirectory("linked").empty());
}

}  // namespace
}  // namespace qv
