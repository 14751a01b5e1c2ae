// Gamebooks read from a zip archive: the archive is checked whole, hostile
// entries refuse it with a message naming them, and its files read like a
// folder's.
#include "data/zip_book.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "zip_writer.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const std::vector<ContainedEntry>& entries) {
  std::vector<std::string> names;
  for (const ContainedEntry& entry : entries) names.push_back(entry.Name);
  std::sort(names.begin(), names.end());
  return names;
}

std::string Refusal(const std::vector<ZipEntry>& entries) {
  WriteZip("book.zip", entries);
  auto opened = ZipBook::Open("book.zip");
  const auto* message = std::get_if<std::string>(&opened);
  return message ? *message : "(opened)";
}

TEST(ZipBookTest, ReadsTheBookInsideItsOneTopFolder) {
  TempWorkDir dir;
  WriteZip("mlyn.zip", {{"mlyn/", "", {}},
                        {"mlyn/data/inicializace.qvl", "record", {}},
                        {"mlyn/data/knihovny/sen.qvl", "sen", {}},
                        {"mlyn/grafika/skin.ini", "[skin]", S_IFREG | 0644}});
  auto opened = ZipBook::Open("mlyn.zip");
  ASSERT_TRUE(std::holds_alternative<ZipBook>(opened)) << std::get<std::string>(opened);
  const ZipBook& book = std::get<ZipBook>(opened);
  EXPECT_EQ(book.Kind("data"), EntryKind::Directory);
  EXPECT_EQ(book.Kind("data/knihovny"), EntryKind::Directory);
  EXPECT_EQ(book.Kind("data/inicializace.qvl"), EntryKind::File);
  EXPECT_EQ(book.Kind("mlyn"), EntryKind::Missing);
  EXPECT_EQ(book.Kind("data/chybi.qvl"), EntryKind::Missing);
  EXPECT_EQ(Names(book.List("data")), (std::vector<std::string>{"inicializace.qvl", "knihovny"}));
  EXPECT_EQ(Names(book.List("")), (std::vector<std::string>{"data", "grafika"}));
  EXPECT_EQ(book.Folders(), (std::vector<std::string>{"data", "data/knihovny", "grafika"}));
  EXPECT_EQ(book.Read("grafika/skin.ini", 100), "[skin]");
  EXPECT_EQ(book.Read("grafika/skin.ini", 5), std::nullopt);  // larger than allowed

  const FileDescriptor fd = book.OpenFile("data/knihovny/sen.qvl");
  ASSERT_TRUE(fd);
  char bytes[8] = {};
  EXPECT_EQ(ReadUpTo(fd.Get(), bytes, sizeof bytes), 3u);
  EXPECT_EQ(std::string(bytes), "sen");
  EXPECT_FALSE(book.OpenFile("data"));
}

TEST(ZipBookTest, HostileEntriesRefuseTheWholeArchiveNamingTheEntry) {
  TempWorkDir dir;
  const std::string file = "data/inicializace.qvl";
  EXPECT_EQ(Refusal({{file, "r", {}}, {"../evil.qvl", "x", {}}}),
            "book.zip: the entry '../evil.qvl' holds '..'");
  EXPECT_EQ(Refusal({{file, "r", {}}, {"data/../../evil", "x", {}}}),
            "book.zip: the entry 'data/../../evil' holds '..'");
  EXPECT_EQ(Refusal({{"/etc/cron.d/evil", "x", {}}}),
            "book.zip: the entry '/etc/cron.d/evil' is an absolute path");
  EXPECT_EQ(Refusal({{"data\\evil.qvl", "x", {}}}),
            "book.zip: the entry 'data\\evil.qvl' holds a backslash");
  EXPECT_EQ(Refusal({{"data//x.qvl", "x", {}}}),
            "book.zip: the entry 'data//x.qvl' has an empty path component");
  EXPECT_EQ(Refusal({{file, "r", {}}, {"data/data.qvl", "/etc/passwd", S_IFLNK | 0777}}),
            "book.zip: the entry 'data/data.qvl' is a symbolic link");
  EXPECT_EQ(Refusal({{"data/fifo", "", S_IFIFO | 0644}}),
            "book.zip: the entry 'data/fifo' is not a regular file");
  EXPECT_EQ(Refusal({{"data/x", "1", {}}, {"data/x/", "", {}}}),
            "book.zip: the entry 'data/x' appears twice");
}

TEST(ZipBookTest, WhatIsNoArchiveIsRefused) {
  TempWorkDir dir;
  WriteBytes("plain.zip", "this is no archive");
  auto opened = ZipBook::Open("plain.zip");
  ASSERT_TRUE(std::holds_alternative<std::string>(opened));
  EXPECT_TRUE(std::get<std::string>(opened).starts_with("plain.zip is not a readable zip archive: "))
      << std::get<std::string>(opened);

  WriteZip("real.zip", {{"data/inicializace.qvl", "r", {}}});
  fs::create_symlink("real.zip", "link.zip");
  opened = ZipBook::Open("link.zip");
  ASSERT_TRUE(std::holds_alternative<std::string>(opened));
  EXPECT_TRUE(std::get<std::string>(opened).starts_with("cannot open link.zip: "));

  fs::create_directory("folder.zip");
  opened = ZipBook::Open("folder.zip");
  ASSERT_TRUE(std::holds_alternative<std::string>(opened));
  EXPECT_EQ(std::get<std::string>(opened), "folder.zip is not a regular file");
}

}  // namespace
}  // namespace qv
