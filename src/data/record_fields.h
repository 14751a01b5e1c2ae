// The one description of a fixed binary record: its size and its field list.
//
// Every record the engine stores on disk (the saved position and the blocks
// inside it, the initialization record, the catalog records) is described
// once, beside its struct, by a specialisation of RecordFields:
//
//   template <>
//   struct RecordFields<ObjectEntry> {
//     static constexpr std::size_t kSize = ObjectEntry::kSize;
//     template <class V>
//     static constexpr void Describe(V& v) {
//       using R = ObjectEntry;
//       v.Field("name", R::kNameOffset, &R::Name);
//       ...
//       v.Padding(366, 2);
//     }
//   };
//
// Visitors turn that one list into everything else: ByteWriter writes the
// bytes (record_byte_writer.h), ByteReader reads them (record_byte_reader.h),
// JsonWriter shows the record by name (record_json_writer.h), and
// FieldsTileRecord proves at compile time that the fields and the declared
// padding cover every byte of the record exactly once (record_layout.h).
//
// What a field list says, each with an explicit byte offset from the start of
// the record:
//
//   v.Field(name, offset, &R::member [, form])
//       one member. Its type decides its bytes: int32_t (4, little-endian),
//       int16_t (2), uint8_t, char and bool (1; bool reads any non-zero byte
//       as true), ShortString<N> (N + 1), a described record (its kSize), or a
//       fixed run of these (std::array, NumberedTable), element after element.
//   v.Counted(name, offset, &R::array, &R::count)
//       an array whose every slot is stored; `count` (another field) says how
//       many are in use, and tools show only those.
//   v.Entries(name, offset, &R::table, &R::count [, ShownFields{...}])
//       a table of which only entries 1..count are stored, the rest of its
//       bytes staying zero; `count` must be listed before it. Tools show each
//       entry with its slot number, and only the named fields when given.
//   v.Pairs(name, offset, &R::words, first, second)
//       int32 words k, a1..aK, b1..bK: k pairs (a, b), shown as a list of
//       objects {first: a, second: b}.
//   v.Padding(offset, size)
//       bytes no field holds: written as zero, ignored when read.
//
// The order of the list is the order in which tools show the fields; the
// offsets alone decide where the bytes go, so the two orders may differ.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "data/short_string.h"

namespace qv {

// Specialised beside each record with kSize and Describe(v).
template <class R>
struct RecordFields;

template <class T>
concept DescribedRecord = requires {
  { RecordFields<T>::kSize } -> std::convertible_to<std::size_t>;
};

// ---- Forms: how tools show a field; the bytes are the same in every form.

struct PlainForm {};
// Kept in the bytes, shown by no tool (reserved areas, caches, counts that a
// Counted field shows instead).
struct HiddenForm {};
// An int32 colour 0x00BBGGRR, shown as the script dumps show it: "#RRGGBB".
struct ColourForm {};
// A fixed run shown as an object keyed by these names, one per element.
template <std::size_t N>
struct ElementNames {
  std::array<std::string_view, N> Names;
};
template <class... Names>
ElementNames(Names...) -> ElementNames<sizeof...(Names)>;

inline constexpr HiddenForm kHidden{};
inline constexpr ColourForm kColour{};

// ---- Which fields of each entry an Entries table shows.

struct AllFields {
  constexpr bool Shows(std::string_view) const { return true; }
};

template <std::size_t N>
struct ShownFields {
  std::array<std::string_view, N> Names;
  constexpr bool Shows(std::string_view name) const {
    for (std::string_view shown : Names) {
      if (shown == name) return true;
    }
    return false;
  }
};
template <class... Names>
ShownFields(Names...) -> ShownFields<sizeof...(Names)>;

// ---- Member types.

template <class T>
struct IsShortString : std::false_type {};
template <std::size_t N>
struct IsShortString<ShortString<N>> : std::true_type {};

// A fixed run of values of one type: std::array, or a table with kCount
// slots and begin() (NumberedTable).
template <class T>
concept FixedSequence = !DescribedRecord<T> && requires(const T& t) {
  *std::begin(t);
}
&&(
    requires { T::kCount; } || requires { std::tuple_size<T>::value; });

template <FixedSequence T>
constexpr std::size_t SequenceLength() {
  if constexpr (requires { T::kCount; }) {
    return T::kCount;
  } else {
    return std::tuple_size_v<T>;
  }
}

template <FixedSequence T>
using SequenceElement = std::remove_cvref_t<decltype(*std::begin(std::declval<const T&>()))>;

template <class T>
inline constexpr bool kIsRecordScalar =
    std::is_same_v<T, int32_t> || std::is_same_v<T, int16_t> || std::is_same_v<T, uint8_t> ||
    std::is_same_v<T, char> || std::is_same_v<T, bool>;

// The bytes a member of type T takes in a record.
template <class T>
constexpr std::size_t FieldBytes() {
  if constexpr (DescribedRecord<T>) {
    return RecordFields<T>::kSize;
  } else if constexpr (IsShortString<T>::value) {
    return T::kFieldSize;
  } else if constexpr (FixedSequence<T>) {
    return SequenceLength<T>() * FieldBytes<SequenceElement<T>>();
  } else if constexpr (std::is_same_v<T, int32_t>) {
    return 4;
  } else if constexpr (std::is_same_v<T, int16_t>) {
    return 2;
  } else {
    static_assert(kIsRecordScalar<T>,
                  "a record field is int32_t, int16_t, uint8_t, char, bool, ShortString<N>, a "
                  "described record or a fixed run of these");
    return 1;
  }
}

// The slots in use of a run of `capacity`: `count` cut to 0..capacity, so a
// count read from a damaged file never leads past the run.
constexpr std::size_t UsedSlots(long long count, std::size_t capacity) {
  if (count <= 0) return 0;
  return static_cast<unsigned long long>(count) < capacity ? static_cast<std::size_t>(count)
                                                           : capacity;
}

}  // namespace qv
