// Producing the scrambled tree data/zasifrovane/ from a gamebook's plain
// files, and the plain files back from it, in the form the engine's file
// layer reads: the check string shifted byte by byte (byte k + 10 + k), one
// filler byte, then every body byte + 8, modulo 256.
//
// Main files are data/NAME.qvl (all but the initialization record, which is
// never scrambled); libraries are data/knihovny/NAME.qvl and go to
// data/zasifrovane/knihovny/. Either whole tree is written, or, when any file
// cannot be converted, nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/scrambled_format.h"

namespace qv {

struct TreeReport {
  std::vector<std::string> Written;  // paths relative to the gamebook folder
  std::vector<std::string> Notes;    // things the author should know; not failures
  std::vector<std::string> Errors;   // "path: message"; nothing was written
};

// data/ -> data/zasifrovane/. The plain files stay where they are.
//  - A plain byte 0x12 would be stored as 0x1A, the end mark: refused.
//  - The engine reads a plain file only up to its first 0x1A; the scrambled
//    copy stops there too (a note says so).
TreeReport ScrambleTree(const std::filesystem::path& root, std::string_view check);

// data/zasifrovane/ -> data/. The scrambled tree stays (the engine keeps
// reading it while it exists). A plain file that differs from what would be
// written holds the author's edits: unless `replace_edited`, nothing is
// written and the report names each such file.
TreeReport UnscrambleTree(const std::filesystem::path& root, std::string_view check,
                          bool replace_edited = false);

}  // namespace qv
