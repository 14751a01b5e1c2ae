#include "data/init_record.h"

#include <algorithm>
#include <cstring>

#include "data/byte_io.h"

namespace qv {
namespace {

// A 30-byte field holds at most 29 check bytes and the dropped last byte.
constexpr std::size_t kCheckCapacity = decltype(InitRecord::CheckString)::kCapacity;
constexpr uint8_t kCheckShift = 10;

void EncodeAttribute(const StartAttribute& a, uint8_t* out) {
  WriteI32(out, a.Start);
  WriteI32(out + 4, a.RaiseCost);
  WriteI32(out + 8, a.RaiseStep);
}

StartAttribute DecodeAttribute(const uint8_t* in) {
  return {ReadI32(in), ReadI32(in + 4), ReadI32(in + 8)};
}

}  // namespace

// The fields sit back to back apart from the two unread bytes 103 and 235.
static_assert(InitRecord::kEnergieOffset + 12 == InitRecord::kCheckStringOffset);
static_assert(InitRecord::kCheckStringOffset + decltype(InitRecord::CheckString)::kFieldSize + 1 ==
              InitRecord::kHeroNameOffset);
static_assert(InitRecord::kHeroNameOffset + decltype(InitRecord::HeroName)::kFieldSize ==
              InitRecord::kAskNameOffset);
static_assert(InitRecord::kAskNameOffset + 1 == InitRecord::kTitleOffset);
static_assert(InitRecord::kTitleOffset + decltype(InitRecord::Title)::kFieldSize ==
              InitRecord::kAuthorLineOffset);
static_assert(InitRecord::kAuthorLineOffset + decltype(InitRecord::AuthorLine)::kFieldSize ==
              InitRecord::kPenizeOffset);
static_assert(InitRecord::kPenizeOffset + 4 == InitRecord::kCurrencyNameOffset);
static_assert(InitRecord::kCurrencyNameOffset + decltype(InitRecord::CurrencyName)::kFieldSize +
                  1 ==
              InitRecord::kZkusenostiOffset);
static_assert(InitRecord::kZkusenostiOffset + 4 == InitRecord::kSize);

void InitRecord::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  EncodeAttribute(Zivoty, out + kZivotyOffset);
  EncodeAttribute(Mana, out + kManaOffset);
  EncodeAttribute(Sila, out + kSilaOffset);
  EncodeAttribute(Obratnost, out + kObratnostOffset);
  EncodeAttribute(Rychlost, out + kRychlostOffset);
  EncodeAttribute(Energie, out + kEnergieOffset);
  CheckString.Encode(out + kCheckStringOffset);
  HeroName.Encode(out + kHeroNameOffset);
  out[kAskNameOffset] = AskName;
  Title.Encode(out + kTitleOffset);
  AuthorLine.Encode(out + kAuthorLineOffset);
  WriteI32(out + kPenizeOffset, Penize);
  CurrencyName.Encode(out + kCurrencyNameOffset);
  WriteI32(out + kZkusenostiOffset, Zkusenosti);
}

std::string InitRecord::EncodeToBytes() const {
  uint8_t raw[kSize];
  Encode(raw);
  return std::string(reinterpret_cast<const char*>(raw), kSize);
}

InitRecord InitRecord::Decode(const uint8_t* in) {
  InitRecord r;
  r.Zivoty = DecodeAttribute(in + kZivotyOffset);
  r.Mana = DecodeAttribute(in + kManaOffset);
  r.Sila = DecodeAttribute(in + kSilaOffset);
  r.Obratnost = DecodeAttribute(in + kObratnostOffset);
  r.Rychlost = DecodeAttribute(in + kRychlostOffset);
  r.Energie = DecodeAttribute(in + kEnergieOffset);
  r.CheckString = decltype(CheckString)::Decode(in + kCheckStringOffset);
  r.HeroName = decltype(HeroName)::Decode(in + kHeroNameOffset);
  r.AskName = in[kAskNameOffset];
  r.Title = decltype(Title)::Decode(in + kTitleOffset);
  r.AuthorLine = decltype(AuthorLine)::Decode(in + kAuthorLineOffset);
  r.Penize = ReadI32(in + kPenizeOffset);
  r.CurrencyName = decltype(CurrencyName)::Decode(in + kCurrencyNameOffset);
  r.Zkusenosti = ReadI32(in + kZkusenostiOffset);
  return r;
}

std::string DecodeCheckString(const std::string& stored) {
  if (stored.size() <= 1) return {};
  // The last stored byte is a filler and is not part of the check string.
  std::string check(stored, 0, std::min(stored.size() - 1, kCheckCapacity));
  for (char& c : check) c = static_cast<char>(static_cast<uint8_t>(c) - kCheckShift);
  return check;
}

std::string EncodeCheckString(const std::string& check) {
  // Cut so that the stored form, filler included, still fits the field.
  std::string stored(check, 0, std::min(check.size(), kCheckCapacity - 1));
  for (char& c : stored) c = static_cast<char>(static_cast<uint8_t>(c) + kCheckShift);
  stored += '\0';
  return stored;
}

}  // namespace qv
