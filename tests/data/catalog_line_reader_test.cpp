#include "data/catalog_line_reader.h"

#include <gtest/gtest.h>

#include "data/conversion.h"
#include "support/czech_text.h"

namespace qv {
namespace {

TEST(CatalogLineReader, NumbersSkipSeparatorsAndSigns) {
  CatalogLineReader in("12 \"a\" x-5, 007");
  EXPECT_EQ(in.LeadingNumber(), 12);
  EXPECT_EQ(in.Text(), "a");
  EXPECT_EQ(in.Number(), 5);
  EXPECT_EQ(in.Number(), 7);
  EXPECT_THROW(in.Number(), ConversionError);
  EXPECT_TRUE(in.AtEnd());
}

TEST(CatalogLineReader, LeadingNumberDoesNotSearch) {
  CatalogLineReader in(" 3");
  EXPECT_THROW(in.LeadingNumber(), ConversionError);
}

TEST(CatalogLineReader, TextWithoutItsQuotesEndsTheLine) {
  CatalogLineReader open_only("\"abc, 5");
  EXPECT_EQ(open_only.Text(), "");
  EXPECT_TRUE(open_only.AtEnd());
  EXPECT_TRUE(open_only.Entries().empty());

  CatalogLineReader none("abc, 5");
  EXPECT_EQ(none.Text(), "");
  EXPECT_TRUE(none.AtEnd());

  CatalogLineReader empty("\"\"x");
  EXPECT_EQ(empty.Text(), "");
  EXPECT_FALSE(empty.AtEnd());
}

TEST(CatalogLineReader, FieldsAndEntries) {
  CatalogLineReader in("a, b c , d; e, f");
  in.SkipPastComma();
  EXPECT_EQ(in.UpToComma(), " b c ");
  // Entries: from the comma under the cursor up to the first ";".
  const std::vector<std::string> entries = in.Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], " d");
  EXPECT_TRUE(in.At(';'));

  CatalogLineReader last("x, boj;");
  last.SkipPastComma();
  EXPECT_EQ(last.UpToComma(), " boj");
  EXPECT_TRUE(last.Entries().empty());
}

TEST(CatalogLineReader, EmptyEntriesCount) {
  CatalogLineReader in("1,,x,");
  const std::vector<std::string> entries = in.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], "");
  EXPECT_EQ(entries[1], "x");
  EXPECT_EQ(entries[2], "");
}

TEST(TrimBlanks, BlanksAndControlBytes) {
  EXPECT_EQ(TrimBlanks(" \t vzdy \r"), "vzdy");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks(Cz("černý ")), Cz("černý"));
}

}  // namespace
}  // namespace qv
