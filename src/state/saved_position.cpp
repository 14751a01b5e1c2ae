#include "state/saved_position.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "data/record_byte_reader.h"
#include "data/record_byte_writer.h"
#include "data/record_layout.h"

namespace qv {
namespace {

using L = SavedPositionLayout;
namespace fs = std::filesystem;

static_assert(FieldsTileRecord<SavedPosition>());

// A count as a table can hold it: never more than its capacity.
int32_t WritableCount(int32_t count) { return std::clamp<int32_t>(count, 0, L::kEntries); }

// Entries 1..count of a table of the game state, with the count as stored.
template <class Record>
void CopyEntries(NumberedTable<Record, L::kEntries>& to, int32_t& to_count,
                 const NumberedTable<Record, L::kEntries>& from, int32_t from_count) {
  to_count = WritableCount(from_count);
  for (int32_t n = 1; n <= to_count; ++n) to.at(n) = from.at(n);
}

// The first Entries count outside its table, if any.
class CountOutsideTable {
 public:
  explicit CountOutsideTable(const SavedPosition& position) : position_(position) {}
  std::optional<int32_t> Found() const { return found_; }

  template <class T, class Form = PlainForm>
  void Field(std::string_view, std::size_t, T SavedPosition::*, const Form& = {}) {}
  template <class A, class Shown = AllFields>
  void Entries(std::string_view, std::size_t, A SavedPosition::*, int32_t SavedPosition::*count,
               const Shown& = {}) {
    const int32_t n = position_.*count;
    if (!found_ && (n < 0 || n > static_cast<int32_t>(SequenceLength<A>()))) found_ = n;
  }

 private:
  const SavedPosition& position_;
  std::optional<int32_t> found_;
};

std::string Quoted(std::string_view fileName) { return "\"" + std::string(fileName) + "\""; }

SavedPositionReadResult Refuse(std::string message) {
  SavedPositionReadResult result;
  result.Error.Message = std::move(message);
  return result;
}

// "Soubor X není uložená pozice: "
std::string NotAPosition(std::string_view fileName) {
  return "Soubor " + Quoted(fileName) +
         " nen\xED ulo\x9E"
         "en\xE1 pozice: ";
}

// "… má N bajtů místo 1138448."
SavedPositionReadResult WrongSize(std::string_view fileName, std::size_t size) {
  return Refuse(NotAPosition(fileName) + "m\xE1 " + std::to_string(size) + " bajt\xF9 m\xEDsto " +
                std::to_string(L::kSize) + ".");
}

// "Pozici nelze uložit do souboru X."
SavedPositionError CannotWrite(const std::string& path) {
  return {"Pozici nelze ulo\x9Eit do souboru " + Quoted(path) + "."};
}

}  // namespace

std::string SavedPositionPath(std::string_view name) {
  return "./save/" + std::string(name) + ".pzv";
}

std::vector<uint8_t> EncodeSavedPosition(const GameState& state,
                                         const SavedPositionExtras& extras) {
  const auto position = std::make_unique<SavedPosition>();
  SavedPosition& p = *position;
  p.World = state.World;
  p.World.RedirectName = state.SaveRedirect;
  p.World.MusicName = extras.MusicName;
  p.World.MusicKind = extras.MusicKind;
  if (state.SaveTarget > 0) p.World.Location = state.SaveTarget;
  p.Character = state.Character;
  CopyEntries(p.Weapons, p.WeaponCount, state.Weapons.Entries, state.Weapons.Count);
  CopyEntries(p.Armours, p.ArmourCount, state.Armours.Entries, state.Armours.Count);
  CopyEntries(p.Items, p.ItemCount, state.Items.Entries, state.Items.Count);
  CopyEntries(p.Objects, p.ObjectCount, state.Objects, state.ObjectCount);
  CopyEntries(p.Spells, p.SpellCount, state.Spells.Entries, state.Spells.Count);
  CopyEntries(p.Attacks, p.AttackCount, state.Attacks.Entries, state.Attacks.Count);

  std::vector<uint8_t> bytes(L::kSize);
  EncodeRecord(p, bytes.data());
  return bytes;
}

std::optional<SavedPositionError> WriteSavedPosition(const std::string& path,
                                                     std::span<const uint8_t> bytes) {
  if (bytes.size() != L::kSize) return CannotWrite(path);

  const fs::path target = DiskPath(path);
  if (target.has_parent_path() && !IsContainedDirectory(target.parent_path()) &&
      !MakeContainedDirectory(target.parent_path())) {
    return CannotWrite(path);
  }
  // The new record is complete on disk before it replaces the old one, so a
  // failure at any step leaves the previous file of that name intact.
  const std::string_view record(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!ReplaceContainedFile(target, record, Durability::Synced)) return CannotWrite(path);
  return std::nullopt;
}

SavedPositionReadResult DecodeSavedPosition(std::span<const uint8_t> bytes,
                                            std::string_view fileName) {
  if (bytes.size() != L::kSize) return WrongSize(fileName, bytes.size());

  auto position = std::make_unique<SavedPosition>();
  DecodeRecordInto(*position, bytes.data());
  CountOutsideTable check(*position);
  RecordFields<SavedPosition>::Describe(check);
  if (const std::optional<int32_t> count = check.Found()) {
    // "počet záznamů N je mimo 0..100"
    return Refuse(NotAPosition(fileName) +
                  "po\xE8"
                  "et z\xE1znam\xF9 " +
                  std::to_string(*count) + " je mimo 0..100.");
  }

  SavedPositionReadResult result;
  result.Position = std::move(position);
  return result;
}

SavedPositionReadResult ReadSavedPosition(const std::string& path) {
  const FileDescriptor file = OpenContainedFile(DiskPath(path));
  struct stat info {};
  if (!file || ::fstat(file.Get(), &info) != 0) {
    // "Uloženou pozici X nelze otevřít."
    return Refuse(
        "Ulo\x9E"
        "enou pozici " +
        Quoted(path) + " nelze otev\xF8\xEDt.");
  }
  // The size decides before anything is read.
  const auto size = static_cast<std::size_t>(info.st_size);
  if (size != L::kSize) return WrongSize(path, size);
  std::vector<uint8_t> bytes(L::kSize);
  if (ReadUpTo(file.Get(), bytes.data(), bytes.size()) != bytes.size())
    return Refuse(
        "Ulo\x9E"
        "enou pozici " +
        Quoted(path) +
        " nelze p\xF8"
        "e\xE8\xEDst.");
  return DecodeSavedPosition(bytes, path);
}

void ApplySavedPosition(GameState& state, const SavedPosition& position) {
  ApplySavedBlocks(state, position);
  ApplySavedPossessions(state, position);
}

void ApplySavedBlocks(GameState& state, const SavedPosition& position) {
  state.World = position.World;
  state.Character = position.Character;
}

void ApplySavedPossessions(GameState& state, const SavedPosition& position) {
  state.ObjectCount = WritableCount(position.ObjectCount);
  for (long long n = 1; n <= static_cast<long long>(ObjectTable::kCount); ++n) {
    state.Objects.Set(n, n <= position.ObjectCount ? position.Objects.at(n) : ObjectEntry{});
  }

  // A position saved with fewer entries than the gamebook has now restores
  // only those; the others keep their loaded values.
  const auto shared = [](int32_t saved, int32_t loaded) {
    return WritableCount(std::min(saved, loaded));
  };
  for (int32_t n = 1; n <= shared(position.WeaponCount, state.Weapons.Count); ++n) {
    state.Weapons.at(n).Held = position.Weapons.at(n).Held;
  }
  for (int32_t n = 1; n <= shared(position.ArmourCount, state.Armours.Count); ++n) {
    state.Armours.at(n).Held = position.Armours.at(n).Held;
  }
  for (int32_t n = 1; n <= shared(position.SpellCount, state.Spells.Count); ++n) {
    state.Spells.at(n).Known = position.Spells.at(n).Known;
  }
  for (int32_t n = 1; n <= shared(position.AttackCount, state.Attacks.Count); ++n) {
    state.Attacks.at(n).Known = position.Attacks.at(n).Known;
  }
  for (int32_t n = 1; n <= shared(position.ItemCount, state.Items.Count); ++n) {
    state.Items.at(n).Held = position.Items.at(n).Held;
  }
}

}  // namespace qv
