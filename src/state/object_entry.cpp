#include "state/object_entry.h"

#include <cstring>

#include "data/byte_io.h"

namespace qv {

static_assert(ObjectEntry::kNameOffset + decltype(ObjectEntry::Name)::kFieldSize ==
              ObjectEntry::kDescriptionOffset);
static_assert(ObjectEntry::kDescriptionOffset + decltype(ObjectEntry::Description)::kFieldSize ==
              ObjectEntry::kPictureOffset);
static_assert(ObjectEntry::kPictureOffset + decltype(ObjectEntry::Picture)::kFieldSize <=
              ObjectEntry::kHeightOffset);
static_assert(ObjectEntry::kHeightOffset + 4 == ObjectEntry::kWidthOffset);
static_assert(ObjectEntry::kWidthOffset + 4 == ObjectEntry::kCountOffset);
static_assert(ObjectEntry::kCountOffset + 2 <= ObjectEntry::kSize);

void ObjectEntry::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  Name.Encode(out + kNameOffset);
  Description.Encode(out + kDescriptionOffset);
  Picture.Encode(out + kPictureOffset);
  WriteI32(out + kHeightOffset, Height);
  WriteI32(out + kWidthOffset, Width);
  WriteI16(out + kCountOffset, Count);
}

ObjectEntry ObjectEntry::Decode(const uint8_t* in) {
  ObjectEntry o;
  o.Name = decltype(Name)::Decode(in + kNameOffset);
  o.Description = decltype(Description)::Decode(in + kDescriptionOffset);
  o.Picture = decltype(Picture)::Decode(in + kPictureOffset);
  o.Height = ReadI32(in + kHeightOffset);
  o.Width = ReadI32(in + kWidthOffset);
  o.Count = ReadI16(in + kCountOffset);
  return o;
}

}  // namespace qv
