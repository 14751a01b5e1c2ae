// PENIZE, ZKUSENOSTI and XP: money and experience. Every PLUS or MINUS
// attribute changes the value and is reported at once; other attribute
// names are ignored. Sums wrap on 32 bits.

#include <string>
#include <string_view>

#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"
#include "interpreter/variable_command_groups.h"
#include "parser/wrapping_arithmetic.h"

namespace qv {

namespace {

// "Získal jsi "
constexpr std::string_view kGained = "Z\xEDskal jsi ";
// "Ztratil jsi "
constexpr std::string_view kLost = "Ztratil jsi ";
// "Ztratil jsi veškeré peníze!"
constexpr std::string_view kLostAllMoney = "Ztratil jsi ve\x9Aker\xE9 pen\xEDze!";
// " zkušenostních bodů!"
constexpr std::string_view kExperiencePoints =
    " zku\x9A"
    "enostn\xED"
    "ch bod\xF9!";

void Money(GameWindow& form, const TagEntry& tag) {
  int32_t& money = form.State.Character.PENIZE;
  const std::string& currency = form.State.CurrencyName;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "PLUS") {
      const int32_t n = IntValue(p);
      money = WrapAdd(money, n);
      form.Report(std::string(kGained) + p.Value + " " + currency, "yellow");
    } else if (p.Name == "MINUS") {
      const int32_t n = IntValue(p);
      if (n < money) {
        form.Report(std::string(kLost) + p.Value + " " + currency, "red");
      } else {
        form.Report(kLostAllMoney, "red");
      }
      money = WrapSub(money, n);
      if (money < 0) money = 0;
    }
  }
}

// Experience may go below 0.
void Experience(GameWindow& form, const TagEntry& tag) {
  int32_t& experience = form.State.Character.ZKUSENOSTI;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "PLUS") {
      experience = WrapAdd(experience, IntValue(p));
      form.Report(std::string(kGained) + p.Value + std::string(kExperiencePoints), "aqua");
    } else if (p.Name == "MINUS") {
      experience = WrapSub(experience, IntValue(p));
      form.Report(std::string(kLost) + p.Value + std::string(kExperiencePoints), "red");
    }
  }
}

}  // namespace

void AddMoneyCommands(CommandMap& map) {
  map["PENIZE"] = &Money;
  map["ZKUSENOSTI"] = &Experience;
  map["XP"] = &Experience;
}

}  // namespace qv
