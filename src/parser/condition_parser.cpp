#include "parser/condition_parser.h"

#include <algorithm>
#include <array>

#include "data/text_case.h"

namespace qv {

namespace {

struct KeyWord {
  std::string_view Word;
  uint8_t Code;  // ConditionKeyCode; PREDMET and OBJEKT use flags instead
  bool Item;
  bool Object;
};

constexpr std::array<KeyWord, 18> kKeyWords = {{
    {"PREDMET", kKeyVariable, true, false},
    {"OBJEKT", kKeyVariable, false, true},
    {"PENIZE", kKeyPenize, false, false},
    {"ZKUSENOSTI", kKeyZkusenosti, false, false},
    {"ZIVOTY", kKeyZivoty, false, false},
    {"MAXZIVOTY", kKeyMaxZivoty, false, false},
    {"MANA", kKeyMana, false, false},
    {"MAXMANA", kKeyMaxMana, false, false},
    {"SILA", kKeySila, false, false},
    {"OBRATNOST", kKeyObratnost, false, false},
    {"RYCHLOST", kKeyRychlost, false, false},
    {"ENERGIE", kKeyEnergie, false, false},
    {"CISLOZBRANE", kKeyCisloZbrane, false, false},
    {"CISLOZBROJE", kKeyCisloZbroje, false, false},
    {"ZBRANI", kKeyZbrani, false, false},
    {"ZBROJI", kKeyZbroji, false, false},
    {"ZBRANIALL", kKeyZbraniAll, false, false},
    {"ZBROJIALL", kKeyZbrojiAll, false, false},
}};

constexpr std::size_t kLongestKeyWord = 11;
constexpr std::size_t kMaxRun = 50;

bool IsWordByte(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '$'; }
bool IsOperatorByte(char c) { return c == '<' || c == '=' || c == '>'; }

// Walks the condition's bytes; never moves past its end.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  char Peek() const { return bytes_[pos_]; }
  void Skip() { ++pos_; }

  void SkipSpaces() {
    while (!AtEnd() && Peek() == ' ') ++pos_;
  }

  // The whole run of bytes matching `accept`; only its first kMaxRun bytes
  // are returned.
  template <typename Accept>
  std::string_view Run(Accept accept) {
    const std::size_t from = pos_;
    while (!AtEnd() && accept(Peek())) ++pos_;
    return bytes_.substr(from, std::min(pos_ - from, kMaxRun));
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

Condition ParseCondition(std::string_view text, std::size_t start, int32_t& serial) {
  // No part of a condition takes a "]", so reading stops at the closing
  // bracket without looking for it first; a text of many "[" and no "]" is
  // not searched to its end once per "[".
  Cursor in(text.substr(std::min(start, text.size())));
  Condition c;

  in.SkipSpaces();
  // Key: compared after every letter, so the last key word that the run
  // begins with decides. Beyond the longest key word nothing can match.
  char key[kLongestKeyWord];
  std::size_t keyLength = 0;
  while (!in.AtEnd() && IsAsciiLetter(in.Peek())) {
    if (keyLength < kLongestKeyWord) {
      key[keyLength++] = UpCaseAscii(in.Peek());
      const std::string_view run(key, keyLength);
      for (const KeyWord& k : kKeyWords) {
        if (k.Word != run) continue;
        if (k.Item) c.ItemKey = 1;
        if (k.Object) c.ObjectKey = 1;
        if (!k.Item && !k.Object) c.KeyCode = k.Code;
      }
    }
    in.Skip();
  }

  in.SkipSpaces();
  c.Subject = in.Run(IsWordByte);
  in.SkipSpaces();
  c.Operator = in.Run(IsOperatorByte);
  in.SkipSpaces();
  if (!in.AtEnd() && in.Peek() == '"') {
    c.ValueIsVariable = 0;
    in.Skip();
  } else {
    c.ValueIsVariable = 1;
  }
  in.SkipSpaces();
  c.Value = in.Run(IsWordByte);

  c.Result = 0;
  // Wraps instead of overflowing; two billion conditions in one run is not a
  // real case, but the counter must not be undefined behaviour either.
  serial = static_cast<int32_t>(static_cast<uint32_t>(serial) + 1u);
  c.Serial = serial;
  return c;
}

}  // namespace qv
