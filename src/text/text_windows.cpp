#include "text/text_windows.h"

#include <array>
#include <charconv>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "combat/fight_window.h"
#include "data/cp1250.h"
#include "possessions/character_sheet_window.h"
#include "possessions/inventory_window.h"
#include "possessions/sell_window.h"
#include "possessions/shop_window.h"
#include "script/script_error.h"
#include "script/script_parser.h"
#include "script/visible_controls.h"
#include "state/save_window.h"
#include "state/settings_window.h"

namespace qv {

namespace {

using Words = std::vector<std::string>;

std::optional<int32_t> Number(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// What a typed line means in a window: an action, or nothing (explained
// already when `Explained`, else the caller says the line is unknown).
struct Reply {
  std::optional<ScriptAction> Action;
  bool Explained = false;
};

Reply Act(ScriptAction action) { return Reply{std::move(action), false}; }

// The catalog number of the nth shown label (from 1); 0 (which no label
// holds, so the driver refuses it with its own words) when there is no such
// row.
int32_t LabelNumber(const std::vector<TLELabel>& labels, int32_t n) {
  if (n < 1 || n > static_cast<int32_t>(labels.size())) return 0;
  return labels[static_cast<std::size_t>(n - 1)].idx;
}

void PrintLabels(std::ostream& out, const std::vector<TLELabel>& labels, Colour enabled) {
  int n = 0;
  for (const TLELabel& label : labels) {
    out << "  " << ++n << ". " << TerminalText(label.Caption);
    if (label.FontColour != enabled) out << " (nelze)";
    out << '\n';
  }
}

void PrintNonEmpty(std::ostream& out, std::string_view text) {
  if (!text.empty()) out << TerminalText(text) << '\n';
}

// --- fight ---------------------------------------------------------------

// The captions of the fight window's value lines (Windows-1250).
constexpr std::string_view kFightLives = "\x8Eivoty";  // Životy
constexpr std::string_view kFightAttack = "\xDAtok";   // Útok
constexpr std::string_view kFightDefence = "Obrana";
constexpr std::string_view kFightDamage = "Po\x9Akozen\xED";  // Poškození
constexpr std::string_view kFightHardness = "Tvrdost";

// One caption and value a line, as a screen reader reads best.
void PrintValue(std::ostream& out, std::string_view caption, const std::string& value) {
  out << "    " << TerminalText(caption) << ": " << TerminalText(value) << '\n';
}

void PrintFight(const FightWindow& fight, std::ostream& out) {
  const FightLines& l = fight.Lines;
  out << "Souboj: " << TerminalText(l.EnemyName) << '\n' << "  Nepřítel\n";
  PrintValue(out, kFightLives, l.EnemyLives);
  PrintValue(out, kFightAttack, l.EnemyAttack);
  PrintValue(out, kFightDefence, l.EnemyDefence);
  PrintValue(out, kFightDamage, l.EnemyDamage);
  PrintValue(out, kFightHardness, l.EnemyHardness);
  out << "  Ty\n";
  PrintValue(out, kFightLives, l.PlayerLives);
  if (!fight.HideMana) PrintValue(out, sheet_text::kMana, l.PlayerMana);
  PrintValue(out, sheet_text::kSpeed, l.PlayerSpeed);
  PrintValue(out, sheet_text::kEnergy, l.PlayerEnergy);
  PrintValue(out, kFightAttack, l.PlayerAttack);
  PrintValue(out, kFightDefence, l.PlayerDefence);
  PrintValue(out, kFightDamage, l.PlayerDamage);
  PrintValue(out, kFightHardness, l.PlayerHardness);
  PrintNonEmpty(out, fight.Summary1);
  PrintNonEmpty(out, fight.Summary2);
  PrintNonEmpty(out, fight.Summary3);
  PrintNonEmpty(out, fight.NoAttackNotice);
  if (!fight.ActionLabels.empty()) {
    out << "Akce:\n";
    PrintLabels(out, fight.ActionLabels, kFightBlack);
  }
  if (fight.OpenList != UseList::None) {
    out << (fight.OpenList == UseList::Items ? "Předměty:\n" : "Kouzla:\n");
    PrintLabels(out, fight.UseLabels, kFightWhite);
  }
  out << "(číslo útočí";
  if (fight.Predmety.Visible) out << ", i předměty";
  if (fight.Kouzla.Visible && !fight.Kouzla.Caption.empty()) out << ", s kouzla";
  if (fight.OpenList == UseList::Items) out << ", u N použije předmět N";
  if (fight.OpenList == UseList::Spells) out << ", c N sešle kouzlo N";
  out << ")\n";
}

Reply TranslateFight(const FightWindow& fight, const Words& words) {
  const std::string& first = words[0];
  if (words.size() == 1) {
    if (const auto n = Number(first))
      return Act(action::Attack{LabelNumber(fight.ActionLabels, *n)});
    if (first == "i") return Act(action::ShowItems{});
    if (first == "s") return Act(action::ShowSpells{});
  }
  if (words.size() == 2 && (first == "u" || first == "c") && Number(words[1])) {
    // A list that is not open is reported by the driver, with the same words.
    const int32_t number = LabelNumber(fight.UseLabels, *Number(words[1]));
    return first == "u" ? Act(action::Use{number}) : Act(action::Cast{number});
  }
  return {};
}

// --- shop and sale ---------------------------------------------------------

void PrintShop(const ShopWindow& shop, std::ostream& out) {
  out << TerminalText(shop.Heading.Money) << '\n';
  const std::size_t rows = std::min(shop.RowLabels.size(), shop.Offer.size());
  for (std::size_t i = 0; i < rows; ++i) {
    out << "  " << i + 1 << ". " << TerminalText(shop.Offer[i].Name) << ", cena "
        << shop.Offer[i].Price << '\n';
  }
  PrintNonEmpty(out, shop.MessageLine);
  out << "(číslo koupí řádek, x zavře obchod)\n";
}

// The shown rows of the sale, in order.
std::vector<const SaleEntry*> ShownEntries(const SellWindow& sale) {
  std::vector<const SaleEntry*> shown;
  for (const SaleEntry& entry : sale.Entries) {
    if (entry.Label.Visible) shown.push_back(&entry);
  }
  return shown;
}

void PrintSale(const SellWindow& sale, std::ostream& out) {
  out << TerminalText(sale.Heading.Money) << '\n';
  int n = 0;
  for (const SaleEntry* entry : ShownEntries(sale)) {
    out << "  " << ++n << ". " << TerminalText(entry->Label.Caption) << '\n';
  }
  out << "(číslo prodá jeden kus, x zavře)\n";
}

Reply TranslateShop(const ShopWindow&, const Words& words) {
  if (words.size() == 1 && Number(words[0])) return Act(action::Buy{*Number(words[0])});
  return {};
}

// Selling asks first: the price the window pays (its own hover line) and
// then yes or no, since a piece sold cannot be bought back at that price.
Reply TranslateSale(SellWindow& sale, const Words& words, TextInput& input, std::ostream& out) {
  if (words.size() != 1) return {};
  const auto n = Number(words[0]);
  if (!n) return {};
  const std::vector<const SaleEntry*> shown = ShownEntries(sale);
  if (*n < 1 || *n > static_cast<int32_t>(shown.size())) {
    out << "Řádek " << *n << " neexistuje.\n";
    return Reply{std::nullopt, true};
  }
  const SaleEntry& entry = *shown[static_cast<std::size_t>(*n - 1)];
  sale.EntryMouseMove(static_cast<std::size_t>(&entry - sale.Entries.data()));
  out << TerminalText(entry.Label.Caption) << '\n';
  PrintNonEmpty(out, sale.Status);
  out << "Prodat? (a = ano, cokoli jiného = ne) " << std::flush;
  const std::optional<std::string> answer = input.ReadLine();
  sale.FormMouseMove();
  if (!answer || (*answer != "a" && *answer != "ano")) {
    out << "Neprodáno.\n";
    return Reply{std::nullopt, true};
  }
  return Act(action::Sell{entry.Goods, entry.Number});
}

// --- character sheet and inventory -----------------------------------------

// The letters of the raises, in RaiseIndex order.
constexpr std::array<std::string_view, kRaiseCount> kRaiseLetters = {"z", "m", "s", "o", "e", "r"};

void PrintSheet(const CharacterSheetWindow& sheet, std::ostream& out) {
  out << TerminalText(sheet.Jmeno) << '\n';
  PrintValue(out, sheet_text::kExperience, sheet.XP);
  const std::pair<std::string_view, const std::string*> lines[] = {
      {sheet_text::kLives, &sheet.Zivoty},   {sheet_text::kMana, &sheet.Mana},
      {sheet_text::kStrength, &sheet.Sila},  {sheet_text::kDexterity, &sheet.Obratnost},
      {sheet_text::kSpeed, &sheet.Rychlost}, {sheet_text::kEnergy, &sheet.Energie},
      {sheet_text::kWeapon, &sheet.Zbran},   {sheet_text::kArmour, &sheet.Zbroj}};
  for (const auto& [caption, line] : lines) {
    if (line == &sheet.Mana && sheet.HideMana) continue;
    PrintValue(out, caption, *line);
  }
  // Every raise with its price, as the sheet's hint names it; those the
  // experience cannot pay are marked.
  out << "Zvýšení:\n";
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    const auto raise = static_cast<RaiseIndex>(k);
    if (raise == kRaiseMana && sheet.HideMana) continue;
    out << "  " << kRaiseLetters[k] << ". "
        << TerminalText(std::string(RaiseHint(raise)) +
                        std::to_string(sheet.State.Character.RaiseCost[k]) + " XP");
    if (!sheet.RaiseVisible[k]) out << " (nelze)";
    out << '\n';
  }
  PrintNonEmpty(out, sheet.XPinfo);
  out << "(písmeno zvýší hodnotu, x zavře)\n";
}

Reply TranslateSheet(const CharacterSheetWindow&, const Words& words) {
  if (words.size() != 1) return {};
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    if (words[0] == kRaiseLetters[k]) return Act(action::Raise{static_cast<RaiseIndex>(k)});
  }
  return {};
}

void PrintList(std::ostream& out, std::string_view heading, const std::vector<TLELabel>& list) {
  out << TerminalText(heading) << ":";
  if (list.empty()) out << " nic";
  out << '\n';
  int n = 0;
  for (const TLELabel& label : list)
    out << "  " << ++n << ". " << TerminalText(label.Caption) << '\n';
}

void PrintInventory(const InventoryWindow& inventory, std::ostream& out) {
  out << TerminalText(inventory.CurrencyLabel + " " + inventory.Prachy) << '\n';
  PrintList(out, inventory_text::kItems, inventory.Items);
  PrintList(out, "Zbran\xEC", inventory.Weapons);  // Zbraně
  PrintList(out, "Zbroje", inventory.Armours);
  PrintList(out, inventory_text::kObjects, inventory.Objects);
  PrintNonEmpty(out, inventory.Status);
  PrintNonEmpty(out, inventory.Status2);
  out << "(u N použije věc N, w N vezme zbraň N, a N oblékne zbroj N, o N ukáže předmět N, "
         "x zavře)\n";
}

Reply TranslateInventory(const InventoryWindow& inventory, const Words& words) {
  if (words.size() != 2 || !Number(words[1])) return {};
  const int32_t n = *Number(words[1]);
  const std::string& first = words[0];
  using action::Gear;
  if (first == "u") return Act(action::Use{LabelNumber(inventory.Items, n)});
  if (first == "w") return Act(action::Equip{Gear::Weapon, LabelNumber(inventory.Weapons, n)});
  if (first == "a") return Act(action::Equip{Gear::Armour, LabelNumber(inventory.Armours, n)});
  if (first == "o") return Act(action::ClickObject{LabelNumber(inventory.Objects, n)});
  return {};
}

// --- save and settings -------------------------------------------------------

void PrintSettings(const SettingsWindow& settings, std::ostream& out) {
  out << TerminalText(kSettingsCaption) << '\n'
      << "  zvuk: " << (settings.SoundOn ? "zapnuto" : "vypnuto") << '\n'
      << "  hudba: " << (settings.MusicOn ? "zapnuto" : "vypnuto") << '\n'
      << "  hlasitost zvuku: " << settings.SoundVolume << '\n'
      << "  hlasitost hudby: " << settings.MusicVolume << '\n'
      << "(zvuk on|off, hudba on|off, zvuk-hlasitost V, hudba-hlasitost V (0-255), "
         "ok uloží, x zavře)\n";
}

// The settings' Czech words stand for the script's; their values are
// checked by the script's parser, with its messages.
Reply TranslateSettings(const SettingsWindow&, const Words& words) {
  if (words.size() == 1 && words[0] == "ok") return Act(action::Ok{});
  if (words.size() != 2) return {};
  constexpr std::pair<std::string_view, std::string_view> kWords[] = {
      {"zvuk", "sound"},
      {"hudba", "music"},
      {"zvuk-hlasitost", "sound-volume"},
      {"hudba-hlasitost", "music-volume"}};
  for (const auto& [typed, command] : kWords) {
    if (words[0] != typed) continue;
    ScriptLine line;
    line.Command = std::string(command);
    line.Arguments = {words[1]};
    line.Text = words[1];
    return Act(ParseAction(line, "settings", ScriptHostKind::Headless));
  }
  return {};
}

void PrintSave(const SaveWindow& save, std::ostream& out) {
  out << TerminalText("Chce\x9A ulo\x9Eit pozici?") << " Název [" << TerminalText(save.NameField)
      << "] (Enter ponechá, - neukládat): ";
}

// The whole line is the name: Enter keeps the proposed one, "-" does not
// save.
Reply TranslateSave(const SaveWindow& save, const std::string& line) {
  if (line == "-") return Act(action::DontSave{});
  return Act(action::Save{line.empty() ? Cp1250ToUtf8(save.NameField) : line});
}

// What the terminal knows of one kind of window the game opens.
struct TextWindowKind {
  std::string_view Kind;
  // True when the window is the model of its kind (a test's stand-in is not).
  bool (*Plays)(const ModalWindow& window);
  void (*Print)(const ModalWindow& window, std::ostream& out);
  Reply (*Translate)(ModalWindow& window, const std::string& line, const Words& words,
                     TextInput& input, std::ostream& out);
  // The save window takes its name as the whole line, with no "> " prompt
  // and no command words.
  bool NamePrompt = false;
  // The fight closes itself once it is over; every other window takes x.
  bool ClosesWithX = true;
};

// The entry of a window model W, from its printing and translating
// functions (translations that need no output, no window or no further
// line are adapted).
template <typename W, auto PrintW, auto TranslateW>
TextWindowKind KindOf(std::string_view kind, bool name_prompt = false, bool closes_with_x = true) {
  return TextWindowKind{
      kind,
      [](const ModalWindow& window) { return dynamic_cast<const W*>(&window) != nullptr; },
      [](const ModalWindow& window, std::ostream& out) {
        PrintW(static_cast<const W&>(window), out);
      },
      [](ModalWindow& window, const std::string& line, const Words& words, TextInput& input,
         std::ostream& out) -> Reply {
        auto& w = static_cast<W&>(window);
        if constexpr (std::is_invocable_v<decltype(TranslateW), W&, const Words&, TextInput&,
                                          std::ostream&>) {
          return TranslateW(w, words, input, out);
        } else if constexpr (std::is_invocable_v<decltype(TranslateW), const W&, const Words&,
                                                 std::ostream&>) {
          return TranslateW(w, words, out);
        } else if constexpr (std::is_invocable_v<decltype(TranslateW), const W&, const Words&>) {
          return TranslateW(w, words);
        } else {
          return TranslateW(w, line);
        }
      },
      name_prompt,
      closes_with_x};
}

const std::vector<TextWindowKind>& TextWindowKinds() {
  static const std::vector<TextWindowKind> kinds = {
      KindOf<FightWindow, PrintFight, TranslateFight>("fight", false, false),
      KindOf<ShopWindow, PrintShop, TranslateShop>("shop"),
      KindOf<SellWindow, PrintSale, TranslateSale>("sell"),
      KindOf<CharacterSheetWindow, PrintSheet, TranslateSheet>("sheet"),
      KindOf<InventoryWindow, PrintInventory, TranslateInventory>("inventory"),
      KindOf<SaveWindow, PrintSave, TranslateSave>("save", true),
      KindOf<SettingsWindow, PrintSettings, TranslateSettings>("settings"),
  };
  return kinds;
}

// The entry that plays `window`, or null.
const TextWindowKind* KindPlaying(const ModalWindow& window) {
  for (const TextWindowKind& kind : TextWindowKinds()) {
    if (kind.Kind == window.Kind() && kind.Plays(window)) return &kind;
  }
  return nullptr;
}

// The action the typed line stands for; nullopt (with an explanation
// printed) when the line means nothing there.
std::optional<ScriptAction> Translate(const TextWindowKind& kind, ModalWindow& window,
                                      const std::string& line, TextInput& input,
                                      std::ostream& out) {
  const Words words = kind.NamePrompt ? Words{} : SplitWords(line);
  if (!kind.NamePrompt) {
    if (words.empty()) {
      out << "Napiš příkaz okna.\n";
      return std::nullopt;
    }
    if (words.size() == 1 && words[0] == "x" && kind.ClosesWithX) return action::Close{};
  }
  Reply reply = kind.Translate(window, line, words, input, out);
  if (!reply.Action && !reply.Explained) out << "Neznámý příkaz pro toto okno.\n";
  return std::move(reply.Action);
}

}  // namespace

bool IsTextWindow(const ModalWindow& window) { return KindPlaying(window) != nullptr; }

void RunTextWindow(ModalWindow& window, Host& host, TextInput& input, std::ostream& out,
                   const WindowDrivers& drivers) {
  const TextWindowKind* kind = KindPlaying(window);
  const auto driver = drivers.find(window.Kind());
  if (!kind || driver == drivers.end()) {
    window.Close();
    return;
  }
  const auto* fight = dynamic_cast<const FightWindow*>(&window);
  while (!window.IsClosed() && !host.ProgramEnded()) {
    if (fight && fight->FightOver) {
      // The won fight is read out once more, then it closes as its click does.
      kind->Print(window, out);
      out << "Souboj skončil.\n" << std::flush;
      driver->second->Apply(window, action::Close{});
      break;
    }
    kind->Print(window, out);
    if (!kind->NamePrompt) out << "> ";
    out << std::flush;
    const std::optional<std::string> line = input.ReadLine();
    if (!line) {
      host.EndProgram();
      return;
    }
    try {
      const std::optional<ScriptAction> action = Translate(*kind, window, *line, input, out);
      if (action) driver->second->Apply(window, *action);
      const auto* save = dynamic_cast<const SaveWindow*>(&window);
      if (save && action && std::holds_alternative<action::Save>(*action) && window.IsClosed()) {
        // The window closes only once the position is written.
        out << "Pozice uložena: " << TerminalText(save->NameField) << '\n';
      }
    } catch (const ScriptError& error) {
      out << VisibleControls(error.what(), LineLayout::Keep) << '\n';
    }
  }
}

}  // namespace qv
