// One catalog of the game state: up to 100 records numbered from 1, with the
// number of records loaded from the gamebook.
//
// Records beyond the count keep their content: the spell and attack readers
// take the player's Known flags from the previous content of each slot.
#pragma once

#include <cstddef>
#include <cstdint>

#include "data/catalog_records.h"
#include "state/numbered_table.h"

namespace qv {

template <class Record>
struct Catalog {
  static constexpr int32_t kCapacity = 100;

  // Slots start as zero bytes, as they are before any catalog was read.
  Catalog() { Entries.Fill(ZeroRecord<Record>()); }

  NumberedTable<Record, kCapacity> Entries;
  int32_t Count = 0;  // records loaded; 0..100

  // Slot n (1..100, also past Count); throws std::out_of_range otherwise.
  Record& at(long long n) { return Entries.at(n); }
  const Record& at(long long n) const { return Entries.at(n); }

  // Slot n, or nullptr outside 1..100.
  Record* Find(long long n) { return Entries.Find(n); }
  const Record* Find(long long n) const { return Entries.Find(n); }

  // True when n is one of the loaded records 1..Count.
  bool IsLoaded(long long n) const { return n >= 1 && n <= Count && n <= kCapacity; }

  // Stores the record in the next slot; false when the catalog is full.
  bool Append(const Record& record) {
    if (Count < 0) Count = 0;
    if (Count >= kCapacity) return false;
    Entries.at(++Count) = record;
    return true;
  }
};

}  // namespace qv
