// The constants file, then applied to a text: "FILE\n%%\nTEXT".
#include "data/constant_list.h"
#include "data/game_files.h"
#include "fuzz/fuzz_support.h"
#include "host/recording_host.h"
#include "parser/location_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::FreshScratchDir();
  const auto parts = qv::fuzz::SplitParts(qv::fuzz::AsText(data, size), 2);
  qv::fuzz::WriteFile("data/konstanty.qvl", parts[0]);
  qv::RecordingHost host;
  qv::GameFiles files(host);
  qv::LocationStore store(files, host);
  store.LoadConstants();
  if (parts.size() > 1) store.ApplyConstants(std::string(parts[1]));
  return 0;
}
