// The whole engine on a big adversarial gamebook: a new game started and
// its first page shown through the headless runner, as a player's first
// click does it (constants, catalogs, libraries, the location store, the
// scanner and the interpreter on one page).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "book_folder.h"
#include "data/init_record.h"
#include "data/temp_work_dir.h"
#include "growth.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "support/gamebook_fixture.h"

namespace qv::linear {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kScript = "new-game\ndump\nchoose 1\ndump\n";

class EngineGrowth : public ::testing::Test {
 protected:
  // files(size) are the gamebook's data files besides the initialization
  // record.
  template <class Files>
  void Check(const std::string& what, Files files) {
    const auto make = [&](std::size_t size) {
      BookFiles book = files(size);
      book["data/inicializace.qvl"] = TestInitRecord().EncodeToBytes();
      return WriteBook("engine" + std::to_string(size), book);
    };
    const auto read = [](const fs::path& folder) {
      InFolder in(folder);
      std::istringstream script{std::string(kScript)};
      std::ostringstream out;
      ScriptOptions options;
      options.Seed = 1;
      RunScript(script, out, options);
    };
    ExpectLinearGrowth("engine: " + what, make, read);
  }

  // A book whose location 1 is `page`, with a way on to location 2.
  static BookFiles Page(std::string page) {
    return {{"data/data.qvl",
             Cz("<1><menu t=\"Dál\" x=\"2\">") + std::move(page) + "<2><text obsah=\"konec\">"}};
  }

  TempWorkDir dir_;
};

TEST_F(EngineGrowth, HostilePages) {
  Check("a page of < without >", [](std::size_t size) { return Page(Repeat("<", size)); });
  Check("a page of blocks without ]", [](std::size_t size) { return Page(Repeat("[a[/", size)); });
  Check("a page of blocks nested deep", [](std::size_t size) {
    return Page(Repeat("[1 = \"0\"]", size / 2) + "<text obsah=\"x\">" + Repeat("[/]", size / 2));
  });
  Check("a page of thousands of tags", [](std::size_t size) {
    return Page(Repeat("[ZIVOTY 0 > \"1\"]<text obsah=\"$5 $zivoty\" barva=\"red\">[/]", size));
  });
  Check("a page with one long text of references",
        [](std::size_t size) { return Page("<text obsah=\"" + Repeat("$retezec1 $5 ", size) + "\">"); });
  Check("a text of one long word", [](std::size_t size) { return Page("<text obsah=\"" + Repeat("w", size) + "\">"); });
  Check("a text of short words and line breaks",
        [](std::size_t size) { return Page("<text obsah=\"" + Repeat("ab cd\r\n", size) + "\">"); });
  Check("an option with a long label", [](std::size_t size) {
    return Page("<menu t=\"" + Repeat(Cz("Dál "), size) + "\" x=\"2\">");
  });
}

TEST_F(EngineGrowth, HostileFiles) {
  Check("thousands of locations", [](std::size_t size) {
    std::string data;
    for (int n = 1; data.size() < size; ++n) {
      data += "<" + std::to_string(n) + Cz("><menu t=\"Dál\" x=\"") + std::to_string(n + 1) + "\">";
    }
    return BookFiles{{"data/data.qvl", data}};
  });
  Check("hundreds of constants used all over the book", [](std::size_t size) {
    std::string konstanty;
    std::string names;
    for (int i = 0; i < 300; ++i) {
      konstanty += "KONST" + std::to_string(i) + " " + std::to_string(i) + "\n";
      names += "KONST" + std::to_string(i) + " ";
    }
    BookFiles book = Page("<text obsah=\"" + Repeat(names, size) + "\">");
    book["data/konstanty.qvl"] = konstanty;
    return book;
  });
  Check("many distinct libraries, a file each", [](std::size_t size) {
    BookFiles book;
    std::string page;
    // A file per library: a thirty-second of the usual sizes keeps the
    // folder to some thousands of files.
    for (int i = 0; page.size() < size / 32; ++i) {
      const std::string name = "k" + std::to_string(i);
      book["data/knihovny/" + name + ".qvl"] = "<text obsah=\"" + name + "\">";
      page += "#knihovna_" + name + ";";
    }
    book["data/data.qvl"] = Page(page).at("data/data.qvl");
    return book;
  });
  Check("catalogs and shop of long lines", [](std::size_t size) {
    BookFiles book = Page("<obchod cislo=\"1\">");
    const std::string entries = Repeat(", sila+1, [SILA 0 > \"1\"]", size / 4);
    book["data/zbrane.qvl"] = Cz("1 \"Meč\" \"ostrý\" 1k6, 1, 10") + entries;
    book["data/predmety.qvl"] = "1 \"a\" \"b\" 1, vzdy" + entries;
    book["data/kouzla.qvl"] = "1 \"a\" \"b\" 1" + entries;
    book["data/utoky.qvl"] = "1 \"a\" \"b\" \"c\" \"d\" \"e\" 1, 1, #sila, #zbran" + entries;
    book["data/obchod.qvl"] = "1" + Repeat(",zbran1,predmet1", size / 4 / 16);
    return book;
  });
}

}  // namespace
}  // namespace qv::linear
