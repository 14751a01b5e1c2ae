// The location store: the gamebook's location text held in memory, with
// libraries and constants merged in, and the assembly of one location
// (prefix, option library, the location itself, suffix) for the scanner.
//
// A location runs from its marker "<N>" up to the marker "<N+1>" (or to the
// end of the text). Libraries are the texts ./data/knihovny/NAME.qvl, read
// once per game with their lines joined; "#knihovna_NAME;" in the main text
// or in another library stands for library NAME. Constants come from the file
// "konstanty" and replace their names in the texts.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/constant_list.h"
#include "data/game_files.h"
#include "data/marker_index.h"
#include "data/named_text.h"
#include "parser/library_splices.h"
#include "host/host.h"
#include "parser/tag_store.h"

namespace qv {

// What one fetch needs from the game besides the location number.
struct FetchOptions {
  std::string_view OptionLibrary = {};  // PrePrefix of the chosen option; empty = none
  bool PrefixEnabled = false;
  bool SuffixEnabled = false;
};

// Libraries being loaded inside one another at most; no real gamebook nests
// more than a few.
inline constexpr std::size_t kMaxLibraryNesting = 64;

class LocationStore {
 public:
  LocationStore(GameFiles& files, Host& host);
  // The marker index and the prefix, suffix and source refer into the store.
  LocationStore(const LocationStore&) = delete;
  LocationStore& operator=(const LocationStore&) = delete;

  // Empties the library and constant lists, forgets prefix and suffix and
  // makes the main text the source again; the main text, once loaded, stays
  // for the whole run.
  void StartGame();

  // Fills the constant list from the file "konstanty" (none when it cannot
  // be opened).
  void LoadConstants();
  const std::vector<TMyPlugin>& Constants() const { return constants_.List(); }
  std::string ApplyConstants(std::string text) const;

  // The library of that exact name (the last one loaded under it), or none.
  const TMyPlugin* FindLibrary(std::string_view name) const;
  // Reads the library and appends it to the list. Entries never move, so
  // the reference stays valid for the whole game.
  //  - A library file that does not exist gets, as its text, a text element
  //    naming it ("Nenalezena knihovna NAME !!!!"), so the player sees what
  //    is missing wherever it is used; the disk is not asked again.
  //  - A scrambled library that fails its check (the file layer has shown
  //    the message) gets an empty text and stays in the list under its name.
  const TMyPlugin& LoadLibrary(std::string_view name);
  const TMyPlugin& FindOrLoadLibrary(std::string_view name);
  const std::deque<TMyPlugin>& Libraries() const { return libraries_; }

  // Replaces the library references of text, loading libraries on first use
  // in the order their references first appear. Every occurrence of
  // "#knihovna_NAME;" is replaced, in any case, once NAME has appeared in a
  // reference written in lower case as "#knihovna_". Inserted texts are not
  // searched again: they were expanded when their library was loaded.
  //  - A reference without a ";" after it, and everything after it, is left
  //    as it is.
  //  - A reference with blanks around its name or another reference inside
  //    it is left as it is and loads nothing.
  //  - A library that refers to itself, directly or through others, is
  //    reported once ("Knihovna NAME odkazuje sama na sebe!") and the
  //    reference that closes the circle becomes empty.
  //  - Libraries nest at most kMaxLibraryNesting deep: a reference inside
  //    the innermost of them loads nothing and becomes empty. The first such
  //    reference of a game is reported ("Knihovna NAME je vnořena příliš
  //    hluboko!").
  std::string ExpandLibraries(std::string text);
  // The same in two steps: the libraries loaded and the references to
  // replace found, to be put together later, whole or a stretch at a time.
  LibrarySplices PlanLibraries(std::string_view text);

  // Assembles location n and scans it into tags (which the caller cleared).
  // False when the program must end: the message has been shown and the
  // host told to end.
  bool FetchLocation(int32_t n, const FetchOptions& options, TagStore& tags);
  // The text assembled by the last fetch, as handed to the scanner.
  const std::string& LocationText() const { return location_text_; }

  // The source of locations: a library's text (a redirected gamebook), or
  // the main text again when `library` is null. The redirect holds also when
  // it is set before the main text is loaded.
  void SetSource(const TMyPlugin* library) { source_library_ = library; }
  const TMyPlugin* Source() const { return source_library_; }

  void SetPrefix(const TMyPlugin* library) { prefix_ = library; }
  void SetSuffix(const TMyPlugin* library) { suffix_ = library; }
  const TMyPlugin* Prefix() const { return prefix_; }
  const TMyPlugin* Suffix() const { return suffix_; }

  // Loads the main text now if it is not loaded yet (the first fetch does it
  // otherwise). It is read once per run, and its libraries are loaded. The
  // libraries, and the constants of the game it is loaded in, are put in
  // the whole text at once when they might change its location markers;
  // otherwise each location takes them when it is fetched, which gives the
  // same location text without holding the text twice or going through the
  // whole of it at the start. (The bounds
  // that keep a hostile constant list from growing a text past
  // kMaxExpandedText or working without end then hold for each location
  // rather than for the whole text.)
  void EnsureMainText();
  bool MainTextLoaded() const { return main_loaded_; }

  // The gamebook's files the store reads from (the shop reads its offers
  // through them too).
  GameFiles& Files() { return files_; }
  // The main text with libraries expanded and constants applied: when the
  // fetches put them in location by location, they are put in the whole
  // text now.
  const std::string& MainText();

 private:
  // The text a reference to `name` stands for while expanding.
  std::string_view ResolveReference(const std::string& name);
  bool LibraryFailedCheck(std::string_view name) const;
  const MarkerIndex& SourceIndex();

  GameFiles& files_;
  Host& host_;
  ConstantTable constants_;
  std::deque<TMyPlugin> libraries_;
  // The latest entry of each name, so that thousands of distinct references
  // are not each looked for through the whole list.
  std::unordered_map<std::string_view, const TMyPlugin*> library_by_name_;
  const TMyPlugin* prefix_ = nullptr;
  const TMyPlugin* suffix_ = nullptr;
  const TMyPlugin* source_library_ = nullptr;  // null: the main text

  // Libraries being loaded right now, to catch a library that refers back
  // to one of them; and the names already reported for doing so.
  std::set<std::string, std::less<>> loading_;
  std::set<std::string, std::less<>> reported_cycles_;
  bool reported_nesting_ = false;

  bool main_loaded_ = false;
  std::string main_text_;
  // The constants each location of the main text still takes when fetched
  // (those of the game the text was loaded in); none once applied.
  std::optional<ConstantTable> pending_constants_;
  // Likewise the libraries its locations still take when fetched.
  std::optional<LibrarySplices> pending_libraries_;
  MarkerIndex main_index_;
  std::unordered_map<const TMyPlugin*, MarkerIndex> library_indexes_;

  std::string location_text_;
};

}  // namespace qv
