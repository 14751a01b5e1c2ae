// The scrambled form of the game files: the input is a scrambled data file
// (and, after "\n%%\n", a scrambled library) checked against a fixed check
// string.
#include "data/game_files.h"
#include "fuzz/fuzz_support.h"
#include "host/recording_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::FreshScratchDir();
  const auto parts = qv::fuzz::SplitParts(qv::fuzz::AsText(data, size), 2);
  qv::fuzz::WriteFile("data/zasifrovane/data.qvl", parts[0]);
  qv::fuzz::WriteFile("data/zasifrovane/knihovny/kniha.qvl", parts.size() > 1 ? parts[1] : "");
  qv::RecordingHost host;
  qv::GameFiles files(host, "Kniha");
  files.ReadGameFile("data");
  files.ReadLibraryFile("kniha");
  return 0;
}
