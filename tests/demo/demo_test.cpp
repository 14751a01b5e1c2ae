// The demo gamebook of examples/demo: its files are exactly what the
// generator makes, and a scripted playthrough reaches its end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

fs::path SourceDir() {
  const char* source = std::getenv("QUARVELIN_SOURCE_DIR");
  return source ? fs::path(source) : fs::path();
}

int RunCommand(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// The files under the gamebook folders the generator writes, relative to
// `root` (saved positions, settings and listings made by playing are not
// among them).
std::set<std::string> GamebookFiles(const fs::path& root) {
  std::set<std::string> files;
  for (const char* folder : {"data", "grafika", "obrazky", "audio"}) {
    if (!fs::exists(root / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder))
      if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).string());
  }
  return files;
}

class DemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SourceDir().empty()) GTEST_SKIP() << "QUARVELIN_SOURCE_DIR is not set";
    demo_ = SourceDir() / "examples" / "demo";
  }

  // Copies the demo into the working directory, so that playing it writes
  // nothing into the source tree.
  void CopyDemo() {
    for (const std::string& file : GamebookFiles(demo_)) {
      fs::create_directories(fs::path("book" / fs::path(file)).parent_path());
      fs::copy_file(demo_ / file, "book" / fs::path(file));
    }
  }

  std::vector<nlohmann::json> Play(const std::string& script_name, int expected_status = 0) {
    const fs::path script = SourceDir() / "tests" / "demo" / script_name;
    const int status = RunCommand(std::string("'") + QUARVELIN_BINARY + "' script '" + script.string() +
                           "' -C book --seed 4 > out.txt 2> err.txt");
    EXPECT_EQ(status, expected_status) << ReadBytes("out.txt") << ReadBytes("err.txt");
    std::vector<nlohmann::json> lines;
    std::istringstream out(ReadBytes("out.txt"));
    std::string line;
    while (std::getline(out, line)) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  TempWorkDir dir_;
  fs::path demo_;
};

TEST_F(DemoTest, GeneratorRemakesEveryFileByteForByte) {
  const fs::path source = SourceDir() / "tools" / "demo_assets" / "gamebook";
  ASSERT_EQ(RunCommand(std::string("'") + DEMO_ASSETS_BINARY + "' '" + source.string() + "' made"), 0);
  const std::set<std::string> made = GamebookFiles("made");
  EXPECT_EQ(made, GamebookFiles(demo_));
  std::uintmax_t total = 0;
  for (const std::string& file : made) {
    EXPECT_EQ(ReadBytes("made/" + file), ReadBytes((demo_ / file).string())) << file;
    total += fs::file_size("made/" + file);
  }
  EXPECT_LT(total, 2u * 1024 * 1024);
  // Every picture the skin asks for is there, in one of the three formats.
  for (const char* name :
       {"menu", "titulek", "tlacitko_1", "tlacitko_1b", "tlacitko_2", "tlacitko_2b",
        "tlacitko_3", "tlacitko_3b", "tlacitko_4", "tlacitko_4b", "pozadi_postava",
        "pozadi_inventar", "pozadi_bitva", "krizek", "plusko3d", "ok", "ulozit", "neukladat"}) {
    int found = 0;
    for (const char* ext : {".png", ".jpg", ".gif"})
      found += made.count(std::string("grafika/") + name + ext);
    EXPECT_EQ(found, 1) << name;
  }
  EXPECT_EQ(made.count("grafika/smrtcool.jpg"), 1u);
  EXPECT_EQ(fs::file_size("made/data/inicializace.qvl"), 240u);
}

TEST_F(DemoTest, GeneratorRefusesBadArguments) {
  EXPECT_EQ(RunCommand(std::string("'") + DEMO_ASSETS_BINARY + "' > out.txt 2>&1"), 2);
  EXPECT_EQ(RunCommand(std::string("'") + DEMO_ASSETS_BINARY + "' missing-folder made > out.txt 2>&1"), 1);
}

TEST_F(DemoTest, PlaythroughFromTheMenuToTheEnd) {
  CopyDemo();
  std::vector<nlohmann::json> d = Play("playthrough.script");
  ASSERT_EQ(d.size(), 20u);

  // The name entry, the rain's loop and the first attacks.
  EXPECT_EQ(d[0]["location"], 1);
  EXPECT_EQ(d[0]["state"]["name"], "Eliška");
  EXPECT_EQ(d[0]["audio"]["music_kind"], 1);
  EXPECT_EQ(d[0]["audio"]["music_name"], "dest.wav");
  EXPECT_EQ(d[0]["state"]["known"]["attacks"], nlohmann::json::parse("[1, 3]"));
  EXPECT_EQ(d[0]["texts"][2]["text"], "Nebe proťal blesk a zahřmělo.");  // nested libraries
  EXPECT_EQ(d[0]["texts"][3]["text"], "Déšť bubnuje do lopatek mlýnského kola.");
  // The riddle's answer, compared without regard to case.
  EXPECT_EQ(d[1]["state"]["strings"]["1"], "Mlýnské kolo");
  EXPECT_EQ(d[1]["state"]["variables"]["30"], 1);
  EXPECT_EQ(d[1]["options"][0]["text"], "Vstoupit do mlýna");
  EXPECT_EQ(d[1]["texts"].back()["text"], "Eliška · životy 20/20 · mana 4/4 · 6 grošů");
  // The text link found the key, a story object with a picture.
  EXPECT_EQ(d[2]["location"], 5);
  EXPECT_EQ(d[2]["state"]["objects"]["1"]["picture"], "klic.png");
  EXPECT_EQ(d[2]["state"]["zkusenosti"], 14);
  // The picture link showed the map.
  EXPECT_EQ(d[3]["picture"]["file"], "./obrazky/mapa.png");
  EXPECT_EQ(d[4]["location"], 4);
  // The candle's countdown: shown, then run out into the fall.
  EXPECT_EQ(d[5]["location"], 8);
  EXPECT_EQ(d[5]["timer"], "8");
  EXPECT_EQ(d[6]["location"], 13);
  EXPECT_EQ(d[6]["state"]["zivoty"], 17);
  EXPECT_EQ(d[6]["info"][0]["text"], "Ztratil jsi 1 grošů");
  // Equipment: the stick in hand, the apron on, bread eaten, the key's picture.
  EXPECT_EQ(d[7]["state"]["weapon"], 2);
  EXPECT_EQ(d[7]["state"]["armour"], 2);
  EXPECT_EQ(d[7]["state"]["zivoty"], 20);
  EXPECT_EQ(d[7]["picture"]["file"], "./obrazky/klic.png");
  // One raise of strength for 10 XP.
  EXPECT_EQ(d[8]["state"]["sila"], 4);
  EXPECT_EQ(d[8]["state"]["zkusenosti"], 4);
  // The shop: the potion bought, the pepper too dear.
  EXPECT_EQ(d[9]["state"]["penize"], 1);
  EXPECT_EQ(d[9]["shop"]["message"], "Nemáš dostatek peněz!!!");
  EXPECT_EQ(d[9]["state"]["held"]["items"]["2"], 1);
  // Selling at half price: the knife gives 1, the sack nothing.
  EXPECT_EQ(d[10]["state"]["penize"], 2);
  // The ledger: variables, formulas, text slots and location numbers.
  EXPECT_EQ(d[11]["location_label"], "<10>");
  EXPECT_EQ(d[11]["state"]["variables"]["43"], 7);
  EXPECT_EQ(d[11]["state"]["variables"]["44"], 12);
  EXPECT_EQ(d[11]["state"]["variables"]["45"], 15);
  EXPECT_EQ(d[11]["state"]["strings"]["2"], "mlynář Kašpar");
  EXPECT_EQ(d[11]["options"][0]["text"], "Zpět (4)");
  EXPECT_TRUE(fs::exists("book/seznampromennych_nenul.txt"));
  // The dream comes before the stove's page; music pauses, the buttons hide.
  EXPECT_EQ(d[12]["location"], 7);
  EXPECT_TRUE(d[12]["texts"][0]["text"].get<std::string>().starts_with("Zdá se ti o mlynáři Kašpar."));
  EXPECT_EQ(d[12]["state"]["known"]["spells"], nlohmann::json::parse("[1, 2]"));
  EXPECT_EQ(d[12]["audio"]["music_on"], false);
  EXPECT_EQ(d[12]["buttons"]["postava"], false);
  // The cellar is a library of its own.
  EXPECT_EQ(d[13]["state"]["redirect"], "sklep");
  EXPECT_EQ(d[13]["audio"]["music_on"], true);
  // The rat is beaten.
  EXPECT_EQ(d[14]["state"]["combat"]["result"], 2);
  EXPECT_EQ(d[14]["state"]["zkusenosti"], 9);
  EXPECT_EQ(d[14]["info"][0]["text"], "Vyhrál jsi! Za poražení nepřítele získáváš 5 XP");
  // The chest exchanges the knife and the apron; the cellar lets go.
  EXPECT_EQ(d[15]["state"]["armour"], 3);
  EXPECT_EQ(d[15]["state"]["maxzivoty"], 22);
  EXPECT_EQ(d[15]["state"]["held"]["weapons"]["5"], 1);
  EXPECT_EQ(d[15]["state"]["redirect"], "");
  // Saved before the goblin, with his tune playing.
  EXPECT_EQ(d[16]["location"], 11);
  EXPECT_EQ(d[16]["audio"]["music_kind"], 2);
  EXPECT_EQ(d[16]["audio"]["music_name"], "skret.mod");
  EXPECT_EQ(fs::file_size("book/save/mlyn.pzv"), 1138448u);
  // The goblin is beaten with an item, a spell and two attacks.
  EXPECT_EQ(d[17]["state"]["combat"], nlohmann::json::parse(
                                          R"({"result": 2, "hit": 0, "spells": 1, "items": 1})"));
  EXPECT_EQ(d[17]["state"]["variables"]["35"], 2);
  EXPECT_EQ(d[17]["audio"]["music_kind"], 0);
  // Dawn: the new name and the reward; then the end.
  EXPECT_EQ(d[18]["location"], 16);
  EXPECT_EQ(d[18]["state"]["name"], "Eliška ze mlýna");
  EXPECT_EQ(d[18]["state"]["penize"], 12);
  EXPECT_EQ(d[18]["state"]["armour"], 0);
  EXPECT_EQ(d[18]["state"]["start"]["sila"], 5);
  EXPECT_EQ(d[19]["ended"], true);
  EXPECT_EQ(d[19]["location"], 18);
  EXPECT_EQ(d[19]["state"]["held"], nlohmann::json::parse(
                                        R"({"weapons": {}, "armour": {}, "items": {}})"));
  EXPECT_TRUE(d[19]["messages"].empty()) << d[19]["messages"];

  // The saved position resumes at the little door, with the goblin's tune.
  std::vector<nlohmann::json> r = Play("restore.script");
  ASSERT_EQ(r.size(), 4u);
  ASSERT_EQ(r[0]["load_list"]["entries"].size(), 1u);
  EXPECT_TRUE(r[0]["load_list"]["entries"][0].get<std::string>().starts_with("mlyn ["));
  EXPECT_EQ(r[1]["buttons"]["pokracovat"], true);
  EXPECT_EQ(r[1]["audio"]["music_name"], "skret.mod");
  EXPECT_EQ(r[2]["location"], 11);
  EXPECT_EQ(r[2]["state"]["name"], "Eliška");
  EXPECT_EQ(r[2]["state"]["held"]["items"]["2"], 2);
  EXPECT_EQ(r[2]["save"]["name"], "Před skřetem");
  EXPECT_EQ(r[3]["options"][0]["text"], "Postavit se skřetovi");
}

TEST_F(DemoTest, TheMillraceKills) {
  CopyDemo();
  std::vector<nlohmann::json> d = Play("death.script");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0]["location"], 19);
  EXPECT_EQ(d[0]["windows"].back(), "death");
  EXPECT_EQ(d[1]["ended"], true);
}

}  // namespace
}  // namespace qv
