// NameEntryWindow (TForm14): the name entry: a full-screen window where the player names the
// hero before a new game, for gamebooks whose record asks for it. Enter or
// "ok" takes the name (an empty one too) and the game window follows.
#pragma once

#include <string>
#include <string_view>

#include "host/window.h"
#include "state/game_state.h"
#include "ui/start_action.h"

namespace qv {

// "Zadej jméno své postavy:"
inline constexpr std::string_view kNameEntryPrompt = "Zadej jm\xE9no sv\xE9 postavy:";
// "Jméno:"
inline constexpr std::string_view kNameEntryLabel = "Jm\xE9no:";

class NameEntryWindow : public ModalWindow {
 public:
  // Placement around the window's centre (the views lay it out).
  static constexpr int kPromptAbove = 70;  // the prompt's vertical centre
  static constexpr int kFieldAbove = 20;   // the field's vertical centre
  static constexpr int kLabelLeftOfField = 70;
  static constexpr int kLabelBelowField = 3;
  static constexpr int kOkBelow = 50;  // the "ok" picture's centre
  static constexpr std::string_view kBackgroundPicture = "pozadi_postava";
  static constexpr std::string_view kOkPicture = "ok";

  explicit NameEntryWindow(GameState& state) : state_(state) {}

  std::string_view Kind() const override { return "name"; }

  std::string Prompt = std::string(kNameEntryPrompt);  // Label1
  std::string Label = std::string(kNameEntryLabel);    // Label2
  std::string Edit;                                    // Edit1: what the player has typed

  // The click on "ok": Name := the field, cut to 100 characters; the window
  // closes and the game window opens.
  StartAction OkClick();
  // Enter, in the field or anywhere in the window, does what "ok" does;
  // other characters go into the field and ask nothing more.
  StartAction FormKeyPress(char key);

 private:
  GameState& state_;
};

}  // namespace qv
