// quarvelin_gen_gamebook DIR [--locations N] [--seed S] [--shape plain|dense]:
// writes a synthetic gamebook under DIR for the timing scripts and prints
// what it wrote.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "synthetic_gamebook.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: quarvelin_gen_gamebook DIR [--locations N] [--seed S] [--shape plain|dense]\n");
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
  int locations = 10000;
  uint32_t seed = qv::bench::SyntheticGamebookSize{}.Seed;
  qv::bench::BookShape shape = qv::bench::BookShape::kPlain;
  for (int i = 1; i < argc; ++i) {
    long long value = 0;
    if (std::strcmp(argv[i], "--locations") == 0 && i + 1 < argc) {
      if (!ReadNumber(argv[++i], 1, 10000000, value)) return Usage();
      locations = static_cast<int>(value);
    } else if (std::strcmp(argv[i], "--shape") == 0 && i + 1 < argc) {
      const std::string name = argv[++i];
      if (name == "plain") {
        shape = qv::bench::BookShape::kPlain;
      } else if (name == "dense") {
        shape = qv::bench::BookShape::kDenseConstants;
      } else {
        return Usage();
      }
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      if (!ReadNumber(argv[++i], 0, 0xFFFFFFFFll, value)) return Usage();
      seed = static_cast<uint32_t>(value);
    } else if (argv[i][0] != '-' && dir.empty()) {
      dir = argv[i];
    } else {
      return Usage();
    }
  }
  if (dir.empty()) return Usage();
  qv::bench::SyntheticGamebookSize size = qv::bench::SizeOfShape(shape, locations);
  size.Seed = seed;
  const qv::bench::SyntheticGamebook book = qv::bench::WriteSyntheticGamebook(dir, size);
  std::printf("{\"locations\": %d, \"seed\": %u, \"shape\": \"%s\", \"data_bytes\": %zu, "
              "\"all_bytes\": %zu, \"typical_location\": %d}\n",
              size.Locations, size.Seed, shape == qv::bench::BookShape::kPlain ? "plain" : "dense",
              book.DataBytes, book.AllDataBytes, book.TypicalLocation);
  return 0;
}
