// The texts the possession commands report, as Windows-1250 bytes, and the
// colours they are reported in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv::possession_text {

inline constexpr std::string_view kGained = "Z\xEDskal jsi ";  // "Získal jsi "
inline constexpr std::string_view kWeapon = "zbra\xF2 ";        // "zbraň "
inline constexpr std::string_view kArmour = "zbroj ";
inline constexpr std::string_view kItem =
    "p\xF8"
    "edm\xECt ";  // "předmět "
inline constexpr std::string_view kLost = "Ztratil jsi ";
inline constexpr std::string_view kLostAllWeapons =
    "Ztratil jsi v\x9A"
    "echny zbran\xEC ";  // "Ztratil jsi všechny zbraně "
inline constexpr std::string_view kLostAllArmours =
    "Ztratil jsi v\x9A"
    "echny zbroje ";                                                   // "... všechny zbroje "
inline constexpr std::string_view kInInventory = " v invent\xE1\xF8i!";  // " v inventáři!"
inline constexpr std::string_view kYourHis = "Tv\xF9j ";                  // "Tvůj "
inline constexpr std::string_view kChangedHis = " se zm\xECnil na ";      // " se změnil na "
inline constexpr std::string_view kYourHer = "Tv\xE1 ";                   // "Tvá "
inline constexpr std::string_view kChangedHer = " se zm\xECnila na ";     // " se změnila na "
inline constexpr std::string_view kNewSpell = "Um\xED\x9A nov\xE9 kouzlo!";  // "Umíš nové kouzlo!"
inline constexpr std::string_view kForgotSpell =
    "Zapomn\xECl jsi star\xE9 kouzlo!";  // "Zapomněl jsi staré kouzlo!"
inline constexpr std::string_view kNewAttack =
    "Um\xED\x9A nov\xFD \xFAtok!";  // "Umíš nový útok!"
inline constexpr std::string_view kForgotAttack =
    "Zapomn\xECl jsi star\xFD \xFAtok!";  // "Zapomněl jsi starý útok!"

inline constexpr std::string_view kWeaponColour = "aqua";
inline constexpr std::string_view kArmourColour = "white";
inline constexpr std::string_view kItemColour = "lime";
inline constexpr std::string_view kObjectColour = "silver";
inline constexpr std::string_view kLossColour = "red";
inline constexpr std::string_view kExchangeColour = "aqua";
inline constexpr std::string_view kLearnColour = "aqua";
inline constexpr std::string_view kForgetColour = "red";

// The count text of a gain: nothing for an amount below 2, else the amount
// as the tag wrote it followed by " x ".
inline std::string CountText(int32_t amount, std::string_view written) {
  if (amount < 2) return {};
  return std::string(written) + " x ";
}

}  // namespace qv::possession_text
