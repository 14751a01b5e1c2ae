#include "script/script_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace qv {
namespace {

std::variant<ScriptInvocation, std::string> Parse(std::vector<std::string_view> args) {
  return ParseScriptArguments(args);
}

TEST(ScriptOptionsTest, Defaults) {
  const auto parsed = Parse({"play.txt"});
  ASSERT_TRUE(std::holds_alternative<ScriptInvocation>(parsed));
  const auto& invocation = std::get<ScriptInvocation>(parsed);
  EXPECT_EQ(invocation.ScriptPath, "play.txt");
  EXPECT_EQ(invocation.Options.Directory, "");
  EXPECT_EQ(invocation.Options.ScreenWidth, 1024);
  EXPECT_EQ(invocation.Options.ScreenHeight, 768);
  EXPECT_FALSE(invocation.Options.Seed);
  EXPECT_FALSE(invocation.Options.Gui);
}

TEST(ScriptOptionsTest, EveryOptionInAnyOrder) {
  const auto parsed = Parse({"--seed", "42", "-C", "kniha", "-", "--screen", "640x480", "--gui"});
  ASSERT_TRUE(std::holds_alternative<ScriptInvocation>(parsed));
  const auto& invocation = std::get<ScriptInvocation>(parsed);
  EXPECT_EQ(invocation.ScriptPath, "-");
  EXPECT_EQ(invocation.Options.Directory, "kniha");
  EXPECT_EQ(invocation.Options.ScreenWidth, 640);
  EXPECT_EQ(invocation.Options.ScreenHeight, 480);
  EXPECT_EQ(invocation.Options.Seed, 42u);
  EXPECT_TRUE(invocation.Options.Gui);
}

TEST(ScriptOptionsTest, ComfortFlagsAmongTheOthers) {
  const auto parsed = Parse({"--history", "play.txt", "--transcript", "--seed", "--seed", "3"});
  ASSERT_TRUE(std::holds_alternative<ScriptInvocation>(parsed));
  const ScriptOptions& options = std::get<ScriptInvocation>(parsed).Options;
  EXPECT_EQ(options.Comforts.History, true);
  // The file is the word after --transcript, whatever it looks like.
  EXPECT_EQ(options.Comforts.TranscriptPath, (std::filesystem::current_path() / "--seed").string());
  EXPECT_EQ(options.Seed, 3u);
  EXPECT_FALSE(options.Comforts.ReadAloud.has_value());
  EXPECT_EQ(std::get<std::string>(Parse({"play.txt", "--transcript"})),
            "--transcript needs the file to write the transcript to");
  EXPECT_EQ(std::get<std::string>(Parse({"play.txt", "--gui", "--transcript", "t.txt"})),
            "--transcript is not offered with --gui");
  EXPECT_EQ(std::get<std::string>(Parse({"play.txt", "--reading"})), "unknown option '--reading'");
}

TEST(ScriptOptionsTest, Errors) {
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "b"})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "-C"})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "--screen", "640"})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "--screen", "0x480"})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "--seed", "-1"})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "--seed", "x"})));
  EXPECT_TRUE(std::holds_alternative<std::string>(Parse({"a", "--fast"})));
}

TEST(ScreenSizeTest, Parses) {
  EXPECT_EQ(ParseScreenSize("800x600"), (std::pair{800, 600}));
  EXPECT_EQ(ParseScreenSize("800X600"), (std::pair{800, 600}));
  EXPECT_FALSE(ParseScreenSize("800x"));
  EXPECT_FALSE(ParseScreenSize("x600"));
  EXPECT_FALSE(ParseScreenSize("800x600x2"));
  EXPECT_FALSE(ParseScreenSize("-800x600"));
}

}  // namespace
}  // namespace qv
