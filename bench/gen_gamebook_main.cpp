// quarvelin_gen_gamebook DIR [--locations N] [--seed S]: writes a synthetic
// gamebook under DIR for the timing scripts and prints what it wrote.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "synthetic_gamebook.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: quarvelin_gen_gamebook DIR [--locations N] [--seed S]\n");
  return 2;
}

bool ReadNumber(const char* text, long long lo, long long hi, long long& out) {
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || value < lo || value > hi) return false;
  out = value;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir;
  qv::bench::SyntheticGamebookSize size;
  for (int i = 1; i < argc; ++i) {
    long long value = 0;
    if (std::strcmp(argv[i], "--locations") == 0 && i + 1 < argc) {
      if (!ReadNumber(argv[++i], 1, 10000000, value)) return Usage();
      size.Locations = static_cast<int>(value);
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      if (!ReadNumber(argv[++i], 0, 0xFFFFFFFFll, value)) return Usage();
      size.Seed = static_cast<uint32_t>(value);
    } else if (argv[i][0] != '-' && dir.empty()) {
      dir = argv[i];
    } else {
      return Usage();
    }
  }
  if (dir.empty()) return Usage();
  const qv::bench::SyntheticGamebook book = qv::bench::WriteSyntheticGamebook(dir, size);
  std::printf("{\"locations\": %d, \"seed\": %u, \"data_bytes\": %zu, \"all_bytes\": %zu, "
              "\"typical_location\": %d}\n",
              size.Locations, size.Seed, book.DataBytes, book.AllDataBytes, book.TypicalLocation);
  return 0;
}
