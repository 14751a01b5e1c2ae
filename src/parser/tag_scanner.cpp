#include "parser/tag_scanner.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "data/text_case.h"
#include "parser/condition_parser.h"

namespace qv {

namespace {

bool IsMarker(std::string_view tag) {
  return std::all_of(tag.begin(), tag.end(), [](char c) { return IsAsciiDigit(c) || c == '>'; });
}

// Where one attribute's name and value lie in the tag's bytes.
struct AttributeSpan {
  std::string_view Name;
  std::string_view Value;
};

// The parts of one tag, found before anything is stored, and how many of the
// tag's bytes finding them looked at.
struct TagLayout {
  std::string_view Name;
  std::array<AttributeSpan, tagg::kMaxParams> Attributes;
  int32_t Count = 0;
  std::size_t Reach = 0;  // bytes of the tag looked at, "<" included
};

// Reads tag t (the bytes after its "<", up to and including its ">" or to the
// end of the text) looking at no more than `limit` bytes of it. Nullopt when
// it would need more: then nothing of it may be stored.
std::optional<TagLayout> LayOut(std::string_view t, bool closed, std::size_t limit) {
  const bool cut = limit < t.size();
  if (cut) t = t.substr(0, limit);
  // The tag's own ">" is never part of a value.
  const std::size_t body = closed && !cut ? t.size() - 1 : t.size();

  TagLayout layout;
  std::size_t pos = 0;
  while (pos < t.size() && IsAsciiLetter(t[pos])) ++pos;
  layout.Name = t.substr(0, pos);

  while (pos < t.size() && t[pos] != '>') {
    ++pos;  // the byte after the name or the closing quote, whatever it is
    while (pos < t.size() && t[pos] == ' ') ++pos;
    if (pos >= t.size() || t[pos] == '>') break;

    // The name is what stands before "=", letters and digits only.
    std::size_t eq = t.find('=', pos);
    if (eq == std::string_view::npos) eq = t.size();
    AttributeSpan& attribute = layout.Attributes[static_cast<std::size_t>(layout.Count)];
    attribute.Name = t.substr(pos, eq - pos);

    // The value lies between the next two double quotes.
    attribute.Value = {};
    const std::size_t open = t.find('"', eq);
    if (open == std::string_view::npos) {
      pos = t.size();
    } else {
      std::size_t close = t.find('"', open + 1);
      if (close == std::string_view::npos) close = t.size();
      attribute.Value = t.substr(open + 1, std::min(close, body) - std::min(open + 1, body));
      pos = close;
    }
    // Attributes past the tenth would be read past without being stored, so
    // the tag is finished here.
    if (++layout.Count == tagg::kMaxParams) {
      if (cut && pos >= t.size()) return std::nullopt;
      layout.Reach = 1 + std::min(pos + 1, t.size());
      return layout;
    }
  }
  // A tag that runs into the limit might read on past it.
  if (cut) return std::nullopt;
  layout.Reach = 1 + t.size();
  return layout;
}

// Stores a laid-out tag with the conditions of the open blocks.
void Store(const TagLayout& layout, TagEntry& entry, const BlockTable& blocks) {
  entry.Tag.Name.assign(layout.Name);
  for (char& c : entry.Tag.Name) c = UpCaseAscii(c);

  for (std::size_t k = 0; k < static_cast<std::size_t>(layout.Count); ++k) {
    param& p = entry.Tag.Params[k];
    p.Name.clear();
    for (char c : layout.Attributes[k].Name) {
      if (IsAsciiLetter(c) || IsAsciiDigit(c)) p.Name.push_back(UpCaseAscii(c));
    }
    p.Value.assign(layout.Attributes[k].Value);
  }
  // Slots an earlier scan left behind are emptied; clearing keeps their buffers.
  for (std::size_t k = static_cast<std::size_t>(layout.Count); k < entry.Tag.Params.size(); ++k) {
    entry.Tag.Params[k].Name.clear();
    entry.Tag.Params[k].Value.clear();
  }
  entry.ParamCount = layout.Count;

  const int32_t depth = std::clamp(blocks.Depth, 0, kMaxBlockDepth);
  const auto slots = static_cast<std::size_t>(depth);
  const auto previous = static_cast<std::size_t>(std::max(entry.ConditionCount, 0));
  for (std::size_t d = 0; d < slots; ++d) entry.Conditions[d] = blocks.Slots[d];
  for (std::size_t d = slots; d < previous; ++d) entry.Conditions[d] = Condition{};
  entry.ConditionCount = depth;
}

// What the tags of one scan may still look at and copy, in bytes. Once a tag
// does not fit, no later tag of the scan is stored either, as when the store
// is full.
struct TagBudget {
  std::size_t Left;
  bool Spent = false;
};

// ParseTag with the tag's ">" already found (npos: none after lt).
void ParseTagEndingAt(std::string_view text, std::size_t lt, std::size_t gt, TagStore& store,
                      TagBudget& budget) {
  if (lt >= text.size()) return;
  const bool closed = gt != std::string_view::npos;
  const std::string_view t = text.substr(lt + 1, closed ? gt - lt : std::string_view::npos);
  if (IsMarker(t)) return;
  if (store.Full() || budget.Spent) return;

  // The "<" itself counts too.
  const std::optional<TagLayout> layout = LayOut(t, closed, budget.Left > 0 ? budget.Left - 1 : 0);
  if (!layout || layout->Reach > budget.Left) {
    budget.Spent = true;
    return;
  }
  budget.Left -= layout->Reach;
  Store(*layout, *store.Append(), store.Blocks);
}

}  // namespace

std::size_t TagByteBudget(std::size_t text_size) { return 2 * text_size + kTagByteBudgetFloor; }

void ParseTag(std::string_view text, std::size_t lt, TagStore& store) {
  if (lt >= text.size()) return;
  TagBudget unlimited{std::numeric_limits<std::size_t>::max()};
  ParseTagEndingAt(text, lt, text.find('>', lt + 1), store, unlimited);
}

void ScanLocation(std::string_view text, TagStore& store) {
  BlockTable& blocks = store.Blocks;
  if (blocks.Depth < 0) blocks.Depth = 0;  // a depth set from outside; it never goes below 0
  bool insideBrackets = false;
  TagBudget budget{TagByteBudget(text.size())};
  // The first ">" at or after the current position, found once for every
  // "<" before it: a text of "<" without ">" is searched once, not once per
  // "<". npos stays npos: no ">" follows.
  std::size_t gt = 0;
  bool gt_known = false;
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
    if (c == '<' && !insideBrackets) {
      if (!gt_known || (gt != std::string_view::npos && gt <= i)) {
        gt = text.find('>', i + 1);
        gt_known = true;
      }
      ParseTagEndingAt(text, i, gt, store, budget);
    }
  }
}

}  // namespace qv
