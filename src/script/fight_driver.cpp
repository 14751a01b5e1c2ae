#include "script/fight_driver.h"

#include <charconv>
#include <string>
#include <string_view>

#include "combat/fight_window.h"
#include "script/action_checks.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

// The number a value line starts with ("15" of "15 / 20"), 0 when none.
int64_t LeadingNumber(std::string_view text) {
  int64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The number after " / " ("20" of "15 / 20"), 0 when none.
int64_t NumberAfterSlash(std::string_view text) {
  const std::size_t slash = text.find(" / ");
  return slash == std::string_view::npos ? 0 : LeadingNumber(text.substr(slash + 3));
}

Json Labels(const std::vector<TLELabel>& labels, Colour enabled_colour) {
  Json out = Json::array();
  for (const TLELabel& label : labels) {
    Json entry;
    entry["number"] = label.idx;
    entry["caption"] = ShownText(label.Caption);
    entry["enabled"] = label.FontColour == enabled_colour;
    out.push_back(std::move(entry));
  }
  return out;
}

class FightDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    auto& fight = dynamic_cast<FightWindow&>(window);
    std::visit(Overloaded{
                   [&](const action::Attack& a) { Attack(fight, a.Number); },
                   [&](const action::ShowItems&) {
                     CheckItemsButton(fight);
                     MoveOntoWindow(fight);
                     fight.PredmetyMouseEnter();
                     fight.PredmetyClick();
                   },
                   [&](const action::ShowSpells&) {
                     CheckSpellsButton(fight);
                     MoveOntoWindow(fight);
                     fight.KouzlaMouseEnter();
                     fight.KouzlaClick();
                   },
                   [&](const action::Use& a) { UseLabel(fight, action, a.Number); },
                   [&](const action::Cast& a) { UseLabel(fight, action, a.Number); },
                   [&](const action::Close&) {
                     CheckFightOver(fight);
                     MoveOntoWindow(fight);
                     fight.BackgroundClick();
                   },
                   [&](const auto&) { ThrowNotForWindow(window, action); },
               },
               action);
  }

  Json Dump(const ModalWindow& window) const override {
    const auto* fight = dynamic_cast<const FightWindow*>(&window);
    if (!fight) return nullptr;
    const FightLines& lines = fight->Lines;
    Json out;
    Json enemy;
    enemy["name"] = ShownText(lines.EnemyName);
    enemy["lives"] = LeadingNumber(lines.EnemyLives);
    enemy["max_lives"] = NumberAfterSlash(lines.EnemyLives);
    enemy["attack"] = ShownText(lines.EnemyAttack);
    enemy["defence"] = LeadingNumber(lines.EnemyDefence);
    enemy["damage"] = LeadingNumber(lines.EnemyDamage);
    enemy["hardness"] = LeadingNumber(lines.EnemyHardness);
    out["enemy"] = std::move(enemy);
    Json player;
    player["lives"] = ShownText(lines.PlayerLives);
    player["mana"] = fight->HideMana ? std::string() : ShownText(lines.PlayerMana);
    player["speed"] = LeadingNumber(lines.PlayerSpeed);
    player["energy"] = ShownText(lines.PlayerEnergy);
    player["attack"] = ShownText(lines.PlayerAttack);
    player["defence"] = LeadingNumber(lines.PlayerDefence);
    player["damage"] = LeadingNumber(lines.PlayerDamage);
    player["hardness"] = LeadingNumber(lines.PlayerHardness);
    out["player"] = std::move(player);
    out["summary1"] = ShownText(fight->Summary1);
    out["summary2"] = ShownText(fight->Summary2);
    out["summary3"] = ShownText(fight->Summary3);
    out["attacks"] = Labels(fight->ActionLabels, kFightBlack);
    out["list"] = Labels(fight->UseLabels, kFightWhite);
    out["items_shown"] = fight->Predmety.Visible;
    out["spells_shown"] = fight->Kouzla.Visible;
    out["over"] = fight->FightOver;
    // Added keys: which list is open, the hover texts, and the notice of a
    // fight without any attack.
    switch (fight->OpenList) {
      case UseList::None:
        out["list_kind"] = nullptr;
        break;
      case UseList::Items:
        out["list_kind"] = "items";
        break;
      case UseList::Spells:
        out["list_kind"] = "spells";
        break;
    }
    out["description"] = ShownText(fight->Popis_akce);
    out["cost"] = ShownText(fight->Popis_akce_cost);
    out["energy_cost"] =
        fight->CostLabelsVisible ? ShownText(fight->EnergyCostLine) : std::string();
    out["mana_cost"] = fight->CostLabelsVisible ? ShownText(fight->ManaCostLine) : std::string();
    out["notice"] = ShownText(fight->NoAttackNotice);
    return out;
  }

 private:
  // The mouse leaves the label it was on and crosses the window.
  static void MoveOntoWindow(FightWindow& fight) {
    fight.LabelMouseLeave();
    fight.BackgroundMouseMove();
  }

  static void Attack(FightWindow& fight, int32_t n) {
    const std::size_t label = AttackLabelOf(fight, n);
    // A mouse already on the label clicks without entering it again.
    if (fight.EnteredKind() != FightWindow::Entered::Attack || fight.EnteredLabel() != label) {
      MoveOntoWindow(fight);
      fight.AttackMouseEnter(label);
    }
    fight.AttackClick();
  }

  static void UseLabel(FightWindow& fight, const ScriptAction& action, int32_t n) {
    const std::size_t label = ListLabelOf(fight, action, n);
    if (fight.EnteredKind() != FightWindow::Entered::Use || fight.EnteredLabel() != label) {
      fight.LabelMouseLeave();
      fight.PanelMouseMove();
      fight.UseLabelMouseEnter(label);
    }
    fight.UseLabelClick();
  }
};

}  // namespace

std::unique_ptr<WindowDriver> MakeFightDriver() { return std::make_unique<FightDriver>(); }

}  // namespace qv
