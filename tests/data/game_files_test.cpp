#include "data/game_files.h"

#include <gtest/gtest.h>

#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "support/czech_text.h"

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

TEST_F(GameFilesTest, StrayTemporaryCopiesAreNeitherReadNorTouched) {
  WriteBytes("data/data.qvl", "<1>ahoj");
  WriteBytes("data/temp/data.qvl", "stray");
  WriteBytes("data/temp/konstanty.qvl", "stray");
  WriteBytes("data/konstanty.qvl", "ZLATO 25");
  EXPECT_EQ(files_.ReadGameFile("data"), "<1>ahoj");
  EXPECT_EQ(files_.ReadGameFile("konstanty"), "ZLATO 25");
  EXPECT_EQ(ReadBytes("data/temp/data.qvl"), "stray");
  EXPECT_EQ(ReadBytes("data/temp/konstanty.qvl"), "stray");
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
  EXPECT_EQ(files_.ReadLibraryFile(Cz("kouzelná")), "abrakadabra");
}

// --- scrambled main files ---

TEST_F(GameFilesTest, ScrambledMainFileIsUnscrambledInMemory) {
  WriteBytes("data/zasifrovane/kouzla.qvl", Scramble(kCheck, Cz("Ohnivá koule\r\n")));
  EXPECT_TRUE(files_.IsScrambled());
  EXPECT_EQ(files_.ReadGameFile("kouzla"), Cz("Ohnivá koule\r\n"));
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(files_.OpenGameFile("data"));
  WriteBytes("data/zasifrovane/data.qvl", Scramble(kCheck, "<1>text"));
  ASSERT_TRUE(files_.OpenGameFile("data"));
  EXPECT_TRUE(files_.SelectedPath().empty());
  EXPECT_EQ(files_.ReadSelected(), "<1>text");
  EXPECT_FALSE(fs::exists("data/temp"));
}

// A copy on disk could be written through a link the book ships, and could
// not be written at all in a read-only folder.
TEST_F(GameFilesTest, LinkedTempFolderIsNeverWrittenThrough) {
  TempWorkDir outside;
  WriteBytes(outside.path() / "zbrane.qvl", "mine");
  fs::current_path(dir_.path());
  fs::create_directory_symlink(outside.path(), "data/temp");
  fs::create_directories("data/knihovny");
  fs::create_directory_symlink(outside.path(), "data/knihovny/temp");
  WriteBytes("data/zasifrovane/zbrane.qvl", Scramble(kCheck, "evil"));
  WriteBytes("data/zasifrovane/knihovny/zbrane.qvl", Scramble(kCheck, "evil"));
  EXPECT_EQ(files_.ReadGameFile("zbrane"), "evil");
  EXPECT_EQ(files_.ReadLibraryFile("zbrane"), "evil");
  EXPECT_EQ(ReadBytes(outside.path() / "zbrane.qvl"), "mine");
}

TEST_F(GameFilesTest, ScrambledBookWhoseTempFolderCannotBeMadeIsStillRead) {
  WriteBytes("data/temp", "a file where the folder would go");
  WriteBytes("data/zasifrovane/data.qvl", Scramble(kCheck, "<1>text"));
  EXPECT_EQ(files_.ReadGameFile("data"), "<1>text");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(GameFilesTest, LinkedGameFilesAreNotRead) {
  WriteBytes("outside.qvl", "secret");
  fs::create_symlink("../outside.qvl", "data/zbrane.qvl");
  fs::create_directories("data/knihovny");
  fs::create_symlink("../../outside.qvl", "data/knihovny/a.qvl");
  EXPECT_EQ(files_.ReadGameFile("zbrane"), std::nullopt);
  EXPECT_EQ(files_.ReadLibraryFile("a"), std::nullopt);
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
  EXPECT_EQ(files_.ReadSelected(),
            "\xFD"
            "A");
}

TEST_F(GameFilesTest, EndOfTextInsideTheUnscrambledBodyEndsTheRead) {
  // A stored 0x22 unscrambles to 0x1A, which ends the read.
  WriteBytes("data/zasifrovane/obchod.qvl", Scramble(kCheck, std::string("ab\x1A"
                                                                         "cd")));
  ASSERT_TRUE(files_.OpenGameFile("obchod"));
  EXPECT_EQ(files_.ReadSelected(), "ab");
}

TEST_F(GameFilesTest, FailedCheckIsReported) {
  WriteBytes("data/zasifrovane/predmety.qvl", Scramble("Jinak", "mec"));
  EXPECT_FALSE(files_.OpenGameFile("predmety"));
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], Cz("Chybné soubory - predmety.qvl !"));
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

TEST_F(GameFilesTest, ScrambledLibraryIsReadWithoutWritingAnything) {
  WriteBytes("data/zasifrovane/knihovny/pozdrav.qvl", Scramble(kCheck, "ahoj"));
  EXPECT_TRUE(files_.IsLibraryScrambled());
  ASSERT_TRUE(files_.OpenLibraryFile("pozdrav"));
  EXPECT_EQ(files_.ReadSelected(), "ahoj");
  EXPECT_FALSE(fs::exists("data/knihovny/temp"));
  EXPECT_FALSE(fs::exists("data/temp"));
}

TEST_F(GameFilesTest, ScrambledLibraryFailingItsCheckIsReported) {
  WriteBytes("data/zasifrovane/knihovny/pozdrav.qvl", Scramble("Jinak", "ahoj"));
  EXPECT_EQ(files_.ReadLibraryFile("pozdrav"), std::nullopt);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], Cz("Chybné soubory v pozdrav.qvl !"));
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
