// The page history and its side file.
#include "comforts/page_history.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

HistoryPage Page(int32_t location, std::vector<std::string> texts, std::string choice) {
  return HistoryPage{location, std::move(texts), std::move(choice)};
}

TEST(PageHistoryTest, SideFileReadsBackAsWritten) {
  PageHistory history;
  history.Add(Page(1, {"Stoj\xED\x9A u br\xE1ny.\r\nJe noc.", "", "obr\xE1zek"}, "D\xE1l (2)"));
  history.Add(Page(2, {}, ""));  // a countdown led away from an empty page
  history.Add(Page(7, {"a\r\n\r\nb"}, "Zp\xECt\r\nhned"));
  EXPECT_EQ(history.FileText(),
            "@ 1\n| Stoj\xED\x9A u br\xE1ny.\n| Je noc.\n|\n| \n|\n| obr\xE1zek\n> D\xE1l (2)\n"
            "@ 2\n"
            "@ 7\n| a\n| \n| b\n> Zp\xECt  hned\n");
  const PageHistory read = PageHistory::ParseFileText(history.FileText());
  ASSERT_EQ(read.Pages().size(), 3u);
  EXPECT_EQ(read.Pages()[0], history.Pages()[0]);
  EXPECT_EQ(read.Pages()[1], history.Pages()[1]);
  // A choice is kept on one line.
  EXPECT_EQ(read.Pages()[2], Page(7, {"a\r\n\r\nb"}, "Zp\xECt  hned"));
}

TEST(PageHistoryTest, DamagedSideFileGivesWhatCanBeRead) {
  const PageHistory read = PageHistory::ParseFileText(
      "| before any page\n"
      "@ x\n| of a page with no number\n"
      "@ 3\r\n| t\xF8i\r\nnonsense\n> D\xE1l\n"
      "@ 99999999999\n| too large\n"
      "@ 4\n| \xE8ty\xF8i");  // no line end at the end
  ASSERT_EQ(read.Pages().size(), 2u);
  EXPECT_EQ(read.Pages()[0], Page(3, {"t\xF8i"}, "D\xE1l"));
  EXPECT_EQ(read.Pages()[1], Page(4, {"\xE8ty\xF8i"}, ""));
  EXPECT_TRUE(PageHistory::ParseFileText("").Empty());
  EXPECT_TRUE(PageHistory::ParseFileText("\n\n\xFF\x00garbage").Empty());
}

TEST(PageHistoryTest, KeepsTheNewestPagesOnly) {
  PageHistory history;
  for (int32_t n = 1; n <= static_cast<int32_t>(PageHistory::kMaxPages) + 5; ++n) {
    history.Add(Page(n, {"t"}, "c"));
  }
  ASSERT_EQ(history.Pages().size(), PageHistory::kMaxPages);
  EXPECT_EQ(history.Pages().front().Location, 6);
  // A side file longer than the limit is cut the same way.
  std::string text;
  for (int n = 1; n <= 250; ++n) text += "@ " + std::to_string(n) + "\n";
  const PageHistory read = PageHistory::ParseFileText(text);
  ASSERT_EQ(read.Pages().size(), PageHistory::kMaxPages);
  EXPECT_EQ(read.Pages().front().Location, 51);
  EXPECT_EQ(read.Pages().back().Location, 250);
}

TEST(PageHistoryTest, SideFileIsBesideThePosition) {
  EXPECT_EQ(HistoryFilePath("hrdina"), "./save/hrdina.historie");
}

}  // namespace
}  // namespace qv
