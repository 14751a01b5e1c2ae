// AboutWindow (TForm9): the about window: who made the engine, a link line that opens the
// engine's web page, and the version. It stands where the main menu stands;
// a click anywhere but on the link, or any character key, closes it.
#pragma once

#include <array>
#include <string_view>

#include "host/host.h"
#include "host/window.h"

namespace qv {

// The lines in the about font.
inline constexpr std::array<std::string_view, 5> kAboutLines = {
    "Hra byla vytvo\xF8"
    "ena v",                             // "Hra byla vytvořena v"
    "univerz\xE1ln\xEDm enginu",         // "univerzálním enginu"
    "k tvorb\xEC gamebook\xF9,",         // "k tvorbě gamebooků,"
    "kter\xFD je mo\x9Eno st\xE1hnout",  // "který je možno stáhnout"
    "na webov\xFD"
    "ch str\xE1nk\xE1"
    "ch",  // "na webových stránkách"
};
// The engine's web page, which the link line opens, and how the line shows it.
inline constexpr std::string_view kAboutWebAddress = "https://quarvelin.example/";
inline constexpr std::string_view kAboutLinkLine = "quarvelin.example";
inline constexpr std::string_view kAboutVersionLine = "verze 4.30";

class AboutWindow : public ModalWindow {
 public:
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 400;
  static constexpr std::string_view kBackgroundPicture = "menu";
  static constexpr std::string_view kTitlePicture = "titulek";

  std::string_view Kind() const override { return "about"; }

  std::array<std::string_view, 5> Lines = kAboutLines;
  std::string_view LinkLine = kAboutLinkLine;
  std::string_view VersionLine = kAboutVersionLine;
  int Left = 0;
  int Top = 0;

  // Opens the window at the main menu's position.
  void FormShow(int menu_left, int menu_top);

  // The click on the link line: the web page opens and the window stays.
  void LinkClick(Host& host) const { host.OpenWebAddress(kAboutWebAddress); }
  // A click anywhere else.
  void FormClick() { Close(); }
  // Any character key, Enter and Esc included.
  void FormKeyPress(char /*key*/) { Close(); }
};

}  // namespace qv
