#include "script/game_actions.h"

#include <stdexcept>
#include <string>

#include "script/action_checks.h"
#include "script/script_parser.h"

namespace qv {

namespace {

using action::PageButton;

constexpr int kKeyScroll = 100;
constexpr int kWheelScroll = 150;

void PressButton(GameSession& session, Host& host, PageButton button) {
  GameWindow& form = session.Form;
  form.LeaveOptions();
  switch (button) {
    case PageButton::Napoveda:
      if (!form.HelpButtonVisible) ThrowButtonNotShown(button);
      form.HelpClick();
      break;
    case PageButton::Konec:
      host.EndProgram();
      break;
    case PageButton::Pokracovat:
      if (!form.ContinueButtonVisible) ThrowButtonNotShown(button);
      // Moving onto the button makes the restored location the next one.
      session.State->NextLocation = session.State->World.Location;
      form.OptionClick();
      break;
    case PageButton::Postava:
      if (!form.SheetButtonVisible) ThrowButtonNotShown(button);
      form.PostavaClick();
      break;
    case PageButton::Vybaveni:
      if (!form.EquipmentButtonVisible) ThrowButtonNotShown(button);
      form.VybaveniClick();
      break;
    case PageButton::Audio:
      if (!form.AudioButtonVisible) ThrowButtonNotShown(button);
      form.AudioClick();
      break;
  }
}

}  // namespace

void ApplyGameAction(GameSession& session, Host& host, const ScriptAction& action) {
  GameWindow& form = session.Form;
  std::visit(
      Overloaded{
          [&](const action::Choose& a) {
            CheckShown(action, "option", a.Option, form.OptionLabels.size());
            form.HoverOption(a.Option);
            form.OptionClick();
          },
          [&](const action::ClickText& a) {
            CheckShown(action, "text block", a.Block, form.TextBlocks.size());
            form.LeaveOptions();
            form.TextBlockClick(a.Block);
          },
          [&](const action::ClickPicture& a) {
            CheckShown(action, "picture", a.Picture, form.InTextPictures.size());
            form.LeaveOptions();
            form.PictureClick(a.Picture);
          },
          [&](const action::PressKey& a) {
            using action::Key;
            switch (a.Which) {
              case Key::Up:
              case Key::PageUp:
              case Key::Kp8:
                form.ScrollColumn(kKeyScroll);
                break;
              case Key::Down:
              case Key::PageDown:
              case Key::Kp2:
                form.ScrollColumn(-kKeyScroll);
                break;
              case Key::AltF4:  // swallowed: the window stays
                break;
              case Key::F5:  // the reading comforts' keys, handled by the host
              case Key::F9:
              case Key::V:
              case Key::R:
              case Key::H:
              case Key::ShiftC:
                break;
            }
          },
          [&](const action::Wheel& a) { form.ScrollColumn(a.Up ? kWheelScroll : -kWheelScroll); },
          [&](const action::Button& a) { PressButton(session, host, a.Which); },
          [&](const auto&) {
            throw std::logic_error("'" + std::string(CommandWord(action)) +
                                   "' reached the game window");
          },
      },
      action);
}

}  // namespace qv
