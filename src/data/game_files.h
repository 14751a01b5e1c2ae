// Finding and reading the gamebook's data files, plain or scrambled.
//
// Main files live in ./data/NAME.qvl and libraries in ./data/knihovny/NAME.qvl.
// When ./data/zasifrovane (main files) or ./data/zasifrovane/knihovny
// (libraries) exists, the file is taken from that scrambled tree instead: it is
// unscrambled into a temporary copy under ./data/temp/ or ./data/knihovny/temp/,
// which the reader reads and then deletes with DeleteTempCopy. The two modes
// are independent.
//
// Scrambled file: the check string C shifted byte by byte (byte k holds
// C[k] + 10 + k), one filler byte, then the body with every byte + 8; a stored
// byte 0x1A ends the body. All arithmetic wraps modulo 256.
//
// Names are Windows-1250 text, used exactly as given (no case folding), with
// ".qvl" appended; on disk they are spelled in UTF-8. A name that could reach
// outside the gamebook folder (absolute, with a ".." component, a backslash, a
// colon or a NUL byte) is refused: the open returns false without touching the
// disk, so the caller treats the file as missing. Reading never throws: an
// unreadable file counts as a missing one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "host/host.h"

namespace qv {

// No gamebook file comes near this size; a larger one is taken as unreadable
// rather than read into memory whole.
inline constexpr std::uintmax_t kMaxGameFileSize = 256u * 1024 * 1024;

class GameFiles {
 public:
  static constexpr std::string_view kBaseDir = "./data/";
  static constexpr std::string_view kLibrarySubfolder = "knihovny/";

  // `check_string` is the decoded check string of the initialization record,
  // the prefix every scrambled file must carry.
  explicit GameFiles(Host& host, std::string check_string = {});

  const std::string& CheckString() const { return check_string_; }
  void SetCheckString(std::string check_string) { check_string_ = std::move(check_string); }

  // The selection state of the last open: base directory, subfolder ("" for
  // main files, "knihovny/" for libraries) and the selected file (empty when
  // the last open selected nothing).
  const std::string& BaseDir() const { return base_dir_; }
  const std::string& Subfolder() const { return subfolder_; }
  const std::filesystem::path& SelectedPath() const { return selected_; }

  // True when ./data/zasifrovane exists.
  bool IsScrambled() const;
  // True when ./data/zasifrovane/knihovny exists.
  bool IsLibraryScrambled() const;

  // Selects main file NAME. Scrambled: false without a message when the
  // scrambled file is missing; a failed check shows
  // "Chybné soubory - NAME.qvl !" and gives false. Plain: false when
  // ./data/NAME.qvl is missing.
  bool OpenGameFile(std::string_view name);

  // Selects library NAME, creating ./data/knihovny when missing. Scrambled: a
  // failed check shows "Chybné soubory v NAME.qvl !" and gives false; a
  // missing scrambled library gives false without a message, like a missing
  // main file. Plain: the file is selected whether or not it exists.
  bool OpenLibraryFile(std::string_view name);

  // Writes the temporary copy of FILENAME (with its extension) for the current
  // subfolder from the scrambled tree and tells whether its prefix equals
  // `check`. On a mismatch, or when the source cannot be read or the copy not
  // written, the copy is deleted, the temporary directory removed when empty,
  // and the result is false.
  bool UnscrambleFile(std::string_view filename, std::string_view check);

  // Deletes the temporary copy of NAME for the current subfolder, then the
  // temporary directory when it is empty. Silent when either is missing.
  void DeleteTempCopy(std::string_view name);

  // The selected file's bytes up to, not including, the first 0x1A. Empty when
  // nothing is selected or the file cannot be read.
  std::string ReadSelected() const;

  // A main file read the way the gamebook's readers do it: open, read, then
  // DeleteTempCopy ("data" only in scrambled mode, every other file always).
  // Empty when the open fails or the file cannot be read.
  std::optional<std::string> ReadGameFile(std::string_view name);

  // A library read the way the location store does it: open, read when the
  // file exists, DeleteTempCopy always. Empty when the open fails or the
  // library file is missing or unreadable.
  std::optional<std::string> ReadLibraryFile(std::string_view name);

 private:
  std::optional<std::string> ReadSelectedFile() const;

  Host& host_;
  std::string check_string_;
  std::string base_dir_{kBaseDir};
  std::string subfolder_;
  std::filesystem::path selected_;
};

}  // namespace qv
