#include "state/start_menu_window.h"

#include <array>

namespace qv {

namespace {

constexpr std::array<std::string_view, kMenuButtonCount> kNormalPictures = {
    "tlacitko_1", "tlacitko_2", "tlacitko_3", "tlacitko_4"};
constexpr std::array<std::string_view, kMenuButtonCount> kHoverPictures = {
    "tlacitko_1b", "tlacitko_2b", "tlacitko_3b", "tlacitko_4b"};

}  // namespace

void StartMenuWindow::FormCreate(const InitRecord& record) {
  ApplicationTitle = record.Title.str();
  GameTitle = record.Title.str();
  AuthorLabel = record.AuthorLine.str() + ": ";
  if (AuthorLabel.size() > kAuthorLabelLength) AuthorLabel.resize(kAuthorLabelLength);
  AskName = record.AskName == 1;
}

void StartMenuWindow::CentreOnScreen(int screen_width, int screen_height) {
  Left = (screen_width - kWidth) / 2;
  Top = (screen_height - kHeight) / 2;
}

StartAction StartMenuWindow::NewGameClick() {
  state_.LoadRequested = false;
  state_.LoadFileName.clear();
  return AskName ? StartAction::OpenNameEntry : StartAction::OpenGame;
}

StartAction StartMenuWindow::Click(MenuButton button) {
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

StartAction StartMenuWindow::FormKeyPress(char key) {
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

bool StartMenuWindow::ButtonMouseEnter(MenuButton button) {
  bool& lit = Lit[Index(button)];
  if (lit) return false;
  lit = true;
  return true;
}

std::string_view StartMenuWindow::NormalPicture(MenuButton button) {
  return kNormalPictures[Index(button)];
}

std::string_view StartMenuWindow::HoverPicture(MenuButton button) {
  return kHoverPictures[Index(button)];
}

}  // namespace qv
