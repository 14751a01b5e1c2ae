// A made-up gamebook for the benchmarks: locations with texts, menus and
// condition blocks, constants and libraries (some nested), written as plain
// files the way an author leaves them beside the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::bench {

struct SyntheticGamebookSize {
  int Locations = 10000;
  int Constants = 200;
  int UsedConstants = 40;  // how many of them the texts actually use
  int Libraries = 50;
  uint32_t Seed = 20240601;
};

struct SyntheticGamebook {
  std::vector<std::string> LibraryNames;
  std::size_t DataBytes = 0;
};

// Writes data/data.qvl, data/konstanty.qvl and data/knihovny/*.qvl under dir.
// The same size and seed always give the same bytes.
SyntheticGamebook WriteSyntheticGamebook(const std::filesystem::path& dir,
                                         const SyntheticGamebookSize& size = {});

}  // namespace qv::bench
