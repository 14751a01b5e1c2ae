// Saved positions: the whole game state as one record of 1138448 bytes in
// ./save/<name>.pzv, with no header, version or checksum.
//
// Writing goes through a temporary file renamed over the target, so a failed
// write never damages an earlier position of the same name. Reading decodes
// into a SavedPosition value and checks it before anything of the running
// game is touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/record_fields.h"
#include "state/game_state.h"

namespace qv {

struct SavedPositionLayout {
  static constexpr std::size_t kSize = 1138448;
  static constexpr std::size_t kWorldOffset = 0;
  static constexpr std::size_t kCharacterOffset = 12908;
  static constexpr std::size_t kWeaponCountOffset = 20824;
  static constexpr std::size_t kArmourCountOffset = 20828;
  static constexpr std::size_t kItemCountOffset = 20832;
  static constexpr std::size_t kObjectCountOffset = 20836;
  static constexpr std::size_t kSpellCountOffset = 20840;
  static constexpr std::size_t kAttackCountOffset = 20844;
  static constexpr std::size_t kArmoursOffset = 20848;
  static constexpr std::size_t kWeaponsOffset = 200048;
  static constexpr std::size_t kItemsOffset = 379648;
  static constexpr std::size_t kObjectsOffset = 552848;
  static constexpr std::size_t kSpellsOffset = 589648;
  static constexpr std::size_t kAttacksOffset = 757248;
  static constexpr std::size_t kEntries = 100;
};

// What the record holds that the live state does not: the music playing when
// the position was saved (empty and 0 without an audio player).
struct SavedPositionExtras {
  std::string MusicName;
  int32_t MusicKind = 0;  // 1 stream, 2 track, other none
};

// Asks the audio player what it is playing when a position is saved. Left
// empty while the game has no audio player: the position then records no
// music.
using PlayingMusicQuery = std::function<SavedPositionExtras()>;

// The whole record: the two blocks, the six counts, the catalog entries and
// the objects, entries 1..count of each table (the others are not stored).
// Of the catalog entries a restore takes back only Held and Known; the rest
// of each entry is the gamebook's own data.
struct SavedPosition {
  WorldState World;
  CharacterState Character;
  int32_t WeaponCount = 0;
  int32_t ArmourCount = 0;
  int32_t ItemCount = 0;
  int32_t ObjectCount = 0;
  int32_t SpellCount = 0;
  int32_t AttackCount = 0;
  NumberedTable<Weapon, SavedPositionLayout::kEntries> Weapons;
  NumberedTable<Armour, SavedPositionLayout::kEntries> Armours;
  NumberedTable<Item, SavedPositionLayout::kEntries> Items;
  ObjectTable Objects;
  NumberedTable<Spell, SavedPositionLayout::kEntries> Spells;
  NumberedTable<Attack, SavedPositionLayout::kEntries> Attacks;
};

// The field list of the record, in the order `quarvelin save --show` shows it;
// the catalog entries are shown by slot, number, name and possession field.
template <>
struct RecordFields<SavedPosition> {
  static constexpr std::size_t kSize = SavedPositionLayout::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using L = SavedPositionLayout;
    using P = SavedPosition;
    v.Field("world", L::kWorldOffset, &P::World);
    v.Field("character", L::kCharacterOffset, &P::Character);
    v.Field("weapon_count", L::kWeaponCountOffset, &P::WeaponCount);
    v.Field("armour_count", L::kArmourCountOffset, &P::ArmourCount);
    v.Field("item_count", L::kItemCountOffset, &P::ItemCount);
    v.Field("object_count", L::kObjectCountOffset, &P::ObjectCount);
    v.Field("spell_count", L::kSpellCountOffset, &P::SpellCount);
    v.Field("attack_count", L::kAttackCountOffset, &P::AttackCount);
    v.Entries("weapons", L::kWeaponsOffset, &P::Weapons, &P::WeaponCount,
              ShownFields{"number", "name", "held"});
    v.Entries("armour", L::kArmoursOffset, &P::Armours, &P::ArmourCount,
              ShownFields{"number", "name", "held"});
    v.Entries("items", L::kItemsOffset, &P::Items, &P::ItemCount,
              ShownFields{"number", "name", "held"});
    v.Entries("objects", L::kObjectsOffset, &P::Objects, &P::ObjectCount);
    v.Entries("spells", L::kSpellsOffset, &P::Spells, &P::SpellCount,
              ShownFields{"number", "name", "known"});
    v.Entries("attacks", L::kAttacksOffset, &P::Attacks, &P::AttackCount,
              ShownFields{"number", "name", "known"});
  }
};

// A failure to read or write a position, as a Windows-1250 message that names
// the file.
struct SavedPositionError {
  std::string Message;
};

struct SavedPositionReadResult {
  std::unique_ptr<SavedPosition> Position;  // set on success
  SavedPositionError Error;                 // set on failure

  bool ok() const { return Position != nullptr; }
};

// "./save/" + name + ".pzv", the name used as typed.
std::string SavedPositionPath(std::string_view name);

// The record of the live state. In the record only: RedirectName :=
// SaveRedirect, MusicName and MusicKind from `extras`, and Location :=
// SaveTarget when that is above 0. The state itself is not changed. Entries
// past each count are zero bytes.
std::vector<uint8_t> EncodeSavedPosition(const GameState& state, const SavedPositionExtras& extras);

// Writes one record to `path` (Windows-1250, as the game names it; the file
// on disk is its DiskPath) through a fresh, uniquely named hidden file in the
// same directory, synced and renamed over it; the directory is created when
// missing, and a link in the way is never followed. nullopt on success; on
// failure the file at `path` is as it was.
std::optional<SavedPositionError> WriteSavedPosition(const std::string& path,
                                                     std::span<const uint8_t> bytes);

// Checks and decodes a record; `fileName` is named in the message. A record of
// another length or with a count outside 0..100 is refused.
SavedPositionReadResult DecodeSavedPosition(std::span<const uint8_t> bytes,
                                            std::string_view fileName);

// Reads and decodes the file at `path` (Windows-1250, found on disk through
// DiskPath); a missing or unreadable file, or one that is not exactly one
// record, is refused.
SavedPositionReadResult ReadSavedPosition(const std::string& path);

// Puts a decoded position into the running game: WorldState, CharacterState,
// ObjectCount with objects 1..ObjectCount (the others emptied), and for each
// catalog the Held or Known field of entries 1 up to the smaller of the saved
// and the loaded count. Every other field of the catalogs stays as loaded.
void ApplySavedPosition(GameState& state, const SavedPosition& position);

// The two steps of ApplySavedPosition, for a restore that does its own work
// between them: first WorldState and CharacterState; then ObjectCount, the
// objects and the possession fields of the catalogs.
void ApplySavedBlocks(GameState& state, const SavedPosition& position);
void ApplySavedPossessions(GameState& state, const SavedPosition& position);

}  // namespace qv
