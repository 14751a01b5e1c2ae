#include "data/constant_list.h"

#include <algorithm>
#include <cstddef>

#include "data/expansion_limit.h"
#include "data/text_lines.h"
#include "data/trigram_set.h"

namespace qv {
namespace {

// Below this size a search per constant costs less than building the set.
constexpr std::size_t kTrigramSetMinText = 64 * 1024;
constexpr std::size_t kTrigramSetMinConstants = 8;

// Replaces every occurrence of name from `first` on (the first one found by
// the caller), left to right, without looking into what was inserted.
// Records where each value landed in the result. Nullopt when the result
// would grow past kMaxExpandedText.
std::optional<std::string> ReplaceFrom(const std::string& text, std::size_t first,
                                       std::string_view name, std::string_view value,
                                       std::vector<std::size_t>* inserted_at) {
  std::string out;
  out.reserve(text.size() + (value.size() > name.size() ? (value.size() - name.size()) * 8 : 0));
  std::size_t copied = 0;
  for (std::size_t at = first; at != std::string::npos; at = text.find(name, copied)) {
    out.append(text, copied, at - copied);
    if (inserted_at != nullptr) inserted_at->push_back(out.size());
    out.append(value);
    copied = at + name.size();
    if (out.size() + (text.size() - copied) > kMaxExpandedText) return std::nullopt;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace

std::optional<TMyPlugin> ParseConstantLine(std::string_view line) {
  const std::string s = std::string(line) + ";";
  if (s.size() < 4) return std::nullopt;
  const std::size_t space = s.find(' ');
  if (space == std::string::npos || space == 0) return std::nullopt;
  std::size_t start = space;
  while (s[start] == ' ') ++start;  // the appended ";" stops it
  const std::size_t end = s.find(';', start);
  return TMyPlugin{s.substr(0, space), s.substr(start, end - start)};
}

std::vector<TMyPlugin> ParseConstants(std::string_view file_text) {
  std::vector<TMyPlugin> constants;
  for (const std::string& line : SplitLines(file_text)) {
    if (std::optional<TMyPlugin> constant = ParseConstantLine(line)) {
      constants.push_back(std::move(*constant));
    }
  }
  return constants;
}

std::string ApplyConstantList(std::string text, std::span<const TMyPlugin> constants) {
  std::optional<TrigramSet> trigrams;
  if (text.size() >= kTrigramSetMinText && constants.size() >= kTrigramSetMinConstants) {
    trigrams.emplace();
    trigrams->Add(text);
  }
  std::vector<std::size_t> inserted_at;
  for (const TMyPlugin& constant : constants) {
    const std::string_view name = constant.Name;
    if (name.empty()) continue;
    if (trigrams && !trigrams->MayContain(name)) continue;
    const std::size_t first = text.find(name);
    if (first == std::string::npos) continue;
    inserted_at.clear();
    std::optional<std::string> replaced =
        ReplaceFrom(text, first, name, constant.Text, trigrams ? &inserted_at : nullptr);
    if (!replaced) continue;  // the text would grow too long: this constant is left out
    text = std::move(*replaced);
    if (trigrams) {
      // The only new sequences are those that overlap an inserted value,
      // including the ones across its two edges.
      for (const std::size_t at : inserted_at) {
        const std::size_t from = at >= 2 ? at - 2 : 0;
        const std::size_t to = std::min(text.size(), at + constant.Text.size() + 2);
        trigrams->Add(std::string_view(text).substr(from, to - from));
      }
    }
  }
  return text;
}

}  // namespace qv
