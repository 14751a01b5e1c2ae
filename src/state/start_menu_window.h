// StartMenuWindow (TForm8): the main menu: the program's main window. It shows the gamebook's
// title and author under four picture buttons (new game, load, about, exit)
// and hands over to the name entry, the game window, the load list or the
// about window. Closing it ends the program.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "data/init_record.h"
#include "state/game_state.h"
#include "ui/start_action.h"

namespace qv {

// The application's title until the gamebook's record names it.
inline constexpr std::string_view kApplicationTitle = "Quarvelin";

// The picture buttons, from the top.
enum class MenuButton { NewGame = 0, Load = 1, About = 2, Exit = 3 };
inline constexpr std::size_t kMenuButtonCount = 4;

class StartMenuWindow {
 public:
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 400;
  // The author label keeps the first 32 bytes of author + ": ", as the
  // record's 32-byte author field would hold them.
  static constexpr std::size_t kAuthorLabelLength = 32;

  static constexpr std::string_view kBackgroundPicture = "menu";
  static constexpr std::string_view kTitlePicture = "titulek";

  explicit StartMenuWindow(GameState& state) : state_(state) {}

  // Takes the title, the author line and the ask-for-name flag from the
  // initialization record read while the menu is created. Not called when
  // the record could not be read: the title stays "Quarvelin".
  void FormCreate(const InitRecord& record);

  // The left edge that centres a label of that width in the window, rounded
  // toward zero.
  static int CentredLeft(int width) { return (kWidth - width) / 2; }
  void CentreOnScreen(int screen_width, int screen_height);

  // --- The buttons and keys ------------------------------------------------

  // LoadRequested := false, LoadFileName := empty; then the name entry when
  // the record asks for a name, else the game.
  StartAction NewGameClick();
  StartAction LoadClick() { return StartAction::OpenLoadList; }
  StartAction AboutClick() { return StartAction::OpenAbout; }
  StartAction ExitClick() { return StartAction::EndProgram; }
  StartAction Click(MenuButton button);
  // Enter or "1": new game; "2": load; "3": about; Esc: exit. Other keys,
  // and Alt+F4 (which never reaches here as a character), do nothing.
  StartAction FormKeyPress(char key);

  // --- Hover pictures ------------------------------------------------------

  // The mouse enters a button: true when its hover picture must be loaded
  // now (it was not lit yet); the button is lit afterwards.
  bool ButtonMouseEnter(MenuButton button);
  // The mouse moves over the background: every lit button gets its normal
  // picture back and no button is lit.
  void FormMouseMove() { Lit.fill(false); }
  bool IsLit(MenuButton button) const { return Lit[Index(button)]; }
  // The picture the button shows now.
  std::string_view ButtonPicture(MenuButton button) const {
    return IsLit(button) ? HoverPicture(button) : NormalPicture(button);
  }
  static std::string_view NormalPicture(MenuButton button);
  static std::string_view HoverPicture(MenuButton button);

  // --- The model the views draw --------------------------------------------

  std::string ApplicationTitle = std::string(kApplicationTitle);
  std::string GameTitle;    // the title label
  std::string AuthorLabel;  // the label above it (the JmenoAutora font)
  bool AskName = false;     // the record's ask-for-name flag is 1
  std::array<bool, kMenuButtonCount> Lit{};
  int Left = 0;
  int Top = 0;

 private:
  static std::size_t Index(MenuButton button) { return static_cast<std::size_t>(button); }

  GameState& state_;
};

}  // namespace qv
