#include "ui/start_menu.h"

#include <array>

namespace qv {

namespace {

constexpr std::array<std::string_view, kMenuButtonCount> kNormalPictures = {
    "tlacitko_1", "tlacitko_2", "tlacitko_3", "tlacitko_4"};
constexpr std::array<std::string_view, kMenuButtonCount> kHoverPictures = {
    "tlacitko_1b", "tlacitko_2b", "tlacitko_3b", "tlacitko_4b"};

}  // namespace

void TForm8::FormCreate(const InitRecord& record) {
  ApplicationTitle = record.Title.str();
  GameTitle = record.Title.str();
  AuthorLabel = record.AuthorLine.str() + ": ";
  if (AuthorLabel.size() > kAuthorLabelLength) AuthorLabel.resize(kAuthorLabelLength);
  AskName = record.AskName == 1;
}

void TForm8::CentreOnScreen(int screen_width, int screen_height) {
  Left = (screen_width - kWidth) / 2;
  Top = (screen_height - kHeight) / 2;
}

StartAction TForm8::NewGameClick() {
  state_.LoadRequested = false;
  state_.LoadFileName.clear();
  return AskName ? StartAction::OpenNameEntry : StartAction::OpenGame;
}

StartAction TForm8::Click(MenuButton button) {
  switch (button) {
    case MenuButton::NewGame:
      return NewGameClick();
    case MenuButton::Load:
      return LoadClick();
    case MenuButton::About:
      return AboutClick();
    case MenuButton::Exit:
      return ExitClick();
  }
  return StartAction::None;
}

StartAction TForm8::FormKeyPress(char key) {
  switch (key) {
    case kEnterKey:
    case '1':
      return NewGameClick();
    case '2':
      return LoadClick();
    case '3':
      return AboutClick();
    case kEscapeKey:
      return ExitClick();
    default:
      return StartAction::None;
  }
}

bool TForm8::ButtonMouseEnter(MenuButton button) {
  bool& lit = Lit[Index(button)];
  if (lit) return false;
  lit = true;
  return true;
}

std::string_view TForm8::NormalPicture(MenuButton button) { return kNormalPictures[Index(button)]; }

std::string_view TForm8::HoverPicture(MenuButton button) { return kHoverPictures[Index(button)]; }

}  // namespace qv
