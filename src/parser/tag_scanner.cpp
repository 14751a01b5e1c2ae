#include "parser/tag_scanner.h"

#include <algorithm>

#include "data/text_case.h"
#include "parser/condition_parser.h"

namespace qv {

namespace {

bool IsMarker(std::string_view tag) {
  return std::all_of(tag.begin(), tag.end(), [](char c) { return IsAsciiDigit(c) || c == '>'; });
}

}  // namespace

void ParseTag(std::string_view text, std::size_t lt, TagStore& store) {
  if (lt >= text.size()) return;
  // The tag runs up to and including its ">", or to the end of the text.
  const std::size_t gt = text.find('>', lt + 1);
  const std::string_view t =
      text.substr(lt + 1, gt == std::string_view::npos ? std::string_view::npos : gt - lt);
  if (IsMarker(t)) return;

  TagEntry* entry = store.Append();
  if (entry == nullptr) return;  // the store is full: the tag is dropped

  std::size_t pos = 0;
  while (pos < t.size() && IsAsciiLetter(t[pos])) ++pos;
  entry->Tag.Name.assign(t.substr(0, pos));
  for (char& c : entry->Tag.Name) c = UpCaseAscii(c);

  int32_t count = 0;
  while (pos < t.size() && t[pos] != '>') {
    ++pos;  // the byte after the name or the closing quote, whatever it is
    while (pos < t.size() && t[pos] == ' ') ++pos;
    if (pos >= t.size() || t[pos] == '>') break;

    // The name is what stands before "=", letters and digits only.
    std::size_t eq = t.find('=', pos);
    if (eq == std::string_view::npos) eq = t.size();
    const std::string_view name = t.substr(pos, eq - pos);

    // The value lies between the next two double quotes. The tag's own ">"
    // is never part of it.
    const std::size_t body = gt == std::string_view::npos ? t.size() : t.size() - 1;
    std::string_view value;
    const std::size_t open = t.find('"', eq);
    if (open == std::string_view::npos) {
      pos = t.size();
    } else {
      std::size_t close = t.find('"', open + 1);
      if (close == std::string_view::npos) close = t.size();
      value = t.substr(open + 1, std::min(close, body) - std::min(open + 1, body));
      pos = close;
    }

    if (count < tagg::kMaxParams) {
      param& p = entry->Tag.Params[static_cast<std::size_t>(count)];
      p.Name.clear();
      for (char c : name) {
        if (IsAsciiLetter(c) || IsAsciiDigit(c)) p.Name.push_back(UpCaseAscii(c));
      }
      p.Value.assign(value);
      ++count;
    }
  }
  // Slots an earlier scan left behind are emptied; clearing keeps their buffers.
  for (std::size_t k = static_cast<std::size_t>(count); k < entry->Tag.Params.size(); ++k) {
    entry->Tag.Params[k].Name.clear();
    entry->Tag.Params[k].Value.clear();
  }
  entry->ParamCount = count;

  const int32_t depth = std::clamp(store.Blocks.Depth, 0, kMaxBlockDepth);
  const int32_t previous = entry->ConditionCount;
  for (int32_t d = 0; d < depth; ++d) entry->Conditions[d] = store.Blocks.Slots[d];
  for (int32_t d = depth; d < previous; ++d) entry->Conditions[d] = Condition{};
  entry->ConditionCount = depth;
}

void ScanLocation(std::string_view text, TagStore& store) {
  BlockTable& blocks = store.Blocks;
  if (blocks.Depth < 0) blocks.Depth = 0;  // a depth set from outside; it never goes below 0
  bool insideBrackets = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ']') insideBrackets = false;
    if (c == '[') {
      insideBrackets = true;
      if (i + 1 < text.size() && text[i + 1] == '/') {
        if (blocks.Depth > 0) --blocks.Depth;
      } else {
        ++blocks.Depth;
        if (blocks.Depth <= kMaxBlockDepth) {
          blocks.Slots[static_cast<std::size_t>(blocks.Depth - 1)] =
              ParseCondition(text, i + 1, store.ConditionSerial);
        }
      }
    }
    if (c == '<' && !insideBrackets) ParseTag(text, i, store);
  }
}

}  // namespace qv
