// Damaged, empty and cut-off files of a gamebook played through: what the
// player sees of each.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <fstream>
#include <string>

#include "data/file_bytes.h"
#include "script_run.h"

#if defined(__SANITIZE_ADDRESS__)
#define QV_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_ADDRESS_SANITIZER 1
#endif
#endif

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class BadInputScriptTest : public ScriptedGamebook {
 protected:
  static std::vector<std::string> Texts(const Json& dump) {
    std::vector<std::string> texts;
    for (const Json& t : dump["texts"]) texts.push_back(t["text"]);
    return texts;
  }
  // The start of a PNG of 40 x 30 grey pixels: its signature and its
  // header, and nothing of its pixels.
  static std::string PngHeader() {
    return std::string(
        "\x89PNG\r\n\x1A\n"
        "\x00\x00\x00\x0DIHDR\x00\x00\x00\x28\x00\x00\x00\x1E\x08\x00\x00\x00\x00"
        "\x7B\xB6\x03\x01",
        33);
  }
};

TEST_F(BadInputScriptTest, EmptyLocationFileEndsTheGameAtLocationOne) {
  WriteLocations("");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["ended"], true);
  EXPECT_EQ(result.Last()["messages"], Json::parse(R"(["Nenalezeno lokace <1>"])"));
}

TEST_F(BadInputScriptTest, EndOfTextByteEndsTheLocationFile) {
  WriteLocations(std::string("<1><text obsah=\"a\">\x1A<text obsah=\"b\"><2>", 40));
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(Texts(result.Last()), std::vector<std::string>{"a"});
  EXPECT_TRUE(result.Last()["messages"].empty());
}

TEST_F(BadInputScriptTest, EmptyLocationIsAnEmptyPage) {
  WriteLocations("<1><2><text obsah=\"b\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  const Json& page = result.Last();
  EXPECT_EQ(page["location"], 1);
  EXPECT_TRUE(page["texts"].empty());
  EXPECT_TRUE(page["pictures"].empty());
  EXPECT_TRUE(page["options"].empty());
  EXPECT_TRUE(page["messages"].empty());
  EXPECT_FALSE(page["ended"].get<bool>());
}

TEST_F(BadInputScriptTest, EmptyCatalogsShopAndConstantsFilesHoldNothing) {
  for (const char* name :
       {"zbrane", "zbroje", "predmety", "kouzla", "utoky", "obchod", "konstanty"}) {
    WriteDataFile(name, "");
  }
  WriteLocations("<1><text obsah=\"JMENO\"><obchod>");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Lines.size(), 1u);
  const Json& shop = result.Last();
  EXPECT_TRUE(shop["messages"].empty());
  EXPECT_EQ(shop["windows"], Json::parse(R"(["menu","game","shop"])"));
  EXPECT_TRUE(shop["shop"]["rows"].empty());
  EXPECT_EQ(Texts(shop), std::vector<std::string>{"JMENO"});
}

TEST_F(BadInputScriptTest, CatalogLineNotStartingWithADigitStopsTheFileWithTheConversionMessage) {
  WriteDataFile("zbrane",
                "1 \"A\" \"a\" 1k6, 1, 1;\r\n"
                " 2 \"B\" \"b\" 1k6, 1, 1;\r\n");
  WriteLocations("<1><text obsah=\"a\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(result.Last()["messages"], Json::array({"'' is not a valid integer value"}));
  EXPECT_FALSE(result.Last()["ended"].get<bool>());
}

TEST_F(BadInputScriptTest, ConstantsLastLineWithoutLineEndCounts) {
  WriteDataFile("konstanty", "CIL 2\r\nJMENO Karel");
  WriteLocations("<1><text obsah=\"JMENO\"><menu t=\"D\xE1l\" x=\"CIL\"><2>");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(Texts(result.Last()), std::vector<std::string>{"Karel"});
  EXPECT_EQ(result.Last()["options"][0]["target"], 2);
}

TEST_F(BadInputScriptTest, EmptyLibraryMakesItsReferencesDisappear) {
  WriteBytes("data/knihovny/prazdna.qvl", "");
  WriteLocations("<1><text obsah=\"a#knihovna_prazdna;b\">#knihovna_prazdna;<text obsah=\"c\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(Texts(result.Last()), (std::vector<std::string>{"ab", "c"}));
  EXPECT_TRUE(result.Last()["messages"].empty());
}

TEST_F(BadInputScriptTest, EmptyScrambledFileFailsTheCheck) {
  InitRecord record = TestInitRecord();
  record.CheckString = EncodeCheckString("Kniha");
  WriteInitRecord(record);
  WriteBytes("data/zasifrovane/data.qvl", Scramble("Kniha", "<1><text obsah=\"a\">"));
  WriteBytes("data/zasifrovane/zbrane.qvl", "");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(result.Last()["messages"], Json::parse(R"(["Chybné soubory - zbrane.qvl !"])"));
  EXPECT_EQ(Texts(result.Last()), std::vector<std::string>{"a"});
}

TEST_F(BadInputScriptTest, EmptyScrambledFileWithoutACheckStringIsAnEmptyFile) {
  // Nothing to compare: the missing filler byte ends the empty body.
  WriteBytes("data/zasifrovane/data.qvl", Scramble("", "<1><text obsah=\"a\">"));
  WriteBytes("data/zasifrovane/konstanty.qvl", "");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_TRUE(result.Last()["messages"].empty());
  EXPECT_EQ(Texts(result.Last()), std::vector<std::string>{"a"});
}

TEST_F(BadInputScriptTest, ShopFileCutOffKeepsTheRowsBeforeTheCut) {
  WriteDataFile("zbrane", "1 \"A\" \"a\" 1k6, 1, 1;\r\n2 \"B\" \"b\" 1k6, 1, 1;\r\n");
  WriteDataFile("obchod", "1, zbran 1, zbran 2, zbr");
  WriteLocations("<1><obchod>");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  const Json& rows = result.Last()["shop"]["rows"];
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0]["name"], "A");
  EXPECT_EQ(rows[1]["name"], "B");
  EXPECT_TRUE(result.Last()["messages"].empty());
}

TEST_F(BadInputScriptTest, EmptyRecordRefusesTheGame) {
  WriteLocations("<1><text obsah=\"a\">");
  WriteBytes("data/inicializace.qvl", "");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Lines.size(), 1u);
  EXPECT_EQ(result.Last()["windows"], Json::parse(R"(["menu"])"));
  const std::string message =
      "Nelze načíst ./data/inicializace.qvl: soubor je kratší než 240 bajtů";
  EXPECT_EQ(result.Last()["messages"], Json::array({message, message}));
}

TEST_F(BadInputScriptTest, CutOffPictureIsDamagedAndStopsThePage) {
  WriteBytes("obrazky/bez_dat.png", PngHeader());
  WriteBytes("obrazky/pulka.png", PngHeader().substr(0, 20));
  // The pop-up reads the whole picture.
  WriteLocations(
      "<1><text obsah=\"a\"><obrazek soubor=\"bez_dat.png\"><text obsah=\"b\">"
      "<menu t=\"x\" x=\"2\">");
  const ScriptResult popup = Play("new-game\ndump\n");
  ASSERT_EQ(popup.Status, 0) << popup.Last();
  EXPECT_EQ(popup.Last()["messages"],
            Json::array({"Obrázek nelze načíst: ./obrazky/bez_dat.png (poškozený soubor)"}));
  EXPECT_EQ(Texts(popup.Last()), std::vector<std::string>{"a"});
  EXPECT_TRUE(popup.Last()["options"].empty());
  EXPECT_EQ(popup.Last()["windows"], Json::parse(R"(["menu","game"])"));

  // An in-text picture reads its size first: cut inside its header, it
  // stops the page the same way; cut after it, it is placed (and drawn as an
  // empty frame).
  WriteLocations(
      "<1><text obsah=\"c\"><obrazekvtextu soubor=\"bez_dat.png\">"
      "<obrazekvtextu soubor=\"pulka.png\"><text obsah=\"d\">");
  const ScriptResult in_text = Play("new-game\ndump\n");
  ASSERT_EQ(in_text.Status, 0) << in_text.Last();
  EXPECT_EQ(in_text.Last()["messages"],
            Json::array({"Obrázek nelze načíst: ./obrazky/pulka.png (poškozený soubor)"}));
  EXPECT_EQ(Texts(in_text.Last()), std::vector<std::string>{"c"});
  ASSERT_EQ(in_text.Last()["pictures"].size(), 1u);
  EXPECT_EQ(in_text.Last()["pictures"][0]["width"], 40);
  EXPECT_EQ(in_text.Last()["pictures"][0]["height"], 30);
}

TEST_F(BadInputScriptTest, EmptyPictureIsOfUnknownFormat) {
  WriteBytes("obrazky/prazdny.png", "");
  WriteLocations("<1><text obsah=\"a\"><obrazek soubor=\"prazdny.png\"><text obsah=\"b\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(result.Last()["messages"],
            Json::array({"Obrázek nelze načíst: ./obrazky/prazdny.png (neznámý formát)"}));
  EXPECT_EQ(Texts(result.Last()), std::vector<std::string>{"a"});
}

// A whole PNG of `width` x `height` black grey pixels. (Unused where the
// sanitizer skips the one test that needs it.)
[[maybe_unused]] std::string BlackPng(uint32_t width, uint32_t height) {
  const auto u32 = [](uint32_t v) {
    return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  };
  const auto chunk = [&](const std::string& type, const std::string& data) {
    const std::string body = type + data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
    return u32(uint32_t(data.size())) + body + u32(uint32_t(crc));
  };
  const std::string rows((std::size_t{width} + 1) * height, '\0');  // filter 0, black
  uLongf packed_size = compressBound(uLong(rows.size()));
  std::string packed(packed_size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
            reinterpret_cast<const Bytef*>(rows.data()), uLong(rows.size()), 9);
  packed.resize(packed_size);
  return std::string("\x89PNG\r\n\x1A\n", 8) +
         chunk("IHDR", u32(width) + u32(height) + std::string("\x08\x00\x00\x00\x00", 5)) +
         chunk("IDAT", packed) + chunk("IEND", "");
}

TEST_F(BadInputScriptTest, PictureLargerThanTheMemoryLeftIsReported) {
#ifdef QV_ADDRESS_SANITIZER
  GTEST_SKIP() << "the address sanitizer needs more address space than the cap leaves";
#else
  // 32 megapixels, within what a picture may have: 128 MiB once decoded,
  // twice what the player is left.
  WriteBytes("obrazky/velky.png", BlackPng(8192, 4096));
  WriteLocations("<1><text obsah=\"a\"><obrazek soubor=\"velky.png\"><text obsah=\"b\">");
  WriteInitRecord(TestInitRecord());
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    const rlim_t cap = pages * static_cast<unsigned long>(sysconf(_SC_PAGESIZE)) + (64ul << 20);
    const rlimit limit{cap, cap};
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(10);
    const ScriptResult result = RunScriptText("new-game\ndump\n");
    std::ofstream("out.json") << result.Last().dump();
    _exit(result.Status);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  const Json page = Json::parse(ReadBytes("out.json"));
  EXPECT_EQ(page["messages"],
            Json::array({"Obrázek nelze načíst: ./obrazky/velky.png (nedostatek paměti)"}));
  EXPECT_EQ(Texts(page), std::vector<std::string>{"a"});
#endif
}

TEST_F(BadInputScriptTest, SettingsFileShortOrEmptyKeepsTheDefaultsOfItsMissingLines) {
  std::filesystem::create_directories("audio");  // the gamebook has sound
  WriteLocations("<1><text obsah=\"a\">");
  WriteBytes("setup.ini", "False\r\n");
  const Json short_file = Play("new-game\ndump\n").Last()["audio"];
  EXPECT_EQ(short_file, Json::parse(R"({"available":true,"sound_on":false,"music_on":true,
      "sound_volume":64,"music_volume":64,"music_kind":0,"music_name":""})"));
  WriteBytes("setup.ini", "");
  const Json empty_file = Play("new-game\ndump\n").Last()["audio"];
  EXPECT_EQ(empty_file, Json::parse(R"({"available":true,"sound_on":true,"music_on":true,
      "sound_volume":64,"music_volume":64,"music_kind":0,"music_name":""})"));
}

}  // namespace
}  // namespace qv
