#include "parser/condition_text.h"

#include "parser/condition_parser.h"

namespace qv {

namespace {

// Texts in Windows-1250.
constexpr std::string_view kCountPrefix =
    "Po\xE8"
    "et ";  // "Počet "
constexpr std::string_view kSpecialConditions =
    "Zvl\xE1\x9Atn\xED podm\xEDnky pou\x9Eit\xED!";  // "Zvláštní podmínky použití!"
constexpr std::size_t kMaxLabel = 36;

std::string Label(uint8_t code, std::string_view currencyName) {
  switch (code) {
    case kKeyPenize: {
      std::string label(kCountPrefix);
      label += currencyName;
      if (label.size() > kMaxLabel) label.resize(kMaxLabel);
      return label;
    }
    case kKeyZkusenosti:
      return "Po\xE8"
             "et XP";  // "Počet XP"
    case kKeyZivoty:
      return "Po\xE8"
             "et \x9Eivot\xF9";  // "Počet životů"
    case kKeyMaxZivoty:
      return "Max. \x9Eivot\xF9";  // "Max. životů"
    case kKeyMana:
      return "Mana";
    case kKeyMaxMana:
      return "Max. mana";
    case kKeySila:
      return "S\xEDla";  // "Síla"
    case kKeyObratnost:
      return "Obratnost";
    case kKeyRychlost:
      return "Rychlost";
    case kKeyEnergie:
      return "Energie";
    default:
      return {};
  }
}

std::string_view OperatorWords(std::string_view op) {
  if (op == "<") return "je men\x9A\xED";                               // "je menší"
  if (op == ">") return "je v\xECt\x9A\xED";                            // "je větší"
  if (op == "<>" || op == "><") return "nerovn\xE1 se";                 // "nerovná se"
  if (op == "=") return "rovn\xE1 se";                                  // "rovná se"
  if (op == "=>" || op == ">=") return "je v\xECt\x9A\xED nebo rovno";  // "je větší nebo rovno"
  if (op == "=<" || op == "<=") return "je men\x9A\xED nebo rovno";     // "je menší nebo rovno"
  return {};
}

// Drops blanks and control bytes at both ends.
std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string DescribeCondition(const Condition& condition, std::string_view currencyName,
                              const SubstituteFn& substitute) {
  substitute(Trim(condition.Subject));
  const std::string value = substitute(condition.Value);

  const std::string label = Label(condition.KeyCode, currencyName);
  if (label.empty() || condition.ItemKey != 0 || condition.ObjectKey != 0) {
    return std::string(kSpecialConditions);
  }
  std::string text = label;
  text += ' ';
  text += OperatorWords(condition.Operator);
  text += ' ';
  text += value;
  return text;
}

}  // namespace qv
