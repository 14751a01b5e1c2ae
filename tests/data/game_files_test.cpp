#include "data/game_files.h"

#include <gtest/gtest.h>

#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

const std::string kCheck = "Kniha";

class GameFilesTest : public ::testing::Test {
 protected:
  GameFilesTest() { fs::create_directories("data"); }

  TempWorkDir dir_;
  RecordingHost host_;
  GameFiles files_{host_, kCheck};
};

// --- plain files ---

TEST_F(GameFilesTest, PlainMainFileEndsAtTheFirst0x1A) {
  WriteBytes("data/zbrane.qvl", "abc\r\nx\x1Ayz");
  EXPECT_FALSE(files_.IsScrambled());
  EXPECT_EQ(files_.ReadGameFile("zbrane"), "abc\r\nx");
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(fs::exists("data/temp"));
  EXPECT_TRUE(fs::exists("data/zbrane.qvl"));
}

TEST_F(GameFilesTest, MissingPlainMainFileIsFalseWithoutMessage) {
  EXPECT_FALSE(files_.OpenGameFile("kouzla"));
  EXPECT_TRUE(files_.SelectedPath().empty());
  EXPECT_EQ(files_.ReadGameFile("kouzla"), std::nullopt);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(GameFilesTest, OpenSetsTheSelectionState) {
  WriteBytes("data/obchod.qvl", "x");
  ASSERT_TRUE(files_.OpenGameFile("obchod"));
  EXPECT_EQ(files_.BaseDir(), "./data/");
  EXPECT_EQ(files_.Subfolder(), "");
  EXPECT_EQ(files_.SelectedPath(), fs::path("./data/obchod.qvl"));
  EXPECT_TRUE(files_.OpenLibraryFile("pozdrav"));
  EXPECT_EQ(files_.Subfolder(), "knihovny/");
  EXPECT_EQ(files_.SelectedPath(), fs::path("./data/knihovny/pozdrav.qvl"));
}

TEST_F(GameFilesTest, NamesAreNotCaseFolded) {
  WriteBytes("data/Zbrane.qvl", "x");
  EXPECT_FALSE(files_.OpenGameFile("zbrane"));
  EXPECT_TRUE(files_.OpenGameFile("Zbrane"));
}

TEST_F(GameFilesTest, LocationFileInPlainModeLeavesTheTempFolderAlone) {
  WriteBytes("data/data.qvl", "<1>ahoj");
  WriteBytes("data/temp/data.qvl", "stray");
  WriteBytes("data/temp/konstanty.qvl", "stray");
  WriteBytes("data/konstanty.qvl", "ZLATO 25");
  EXPECT_EQ(files_.ReadGameFile("data"), "<1>ahoj");
  EXPECT_TRUE(fs::exists("data/temp/data.qvl"));
  // Every other main file is followed by DeleteTempCopy in both modes.
  EXPECT_EQ(files_.ReadGameFile("konstanty"), "ZLATO 25");
  EXPECT_FALSE(fs::exists("data/temp/konstanty.qvl"));
  EXPECT_TRUE(fs::exists("data/temp"));  // not empty: still holds data.qvl
}

TEST_F(GameFilesTest, LargeFileIsReadWhole) {
  std::string big(9 * 1024 * 1024, 'q');
  for (std::size_t i = 0; i < big.size(); i += 4099) big[i] = '\n';
  WriteBytes("data/data.qvl", big);
  const std::optional<std::string> text = files_.ReadGameFile("data");
  ASSERT_TRUE(text.has_value());
  EXPECT_TRUE(*text == big);
}

TEST_F(GameFilesTest, UnreadableFileCountsAsMissing) {
  fs::create_directories("data/zbrane.qvl");
  EXPECT_EQ(files_.ReadGameFile("zbrane"), std::nullopt);
  fs::create_directories("data/knihovny/pozdrav.qvl");
  EXPECT_EQ(files_.ReadLibraryFile("pozdrav"), std::nullopt);
}

TEST_F(GameFilesTest, AccentedNamesAreSpelledInUtf8OnDisk) {
  WriteBytes("data/knihovny/kouzeln\u00E1.qvl", "abrakadabra");
  EXPECT_EQ(files_.ReadLibraryFile("kouzeln\xE1"), "abrakadabra");
}

// --- scrambled main files ---

TEST_F(GameFilesTest, ScrambledMainFileIsUnscrambledAndItsCopyRemoved) {
  WriteBytes("data/zasifrovane/kouzla.qvl", Scramble(kCheck, "Ohniv\xE1 koule\r\n"));
  EXPECT_TRUE(files_.IsScrambled());
  EXPECT_EQ(files_.ReadGameFile("kouzla"), "Ohniv\xE1 koule\r\n");
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(fs::exists("data/temp/kouzla.qvl"));
  EXPECT_FALSE(fs::exists("data/temp"));
}

TEST_F(GameFilesTest, TemporaryCopyLivesUntilDeleteTempCopy) {
  WriteBytes("data/zasifrovane/data.qvl", Scramble(kCheck, "<1>text"));
  ASSERT_TRUE(files_.OpenGameFile("data"));
  EXPECT_EQ(files_.SelectedPath(), fs::path("./data/temp/data.qvl"));
  EXPECT_EQ(ReadBytes("data/temp/data.qvl"), "<1>text");
  EXPECT_EQ(files_.ReadSelected(), "<1>text");
  files_.DeleteTempCopy("data");
  EXPECT_FALSE(fs::exists("data/temp"));
}

TEST_F(GameFilesTest, LocationFileInScrambledModeIsCleanedUp) {
  WriteBytes("data/zasifrovane/data.qvl", Scramble(kCheck, "<1>text"));
  EXPECT_EQ(files_.ReadGameFile("data"), "<1>text");
  EXPECT_FALSE(fs::exists("data/temp"));
}

TEST_F(GameFilesTest, EmptyCheckStringReadsFromTheSecondByte) {
  files_.SetCheckString("");
  // The filler 'I' would unscramble to 'A' if it were read as body.
  WriteBytes("data/zasifrovane/utoky.qvl", "I" + Scramble("", "xyz").substr(1));
  EXPECT_EQ(files_.ReadGameFile("utoky"), "xyz");
}

TEST_F(GameFilesTest, PrefixArithmeticWrapsAround) {
  files_.SetCheckString("\xFF");
  // k = 1: (0x0A - 10 - 1) mod 256 = 0xFF.
  WriteBytes("data/zasifrovane/zbroje.qvl", std::string("\x0A\x00"
                                                        "I",
                                                        3));
  EXPECT_EQ(Scramble("\xFF", "A"), std::string("\x0A\x77I", 3));
  EXPECT_EQ(files_.ReadGameFile("zbroje"), "A");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(GameFilesTest, BodyBytesWrapAndStoredEndOfTextEndsTheBody) {
  files_.SetCheckString("");
  WriteBytes("data/zasifrovane/predmety.qvl", std::string("\x00\x05I\x1AIIII", 8));
  ASSERT_TRUE(files_.OpenGameFile("predmety"));
  EXPECT_EQ(ReadBytes("data/temp/predmety.qvl"),
            "\xFD"
            "A");
  EXPECT_EQ(files_.ReadSelected(),
            "\xFD"
            "A");
}

TEST_F(GameFilesTest, EndOfTextInsideTheUnscrambledBodyEndsTheRead) {
  // A stored 0x22 unscrambles to 0x1A: written to the copy, but it ends the read.
  WriteBytes("data/zasifrovane/obchod.qvl", Scramble(kCheck, std::string("ab\x1A"
                                                                         "cd")));
  ASSERT_TRUE(files_.OpenGameFile("obchod"));
  EXPECT_EQ(ReadBytes("data/temp/obchod.qvl"),
            "ab\x1A"
            "cd");
  EXPECT_EQ(files_.ReadSelected(), "ab");
}

TEST_F(GameFilesTest, FailedCheckDeletesTheCopyAndReports) {
  WriteBytes("data/zasifrovane/predmety.qvl", Scramble("Jinak", "mec"));
  EXPECT_FALSE(files_.OpenGameFile("predmety"));
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "Chybn\xE9 soubory - predmety.qvl !");
  EXPECT_FALSE(fs::exists("data/temp/predmety.qvl"));
  EXPECT_FALSE(fs::exists("data/temp"));
  EXPECT_EQ(files_.ReadGameFile("predmety"), std::nullopt);
}

TEST_F(GameFilesTest, FileShorterThanItsPrefixFailsTheCheck) {
  WriteBytes("data/zasifrovane/zbrane.qvl", "\x56");
  EXPECT_FALSE(files_.OpenGameFile("zbrane"));
  EXPECT_EQ(host_.messages.size(), 1u);
  EXPECT_FALSE(fs::exists("data/temp"));
}

TEST_F(GameFilesTest, ScrambledModeIgnoresPlainMainFiles) {
  fs::create_directories("data/zasifrovane");
  WriteBytes("data/kouzla.qvl", "plain");
  EXPECT_FALSE(files_.OpenGameFile("kouzla"));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(GameFilesTest, UnscrambleFileComparesAgainstTheGivenCheck) {
  WriteBytes("data/zasifrovane/x.qvl", Scramble("abc", "body"));
  EXPECT_TRUE(files_.UnscrambleFile("x.qvl", "abc"));
  EXPECT_EQ(ReadBytes("data/temp/x.qvl"), "body");
  EXPECT_FALSE(files_.UnscrambleFile("x.qvl", "abd"));
  EXPECT_FALSE(fs::exists("data/temp/x.qvl"));
  EXPECT_FALSE(files_.UnscrambleFile("missing.qvl", "abc"));
  EXPECT_FALSE(fs::exists("data/temp"));
}

// --- libraries ---

TEST_F(GameFilesTest, MainFilesScrambledLibrariesPlain) {
  WriteBytes("data/zasifrovane/data.qvl", Scramble(kCheck, "<1>#knihovna_pozdrav;"));
  WriteBytes("data/knihovny/pozdrav.qvl", "ahoj\r\nsvete\r\n");
  EXPECT_TRUE(files_.IsScrambled());
  EXPECT_FALSE(files_.IsLibraryScrambled());
  EXPECT_EQ(files_.ReadGameFile("data"), "<1>#knihovna_pozdrav;");
  EXPECT_EQ(files_.ReadLibraryFile("pozdrav"), "ahoj\r\nsvete\r\n");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(GameFilesTest, ScrambledLibraryLeavesOnlyTheEmptyMainTempFolder) {
  WriteBytes("data/zasifrovane/knihovny/pozdrav.qvl", Scramble(kCheck, "ahoj"));
  EXPECT_TRUE(files_.IsLibraryScrambled());
  ASSERT_TRUE(files_.OpenLibraryFile("pozdrav"));
  EXPECT_EQ(files_.SelectedPath(), fs::path("./data/knihovny/temp/pozdrav.qvl"));
  EXPECT_EQ(files_.ReadSelected(), "ahoj");
  files_.DeleteTempCopy("pozdrav");
  EXPECT_FALSE(fs::exists("data/knihovny/temp"));
  EXPECT_TRUE(fs::is_directory("data/temp"));
  EXPECT_TRUE(fs::is_empty("data/temp"));
}

TEST_F(GameFilesTest, ScrambledLibraryFailingItsCheckIsReported) {
  WriteBytes("data/zasifrovane/knihovny/pozdrav.qvl", Scramble("Jinak", "ahoj"));
  EXPECT_EQ(files_.ReadLibraryFile("pozdrav"), std::nullopt);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "Chybn\xE9 soubory v pozdrav.qvl !");
  EXPECT_FALSE(fs::exists("data/knihovny/temp"));
}

TEST_F(GameFilesTest, MissingScrambledLibraryIsMissingNotBroken) {
  fs::create_directories("data/zasifrovane/knihovny");
  EXPECT_FALSE(files_.OpenLibraryFile("nic"));
  EXPECT_EQ(files_.ReadLibraryFile("nic"), std::nullopt);
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(fs::exists("data/knihovny/temp"));
}

TEST_F(GameFilesTest, OpeningALibraryCreatesTheLibraryFolder) {
  EXPECT_FALSE(fs::exists("data/knihovny"));
  EXPECT_TRUE(files_.OpenLibraryFile("pozdrav"));  // existence is not tested here
  EXPECT_TRUE(fs::is_directory("data/knihovny"));
  EXPECT_EQ(files_.ReadLibraryFile("pozdrav"), std::nullopt);
}

TEST_F(GameFilesTest, DeleteTempCopyUsesTheSubfolderOfTheLastOpen) {
  WriteBytes("data/temp/a.qvl", "main");
  WriteBytes("data/knihovny/temp/a.qvl", "library");
  files_.OpenLibraryFile("a");
  files_.DeleteTempCopy("a");
  EXPECT_TRUE(fs::exists("data/temp/a.qvl"));
  EXPECT_FALSE(fs::exists("data/knihovny/temp"));
}

TEST_F(GameFilesTest, TempFolderIsRemovedOnlyWhenEmpty) {
  WriteBytes("data/temp/a.qvl", "x");
  WriteBytes("data/temp/b.qvl", "y");
  files_.OpenGameFile("a");
  files_.DeleteTempCopy("a");
  EXPECT_FALSE(fs::exists("data/temp/a.qvl"));
  EXPECT_TRUE(fs::exists("data/temp/b.qvl"));
  files_.DeleteTempCopy("b");
  EXPECT_FALSE(fs::exists("data/temp"));
  files_.DeleteTempCopy("b");  // nothing left: silent
}

// --- names that would leave the gamebook folder ---

TEST_F(GameFilesTest, HostileNamesAreRefusedWithoutTouchingTheDisk) {
  WriteBytes("secret.qvl", "outside");
  WriteBytes("data/secret.qvl", "beside the libraries");
  const std::string hostile[] = {
      "../secret", "a/../../secret",         "..", "/etc/passwd", "..\\secret",
      "c:secret",  std::string("data\0x", 6)};
  for (const std::string& name : hostile) {
    EXPECT_FALSE(files_.OpenGameFile(name)) << name;
    EXPECT_EQ(files_.ReadGameFile(name), std::nullopt) << name;
    EXPECT_FALSE(files_.OpenLibraryFile(name)) << name;
    EXPECT_EQ(files_.ReadLibraryFile(name), std::nullopt) << name;
    EXPECT_FALSE(files_.UnscrambleFile(name, kCheck)) << name;
  }
  EXPECT_FALSE(fs::exists("data/knihovny"));
  EXPECT_FALSE(fs::exists("data/temp"));
  EXPECT_TRUE(fs::exists("secret.qvl"));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(GameFilesTest, HostileNamesInScrambledModeNeitherReportNorWrite) {
  WriteBytes("data/zasifrovane/knihovny/x.qvl", Scramble(kCheck, "x"));
  WriteBytes("data/zasifrovane/secret.qvl", Scramble(kCheck, "x"));
  EXPECT_FALSE(files_.OpenGameFile("knihovny/../../zasifrovane/secret"));
  EXPECT_FALSE(files_.OpenLibraryFile("../secret"));
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(fs::exists("data/temp"));
  EXPECT_FALSE(fs::exists("data/knihovny"));
}

TEST_F(GameFilesTest, DotsInsideANameAreFine) {
  WriteBytes("data/knihovny/v..1.qvl", "ok");
  EXPECT_EQ(files_.ReadLibraryFile("v..1"), "ok");
}

}  // namespace
}  // namespace qv
