#include "parser/tag_store.h"

#include <stdexcept>

namespace qv {

namespace {

template <typename T, std::size_t N>
T& SlotOf(std::array<T, N>& table, int32_t slot, const char* what) {
  if (slot < 1 || slot > static_cast<int32_t>(N)) throw std::out_of_range(what);
  return table[static_cast<std::size_t>(slot - 1)];
}

}  // namespace

param& tagg::ParamAt(int32_t slot) { return SlotOf(Params, slot, "attribute slot"); }
const param& tagg::ParamAt(int32_t slot) const { return const_cast<tagg*>(this)->ParamAt(slot); }

Condition& TagEntry::ConditionAt(int32_t slot) {
  return SlotOf(Conditions, slot, "condition slot");
}
const Condition& TagEntry::ConditionAt(int32_t slot) const {
  return const_cast<TagEntry*>(this)->ConditionAt(slot);
}

Condition& BlockTable::SlotAt(int32_t slot) { return SlotOf(Slots, slot, "block slot"); }
const Condition& BlockTable::SlotAt(int32_t slot) const {
  return const_cast<BlockTable*>(this)->SlotAt(slot);
}

TagStore::TagStore() { entries_.reserve(kCapacity); }

TagEntry& TagStore::Entry(int32_t index) {
  if (index < 1 || index > count_) throw std::out_of_range("tag store index");
  return entries_[static_cast<std::size_t>(index - 1)];
}

const TagEntry& TagStore::Entry(int32_t index) const {
  return const_cast<TagStore*>(this)->Entry(index);
}

TagEntry* TagStore::Append() {
  if (Full()) return nullptr;
  if (static_cast<std::size_t>(count_) == entries_.size()) entries_.emplace_back();
  return &entries_[static_cast<std::size_t>(count_++)];
}

}  // namespace qv
