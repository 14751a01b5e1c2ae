#include "data/init_record.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "data/byte_io.h"
#include "data/file_bytes.h"
#include "data/init_record_file.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"

namespace qv {
namespace {

TEST(CheckString, StoredLengthsZeroAndOneDecodeToNothing) {
  EXPECT_EQ(DecodeCheckString(""), "");
  EXPECT_EQ(DecodeCheckString("\x4B"), "");
}

TEST(CheckString, LastStoredByteIsDropped) {
  EXPECT_EQ(DecodeCheckString("\x4B\x4B"), "A");
  EXPECT_EQ(DecodeCheckString(std::string("\x4B\x00", 2)), "A");
  EXPECT_EQ(DecodeCheckString("\x4B\x4C\x4D"), "AB");
}

TEST(CheckString, ShiftWrapsAround) {
  EXPECT_EQ(DecodeCheckString(std::string("\x05\x00", 2)), "\xFB");
  EXPECT_EQ(DecodeCheckString("\x0A\x09?"), std::string("\x00\xFF", 2));
}

TEST(CheckString, DecodedFormIsCutToThirtyBytes) {
  EXPECT_EQ(DecodeCheckString(std::string(40, 'K')), std::string(30, 'A'));
}

TEST(CheckString, EncodedFormDecodesBack) {
  for (const std::string& check : {std::string(), std::string("A"), std::string("Kniha\xE8\xED"),
                                   std::string("\x00\x05\xFB\xFF", 4)}) {
    const std::string stored = EncodeCheckString(check);
    EXPECT_EQ(stored.size(), check.size() + 1);
    EXPECT_EQ(DecodeCheckString(stored), check);
  }
  // The record's field holds 30 stored bytes, so 29 check bytes at most.
  EXPECT_EQ(DecodeCheckString(EncodeCheckString(std::string(35, 'x'))), std::string(29, 'x'));
}

using R = InitRecord;

InitRecord SampleRecord() {
  InitRecord r;
  r.Zivoty = {101, 102, 103};
  r.Mana = {111, 112, 113};
  r.Sila = {121, 122, 123};
  r.Obratnost = {131, 132, 133};
  r.Rychlost = {141, 142, 143};
  r.Energie = {151, 152, -153};
  r.CheckString = EncodeCheckString("tajne");
  r.HeroName = "Bezejmenn\xFD";
  r.AskName = 1;
  r.Title = "Temn\xE1 v\xEC\x9E";
  r.AuthorLine = std::string(32, 'a');
  r.Penize = 0x01020304;
  r.CurrencyName =
      "st\xF8\xED"
      "brn\xFD"
      "ch";
  r.Zkusenosti = -7;
  return r;
}

TEST(InitRecordLayout, EveryFieldAtItsOffset) {
  const InitRecord r = SampleRecord();
  std::array<uint8_t, InitRecord::kSize> raw{};
  raw.fill(0xEE);
  r.Encode(raw.data());

  const int32_t expected_ints[18] = {101, 102, 103, 111, 112, 113, 121, 122, 123,
                                     131, 132, 133, 141, 142, 143, 151, 152, -153};
  // Six attributes of three int32 each, from ZIVOTY on.
  for (int i = 0; i < 18; ++i) {
    EXPECT_EQ(ReadI32(raw.data() + R::kZivotyOffset + 4 * i), expected_ints[i]) << i;
  }
  EXPECT_EQ(raw[R::kCheckStringOffset], 6);
  EXPECT_EQ(raw[R::kCheckStringOffset + 1], 't' + 10);
  EXPECT_EQ(raw[R::kCheckStringPadOffset], 0);
  EXPECT_EQ(raw[R::kHeroNameOffset], 10);
  EXPECT_EQ(raw[R::kHeroNameOffset + 10], 0xFD);
  EXPECT_EQ(raw[R::kAskNameOffset], 1);
  EXPECT_EQ(raw[R::kTitleOffset], 9);
  EXPECT_EQ(raw[R::kTitleOffset + 1], 'T');
  EXPECT_EQ(raw[R::kAuthorLineOffset], 32);
  EXPECT_EQ(raw[R::kAuthorLineOffset + 32], 'a');
  EXPECT_EQ(raw[R::kPenizeOffset], 0x04);
  EXPECT_EQ(raw[R::kPenizeOffset + 3], 0x01);
  EXPECT_EQ(raw[R::kCurrencyNameOffset], 10);
  EXPECT_EQ(raw[R::kCurrencyNameOffset + 3], 0xF8);
  EXPECT_EQ(raw[R::kCurrencyNamePadOffset], 0);
  EXPECT_EQ(ReadI32(raw.data() + R::kZkusenostiOffset), -7);

  const InitRecord back = InitRecord::Decode(raw.data());
  EXPECT_EQ(back.Zivoty.Start, 101);
  EXPECT_EQ(back.Zivoty.RaiseStep, 103);
  EXPECT_EQ(back.Mana.RaiseCost, 112);
  EXPECT_EQ(back.Sila.Start, 121);
  EXPECT_EQ(back.Obratnost.RaiseStep, 133);
  EXPECT_EQ(back.Rychlost.RaiseCost, 142);
  EXPECT_EQ(back.Energie.RaiseStep, -153);
  EXPECT_EQ(back.CheckString, r.CheckString);  // still the stored form
  EXPECT_EQ(back.HeroName, r.HeroName);
  EXPECT_EQ(back.AskName, 1);
  EXPECT_EQ(back.Title, r.Title);
  EXPECT_EQ(back.AuthorLine, r.AuthorLine);
  EXPECT_EQ(back.Penize, 0x01020304);
  EXPECT_EQ(back.CurrencyName, r.CurrencyName);
  EXPECT_EQ(back.Zkusenosti, -7);
}

TEST(InitRecordLayout, LengthBytesBeyondTheirFieldsAreCutToTheField) {
  std::array<uint8_t, InitRecord::kSize> raw{};
  raw.fill('x');
  for (const std::size_t offset :
       {InitRecord::kCheckStringOffset, InitRecord::kHeroNameOffset, InitRecord::kTitleOffset,
        InitRecord::kAuthorLineOffset, InitRecord::kCurrencyNameOffset}) {
    raw[offset] = 0xFF;
  }
  const InitRecord r = InitRecord::Decode(raw.data());
  EXPECT_EQ(r.CheckString.str(), std::string(30, 'x'));
  EXPECT_EQ(r.HeroName.str(), std::string(30, 'x'));
  EXPECT_EQ(r.Title.str(), std::string(30, 'x'));
  EXPECT_EQ(r.AuthorLine.str(), std::string(32, 'x'));
  EXPECT_EQ(r.CurrencyName.str(), std::string(30, 'x'));
  EXPECT_EQ(DecodeCheckString(r.CheckString.str()).size(), 29u);
}

std::string RecordBytes(const InitRecord& r) {
  std::array<uint8_t, InitRecord::kSize> raw{};
  r.Encode(raw.data());
  return std::string(reinterpret_cast<const char*>(raw.data()), raw.size());
}

TEST(LoadInitRecord, ReadsTheFirstRecordAndDecodesTheCheckString) {
  TempWorkDir dir;
  InitRecord second;
  second.Title = "druhy";
  WriteBytes("data/inicializace.qvl", RecordBytes(SampleRecord()) + RecordBytes(second));
  RecordingHost host;
  const std::optional<InitRecord> r = LoadInitRecord(host);
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(r->CheckString.str(), "tajne");
  EXPECT_EQ(r->Title.str(), "Temn\xE1 v\xEC\x9E");
  EXPECT_EQ(r->Zkusenosti, -7);
}

TEST(LoadInitRecord, MissingFileIsReported) {
  TempWorkDir dir;
  RecordingHost host;
  EXPECT_FALSE(LoadInitRecord(host).has_value());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Nelze na\xE8\xEDst ./data/inicializace.qvl: soubor chyb\xED");
}

TEST(LoadInitRecord, ShortFileIsRejected) {
  TempWorkDir dir;
  WriteBytes("data/inicializace.qvl", RecordBytes(SampleRecord()).substr(0, 239));
  RecordingHost host;
  EXPECT_FALSE(LoadInitRecord(host).has_value());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(
      host.messages[0],
      "Nelze na\xE8\xEDst ./data/inicializace.qvl: soubor je krat\x9A\xED ne\x9E 240 bajt\xF9");
}

TEST(LoadInitRecord, UnreadableFileIsReported) {
  TempWorkDir dir;
  std::filesystem::create_directories("data/inicializace.qvl");
  RecordingHost host;
  EXPECT_FALSE(LoadInitRecord(host).has_value());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "Nelze na\xE8\xEDst ./data/inicializace.qvl: soubor nelze \xE8\xEDst");
}

}  // namespace
}  // namespace qv
