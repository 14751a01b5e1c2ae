// What one typed line asks of the game window in the terminal player.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct TextCommand {
  enum class Kind {
    Wait,         // an empty line: one second of the game's timer passes
    Choose,       // N: menu option N
    TextLink,     // t N: the Nth text link of the page
    PictureLink,  // p N: the Nth picture link of the page
    Help,         // h: the commands of the terminal player
    Reprint,      // r: the whole page again
    GameHelp,     // n: the game's "Nápověda" button
    Continue,     // c: the "Pokračovat" button
    Button,       // postava|ch, vybaveni|inv, audio|a: the other buttons (Word names it)
    Quit,         // q or konec: the "Konec" button
    Unknown,
  };

  Kind What = Kind::Unknown;
  int32_t Number = 0;
  std::string Word;
};

// Words are taken in any case; blanks around and between them do not count.
TextCommand ParseTextCommand(std::string_view line);

}  // namespace qv
