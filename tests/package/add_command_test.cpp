// quarvelin add: books are copied onto the shelf whole or not at all; links
// inside a folder are left behind and named; a hostile archive, a name
// already on the shelf and what is no gamebook change nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_bytes.h"
#include "data/init_record.h"
#include "data/temp_work_dir.h"
#include "tools/shelf_commands.h"
#include "zip_writer.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct AddRun {
  int Status = 0;
  std::string Out;
  std::string Err;
};

AddRun Add(std::string_view path, const fs::path& shelf) {
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string_view> args{path};
  const int status = RunAddCommand(args, shelf, out, err);
  return {status, out.str(), err.str()};
}

std::string Record(const std::string& title) {
  InitRecord record;
  record.Title = title;
  return record.EncodeToBytes();
}

std::vector<std::string> ShelfNames(const fs::path& shelf) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(shelf)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(AddCommandTest, FolderIsCopiedWithoutItsLinksWhichAreNamed) {
  TempWorkDir dir;
  const fs::path shelf = dir.path() / "share" / "books";
  fs::create_directories("kniha/data/knihovny");
  fs::create_directories("kniha/obrazky");
  WriteBytes("kniha/data/inicializace.qvl", Record("Zahrada"));
  WriteBytes("kniha/data/knihovny/sen.qvl", "sen");
  fs::create_symlink("/etc/passwd", "kniha/data/data.qvl");

  const AddRun run = Add("kniha/", shelf);
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "quarvelin: added \"Zahrada\" to the shelf as " + (shelf / "kniha").string() + "\n");
  EXPECT_EQ(run.Err, "quarvelin add: not copied (a link or special file): kniha/data/data.qvl\n");
  EXPECT_EQ(ReadBytes(shelf / "kniha" / "data" / "knihovny" / "sen.qvl"), "sen");
  EXPECT_TRUE(fs::is_directory(shelf / "kniha" / "obrazky"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(shelf / "kniha" / "data" / "data.qvl")));

  // The same name again changes nothing.
  WriteBytes("kniha/data/knihovny/sen.qvl", "changed");
  const AddRun again = Add("kniha", shelf);
  EXPECT_EQ(again.Status, 1);
  EXPECT_EQ(again.Err, "quarvelin add: kniha is already on the shelf (" + (shelf / "kniha").string() +
                           "); nothing was changed\n");
  EXPECT_EQ(ReadBytes(shelf / "kniha" / "data" / "knihovny" / "sen.qvl"), "sen");
  EXPECT_EQ(ShelfNames(shelf), std::vector<std::string>{"kniha"});
}

TEST(AddCommandTest, ArchiveIsCopiedWholeAndAHostileOneIsRefused) {
  TempWorkDir dir;
  const fs::path shelf = dir.path() / "books";
  WriteZip("mlyn.zip", {{"data/inicializace.qvl", Record("Ml\xFDn"), {}}});
  const AddRun run = Add("mlyn.zip", shelf);
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "quarvelin: added \"Ml\xC3\xBDn\" to the shelf as " + (shelf / "mlyn.zip").string() + "\n");
  EXPECT_EQ(ReadBytes(shelf / "mlyn.zip"), ReadBytes("mlyn.zip"));

  WriteZip("evil.zip", {{"data/inicializace.qvl", Record("Zlo"), {}},
                        {"data/x.qvl", "../../../.bashrc", S_IFLNK | 0777}});
  const AddRun evil = Add("evil.zip", shelf);
  EXPECT_EQ(evil.Status, 1);
  EXPECT_EQ(evil.Err, "quarvelin add: evil.zip: the entry 'data/x.qvl' is a symbolic link\n");
  EXPECT_EQ(ShelfNames(shelf), std::vector<std::string>{"mlyn.zip"});
}

TEST(AddCommandTest, WhatIsNoGamebookIsRefusedWithItsReason) {
  TempWorkDir dir;
  const fs::path shelf = dir.path() / "books";
  fs::create_directories("prazdna");
  WriteBytes("notes.txt", "text");
  WriteZip("bare.zip", {{"readme.txt", "hi", {}}});
  fs::create_directories("kniha/data");
  WriteBytes("kniha/data/inicializace.qvl", Record("K"));
  fs::create_directory_symlink("kniha", "odkaz");

  EXPECT_EQ(Add("prazdna", shelf).Err, "quarvelin add: prazdna has no readable data/inicializace.qvl\n");
  EXPECT_EQ(Add("notes.txt", shelf).Err, "quarvelin add: notes.txt is a file but not a .zip archive\n");
  EXPECT_EQ(Add("bare.zip", shelf).Err, "quarvelin add: bare.zip has no readable data/inicializace.qvl\n");
  EXPECT_EQ(Add("odkaz", shelf).Err,
            "quarvelin add: odkaz is a symbolic link; give the path it leads to\n");
  EXPECT_EQ(Add("missing", shelf).Err, "quarvelin add: missing: No such file or directory\n");
  EXPECT_EQ(Add("..", shelf).Err, "quarvelin add: .. has no name to keep it under\n");
  EXPECT_EQ(Add("mlyn.zip.saves", shelf).Err,
            "quarvelin add: mlyn.zip.saves has a name that ends in .saves, which the shelf keeps for saves\n");
  EXPECT_FALSE(fs::exists(shelf));
}

}  // namespace
}  // namespace qv
