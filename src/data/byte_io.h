// Little-endian integer access at explicit byte offsets.
//
// Every record the engine stores on disk (saved positions, the initialization
// record, catalog records) is written and read field by field through these
// helpers, by the visitors of its field list (record_byte_writer.h,
// record_byte_reader.h), so the bytes are the same on every platform whatever
// the compiler's struct layout.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

inline int32_t ReadI32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                              (static_cast<uint32_t>(p[2]) << 16) |
                              (static_cast<uint32_t>(p[3]) << 24));
}

inline void WriteI32(uint8_t* p, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

inline int16_t ReadI16(const uint8_t* p) {
  return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

inline void WriteI16(uint8_t* p, int16_t value) {
  const auto v = static_cast<uint16_t>(value);
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace qv
