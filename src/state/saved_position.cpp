#include "state/saved_position.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/byte_io.h"
#include "data/contained_files.h"
#include "data/disk_path.h"

namespace qv {
namespace {

using L = SavedPositionLayout;
namespace fs = std::filesystem;

static_assert(L::kWorldOffset + WorldState::kSize == L::kCharacterOffset);
static_assert(L::kCharacterOffset + CharacterState::kSize == L::kWeaponCountOffset);
static_assert(L::kAttackCountOffset + 4 == L::kArmoursOffset);
static_assert(L::kArmoursOffset + L::kEntries * Armour::kSize == L::kWeaponsOffset);
static_assert(L::kWeaponsOffset + L::kEntries * Weapon::kSize == L::kItemsOffset);
static_assert(L::kItemsOffset + L::kEntries * Item::kSize == L::kObjectsOffset);
static_assert(L::kObjectsOffset + L::kEntries * ObjectEntry::kSize == L::kSpellsOffset);
static_assert(L::kSpellsOffset + L::kEntries * Spell::kSize == L::kAttacksOffset);
static_assert(L::kAttacksOffset + L::kEntries * Attack::kSize == L::kSize);

// A count as a table can hold it: never more than its capacity.
int32_t WritableCount(int32_t count) { return std::clamp<int32_t>(count, 0, L::kEntries); }

template <class Record>
void EncodeEntries(uint8_t* out, const NumberedTable<Record, 100>& table, int32_t count) {
  for (int32_t n = 1; n <= count; ++n) table.at(n).Encode(out + (n - 1) * Record::kSize);
}

template <class Record>
void EncodeCatalog(std::vector<uint8_t>& bytes, std::size_t countOffset, std::size_t entriesOffset,
                   const Catalog<Record>& catalog) {
  const int32_t count = WritableCount(catalog.Count);
  WriteI32(bytes.data() + countOffset, count);
  EncodeEntries(bytes.data() + entriesOffset, catalog.Entries, count);
}

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
  std::vector<uint8_t> bytes(L::kSize, 0);

  WorldState world = state.World;
  world.RedirectName = state.SaveRedirect;
  world.MusicName = extras.MusicName;
  world.MusicKind = extras.MusicKind;
  if (state.SaveTarget > 0) world.Location = state.SaveTarget;
  world.Encode(bytes.data() + L::kWorldOffset);
  state.Character.Encode(bytes.data() + L::kCharacterOffset);

  EncodeCatalog(bytes, L::kWeaponCountOffset, L::kWeaponsOffset, state.Weapons);
  EncodeCatalog(bytes, L::kArmourCountOffset, L::kArmoursOffset, state.Armours);
  EncodeCatalog(bytes, L::kItemCountOffset, L::kItemsOffset, state.Items);
  EncodeCatalog(bytes, L::kSpellCountOffset, L::kSpellsOffset, state.Spells);
  EncodeCatalog(bytes, L::kAttackCountOffset, L::kAttacksOffset, state.Attacks);
  const int32_t objects = WritableCount(state.ObjectCount);
  WriteI32(bytes.data() + L::kObjectCountOffset, objects);
  EncodeEntries(bytes.data() + L::kObjectsOffset, state.Objects, objects);
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
  const uint8_t* in = bytes.data();

  SavedPosition p;
  p.WeaponCount = ReadI32(in + L::kWeaponCountOffset);
  p.ArmourCount = ReadI32(in + L::kArmourCountOffset);
  p.ItemCount = ReadI32(in + L::kItemCountOffset);
  p.ObjectCount = ReadI32(in + L::kObjectCountOffset);
  p.SpellCount = ReadI32(in + L::kSpellCountOffset);
  p.AttackCount = ReadI32(in + L::kAttackCountOffset);
  for (int32_t count :
       {p.WeaponCount, p.ArmourCount, p.ItemCount, p.ObjectCount, p.SpellCount, p.AttackCount}) {
    if (count < 0 || count > static_cast<int32_t>(L::kEntries)) {
      // "počet záznamů N je mimo 0..100"
      return Refuse(NotAPosition(fileName) +
                    "po\xE8"
                    "et z\xE1znam\xF9 " +
                    std::to_string(count) + " je mimo 0..100.");
    }
  }

  p.World = WorldState::Decode(in + L::kWorldOffset);
  p.Character = CharacterState::Decode(in + L::kCharacterOffset);
  // Only the possession field of a catalog entry is taken back.
  for (int32_t n = 1; n <= p.WeaponCount; ++n) {
    p.WeaponHeld.Set(
        n, ReadI16(in + L::kWeaponsOffset + (n - 1) * Weapon::kSize + Weapon::kHeldOffset));
  }
  for (int32_t n = 1; n <= p.ArmourCount; ++n) {
    p.ArmourHeld.Set(
        n, ReadI16(in + L::kArmoursOffset + (n - 1) * Armour::kSize + Armour::kHeldOffset));
  }
  for (int32_t n = 1; n <= p.ItemCount; ++n) {
    p.ItemHeld.Set(n, ReadI32(in + L::kItemsOffset + (n - 1) * Item::kSize + Item::kHeldOffset));
  }
  for (int32_t n = 1; n <= p.SpellCount; ++n) {
    p.SpellKnown.Set(n, in[L::kSpellsOffset + (n - 1) * Spell::kSize + Spell::kKnownOffset]);
  }
  for (int32_t n = 1; n <= p.AttackCount; ++n) {
    p.AttackKnown.Set(n, in[L::kAttacksOffset + (n - 1) * Attack::kSize + Attack::kKnownOffset]);
  }
  for (int32_t n = 1; n <= p.ObjectCount; ++n) {
    p.Objects.Set(n, ObjectEntry::Decode(in + L::kObjectsOffset + (n - 1) * ObjectEntry::kSize));
  }

  SavedPositionReadResult result;
  result.Position = std::move(p);
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
    state.Weapons.at(n).Held = position.WeaponHeld.at(n);
  }
  for (int32_t n = 1; n <= shared(position.ArmourCount, state.Armours.Count); ++n) {
    state.Armours.at(n).Held = position.ArmourHeld.at(n);
  }
  for (int32_t n = 1; n <= shared(position.SpellCount, state.Spells.Count); ++n) {
    state.Spells.at(n).Known = position.SpellKnown.at(n);
  }
  for (int32_t n = 1; n <= shared(position.AttackCount, state.Attacks.Count); ++n) {
    state.Attacks.at(n).Known = position.AttackKnown.at(n);
  }
  for (int32_t n = 1; n <= shared(position.ItemCount, state.Items.Count); ++n) {
    state.Items.at(n).Held = position.ItemHeld.at(n);
  }
}

}  // namespace qv
