// Reading a described record from its bytes (see record_fields.h): every field
// from its offset; padding is not looked at.
//
//   const WorldState world = DecodeRecord<WorldState>(bytes.data());
//
// A text field's length byte above its capacity is cut to the capacity
// (ShortString::Decode), and an Entries table reads only entries 1..count,
// the count cut to the table, so no read leaves the record whatever its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/byte_io.h"
#include "data/record_fields.h"

namespace qv {

template <DescribedRecord R>
void DecodeRecordInto(R& record, const uint8_t* in);

namespace record_bytes {

template <class T>
void Get(const uint8_t* at, T& value) {
  if constexpr (DescribedRecord<T>) {
    DecodeRecordInto(value, at);
  } else if constexpr (IsShortString<T>::value) {
    value = T::Decode(at);
  } else if constexpr (FixedSequence<T>) {
    constexpr std::size_t stride = FieldBytes<SequenceElement<T>>();
    for (auto& element : value) {
      Get(at, element);
      at += stride;
    }
  } else if constexpr (std::is_same_v<T, int32_t>) {
    value = ReadI32(at);
  } else if constexpr (std::is_same_v<T, int16_t>) {
    value = ReadI16(at);
  } else if constexpr (std::is_same_v<T, bool>) {
    value = *at != 0;
  } else {
    static_assert(kIsRecordScalar<T>);
    value = static_cast<T>(*at);
  }
}

}  // namespace record_bytes

// The visitor behind DecodeRecordInto.
template <class R>
class ByteReader {
 public:
  ByteReader(R& record, const uint8_t* in) : record_(record), in_(in) {}

  template <class T, class Form = PlainForm>
  void Field(std::string_view, std::size_t offset, T R::*member, const Form& = {}) {
    record_bytes::Get(in_ + offset, record_.*member);
  }
  template <class A, class C>
  void Counted(std::string_view, std::size_t offset, A R::*array, C R::*) {
    record_bytes::Get(in_ + offset, record_.*array);
  }
  // The count is a field listed earlier, so it has been read already.
  template <class A, class C, class Shown = AllFields>
  void Entries(std::string_view, std::size_t offset, A R::*table, C R::*count, const Shown& = {}) {
    constexpr std::size_t stride = FieldBytes<SequenceElement<A>>();
    const std::size_t used = UsedSlots(record_.*count, SequenceLength<A>());
    auto entry = std::begin(record_.*table);
    for (std::size_t i = 0; i < used; ++i, ++entry)
      record_bytes::Get(in_ + offset + i * stride, *entry);
  }
  template <class A>
  void Pairs(std::string_view, std::size_t offset, A R::*words, std::string_view,
             std::string_view) {
    record_bytes::Get(in_ + offset, record_.*words);
  }
  void Padding(std::size_t, std::size_t) {}

 private:
  R& record_;
  const uint8_t* in_;
};

// Sets every field of `record` from the RecordFields<R>::kSize bytes at `in`;
// entries of an Entries table past its count keep what they held.
template <DescribedRecord R>
void DecodeRecordInto(R& record, const uint8_t* in) {
  ByteReader<R> reader(record, in);
  RecordFields<R>::Describe(reader);
}

// A fresh record read from its bytes.
template <DescribedRecord R>
R DecodeRecord(const uint8_t* in) {
  R record;
  DecodeRecordInto(record, in);
  return record;
}

}  // namespace qv
