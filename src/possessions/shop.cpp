#include "possessions/shop.h"

#include <string>

#include "data/catalog_line_reader.h"
#include "data/conversion.h"
#include "data/text_case.h"
#include "data/text_lines.h"
#include "data/text_wrap.h"

namespace qv {
namespace {

// Descriptions are wrapped to this many bytes per line in the shop window.
constexpr std::size_t kDescriptionWidth = 74;

// The parts of a description are separated by a lone CR; the wrapped
// description inside uses CR LF. The windows break lines at either.
constexpr std::string_view kPartBreak = "\r";

constexpr std::string_view kWeaponKind = "zbran";
constexpr std::string_view kArmourKind = "zbroj";
constexpr std::string_view kItemKind = "predmet";

std::string Wrapped(std::string_view description) {
  return WrapText(description, kDescriptionWidth, kDescriptionWrap);
}

// "útok XkY+Z, poškození D" (a negative modifier reads "+-2").
std::string WeaponDescription(const Weapon& w) {
  return "\xFAtok " + std::to_string(w.Dice.Count) + "k" + std::to_string(w.Dice.Sides) + "+" +
         std::to_string(w.Dice.Modifier) + ", po\x9Akozen\xED " + std::to_string(w.Damage) +
         std::string(kPartBreak) + Wrapped(w.Description);
}

// "obrana D, tvrdost T" and ", útok -P" only for a real penalty.
std::string ArmourDescription(const Armour& a) {
  std::string text =
      "obrana " + std::to_string(a.Defence) + ", tvrdost " + std::to_string(a.Toughness);
  if (a.AttackPenalty > 0) text += ", \xFAtok -" + std::to_string(a.AttackPenalty);
  return text + std::string(kPartBreak) + Wrapped(a.Description);
}

std::string ItemDescription(const Item& it) {
  std::string_view use = "Mo\x9Eno pou\x9E\xEDt kdykoli";
  if (it.UseWord == "boj") use = "Mo\x9Eno pou\x9E\xEDt v boji";
  if (it.UseWord == "mimoboj") use = "Mo\x9Eno pou\x9E\xEDt mimo boj";
  return Wrapped(it.Description) + std::string(kPartBreak) + std::string(use);
}

// Name, description and price of a loaded catalog record; a number outside
// the loaded records leaves them empty and the price 0.
template <class Record, class DescribeRecord>
void FillRow(ShopRow& row, const Catalog<Record>& catalog, DescribeRecord describe) {
  if (!catalog.IsLoaded(row.ItemNumber)) return;
  const Record& record = catalog.at(row.ItemNumber);
  row.Name = record.Name.str();
  row.Description = describe(record);
  row.Price = record.Price;
}

// One part between commas: its digits are the item number, its other bytes
// apart from blanks the kind. Too many digits for a number count as none:
// the row then names no record.
ShopRow ReadRow(std::string_view part) {
  std::string digits;
  ShopRow row;
  for (char c : part) {
    if (IsAsciiDigit(c)) {
      digits += c;
    } else if (c != ' ' && c != '\t') {
      row.Kind += c;
    }
  }
  row.ItemNumber = TryStrToInt(digits).value_or(0);
  return row;
}

// The first run of digits of a line as a number; nullopt when there is none
// or it is beyond int32.
std::optional<int32_t> FirstNumber(std::string_view line) {
  const std::size_t from = line.find_first_of("0123456789");
  if (from == std::string_view::npos) return std::nullopt;
  std::size_t to = from;
  while (to < line.size() && IsAsciiDigit(line[to])) ++to;
  return TryStrToInt(line.substr(from, to - from));
}

}  // namespace

std::optional<std::vector<ShopRow>> LoadShop(GameFiles& files, const GameState& state, int32_t n) {
  const std::optional<std::string> text = files.ReadGameFile("obchod");
  if (!text) return std::nullopt;

  std::vector<ShopRow> rows;
  LineCursor lines(*text);
  for (std::string_view line; lines.Next(line);) {
    if (FirstNumber(line) != n) continue;
    CatalogLineReader in(line);
    in.UpTo(",");
    while (in.At(',')) {
      in.SkipPastComma();
      ShopRow row = ReadRow(in.UpTo(",;"));
      if (row.Kind == kWeaponKind) {
        FillRow(row, state.Weapons, WeaponDescription);
      } else if (row.Kind == kArmourKind) {
        FillRow(row, state.Armours, ArmourDescription);
      } else if (row.Kind == kItemKind) {
        FillRow(row, state.Items, ItemDescription);
      } else {
        continue;  // a kind the shop cannot sell
      }
      rows.push_back(std::move(row));
    }
    break;
  }
  return rows;
}

int CategoryCode(std::string_view word) {
  const std::string w = UpCaseAscii(word);
  if (w == "ZBRANE") return 1;
  if (w == "ZBROJE") return 2;
  if (w == "PREDMETY") return 3;
  if (w == "ZBRANEZBROJE" || w == "ZBROJEZBRANE") return 4;
  if (w == "ZBRANEPREDMETY" || w == "PREDMETYZBRANE") return 5;
  if (w == "ZBROJEPREDMETY" || w == "PREDMETYZBROJE") return 6;
  return 0;  // VSE, and any word that is no category: everything
}

}  // namespace qv
