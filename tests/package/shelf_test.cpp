// The shelf: which books it lists and how, the demo found beside the
// program, and the chooser's keys and mouse.
#include "data/shelf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/init_record.h"
#include "data/temp_work_dir.h"
#include "state/shelf_window.h"
#include "zip_writer.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string Record(const std::string& title, const std::string& author) {
  InitRecord record;
  record.Title = title;
  record.AuthorLine = author;
  return record.EncodeToBytes();
}

void WriteFolderBook(const fs::path& folder, const std::string& title) {
  fs::create_directories(folder / "data");
  WriteBytes(folder / "data" / "inicializace.qvl", Record(title, "Autor"));
}

TEST(ShelfTest, ListsTheDemoFirstThenTheBooksByTitleLeavingOutWhatIsNoBook) {
  TempWorkDir dir;
  const char* source = std::getenv("QUARVELIN_SOURCE_DIR");
  if (source == nullptr) GTEST_SKIP() << "QUARVELIN_SOURCE_DIR is not set";
  const fs::path demo = fs::path(source) / "examples" / "demo";
  const fs::path books = dir.path() / "books";
  WriteFolderBook(books / "zahrada", "Zahrada");
  WriteZip(books / "mlyn.zip",
           {{"mlyn/data/inicializace.qvl", Record("Ml\xFDn", "Jan Nov\xE1k"), {}},
            {"mlyn/grafika/titulek.gif", "GIF89a", {}}});
  fs::create_directories(books / "mlyn.zip.saves" / "save");  // what playing it wrote
  fs::create_directories(books / "notes");                    // no gamebook
  WriteFolderBook(books / ".hidden", "Skryt\xE1");
  WriteFolderBook(dir.path() / "elsewhere", "Jinde");
  fs::create_directory_symlink(dir.path() / "elsewhere", books / "link");
  WriteBytes(books / "broken.zip", "no archive");
  WriteBytes(books / "readme.txt", "text");

  const std::vector<ShelfBook> shelf = ListShelf(books, demo, dir.path() / "demo-saves");
  ASSERT_EQ(shelf.size(), 4u);
  EXPECT_TRUE(shelf[0].Bundled);
  EXPECT_EQ(shelf[0].Title, "Noc ve ml\xFDn\xEC");
  EXPECT_EQ(shelf[0].CoverFile, "grafika/titulek.png");
  EXPECT_FALSE(shelf[0].Cover.empty());
  EXPECT_EQ(shelf[0].WritesFolder.string(), (dir.path() / "demo-saves").string());

  EXPECT_EQ(shelf[1].Title, "Ml\xFDn");
  EXPECT_EQ(shelf[1].Author, "Jan Nov\xE1k");
  EXPECT_TRUE(shelf[1].Archive);
  EXPECT_EQ(shelf[1].CoverFile, "grafika/titulek.gif");
  EXPECT_EQ(shelf[1].Cover, "GIF89a");
  EXPECT_EQ(shelf[1].WritesFolder.string(), (books / "mlyn.zip.saves").string());
  EXPECT_EQ(shelf[2].Title, "Zahrada");
  EXPECT_TRUE(shelf[2].Problem.empty());
  EXPECT_TRUE(shelf[2].Cover.empty());
  // An archive that cannot be read is listed, with the reason, by its name.
  EXPECT_EQ(shelf[3].Title, "broken.zip");
  EXPECT_TRUE(shelf[3].Problem.starts_with((books / "broken.zip").string() +
                                           " is not a readable zip archive"))
      << shelf[3].Problem;
}

TEST(ShelfTest, TheDemoIsFoundBesideTheProgramInstalledOrBuilt) {
  TempWorkDir dir;
  EXPECT_EQ(BundledDemoFolder(dir.path() / "usr" / "bin" / "quarvelin").string(), "");
  WriteFolderBook(dir.path() / "usr" / "share" / "quarvelin" / "demo", "Demo");
  EXPECT_EQ(BundledDemoFolder(dir.path() / "usr" / "bin" / "quarvelin").string(),
            (dir.path() / "usr" / "share" / "quarvelin" / "demo").string());
  WriteFolderBook(dir.path() / "src" / "examples" / "demo", "Demo");
  EXPECT_EQ(BundledDemoFolder(dir.path() / "src" / "build" / "quarvelin").string(),
            (dir.path() / "src" / "examples" / "demo").string());
}

std::vector<ShelfBook> Books(int count) {
  std::vector<ShelfBook> books(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) books[static_cast<std::size_t>(k)].Title = "Kniha " + std::to_string(k);
  return books;
}

TEST(ShelfWindowTest, KeysPickAndScrollAndEnterChooses) {
  ShelfWindow window(Books(8));
  EXPECT_EQ(window.Selected(), 0u);
  window.KeyDown(ShelfKey::Up);  // stays on the first
  EXPECT_EQ(window.Selected(), 0u);
  for (int k = 0; k < 6; ++k) window.KeyDown(ShelfKey::Down);
  EXPECT_EQ(window.Selected(), 6u);
  EXPECT_EQ(window.FirstShown(), 2u);  // the picked row stays in view
  window.KeyDown(ShelfKey::End);
  EXPECT_EQ(window.Selected(), 7u);
  window.KeyDown(ShelfKey::Down);
  EXPECT_EQ(window.Selected(), 7u);
  window.KeyDown(ShelfKey::PageUp);
  EXPECT_EQ(window.Selected(), 2u);
  window.KeyDown(ShelfKey::Home);
  EXPECT_EQ(window.FirstShown(), 0u);
  window.KeyDown(ShelfKey::Enter);
  EXPECT_TRUE(window.IsClosed());
  EXPECT_EQ(window.Chosen(), 0u);
}

TEST(ShelfWindowTest, MouseAndWheelPickRowsAndAClickChooses) {
  ShelfWindow window(Books(8));
  window.MouseWheel(10);
  EXPECT_EQ(window.FirstShown(), 3u);  // the last five shown
  window.MouseWheel(-1);
  EXPECT_EQ(window.FirstShown(), 2u);
  window.RowMouseMove(1);
  EXPECT_EQ(window.Selected(), 3u);
  window.RowMouseMove(ShelfWindow::kRowsShown);  // below the rows: nothing
  EXPECT_EQ(window.BookInRow(ShelfWindow::kRowsShown), std::nullopt);
  EXPECT_EQ(window.Selected(), 3u);
  window.RowClick(4);
  EXPECT_EQ(window.Chosen(), 6u);
}

TEST(ShelfWindowTest, UnplayableBookSaysWhyAndEscapeClosesWithoutABook) {
  std::vector<ShelfBook> books = Books(2);
  books[1].Problem = "rozbit\xC3\xA1.zip is not a readable zip archive";
  ShelfWindow window(books);
  window.RowClick(1);
  EXPECT_FALSE(window.IsClosed());
  EXPECT_EQ(window.Status(),
            "Tento gamebook nelze hr\xE1t: rozbit\xE1.zip is not a readable zip archive");
  window.KeyDown(ShelfKey::Up);
  EXPECT_EQ(window.Status(), "");
  window.KeyDown(ShelfKey::Escape);
  EXPECT_TRUE(window.IsClosed());
  EXPECT_EQ(window.Chosen(), std::nullopt);

  ShelfWindow empty({});
  empty.KeyDown(ShelfKey::Enter);
  empty.KeyDown(ShelfKey::End);
  EXPECT_EQ(empty.Selected(), std::nullopt);
  EXPECT_FALSE(empty.IsClosed());
}

}  // namespace
}  // namespace qv
