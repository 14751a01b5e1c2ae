#include "text/text_windows.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

#include "combat/fight_window.h"
#include "data/cp1250.h"
#include "possessions/character_sheet_window.h"
#include "possessions/inventory_window.h"
#include "possessions/sell_window.h"
#include "possessions/shop_window.h"
#include "script/script_error.h"
#include "script/visible_controls.h"
#include "state/save_window.h"
#include "state/settings_window.h"

namespace qv {

namespace {

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.emplace_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<int32_t> Number(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

ScriptLine Line(std::string command, std::vector<std::string> arguments = {}) {
  ScriptLine line;
  line.Command = std::move(command);
  line.Arguments = std::move(arguments);
  for (const std::string& argument : line.Arguments) {
    if (!line.Text.empty()) line.Text += ' ';
    line.Text += argument;
  }
  return line;
}

// The catalog number of the nth shown label (from 1), as text for a driver;
// "0" (which no label holds) when there is no such row.
std::string LabelNumber(const std::vector<TLELabel>& labels, int32_t n) {
  if (n < 1 || n > static_cast<int32_t>(labels.size())) return "0";
  return std::to_string(labels[static_cast<std::size_t>(n - 1)].idx);
}

void PrintLabels(std::ostream& out, const std::vector<TLELabel>& labels, Colour enabled) {
  int n = 0;
  for (const TLELabel& label : labels) {
    out << "  " << ++n << ". " << TerminalText(label.Caption);
    if (label.FontColour != enabled) out << " (greyed)";
    out << '\n';
  }
}

void PrintNonEmpty(std::ostream& out, std::string_view text) {
  if (!text.empty()) out << TerminalText(text) << '\n';
}

// --- fight ---------------------------------------------------------------

void PrintFight(const FightWindow& fight, std::ostream& out) {
  const FightLines& l = fight.Lines;
  out << "Fight with " << TerminalText(l.EnemyName) << '\n'
      << "  Enemy: lives " << TerminalText(l.EnemyLives) << ", attack "
      << TerminalText(l.EnemyAttack) << ", defence " << TerminalText(l.EnemyDefence) << ", damage "
      << TerminalText(l.EnemyDamage) << ", hardness " << TerminalText(l.EnemyHardness) << '\n'
      << "  You: lives " << TerminalText(l.PlayerLives);
  if (!fight.HideMana) out << ", mana " << TerminalText(l.PlayerMana);
  out << ", speed " << TerminalText(l.PlayerSpeed) << ", energy " << TerminalText(l.PlayerEnergy)
      << ", attack " << TerminalText(l.PlayerAttack) << ", defence "
      << TerminalText(l.PlayerDefence) << ", damage " << TerminalText(l.PlayerDamage)
      << ", hardness " << TerminalText(l.PlayerHardness) << '\n';
  PrintNonEmpty(out, fight.Summary1);
  PrintNonEmpty(out, fight.Summary2);
  PrintNonEmpty(out, fight.Summary3);
  PrintNonEmpty(out, fight.NoAttackNotice);
  if (!fight.ActionLabels.empty()) {
    out << "Attacks:\n";
    PrintLabels(out, fight.ActionLabels, kFightBlack);
  }
  if (fight.OpenList != UseList::None) {
    out << (fight.OpenList == UseList::Items ? "Items:\n" : "Spells:\n");
    PrintLabels(out, fight.UseLabels, kFightWhite);
  }
  out << "(N attacks";
  if (fight.Predmety.Visible) out << ", i items";
  if (fight.Kouzla.Visible && !fight.Kouzla.Caption.empty()) out << ", s spells";
  if (fight.OpenList == UseList::Items) out << ", u N uses item N";
  if (fight.OpenList == UseList::Spells) out << ", c N casts spell N";
  out << ")\n";
}

std::optional<ScriptLine> TranslateFight(const FightWindow& fight,
                                         const std::vector<std::string>& words) {
  const std::string& first = words[0];
  if (words.size() == 1) {
    if (const auto n = Number(first)) return Line("attack", {LabelNumber(fight.ActionLabels, *n)});
    if (first == "i") return Line("items");
    if (first == "s") return Line("spells");
  }
  if (words.size() == 2 && (first == "u" || first == "c") && Number(words[1])) {
    // A list that is not open is reported by the driver, with the same words.
    return Line(first == "u" ? "use" : "cast", {LabelNumber(fight.UseLabels, *Number(words[1]))});
  }
  return std::nullopt;
}

// --- shop and sale ---------------------------------------------------------

void PrintShop(const ShopWindow& shop, std::ostream& out) {
  out << TerminalText(shop.Heading.Money) << '\n';
  const std::size_t rows = std::min(shop.RowLabels.size(), shop.Offer.size());
  for (std::size_t i = 0; i < rows; ++i) {
    out << "  " << i + 1 << ". " << TerminalText(shop.Offer[i].Name) << " - " << shop.Offer[i].Price
        << '\n';
  }
  PrintNonEmpty(out, shop.MessageLine);
  out << "(N buys row N, x closes the shop)\n";
}

// The shown rows of the sale, in order.
std::vector<const SaleEntry*> ShownEntries(const SellWindow& sale) {
  std::vector<const SaleEntry*> shown;
  for (const SaleEntry& entry : sale.Entries) {
    if (entry.Label.Visible) shown.push_back(&entry);
  }
  return shown;
}

std::string_view GoodsWord(SaleGoods goods) {
  switch (goods) {
    case SaleGoods::Weapon:
      return "weapon";
    case SaleGoods::Armour:
      return "armour";
    case SaleGoods::Item:
      return "item";
  }
  return "";
}

void PrintSale(const SellWindow& sale, std::ostream& out) {
  out << TerminalText(sale.Heading.Money) << '\n';
  int n = 0;
  for (const SaleEntry* entry : ShownEntries(sale)) {
    out << "  " << ++n << ". " << TerminalText(entry->Label.Caption) << '\n';
  }
  PrintNonEmpty(out, sale.Status);
  out << "(N sells row N, x closes)\n";
}

std::optional<ScriptLine> TranslateSale(const SellWindow& sale,
                                        const std::vector<std::string>& words, std::ostream& out) {
  if (words.size() != 1) return std::nullopt;
  const auto n = Number(words[0]);
  if (!n) return std::nullopt;
  const std::vector<const SaleEntry*> shown = ShownEntries(sale);
  if (*n < 1 || *n > static_cast<int32_t>(shown.size())) {
    out << "There is no row " << *n << ".\n";
    return Line("");
  }
  const SaleEntry& entry = *shown[static_cast<std::size_t>(*n - 1)];
  return Line("sell", {std::string(GoodsWord(entry.Goods)), std::to_string(entry.Number)});
}

// --- character sheet and inventory -----------------------------------------

// The letters and the script's names of the raises, in RaiseIndex order.
constexpr std::array<std::string_view, kRaiseCount> kRaiseLetters = {"z", "m", "s", "o", "e", "r"};
constexpr std::array<std::string_view, kRaiseCount> kRaiseNames = {
    "zivoty", "mana", "sila", "obratnost", "energie", "rychlost"};

void PrintSheet(const CharacterSheetWindow& sheet, std::ostream& out) {
  out << TerminalText(sheet.Jmeno) << '\n' << "  XP: " << TerminalText(sheet.XP) << '\n';
  const std::pair<const char*, const std::string*> lines[] = {
      {"zivoty", &sheet.Zivoty},       {"mana", &sheet.Mana},         {"sila", &sheet.Sila},
      {"obratnost", &sheet.Obratnost}, {"rychlost", &sheet.Rychlost}, {"energie", &sheet.Energie},
      {"weapon", &sheet.Zbran},        {"armour", &sheet.Zbroj}};
  for (const auto& [name, line] : lines) {
    if (line == &sheet.Mana && sheet.HideMana) continue;
    out << "  " << name << ": " << TerminalText(*line) << '\n';
  }
  out << "Raises you can pay:";
  bool any = false;
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    if (!sheet.RaiseVisible[k]) continue;
    out << ' ' << kRaiseNames[k] << " (" << kRaiseLetters[k] << ')';
    any = true;
  }
  out << (any ? "\n" : " none\n");
  PrintNonEmpty(out, sheet.XPinfo);
  out << "(a letter raises that value, x closes)\n";
}

std::optional<ScriptLine> TranslateSheet(const std::vector<std::string>& words) {
  if (words.size() != 1) return std::nullopt;
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    if (words[0] == kRaiseLetters[k]) return Line("raise", {std::string(kRaiseNames[k])});
  }
  return std::nullopt;
}

void PrintList(std::ostream& out, std::string_view heading, const std::vector<TLELabel>& list) {
  out << heading << ":";
  if (list.empty()) out << " none";
  out << '\n';
  int n = 0;
  for (const TLELabel& label : list)
    out << "  " << ++n << ". " << TerminalText(label.Caption) << '\n';
}

void PrintInventory(const InventoryWindow& inventory, std::ostream& out) {
  out << TerminalText(inventory.CurrencyLabel + " " + inventory.Prachy) << '\n';
  PrintList(out, "Items", inventory.Items);
  PrintList(out, "Weapons", inventory.Weapons);
  PrintList(out, "Armour", inventory.Armours);
  PrintList(out, "Objects", inventory.Objects);
  PrintNonEmpty(out, inventory.Status);
  PrintNonEmpty(out, inventory.Status2);
  out << "(u N uses item N, w N equips weapon N, a N armour N, o N object N, x closes)\n";
}

std::optional<ScriptLine> TranslateInventory(const InventoryWindow& inventory,
                                             const std::vector<std::string>& words) {
  if (words.size() != 2 || !Number(words[1])) return std::nullopt;
  const int32_t n = *Number(words[1]);
  const std::string& first = words[0];
  if (first == "u") return Line("use", {LabelNumber(inventory.Items, n)});
  if (first == "w") return Line("equip", {"weapon", LabelNumber(inventory.Weapons, n)});
  if (first == "a") return Line("equip", {"armour", LabelNumber(inventory.Armours, n)});
  if (first == "o") return Line("object", {LabelNumber(inventory.Objects, n)});
  return std::nullopt;
}

// --- save and settings -------------------------------------------------------

void PrintSettings(const SettingsWindow& settings, std::ostream& out) {
  out << "Settings: sound " << (settings.SoundOn ? "on" : "off") << ", music "
      << (settings.MusicOn ? "on" : "off") << ", sound volume " << settings.SoundVolume
      << ", music volume " << settings.MusicVolume << '\n'
      << "(zvuk on|off, hudba on|off, zvuk-hlasitost V, hudba-hlasitost V (0-255), "
         "ok keeps, x closes)\n";
}

std::optional<ScriptLine> TranslateSettings(const std::vector<std::string>& words) {
  if (words.size() == 1 && words[0] == "ok") return Line("ok");
  if (words.size() != 2) return std::nullopt;
  const std::string& first = words[0];
  if (first == "zvuk") return Line("sound", {words[1]});
  if (first == "hudba") return Line("music", {words[1]});
  if (first == "zvuk-hlasitost") return Line("sound-volume", {words[1]});
  if (first == "hudba-hlasitost") return Line("music-volume", {words[1]});
  return std::nullopt;
}

}  // namespace

bool IsTextWindow(const ModalWindow& window) {
  return dynamic_cast<const FightWindow*>(&window) || dynamic_cast<const ShopWindow*>(&window) ||
         dynamic_cast<const SellWindow*>(&window) ||
         dynamic_cast<const CharacterSheetWindow*>(&window) ||
         dynamic_cast<const InventoryWindow*>(&window) ||
         dynamic_cast<const SaveWindow*>(&window) || dynamic_cast<const SettingsWindow*>(&window);
}

void PrintTextWindow(const ModalWindow& window, std::ostream& out) {
  if (const auto* fight = dynamic_cast<const FightWindow*>(&window)) {
    PrintFight(*fight, out);
  } else if (const auto* shop = dynamic_cast<const ShopWindow*>(&window)) {
    PrintShop(*shop, out);
  } else if (const auto* sale = dynamic_cast<const SellWindow*>(&window)) {
    PrintSale(*sale, out);
  } else if (const auto* sheet = dynamic_cast<const CharacterSheetWindow*>(&window)) {
    PrintSheet(*sheet, out);
  } else if (const auto* inventory = dynamic_cast<const InventoryWindow*>(&window)) {
    PrintInventory(*inventory, out);
  } else if (const auto* save = dynamic_cast<const SaveWindow*>(&window)) {
    out << "Save the game under the name [" << TerminalText(save->NameField)
        << "] (Enter keeps it, - does not save): ";
  } else if (const auto* settings = dynamic_cast<const SettingsWindow*>(&window)) {
    PrintSettings(*settings, out);
  }
}

std::optional<ScriptLine> TranslateWindowLine(const ModalWindow& window, const std::string& line,
                                              std::ostream& out) {
  if (const auto* save = dynamic_cast<const SaveWindow*>(&window)) {
    if (line == "-") return Line("nosave");
    ScriptLine save_line = Line("save");
    save_line.Text = line.empty() ? Cp1250ToUtf8(save->NameField) : line;
    return save_line;
  }
  const std::vector<std::string> words = Words(line);
  if (words.empty()) {
    out << "Type a command of the window.\n";
    return std::nullopt;
  }
  // The fight closes itself once it is over; every other window takes x.
  if (words.size() == 1 && words[0] == "x" && !dynamic_cast<const FightWindow*>(&window)) {
    return Line("close");
  }
  std::optional<ScriptLine> result;
  if (const auto* fight = dynamic_cast<const FightWindow*>(&window)) {
    result = TranslateFight(*fight, words);
  } else if (dynamic_cast<const ShopWindow*>(&window)) {
    if (words.size() == 1 && Number(words[0])) result = Line("buy", {words[0]});
  } else if (const auto* sale = dynamic_cast<const SellWindow*>(&window)) {
    result = TranslateSale(*sale, words, out);
    if (result && result->Command.empty()) return std::nullopt;
  } else if (dynamic_cast<const CharacterSheetWindow*>(&window)) {
    result = TranslateSheet(words);
  } else if (const auto* inventory = dynamic_cast<const InventoryWindow*>(&window)) {
    result = TranslateInventory(*inventory, words);
  } else if (dynamic_cast<const SettingsWindow*>(&window)) {
    result = TranslateSettings(words);
  }
  if (!result) out << "Unknown command for this window.\n";
  return result;
}

void RunTextWindow(ModalWindow& window, Host& host, TextInput& input, std::ostream& out,
                   const WindowDrivers& drivers) {
  const auto driver = drivers.find(window.Kind());
  if (driver == drivers.end()) {
    window.Close();
    return;
  }
  auto* fight = dynamic_cast<FightWindow*>(&window);
  while (!window.IsClosed() && !host.ProgramEnded()) {
    if (fight && fight->FightOver) {
      // The won fight is read out once more, then it closes as its click does.
      PrintTextWindow(window, out);
      out << "The fight is over.\n" << std::flush;
      driver->second->Apply(window, Line("close"));
      break;
    }
    PrintTextWindow(window, out);
    if (!dynamic_cast<SaveWindow*>(&window)) out << "> ";
    out << std::flush;
    const std::optional<std::string> line = input.ReadLine();
    if (!line) {
      host.EndProgram();
      return;
    }
    const std::optional<ScriptLine> command = TranslateWindowLine(window, *line, out);
    if (!command) continue;
    try {
      driver->second->Apply(window, *command);
    } catch (const ScriptError& error) {
      out << VisibleControls(error.what(), LineLayout::Keep) << '\n';
    }
  }
}

}  // namespace qv
