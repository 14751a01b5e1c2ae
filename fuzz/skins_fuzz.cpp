// The two skin INI files.
#include "fuzz/fuzz_support.h"
#include "ui/skin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = qv::fuzz::AsText(data, size);
  qv::ParseMenuSkin(text);
  qv::ParseGameSkin(text);
  return 0;
}
