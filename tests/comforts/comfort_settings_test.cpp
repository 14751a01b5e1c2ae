// The comforts' switches: preferences, command-line flags and which wins.
#include "comforts/comfort_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <vector>

namespace qv {
namespace {

using Args = std::vector<std::string_view>;

std::variant<std::size_t, std::string> Parse(const Args& args, std::size_t index,
                                             ComfortFlags& flags) {
  return ParseComfortFlag(args, index, flags);
}

TEST(ComfortSettingsTest, AllOffByDefault) {
  const ComfortSettings none = ComfortsFromPreferences(UserPreferences{});
  EXPECT_EQ(none, ComfortSettings{});
  EXPECT_FALSE(none.ReadAloud || none.SpeechToClipboard || none.History || none.QuickSave ||
               none.Continue);
  EXPECT_TRUE(none.TranscriptPath.empty());
}

TEST(ComfortSettingsTest, StoredSwitchesReadBack) {
  ComfortSettings on;
  on.ReadAloud = true;
  on.Continue = true;
  on.TranscriptPath = "/tmp/t.txt";
  UserPreferences preferences = UserPreferences::Parse("window = 800x600\n");
  StoreComforts(on, preferences);
  EXPECT_EQ(preferences.Get("window"), "800x600");  // another feature's key stays
  EXPECT_EQ(preferences.Get("read_aloud"), "1");
  EXPECT_EQ(preferences.Get("history"), "0");
  const ComfortSettings read = ComfortsFromPreferences(UserPreferences::Parse(preferences.Text()));
  EXPECT_TRUE(read.ReadAloud);
  EXPECT_TRUE(read.Continue);
  EXPECT_FALSE(read.History);
  EXPECT_TRUE(read.TranscriptPath.empty());  // a transcript is never stored
}

TEST(ComfortSettingsTest, FlagsWinOverStoredValues) {
  ComfortFlags flags;
  const Args args{"--no-history", "--read-aloud", "--transcript", "příběh.txt",
                  "--quick-save", "--no-continue"};
  for (std::size_t i = 0; i < args.size();) {
    const auto taken = Parse(args, i, flags);
    ASSERT_TRUE(std::holds_alternative<std::size_t>(taken)) << args[i];
    ASSERT_GT(std::get<std::size_t>(taken), 0u) << args[i];
    i += std::get<std::size_t>(taken);
  }
  ComfortSettings stored;
  stored.History = true;
  stored.Continue = true;
  const ComfortSettings run = ApplyComfortFlags(stored, flags);
  EXPECT_FALSE(run.History);
  EXPECT_TRUE(run.ReadAloud);
  EXPECT_TRUE(run.QuickSave);
  EXPECT_FALSE(run.Continue);
  // Named from where the player started, not from inside the gamebook.
  EXPECT_EQ(run.TranscriptPath, (std::filesystem::current_path() / "příběh.txt").string());
}

TEST(ComfortSettingsTest, OtherArgumentsAreLeftAndMissingValuesReported) {
  ComfortFlags flags;
  for (const std::string_view other : {"--gui", "--readaloud", "-C", "dir", "--no-", "--"}) {
    const Args args{other};
    EXPECT_EQ(std::get<std::size_t>(Parse(args, 0, flags)), 0u) << other;
  }
  for (const Args& args : {Args{"--transcript"}, Args{"--transcript", ""}}) {
    const auto taken = Parse(args, 0, flags);
    ASSERT_TRUE(std::holds_alternative<std::string>(taken));
    EXPECT_EQ(std::get<std::string>(taken),
              "--transcript needs the file to write the transcript to");
  }
  EXPECT_FALSE(flags.TranscriptPath.has_value());
}

}  // namespace
}  // namespace qv
