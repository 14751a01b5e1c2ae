// The reading comforts through `quarvelin script`: their flags, keys and
// dump keys, and a default run that shows and saves nothing of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

class ComfortScriptTest : public ScriptedGamebook {
 protected:
  void SetUp() override {
    WriteLocations(Cz("<1><text obsah=\"Stojíš u brány.\"><info obsah=\"Našel jsi klíč\">"
                      "<menu t=\"Dál\" x=\"2\"><menu t=\"Zpět\" x=\"1\">"
                      "<2><promenna 5=\"7\"><text obsah=\"Most se houpe.\">"
                      "<save nazev=\"hrdina\"><menu t=\"Dál\" x=\"3\">"
                      "<3><text obsah=\"Tři\"><menu t=\"Zpět\" x=\"2\">"));
  }
  static ScriptOptions With(std::vector<std::string_view> flags) {
    ScriptOptions options;
    for (std::size_t i = 0; i < flags.size(); ++i) {
      const auto taken = ParseComfortFlag(flags, i, options.Comforts);
      i += std::get<std::size_t>(taken) - 1;
    }
    return options;
  }
};

TEST_F(ComfortScriptTest, DefaultRunHasNoComfortKeysAndItsKeysDoNothing) {
  const ScriptResult result =
      // V is left out: pressing it is the opt-in to reading aloud.
      Play("new-game\nkey f5\nkey r\nkey h\nkey shift-c\nchoose 1\nsave hrdina\n"
           "key f9\ndump\nbutton konec\n");
  ASSERT_EQ(result.Status, 0) << result.Last().dump();
  ASSERT_EQ(result.Lines.size(), 2u);
  for (const Json& line : result.Lines) {
    EXPECT_FALSE(line.contains("speech"));
    EXPECT_FALSE(line.contains("history"));
  }
  EXPECT_EQ(result.Lines[0]["location"], 2);
  // Only the gamebook's own save was written.
  std::vector<std::string> saved;
  for (const auto& entry : fs::directory_iterator("save")) saved.push_back(entry.path().filename());
  EXPECT_EQ(saved, std::vector<std::string>{"hrdina.pzv"});
}

TEST_F(ComfortScriptTest, SavedPositionIsTheSameWithEveryComfortOn) {
  const std::string script = "new-game\nchoose 1\nsave hrdina\ndump\n";
  const ScriptResult plain = Play(script, ScriptOptions{});
  const std::string plain_bytes = ReadBytes("save/hrdina.pzv");
  fs::remove_all("save");
  const ScriptResult comforts =
      Play(script, With({"--read-aloud", "--history", "--quick-save", "--continue"}));
  EXPECT_EQ(ReadBytes("save/hrdina.pzv"), plain_bytes);
  ASSERT_EQ(plain_bytes.size(), 1138448u);
  // The dump differs by the two added keys alone.
  Json line = comforts.Last();
  line.erase("speech");
  line.erase("history");
  EXPECT_EQ(line, plain.Last());
  // The history went beside the position, not into it.
  EXPECT_EQ(ReadBytes("save/hrdina.historie"), Cz("@ 1\n| Stojíš u brány.\n> Dál\n"));
}

TEST_F(ComfortScriptTest, HistoryAndSpeechKeys) {
  const ScriptResult result = Play("new-game\ndump\nchoose 1\nnosave\nchoose 1\ndump\n",
                                   With({"--history", "--read-aloud"}));
  ASSERT_EQ(result.Status, 0) << result.Last().dump();
  EXPECT_EQ(result.Lines[0]["history"], Json::array());
  EXPECT_EQ(result.Lines[0]["speech"],
            Json::parse(R"(["Stojíš u brány.", "1. Dál", "2. Zpět", "Našel jsi klíč"])"));
  EXPECT_EQ(result.Lines[1]["history"], Json::parse(R"([
      {"location": 1, "texts": ["Stojíš u brány."], "choice": "Dál"},
      {"location": 2, "texts": ["Most se houpe."], "choice": "Dál"}])"));
  EXPECT_EQ(result.Lines[1]["speech"], Json::parse(R"(["Tři", "1. Zpět"])"));
}

TEST_F(ComfortScriptTest, KeyVShowsSpeechFromThenOn) {
  const ScriptResult result = Play("new-game\ndump\nkey v\ndump\nkey v\ndump\n");
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_FALSE(result.Lines[0].contains("speech"));
  // Messages that came before reading aloud was first turned on are not
  // known to it.
  EXPECT_EQ(result.Lines[1]["speech"], Json::parse(R"(["Stojíš u brány.", "1. Dál", "2. Zpět"])"));
  EXPECT_EQ(result.Lines[2]["speech"], result.Lines[1]["speech"]);
}

TEST_F(ComfortScriptTest, QuickSaveAndLoad) {
  const ScriptResult result =
      Play("new-game\nchoose 1\nnosave\nkey f5\nchoose 1\ndump\nkey f9\ndump\n",
           With({"--quick-save", "--history"}));
  ASSERT_EQ(result.Status, 0) << result.Last().dump();
  EXPECT_EQ(fs::file_size("save/_rychla_pozice.pzv"), 1138448u);
  EXPECT_EQ(result.Lines[0]["location"], 3);
  EXPECT_EQ(result.Lines[0]["history"].size(), 2u);
  // Loaded and shown at once: location 2 anew, its SAVE window open again.
  const Json& loaded = result.Lines[1];
  EXPECT_EQ(loaded["windows"], Json::parse(R"(["menu","game","save"])"));
  EXPECT_EQ(loaded["location"], 2);
  EXPECT_EQ(loaded["state"]["variables"], Json::parse(R"({"5": 7})"));
  EXPECT_EQ(loaded["history"], Json::parse(R"([
      {"location": 1, "texts": ["Stojíš u brány."], "choice": "Dál"}])"));
  EXPECT_EQ(loaded["messages"], Json::array());
  // As in a game restored at the start: no message lines of the game before.
  for (const Json& line : loaded["info"]) EXPECT_EQ(line["text"], "");
}

TEST_F(ComfortScriptTest, QuickLoadWithoutASlotSaysSoAndKeepsTheGame) {
  const ScriptResult result = Play("new-game\nkey f9\ndump\n", With({"--quick-save"}));
  ASSERT_EQ(result.Status, 0) << result.Last().dump();
  EXPECT_EQ(result.Last()["location"], 1);
  ASSERT_EQ(result.Last()["messages"].size(), 1u);
  EXPECT_NE(result.Last()["messages"][0].get<std::string>().find("_rychla_pozice.pzv"),
            std::string::npos);
}

TEST_F(ComfortScriptTest, ContinueSlotIsWrittenOnKonecAndListedFirst) {
  Play("new-game\nchoose 1\nnosave\nbutton konec\n", With({"--continue"}));
  ASSERT_EQ(fs::file_size("save/_pokracovani.pzv"), 1138448u);
  // A newer position of its own name.
  Play("new-game\nchoose 1\nsave novejsi\n");
  const ScriptResult listed = Play("load-list\ndump\nload 1\nbutton pokracovat\ndump\n",
                                   With({"--continue"}));
  ASSERT_EQ(listed.Lines.size(), 2u);
  const Json& entries = listed.Lines[0]["load_list"]["entries"];
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].get<std::string>().starts_with("_pokracovani ["));
  EXPECT_TRUE(entries[1].get<std::string>().starts_with("novejsi ["));
  EXPECT_EQ(listed.Lines[1]["location"], 2);
  // Without the comfort the list is by age alone, and Konec writes nothing.
  const ScriptResult plain = Play("load-list\ndump\n");
  EXPECT_TRUE(plain.Last()["load_list"]["entries"][0].get<std::string>().starts_with("novejsi ["));
  fs::remove("save/_pokracovani.pzv");
  Play("new-game\nbutton konec\n");
  EXPECT_FALSE(fs::exists("save/_pokracovani.pzv"));
}

TEST_F(ComfortScriptTest, TranscriptFlagAndItsFailure) {
  ScriptOptions options = With({"--transcript", "hra.txt"});
  Play("new-game\nchoose 2\nchoose 1\nnosave\n", options);
  EXPECT_EQ(ReadBytes("hra.txt"),
            "[1]\nStojíš u brány.\n\n* Našel jsi klíč\n> Zpět\n\n"
            "[1]\nStojíš u brány.\n\n* Našel jsi klíč\n> Dál\n\n"
            "[2]\nMost se houpe.\n\n");
  const ScriptResult failed = Play("new-game\n", With({"--transcript", "chybi/hra.txt"}));
  EXPECT_EQ(failed.Status, 2);
  // The file is named as the player gave it, from where the player started.
  EXPECT_EQ(failed.Last()["error"], "cannot write the transcript '" +
                                        (std::filesystem::current_path() / "chybi/hra.txt").string() +
                                        "': No such file or directory");
}

}  // namespace
}  // namespace qv
