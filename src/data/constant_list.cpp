#include "data/constant_list.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>

#include "data/expansion_limit.h"
#include "data/name_automaton.h"
#include "data/text_lines.h"

namespace qv {
namespace {

// Below this size one search per constant costs less than building the
// automaton.
constexpr std::size_t kAutomatonMinText = 64 * 1024;
constexpr std::size_t kAutomatonMinConstants = 8;

// Replaces every occurrence of name from `first` on (the first one found by
// the caller), left to right, without looking into what was inserted.
// Nullopt when the result would grow past kMaxExpandedText.
std::optional<std::string> ReplaceFrom(const std::string& text, std::size_t first,
                                       std::string_view name, std::string_view value) {
  std::string out;
  out.reserve(text.size() + (value.size() > name.size() ? (value.size() - name.size()) * 8 : 0));
  std::size_t copied = 0;
  for (std::size_t at = first; at != std::string::npos; at = text.find(name, copied)) {
    out.append(text, copied, at - copied);
    out.append(value);
    copied = at + name.size();
    if (out.size() + (text.size() - copied) > kMaxExpandedText) return std::nullopt;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

// One full pass per constant, in list order.
std::string ApplyEachInTurn(std::string text, std::span<const TMyPlugin> constants) {
  for (const TMyPlugin& constant : constants) {
    const std::string_view name = constant.Name;
    if (name.empty()) continue;
    const std::size_t first = text.find(name);
    if (first == std::string::npos) continue;
    std::optional<std::string> replaced = ReplaceFrom(text, first, name, constant.Text);
    if (!replaced) continue;  // the text would grow too long: this constant is left out
    text = std::move(*replaced);
  }
  return text;
}

// The constants in turn on one line, starting with `from`, the lowest that
// occurs in it. Before each pass the line is scanned for the next constant
// that occurs at all, so the passes of the others are skipped. Nullopt when
// the line alone would grow past kMaxExpandedText.
std::optional<std::string> ApplyToLine(std::string line, uint32_t from,
                                       std::span<const TMyPlugin> constants,
                                       const NameAutomaton& names) {
  while (from != NameAutomaton::kNone) {
    const TMyPlugin& constant = constants[from];
    std::optional<std::string> replaced =
        ReplaceFrom(line, line.find(constant.Name), constant.Name, constant.Text);
    if (!replaced) return std::nullopt;
    line = std::move(*replaced);
    uint32_t next = NameAutomaton::kNone;
    int32_t state = NameAutomaton::kStart;
    for (const char c : line) {
      state = names.Step(state, static_cast<unsigned char>(c));
      next = std::min(next, names.LowestEndingFrom(state, from + 1));
    }
    from = next;
  }
  return line;
}

// A name never spans a line feed, and replacing never removes one, so each
// line of the text goes through the constants on its own; a line that holds
// no name at all stays as it is through every pass. One scan finds the lines
// that hold names and the lowest constant of each. Nullopt when the result
// would grow past kMaxExpandedText: which constants are then left out is
// decided by the whole-text passes, as for any other text, so `text` is
// left as it is then (it is taken over only when no line changes).
std::optional<std::string> ApplyByLines(std::string& text,
                                        std::span<const TMyPlugin> constants) {
  std::vector<std::string_view> name_list;
  name_list.reserve(constants.size());
  for (const TMyPlugin& constant : constants) name_list.push_back(constant.Name);
  const NameAutomaton names(name_list);

  const auto* const p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::string out;
  std::size_t copied = 0;
  int32_t state = NameAutomaton::kStart;
  for (std::size_t i = 0; i < size; ++i) {
    if (state == NameAutomaton::kStart) {
      while (i < size && names.Outside(p[i])) ++i;
      if (i == size) break;
    }
    state = names.Step(state, p[i]);
    uint32_t lowest = names.LowestEnding(state);
    if (lowest == NameAutomaton::kNone) continue;

    // A name ends here: take the whole line, with every name in it.
    const void* feed = std::memchr(p + i, '\n', size - i);
    const std::size_t line_end =
        feed == nullptr ? size : static_cast<std::size_t>(static_cast<const unsigned char*>(feed) - p);
    std::size_t line_begin = i;
    while (line_begin > copied && p[line_begin - 1] != '\n') --line_begin;
    for (++i; i < line_end; ++i) {
      state = names.Step(state, p[i]);
      lowest = std::min(lowest, names.LowestEnding(state));
    }
    if (out.empty()) out.reserve(size + size / 8);
    out.append(text, copied, line_begin - copied);
    std::optional<std::string> line =
        ApplyToLine(text.substr(line_begin, line_end - line_begin), lowest, constants, names);
    if (!line || out.size() + line->size() + (size - line_end) > kMaxExpandedText) {
      return std::nullopt;
    }
    out += *line;
    copied = line_end;
    state = NameAutomaton::kStart;
    i = line_end;  // the line feed itself, or the end
  }
  if (copied == 0) return std::move(text);
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
  LineCursor lines(file_text);
  for (std::string_view line; lines.Next(line);) {
    if (std::optional<TMyPlugin> constant = ParseConstantLine(line)) {
      constants.push_back(std::move(*constant));
    }
  }
  return constants;
}

std::string ApplyConstantList(std::string text, std::span<const TMyPlugin> constants) {
  const bool names_within_lines = std::none_of(constants.begin(), constants.end(), [](const TMyPlugin& c) {
    return c.Name.find('\n') != std::string::npos;
  });
  if (text.size() >= kAutomatonMinText && constants.size() >= kAutomatonMinConstants &&
      names_within_lines) {
    if (std::optional<std::string> applied = ApplyByLines(text, constants)) return std::move(*applied);
  }
  return ApplyEachInTurn(std::move(text), constants);
}

}  // namespace qv
