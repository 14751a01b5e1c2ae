// The script language parsed once: which window each command fits, what it
// stands for, and the exact message of every line that cannot be parsed.
#include "script/script_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "script/script_error.h"

namespace qv {
namespace {

ScriptAction Parse(std::string_view window, std::string_view text,
                   ScriptHostKind host = ScriptHostKind::Headless) {
  return ParseAction(*ParseScriptLine(text, 1), window, host);
}

struct BadLine {
  const char* Window;
  const char* Line;
  const char* Message;
  ScriptHostKind Host = ScriptHostKind::Headless;
};

void PrintTo(const BadLine& bad, std::ostream* out) { *out << bad.Window << ": " << bad.Line; }

class BadLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadLineTest, IsRefusedWithItsMessage) {
  const BadLine& bad = GetParam();
  try {
    Parse(bad.Window, bad.Line, bad.Host);
    ADD_FAILURE() << "parsed";
  } catch (const ScriptError& error) {
    EXPECT_STREQ(error.what(), bad.Message);
  }
}

constexpr ScriptHostKind kDesktop = ScriptHostKind::Desktop;

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, BadLineTest,
    ::testing::Values(
        // Any window.
        BadLine{"game", "fly 3", "unknown command 'fly'"},
        BadLine{"menu", "Dump", "unknown command 'Dump'"},
        BadLine{"menu", "dump 1", "dump takes no arguments"},
        BadLine{"game", "tick -1", "tick: the number of ticks cannot be negative"},
        BadLine{"game", "tick 1 2", "tick takes one argument"},
        BadLine{"game", "tick x", "tick: 'x' is not a whole number"},
        BadLine{"game", "wait 5", "'wait' needs the desktop windows (--gui)"},
        BadLine{"game", "screenshot a.png", "'screenshot' needs the desktop windows (--gui)"},
        BadLine{"game", "wait -5", "wait: the time cannot be negative", kDesktop},
        BadLine{"game", "screenshot", "screenshot: name the PNG file to write", kDesktop},
        BadLine{"", "choose 1", "'choose' does not fit the window on top ()", kDesktop},
        BadLine{"clock", "close",
                "'close' cannot be applied: the clock window cannot be driven "
                "by scripts yet"},
        BadLine{"clock", "close",
                "'close' cannot be applied: the clock window cannot be shown in the desktop "
                "window yet",
                kDesktop},
        // Start windows.
        BadLine{"menu", "choose 1", "'choose' does not fit the window on top (menu)"},
        BadLine{"menu", "new-game now", "new-game takes no arguments"},
        BadLine{"name", "close", "'close' does not fit the window on top (name)"},
        BadLine{"about", "close now", "close takes no arguments"},
        BadLine{"load-list", "load q", "load: 'q' is not a whole number"},
        BadLine{"load-list", "load", "load takes one argument"},
        // The game window.
        BadLine{"game", "new-game", "'new-game' does not fit the window on top (game)"},
        BadLine{"game", "choose 1 2", "choose takes one argument"},
        BadLine{"game", "choose 2147483648", "choose: '2147483648' is not a whole number"},
        BadLine{"game", "choose +", "choose: '+' is not a whole number"},
        BadLine{"game", "click-picture x", "click-picture: 'x' is not a whole number"},
        BadLine{"game", "key f6", "key: unknown key 'f6'"},
        BadLine{"game", "key", "key takes one argument"},
        BadLine{"game", "wheel left", "wheel: up or down, not 'left'"},
        BadLine{"game", "button zmizet", "button: unknown button 'zmizet'"},
        // Fight.
        BadLine{"fight", "attack", "attack takes one argument"},
        BadLine{"fight", "items now", "items takes no arguments"},
        BadLine{"fight", "cast x", "cast: 'x' is not a whole number"},
        BadLine{"fight", "buy 1", "'buy' does not fit the window on top (fight)"},
        // Shop and sale.
        BadLine{"shop", "buy", "buy takes one argument"},
        BadLine{"shop", "sell weapon 1", "'sell' does not fit the window on top (shop)"},
        BadLine{"sell", "sell weapon",
                "sell takes two arguments: weapon|armour|item and a catalog number"},
        BadLine{"sell", "sell sword 4", "sell: weapon, armour or item, not 'sword'"},
        BadLine{"sell", "sell item x", "sell: 'x' is not a whole number"},
        // Character sheet and inventory.
        BadLine{"sheet", "raise magie",
                "raise: zivoty, mana, sila, obratnost, energie or rychlost, not 'magie'"},
        BadLine{"sheet", "raise", "raise takes one argument"},
        BadLine{"inventory", "equip weapon", "equip takes two arguments"},
        BadLine{"inventory", "equip sword 1", "equip: weapon or armour, not 'sword'"},
        BadLine{"inventory", "equip armour x", "equip: 'x' is not a whole number"},
        BadLine{"inventory", "object", "object takes one argument"},
        // Save, answer, picture, settings, death.
        BadLine{"save", "nosave x", "nosave takes no arguments"},
        BadLine{"save", "close", "'close' does not fit the window on top (save)"},
        BadLine{"answer", "close", "'close' does not fit the window on top (answer)"},
        BadLine{"picture", "close x", "close takes no arguments"},
        BadLine{"settings", "sound maybe", "sound: on or off, not 'maybe'"},
        BadLine{"settings", "music", "music takes one argument"},
        BadLine{"settings", "sound-volume 256",
                "sound-volume: the slider goes from 0 to 255, not 256"},
        BadLine{"settings", "music-volume -1",
                "music-volume: the slider goes from 0 to 255, not -1"},
        BadLine{"death", "close", "'close' does not fit the window on top (death)"}));

TEST(ScriptParserTest, WordsBecomeTheirActions) {
  using namespace action;
  EXPECT_EQ(std::get<Tick>(Parse("menu", "tick")).Count, 1);
  EXPECT_EQ(std::get<Tick>(Parse("menu", "tick +7")).Count, 7);
  EXPECT_EQ(std::get<Wait>(Parse("game", "wait 250", kDesktop)).Milliseconds, 250);
  EXPECT_EQ(std::get<Screenshot>(Parse("game", "screenshot a b.png", kDesktop)).File, "a b.png");
  // TEXT runs to the end of the line, trailing blanks kept.
  EXPECT_EQ(std::get<TypeName>(Parse("name", "name  Eli ška ")).Text, "Eli ška ");
  EXPECT_EQ(std::get<Save>(Parse("save", "save")).Name, "");
  EXPECT_EQ(std::get<Choose>(Parse("game", "choose 3")).Option, 3);
  EXPECT_EQ(std::get<PressKey>(Parse("game", "key kp2")).Which, Key::Kp2);
  EXPECT_EQ(std::get<PressKey>(Parse("game", "key f9")).Which, Key::F9);
  EXPECT_EQ(std::get<PressKey>(Parse("game", "key shift-c")).Which, Key::ShiftC);
  EXPECT_FALSE(std::get<Wheel>(Parse("game", "wheel down")).Up);
  EXPECT_EQ(std::get<Button>(Parse("game", "button pokracovat")).Which, PageButton::Pokracovat);
  // `use` belongs to both the fight and the inventory.
  EXPECT_EQ(std::get<Use>(Parse("fight", "use 4")).Number, 4);
  EXPECT_EQ(std::get<Use>(Parse("inventory", "use 5")).Number, 5);
  const Sell sell = std::get<Sell>(Parse("sell", "sell armour 2"));
  EXPECT_EQ(sell.Goods, SaleGoods::Armour);
  EXPECT_EQ(sell.Number, 2);
  const Equip equip = std::get<Equip>(Parse("inventory", "equip weapon 9"));
  EXPECT_EQ(equip.Which, Gear::Weapon);
  EXPECT_EQ(equip.Number, 9);
  EXPECT_EQ(std::get<Raise>(Parse("sheet", "raise rychlost")).Which, kRaiseRychlost);
  const Switch music = std::get<Switch>(Parse("settings", "music off"));
  EXPECT_EQ(music.Which, Channel::Music);
  EXPECT_FALSE(music.On);
  EXPECT_EQ(std::get<Volume>(Parse("settings", "sound-volume 255")).Value, 255);
  EXPECT_TRUE(std::holds_alternative<Ok>(Parse("death", "ok")));
}

TEST(ScriptParserTest, EveryActionNamesItsCommandWord) {
  for (const char* line :
       {"choose 1", "click-text 1", "click-picture 1", "key up", "wheel up", "button audio"}) {
    EXPECT_EQ(CommandWord(Parse("game", line)), SplitWords(line)[0]);
  }
  for (const char* line :
       {"sound on", "music on", "sound-volume 1", "music-volume 1", "ok", "close"}) {
    EXPECT_EQ(CommandWord(Parse("settings", line)), SplitWords(line)[0]);
  }
  EXPECT_EQ(CommandWord(Parse("inventory", "object 2")), "object");
  EXPECT_EQ(ButtonWord(action::PageButton::Vybaveni), "vybaveni");
  EXPECT_EQ(RaiseWord(kRaiseObratnost), "obratnost");
  EXPECT_EQ(GoodsWord(SaleGoods::Item), "item");
}

}  // namespace
}  // namespace qv
