// Writing a described record's bytes (see record_fields.h): every field at its
// offset, little-endian, padding and unused entries zero.
//
//   std::vector<uint8_t> bytes(WorldState::kSize);
//   EncodeRecord(world, bytes.data());
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "data/byte_io.h"
#include "data/record_fields.h"

namespace qv {

template <DescribedRecord R>
void EncodeRecord(const R& record, uint8_t* out);

namespace record_bytes {

template <class T>
void Put(uint8_t* at, const T& value) {
  if constexpr (DescribedRecord<T>) {
    EncodeRecord(value, at);
  } else if constexpr (IsShortString<T>::value) {
    value.Encode(at);
  } else if constexpr (FixedSequence<T>) {
    constexpr std::size_t stride = FieldBytes<SequenceElement<T>>();
    for (const auto& element : value) {
      Put(at, element);
      at += stride;
    }
  } else if constexpr (std::is_same_v<T, int32_t>) {
    WriteI32(at, value);
  } else if constexpr (std::is_same_v<T, int16_t>) {
    WriteI16(at, value);
  } else if constexpr (std::is_same_v<T, bool>) {
    *at = value ? 1 : 0;
  } else {
    static_assert(kIsRecordScalar<T>);
    *at = static_cast<uint8_t>(value);
  }
}

}  // namespace record_bytes

// The visitor behind EncodeRecord.
template <class R>
class ByteWriter {
 public:
  ByteWriter(const R& record, uint8_t* out) : record_(record), out_(out) {}

  template <class T, class Form = PlainForm>
  void Field(std::string_view, std::size_t offset, T R::*member, const Form& = {}) {
    record_bytes::Put(out_ + offset, record_.*member);
  }
  template <class A, class C>
  void Counted(std::string_view, std::size_t offset, A R::*array, C R::*) {
    record_bytes::Put(out_ + offset, record_.*array);
  }
  template <class A, class C, class Shown = AllFields>
  void Entries(std::string_view, std::size_t offset, A R::*table, C R::*count, const Shown& = {}) {
    constexpr std::size_t stride = FieldBytes<SequenceElement<A>>();
    const std::size_t used = UsedSlots(record_.*count, SequenceLength<A>());
    auto entry = std::begin(record_.*table);
    for (std::size_t i = 0; i < used; ++i, ++entry)
      record_bytes::Put(out_ + offset + i * stride, *entry);
  }
  template <class A>
  void Pairs(std::string_view, std::size_t offset, A R::*words, std::string_view,
             std::string_view) {
    record_bytes::Put(out_ + offset, record_.*words);
  }
  void Padding(std::size_t, std::size_t) {}  // EncodeRecord has zeroed the record

 private:
  const R& record_;
  uint8_t* out_;
};

// Writes all RecordFields<R>::kSize bytes of the record to `out`.
template <DescribedRecord R>
void EncodeRecord(const R& record, uint8_t* out) {
  std::memset(out, 0, RecordFields<R>::kSize);
  ByteWriter<R> writer(record, out);
  RecordFields<R>::Describe(writer);
}

}  // namespace qv
