// Saved positions. A save is over a megabyte, so the input patches a valid
// one: a run of (3-byte offset, 1-byte length, bytes) records. An input
// starting with 0xFF is instead taken as the whole file, whatever its size.
#include <memory>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "state/game_state.h"
#include "state/saved_position.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using Layout = qv::SavedPositionLayout;
  static const std::vector<uint8_t> base = [] {
    auto state = std::make_unique<qv::GameState>();
    return qv::EncodeSavedPosition(*state, {});
  }();
  std::vector<uint8_t> bytes;
  if (size > 0 && data[0] == 0xFF) {
    bytes.assign(data + 1, data + size);
  } else {
    bytes = base;
    for (size_t at = 0; at + 4 <= size;) {
      const size_t offset = (data[at] | data[at + 1] << 8 | data[at + 2] << 16) % Layout::kSize;
      size_t length = data[at + 3];
      at += 4;
      length = std::min({length, size - at, Layout::kSize - offset});
      std::copy(data + at, data + at + length, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
      at += length;
    }
  }
  const qv::SavedPositionReadResult read = qv::DecodeSavedPosition(bytes, "fuzz");
  if (read.ok()) {
    auto state = std::make_unique<qv::GameState>();
    qv::ApplySavedPosition(*state, *read.Position);
    qv::EncodeSavedPosition(*state, {});
  }
  return 0;
}
