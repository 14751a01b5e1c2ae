#include "combat/outcome_text.h"

namespace qv {
namespace {

void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
  std::size_t pos = text.find(placeholder);
  while (pos != std::string::npos) {
    text.replace(pos, placeholder.size(), value);
    pos = text.find(placeholder, pos + value.size());
  }
}

}  // namespace

std::string FillOutcomeText(std::string_view text, const OutcomeValues& values) {
  std::string out(text);
  ReplaceAll(out, "#utok", std::to_string(values.Attack));
  ReplaceAll(out, "#nobrana", std::to_string(values.EnemyDefence));
  ReplaceAll(out, "#poskozeni", std::to_string(values.Damage));
  ReplaceAll(out, "#ntvrdost", std::to_string(values.EnemyHardness));
  ReplaceAll(out, "#zasah", std::to_string(values.Hit));
  ReplaceAll(out, "#radek", "\r\n");
  return out;
}

}  // namespace qv
