// The tag store: one parsed location as an ordered list of tags, each with
// the conditions of the blocks around it, plus the block table the scanner
// keeps while it walks the text.
//
// A location is scanned on every page, so the store is built to be reused:
// Clear() only resets the count and the next scan writes over the old
// entries, keeping their string buffers. Tables are numbered from 1 like the
// rest of the script data; the accessors check their bounds.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/condition.h"

namespace qv {

// One attribute of a tag: NAME="value".
struct param {
  std::string Name;   // upper-case ASCII letters and digits only
  std::string Value;  // every byte as written between the double quotes
};

// One tag: its upper-cased name and up to 10 attributes.
struct tagg {
  static constexpr int32_t kMaxParams = 10;

  std::string Name;
  std::array<param, kMaxParams> Params;  // Params[0] is slot 1

  // Slot 1..10; throws std::out_of_range outside.
  param& ParamAt(int32_t slot);
  const param& ParamAt(int32_t slot) const;
};

// Conditions nest at most this deep in a stored entry and in the block table.
inline constexpr int32_t kMaxBlockDepth = 15;

// One entry of the tag store.
struct TagEntry {
  tagg Tag;
  int32_t ParamCount = 0;  // 0..10: slots 1..ParamCount of Tag.Params are used
  std::array<Condition, kMaxBlockDepth> Conditions;  // Conditions[0] is slot 1, the outermost block
  int32_t ConditionCount = 0;                        // 0..15: the block depth at the tag

  // Slot 1..15; throws std::out_of_range outside.
  Condition& ConditionAt(int32_t slot);
  const Condition& ConditionAt(int32_t slot) const;
};

// The conditions of the blocks open at the scanner's position. Slot d holds
// the innermost open block at depth d.
struct BlockTable {
  std::array<Condition, kMaxBlockDepth> Slots;  // Slots[0] is slot 1
  // Open blocks. It may exceed 15 (deeper blocks are counted so that their
  // closings still match, but they have no slot) and never goes below 0.
  int32_t Depth = 0;

  // Slot 1..15; throws std::out_of_range outside.
  Condition& SlotAt(int32_t slot);
  const Condition& SlotAt(int32_t slot) const;
};

class TagStore {
 public:
  static constexpr int32_t kCapacity = 400;

  TagStore();

  // Empties the store (count 0). Entries keep their buffers for the next scan.
  // The block depth and the condition serial are not touched.
  void Clear() { count_ = 0; }

  int32_t Count() const { return count_; }
  bool Full() const { return count_ >= kCapacity; }

  // Entry 1..Count(); throws std::out_of_range outside.
  TagEntry& Entry(int32_t index);
  const TagEntry& Entry(int32_t index) const;

  // Entries 1..Count() in order.
  std::span<TagEntry> Entries() { return {entries_.data(), static_cast<std::size_t>(count_)}; }
  std::span<const TagEntry> Entries() const {
    return {entries_.data(), static_cast<std::size_t>(count_)};
  }

  // Takes the next entry and counts it, or returns nullptr when the store
  // already holds 400 entries. The entry still holds whatever an earlier scan
  // left in it: the caller sets every field.
  TagEntry* Append();

  BlockTable Blocks;

  // Serial number of the last condition parsed. One counter serves the whole
  // run (location blocks and the catalogs' conditions alike) because the
  // interpreter tells blocks apart by it; whoever owns this store for the
  // run passes it to every ParseCondition call.
  int32_t ConditionSerial = 0;

 private:
  std::vector<TagEntry> entries_;  // grows up to 400 once, then reused
  int32_t count_ = 0;
};

}  // namespace qv
