#include "parser/location_store.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "data/constant_list.h"
#include "data/contained_files.h"
#include "data/cp1250.h"
#include "data/disk_path.h"
#include "data/expansion_limit.h"
#include "data/library_reference.h"
#include "data/text_case.h"
#include "data/text_lines.h"
#include "parser/tag_scanner.h"

namespace qv {

namespace {

// Position of the first byte c in text[from, to), or npos.
std::size_t FindByte(std::string_view text, char c, std::size_t from, std::size_t to) {
  if (from >= to) return std::string_view::npos;
  const void* found = std::memchr(text.data() + from, c, to - from);
  return found == nullptr ? std::string_view::npos
                          : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

}  // namespace

LocationStore::LocationStore(GameFiles& files, Host& host) : files_(files), host_(host) {}

void LocationStore::StartGame() {
  constants_ = {};
  libraries_.clear();
  library_by_name_.clear();
  library_indexes_.clear();
  loading_.clear();
  reported_cycles_.clear();
  reported_nesting_ = false;
  prefix_ = nullptr;
  suffix_ = nullptr;
  source_library_ = nullptr;
}

void LocationStore::LoadConstants() {
  constants_ = {};
  const std::optional<std::string> text = files_.ReadGameFile("konstanty");
  if (!text) return;
  constants_ = ConstantTable(ParseConstants(*text));
}

std::string LocationStore::ApplyConstants(std::string text) const {
  return constants_.Apply(std::move(text));
}

const TMyPlugin* LocationStore::FindLibrary(std::string_view name) const {
  const auto it = library_by_name_.find(name);
  return it == library_by_name_.end() ? nullptr : it->second;
}

bool LocationStore::LibraryFailedCheck(std::string_view name) const {
  if (!files_.IsLibraryScrambled()) return false;
  const std::string scrambled = std::string(GameFiles::kBaseDir) + "zasifrovane/" +
                                std::string(GameFiles::kLibrarySubfolder) + std::string(name) +
                                ".qvl";
  return KindOfEntry(DiskPath(scrambled)) != EntryKind::Missing;
}

const TMyPlugin& LocationStore::LoadLibrary(std::string_view name) {
  TMyPlugin library{std::string(name), {}};
  const std::optional<std::string> file = files_.ReadLibraryFile(name);
  if (file) {
    library.Text = ApplyConstants(JoinLines(*file));
    if (library.Text.find(kLibraryReference) != std::string::npos) {
      // Nested libraries are appended before this one.
      const auto [mark, inserted] = loading_.insert(library.Name);
      library.Text = ExpandLibraries(std::move(library.Text));
      if (inserted) loading_.erase(mark);
    }
  } else if (!LibraryFailedCheck(name)) {
    library.Text = MissingLibraryNotice(name);
  }
  libraries_.push_back(std::move(library));
  // A name loaded again stands for its latest entry.
  const TMyPlugin& loaded = libraries_.back();
  library_by_name_.insert_or_assign(loaded.Name, &loaded);
  return loaded;
}

const TMyPlugin& LocationStore::FindOrLoadLibrary(std::string_view name) {
  if (const TMyPlugin* library = FindLibrary(name)) return *library;
  return LoadLibrary(name);
}

std::string_view LocationStore::ResolveReference(const std::string& name) {
  if (const TMyPlugin* library = FindLibrary(name)) return library->Text;
  if (loading_.contains(name)) {
    if (reported_cycles_.insert(name).second) {
      host_.ShowMessage("Knihovna " + name + " odkazuje sama na sebe!");
    }
    return {};
  }
  // Every level of nesting is a level of recursion: a chain of thousands of
  // libraries would overflow the stack.
  if (loading_.size() >= kMaxLibraryNesting) {
    if (!reported_nesting_) {
      reported_nesting_ = true;
      host_.ShowMessage("Knihovna " + name + " je vno\xF8" "ena p\xF8\xEDli\x9A hluboko!");
    }
    return {};
  }
  return LoadLibrary(name).Text;
}

std::string LocationStore::ExpandLibraries(std::string text) {
  const LibrarySplices splices = PlanLibraries(text);
  if (splices.Empty()) return text;
  return splices.JoinAll(text);
}

LibrarySplices LocationStore::PlanLibraries(std::string_view text) {
  const std::size_t ref_size = kLibraryReference.size();

  // Which texts replace which references, keyed by the case-folded name. A
  // name counts from its first reference written in lower case, in text
  // order, which is also the order its library is loaded in. Library texts
  // live in the list (entries never move) or are empty.
  std::unordered_map<std::string, std::string_view> replacements;
  std::size_t longest = 0;
  for (std::size_t at = text.find(kLibraryReference); at != std::string::npos;
       at = text.find(kLibraryReference, at + 1)) {
    // The ";" must come before any further reference; looking no further
    // keeps the walk linear however the text is written.
    const std::size_t next = FindReferenceIgnoringCase(text, at + ref_size);
    const std::size_t limit = next == std::string::npos ? text.size() : next;
    const std::size_t semi = FindByte(text, ';', at + ref_size, limit);
    if (semi == std::string::npos) {
      if (next == std::string::npos) break;  // unterminated: left as it is
      continue;                              // holds another reference
    }
    const std::string_view written(text.data() + at + ref_size, semi - at - ref_size);
    const std::string name = ReferenceName(std::string_view(text).substr(at, semi - at));
    // Only a reference that reads "#knihovna_" + NAME + ";" would be replaced;
    // one with blanks around its name is left as it is.
    if (!EqualIgnoringCase(written, name)) continue;
    std::string key = UpCase1250(name);
    if (replacements.contains(key)) continue;
    const std::string_view library_text = ResolveReference(name);
    longest = std::max(longest, key.size());
    replacements.emplace(std::move(key), library_text);
  }
  if (replacements.empty()) return {};

  std::vector<LibrarySplice> replaced;
  std::size_t size = 0;  // of the result up to the last reference replaced
  std::size_t copied = 0;
  std::size_t at = FindReferenceIgnoringCase(text, 0);
  while (at != std::string::npos) {
    // A name longer than every key cannot match, and no key holds a
    // reference, so its ";" is looked for no further than either.
    const std::size_t start = at + ref_size;
    const std::size_t next = FindReferenceIgnoringCase(text, start);
    const std::size_t limit = std::min({text.size(), start + longest + 1, next});
    const std::size_t semi = FindByte(text, ';', start, limit);
    if (semi != std::string::npos) {
      const auto it = replacements.find(UpCase1250(std::string_view(text).substr(start, semi - start)));
      // A library that would take the text past kMaxExpandedText is not put
      // in; its reference stays as written.
      if (it != replacements.end() && size + (at - copied) + it->second.size() <= kMaxExpandedText) {
        replaced.push_back({at, semi + 1, it->second});
        size += (at - copied) + it->second.size();
        copied = semi + 1;
      }
    }
    at = next;
  }
  return LibrarySplices(std::move(replaced));
}

void LocationStore::EnsureMainText() {
  if (main_loaded_) return;
  main_loaded_ = true;
  // A data file that cannot be opened leaves the main text empty.
  main_text_ = files_.ReadGameFile("data").value_or(std::string());
  // The libraries are loaded now, in the order their references come, as
  // the game expects; but when putting them in cannot change which markers
  // the text holds, each location takes them as it is fetched, so the text
  // is not held a second time with every library in it.
  LibrarySplices splices = PlanLibraries(main_text_);
  if (!splices.Empty()) {
    if (splices.KeepMarkers(main_text_, constants_) &&
        (constants_.List().empty() || constants_.LeavesMarkersAlone(main_text_))) {
      splices.KeepOwnTexts();
      pending_libraries_ = std::move(splices);
    } else {
      main_text_ = splices.JoinAll(main_text_);
    }
  }
  // The same for the constants: the start then costs the same however many
  // lines use them.
  if (!constants_.List().empty() &&
      (pending_libraries_ || constants_.LeavesMarkersAlone(main_text_))) {
    pending_constants_ = constants_;
  } else {
    main_text_ = ApplyConstants(std::move(main_text_));
  }
  main_index_ = MarkerIndex(main_text_);
}

const std::string& LocationStore::MainText() {
  if (!pending_libraries_ && !pending_constants_) return main_text_;
  if (pending_libraries_) {
    main_text_ = pending_libraries_->JoinAll(main_text_);
    pending_libraries_.reset();
  }
  if (pending_constants_) {
    main_text_ = pending_constants_->Apply(std::move(main_text_));
    pending_constants_.reset();
  }
  main_index_ = MarkerIndex(main_text_);
  return main_text_;
}

const MarkerIndex& LocationStore::SourceIndex() {
  if (source_library_ == nullptr) return main_index_;
  auto it = library_indexes_.find(source_library_);
  if (it == library_indexes_.end()) {
    it = library_indexes_.emplace(source_library_, MarkerIndex(source_library_->Text)).first;
  }
  return it->second;
}

bool LocationStore::FetchLocation(int32_t n, const FetchOptions& options, TagStore& tags) {
  tags.Blocks.Depth = 0;
  location_text_.clear();
  bool no_prefix = false;
  bool no_suffix = false;

  const std::string digits = std::to_string(n);
  const std::string next_digits = std::to_string(int64_t{n} + 1);
  const std::string marker = "<" + digits + ">";

  EnsureMainText();
  std::size_t p1;
  std::size_t p2;
  if (n < 0) {
    // Markers hold digits only; a negative number is searched for as
    // written, in the whole text put together.
    const std::string& whole = source_library_ != nullptr ? source_library_->Text : MainText();
    p1 = whole.find(marker);
    p2 = whole.find("<" + next_digits + ">");
  } else {
    const MarkerIndex& index = SourceIndex();
    p1 = index.Find(digits);
    p2 = index.Find(next_digits);
  }

  if (p1 == std::string::npos) {
    host_.ShowMessage("Nenalezeno lokace " + marker);
    host_.EndProgram();
    return false;
  }
  if (p2 != std::string::npos && p2 < p1) {
    host_.ShowMessage("Chybn\xE9 po\xF8" "ad\xED lokac\xED!");
    host_.EndProgram();
    return false;
  }
  if (source_library_ != nullptr) {
    location_text_ = source_library_->Text.substr(p1, p2 == std::string::npos ? std::string::npos : p2 - p1);
  } else {
    const std::size_t end = p2 == std::string::npos ? main_text_.size() : p2;
    location_text_ = pending_libraries_ ? pending_libraries_->Join(main_text_, p1, end)
                                        : main_text_.substr(p1, end - p1);
    if (pending_constants_) location_text_ = pending_constants_->Apply(std::move(location_text_));
  }

  no_prefix = location_text_.find("#noprefix;") != std::string::npos;
  no_suffix = location_text_.find("#nosuffix;") != std::string::npos;

  if (!options.OptionLibrary.empty()) {
    location_text_.insert(0, FindOrLoadLibrary(options.OptionLibrary).Text);
  }
  if (prefix_ != nullptr && options.PrefixEnabled && !no_prefix) {
    location_text_.insert(0, prefix_->Text);
  }
  if (suffix_ != nullptr && options.SuffixEnabled && !no_suffix) {
    location_text_.append(suffix_->Text);
  }

  ScanLocation(location_text_, tags);
  return true;
}

}  // namespace qv
