#include "script/script_parser.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <utility>

#include "script/script_error.h"
#include "script/window_stack.h"

namespace qv {

namespace {

using namespace action;

// Every command of the language, for any window (also those of --gui).
constexpr std::string_view kCommands[] = {
    "dump",         "tick",         "new-game", "load-list",  "about",      "exit",
    "name",         "load",         "close",    "choose",     "click-text", "click-picture",
    "key",          "wheel",        "button",   "attack",     "items",      "spells",
    "use",          "cast",         "buy",      "sell",       "save",       "nosave",
    "answer",       "raise",        "equip",    "object",     "sound",      "music",
    "sound-volume", "music-volume", "ok",       "screenshot", "wait",
};

constexpr std::array<std::string_view, kRaiseCount> kRaiseWords = {
    "zivoty", "mana", "sila", "obratnost", "energie", "rychlost"};

bool IsKnownCommand(std::string_view command) {
  for (std::string_view known : kCommands) {
    if (known == command) return true;
  }
  return false;
}

// --- Arguments ---------------------------------------------------------------

int32_t ParseNumber(const ScriptLine& line, std::string_view text) {
  int32_t value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (!text.empty() && text.front() == '+') ++begin;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (begin == end || error != std::errc() || stop != end) {
    throw ScriptError(line.Command + ": '" + std::string(text) + "' is not a whole number");
  }
  return value;
}

void ExpectNoArguments(const ScriptLine& line) {
  if (!line.Arguments.empty()) throw ScriptError(line.Command + " takes no arguments");
}

std::string_view WordArgument(const ScriptLine& line) {
  if (line.Arguments.size() != 1) throw ScriptError(line.Command + " takes one argument");
  return line.Arguments.front();
}

int32_t NumberArgument(const ScriptLine& line) { return ParseNumber(line, WordArgument(line)); }

// A command without arguments, once they are checked.
template <typename A>
ScriptAction Bare(const ScriptLine& line) {
  ExpectNoArguments(line);
  return A{};
}

// --- One window each ---------------------------------------------------------
// Each returns nullopt for a command that does not belong to its window.

using Parsed = std::optional<ScriptAction>;

Parsed ParseMenu(const ScriptLine& line) {
  const std::string& c = line.Command;
  if (c == "new-game") return Bare<NewGame>(line);
  if (c == "load-list") return Bare<OpenLoadList>(line);
  if (c == "about") return Bare<OpenAbout>(line);
  if (c == "exit") return Bare<Exit>(line);
  return std::nullopt;
}

Parsed ParseName(const ScriptLine& line) {
  if (line.Command == "name") return TypeName{line.Text};
  return std::nullopt;
}

Parsed ParseAbout(const ScriptLine& line) {
  if (line.Command == "close") return Bare<Close>(line);
  return std::nullopt;
}

Parsed ParseLoadList(const ScriptLine& line) {
  if (line.Command == "close") return Bare<Close>(line);
  if (line.Command == "load") return Load{NumberArgument(line)};
  return std::nullopt;
}

Key KeyNamed(std::string_view word) {
  constexpr std::pair<std::string_view, Key> kKeys[] = {
      {"up", Key::Up},   {"down", Key::Down}, {"pageup", Key::PageUp}, {"pagedown", Key::PageDown},
      {"kp8", Key::Kp8}, {"kp2", Key::Kp2},   {"alt-f4", Key::AltF4},
      {"f5", Key::F5},   {"f9", Key::F9},     {"v", Key::V},           {"r", Key::R},
      {"h", Key::H},     {"shift-c", Key::ShiftC}};
  for (const auto& [name, key] : kKeys) {
    if (name == word) return key;
  }
  throw ScriptError("key: unknown key '" + std::string(word) + "'");
}

constexpr std::pair<std::string_view, PageButton> kButtons[] = {
    {"postava", PageButton::Postava},   {"vybaveni", PageButton::Vybaveni},
    {"napoveda", PageButton::Napoveda}, {"audio", PageButton::Audio},
    {"konec", PageButton::Konec},       {"pokracovat", PageButton::Pokracovat}};

PageButton ButtonNamed(std::string_view word) {
  for (const auto& [name, button] : kButtons) {
    if (name == word) return button;
  }
  throw ScriptError("button: unknown button '" + std::string(word) + "'");
}

Parsed ParseGame(const ScriptLine& line) {
  const std::string& c = line.Command;
  if (c == "choose") return Choose{NumberArgument(line)};
  if (c == "click-text") return ClickText{NumberArgument(line)};
  if (c == "click-picture") return ClickPicture{NumberArgument(line)};
  if (c == "key") return PressKey{KeyNamed(WordArgument(line))};
  if (c == "wheel") {
    const std::string_view direction = WordArgument(line);
    if (direction != "up" && direction != "down") {
      throw ScriptError("wheel: up or down, not '" + std::string(direction) + "'");
    }
    return Wheel{direction == "up"};
  }
  if (c == "button") return Button{ButtonNamed(WordArgument(line))};
  return std::nullopt;
}

Parsed ParseDeath(const ScriptLine& line) {
  if (line.Command == "ok") return Bare<Ok>(line);
  return std::nullopt;
}

Parsed ParseAnswer(const ScriptLine& line) {
  if (line.Command == "answer") return Answer{line.Text};
  return std::nullopt;
}

Parsed ParsePicture(const ScriptLine& line) {
  if (line.Command == "close") return Bare<Close>(line);
  return std::nullopt;
}

Parsed ParseSave(const ScriptLine& line) {
  if (line.Command == "save") return Save{line.Text};
  if (line.Command == "nosave") return Bare<DontSave>(line);
  return std::nullopt;
}

Parsed ParseFight(const ScriptLine& line) {
  const std::string& c = line.Command;
  if (c == "attack") return action::Attack{NumberArgument(line)};
  if (c == "items") return Bare<ShowItems>(line);
  if (c == "spells") return Bare<ShowSpells>(line);
  if (c == "use") return Use{NumberArgument(line)};
  if (c == "cast") return Cast{NumberArgument(line)};
  if (c == "close") return Bare<Close>(line);
  return std::nullopt;
}

Parsed ParseShop(const ScriptLine& line) {
  if (line.Command == "buy") return Buy{NumberArgument(line)};
  if (line.Command == "close") return Bare<Close>(line);
  return std::nullopt;
}

Parsed ParseSell(const ScriptLine& line) {
  if (line.Command == "close") return Bare<Close>(line);
  if (line.Command != "sell") return std::nullopt;
  if (line.Arguments.size() != 2) {
    throw ScriptError("sell takes two arguments: weapon|armour|item and a catalog number");
  }
  for (SaleGoods goods : {SaleGoods::Weapon, SaleGoods::Armour, SaleGoods::Item}) {
    if (GoodsWord(goods) == line.Arguments[0]) {
      return Sell{goods, ParseNumber(line, line.Arguments[1])};
    }
  }
  throw ScriptError("sell: weapon, armour or item, not '" + line.Arguments[0] + "'");
}

Parsed ParseSheet(const ScriptLine& line) {
  if (line.Command == "close") return Bare<Close>(line);
  if (line.Command != "raise") return std::nullopt;
  const std::string_view word = WordArgument(line);
  for (std::size_t k = 0; k < kRaiseCount; ++k) {
    if (kRaiseWords[k] == word) return Raise{static_cast<RaiseIndex>(k)};
  }
  throw ScriptError("raise: zivoty, mana, sila, obratnost, energie or rychlost, not '" +
                    std::string(word) + "'");
}

Parsed ParseInventory(const ScriptLine& line) {
  const std::string& c = line.Command;
  if (c == "use") return Use{NumberArgument(line)};
  if (c == "object") return ClickObject{NumberArgument(line)};
  if (c == "close") return Bare<Close>(line);
  if (c != "equip") return std::nullopt;
  if (line.Arguments.size() != 2) throw ScriptError("equip takes two arguments");
  const std::string& gear = line.Arguments[0];
  if (gear == "weapon") return Equip{Gear::Weapon, ParseNumber(line, line.Arguments[1])};
  if (gear == "armour") return Equip{Gear::Armour, ParseNumber(line, line.Arguments[1])};
  throw ScriptError("equip: weapon or armour, not '" + gear + "'");
}

bool OnOff(const ScriptLine& line) {
  const std::string_view word = WordArgument(line);
  if (word == "on") return true;
  if (word == "off") return false;
  throw ScriptError(line.Command + ": on or off, not '" + std::string(word) + "'");
}

int32_t SliderValue(const ScriptLine& line) {
  // The slider's range (SettingsWindow::kSliderMin .. kSliderMax).
  constexpr int32_t kMin = 0;
  constexpr int32_t kMax = 255;
  const int32_t value = NumberArgument(line);
  if (value < kMin || value > kMax) {
    throw ScriptError(line.Command + ": the slider goes from 0 to 255, not " +
                      std::to_string(value));
  }
  return value;
}

Parsed ParseSettings(const ScriptLine& line) {
  const std::string& c = line.Command;
  if (c == "sound") return Switch{Channel::Sound, OnOff(line)};
  if (c == "music") return Switch{Channel::Music, OnOff(line)};
  if (c == "sound-volume") return Volume{Channel::Sound, SliderValue(line)};
  if (c == "music-volume") return Volume{Channel::Music, SliderValue(line)};
  if (c == "ok") return Bare<Ok>(line);
  if (c == "close") return Bare<Close>(line);
  return std::nullopt;
}

struct WindowWords {
  std::string_view Kind;
  Parsed (*Parse)(const ScriptLine&);
};

// The windows scripts can drive, by the kind the dump names them with.
constexpr WindowWords kWindows[] = {
    {kMenuWindow, ParseMenu},    {kNameWindow, ParseName},
    {kAboutWindow, ParseAbout},  {kLoadListWindow, ParseLoadList},
    {kGameWindow, ParseGame},    {kDeathWindow, ParseDeath},
    {"answer", ParseAnswer},     {"picture", ParsePicture},
    {"save", ParseSave},         {"fight", ParseFight},
    {"shop", ParseShop},         {"sell", ParseSell},
    {"sheet", ParseSheet},       {"inventory", ParseInventory},
    {"settings", ParseSettings},
};

[[noreturn]] void DoesNotFit(const ScriptLine& line, std::string_view window) {
  throw ScriptError("'" + line.Command + "' does not fit the window on top (" +
                    std::string(window) + ")");
}

// The commands of every window.
Parsed ParseAnyWindow(const ScriptLine& line, ScriptHostKind host) {
  const std::string& c = line.Command;
  if (c == "dump") return Bare<Dump>(line);
  if (c == "tick") {
    const int32_t count = line.Arguments.empty() ? 1 : NumberArgument(line);
    if (count < 0) throw ScriptError("tick: the number of ticks cannot be negative");
    return Tick{count};
  }
  if (c != "screenshot" && c != "wait") return std::nullopt;
  if (host != ScriptHostKind::Desktop) {
    throw ScriptError("'" + c + "' needs the desktop windows (--gui)");
  }
  if (c == "wait") {
    const int32_t ms = NumberArgument(line);
    if (ms < 0) throw ScriptError("wait: the time cannot be negative");
    return Wait{ms};
  }
  if (line.Text.empty()) throw ScriptError("screenshot: name the PNG file to write");
  return Screenshot{line.Text};
}

}  // namespace

ScriptAction ParseAction(const ScriptLine& line, std::string_view window, ScriptHostKind host) {
  if (!IsKnownCommand(line.Command)) throw ScriptError("unknown command '" + line.Command + "'");
  if (Parsed any = ParseAnyWindow(line, host)) return std::move(*any);
  if (window.empty()) DoesNotFit(line, window);
  for (const WindowWords& words : kWindows) {
    if (words.Kind != window) continue;
    if (Parsed action = words.Parse(line)) return std::move(*action);
    DoesNotFit(line, window);
  }
  throw ScriptError("'" + line.Command + "' cannot be applied: the " + std::string(window) +
                    (host == ScriptHostKind::Desktop
                         ? " window cannot be shown in the desktop window yet"
                         : " window cannot be driven by scripts yet"));
}

std::string_view CommandWord(const ScriptAction& action) {
  return std::visit(
      Overloaded{
          [](const Dump&) { return "dump"; },
          [](const Tick&) { return "tick"; },
          [](const Screenshot&) { return "screenshot"; },
          [](const Wait&) { return "wait"; },
          [](const NewGame&) { return "new-game"; },
          [](const OpenLoadList&) { return "load-list"; },
          [](const OpenAbout&) { return "about"; },
          [](const Exit&) { return "exit"; },
          [](const TypeName&) { return "name"; },
          [](const Load&) { return "load"; },
          [](const Choose&) { return "choose"; },
          [](const ClickText&) { return "click-text"; },
          [](const ClickPicture&) { return "click-picture"; },
          [](const PressKey&) { return "key"; },
          [](const Wheel&) { return "wheel"; },
          [](const Button&) { return "button"; },
          [](const action::Attack&) { return "attack"; },
          [](const ShowItems&) { return "items"; },
          [](const ShowSpells&) { return "spells"; },
          [](const Use&) { return "use"; },
          [](const Cast&) { return "cast"; },
          [](const Buy&) { return "buy"; },
          [](const Sell&) { return "sell"; },
          [](const Raise&) { return "raise"; },
          [](const Equip&) { return "equip"; },
          [](const ClickObject&) { return "object"; },
          [](const Save&) { return "save"; },
          [](const DontSave&) { return "nosave"; },
          [](const Answer&) { return "answer"; },
          [](const Switch& s) { return s.Which == Channel::Sound ? "sound" : "music"; },
          [](const Volume& v) {
            return v.Which == Channel::Sound ? "sound-volume" : "music-volume";
          },
          [](const Ok&) { return "ok"; },
          [](const Close&) { return "close"; },
      },
      action);
}

std::string_view RaiseWord(RaiseIndex raise) { return kRaiseWords[raise]; }

std::string_view ButtonWord(PageButton button) {
  for (const auto& [name, named] : kButtons) {
    if (named == button) return name;
  }
  return "";
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

}  // namespace qv
