#include "tools/init_text.h"

#include <gtest/gtest.h>

#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/gamebook_fixture.h"
#include "tool_test_support.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

const std::string kText =
    "zivoty = 18\nzivoty_raise_cost = 10\nzivoty_raise_step = 2\n"
    "mana = 4\nmana_raise_cost = 12\nmana_raise_step = 3\n"
    "sila = 3\nsila_raise_cost = 15\nsila_raise_step = 3\n"
    "obratnost = -3\nobratnost_raise_cost = 15\nobratnost_raise_step = 3\n"
    "rychlost = 2\nrychlost_raise_cost = 15\nrychlost_raise_step = 3\n"
    "energie = 12\nenergie_raise_cost = 8\nenergie_raise_step = 2\n"
    "check_string = \"HAJOVNA\"\n"
    "hero_name = \"Poutník\"\n"
    "ask_name = 1\n"
    "title = \"Hájovna \\\"stará\\\"\"\n"
    "author_line = \"Malá ukázka\"\n"
    "penize = 5\n"
    "currency_name = \"grošů\"\n"
    "zkusenosti = 2147483647\n";

using R = InitRecord;

// The text field (length byte, then the bytes) at `offset`.
std::string TextAt(const InitRecordBytes& raw, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&raw[offset + 1]), raw[offset]);
}

InitRecordBytes RecordOf(const std::string& text) {
  const InitTextResult result = InitRecordFromText(text);
  EXPECT_TRUE(result.Errors.empty()) << result.Errors.front().Message;
  return result.Record.value_or(InitRecordBytes{});
}

std::string ErrorsOf(const std::string& text) {
  const InitTextResult result = InitRecordFromText(text);
  EXPECT_FALSE(result.Record.has_value());
  std::string all;
  for (const InitTextError& e : result.Errors)
    all += (e.Line > 0 ? std::to_string(e.Line) + ": " : std::string()) + e.Message + "\n";
  return all;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(InitText, FieldsLandAtTheirOffsetsWithTheCheckStringShifted) {
  const InitRecordBytes raw = RecordOf(kText);
  EXPECT_EQ(raw[R::kZivotyOffset], 18);
  EXPECT_EQ(raw[R::kObratnostOffset], 0xFD);  // -3, little-endian
  EXPECT_EQ(raw[R::kObratnostOffset + 3], 0xFF);
  // Check string: length 8 (7 bytes + the dropped last byte), each + 10.
  EXPECT_EQ(raw[R::kCheckStringOffset], 8);
  EXPECT_EQ(raw[R::kCheckStringOffset + 1], 'H' + 10);
  EXPECT_EQ(raw[R::kCheckStringOffset + 7], 'A' + 10);
  EXPECT_EQ(raw[R::kAskNameOffset], 1);
  // Texts are stored in Windows-1250: "Poutník" has í = 0xED.
  EXPECT_EQ(raw[R::kHeroNameOffset], 7);
  EXPECT_EQ(raw[R::kHeroNameOffset + 6], 0xED);
  EXPECT_EQ(TextAt(raw, R::kTitleOffset), "H\xE1jovna \"star\xE1\"");
  EXPECT_EQ(TextAt(raw, R::kCurrencyNameOffset), "gro\x9A\xF9");
  EXPECT_EQ(raw[R::kZkusenostiOffset + 3], 0x7F);

  const InitRecord decoded = InitRecord::Decode(raw.data());
  EXPECT_EQ(DecodeCheckString(decoded.CheckString.str()), "HAJOVNA");
  EXPECT_EQ(decoded.Zkusenosti, 2147483647);
}

TEST(InitText, TextToRecordToTextIsStable) {
  const InitRecordBytes raw = RecordOf(kText);
  const std::string shown = InitRecordToText(raw);
  EXPECT_EQ(RecordOf(shown), raw);
  EXPECT_EQ(InitRecordToText(RecordOf(shown)), shown);
  EXPECT_NE(shown.find("hero_name = \"Poutník\"\n"), std::string::npos);
  EXPECT_NE(shown.find("title = \"Hájovna \\\"stará\\\"\"\n"), std::string::npos);
  EXPECT_EQ(shown.find("raw_bytes"), std::string::npos);  // nothing open is set
}

TEST(InitText, RecordWithOddBytesRoundTripsByteForByte) {
  InitRecordBytes raw = RecordOf(kText);
  raw[R::kCheckStringPadOffset] = 0x4A;    // unread byte
  raw[R::kCurrencyNamePadOffset] = 0x01;   // unread byte
  raw[R::kCheckStringOffset + 8] = 0x99;   // the check string's dropped last byte
  raw[R::kHeroNameOffset + 1 + 10] = 'x';  // behind the hero's name
  raw[R::kAuthorLineOffset - 1] = 0xFF;    // last byte of the title field
  const std::string shown = InitRecordToText(raw);
  EXPECT_NE(shown.find("raw_bytes = 80:99 103:4A 115:78 166:FF 235:01\n"), std::string::npos) << shown;
  EXPECT_EQ(RecordOf(shown), raw);

  // A stored length of 1 and of 0 both mean "no check string"; each survives.
  InitRecordBytes empty_check = RecordOf(Replace(kText, "\"HAJOVNA\"", "\"\""));
  EXPECT_EQ(empty_check[R::kCheckStringOffset], 1);
  empty_check[R::kCheckStringOffset] = 0;
  EXPECT_EQ(RecordOf(InitRecordToText(empty_check)), empty_check);
  // Unprintable and unassigned bytes go through \x escapes.
  InitRecordBytes odd = RecordOf(kText);
  odd[R::kHeroNameOffset] = 3;
  odd[R::kHeroNameOffset + 1] = 0x01;
  odd[R::kHeroNameOffset + 2] = 0x81;
  odd[R::kHeroNameOffset + 3] = '\\';
  const std::string odd_text = InitRecordToText(odd);
  EXPECT_NE(odd_text.find("hero_name = \"\\x01\\x81\\\\\"\n"), std::string::npos) << odd_text;
  EXPECT_EQ(RecordOf(odd_text), odd);
}

TEST(InitText, BadTextNamesTheLineAndWritesNothing) {
  EXPECT_EQ(ErrorsOf(Replace(kText, "sila = 3\n", "sila = tri\n")), "7: sila: 'tri' is not a whole number\n");
  EXPECT_EQ(ErrorsOf(Replace(kText, "penize = 5\n", "penize = 5\npenize = 6\n")),
            "25: penize is given twice (first on line 24)\n");
  EXPECT_EQ(ErrorsOf(Replace(kText, "penize = 5\n", "peníze = 5\n")),
            "24: unknown field 'peníze'\nfield penize is missing\n");
  EXPECT_EQ(ErrorsOf(Replace(kText, "ask_name = 1", "ask_name = 256")), "21: ask_name: 256 is outside 0..255\n");
  EXPECT_EQ(ErrorsOf(Replace(kText, "\"HAJOVNA\"", "\"123456789012345678901234567890\"")),
            "19: check_string is 30 bytes long; the record holds 29\n");
  EXPECT_EQ(ErrorsOf(Replace(kText, "\"Poutník\"", "Poutník")), "20: hero_name: a text must stand in double quotes\n");
}

TEST(InitText, CharactersOutsideWindows1250AreRefused) {
  EXPECT_EQ(ErrorsOf(Replace(kText, "\"Poutník\"", "\"Poutník ✓\"")),
            "20: hero_name: '✓' has no Windows-1250 form\n");
  EXPECT_EQ(ErrorsOf(Replace(kText, "mana = 4\n", "mana 4\n")), "4: expected NAME = VALUE\nfield mana is missing\n");
  EXPECT_EQ(ErrorsOf(kText + "raw_bytes = 0:01\n"),
            "27: raw_bytes changes a named field; it may only set bytes the fields leave open\n");
  EXPECT_EQ(ErrorsOf(kText + "raw_bytes = 239:0102\n"), "27: raw_bytes: offset 240 lies outside the 240-byte record\n");
}

TEST(InitCommand, WritesTheRecordAndShowsItBack) {
  TempWorkDir dir;
  WriteBytes("hajovna.txt", kText);
  const ToolRun written = RunTool(RunInitCommand, {"hajovna.txt", "--dir", "kniha"});
  ASSERT_EQ(written.Status, kToolOk) << written.Err;
  EXPECT_EQ(written.Out, "wrote kniha/data/inicializace.qvl\n");
  const std::string bytes = ReadBytes("kniha/data/inicializace.qvl");
  ASSERT_EQ(bytes.size(), 240u);
  const ToolRun shown = RunTool(RunInitCommand, {"--show", "--dir", "kniha"});
  ASSERT_EQ(shown.Status, kToolOk);
  WriteBytes("shown.txt", shown.Out);
  ASSERT_EQ(RunTool(RunInitCommand, {"shown.txt"}).Status, kToolOk);
  EXPECT_EQ(ReadBytes("data/inicializace.qvl"), bytes);
}

TEST(InitCommand, BadTextWritesNothing) {
  TempWorkDir dir;
  WriteBytes("bad.txt", Replace(kText, "sila = 3\n", "sila = 3x\n"));
  const ToolRun run = RunTool(RunInitCommand, {"bad.txt"});
  EXPECT_EQ(run.Status, kToolFailed);
  EXPECT_EQ(run.Err, "bad.txt:7: sila: '3x' is not a whole number\nquarvelin init: nothing written\n");
  EXPECT_FALSE(std::filesystem::exists("data/inicializace.qvl"));

  WriteBytes("short.qvl", std::string(100, '\0'));
  const ToolRun shown = RunTool(RunInitCommand, {"--show", "short.qvl"});
  EXPECT_EQ(shown.Status, kToolFailed);
  EXPECT_EQ(shown.Err, "quarvelin init: short.qvl: 100 bytes; an initialization record has 240\n");
}

TEST(InitCommand, TheExampleRecordRoundTrips) {
  TempWorkDir dir;
  const std::string original = ReadBytes(SourceDir() / "examples/minimal/data/inicializace.qvl");
  ASSERT_EQ(original.size(), 240u);
  WriteBytes("data/inicializace.qvl", original);
  const ToolRun shown = RunTool(RunInitCommand, {"--show"});
  ASSERT_EQ(shown.Status, kToolOk);
  EXPECT_NE(shown.Out.find("check_string = \"HAJOVNA\"\n"), std::string::npos);
  std::filesystem::remove("data/inicializace.qvl");
  WriteBytes("example.txt", shown.Out);
  ASSERT_EQ(RunTool(RunInitCommand, {"example.txt"}).Status, kToolOk);
  EXPECT_EQ(ReadBytes("data/inicializace.qvl"), original);
}

}  // namespace
}  // namespace qv
