#include "parser/location_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/cp1250.h"
#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "support/czech_text.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

const std::string kCheck = "Kniha";

std::string MissingNotice(const std::string& name) {
  return "<text obsah=\"Nenalezena knihovna " + name + " !!!!\">";
}
const std::string kOrderMessage = Cz("Chybné pořadí lokací!");

class LocationStoreTest : public ::testing::Test {
 protected:
  LocationStoreTest() { fs::create_directories("data"); }

  void WriteData(std::string_view text) { WriteBytes("data/data.qvl", text); }
  void WriteConstants(std::string_view text) { WriteBytes("data/konstanty.qvl", text); }
  void WriteLibrary(const std::string& name, std::string_view text) {
    WriteBytes("data/knihovny/" + name + ".qvl", text);
  }

  // The assembled text of location n; the fetch must succeed.
  std::string Fetch(int32_t n, const FetchOptions& options = {}) {
    tags_.Clear();
    EXPECT_TRUE(store_.FetchLocation(n, options, tags_)) << "location " << n;
    return store_.LocationText();
  }

  TempWorkDir dir_;
  RecordingHost host_;
  GameFiles files_{host_, kCheck};
  LocationStore store_{files_, host_};
  TagStore tags_;
};

// --- cutting locations ---

TEST_F(LocationStoreTest, LocationRunsFromItsMarkerToTheNextOrTheEnd) {
  WriteData("<1>abc<2>def<3>xy");
  EXPECT_EQ(Fetch(1), "<1>abc");
  EXPECT_EQ(Fetch(2), "<2>def");
  EXPECT_EQ(Fetch(3), "<3>xy");
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(host_.ended);
}

TEST_F(LocationStoreTest, LineBreaksOfTheLocationFileAreKept) {
  WriteData("<1>\r\na\r\n<2>b\n");
  EXPECT_EQ(Fetch(1), "<1>\r\na\r\n");
  EXPECT_EQ(Fetch(2), "<2>b\n");
}

TEST_F(LocationStoreTest, LocationOneMayStandAfterLocationTen) {
  WriteData("<10>deset<1>jedna<2>dva");
  EXPECT_EQ(Fetch(1), "<1>jedna");
  EXPECT_EQ(Fetch(10), "<10>deset<1>jedna<2>dva");  // no <11>: up to the end
}

TEST_F(LocationStoreTest, MarkersAreFoundWhereverASubstringSearchFindsThem) {
  WriteData("<01>nula<<1>>jedna<2>dva");
  EXPECT_EQ(Fetch(1), "<1>>jedna");
}

TEST_F(LocationStoreTest, NextMarkerBeforeTheLocationEndsTheProgram) {
  WriteData("<2>x<1>y");
  EXPECT_FALSE(store_.FetchLocation(1, {}, tags_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{kOrderMessage});
  EXPECT_TRUE(host_.ended);
  EXPECT_EQ(store_.LocationText(), "");
  EXPECT_EQ(tags_.Count(), 0);
}

TEST_F(LocationStoreTest, MissingMarkerEndsTheProgram) {
  WriteData("<1><text obsah=\"a\">");
  EXPECT_FALSE(store_.FetchLocation(25, {}, tags_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Nenalezeno lokace <25>"});
  EXPECT_TRUE(host_.ended);
  EXPECT_EQ(tags_.Count(), 0);
}

TEST_F(LocationStoreTest, MissingDataFileGivesTheMessageForLocationOne) {
  EXPECT_FALSE(store_.FetchLocation(1, {}, tags_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Nenalezeno lokace <1>"});
  EXPECT_TRUE(host_.ended);
}

TEST_F(LocationStoreTest, NegativeNumbersAreSearchedAsWritten) {
  WriteData("<-1>minus<0>nula");
  EXPECT_EQ(Fetch(-1), "<-1>minus");
  EXPECT_EQ(Fetch(0), "<0>nula");
}

TEST_F(LocationStoreTest, LocationIsScannedWithTheBlockDepthReset) {
  WriteData("<1>[1 = \"1\"]<text obsah=\"Ahoj\">[/]<2>");
  tags_.Blocks.Depth = 4;  // left over from a broken location
  Fetch(1);
  ASSERT_EQ(tags_.Count(), 1);  // the marker itself is no tag
  EXPECT_EQ(tags_.Entry(1).Tag.Name, "TEXT");
  EXPECT_EQ(tags_.Entry(1).Tag.ParamAt(1).Value, "Ahoj");
  EXPECT_EQ(tags_.Entry(1).ConditionCount, 1);
}

TEST_F(LocationStoreTest, MainTextIsReadOncePerRun) {
  WriteData("<1>a<2>b");
  EXPECT_EQ(Fetch(1), "<1>a");
  fs::remove("data/data.qvl");
  store_.StartGame();
  EXPECT_EQ(Fetch(2), "<2>b");
}

TEST_F(LocationStoreTest, ScrambledMainTextLeavesNoTemporaryCopy) {
  WriteBytes("data/zasifrovane/data.qvl", Scramble(kCheck, "<1>tajne<2>"));
  EXPECT_EQ(Fetch(1), "<1>tajne");
  EXPECT_FALSE(fs::exists("data/temp/data.qvl"));
  EXPECT_TRUE(host_.messages.empty());
}

// --- constants ---

TEST_F(LocationStoreTest, ConstantsAreCaseSensitiveAndShortLinesSkipped) {
  WriteConstants("ZLATO 25\r\nab\r\n");
  store_.LoadConstants();
  ASSERT_EQ(store_.Constants().size(), 1u);
  EXPECT_EQ(store_.ApplyConstants("ZLATO zlato ZLATOZLATO"), "25 zlato 2525");
}

TEST_F(LocationStoreTest, ConstantLinesAreReadUpToTheFirstSemicolon) {
  WriteConstants("JMENO   Karel z Lesa;komentar\nA B\nPRAZDNE \nbezmezery\n MEZERA 1\n");
  store_.LoadConstants();
  const std::vector<TMyPlugin>& c = store_.Constants();
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[0].Name, "JMENO");
  EXPECT_EQ(c[0].Text, "Karel z Lesa");
  EXPECT_EQ(c[1].Name, "A");  // "A B;" is 4 bytes
  EXPECT_EQ(c[1].Text, "B");
  EXPECT_EQ(c[2].Name, "PRAZDNE");
  EXPECT_EQ(c[2].Text, "");
}

TEST_F(LocationStoreTest, MissingConstantsFileGivesNoConstants) {
  store_.LoadConstants();
  EXPECT_TRUE(store_.Constants().empty());
  EXPECT_EQ(store_.ApplyConstants("ZLATO"), "ZLATO");
}

TEST_F(LocationStoreTest, LaterConstantReplacesWhatAnEarlierOneProduced) {
  WriteConstants("A1 B2\nB2 C3\n");
  store_.LoadConstants();
  EXPECT_EQ(store_.ApplyConstants("A1 B2"), "C3 C3");

  WriteConstants("B2 C3\nA1 B2\n");
  store_.LoadConstants();
  EXPECT_EQ(store_.ApplyConstants("A1 B2"), "B2 C3");
}

TEST_F(LocationStoreTest, ScrambledConstantsLeaveNoTemporaryCopy) {
  WriteBytes("data/zasifrovane/konstanty.qvl", Scramble(kCheck, "ZLATO 25\r\n"));
  store_.LoadConstants();
  ASSERT_EQ(store_.Constants().size(), 1u);
  EXPECT_FALSE(fs::exists("data/temp/konstanty.qvl"));
  EXPECT_FALSE(fs::exists("data/temp"));
}

TEST_F(LocationStoreTest, ConstantsApplyToTheMainTextAfterItsLibraries) {
  WriteConstants("ZLATO 25\n");
  WriteLibrary("konec", "ATO");
  WriteData("<1>ZL#knihovna_konec; zlata<2>");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(1), "<1>25 zlata");
}

TEST_F(LocationStoreTest, ConstantsApplyToALibraryBeforeItsReferences) {
  WriteConstants("ZLATO 25\nODKAZ #knihovna_pozdrav\n");
  WriteLibrary("pozdrav", "ahoj\r\nsvete\r\n");
  WriteLibrary("obchod", "ZLATO \r\nODKAZ;");
  store_.LoadConstants();
  EXPECT_EQ(store_.LoadLibrary("obchod").Text, "25 ahojsvete");
}

// --- libraries ---

TEST_F(LocationStoreTest, LibraryLinesAreJoinedAndReusedWithoutReading) {
  WriteLibrary("pozdrav", "ahoj\r\nsvete\r\n");
  WriteData("<1>#knihovna_pozdrav;<2>x#knihovna_pozdrav;y");
  EXPECT_EQ(Fetch(1), "<1>ahojsvete");
  EXPECT_EQ(Fetch(2), "<2>xahojsvetey");
  ASSERT_EQ(store_.Libraries().size(), 1u);

  fs::remove("data/knihovny/pozdrav.qvl");
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_pozdrav;"), "ahojsvete");
  EXPECT_EQ(Fetch(1, {.OptionLibrary = "pozdrav"}), "ahojsvete<1>ahojsvete");
  EXPECT_EQ(store_.Libraries().size(), 1u);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(LocationStoreTest, CapitalReferenceIsReplacedOnlyBesideTheLowerCaseOne) {
  WriteLibrary("pozdrav", "ahoj\nsvete");
  EXPECT_EQ(store_.ExpandLibraries("<1>#KNIHOVNA_pozdrav;"), "<1>#KNIHOVNA_pozdrav;");
  EXPECT_TRUE(store_.Libraries().empty());
  EXPECT_EQ(store_.ExpandLibraries("#KNIHOVNA_POZDRAV; #knihovna_pozdrav; #Knihovna_Pozdrav;"),
            "ahojsvete ahojsvete ahojsvete");
}

TEST_F(LocationStoreTest, ReferencesMatchIgnoringAccentedCase) {
  WriteLibrary(Cp1250ToUtf8(Cz("Žába")), Cz("kvák"));  // Žába, named in UTF-8 on disk
  EXPECT_EQ(store_.ExpandLibraries(Cz("#knihovna_Žába;#KNIHOVNA_žÁBA;")), Cz("kvákkvák"));
}

TEST_F(LocationStoreTest, FirstSpellingOfANameLoadsTheLibrary) {
  WriteLibrary("Mapa", "velka");
  WriteLibrary("mapa", "mala");
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_Mapa;#knihovna_mapa;"), "velkavelka");
  ASSERT_EQ(store_.Libraries().size(), 1u);
  EXPECT_EQ(store_.Libraries()[0].Name, "Mapa");
}

TEST_F(LocationStoreTest, NestedLibrariesAreListedBeforeTheirUser) {
  WriteLibrary("vnejsi", "[#knihovna_vnitrni;]");
  WriteLibrary("vnitrni", "jadro");
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_vnejsi;"), "[jadro]");
  ASSERT_EQ(store_.Libraries().size(), 2u);
  EXPECT_EQ(store_.Libraries()[0].Name, "vnitrni");
  EXPECT_EQ(store_.Libraries()[1].Name, "vnejsi");
  EXPECT_EQ(store_.FindLibrary("vnejsi")->Text, "[jadro]");
}

TEST_F(LocationStoreTest, FindLibraryIsExactAndTakesTheLastEntry) {
  WriteLibrary("a", "prvni");
  store_.LoadLibrary("a");
  WriteLibrary("a", "druha");
  const TMyPlugin& second = store_.LoadLibrary("a");
  EXPECT_EQ(store_.FindLibrary("a"), &second);
  EXPECT_EQ(store_.FindLibrary("A"), nullptr);
  EXPECT_EQ(&store_.FindOrLoadLibrary("a"), &second);
}

TEST_F(LocationStoreTest, MissingLibraryBecomesAVisibleNotice) {
  WriteData("<1>#knihovna_chybi;<2>");
  EXPECT_EQ(Fetch(1), "<1><text obsah=\"Nenalezena knihovna chybi !!!!\">");
  ASSERT_EQ(tags_.Count(), 1);
  EXPECT_EQ(tags_.Entry(1).Tag.Name, "TEXT");
  EXPECT_EQ(tags_.Entry(1).Tag.ParamAt(1).Value, "Nenalezena knihovna chybi !!!!");
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(host_.ended);
}

TEST_F(LocationStoreTest, LibraryCycleIsReportedOnceAndEndsEmpty) {
  WriteLibrary("a", "A#knihovna_b;");
  WriteLibrary("b", "B#knihovna_a;");
  WriteData("<1>#knihovna_a;<2>#knihovna_b;<3>");
  EXPECT_EQ(Fetch(1), "<1>AB");
  EXPECT_EQ(Fetch(2), "<2>B");
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Knihovna a odkazuje sama na sebe!"});
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_a;#knihovna_b;"), "ABB");
  EXPECT_EQ(host_.messages.size(), 1u);
  EXPECT_FALSE(host_.ended);
}

TEST_F(LocationStoreTest, LibraryReferringToItselfEndsEmpty) {
  WriteLibrary("sam", "x#knihovna_sam;y");
  EXPECT_EQ(store_.LoadLibrary("sam").Text, "xy");
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Knihovna sam odkazuje sama na sebe!"});
}

// Each nested library was one more round of LoadLibrary, ExpandLibraries and
// the reference's resolution on the stack: a chain of 15,000 libraries
// overflowed it.
TEST_F(LocationStoreTest, LibraryChainFifteenThousandDeepStopsAtTheNestingLimit) {
  constexpr int kChain = 15'000;
  for (int n = 1; n <= kChain; ++n) {
    WriteLibrary("l" + std::to_string(n), "x#knihovna_l" + std::to_string(n + 1) + ";");
  }
  WriteData("<1>#knihovna_l1;<2>#knihovna_l100;");
  EXPECT_EQ(Fetch(1), "<1>" + std::string(kMaxLibraryNesting, 'x'));
  const std::string too_deep = "Knihovna l" + std::to_string(kMaxLibraryNesting + 1) +
                               " je vno\xF8" "ena p\xF8\xEDli\x9A hluboko!";
  EXPECT_EQ(host_.messages, std::vector<std::string>{too_deep});
  EXPECT_EQ(store_.Libraries().size(), kMaxLibraryNesting * 2);
  // The reference that went too deep loaded nothing; a later one from the
  // main text starts a chain of its own, without a second message.
  EXPECT_EQ(Fetch(2), "<2>" + std::string(kMaxLibraryNesting, 'x'));
  EXPECT_EQ(host_.messages.size(), 1u);
  EXPECT_FALSE(host_.ended);
}

TEST_F(LocationStoreTest, LibrariesNestedUpToTheLimitAreAllExpanded) {
  std::string want = "<1>";
  for (std::size_t n = 1; n < kMaxLibraryNesting; ++n) {
    WriteLibrary("l" + std::to_string(n), std::to_string(n) + "#knihovna_l" + std::to_string(n + 1) + ";");
    want += std::to_string(n);
  }
  WriteLibrary("l" + std::to_string(kMaxLibraryNesting), "end");
  WriteData("<1>#knihovna_l1;");
  EXPECT_EQ(Fetch(1), want + "end");
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_EQ(store_.Libraries().size(), kMaxLibraryNesting);
}

// Every reference looked for its library through the whole list, so tens of
// thousands of distinct references cost the square of their number.
TEST_F(LocationStoreTest, TensOfThousandsOfDistinctReferencesAreFoundByName) {
  std::string text;
  std::string want;
  for (int n = 0; n < 30'000; ++n) {
    text += "#knihovna_k" + std::to_string(n) + ";";
    want += MissingNotice("k" + std::to_string(n));
  }
  EXPECT_EQ(store_.ExpandLibraries(text + "#knihovna_k7;"), want + MissingNotice("k7"));
  EXPECT_EQ(store_.Libraries().size(), 30'000u);
  EXPECT_EQ(store_.FindLibrary("k29999"), &store_.Libraries().back());
}

// Each reference without its ";" looked as far as the longest name for one,
// past any number of further references.
TEST_F(LocationStoreTest, LongNameAmongManyUnterminatedReferencesIsStillReplaced) {
  const std::string name(1'000'000, 'n');
  std::string unterminated;
  for (int n = 0; n < 100'000; ++n) unterminated += "#knihovna_";
  const std::string text = "#knihovna_" + name + ";" + unterminated + "#knihovna_" + name + ";";
  EXPECT_EQ(store_.ExpandLibraries(text), MissingNotice(name) + unterminated + MissingNotice(name));
}

// Every library's text looked for each constant on its own, so thousands of
// libraries under tens of thousands of constants cost their product.
TEST_F(LocationStoreTest, ThousandsOfLibrariesUnderTensOfThousandsOfConstants) {
  std::string konstanty;
  for (int i = 0; i < 50'000; ++i) konstanty += "K" + std::to_string(i) + "_ v" + std::to_string(i) + "\n";
  WriteConstants(konstanty);
  store_.LoadConstants();
  ASSERT_EQ(store_.Constants().size(), 50'000u);
  std::string text;
  std::string want;
  for (int i = 0; i < 1'000; ++i) {
    const std::string n = std::to_string(i * 50);
    WriteLibrary("l" + n, "<K" + n + "_>");
    text += "#knihovna_l" + n + ";";
    want += "<v" + n + ">";
  }
  EXPECT_EQ(store_.ExpandLibraries(text), want);
}

TEST_F(LocationStoreTest, UnterminatedReferenceIsLeftAsItIs) {
  WriteLibrary("a", "A");
  EXPECT_EQ(store_.ExpandLibraries("x#knihovna_a"), "x#knihovna_a");
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_a;#knihovna_b"), "A#knihovna_b");
  EXPECT_EQ(store_.Libraries().size(), 1u);
}

TEST_F(LocationStoreTest, MalformedReferencesAreLeftAsTheyAreAndLoadNothing) {
  WriteLibrary("a", "A");
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_ a ;"), "#knihovna_ a ;");
  EXPECT_EQ(store_.ExpandLibraries("#knihovna_x#knihovna_a;"), "#knihovna_xA");
  ASSERT_EQ(store_.Libraries().size(), 1u);
  EXPECT_EQ(store_.Libraries()[0].Name, "a");
}

TEST_F(LocationStoreTest, ScrambledLibraryFailingItsCheckStaysEmpty) {
  WriteBytes("data/zasifrovane/knihovny/zly.qvl", Scramble("Jina", "tajne"));
  WriteBytes("data/zasifrovane/knihovny/dobry.qvl", Scramble(kCheck, "ahoj\r\nsvete"));
  EXPECT_EQ(store_.ExpandLibraries("[#knihovna_zly;|#knihovna_dobry;|#knihovna_nic;]"),
            "[|ahojsvete|<text obsah=\"Nenalezena knihovna nic !!!!\">]");
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Chybn\xE9 soubory v zly.qvl !"});
  const TMyPlugin* bad = store_.FindLibrary("zly");
  ASSERT_NE(bad, nullptr);
  EXPECT_EQ(bad->Text, "");
  EXPECT_FALSE(fs::exists("data/knihovny/temp"));
}

// --- libraries of the main text, put in as each location is fetched ---
// Each location must read as if the whole text had its libraries put in at
// once; where a library could change the markers, it is.

TEST_F(LocationStoreTest, LibraryHoldingAMarkerIsPutInTheWholeText) {
  WriteLibrary("x", "b<2>d");
  WriteData("<1>a#knihovna_x;<3>c");
  EXPECT_EQ(Fetch(2), "<2>d");
  EXPECT_EQ(Fetch(1), "<1>ab");
  EXPECT_EQ(Fetch(3), "<3>c");
}

TEST_F(LocationStoreTest, LibrariesThatJoinDigitsIntoAMarkerArePutInTheWholeText) {
  WriteLibrary("dva", "2");
  WriteLibrary("nic", "");
  WriteData("<1>x<#knihovna_dva;>y<1#knihovna_nic;3>z");
  EXPECT_EQ(Fetch(2), "<2>y<13>z");
  EXPECT_EQ(Fetch(13), "<13>z");
}

TEST_F(LocationStoreTest, MarkerInsideAReplacedReferenceIsGone) {
  WriteLibrary("<2>", "q");
  WriteData("<1>a#knihovna_<2>;b");
  tags_.Clear();
  EXPECT_FALSE(store_.FetchLocation(2, {}, tags_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Nenalezeno lokace <2>"});
}

TEST_F(LocationStoreTest, ConstantNameCompletedByALibraryIsPutInTheWholeText) {
  WriteConstants("DVA 2\n");
  WriteLibrary("v", "V");
  WriteData("<1>p<D#knihovna_v;A>r");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(2), "<2>r");
}

TEST_F(LocationStoreTest, LibrariesPutInPerLocationAreTheOnesOfTheFirstLoad) {
  WriteLibrary("x", "<text obsah=\"X\">");
  WriteData("<1>a#knihovna_x;<2>b#knihovna_x;");
  EXPECT_EQ(Fetch(1), "<1>a<text obsah=\"X\">");
  // A new game reads its libraries again; the main text keeps what it had.
  WriteLibrary("x", "<text obsah=\"Y\">");
  store_.StartGame();
  EXPECT_EQ(Fetch(2), "<2>b<text obsah=\"X\">");
  EXPECT_EQ(store_.FindOrLoadLibrary("x").Text, "<text obsah=\"Y\">");
}

TEST_F(LocationStoreTest, NegativeNumberIsSearchedForInTheTextWithItsLibraries) {
  WriteLibrary("x", "<-5>z");
  WriteData("<1>a#knihovna_x;b");
  EXPECT_EQ(Fetch(-5), "<-5>zb");
  EXPECT_EQ(Fetch(1), "<1>a<-5>zb");
}

// --- assembling a location ---

class AssemblyTest : public LocationStoreTest {
 protected:
  AssemblyTest() {
    WriteLibrary("pred", "P");
    WriteLibrary("po", "S");
    WriteLibrary("volba", "V");
    WriteData("<1>a#noprefix;<2>b#nosuffix;<3>c#NOPREFIX;");
    store_.SetPrefix(&store_.FindOrLoadLibrary("pred"));
    store_.SetSuffix(&store_.FindOrLoadLibrary("po"));
  }
  const FetchOptions kBoth{.PrefixEnabled = true, .SuffixEnabled = true};
};

TEST_F(AssemblyTest, NoPrefixDropsThePrefixButKeepsTheSuffix) {
  EXPECT_EQ(Fetch(1, kBoth), "<1>a#noprefix;S");
  EXPECT_EQ(Fetch(2, kBoth), "P<2>b#nosuffix;");
  EXPECT_EQ(Fetch(3, kBoth), "P<3>c#NOPREFIX;S");  // the markers are case-sensitive
}

TEST_F(AssemblyTest, SwitchesEnablePrefixAndSuffix) {
  EXPECT_EQ(Fetch(3), "<3>c#NOPREFIX;");
  EXPECT_EQ(Fetch(3, {.PrefixEnabled = true}), "P<3>c#NOPREFIX;");
  EXPECT_EQ(Fetch(3, {.SuffixEnabled = true}), "<3>c#NOPREFIX;S");
  store_.SetPrefix(nullptr);
  EXPECT_EQ(Fetch(3, kBoth), "<3>c#NOPREFIX;S");
}

TEST_F(AssemblyTest, OptionLibraryStandsBetweenPrefixAndLocation) {
  FetchOptions options = kBoth;
  options.OptionLibrary = "volba";
  EXPECT_EQ(Fetch(3, options), "PV<3>c#NOPREFIX;S");
  EXPECT_EQ(Fetch(1, options), "V<1>a#noprefix;S");
  options.OptionLibrary = "nova";  // loaded on first use
  WriteLibrary("nova", "N");
  EXPECT_EQ(Fetch(3, options), "PN<3>c#NOPREFIX;S");
}

TEST_F(AssemblyTest, RedirectFetchesFromALibraryUntilRestored) {
  WriteLibrary("kniha", "<1>jedna\r\n<2>dva");
  Fetch(1);
  store_.SetSource(&store_.FindOrLoadLibrary("kniha"));
  EXPECT_EQ(Fetch(1), "<1>jedna");
  EXPECT_EQ(Fetch(2), "<2>dva");
  EXPECT_FALSE(store_.FetchLocation(3, {}, tags_));
  EXPECT_EQ(host_.messages, std::vector<std::string>{"Nenalezeno lokace <3>"});
  store_.SetSource(nullptr);
  EXPECT_EQ(Fetch(3), "<3>c#NOPREFIX;");
}

TEST_F(AssemblyTest, RedirectSetBeforeTheFirstFetchHolds) {
  WriteLibrary("kniha", "<1>jedna");
  store_.SetSource(&store_.FindOrLoadLibrary("kniha"));
  EXPECT_EQ(Fetch(1), "<1>jedna");
  EXPECT_TRUE(store_.MainTextLoaded());
}

TEST_F(AssemblyTest, StartGameForgetsTheGamesLibrariesAndRedirect) {
  WriteLibrary("kniha", "<1>jedna");
  store_.SetSource(&store_.FindOrLoadLibrary("kniha"));
  WriteConstants("X Y\n");
  store_.LoadConstants();
  store_.StartGame();
  EXPECT_TRUE(store_.Libraries().empty());
  EXPECT_TRUE(store_.Constants().empty());
  EXPECT_EQ(store_.Prefix(), nullptr);
  EXPECT_EQ(store_.Suffix(), nullptr);
  EXPECT_EQ(store_.Source(), nullptr);
  EXPECT_EQ(Fetch(1, kBoth), "<1>a#noprefix;");
}

}  // namespace
}  // namespace qv
