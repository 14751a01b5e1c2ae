// What a start window asks of the program after one of its handlers ran: the
// windows between the start and the game hand control to one another, and
// the host that shows them does the opening.
#pragma once

namespace qv {

// The characters that Enter and Esc give as key presses.
inline constexpr char kEnterKey = '\r';
inline constexpr char kEscapeKey = '\x1B';

enum class StartAction {
  None,           // nothing further: the window stays as it is
  OpenNameEntry,  // show the name entry (NameEntryWindow)
  OpenGame,       // show the game window (GameWindow)
  OpenLoadList,   // build and show the load list (LoadListWindow)
  OpenAbout,      // show the about window (AboutWindow)
  EndProgram,     // the program ends
};

// The actions that lead to a game: a new one (through the name entry or
// directly) or a saved one (through the load list).
inline bool IsGameStart(StartAction action) {
  return action == StartAction::OpenNameEntry || action == StartAction::OpenGame ||
         action == StartAction::OpenLoadList;
}

}  // namespace qv
