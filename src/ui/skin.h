// The gamebook's look: the menu skin "./grafika/menuskin.ini" (read when the
// main menu is created) and the game-window skin "./grafika/skin.ini" (read
// at the start of a game). A missing file or key takes the default below, so
// a gamebook without skin files plays maroon on black.
//
// Colour values are read as text and turned into colours as gamebook text
// does (a name such as "Maroon", or "$" / "*" and blue-green-red digits). A
// colour text that is neither keeps the default and is not reported:
// nothing in the skin file can point the player to the fault, and the game
// plays on in the default look. Booleans are integers (0 false, any other
// number true; no number counts as missing); sizes are decimal integers, and
// a size below 1 counts as missing, as does an empty font name.
#pragma once

#include <string_view>

#include "host/font.h"
#include "parser/colour.h"

namespace qv {

inline constexpr std::string_view kMenuSkinFile = "./grafika/menuskin.ini";
inline constexpr std::string_view kGameSkinFile = "./grafika/skin.ini";

inline constexpr Colour kSkinBlack = 0x000000;
inline constexpr Colour kSkinMaroon = 0x000080;
inline constexpr Colour kSkinYellow = 0x00FFFF;

// A font of the menu skin: face, size and style, and its colour.
struct SkinFont {
  qv::Font Font;
  qv::Colour Colour = kSkinBlack;
};

struct MenuSkin {
  Colour MainBackground = kSkinBlack;                   // the game window and the name entry
  Colour TransparentColour = 0x00030203;                // the skinned small windows
  bool TransparentForms = true;                         // TransparentColour is see-through
  SkinFont JmenoHry{{"Arial", 12, {}}, kSkinBlack};     // the title on the main menu
  SkinFont JmenoAutora{{"Arial", 10, {}}, kSkinBlack};  // the line above the title
  SkinFont OProgramu{{"Arial", 12, {.Bold = true}}, kSkinBlack};    // the about text
  SkinFont Verze{{"Arial", 8, {}}, kSkinBlack};                     // its version line
  SkinFont Odkaz{{"Arial", 14, {.Underline = true}}, kSkinYellow};  // its link, underlined
  SkinFont SavePozice{{"Arial", 10, {}}, kSkinBlack};               // the entries of the load list
  SkinFont SaveNadpis{{"Arial", 10, {}}, kSkinBlack};               // its heading
};

struct GameSkin {
  Colour FrameColour = kSkinMaroon;  // the frames of the game window
  Colour LabelColour = kSkinMaroon;  // its button texts
  Colour WindowColour = kSkinBlack;  // the frames of fight, inventory and shop
  bool HideMana = false;
  Font Text{"Arial", 12, {}};        // the location text
  Font Menu{"Arial", 12, {}};        // the menu options
  Font MenuOtazka{"Arial", 12, {}};  // the menu heading
  bool Napoveda = true;              // false hides "Nápověda"
  bool AudioTlacitko = true;         // false hides "Audio"
};

// Reads the skins from their text / their files.
MenuSkin ParseMenuSkin(std::string_view ini_text);
GameSkin ParseGameSkin(std::string_view ini_text);
MenuSkin ReadMenuSkin();
GameSkin ReadGameSkin();

// Gives `target` the skin font's face and size; the skin's bold and italic
// switches add to the styles `target` already has, never take one away.
void ApplySkinFont(Font& target, const Font& skin_font);

}  // namespace qv
