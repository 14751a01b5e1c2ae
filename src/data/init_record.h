// The initialization record, ./data/inicializace.qvl: the gamebook's identity
// (title and check string) and the hero's starting values. 240 bytes; only
// the first record of the file is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "data/record_fields.h"
#include "data/short_string.h"

namespace qv {

// One attribute's starting value with the XP price of its first raise and the
// increase of that price after each raise.
struct StartAttribute {
  static constexpr std::size_t kSize = 12;
  static constexpr std::size_t kStartOffset = 0;
  static constexpr std::size_t kRaiseCostOffset = 4;
  static constexpr std::size_t kRaiseStepOffset = 8;

  int32_t Start = 0;
  int32_t RaiseCost = 0;
  int32_t RaiseStep = 0;
};

// The start value carries the attribute's own name (`zivoty`); the other two
// add theirs to it (`zivoty_raise_cost`).
template <>
struct RecordFields<StartAttribute> {
  static constexpr std::size_t kSize = StartAttribute::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = StartAttribute;
    v.Field("", R::kStartOffset, &R::Start);
    v.Field("raise_cost", R::kRaiseCostOffset, &R::RaiseCost);
    v.Field("raise_step", R::kRaiseStepOffset, &R::RaiseStep);
  }
};

// The form of the check string field: stored shifted, shown plain by the
// tools (see DecodeCheckString).
struct CheckStringForm {};

struct InitRecord {
  static constexpr std::size_t kSize = 240;
  static constexpr std::size_t kZivotyOffset = 0;
  static constexpr std::size_t kManaOffset = 12;
  static constexpr std::size_t kSilaOffset = 24;
  static constexpr std::size_t kObratnostOffset = 36;
  static constexpr std::size_t kRychlostOffset = 48;
  static constexpr std::size_t kEnergieOffset = 60;
  static constexpr std::size_t kCheckStringOffset = 72;
  static constexpr std::size_t kCheckStringPadOffset = 103;  // unread
  static constexpr std::size_t kHeroNameOffset = 104;
  static constexpr std::size_t kAskNameOffset = 135;
  static constexpr std::size_t kTitleOffset = 136;
  static constexpr std::size_t kAuthorLineOffset = 167;
  static constexpr std::size_t kPenizeOffset = 200;
  static constexpr std::size_t kCurrencyNameOffset = 204;
  static constexpr std::size_t kCurrencyNamePadOffset = 235;  // unread
  static constexpr std::size_t kZkusenostiOffset = 236;

  StartAttribute Zivoty;  // also the starting MAXZIVOTY
  StartAttribute Mana;    // also the starting MAXMANA
  StartAttribute Sila;
  StartAttribute Obratnost;
  StartAttribute Rychlost;
  StartAttribute Energie;
  // In memory the check string is held decoded; on disk it is stored shifted
  // (see DecodeCheckString).
  ShortString<30> CheckString;
  ShortString<30> HeroName;
  uint8_t AskName = 0;  // 1: a new game first asks for the hero's name
  ShortString<30> Title;
  ShortString<32> AuthorLine;
  int32_t Penize = 0;
  ShortString<30> CurrencyName;
  int32_t Zkusenosti = 0;

  // The raw record: the check string field is taken and written as stored.
  void Encode(uint8_t* out) const;
  // The whole record as it stands in data/inicializace.qvl.
  std::string EncodeToBytes() const;
  static InitRecord Decode(const uint8_t* in);
};

// The field list of the record, and the names `quarvelin init` writes.
template <>
struct RecordFields<InitRecord> {
  static constexpr std::size_t kSize = InitRecord::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = InitRecord;
    v.Field("zivoty", R::kZivotyOffset, &R::Zivoty);
    v.Field("mana", R::kManaOffset, &R::Mana);
    v.Field("sila", R::kSilaOffset, &R::Sila);
    v.Field("obratnost", R::kObratnostOffset, &R::Obratnost);
    v.Field("rychlost", R::kRychlostOffset, &R::Rychlost);
    v.Field("energie", R::kEnergieOffset, &R::Energie);
    v.Field("check_string", R::kCheckStringOffset, &R::CheckString, CheckStringForm{});
    v.Padding(R::kCheckStringPadOffset, 1);
    v.Field("hero_name", R::kHeroNameOffset, &R::HeroName);
    v.Field("ask_name", R::kAskNameOffset, &R::AskName);
    v.Field("title", R::kTitleOffset, &R::Title);
    v.Field("author_line", R::kAuthorLineOffset, &R::AuthorLine);
    v.Field("penize", R::kPenizeOffset, &R::Penize);
    v.Field("currency_name", R::kCurrencyNameOffset, &R::CurrencyName);
    v.Padding(R::kCurrencyNamePadOffset, 1);
    v.Field("zkusenosti", R::kZkusenostiOffset, &R::Zkusenosti);
  }
};

// Turns the stored check string field (length n, bytes s[1..n]) into the
// check string: empty for n of 0 or 1, else the n - 1 bytes s[i] - 10 (mod 256).
std::string DecodeCheckString(const std::string& stored);

// The inverse, for tools that write a record: a stored form that decodes to
// `check` (its last stored byte is a filler that decoding drops).
std::string EncodeCheckString(const std::string& check);

}  // namespace qv
