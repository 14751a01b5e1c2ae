// The scanner against a plain reading of the tag language, on random pages:
// finding each ">" once, stopping a tag after its tenth attribute and the
// byte budget must not change what any ordinary page gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "data/text_case.h"
#include "parser/condition_parser.h"
#include "parser/tag_scanner.h"

namespace qv {
namespace {

// Every "<" looks for its ">" from scratch and every attribute is read to the
// tag's end, as the language describes it.
void PlainParseTag(std::string_view text, std::size_t lt, TagStore& store) {
  const std::size_t gt = text.find('>', lt + 1);
  const std::string_view t =
      text.substr(lt + 1, gt == std::string_view::npos ? std::string_view::npos : gt - lt);
  if (std::all_of(t.begin(), t.end(), [](char c) { return IsAsciiDigit(c) || c == '>'; })) return;
  TagEntry* entry = store.Append();
  if (entry == nullptr) return;
  std::size_t pos = 0;
  while (pos < t.size() && IsAsciiLetter(t[pos])) ++pos;
  entry->Tag.Name = UpCaseAscii(t.substr(0, pos));
  int32_t count = 0;
  while (pos < t.size() && t[pos] != '>') {
    ++pos;
    while (pos < t.size() && t[pos] == ' ') ++pos;
    if (pos >= t.size() || t[pos] == '>') break;
    std::size_t eq = t.find('=', pos);
    if (eq == std::string_view::npos) eq = t.size();
    const std::string_view name = t.substr(pos, eq - pos);
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
  entry->ParamCount = count;
  const int32_t depth = std::clamp(store.Blocks.Depth, 0, kMaxBlockDepth);
  for (int32_t d = 0; d < depth; ++d) entry->Conditions[d] = store.Blocks.Slots[d];
  entry->ConditionCount = depth;
}

void PlainScan(std::string_view text, TagStore& store) {
  bool inside = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ']') inside = false;
    if (c == '[') {
      inside = true;
      if (i + 1 < text.size() && text[i + 1] == '/') {
        if (store.Blocks.Depth > 0) --store.Blocks.Depth;
      } else if (++store.Blocks.Depth <= kMaxBlockDepth) {
        store.Blocks.Slots[static_cast<std::size_t>(store.Blocks.Depth - 1)] =
            ParseCondition(text, i + 1, store.ConditionSerial);
      }
    }
    if (c == '<' && !inside) PlainParseTag(text, i, store);
  }
}

std::array<uint8_t, Condition::kSize> Bytes(const Condition& c) {
  std::array<uint8_t, Condition::kSize> out{};
  c.Encode(out.data());
  return out;
}

void ExpectSameStores(const TagStore& got, const TagStore& want, const std::string& text) {
  ASSERT_EQ(got.Count(), want.Count()) << text;
  EXPECT_EQ(got.Blocks.Depth, want.Blocks.Depth) << text;
  EXPECT_EQ(got.ConditionSerial, want.ConditionSerial) << text;
  for (int32_t i = 1; i <= got.Count(); ++i) {
    const TagEntry& g = got.Entry(i);
    const TagEntry& w = want.Entry(i);
    EXPECT_EQ(g.Tag.Name, w.Tag.Name) << text;
    ASSERT_EQ(g.ParamCount, w.ParamCount) << text;
    for (int32_t k = 1; k <= g.ParamCount; ++k) {
      EXPECT_EQ(g.Tag.ParamAt(k).Name, w.Tag.ParamAt(k).Name) << text;
      EXPECT_EQ(g.Tag.ParamAt(k).Value, w.Tag.ParamAt(k).Value) << text;
    }
    ASSERT_EQ(g.ConditionCount, w.ConditionCount) << text;
    for (int32_t d = 1; d <= g.ConditionCount; ++d) {
      EXPECT_EQ(Bytes(g.ConditionAt(d)), Bytes(w.ConditionAt(d))) << text;
    }
  }
}

// Empties a store for the next page, as a fetch does.
void Reset(TagStore& store) {
  store.Clear();
  store.Blocks.Depth = 0;
  store.ConditionSerial = 0;
}

TEST(TagScannerReference, RandomPagesGiveWhatThePlainReadingGives) {
  std::mt19937 random(2024);
  const std::string alphabet = "<<>>[[]]/==\"\" ab12AB";
  TagStore got;
  TagStore want;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const std::size_t length = random() % 120;
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    Reset(got);
    Reset(want);
    ScanLocation(text, got);
    PlainScan(text, want);
    ExpectSameStores(got, want, text);
  }
}

TEST(TagScannerReference, PagesOfManyAttributesAndNestedTagsGiveWhatThePlainReadingGives) {
  std::mt19937 random(7);
  const auto piece = [&random]() -> std::string {
    switch (random() % 6) {
      case 0: return "<text obsah=\"a <b> c\" barva=\"red\">";
      case 1: return "[ZIVOTY 0 < \"5\"]";
      case 2: return "[/]";
      case 3: {
        std::string tag = "<t";
        for (int k = 0, n = static_cast<int>(random() % 14); k < n; ++k) tag += " a=\"<v\"";
        return tag + ">";
      }
      case 4: return "<12>";
      default: return "text ";
    }
  };
  TagStore got;
  TagStore want;
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int k = 0, n = static_cast<int>(random() % 60); k < n; ++k) text += piece();
    Reset(got);
    Reset(want);
    ScanLocation(text, got);
    PlainScan(text, want);
    ExpectSameStores(got, want, text);
  }
}

}  // namespace
}  // namespace qv
