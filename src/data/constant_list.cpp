#include "data/constant_list.h"

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <map>
#include <utility>

#include "data/expansion_limit.h"
#include "data/text_case.h"
#include "data/text_lines.h"

namespace qv {
namespace {

// Below this many constants, or this many bytes times constants, one search
// per constant costs less than building the automaton.
constexpr std::size_t kAutomatonMinConstants = 8;
constexpr std::size_t kPlainPassWork = std::size_t{1} << 20;

constexpr std::size_t kWorkPerByte = 32;
constexpr std::size_t kWorkFloor = std::size_t{8} << 20;
// Going through one stretch, and replacing one occurrence, cost about as
// much as this many bytes more, however short they are: thousands of passes
// over thousands of one-byte names count for what they cost.
constexpr std::size_t kWorkPerStretch = 32;
constexpr std::size_t kWorkPerOccurrence = 16;

// Whether a pass making `count` replacements in a text of `size` bytes takes
// it past kMaxExpandedText at any replacement.
bool PassesLimit(std::size_t size, std::size_t count, std::size_t name, std::size_t value) {
  if (count == 0) return false;
  if (value > name) return size + count * (value - name) > kMaxExpandedText;
  return size - (name - value) > kMaxExpandedText;  // the size after the first one
}

// One full pass per constant, in list order.
std::string ApplyEachInTurn(std::string text, std::span<const TMyPlugin> constants) {
  for (const TMyPlugin& constant : constants) {
    if (constant.Name.empty()) continue;
    const NameSearch search(constant.Name);
    const std::size_t first = search.Find(text, 0);
    if (first == std::string::npos) continue;
    // A constant that would take the text too far is left out.
    if (PassesLimit(text.size(), search.Count(text), constant.Name.size(), constant.Text.size())) {
      continue;
    }
    text = search.ReplaceFrom(text, first, constant.Text);
  }
  return text;
}

// A stretch of the text made only of bytes that names use, holding at least
// one name. A name cannot reach over a byte that no name uses, and replacing
// never removes such a byte, so each stretch goes through the constants on
// its own, whatever the values put into it.
struct Stretch {
  std::size_t Begin = 0;
  std::size_t End = 0;
  std::string Text;
};

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

std::size_t ConstantWorkBudget(std::size_t text_size, std::size_t constant_bytes) {
  return kWorkPerByte * (text_size + constant_bytes) + kWorkFloor;
}

ConstantTable::ConstantTable(std::vector<TMyPlugin> constants) : constants_(std::move(constants)) {
  std::vector<std::string_view> names;
  names.reserve(constants_.size());
  searches_.reserve(constants_.size());
  for (const TMyPlugin& constant : constants_) {
    names.push_back(constant.Name);
    searches_.emplace_back(constant.Name);
    bytes_ += constant.Name.size() + constant.Text.size();
    if ((constant.Name + constant.Text).find_first_of("<>") != std::string::npos) angle_free_ = false;
  }
  names_ = NameAutomaton(names);
}

bool ConstantTable::HoldsName(std::string_view text) const {
  int32_t state = NameAutomaton::kStart;
  for (const char c : text) {
    state = names_.Step(state, static_cast<unsigned char>(c));
    if (names_.LowestEnding(state) != NameAutomaton::kNone) return true;
  }
  return false;
}

bool ConstantTable::LeavesMarkersAlone(std::string_view text) const {
  if (constants_.empty()) return true;
  if (!angle_free_) return false;
  // No "<" or ">" comes or goes, so a marker of the applied text stands
  // between the same "<" and ">" as a run of bytes X of this text, which
  // changes only where a name occurs in it. A byte that is neither a digit
  // nor used by names stays, and keeps X from being or becoming digits; so
  // only an X made of digits and name bytes alone can matter, and it
  // matters when a name occurs in it.
  const char* const end = text.data() + text.size();
  for (const char* p = text.data(); p < end;) {
    const void* lt = std::memchr(p, '<', static_cast<std::size_t>(end - p));
    if (lt == nullptr) break;
    const char* const open = static_cast<const char*>(lt) + 1;
    const char* q = open;
    while (q < end && (IsAsciiDigit(*q) || !names_.Outside(static_cast<unsigned char>(*q)))) ++q;
    if (q < end && *q == '>' && HoldsName(std::string_view(open, static_cast<std::size_t>(q - open)))) {
      return false;
    }
    p = q;
  }
  return true;
}

std::string ConstantTable::Apply(std::string text) const {
  if (constants_.empty()) return text;
  if (std::optional<std::string> out = ApplyStretchByStretch(text)) return std::move(*out);
  return ApplyInPasses(std::move(text));
}

std::optional<std::string> ConstantTable::ApplyStretchByStretch(std::string_view text) const {
  // Each stretch goes through its constants to the end before the next one
  // is looked at, so the text is walked once and each stretch is copied
  // into the result once. That gives what the passes over the whole text
  // give as long as no pass of theirs is left out: no pass can take the
  // text past kMaxExpandedText while the sum of the largest size each
  // stretch reaches stays within it, and none stops at the work budget
  // while the work counted here the way the passes count it (never less)
  // stays within the budget for the text as it is now. Past either bound
  // the passes decide, from the start.
  const std::size_t budget = ConstantWorkBudget(text.size(), bytes_);
  std::size_t work = text.size();
  std::size_t largest = text.size();  // the text with every stretch at its largest
  std::string scratch[2];

  std::string out;
  // An eighth to spare, as in the passes (the allocator reuses freed pages).
  out.reserve(text.size() + text.size() / 8);
  std::size_t copied = 0;
  const auto* const p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size;) {
    if (names_.Outside(p[i])) {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    bool may_hold_name = false;
    for (; i < size && !names_.Outside(p[i]); ++i) may_hold_name |= names_.EndsName(p[i]);
    if (!may_hold_name) continue;
    int32_t state = NameAutomaton::kStart;
    uint32_t n = NameAutomaton::kNone;
    for (std::size_t k = begin; k < i; ++k) {
      state = names_.Step(state, p[k]);
      n = std::min(n, names_.LowestEnding(state));
    }
    if (n == NameAutomaton::kNone) continue;

    std::string_view stretch = text.substr(begin, i - begin);
    std::size_t peak = stretch.size();
    std::size_t next = 0;
    while (n != NameAutomaton::kNone) {
      const NameSearch& search = searches_[n];
      std::string& into = scratch[next];
      next = 1 - next;
      work += stretch.size() + kWorkPerStretch;
      const std::size_t first = search.Find(stretch, 0);
      // The longest this stretch may grow to while the whole text stays
      // within kMaxExpandedText; the pass stops as soon as it would pass it.
      // (A text already past the bound is for the passes to decide.)
      const std::size_t others = largest - (i - begin);
      if (others + peak > kMaxExpandedText) return std::nullopt;
      const std::optional<std::size_t> count =
          search.ReplaceInto(stretch, first, constants_[n].Text, into, kMaxExpandedText - others);
      if (!count) return std::nullopt;
      work += *count * kWorkPerOccurrence + into.size();
      stretch = into;
      peak = std::max(peak, stretch.size());
      if (work > budget) return std::nullopt;
      n = names_.LowestOccurringFrom(stretch, n + 1, work);
    }
    largest += peak - (i - begin);
    out.append(text, copied, begin - copied);
    out.append(stretch);
    copied = i;
  }
  if (work > budget) return std::nullopt;
  out.append(text, copied, std::string_view::npos);
  return out;
}

std::string ConstantTable::ApplyInPasses(std::string text) const {
  // The budget follows the text as constants make it grow (up to
  // kMaxExpandedText), so that passes over what they made still fit.
  std::size_t budget = ConstantWorkBudget(text.size(), bytes_);
  std::size_t work = text.size();

  // The stretches that hold a name, by the lowest constant that occurs in
  // each. Most of them wait for the same few constants, so they are kept
  // in one list per constant rather than one by one.
  using Waiting = std::map<uint32_t, std::vector<uint32_t>>;
  Waiting waiting;
  // Adds a stretch to the list of constant n; `last` is the list added to
  // before, looked at first.
  const auto wait_for = [&waiting](Waiting::iterator& last, uint32_t n, uint32_t stretch) {
    if (last == waiting.end() || last->first != n) last = waiting.try_emplace(n).first;
    last->second.push_back(stretch);
  };
  std::vector<Stretch> stretches;
  auto last = waiting.end();
  const auto* const p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size;) {
    if (names_.Outside(p[i])) {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    int32_t state = NameAutomaton::kStart;
    uint32_t lowest = NameAutomaton::kNone;
    for (; i < size && !names_.Outside(p[i]); ++i) {
      state = names_.Step(state, p[i]);
      lowest = std::min(lowest, names_.LowestEnding(state));
    }
    if (lowest == NameAutomaton::kNone) continue;
    wait_for(last, lowest, static_cast<uint32_t>(stretches.size()));
    stretches.push_back({begin, i, text.substr(begin, i - begin)});
  }
  if (stretches.empty()) return text;

  // The passes in list order, each over the stretches its name occurs in,
  // decided for the whole text at once as a full pass would be.
  std::size_t total = size;
  while (!waiting.empty()) {
    const uint32_t n = waiting.begin()->first;
    const std::vector<uint32_t> group = std::move(waiting.begin()->second);
    waiting.erase(waiting.begin());
    std::size_t looked = 0;
    for (const uint32_t s : group) looked += stretches[s].Text.size() + kWorkPerStretch;
    if (work + looked > budget) break;  // this constant and every later one are left out
    work += looked;

    const TMyPlugin& constant = constants_[n];
    const NameSearch& search = searches_[n];
    std::size_t count = 0;
    for (const uint32_t s : group) count += search.Count(stretches[s].Text);
    work += count * kWorkPerOccurrence;
    if (!PassesLimit(total, count, constant.Name.size(), constant.Text.size())) {
      for (const uint32_t s : group) {
        std::string& stretch = stretches[s].Text;
        const std::size_t first = search.Find(stretch, 0);
        if (first == std::string::npos) continue;
        stretch = search.ReplaceFrom(stretch, first, constant.Text);
        work += stretch.size();
      }
      total = total + count * constant.Text.size() - count * constant.Name.size();
      budget = std::max(budget, ConstantWorkBudget(total, bytes_));
    }
    last = waiting.end();
    for (const uint32_t s : group) {
      const uint32_t next = names_.LowestOccurringFrom(stretches[s].Text, n + 1, work);
      if (next != NameAutomaton::kNone) wait_for(last, next, s);
    }
  }

  std::string out;
  // An eighth to spare: with exactly the size, the allocator mapped fresh
  // pages for every large text instead of reusing freed ones (four times
  // slower on an 8 MB book).
  out.reserve(total + total / 8);
  std::size_t copied = 0;
  for (const Stretch& stretch : stretches) {
    out.append(text, copied, stretch.Begin - copied);
    out += stretch.Text;
    copied = stretch.End;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

std::string ApplyConstantList(std::string text, std::span<const TMyPlugin> constants) {
  if (constants.size() < kAutomatonMinConstants ||
      text.size() * constants.size() <= kPlainPassWork) {
    return ApplyEachInTurn(std::move(text), constants);
  }
  return ConstantTable({constants.begin(), constants.end()}).Apply(std::move(text));
}

}  // namespace qv
