// Finding and reading the gamebook's data files, plain or scrambled.
//
// Main files live in ./data/NAME.qvl and libraries in ./data/knihovny/NAME.qvl.
// When ./data/zasifrovane (main files) or ./data/zasifrovane/knihovny
// (libraries) exists, the file is taken from that scrambled tree instead and
// unscrambled in memory (data/scrambled_format.h). The two modes are
// independent.
//
// No temporary copy of a scrambled file is ever written: a copy on disk would
// let a gamebook that ships data/temp as a link make the player write its
// bytes anywhere, and a book in a read-only folder could not be played.
//
// Names are Windows-1250 text, used exactly as given (no case folding), with
// ".qvl" appended; on disk they are spelled in UTF-8. A library name may name
// a subfolder ("mesto/trh"). A name that could reach outside its folder
// (absolute, with a ".." component, a backslash, a colon or a NUL byte) is
// refused: the open returns false without touching the disk, so the caller
// treats the file as missing. Every file is opened through the contained-file
// layer, so a link in the book is never followed. Reading never throws: an
// unreadable file counts as a missing one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "data/contained_files.h"
#include "host/host.h"

namespace qv {

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
  // main files, "knihovny/" for libraries) and the selected plain file
  // (empty when the last open selected nothing or a scrambled file).
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

  // The selected file's bytes up to, not including, the first 0x1A. Empty when
  // nothing is selected or the file cannot be read.
  std::string ReadSelected() const;

  // A main file: open and read. Empty when the open fails or the file cannot
  // be read.
  std::optional<std::string> ReadGameFile(std::string_view name);

  // A library: open and read when the file exists. Empty when the open fails
  // or the library file is missing or unreadable.
  std::optional<std::string> ReadLibraryFile(std::string_view name);

 private:
  // Selects the scrambled file at `source` unscrambled, or shows `failure`
  // when its prefix is not the check string.
  bool SelectScrambled(const std::string& source, const std::string& failure);
  std::optional<std::string> ReadSelectedFile() const;

  Host& host_;
  std::string check_string_;
  std::string base_dir_{kBaseDir};
  std::string subfolder_;
  std::filesystem::path selected_;
  std::optional<std::string> unscrambled_;  // the selected scrambled file's body
};

}  // namespace qv
