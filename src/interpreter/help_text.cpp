#include "interpreter/help_text.h"

#include <array>
#include <string_view>

#include "data/text_wrap.h"

namespace qv {

namespace {

// The rules of the game in fourteen paragraphs, each wrapped on its own.
constexpr std::array<std::string_view, 14> kParagraphs = {
    // 1
    "Pr\xE1v\xEC hrajete gamebook s RPG prvky jako jsou zku\x9A"
    "enosti, "
    "vlastnosti postavy, invent\xE1\xF8 a mnoh\xE9 dal\x9A\xED. Hru "
    "jednodu\x9A"
    "e ovl\xE1"
    "d\xE1te klik\xE1n\xEDm na mo\x9Enosti v menu (jdi "
    "na n\xECjak\xE9 m\xEDsto, za\xFAto\xE8 na n\xECkoho, pokra\xE8uj...). "
    "Kdykoli je tak\xE9 mo\x9En\xE9 prohl\xE9"
    "dnout invent\xE1\xF8 nebo "
    "zlep\x9Ait/prohl\xE9"
    "dnout postavu kliknut\xEDm na p\xF8\xEDslu\x9An\xE9 "
    "tla\xE8\xEDtko. Na n\xECkter\xFD"
    "ch m\xEDstech v\xE1m hra sama "
    "nab\xED"
    "dne ulo\x9E"
    "en\xED pozice.",
    // 2
    "Text je mo\x9En\xE9 posouvat nahoru a dolu \x9Aipkami (t\xECmi na "
    "kl\xE1vesnici)",
    // 3
    "\x8Eivoty - ud\xE1vaj\xED zdrav\xED postavy... Pokud klesnou na nulu, jsi "
    "mrtev! Nem\xF9\x9Eou b\xFDt vy\x9A\x9A\xED ne\x9E jejich maximum, kter\xE9 "
    "se d\xE1 ov\x9A"
    "em tak\xE9 zv\xFD\x9Ait (za XP).",
    // 4
    "Mana - magick\xE1 energie tv\xE9 postavy, vyu\x9E\xEDv\xE1 a "
    "spot\xF8"
    "ebov\xE1v\xE1 se p\xF8i ses\xEDl\xE1n\xED kouzel",
    // 5
    "S\xEDla - ur\xE8uje fyzickou s\xEDlu postavy, \xE8\xEDm vy\x9A\x9A\xED, "
    "t\xEDm lep\x9A\xED je postavy v boji (p\xF8i\xE8\xEDt\xE1 se k s\xEDle "
    "\xFAtoku)",
    // 6
    "Obratnost - v podstat\xEC opak s\xEDly - p\xF8i\xE8\xEDt\xE1 se k obran\xEC ",
    // 7
    "Energie - ka\x9E"
    "d\xE1 akce v souboji stoj\xED ur\xE8itou energii. Pokud "
    "chce\x9A b\xFDt aktivn\xED a neust\xE1le \xFAto\xE8it speci\xE1ln\xEDmi "
    "pohyby, spot\xF8"
    "ebuje\x9A hodn\xEC energie. Na za\xE8\xE1tku souboje "
    "m\xE1\x9A energii z poloviny plnou",
    // 8
    "Rychlost - jej\xED hodnota ur\xE8uje, kolik se ti p\xF8i ka\x9E"
    "d\xE9m "
    "kole souboje dopln\xED energie do maxima",
    // 9
    "Ve\x9Aker\xE9 vy\x9A"
    "e uveden\xE9 vlastnosti je mo\x9En\xE9 vylep\x9Aovat, "
    "a\x9D u\x9E za XP (z\xEDskan\xE9 nap\xF8. za souboje) nebo r\xF9zn\xFDmi "
    "jin\xFDmi zp\xF9soby. U ka\x9E"
    "d\xE9 v\xEC"
    "ci (lektvaru, kouzla, "
    "zbran\xEC) je popis toho, co d\xECl\xE1. \x8E\xE1"
    "dn\xE1 obecn\xE1 "
    "pravidla k tomu nejsou, proto \xE8t\xECte popisy jednotliv\xFD"
    "ch "
    "v\xEC"
    "c\xED pozorn\xEC!",
    // 10
    "Souboje - souboje prob\xEDhaj\xED na kola. V ka\x9E"
    "d\xE9m kole "
    "\xFAto\xE8\xED jak hr\xE1\xE8, tak protivn\xEDk. Hr\xE1\xE8 m\xE1 "
    "nav\xED"
    "c mo\x9Enost ka\x9E"
    "d\xE9 kolo pou\x9E\xEDt 1 p\xF8"
    "edm\xECt "
    "nebo kouzlo.",
    // 11
    "\xDAtok - k s\xEDle zbran\xEC (uveden\xE9 nap\xF8. ve tvaru 2k6+1, co\x9E "
    "znamen\xE1 \"hod dv\xECmi \x9A"
    "estist\xECnn\xFDmi kostkami plus 1\", se "
    "p\xF8i\xE8te hr\xE1\xE8ova s\xEDla a porovn\xE1 se se soupe\xF8ovou obranou. "
    "Je-li vy\x9A\x9A\xED, zas\xE1hl",
    // 12
    "Obrana - snad net\xF8"
    "eba vysv\xECtlovat, stav\xED se proti soupe\xF8ovu "
    "\xFAtoku",
    // 13
    "Po\x9Akozen\xED - pokud je obr\xE1nce zasa\x9E"
    "en, je v\xFDsledn\xE9 "
    "zran\xECn\xED rovno rozd\xEDlu \xFAtoku a obrany a nav\xED"
    "c se k tomu "
    "p\xF8i\xE8te po\x9Akozen\xED \xFAto\xE8n\xEDka a ode\xE8te se tvrdost "
    "obr\xE1nce. Tedy - pokud je \xFAtok o dva vy\x9A\x9A\xED ne\x9E obrana, "
    "po\x9Akozen\xED je jedna a tvrdost dva, je obr\xE1nce zran\xECn za 1 "
    "\x9Eivot",
    // 14
    "Tvrdost - v podstat\xEC opak po\x9Akozen\xED",
};

constexpr int kNarrowScreen = 640;

}  // namespace

std::string BuildHelpText(int screen_width) {
  const bool narrow = screen_width <= kNarrowScreen;
  const std::size_t width = narrow ? 50 : 75;
  const std::string stars(narrow ? 55 : 83, '*');
  constexpr char kCr = '\r';

  std::string text;
  text += stars;
  text += kCr;
  text +=
      "N\xE1pov\xEC"
      "da";  // "Nápověda"
  text += kCr;
  text += stars;
  text += kCr;
  if (narrow) {
    text +=
        "Hra byla vytvo\xF8"
        "ena pomoc\xED";  // "Hra byla vytvořena pomocí"
    text += kCr;
    text += "Quarvelin";
  } else {
    text +=
        "Hra byla vytvo\xF8"
        "ena pomoc\xED Quarvelin";
  }
  text += kCr;
  text += kCr;
  text += stars;
  text += kCr;
  text += kCr;

  for (std::size_t i = 0; i < kParagraphs.size(); ++i) {
    if (i > 0) text += i == 8 ? "\r\r\r\r" : "\r\r";  // a wider gap before the raising rules
    text += WrapText(kParagraphs[i], width, kHelpWrap);
  }

  if (narrow) {
    text += "\r\r\r";
    text += stars;
    text += "\r\r\r";
  } else {
    text += "\r\r";
    text += stars;
    text += "\r\r\r\r\r";
  }
  return text;
}

}  // namespace qv
