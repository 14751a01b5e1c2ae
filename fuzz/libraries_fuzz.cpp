// Library expansion: "TEXT\n%%\nA\n%%\nB\n%%\nC\n%%\nD", where A..D are the
// libraries named a, b, c and d (so a text can refer to #knihovna_a;).
#include "data/game_files.h"
#include "fuzz/fuzz_support.h"
#include "host/recording_host.h"
#include "parser/location_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::FreshScratchDir();
  const auto parts = qv::fuzz::SplitParts(qv::fuzz::AsText(data, size), 5);
  for (size_t i = 1; i < parts.size(); ++i) {
    qv::fuzz::WriteFile(std::string("data/knihovny/") + static_cast<char>('a' + i - 1) + ".qvl",
                        parts[i]);
  }
  qv::RecordingHost host;
  qv::GameFiles files(host);
  qv::LocationStore store(files, host);
  store.ExpandLibraries(std::string(parts[0]));
  return 0;
}
