// The visitors of a field list, on a small record that uses every kind of
// field: the bytes they write, what they read back (damaged counts too), the
// JSON they show, and the compile-time layout check.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_json_writer.h"
#include "data/record_layout.h"

namespace qv {
namespace record_test {

struct Part {
  int16_t Size = 0;
  uint8_t Flag = 0;
};

struct Sample;

}  // namespace record_test

template <>
struct RecordFields<record_test::Part> {
  static constexpr std::size_t kSize = 4;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = record_test::Part;
    v.Field("flag", 2, &R::Flag);  // shown first, stored last
    v.Field("size", 0, &R::Size);
    v.Padding(3, 1);
  }
};

namespace record_test {

struct Sample {
  int32_t Number = 0;
  ShortString<4> Name;
  char Sign = ' ';
  bool On = false;
  int32_t Colour = 0;
  std::array<int32_t, 2> Pair{};
  uint8_t PartCount = 0;
  std::array<Part, 2> Parts{};
  int32_t EntryCount = 0;
  std::array<Part, 3> Entries{};
  std::array<int32_t, 5> Words{};  // k, a1, a2, b1, b2
  int32_t Cache = 0;
};

}  // namespace record_test

template <>
struct RecordFields<record_test::Sample> {
  static constexpr std::size_t kSize = 76;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = record_test::Sample;
    v.Field("number", 0, &R::Number);
    v.Field("name", 4, &R::Name);
    v.Field("sign", 9, &R::Sign);
    v.Field("on", 10, &R::On);
    v.Padding(11, 1);
    v.Field("colour", 12, &R::Colour, kColour);
    v.Field("pair", 16, &R::Pair, ElementNames{"left", "right"});
    v.Field("part_count", 24, &R::PartCount, kHidden);
    v.Padding(25, 3);
    v.Counted("parts", 28, &R::Parts, &R::PartCount);
    v.Field("entry_count", 36, &R::EntryCount);
    v.Entries("entries", 40, &R::Entries, &R::EntryCount, ShownFields{"size"});
    v.Pairs("words", 52, &R::Words, "key", "value");
    v.Field("cache", 72, &R::Cache, kHidden);
  }
};

namespace record_test {
namespace {

static_assert(FieldsTileRecord<Part>());
static_assert(FieldsTileRecord<Sample>());

Sample Filled() {
  Sample s;
  s.Number = -2;
  s.Name = "ab\xE8";
  s.Sign = '+';
  s.On = true;
  s.Colour = 0x0000FF;
  s.Pair = {7, -7};
  s.PartCount = 1;
  s.Parts = {Part{5, 1}, Part{6, 2}};
  s.EntryCount = 2;
  s.Entries = {Part{8, 3}, Part{9, 4}, Part{10, 5}};
  s.Words = {1, 11, 12, 21, 22};
  s.Cache = 99;
  return s;
}

std::vector<uint8_t> Bytes(const Sample& s) {
  std::vector<uint8_t> out(RecordFields<Sample>::kSize, 0xEE);
  EncodeRecord(s, out.data());
  return out;
}

TEST(RecordBytes, EveryFieldAtItsOffsetLittleEndianWithZeroPadding) {
  // clang-format off
  const std::vector<uint8_t> expected = {
      0xFE, 0xFF, 0xFF, 0xFF,              // number -2
      3, 'a', 'b', 0xE8, 0,                // name
      '+', 1, 0,                           // sign, on, padding
      0xFF, 0, 0, 0,                       // colour
      7, 0, 0, 0, 0xF9, 0xFF, 0xFF, 0xFF,  // pair
      1, 0, 0, 0,                          // part count, padding
      5, 0, 1, 0, 6, 0, 2, 0,              // both parts, whatever the count
      2, 0, 0, 0,                          // entry count
      8, 0, 3, 0, 9, 0, 4, 0, 0, 0, 0, 0,  // entries 1..2, the third zero
      1, 0, 0, 0, 11, 0, 0, 0, 12, 0, 0, 0, 21, 0, 0, 0, 22, 0, 0, 0,  // words
      99, 0, 0, 0,                                                     // cache
  };
  // clang-format on
  EXPECT_EQ(Bytes(Filled()), expected);
}

TEST(RecordBytes, ReadingGivesBackWhatWasWritten) {
  const Sample in = Filled();
  const Sample out = DecodeRecord<Sample>(Bytes(in).data());
  EXPECT_EQ(out.Number, -2);
  EXPECT_EQ(out.Name.str(), "ab\xE8");
  EXPECT_EQ(out.Sign, '+');
  EXPECT_TRUE(out.On);
  EXPECT_EQ(out.Parts[1].Size, 6);
  EXPECT_EQ(out.Entries[1].Flag, 4);
  EXPECT_EQ(out.Entries[2].Size, 0);  // not stored, so not read
  EXPECT_EQ(out.Words, in.Words);
  EXPECT_EQ(out.Cache, 99);
  EXPECT_EQ(Bytes(out), Bytes(in));
}

TEST(RecordBytes, DamagedBytesNeverLeadOutsideTheRecord) {
  std::vector<uint8_t> raw = Bytes(Filled());
  raw[4] = 200;    // text length above the field
  raw[10] = 7;     // any non-zero byte is true
  raw[36] = 0x7F;  // entry count past the table: the whole table is read
  raw[44] = 0x33;  // entry 2's size
  Sample s = DecodeRecord<Sample>(raw.data());
  EXPECT_EQ(s.Name.str(), std::string("ab\xE8\0", 4));
  EXPECT_TRUE(s.On);
  EXPECT_EQ(s.Entries[1].Size, 0x33);
  EXPECT_EQ(s.Entries[2].Size, 0);
  s.EntryCount = -5;  // a negative count stores no entry
  const std::vector<uint8_t> none = Bytes(s);
  EXPECT_TRUE(std::all_of(none.begin() + 40, none.begin() + 52, [](uint8_t b) { return b == 0; }));
}

TEST(RecordJson, FieldsByNameInListOrder) {
  Sample s = Filled();
  EXPECT_EQ(
      RecordJson<nlohmann::ordered_json>(s).dump(),
      R"({"number":-2,"name":"abč","sign":"+","on":true,"colour":"#FF0000",)"
      R"("pair":{"left":7,"right":-7},"parts":[{"flag":1,"size":5}],"entry_count":2,)"
      R"("entries":[{"slot":1,"size":8},{"slot":2,"size":9}],"words":[{"key":11,"value":21}]})");
  // Counts are cut to their tables; a colour with a high byte is its number.
  s.PartCount = 200;
  s.Words[0] = 9;
  s.Colour = -1;
  const auto json = RecordJson<nlohmann::ordered_json>(s);
  EXPECT_EQ(json["parts"].size(), 2u);
  EXPECT_EQ(json["words"].size(), 2u);
  EXPECT_EQ(json["colour"], "-1");
  s.Words[0] = -1;
  EXPECT_TRUE(RecordJson<nlohmann::ordered_json>(s)["words"].empty());
}

// A record whose bytes are all taken: the layout check's positive case lives
// in the real records' .cpp files; here the ways a list can go wrong.
struct Two {
  int32_t A = 0;
  int32_t B = 0;
};
template <std::size_t OffsetB, std::size_t Size, bool SameName = false>
struct TwoFields {
  static constexpr std::size_t kSize = Size;
  template <class V>
  static constexpr void Describe(V& v) {
    v.Field("a", 0, &Two::A);
    v.Field(SameName ? "a" : "b", OffsetB, &Two::B);
  }
};

template <class Fields>
constexpr bool Tiles() {
  LayoutCheck<Two> check;
  Fields::Describe(check);
  return check.TilesExactly(Fields::kSize);
}

static_assert(Tiles<TwoFields<4, 8>>());
static_assert(!Tiles<TwoFields<2, 8>>(), "overlap");
static_assert(!Tiles<TwoFields<6, 10>>(), "gap");
static_assert(!Tiles<TwoFields<4, 12>>(), "bytes left at the end");
static_assert(!Tiles<TwoFields<4, 6>>(), "past the end");
static_assert(!Tiles<TwoFields<4, 8, true>>(), "a name twice");

}  // namespace
}  // namespace record_test
}  // namespace qv
