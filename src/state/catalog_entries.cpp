#include "state/catalog_entries.h"

#include <algorithm>
#include <string_view>

#include "parser/condition_parser.h"
#include "state/catalog_loader.h"

namespace qv {
namespace {

std::string WithoutByte(std::string_view text, char mark) {
  std::string out(text);
  out.erase(std::remove(out.begin(), out.end(), mark), out.end());
  return out;
}

// The marks only choose the group; left in the text, a mark before the name
// ("!:zivoty-1") would end the name before it began.
std::string WithoutMarks(std::string_view entry) {
  return WithoutByte(WithoutByte(entry, ':'), '!');
}

void AddEffect(EffectGroup& group, uint8_t& count, std::string_view text) {
  if (count >= kGroupSize) return;
  group[count] = ParseEffect(text);
  ++count;
}

}  // namespace

CatalogEntries SortEntries(const std::vector<std::string>& entries, bool attack_marks,
                           int32_t& serial) {
  CatalogEntries out;
  for (const std::string& entry : entries) {
    const auto holds = [&entry](char mark) { return entry.find(mark) != std::string::npos; };
    if (holds('[')) {
      if (out.ConditionCount >= static_cast<int32_t>(kGroupSize)) continue;
      out.Conditions[static_cast<std::size_t>(out.ConditionCount)] =
          ParseCondition(WithoutByte(entry, '['), 0, serial);
      ++out.ConditionCount;
    } else if (attack_marks && holds(':')) {
      AddEffect(out.Hit, out.HitCount, WithoutMarks(entry));
    } else if (attack_marks && holds('!')) {
      AddEffect(out.Miss, out.MissCount, WithoutMarks(entry));
    } else {
      AddEffect(out.Plain, out.PlainCount, entry);
    }
  }
  return out;
}

}  // namespace qv
