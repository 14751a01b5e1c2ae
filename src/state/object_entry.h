// ObjectEntry: one story object created by the OBJEKT command, 368 bytes in a
// saved position.
#pragma once

#include <cstddef>
#include <cstdint>

#include "data/record_fields.h"
#include "data/short_string.h"
#include "state/numbered_table.h"

namespace qv {

struct ObjectEntry {
  static constexpr std::size_t kSize = 368;
  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kDescriptionOffset = 51;
  static constexpr std::size_t kPictureOffset = 302;
  static constexpr std::size_t kHeightOffset = 356;
  static constexpr std::size_t kWidthOffset = 360;
  static constexpr std::size_t kCountOffset = 364;

  ShortString<50> Name;
  ShortString<250> Description;
  ShortString<50> Picture;
  int32_t Height = 0;
  int32_t Width = 0;
  int16_t Count = 0;  // how many the player has; never below 0

  void Encode(uint8_t* out) const;
  static ObjectEntry Decode(const uint8_t* in);
};

template <>
struct RecordFields<ObjectEntry> {
  static constexpr std::size_t kSize = ObjectEntry::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = ObjectEntry;
    v.Field("name", R::kNameOffset, &R::Name);
    v.Field("description", R::kDescriptionOffset, &R::Description);
    v.Field("picture", R::kPictureOffset, &R::Picture);
    v.Padding(353, 3);
    v.Field("height", R::kHeightOffset, &R::Height);
    v.Field("width", R::kWidthOffset, &R::Width);
    v.Field("count", R::kCountOffset, &R::Count);
    v.Padding(366, 2);
  }
};

// Objects 1..100.
using ObjectTable = NumberedTable<ObjectEntry, 100>;

}  // namespace qv
