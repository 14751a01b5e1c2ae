// The location store: the gamebook's location text held in memory, with
// libraries and constants merged in, and the assembly of one location
// (prefix, option library, the location itself, suffix) for the scanner.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/game_files.h"
#include "host/host.h"
#include "parser/tag_store.h"

namespace qv {

// A named text: one library or one constant.
struct TMyPlugin {
  std::string Name;
  std::string Text;
};

// What one fetch needs from the game besides the location number.
struct FetchOptions {
  std::string_view OptionLibrary;  // PrePrefix of the chosen option; empty = none
  bool PrefixEnabled = false;
  bool SuffixEnabled = false;
};

class LocationStore {
 public:
  LocationStore(GameFiles& files, Host& host);

  // Empties the library and constant lists and forgets prefix and suffix;
  // the main text, once loaded, stays for the whole run.
  void StartGame();

  void LoadConstants();
  const std::vector<TMyPlugin>& Constants() const { return constants_; }
  std::string ApplyConstants(std::string text) const;

  // The library of that exact name (the last one loaded under it), or none.
  const TMyPlugin* FindLibrary(std::string_view name) const;
  // Reads the library and appends it to the list. Entries never move, so
  // the reference stays valid for the whole game.
  const TMyPlugin& LoadLibrary(std::string_view name);
  const TMyPlugin& FindOrLoadLibrary(std::string_view name);
  std::string ExpandLibraries(std::string text);

  // Assembles location n and scans it into tags (which the caller cleared).
  // False when the program must end: the message has been shown and the
  // host told to end.
  bool FetchLocation(int32_t n, const FetchOptions& options, TagStore& tags);

  // The source of locations: a library's text (a redirected gamebook), or
  // the main text again when `library` is null.
  void SetSource(const TMyPlugin* library);

  void SetPrefix(const TMyPlugin* library) { prefix_ = library; }
  void SetSuffix(const TMyPlugin* library) { suffix_ = library; }
  const TMyPlugin* Prefix() const { return prefix_; }
  const TMyPlugin* Suffix() const { return suffix_; }

  // Loads the main text now if it is not loaded yet (the first fetch does it
  // otherwise).
  void EnsureMainText();

 private:
  GameFiles& files_;
  Host& host_;
  std::vector<TMyPlugin> constants_;
  std::deque<TMyPlugin> libraries_;
  const TMyPlugin* prefix_ = nullptr;
  const TMyPlugin* suffix_ = nullptr;
  bool main_loaded_ = false;
  std::string main_text_;
  const std::string* source_ = nullptr;  // main_text_ or a library's text
};

}  // namespace qv
