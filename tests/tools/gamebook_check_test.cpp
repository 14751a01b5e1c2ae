#include "tools/gamebook_check.h"

#include <gtest/gtest.h>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/gamebook_fixture.h"
#include "tool_test_support.h"
#include "tools/skin_check.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

void WriteRecord(const std::string& root = ".") {
  WriteBytes(root + "/data/inicializace.qvl", TestInitRecord().EncodeToBytes());
}

// Every skin picture, so that a grafika folder brings no findings of its own.
void WriteSkinPictures() {
  for (const char* name : {"menu", "tlacitko_1", "tlacitko_2", "tlacitko_3", "tlacitko_4", "tlacitko_1b",
                           "tlacitko_2b", "tlacitko_3b", "tlacitko_4b", "titulek", "pozadi_postava",
                           "pozadi_inventar", "pozadi_bitva", "krizek", "plusko3d", "ok", "ulozit", "neukladat"})
    WriteBytes(std::string("grafika/") + name + ".png", "");
  WriteBytes("grafika/smrtcool.jpg", "");
}

std::vector<std::string> Lines(const std::vector<Finding>& findings) {
  std::vector<std::string> lines;
  for (const Finding& f : findings) lines.push_back(FormatFinding(f));
  return lines;
}

// The fixture holds one of each fault the checker knows.
TEST(GamebookCheck, FindsEachSeededFaultOnceAtItsLine) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "tests/gamebooks/faults");
  WriteRecord();
  // All skin pictures but one.
  for (const char* name : {"menu", "tlacitko_1", "tlacitko_2", "tlacitko_3", "tlacitko_4", "tlacitko_1b",
                           "tlacitko_2b", "tlacitko_3b", "tlacitko_4b", "titulek", "pozadi_postava",
                           "pozadi_inventar", "pozadi_bitva", "krizek", "plusko3d", "ok", "ulozit"})
    WriteBytes(std::string("grafika/") + name + ".png", "");
  WriteBytes("grafika/smrtcool.jpg", "");

  const std::vector<std::string> expected = {
      "data/data.qvl:5: MENU X: location 50 does not exist; add <50> or lead to a location that exists",
      "data/data.qvl:6: unknown tag <TEXXT>; check its spelling",
      "data/data.qvl:7: TEXT: unknown attribute 'OBSAHH'; check its spelling",
      "data/data.qvl:8: TEXT OBSAH: unknown $ name $FOO; check its spelling",
      "data/data.qvl:9: PROMENNA 1000: variable 1000 is outside 1..999",
      "data/data.qvl:10: library nic does not exist (data/knihovny/nic.qvl); add the file or correct the name",
      "data/data.qvl:12: [/] closes no open condition block",
      "data/data.qvl:14: SOUBOJ: a fight reachable from location 1 before any attack is taught",
      "data/data.qvl:19: OBRAZEKVTEXTU SOUBOR: picture obrazky/chybi.png does not exist; add the file or correct the name",
      "data/data.qvl:20: AUDIOSOUND SOUBOR: sound audio/chybi.wav does not exist; add the file or correct the name",
      "data/data.qvl:21: tag TEXT has 11 attributes; the engine reads 10",
      "data/data.qvl:22: condition: variable 1000 is outside 1..999",
      "data/data.qvl:23: condition blocks nested deeper than 15",
      "data/data.qvl:25: location 6 stands before location 5 (line 27)",
      "data/data.qvl:27: location 4 is missing (locations run 1..7); add <4> or number the locations without gaps",
      "data/data.qvl:29: location 7 is not reached from location 1 by any option, link or countdown; lead one to it",
      "data/knihovny/b.qvl:1: library cycle: a -> b -> a",
      "data/utoky.qvl:2: attack 2 (Kop) is taught by no location",
      "data/zbrane.qvl:2: line does not parse: '' is not a valid integer value",
      "grafika/neukladat: skin picture missing (.png, .jpg or .gif)",
  };
  EXPECT_EQ(Lines(CheckGamebook()), expected);
  // The check reads; it creates nothing in the gamebook.
  EXPECT_FALSE(fs::exists("data/temp"));
}

// One of each fault that stops a page or is almost surely a mistake; each is
// found once, at the author's own line, saying how to fix it.
TEST(GamebookCheck, FindsEachPageStoppingFaultOnce) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "tests/gamebooks/page_faults");
  WriteRecord();
  WriteSkinPictures();
  const std::vector<std::string> expected = {
      "data/data.qvl:2: TEXT BARVA: 'cervena' is not a colour, and the page stops here; write a colour "
      "name (Red, Navy, Silver, ...) or *BBGGRR (blue, green, red: *0000FF is red)",
      "data/data.qvl:4: MENU X: 'dva' is not a whole number, and the page stops here; write digits only",
      "data/data.qvl:6: tag <MENU> is not closed: it runs into the '<' on line 7; end it with '>'",
      "data/data.qvl:9: warning: condition: operator '==' is none of = < > <> <= >=, so the block is taken "
      "whenever the two sides differ; write = to compare for equality",
      "data/data.qvl:10: warning: variable 31 is read here, but no tag sets it, so it is always 0; set it "
      "with <promenna 31=\"1\"> or an option's 31=\"1\"",
      "data/data.qvl:11: warning: M: the option has no text, so the player sees an empty line; give it "
      "t=\"...\"",
      "data/data.qvl:12: NAHODA 30: 'k6' is not dice, and the page stops here; write the number of dice "
      "first, as in 2k6+1",
      "grafika/skin.ini:2: [Interface] Ramecky: 'Fialova' is not a colour, so the default is used; write "
      "a colour name (Red, Navy, Silver, ...) or *BBGGRR (blue, green, red: *0000FF is red)",
  };
  const std::vector<Finding> findings = CheckGamebook();
  EXPECT_EQ(Lines(findings), expected);
  // Warnings alone do not fail a check.
  EXPECT_EQ(FindingCount(findings), "5 errors, 3 warnings");
  EXPECT_EQ(ErrorCount(findings), 5u);
}

TEST(GamebookCheck, TagEndsAndSkinValues) {
  TempWorkDir dir;
  WriteRecord();
  WriteBytes("data/data.qvl",
             "<1>\n"
             "<text obsah=\"a -> b\">\n"         // 2: the ">" ends the tag inside the value
             "<menu t=\"Dal\" x=\"1\">\n"
             "<promenna x=\"1\">\n"             // 4: the name must be the number
             "<info obsah=\"i\" color=\"*00FF00\"><info barva=\"$5\">\n"  // 5: colours fine; $ unknown
             "<text obsah=\"end\"");              // 6: no ">" before the end
  const std::vector<std::string> expected = {
      "data/data.qvl:2: tag <TEXT> ends at the '>' inside a value (line 2); a value cannot hold '>', or its "
      "closing '\"' is missing",
      "data/data.qvl:4: PROMENNA X: 'X' is not a whole number, and the page stops here; name the attribute "
      "by its number, as in <promenna 5=\"1\">",
      "data/data.qvl:5: warning: variable 5 is read here, but no tag sets it, so it is always 0; set it with "
      "<promenna 5=\"1\"> or an option's 5=\"1\"",
      "data/data.qvl:6: tag <TEXT> is not closed: no '>' before the end of the file; end it with '>'",
  };
  EXPECT_EQ(Lines(CheckGamebook()), expected);

  // Only the first value of a key counts, as in the engine; sizes below 1
  // and switches that are no number fall back to the default.
  const std::vector<Finding> skin = CheckSkinText(
      "grafika/menuskin.ini",
      "; comment\n[TechSetup]\nHlavniPozadi = *000000\nTransparentForms=ano\n[JmenoHry]\nVelikost=0\n"
      "Barva=Modra\nBarva=Blue\n[Odkaz]\nbarva=  Red \nTucne=1\n");
  std::vector<std::string> lines;
  for (const Finding& f : skin) lines.push_back(FormatFinding(f));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "grafika/menuskin.ini:4: [TechSetup] TransparentForms: 'ano' is not a whole number, so "
                       "the default is used; write 1 (on) or 0 (off)",
                       "grafika/menuskin.ini:6: [JmenoHry] Velikost: '0' is below 1, so the default size is "
                       "used; write the size in points, e.g. 12",
                       "grafika/menuskin.ini:7: [JmenoHry] Barva: 'Modra' is not a colour, so the default is "
                       "used; write a colour name (Red, Navy, Silver, ...) or *BBGGRR (blue, green, red: "
                       "*0000FF is red)",
                   }));
}

TEST(GamebookCheck, SmallerFaults) {
  TempWorkDir dir;
  WriteRecord();
  WriteBytes("data/konstanty.qvl", "CIL 9\nPOPIS T\n");
  WriteBytes("data/data.qvl",
             "<1>\n"
             "<m POPIS=\"x\" x=\"CIL\">\n"               // 2: constant applied per line
             "<m t=\"a\" x=\"dva\">\n"                    // 3
             "[PENIZE > \"10\"]<text obsah=\"a\">[/]\n"   // 4: empty subject
             "[ZBRANI 3 > \"0\"]<text obsah=\"b\">[/]\n"  // 5: no weapon 3
             "<text obsah=\"$RETEZEC11 $5 $1000 $zivoty\">\n"  // 6
             "<casovac cas=\"5\" odkaz=\"2\">\n"          // 7
             "[1 = \"1\"]\n"                              // 8: not closed in location 1
             "<2>\n"
             "<01>\n"                                     // 10
             "<2>\n"                                      // 11
             "<zbran 4=\"1\"><predmet 0=\"1\"><retezec 11=\"x\"><kouzlo umime=\"1\">\n");  // 12
  const std::vector<std::string> expected = {
      "data/data.qvl:2: M X: location 9 does not exist; add <9> or lead to a location that exists",
      "data/data.qvl:3: M X: 'dva' is not a whole number, and the page stops here; write digits only",
      "data/data.qvl:4: condition: subject '' is not a number",
      "data/data.qvl:5: condition: weapon 3 is not in data/zbrane.qvl",
      "data/data.qvl:6: TEXT OBSAH: $RETEZEC11: text slots run 1..10",
      "data/data.qvl:6: TEXT OBSAH: $1000: variable numbers run 1..999",
      "data/data.qvl:6: warning: variable 5 is read here, but no tag sets it, so it is always 0; set it "
      "with <promenna 5=\"1\"> or an option's 5=\"1\"",
      "data/data.qvl:8: condition block is not closed before the next location",
      "data/data.qvl:8: warning: variable 1 is read here, but no tag sets it, so it is always 0; set it "
      "with <promenna 1=\"1\"> or an option's 1=\"1\"",
      "data/data.qvl:10: marker <01> is no location (numbers have no leading zeros)",
      "data/data.qvl:11: marker <2> again; location 2 starts on line 9",
      "data/data.qvl:12: ZBRAN 4: weapon 4 is not in data/zbrane.qvl (0 records)",
      "data/data.qvl:12: PREDMET 0: item 0 is not in data/predmety.qvl (0 records)",
      "data/data.qvl:12: RETEZEC 11: text slot 11 is outside 1..10",
      "data/data.qvl:12: KOUZLO UMIME: spell 1 is not in data/kouzla.qvl (0 records)",
  };
  EXPECT_EQ(Lines(CheckGamebook()), expected);
}

TEST(CheckCommand, TheMinimalExampleIsClean) {
  TempWorkDir dir;
  const ToolRun run = RunTool(RunCheckCommand, {(SourceDir() / "examples/minimal").string()});
  EXPECT_EQ(run.Out, "0 errors\n");
  EXPECT_EQ(run.Status, kToolOk);
}

TEST(CheckCommand, TheDemoIsClean) {
  TempWorkDir dir;
  const ToolRun run = RunTool(RunCheckCommand, {(SourceDir() / "examples/demo").string()});
  EXPECT_EQ(run.Out, "0 errors\n");
  EXPECT_EQ(run.Status, kToolOk);
}

// An option with an empty PRESMERUJ, or any option on a page whose
// PRESMERUJ names no library, leads back into the gamebook's own locations,
// not into the library the page came from.
TEST(GamebookCheck, LinksLeavingARedirectLibraryLeadIntoTheGamebook) {
  TempWorkDir dir;
  WriteRecord();
  WriteBytes("data/data.qvl",
             "<1>\n<menu t=\"dol\" x=\"1\" presmeruj=\"sklep\">\n"
             "<2>\n<menu t=\"zpet\" x=\"1\">\n"
             "<3>\n<menu t=\"zpet\" x=\"1\">\n");
  WriteBytes("data/knihovny/sklep.qvl",
             "<1>\n<menu t=\"nahoru\" x=\"2\" presmeruj=\"\">\n<menu t=\"dal\" x=\"2\">\n"
             "<2>\n<presmeruj>\n<menu t=\"nahoru\" x=\"3\">\n"
             "<menu t=\"nikam\" x=\"9\" presmeruj=\"\">\n");
  const std::vector<std::string> expected = {
      "data/data.qvl:3: location 2 is not reached from location 1 by any option, link or countdown; lead one to it",
      "data/data.qvl:5: location 3 is not reached from location 1 by any option, link or countdown; lead one to it",
      "data/knihovny/sklep.qvl:7: MENU X: location 9 does not exist; add <9> or lead to a location that exists",
  };
  EXPECT_EQ(Lines(CheckGamebook()), expected);
}

TEST(CheckCommand, ReportsLinesThenTheCountAndFails) {
  TempWorkDir dir;
  WriteRecord("kniha");
  WriteBytes("kniha/data/data.qvl", "<1>\n<text obsah=\"a\" odkaz=\"3\">\n");
  const ToolRun run = RunTool(RunCheckCommand, {"kniha"});
  EXPECT_EQ(run.Out,
            "data/data.qvl:2: TEXT ODKAZ: location 3 does not exist; add <3> or lead to a location that exists\n"
            "1 error\n");
  EXPECT_EQ(run.Status, kToolFailed);
  EXPECT_EQ(fs::current_path(), dir.path());
}

TEST(CheckCommand, ControlBytesOfTheGamebookReachTheTerminalVisibly) {
  TempWorkDir dir;
  WriteRecord("kniha");
  // A clipboard write (OSC 52, ended by BEL), a terminal reset (ESC c) and
  // a line break where numbers belong.
  WriteBytes("kniha/data/data.qvl",
             "<1>\n<penize plus=\"\x1B]52;c;ZWNobw==\a\">\n<zivoty plus=\"\x1B"
             "c\">\n"
             "<mana plus=\"1\n2\">\n");
  const ToolRun run = RunTool(RunCheckCommand, {"kniha"});
  EXPECT_EQ(run.Out,
            "data/data.qvl:2: PENIZE PLUS: '␛]52;c;ZWNobw==␇' is not a whole number, and the page stops "
            "here; write digits only\n"
            "data/data.qvl:3: ZIVOTY PLUS: '␛c' is not a whole number, and the page stops here; write "
            "digits only\n"
            "data/data.qvl:4: MANA PLUS: '1␊2' is not a whole number, and the page stops here; write "
            "digits only\n"
            "3 errors\n");
  EXPECT_EQ(run.Status, kToolFailed);
}

}  // namespace
}  // namespace qv
