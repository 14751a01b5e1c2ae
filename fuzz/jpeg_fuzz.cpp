// The JPEG decoder. Pictures of absurd declared sizes must be refused
// before any large allocation.
#include "fuzz/fuzz_support.h"
#include "ui/picture.h"
#include "ui/picture_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::picture_codecs::DecodeJpeg(std::span<const uint8_t>(data, size), "fuzz");
  return 0;
}
