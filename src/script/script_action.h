// What a script line asks for, as a value: the words of the play script
// parsed once (script_parser.h) into one small struct per command. Every
// host applies these and nothing else: the headless runner calls the
// window models, the desktop replay turns them into mouse and keyboard
// events, and the terminal player makes them from its own short commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "possessions/sell_window.h"
#include "state/character_state.h"

namespace qv::action {

// --- Any window ------------------------------------------------------------

struct Dump {};
struct Tick {
  int32_t Count = 1;  // timer ticks of 100 ms
};
// The desktop replay's own two commands.
struct Screenshot {
  std::string File;  // as written in the script (UTF-8)
};
struct Wait {
  int32_t Milliseconds = 0;
};

// --- Start windows -----------------------------------------------------------

struct NewGame {};
struct OpenLoadList {};
struct OpenAbout {};
struct Exit {};
struct TypeName {
  std::string Text;  // UTF-8, trailing blanks kept
};
struct Load {
  int32_t Entry = 0;  // 1 = first shown
};

// --- The game window -------------------------------------------------------

struct Choose {
  int32_t Option = 0;  // 1-based
};
struct ClickText {
  int32_t Block = 0;  // 1-based
};
struct ClickPicture {
  int32_t Picture = 0;  // 1-based, among the in-text pictures
};
// F5, F9, V, R, H and Shift+C are the reading comforts' keys; the game
// window itself does nothing with them.
enum class Key { Up, Down, PageUp, PageDown, Kp8, Kp2, AltF4, F5, F9, V, R, H, ShiftC };
struct PressKey {
  Key Which = Key::Up;
};
struct Wheel {
  bool Up = true;
};
enum class PageButton { Postava, Vybaveni, Napoveda, Audio, Konec, Pokracovat };
struct Button {
  PageButton Which = PageButton::Konec;
};

// --- Fight -------------------------------------------------------------------

struct Attack {
  int32_t Number = 0;  // catalog number of the attack
};
struct ShowItems {};
struct ShowSpells {};
// `use N`: item N of the fight's open item list, or of the inventory.
struct Use {
  int32_t Number = 0;
};
struct Cast {
  int32_t Number = 0;
};

// --- Possessions -----------------------------------------------------------

struct Buy {
  int32_t Row = 0;  // 1-based
};
struct Sell {
  SaleGoods Goods = SaleGoods::Item;
  int32_t Number = 0;  // catalog number
};
struct Raise {
  RaiseIndex Which = kRaiseZivoty;
};
enum class Gear { Weapon, Armour };
struct Equip {
  Gear Which = Gear::Weapon;
  int32_t Number = 0;
};
struct ClickObject {
  int32_t Number = 0;  // object number
};

// --- Save, answer, settings, death -------------------------------------------

struct Save {
  std::string Name;  // UTF-8 as typed
};
struct DontSave {};
struct Answer {
  std::string Text;  // UTF-8 as typed
};
enum class Channel { Sound, Music };
struct Switch {
  Channel Which = Channel::Sound;
  bool On = true;
};
struct Volume {
  Channel Which = Channel::Sound;
  int32_t Value = 0;  // the slider's 0..255
};
// `ok`: the settings window's button, or the click on the death window.
struct Ok {};
// `close`: the close picture or button of the window on top.
struct Close {};

}  // namespace qv::action

namespace qv {

using ScriptAction =
    std::variant<action::Dump, action::Tick, action::Screenshot, action::Wait, action::NewGame,
                 action::OpenLoadList, action::OpenAbout, action::Exit, action::TypeName,
                 action::Load, action::Choose, action::ClickText, action::ClickPicture,
                 action::PressKey, action::Wheel, action::Button, action::Attack, action::ShowItems,
                 action::ShowSpells, action::Use, action::Cast, action::Buy, action::Sell,
                 action::Raise, action::Equip, action::ClickObject, action::Save, action::DontSave,
                 action::Answer, action::Switch, action::Volume, action::Ok, action::Close>;

// Builds one visitor out of lambdas, for std::visit over actions.
template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace qv
