#include "data/init_record.h"

#include <algorithm>

#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {
namespace {

// A 30-byte field holds at most 29 check bytes and the dropped last byte.
constexpr std::size_t kCheckCapacity = decltype(InitRecord::CheckString)::kCapacity;
constexpr uint8_t kCheckShift = 10;

}  // namespace

static_assert(FieldsTileRecord<StartAttribute>());
static_assert(FieldsTileRecord<InitRecord>());

void InitRecord::Encode(uint8_t* out) const { EncodeRecord(*this, out); }

std::string InitRecord::EncodeToBytes() const {
  uint8_t raw[kSize];
  Encode(raw);
  return std::string(reinterpret_cast<const char*>(raw), kSize);
}

InitRecord InitRecord::Decode(const uint8_t* in) { return DecodeRecord<InitRecord>(in); }

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
