// The compile-time proof that a record's field list is a layout: every byte
// of the record belongs to exactly one field or to declared padding, and no
// two fields share a name.
//
//   static_assert(FieldsTileRecord<WorldState>());
//
// Each record's .cpp holds that line, so a field list that overlaps, leaves a
// gap, runs past kSize or repeats a name does not compile. The offsets are
// written in the field list (as the struct's kXxxOffset constants); the
// compiler's own struct layout plays no part, so a record's bytes are the
// same on every platform.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "data/record_fields.h"

namespace qv {

template <class R>
class LayoutCheck {
 public:
  template <class T, class Form = PlainForm>
  constexpr void Field(std::string_view name, std::size_t offset, T R::*, const Form& = {}) {
    Add(name, offset, FieldBytes<T>());
  }
  template <class A, class C>
  constexpr void Counted(std::string_view name, std::size_t offset, A R::*, C R::*) {
    static_assert(std::is_integral_v<C>, "the count of a Counted field is an integer field");
    Add(name, offset, FieldBytes<A>());
  }
  template <class A, class C, class Shown = AllFields>
  constexpr void Entries(std::string_view name, std::size_t offset, A R::*, C R::*,
                         const Shown& = {}) {
    static_assert(std::is_integral_v<C>, "the count of an Entries table is an integer field");
    Add(name, offset, FieldBytes<A>());
  }
  template <class A>
  constexpr void Pairs(std::string_view name, std::size_t offset, A R::*, std::string_view,
                       std::string_view) {
    static_assert(std::is_same_v<SequenceElement<A>, int32_t> && SequenceLength<A>() % 2 == 1,
                  "Pairs are int32 words: the count, then the first and the second members");
    Add(name, offset, FieldBytes<A>());
  }
  constexpr void Padding(std::size_t offset, std::size_t size) { Add({}, offset, size); }

  // True when the spans, in offset order, run from 0 to `size` without a gap
  // or an overlap, and every named span has a name of its own.
  constexpr bool TilesExactly(std::size_t size) const {
    if (count_ > kMaxSpans) return false;
    std::array<Span, kMaxSpans> sorted = spans_;
    for (std::size_t i = 1; i < count_; ++i) {  // insertion sort by offset
      for (std::size_t j = i; j > 0 && sorted[j].Offset < sorted[j - 1].Offset; --j) {
        const Span moved = sorted[j];
        sorted[j] = sorted[j - 1];
        sorted[j - 1] = moved;
      }
    }
    std::size_t end = 0;
    for (std::size_t i = 0; i < count_; ++i) {
      if (sorted[i].Offset != end || sorted[i].Size == 0) return false;
      end += sorted[i].Size;
      for (std::size_t j = 0; j < i; ++j) {
        if (!sorted[i].Name.empty() && sorted[i].Name == sorted[j].Name) return false;
      }
    }
    return end == size;
  }

 private:
  struct Span {
    std::string_view Name;  // empty for padding
    std::size_t Offset = 0;
    std::size_t Size = 0;
  };
  static constexpr std::size_t kMaxSpans = 64;  // more fields than any record has

  constexpr void Add(std::string_view name, std::size_t offset, std::size_t size) {
    if (count_ < kMaxSpans) spans_[count_] = {name, offset, size};
    ++count_;
  }

  std::array<Span, kMaxSpans> spans_{};
  std::size_t count_ = 0;
};

template <DescribedRecord R>
consteval bool FieldsTileRecord() {
  LayoutCheck<R> check;
  RecordFields<R>::Describe(check);
  return check.TilesExactly(RecordFields<R>::kSize);
}

}  // namespace qv
