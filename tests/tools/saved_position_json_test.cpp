#include "tools/saved_position_json.h"

#include <gtest/gtest.h>

#include "data/file_bytes.h"
#include "state/saved_position.h"
#include "support/gamebook_fixture.h"
#include "tool_test_support.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

class SaveShow : public GamebookFixture {};

TEST_F(SaveShow, APositionTheEngineSavedIsShownFieldByField) {
  WriteLocations("<1><promenna 7=\"42\"><retezec 2=\"\xE8\x61j\"><objekt 3=\"2\" jmeno=\"Kl\xED\xE8\">"
                 "<zbran 1=\"2\"><vychozibarvatextu barva=\"*0000FF\"><m t=\"D\xE1l\" x=\"1\" 5=\"9\">");
  WriteDataFile("zbrane", "1 \"Me\xE8\" \"Ostr\xFD\" 1k6+1, 2, 10, sila+1;\n");
  Start();
  const std::vector<uint8_t> bytes = EncodeSavedPosition(State(), SavedPositionExtras{"les.mp3", 1});
  WriteBytes("save/hrdina.pzv", std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));

  const ToolRun run = RunTool(RunSaveCommand, {"--show", "save/hrdina.pzv"});
  ASSERT_EQ(run.Status, kToolOk) << run.Err;
  const auto json = nlohmann::ordered_json::parse(run.Out);
  // Variables and text slots by their own numbers, only those in use, as the
  // dumps show them; colours as the dumps write them.
  EXPECT_EQ(json["world"]["variables"].dump(), R"({"7":42})");
  EXPECT_EQ(json["world"]["strings"].dump(), R"({"2":"čaj"})");
  EXPECT_EQ(json["world"]["default_text_colour"], "#FF0000");
  EXPECT_EQ(json["world"]["location"], 1);
  EXPECT_EQ(json["world"]["music_name"], "les.mp3");
  EXPECT_EQ(json["world"]["music_kind"], 1);
  EXPECT_EQ(json["world"]["game_title"], "Test");
  EXPECT_EQ(json["world"]["menu_option_count"], 1);
  EXPECT_EQ(json["world"]["menu_options"][0]["text"], "Dál");
  EXPECT_EQ(json["world"]["menu_options"][0]["assignments"][0]["variable"], 5);
  EXPECT_EQ(json["world"]["menu_options"][0]["assignments"][0]["value"], 9);
  EXPECT_EQ(json["character"]["name"], "Hrdina");
  EXPECT_EQ(json["character"]["zivoty"], 20);
  EXPECT_EQ(json["character"]["penize"], 10);
  EXPECT_EQ(json["character"]["raise_cost"]["sila"], 10);
  EXPECT_EQ(json["character"]["current_weapon"]["number"], 1);  // a new game takes weapon 1 in hand
  EXPECT_EQ(json["character"]["current_weapon"]["dice"]["modifier"], 1);
  EXPECT_EQ(json["weapon_count"], 1);
  EXPECT_EQ(json["weapons"][0]["name"], "Meč");
  EXPECT_EQ(json["weapons"][0]["held"], 2);
  EXPECT_EQ(json["object_count"], 3);
  EXPECT_EQ(json["objects"][2]["name"], "Klíč");
  EXPECT_EQ(json["objects"][2]["count"], 2);
  EXPECT_TRUE(json["attacks"].empty());
  // Keys in record order.
  EXPECT_EQ(json.begin().key(), "world");
}

TEST(SaveShowErrors, AWrongSizeIsRefused) {
  TempWorkDir dir;
  WriteBytes("short.pzv", std::string(1000, '\0'));
  const ToolRun run = RunTool(RunSaveCommand, {"--show", "short.pzv"});
  EXPECT_EQ(run.Status, kToolFailed);
  EXPECT_EQ(run.Err, "quarvelin save: short.pzv: 1000 bytes; a saved position has exactly 1138448\n");
  EXPECT_TRUE(run.Out.empty());
  EXPECT_EQ(RunTool(RunSaveCommand, {"short.pzv"}).Status, kToolUsage);
  EXPECT_EQ(RunTool(RunSaveCommand, {"--show", "chybi.pzv"}).Err, "quarvelin save: chybi.pzv: cannot be read\n");
}

}  // namespace
}  // namespace qv
