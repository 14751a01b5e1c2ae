// InventoryWindow (TInventory): the inventory window: four lists of what the hero carries
// outside a fight (story objects, items, spare weapons, spare armour).
// Hovering an entry describes it in Status; clicking uses an item, equips a
// weapon or armour in place of the current one, or shows an object's
// picture. Every change is made on the game state at once and reported in
// Status2, one message a line.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "host/window.h"
#include "state/game_state.h"
#include "ui/picture_popup_window.h"
#include "ui/tle_label.h"

namespace qv {

namespace inventory_text {
inline constexpr std::string_view kObjects =
    "P\xF8"
    "edm\xECty";                                                           // Předměty
inline constexpr std::string_view kItems = "Invent\xE1\xF8";               // Inventář
inline constexpr std::string_view kWeapons = "Zbran\xEC a zbroje";         // Zbraně a zbroje
inline constexpr std::string_view kClose = "Zav\xF8\xEDt";                 // Zavřít
inline constexpr std::string_view kWeaponTaken = "Chopil ses zbran\xEC ";  // Chopil ses zbraně
inline constexpr std::string_view kArmourPutOn = "Obl\xE9kl jsi zbroj ";   // Oblékl jsi zbroj
}  // namespace inventory_text

// The currency name as the money line shows it: the first letter in upper
// case when it is one of a..z.
std::string CurrencyCaption(std::string_view currency_name);

class InventoryWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 670;
  static constexpr int kHeight = 603;
  static constexpr int kListTop = 55;
  static constexpr int kRowHeight = 17;
  static constexpr int kObjectsLeft = 32;
  static constexpr int kItemsLeft = 144;
  static constexpr int kWeaponsLeft = 256;
  static constexpr Colour kPlainColour = 0x000000;
  static constexpr Colour kPictureColour = 0x000080;  // maroon: the object has a picture

  // Milliseconds of some clock; only compared with itself.
  using Clock = std::function<int64_t()>;

  // The clock defaults to the system's steady clock.
  InventoryWindow(GameState& state, Host& host, Clock clock = {});

  std::string_view Kind() const override { return "inventory"; }

  // Hides every label of the four lists and builds them anew from the game
  // state. Run on opening and after every use or equip.
  void BuildLists();

  // The mouse over an entry of a list (by object or catalog number).
  void ObjectMouseEnter(int32_t number);
  void ItemMouseEnter(int32_t number);
  void WeaponMouseEnter(int32_t number);
  void ArmourMouseEnter(int32_t number);
  // Clicks on an entry. An item that cannot be used outside a fight and an
  // object without a picture do nothing.
  void ObjectClick(int32_t number);
  void ItemClick(int32_t number);
  void WeaponClick(int32_t number);
  void ArmourClick(int32_t number);

  // The mouse over the background picture: Status and Status2 are cleared
  // once the clock has moved on since the last use or equip.
  void BackgroundMouseMove();
  // The mouse over the close picture.
  void KrizekMouseMove() { Status = inventory_text::kClose; }

  // Closing: the close picture or any key. A countdown running out closes
  // the window the same way.
  void KrizekClick() { Close(); }
  void FormKeyPress() { Close(); }
  void Cancel() { Close(); }

  // Centres the window on a screen (the game window) of that size.
  void CentreOn(int width, int height);

  // The label of that number in a list, or nullptr when it is not listed.
  static const TLELabel* Find(const std::vector<TLELabel>& list, int32_t number);

  GameState& State;
  Host& host;

  std::string CurrencyLabel;  // Label9, the currency name, first letter in upper case
  std::string Prachy;         // PENIZE
  std::vector<TLELabel> Objects;
  std::vector<TLELabel> Items;
  std::vector<TLELabel> Weapons;
  std::vector<TLELabel> Armours;
  std::string Status;   // description of the hovered entry
  std::string Status2;  // the messages of uses and equips
  int Left = 0;
  int Top = 0;

  // The object picture pop-up, on black.
  PicturePopupWindow PictureWindow;

 private:
  // Runs a handler; a condition that cannot be evaluated abandons it with
  // the conversion message.
  void Guarded(const std::function<void()>& handler);
  void ActionDone();

  Clock clock_;
  std::optional<int64_t> last_action_;
};

}  // namespace qv
