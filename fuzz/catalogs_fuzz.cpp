// The five catalog files. The first byte picks the catalog, the rest is the
// file as written on disk.
#include <memory>

#include "data/conversion.h"
#include "fuzz/fuzz_support.h"
#include "host/recording_host.h"
#include "state/catalog_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  qv::fuzz::FreshScratchDir();
  static constexpr const char* kNames[] = {"zbrane", "zbroje", "predmety", "kouzla", "utoky"};
  const int which = data[0] % 5;
  qv::fuzz::WriteFile(std::string("data/") + kNames[which] + ".qvl",
                      qv::fuzz::AsText(data + 1, size - 1));
  qv::RecordingHost host;
  qv::GameFiles files(host);
  auto state = std::make_unique<qv::GameState>();
  try {
    switch (which) {
      case 0: qv::LoadWeapons(files, *state, host); break;
      case 1: qv::LoadArmour(files, *state, host); break;
      case 2: qv::LoadItems(files, *state, host); break;
      case 3: qv::LoadSpells(files, *state, host); break;
      default: qv::LoadAttacks(files, *state, host); break;
    }
  } catch (const qv::ConversionError&) {
  }
  return 0;
}
