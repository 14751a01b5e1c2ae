#include "script/script_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qv {
namespace {

TEST(ScriptLineTest, SplitsCommandArgumentsAndText) {
  const auto line = ParseScriptLine("  name  Jan   Novák ", 7);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Number, 7);
  EXPECT_EQ(line->Command, "name");
  EXPECT_EQ(line->Arguments, (std::vector<std::string>{"Jan", "Novák"}));
  // TEXT runs from the first non-blank after the command to the line's end.
  EXPECT_EQ(line->Text, "Jan   Novák ");
}

TEST(ScriptLineTest, TabsSeparateAndLineEndsAreDropped) {
  const auto line = ParseScriptLine("choose\t2\r", 1);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Command, "choose");
  EXPECT_EQ(line->Arguments, (std::vector<std::string>{"2"}));
  EXPECT_EQ(line->Text, "2");
}

TEST(ScriptLineTest, BlankLinesAndCommentsAreNoCommands) {
  EXPECT_FALSE(ParseScriptLine("", 1));
  EXPECT_FALSE(ParseScriptLine("   \t \r", 1));
  EXPECT_FALSE(ParseScriptLine("# choose 1", 1));
  EXPECT_FALSE(ParseScriptLine("   # indented comment", 1));
  // A '#' later in the line belongs to the command.
  const auto line = ParseScriptLine("name #1", 1);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Text, "#1");
}

TEST(ScriptLineTest, CommandWithoutArguments) {
  const auto line = ParseScriptLine("dump", 3);
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->Arguments.empty());
  EXPECT_EQ(line->Text, "");
}

TEST(ScriptReaderTest, NumbersEveryPhysicalLine) {
  std::istringstream in("\xEF\xBB\xBFnew-game\r\n\n# comment\r\nchoose 1\ndump");
  ScriptReader reader(in);
  auto first = reader.Next();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Command, "new-game");  // the byte order mark is not part of it
  EXPECT_EQ(first->Number, 1);
  auto second = reader.Next();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Command, "choose");
  EXPECT_EQ(second->Number, 4);
  auto third = reader.Next();
  ASSERT_TRUE(third);
  EXPECT_EQ(third->Command, "dump");
  EXPECT_EQ(third->Number, 5);
  EXPECT_FALSE(reader.Next());
}

}  // namespace
}  // namespace qv
