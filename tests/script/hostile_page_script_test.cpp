// Pages that push the engine's limits: variable numbers outside 1..999 in
// every place that takes one, ten thousand tags, a thousand nested blocks.
// The sanitizer build of this suite shows any access outside a table.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class HostilePageScriptTest : public ScriptedGamebook {};

std::vector<std::string> Texts(const Json& dump) {
  std::vector<std::string> texts;
  for (const Json& t : dump["texts"]) texts.push_back(t["text"]);
  return texts;
}

TEST_F(HostilePageScriptTest, VariableNumbersZeroThousandAndMinusFiveChangeNothing) {
  WriteLocations(
      "<1><menu t=\"D\xE1l\" x=\"2\">"
      "<2>"
      "<promenna 0=\"1\" 1000=\"2\"><zvyspromennou 0=\"1\" 1000=\"1\">"
      "<snizpromennou 0=\"1\" 1000=\"1\"><nahoda 0=\"1k6\" 1000=\"2k6\">"
      "<vzorec 0=\"1+1\" 1000=\"2*2\"><retezec 0=\"a\" 1000=\"b\" 11=\"c\">"
      "<nastavpromenne cislo=\"-5\" pocet=\"5\" hodnota=\"7\">"
      "<nastavpromenne cislo=\"1000\" pocet=\"3\" hodnota=\"7\">"
      "<nastavpromenne cislo=\"0\" pocet=\"1\" hodnota=\"7\">"
      "<srovnejretezce a=\"x\" b=\"x\" vysledek=\"-5\"><srovnejretezce vysledek=\"0\">"
      "<srovnejretezce vysledek=\"1000\">"
      "<pocetzbrani 0=\"1\" 1000=\"-5\"><pocetpredmetu 0=\"-5\" 1000=\"1000\">"
      "<pocetobjektu 0=\"0\" 1000=\"-5\"><pocetzbroji 0=\"1000\">"
      "[0 = \"0\"]<text obsah=\"nula\">[/][1000 = \"0\"]<text obsah=\"tisic\">[/]"
      "[1 = 0][/][1 = 1000][/]"
      "<text obsah=\"$0 $1000\">"
      "<menu t=\"D\xE1l\" x=\"3\" 0=\"1\" 1000=\"1\">"
      "<3><textoveokno retezec=\"1000\"><menu t=\"D\xE1l\" x=\"4\">"
      "<4><textoveokno retezec=\"-5\"><menu t=\"D\xE1l\" x=\"5\">"
      "<5><textoveokno retezec=\"0\">");
  const ScriptResult result = Play(
      "new-game\nchoose 1\ndump\nchoose 1\nanswer tisic\nchoose 1\nanswer minus\n"
      "choose 1\nanswer nula\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  ASSERT_EQ(result.Lines.size(), 2u);
  const Json& page = result.Lines[0];
  EXPECT_EQ(page["location"], 2);
  // Outside the table a variable reads 0.
  EXPECT_EQ(Texts(page), (std::vector<std::string>{"nula", "tisic", "0 0"}));
  const Json& last = result.Lines[1];
  EXPECT_EQ(last["location"], 5);
  EXPECT_EQ(last["state"]["variables"], Json::object());
  EXPECT_EQ(last["state"]["strings"], Json::object());
  EXPECT_FALSE(last["ended"].get<bool>());
}

TEST_F(HostilePageScriptTest, TenThousandTagsOnOnePageKeepTheFirstFourHundred) {
  std::string page = "<1>";
  for (int i = 1; i <= 10000; ++i) page += "<text obsah=\"" + std::to_string(i) + "\">";
  WriteLocations(page);
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  const std::vector<std::string> texts = Texts(result.Last());
  ASSERT_EQ(texts.size(), 400u);
  EXPECT_EQ(texts.front(), "1");
  EXPECT_EQ(texts.back(), "400");
}

TEST_F(HostilePageScriptTest, ThousandNestedBlocksHideWhatAFalseOuterBlockHolds) {
  std::string page = "<1>[1 = \"5\"]";
  for (int i = 0; i < 999; ++i) page += "[2 = \"0\"]";
  page += "<text obsah=\"uvnitr\">";
  for (int i = 0; i < 1000; ++i) page += "[/]";
  page += "<text obsah=\"venku\">";
  WriteLocations(page);
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0) << result.Last();
  EXPECT_EQ(Texts(result.Last()), std::vector<std::string>{"venku"});
}

}  // namespace
}  // namespace qv
