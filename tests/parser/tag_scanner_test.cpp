#include "parser/tag_scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "support/czech_text.h"

namespace qv {
namespace {

TagStore Scan(std::string_view text) {
  TagStore store;
  ScanLocation(text, store);
  return store;
}

std::string Block(int n) { return "[" + std::to_string(n) + " = \"" + std::to_string(n) + "\"]"; }

TEST(TagScanner, TagWithOneAttribute) {
  const TagStore store = Scan("<text obsah=\"Ahoj\">");
  ASSERT_EQ(store.Count(), 1);
  const TagEntry& e = store.Entry(1);
  EXPECT_EQ(e.Tag.Name, "TEXT");
  EXPECT_EQ(e.ParamCount, 1);
  EXPECT_EQ(e.Tag.ParamAt(1).Name, "OBSAH");
  EXPECT_EQ(e.Tag.ParamAt(1).Value, "Ahoj");
  EXPECT_EQ(e.ConditionCount, 0);
}

TEST(TagScanner, NamesAreCaseInsensitiveValuesKeepTheirCase) {
  for (const char* text :
       {"<Text OBSAH=\"aHoJ\">", "<TEXT oBsAh=\"aHoJ\">", "<tExT obsah=\"aHoJ\">"}) {
    const TagStore store = Scan(text);
    ASSERT_EQ(store.Count(), 1) << text;
    EXPECT_EQ(store.Entry(1).Tag.Name, "TEXT") << text;
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Name, "OBSAH") << text;
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "aHoJ") << text;
  }
}

TEST(TagScanner, BlanksAroundEqualsAndBetweenAttributes) {
  const TagStore store = Scan("<text   obsah = \"  A  b \"    barva=  \"red\"  >");
  ASSERT_EQ(store.Count(), 1);
  const TagEntry& e = store.Entry(1);
  ASSERT_EQ(e.ParamCount, 2);
  EXPECT_EQ(e.Tag.ParamAt(1).Name, "OBSAH");
  EXPECT_EQ(e.Tag.ParamAt(1).Value, "  A  b ");
  EXPECT_EQ(e.Tag.ParamAt(2).Name, "BARVA");
  EXPECT_EQ(e.Tag.ParamAt(2).Value, "red");
}

TEST(TagScanner, AttributeNameKeepsOnlyAsciiLettersAndDigits) {
  // Underscore, blank and an accented letter (á) are dropped; digits stay.
  const TagStore store = Scan(Cz("<text ob_sah=\"1\" ob sah=\"2\" obsáah=\"3\" cil2=\"4\">"));
  ASSERT_EQ(store.Count(), 1);
  const TagEntry& e = store.Entry(1);
  ASSERT_EQ(e.ParamCount, 4);
  EXPECT_EQ(e.Tag.ParamAt(1).Name, "OBSAH");
  EXPECT_EQ(e.Tag.ParamAt(2).Name, "OBSAH");
  EXPECT_EQ(e.Tag.ParamAt(3).Name, "OBSAH");
  EXPECT_EQ(e.Tag.ParamAt(4).Name, "CIL2");
  EXPECT_EQ(e.Tag.ParamAt(4).Value, "4");
}

TEST(TagScanner, ValueKeepsEveryByteUpToTheQuote) {
  const TagStore store = Scan(Cz("<text obsah=\"a=b 'c' čž\r\nd\">"));
  ASSERT_EQ(store.Count(), 1);
  EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, Cz("a=b 'c' čž\r\nd"));
}

TEST(TagScanner, AttributesSeparatedByLineBreak) {
  const TagStore store = Scan(Cz("<volba\r\ncil=\"3\"\r\nnazev=\"Dál\">"));
  ASSERT_EQ(store.Count(), 1);
  const TagEntry& e = store.Entry(1);
  EXPECT_EQ(e.Tag.Name, "VOLBA");
  ASSERT_EQ(e.ParamCount, 2);
  EXPECT_EQ(e.Tag.ParamAt(1).Name, "CIL");
  EXPECT_EQ(e.Tag.ParamAt(2).Name, "NAZEV");
  EXPECT_EQ(e.Tag.ParamAt(2).Value, Cz("Dál"));
}

TEST(TagScanner, TagWithoutAttributes) {
  const TagStore store = Scan("<konec><KONEC >");
  ASSERT_EQ(store.Count(), 2);
  EXPECT_EQ(store.Entry(1).Tag.Name, "KONEC");
  EXPECT_EQ(store.Entry(1).ParamCount, 0);
  EXPECT_EQ(store.Entry(2).Tag.Name, "KONEC");
  EXPECT_EQ(store.Entry(2).ParamCount, 0);
}

TEST(TagScanner, MarkersAndPlainTextProduceNoEntry) {
  EXPECT_EQ(Scan("<12>").Count(), 0);
  EXPECT_EQ(Scan("<>").Count(), 0);
  EXPECT_EQ(Scan("<007><1>").Count(), 0);
  EXPECT_EQ(Scan("plain text\r\nand more").Count(), 0);

  const TagStore store = Scan("<12>\r\nuvod <text obsah=\"a\"> konec\r\n<13>");
  ASSERT_EQ(store.Count(), 1);
  EXPECT_EQ(store.Entry(1).Tag.Name, "TEXT");
}

TEST(TagScanner, UnknownTagIsStoredLikeAnyOther) {
  const TagStore store = Scan("<nesmysl a=\"b\"><12a>");
  ASSERT_EQ(store.Count(), 2);
  EXPECT_EQ(store.Entry(1).Tag.Name, "NESMYSL");
  EXPECT_EQ(store.Entry(2).Tag.Name, "");  // a letter makes it no marker
}

TEST(TagScanner, SequentialBlocksCountOneEach) {
  const TagStore store = Scan("[1 = \"1\"]<a>[/][2 = \"2\"]<b>[/]<c>");
  ASSERT_EQ(store.Count(), 3);
  EXPECT_EQ(store.Entry(1).ConditionCount, 1);
  EXPECT_EQ(store.Entry(1).ConditionAt(1).Subject.str(), "1");
  EXPECT_EQ(store.Entry(2).ConditionCount, 1);
  EXPECT_EQ(store.Entry(2).ConditionAt(1).Subject.str(), "2");
  EXPECT_EQ(store.Entry(3).ConditionCount, 0);
  EXPECT_EQ(store.Blocks.Depth, 0);
}

TEST(TagScanner, NestedBlocksKeepTheOuterConditionInSlotOne) {
  const TagStore store = Scan("[ZIVOTY 0 < \"5\"]<a>[3 = 4]<b>[/]<c>[/]<d>");
  ASSERT_EQ(store.Count(), 4);
  const TagEntry& a = store.Entry(1);
  EXPECT_EQ(a.ConditionCount, 1);
  EXPECT_EQ(a.ConditionAt(1).KeyCode, 3);
  EXPECT_EQ(a.ConditionAt(1).Operator.str(), "<");  // the "<" inside brackets is no tag

  const TagEntry& b = store.Entry(2);
  ASSERT_EQ(b.ConditionCount, 2);
  EXPECT_EQ(b.ConditionAt(1).KeyCode, 3);
  EXPECT_EQ(b.ConditionAt(1).Serial, 1);
  EXPECT_EQ(b.ConditionAt(2).Subject.str(), "3");
  EXPECT_EQ(b.ConditionAt(2).Value.str(), "4");
  EXPECT_EQ(b.ConditionAt(2).ValueIsVariable, 1);
  EXPECT_EQ(b.ConditionAt(2).Serial, 2);

  EXPECT_EQ(store.Entry(3).ConditionCount, 1);
  EXPECT_EQ(store.Entry(3).ConditionAt(1).Serial, 1);
  EXPECT_EQ(store.Entry(4).ConditionCount, 0);
}

TEST(TagScanner, ClosingIgnoresEverythingUpToItsBracket) {
  const TagStore store = Scan("[1 = \"1\"]<a>[/ konec <x obsah=\"y\"> ]<b>");
  ASSERT_EQ(store.Count(), 2);
  EXPECT_EQ(store.Entry(1).Tag.Name, "A");
  EXPECT_EQ(store.Entry(2).Tag.Name, "B");
  EXPECT_EQ(store.Entry(2).ConditionCount, 0);
}

TEST(TagScanner, BracketInsideAValueOpensABlock) {
  const TagStore store = Scan("<text obsah=\"pozor [3 < 5] tady\"><b>");
  ASSERT_EQ(store.Count(), 2);
  EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "pozor [3 < 5] tady");
  EXPECT_EQ(store.Entry(1).ConditionCount, 0);
  const TagEntry& b = store.Entry(2);
  ASSERT_EQ(b.ConditionCount, 1);
  EXPECT_EQ(b.ConditionAt(1).Subject.str(), "3");
  EXPECT_EQ(b.ConditionAt(1).Operator.str(), "<");
  EXPECT_EQ(b.ConditionAt(1).Value.str(), "5");
  EXPECT_EQ(store.Blocks.Depth, 1);
}

TEST(TagScanner, AngleBracketInsideAValueStartsATag) {
  const TagStore store = Scan("<text obsah=\"<konec\"><b>");
  ASSERT_EQ(store.Count(), 3);
  EXPECT_EQ(store.Entry(1).Tag.Name, "TEXT");
  EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "<konec");
  EXPECT_EQ(store.Entry(2).Tag.Name, "KONEC");
  EXPECT_EQ(store.Entry(2).ParamCount, 0);
  EXPECT_EQ(store.Entry(3).Tag.Name, "B");
}

TEST(TagScanner, AngleBracketBetweenSquareBracketsIsIgnored) {
  const TagStore store = Scan("[3 <> \"1\" <x>]<a>");
  ASSERT_EQ(store.Count(), 1);
  EXPECT_EQ(store.Entry(1).Tag.Name, "A");
  EXPECT_EQ(store.Entry(1).ConditionAt(1).Operator.str(), "<>");
}

TEST(TagScanner, SerialCountsOnAcrossScans) {
  TagStore store;
  ScanLocation("[1 = \"1\"]<a>[/][2 = \"2\"]<b>[/]", store);
  store.Clear();
  store.Blocks.Depth = 0;
  ScanLocation("[3 = \"3\"]<c>[/]", store);
  ASSERT_EQ(store.Count(), 1);
  EXPECT_EQ(store.Entry(1).ConditionAt(1).Serial, 3);
  EXPECT_EQ(store.ConditionSerial, 3);
}

TEST(TagScanner, ReusedStoreLeavesNothingOfTheEarlierScan) {
  TagStore store;
  ScanLocation("[1 = \"1\"][2 = \"2\"]<a b=\"1\" c=\"2\" d=\"3\">[/][/]<x>", store);
  store.Clear();
  store.Blocks.Depth = 0;
  ScanLocation("[5 = \"5\"]<e f=\"9\">", store);
  ASSERT_EQ(store.Count(), 1);
  const TagEntry& e = store.Entry(1);
  EXPECT_EQ(e.Tag.Name, "E");
  EXPECT_EQ(e.ParamCount, 1);
  EXPECT_EQ(e.Tag.ParamAt(1).Name, "F");
  EXPECT_EQ(e.Tag.ParamAt(2).Name, "");
  EXPECT_EQ(e.Tag.ParamAt(3).Value, "");
  EXPECT_EQ(e.ConditionCount, 1);
  EXPECT_EQ(e.ConditionAt(1).Subject.str(), "5");
  EXPECT_EQ(e.ConditionAt(2).Serial, 0);
  EXPECT_THROW(store.Entry(2), std::out_of_range);
}

TEST(TagStore, AccessorsCheckTheirBounds) {
  TagStore store;
  EXPECT_THROW(store.Entry(1), std::out_of_range);
  ScanLocation("<a>", store);
  EXPECT_NO_THROW(store.Entry(1));
  EXPECT_THROW(store.Entry(0), std::out_of_range);
  EXPECT_THROW(store.Entry(2), std::out_of_range);
  EXPECT_THROW(store.Entry(1).Tag.ParamAt(0), std::out_of_range);
  EXPECT_NO_THROW(store.Entry(1).Tag.ParamAt(10));
  EXPECT_THROW(store.Entry(1).Tag.ParamAt(11), std::out_of_range);
  EXPECT_NO_THROW(store.Entry(1).ConditionAt(15));
  EXPECT_THROW(store.Entry(1).ConditionAt(16), std::out_of_range);
  EXPECT_THROW(store.Blocks.SlotAt(0), std::out_of_range);
  EXPECT_THROW(store.Blocks.SlotAt(16), std::out_of_range);
  EXPECT_EQ(store.Entries().size(), 1u);
}

// --- Data outside the limits ---

TEST(TagScannerLimits, TagsPastFourHundredAreDropped) {
  std::string text;
  for (int n = 1; n <= 500; ++n) text += "<t n=\"" + std::to_string(n) + "\">";
  text += "[1 = \"1\"]";  // blocks still open after the store is full
  TagStore store;
  ScanLocation(text, store);
  EXPECT_EQ(store.Count(), 400);
  EXPECT_TRUE(store.Full());
  EXPECT_EQ(store.Entry(400).Tag.ParamAt(1).Value, "400");
  EXPECT_EQ(store.Blocks.Depth, 1);
  EXPECT_EQ(store.Entries().size(), 400u);
}

TEST(TagScannerLimits, AttributesPastTenAreReadPastButNotStored) {
  std::string text = "<t";
  for (int n = 1; n <= 12; ++n)
    text += " a" + std::to_string(n) + "=\"v" + std::to_string(n) + "\"";
  text += "><next x=\"y\">";
  const TagStore store = Scan(text);
  ASSERT_EQ(store.Count(), 2);
  const TagEntry& e = store.Entry(1);
  EXPECT_EQ(e.ParamCount, 10);
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(e.Tag.ParamAt(n).Name, "A" + std::to_string(n));
    EXPECT_EQ(e.Tag.ParamAt(n).Value, "v" + std::to_string(n));
  }
  EXPECT_EQ(store.Entry(2).Tag.Name, "NEXT");
  EXPECT_EQ(store.Entry(2).Tag.ParamAt(1).Value, "y");
}

TEST(TagScannerLimits, BlocksDeeperThanFifteenAreCountedNotStored) {
  std::string text;
  for (int n = 1; n <= 20; ++n) text += Block(n);
  text += "<deep>";
  for (int n = 1; n <= 5; ++n) text += "[/]";
  text += "<at15>";
  for (int n = 1; n <= 5; ++n) text += "[/]";
  text += "<at10>";
  for (int n = 1; n <= 10; ++n) text += "[/]";
  text += "<outside>";

  TagStore store;
  ScanLocation(text, store);
  ASSERT_EQ(store.Count(), 4);
  for (int i = 1; i <= 2; ++i) {
    const TagEntry& e = store.Entry(i);
    ASSERT_EQ(e.ConditionCount, 15) << i;
    for (int d = 1; d <= 15; ++d) EXPECT_EQ(e.ConditionAt(d).Subject.str(), std::to_string(d));
  }
  EXPECT_EQ(store.Entry(3).ConditionCount, 10);
  EXPECT_EQ(store.Entry(3).ConditionAt(10).Subject.str(), "10");
  EXPECT_EQ(store.Entry(4).ConditionCount, 0);
  EXPECT_EQ(store.Blocks.Depth, 0);
  EXPECT_EQ(store.ConditionSerial, 15);  // the deeper blocks are not parsed
}

TEST(TagScannerLimits, ClosingWithNoBlockOpenIsIgnored) {
  TagStore store;
  ScanLocation("[/]<a>[/][/]<b>[1 = \"1\"]<c>", store);
  ASSERT_EQ(store.Count(), 3);
  EXPECT_EQ(store.Entry(1).ConditionCount, 0);
  EXPECT_EQ(store.Entry(2).ConditionCount, 0);
  EXPECT_EQ(store.Entry(3).ConditionCount, 1);
  EXPECT_EQ(store.Blocks.Depth, 1);
}

TEST(TagScannerLimits, NegativeDepthFromOutsideCountsAsNoBlock) {
  TagStore store;
  store.Blocks.Depth = -3;
  ScanLocation("<a>[1 = \"1\"]<b>", store);
  EXPECT_EQ(store.Entry(1).ConditionCount, 0);
  ASSERT_EQ(store.Entry(2).ConditionCount, 1);
  EXPECT_EQ(store.Entry(2).ConditionAt(1).Subject.str(), "1");
}

// The text is a view into a longer buffer: nothing past its end may be read.
std::string_view Cut(const std::string& buffer, std::string_view text) {
  EXPECT_EQ(buffer.substr(0, text.size()), text);
  return std::string_view(buffer).substr(0, text.size());
}

TEST(TagScannerLimits, TagCutOffAtTheEndOfTheText) {
  const std::string buffer = "<text obsah=\"abc\" barva=\"red\">[1 = \"1\"]";
  {
    const TagStore store = Scan(Cut(buffer, "<text obsah=\"abc"));
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Entry(1).ParamCount, 1);
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "abc");
  }
  {
    const TagStore store = Scan(Cut(buffer, "<text obsah=\"abc\" "));
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Entry(1).ParamCount, 1);
  }
  {
    const TagStore store = Scan(Cut(buffer, "<text obs"));
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Name, "OBS");
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "");
  }
  {
    const TagStore store = Scan(Cut(buffer, "<text"));
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Entry(1).Tag.Name, "TEXT");
    EXPECT_EQ(store.Entry(1).ParamCount, 0);
  }
  EXPECT_EQ(Scan(Cut(buffer, "<")).Count(), 0);
  EXPECT_EQ(Scan("<12").Count(), 0);
}

TEST(TagScannerLimits, MissingQuotesStayInsideTheTag) {
  {
    const TagStore store = Scan("<text obsah=\"abc><b>");
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "abc");  // not the ">"
    EXPECT_EQ(store.Entry(2).Tag.Name, "B");
  }
  {
    const TagStore store = Scan("<text obsah=abc><b>");
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.Entry(1).ParamCount, 1);
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Name, "OBSAH");
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Value, "");
  }
  {
    const TagStore store = Scan("<text obsah><b>");
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Name, "OBSAH");
  }
}

TEST(TagScannerLimits, BlockCutOffAtTheEndOfTheText) {
  const std::string buffer = "<a>[3 > \"5\"]";
  {
    const TagStore store = Scan(Cut(buffer, "<a>[3 > \"5"));
    EXPECT_EQ(store.Blocks.Depth, 1);
    EXPECT_EQ(store.Blocks.SlotAt(1).Value.str(), "5");
  }
  {
    const TagStore store = Scan(Cut(buffer, "<a>["));
    EXPECT_EQ(store.Blocks.Depth, 1);
    EXPECT_EQ(store.Blocks.SlotAt(1).Subject.str(), "");
  }
}

// Bytes the tags of a store hold in names and values.
std::size_t StoredBytes(const TagStore& store) {
  std::size_t bytes = 0;
  for (const TagEntry& e : store.Entries()) {
    bytes += e.Tag.Name.size();
    for (int32_t k = 1; k <= e.ParamCount; ++k) {
      bytes += e.Tag.ParamAt(k).Name.size() + e.Tag.ParamAt(k).Value.size();
    }
  }
  return bytes;
}

// Every "<" searched the rest of the text for its ">" again, so megabytes
// of "<a" took hours; and each of 400 tags copied the rest of the text.
TEST(TagScannerLimits, UnclosedTagsEachCopyingTheRestStopAtTheByteBudget) {
  std::string text;
  for (int n = 0; n < 1'000'000; ++n) text += "<a";
  const TagStore store = Scan(text);
  // Each tag looks at the rest of the text: two fit into twice the text and
  // 1 MiB, the third would not, and nothing after it is stored.
  ASSERT_EQ(store.Count(), 2);
  EXPECT_EQ(store.Entry(1).Tag.Name, "A");
  EXPECT_EQ(store.Entry(1).Tag.ParamAt(1).Name, std::string(text.size() / 2 - 1, 'A'));
  EXPECT_LE(StoredBytes(store), TagByteBudget(text.size()));
}

// 400 "<" before one long value without its closing quote made 400 copies
// of the value: gigabytes for a text of megabytes.
TEST(TagScannerLimits, TagsSharingOneLongValueStopAtTheByteBudget) {
  const std::string value(3'000'000, 'x');
  const std::string text = std::string(400, '<') + " b=\"" + value;
  const TagStore store = Scan(text);
  ASSERT_EQ(store.Count(), 2);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(store.Entry(i).Tag.ParamAt(1).Name, "B");
    EXPECT_EQ(store.Entry(i).Tag.ParamAt(1).Value, value);
  }
  EXPECT_LE(StoredBytes(store), TagByteBudget(text.size()));
}

// A tag that stops after its tenth attribute looks no further, so overlapping
// tags with many short attributes are all stored.
TEST(TagScannerLimits, OverlappingTagsOfTenAttributesAreAllStored) {
  std::string text;
  for (int n = 0; n < 500'000; ++n) text += "<a x=\"";
  const TagStore store = Scan(text);
  ASSERT_EQ(store.Count(), 400);
  const TagEntry& e = store.Entry(400);
  ASSERT_EQ(e.ParamCount, 10);
  EXPECT_EQ(e.Tag.ParamAt(1).Name, "X");
  EXPECT_EQ(e.Tag.ParamAt(1).Value, "<a x=");
  EXPECT_EQ(e.Tag.ParamAt(2).Name, "AX");
}

// Tags that do not overlap never run out of budget, however long the text.
TEST(TagScannerLimits, LongTagsThatDoNotOverlapAreAllKept) {
  const std::string value(400'000, 'v');
  std::string text;
  for (int n = 0; n < 5; ++n) text += "<text obsah=\"" + value + "\">";
  const TagStore store = Scan(text);
  ASSERT_EQ(store.Count(), 5);
  EXPECT_EQ(store.Entry(5).Tag.ParamAt(1).Value, value);
}

// Each "[" looked for its "]" to the end of the text before reading the
// condition, so blocks opened and closed without "]" took hours.
TEST(TagScannerLimits, BlocksWithoutClosingBracketsAreReadWithoutSearchingOn) {
  std::string text;
  for (int n = 0; n < 1'000'000; ++n) text += "[a[/";
  text += "[ZIVOTY 0 < \"5\"<b>";
  TagStore store;
  ScanLocation(text, store);
  EXPECT_EQ(store.ConditionSerial, 1'000'001);
  EXPECT_EQ(store.Blocks.Depth, 1);
  EXPECT_EQ(store.Blocks.SlotAt(1).KeyCode, 3);
  EXPECT_EQ(store.Blocks.SlotAt(1).Value.str(), "5");
  EXPECT_EQ(store.Count(), 0);  // the "<" is inside the open brackets
}

TEST(TagScanner, ParseTagOutsideTheTextDoesNothing) {
  TagStore store;
  ParseTag("<a>", 3, store);
  ParseTag("", 0, store);
  EXPECT_EQ(store.Count(), 0);
  ParseTag("x<a>", 1, store);
  EXPECT_EQ(store.Count(), 1);
}

}  // namespace
}  // namespace qv
