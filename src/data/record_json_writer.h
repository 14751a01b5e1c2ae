// Showing a described record as JSON (see record_fields.h): an object with one
// key per field, in field-list order; texts converted from Windows-1250 to
// UTF-8. The JSON type is a parameter (nlohmann::ordered_json for the tools),
// so the data layer does not depend on a JSON library.
//
//   const auto json = RecordJson<nlohmann::ordered_json>(position);
//
// How each kind of field is shown:
//   numbers as numbers, bool as true/false, a char as a one-character string;
//   a text as a string; a described record as an object; a fixed run as a
//   list, or with ElementNames as an object keyed by those names;
//   kColour as "#RRGGBB", as the script dumps show colours (a value with a
//   high byte as its decimal string);
//   a numbered table of numbers or texts (variables, text slots) as an object
//   keyed by the decimal numbers of its non-zero, non-empty slots, as the
//   dumps show them: {"7": 42};
//   kHidden not at all;
//   Counted: a list of the slots in use;
//   Entries: a list of the stored entries, each an object starting with
//   "slot" (1, 2, ...) and then its fields (only ShownFields when given);
//   Pairs: a list of {first: a, second: b} objects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "data/cp1250.h"
#include "data/record_fields.h"

namespace qv {

// "#RRGGBB" for a colour 0x00BBGGRR; a value with bits above the colour is
// shown as its decimal number.
inline std::string ColourText(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  if (bits >> 24) return std::to_string(value);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", bits & 0xFFu, (bits >> 8) & 0xFFu,
                (bits >> 16) & 0xFFu);
  return buffer;
}

// A table numbered from 1 whose slots are plain values: its slots are
// reached by number, and a slot holding the empty value is unused.
template <class T>
concept NumberedValueTable = requires(const T& table) {
  { T::kCount } -> std::convertible_to<std::size_t>;
  table.Get(1);
} && !DescribedRecord<std::remove_cvref_t<decltype(std::declval<const T&>().Get(1))>>;

template <class Json, DescribedRecord R, class Shown = AllFields>
Json RecordJson(const R& record, const Shown& shown = {});

namespace record_json {

template <class Json, class T>
Json Value(const T& value) {
  if constexpr (DescribedRecord<T>) {
    return RecordJson<Json>(value);
  } else if constexpr (NumberedValueTable<T>) {
    Json object = Json::object();
    for (std::size_t n = 1; n <= T::kCount; ++n) {
      const auto slot = value.Get(static_cast<long long>(n));
      if (slot != decltype(slot){}) object[std::to_string(n)] = Value<Json>(slot);
    }
    return object;
  } else if constexpr (IsShortString<T>::value) {
    return Json(Cp1250ToUtf8(value.str()));
  } else if constexpr (FixedSequence<T>) {
    Json list = Json::array();
    for (const auto& element : value) list.push_back(Value<Json>(element));
    return list;
  } else if constexpr (std::is_same_v<T, char>) {
    return Json(std::string(1, value));
  } else {
    static_assert(kIsRecordScalar<T>);
    return Json(value);
  }
}

template <class Json, class T, class Form>
Json Value(const T& value, const Form&) {
  return Value<Json>(value);
}

template <class Json, class T>
Json Value(const T& value, const ColourForm&) {
  static_assert(std::is_same_v<T, int32_t>, "a colour is an int32 field");
  return Json(ColourText(value));
}

template <class Json, class T, std::size_t N>
Json Value(const T& value, const ElementNames<N>& form) {
  static_assert(N == SequenceLength<T>(), "one name per element");
  Json object = Json::object();
  std::size_t i = 0;
  for (const auto& element : value) object[std::string(form.Names[i++])] = Value<Json>(element);
  return object;
}

}  // namespace record_json

// The visitor behind RecordJson: adds the record's shown fields to `out`.
template <class Json, class R, class Shown = AllFields>
class JsonWriter {
 public:
  JsonWriter(const R& record, Json& out, const Shown& shown = {})
      : record_(record), out_(out), shown_(shown) {}

  template <class T, class Form = PlainForm>
  void Field(std::string_view name, std::size_t, T R::*member, const Form& form = {}) {
    if constexpr (!std::is_same_v<Form, HiddenForm>) {
      if (shown_.Shows(name))
        out_[std::string(name)] = record_json::Value<Json>(record_.*member, form);
    }
  }
  template <class A, class C>
  void Counted(std::string_view name, std::size_t, A R::*array, C R::*count) {
    if (!shown_.Shows(name)) return;
    Json list = Json::array();
    const std::size_t used = UsedSlots(record_.*count, SequenceLength<A>());
    auto element = std::begin(record_.*array);
    for (std::size_t i = 0; i < used; ++i, ++element)
      list.push_back(record_json::Value<Json>(*element));
    out_[std::string(name)] = std::move(list);
  }
  template <class A, class C, class EntryShown = AllFields>
  void Entries(std::string_view name, std::size_t, A R::*table, C R::*count,
               const EntryShown& entry_shown = {}) {
    if (!shown_.Shows(name)) return;
    Json list = Json::array();
    const std::size_t used = UsedSlots(record_.*count, SequenceLength<A>());
    auto entry = std::begin(record_.*table);
    for (std::size_t i = 0; i < used; ++i, ++entry) {
      Json shown_entry = Json::object();
      shown_entry["slot"] = static_cast<int32_t>(i + 1);
      JsonWriter<Json, SequenceElement<A>, EntryShown> writer(*entry, shown_entry, entry_shown);
      RecordFields<SequenceElement<A>>::Describe(writer);
      list.push_back(std::move(shown_entry));
    }
    out_[std::string(name)] = std::move(list);
  }
  template <class A>
  void Pairs(std::string_view name, std::size_t, A R::*words, std::string_view first,
             std::string_view second) {
    if (!shown_.Shows(name)) return;
    const A& w = record_.*words;
    constexpr std::size_t capacity = (SequenceLength<A>() - 1) / 2;
    Json list = Json::array();
    for (std::size_t i = 1; i <= UsedSlots(w[0], capacity); ++i) {
      Json pair = Json::object();
      pair[std::string(first)] = w[i];
      pair[std::string(second)] = w[capacity + i];
      list.push_back(std::move(pair));
    }
    out_[std::string(name)] = std::move(list);
  }
  void Padding(std::size_t, std::size_t) {}

 private:
  const R& record_;
  Json& out_;
  Shown shown_;
};

template <class Json, DescribedRecord R, class Shown>
Json RecordJson(const R& record, const Shown& shown) {
  Json out = Json::object();
  JsonWriter<Json, R, Shown> writer(record, out, shown);
  RecordFields<R>::Describe(writer);
  return out;
}

}  // namespace qv
