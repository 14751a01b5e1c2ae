// The tag scanner over any location text.
#include "fuzz/fuzz_support.h"
#include "parser/tag_scanner.h"
#include "parser/tag_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::TagStore store;
  qv::ScanLocation(qv::fuzz::AsText(data, size), store);
  return 0;
}
