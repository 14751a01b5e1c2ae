#include "desktop/game_view.h"

#include <algorithm>

#include "desktop/desktop_host.h"
#include "desktop/text_field.h"

namespace qv {

namespace {

constexpr int kKeyScroll = 100;
constexpr int kWheelScroll = 150;
constexpr int kFramePen = 2;
constexpr Colour kHintBackground = 0xE1FFFF;  // pale yellow

bool Clicked(const SDL_Event& event) {
  return event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT;
}

}  // namespace

GameView::GameView(DesktopHost& host, GameWindow& form) : host_(host), form_(form) {}

// --- Where things are ------------------------------------------------------

GameLayout GameView::Layout() const {
  GameLayout layout;
  layout.Width = host_.LogicalWidth();
  layout.Height = host_.LogicalHeight();
  TextPainter& text = host_.Text();
  layout.MessageLineHeight = text.Measure(kMessageFont, "").Height;
  layout.MessageCaptionWidth = text.Measure(kMessageFont, kMessageCaption).Width;
  return layout;
}

Rect GameView::OptionArea(int n) const {
  if (n < 1 || n > static_cast<int>(form_.OptionLabels.size())) return {};
  const TLELabel& label = form_.OptionLabels[static_cast<std::size_t>(n - 1)];
  if (!label.Visible) return {};
  Font font = form_.Fonts.MenuFont;
  const TextSize size = host_.Text().Measure(font, label.Caption);
  return Rect{label.Left, label.Top, std::max(label.Width, size.Width), size.Height};
}

Rect GameView::TextArea(int n) const {
  if (n < 1 || n > static_cast<int>(form_.TextBlocks.size())) return {};
  const TXLabel& block = form_.TextBlocks[static_cast<std::size_t>(n - 1)];
  return Rect{block.Left, block.Top, block.Width, block.Height};
}

Rect GameView::PictureArea(int n) const {
  if (n < 1 || n > static_cast<int>(form_.InTextPictures.size())) return {};
  const TXImage& picture = form_.InTextPictures[static_cast<std::size_t>(n - 1)];
  return Rect{picture.Left, picture.Top, picture.Width, picture.Height};
}

bool GameView::ButtonShown(GameButton button) const {
  switch (button) {
    case GameButton::Postava:
      return form_.SheetButtonVisible;
    case GameButton::Vybaveni:
      return form_.EquipmentButtonVisible;
    case GameButton::Napoveda:
      return form_.HelpButtonVisible;
    case GameButton::Audio:
      return form_.AudioButtonVisible;
    case GameButton::Konec:
      return true;
  }
  return false;
}

Rect GameView::ButtonArea(GameButton button) const {
  return ButtonShown(button) ? Layout().Button(button) : Rect{};
}

Rect GameView::ContinueArea() const {
  if (!form_.ContinueButtonVisible) return {};
  const GameLayout layout = Layout();
  const TextSize size = host_.Text().Measure(kContinueFont, kContinueCaption);
  return Rect{layout.ContinueLabelLeft(), layout.ContinueLabelTop(), size.Width, size.Height};
}

int GameView::OptionAt(int x, int y) const {
  for (int n = 1; n <= static_cast<int>(form_.OptionLabels.size()); ++n) {
    if (OptionArea(n).Contains(x, y)) return n;
  }
  return 0;
}

int GameView::TextAt(int x, int y) const {
  // Later blocks lie over earlier ones.
  for (int n = static_cast<int>(form_.TextBlocks.size()); n >= 1; --n) {
    if (TextArea(n).Contains(x, y)) return n;
  }
  return 0;
}

int GameView::PictureAt(int x, int y) const {
  for (int n = static_cast<int>(form_.InTextPictures.size()); n >= 1; --n) {
    if (PictureArea(n).Contains(x, y)) return n;
  }
  return 0;
}

std::optional<GameButton> GameView::ButtonAt(int x, int y) const {
  for (GameButton button : kGameButtons) {
    if (ButtonArea(button).Contains(x, y)) return button;
  }
  return std::nullopt;
}

// --- Input -----------------------------------------------------------------

void GameView::HandleEvent(const SDL_Event& event) {
  if (BeforeEvent && BeforeEvent(event)) return;
  switch (event.type) {
    case SDL_MOUSEMOTION:
      MouseMove(event.motion.x, event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (Clicked(event)) MouseDown(event.button.x, event.button.y);
      break;
    case SDL_MOUSEWHEEL: {
      int notches = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches != 0) form_.ScrollColumn(kWheelScroll * notches);
      break;
    }
    case SDL_KEYDOWN:
      KeyDown(event.key.keysym);
      break;
    default:
      break;
  }
}

void GameView::ForgetStaleHover() {
  // A new page has new options: the mouse has entered none of them yet.
  if (hover_page_ != form_.PageGeneration()) {
    hovered_option_ = 0;
    hover_page_ = form_.PageGeneration();
  }
}

void GameView::MouseMove(int x, int y) {
  mouse_x_ = x;
  mouse_y_ = y;
  ForgetStaleHover();
  const int option = OptionAt(x, y);
  if (option != hovered_option_) {
    if (option == 0) {
      form_.LeaveOptions();
    } else {
      form_.HoverOption(option);
    }
    hovered_option_ = option;
  }
  const bool on_continue = ContinueArea().Contains(x, y);
  if (on_continue) {
    // Moving onto "Pokračovat" makes the restored location the next one.
    form_.State.NextLocation = form_.State.World.Location;
  }

  hovered_button_ = ButtonAt(x, y);
  continue_hovered_ = on_continue;
  bool hand = on_continue || hovered_button_.has_value();
  if (option != 0) {
    hand = form_.OptionLabels[static_cast<std::size_t>(option - 1)].HandCursor;
  } else if (!hand) {
    if (const int text = TextAt(x, y)) {
      const TXLabel& block = form_.TextBlocks[static_cast<std::size_t>(text - 1)];
      hand = block.Target > 0 || !block.WebLink.empty();
    } else if (const int picture = PictureAt(x, y)) {
      hand = form_.InTextPictures[static_cast<std::size_t>(picture - 1)].Target > 0;
    }
  }
  host_.SetHandCursor(hand);
  hint_picture_ = option == 0 ? PictureAt(x, y) : 0;

  // A clicked link is followed at the latest on the next mouse movement.
  form_.FormMouseMove();
}

void GameView::MouseDown(int x, int y) {
  ForgetStaleHover();
  if (ContinueArea().Contains(x, y)) {
    form_.State.NextLocation = form_.State.World.Location;
    form_.OptionClick();
    return;
  }
  if (const std::optional<GameButton> button = ButtonAt(x, y)) {
    form_.LeaveOptions();
    hovered_option_ = 0;
    ButtonClick(*button);
    return;
  }
  if (const int option = OptionAt(x, y)) {
    // The click acts on what hovering left behind; a click that came without
    // a movement onto the option hovers it first.
    if (option != hovered_option_) {
      form_.HoverOption(option);
      hovered_option_ = option;
    }
    form_.OptionClick();
    return;
  }
  if (const int text = TextAt(x, y)) {
    const TXLabel& block = form_.TextBlocks[static_cast<std::size_t>(text - 1)];
    if (block.Target > 0 || !block.WebLink.empty()) form_.TextBlockClick(text);
    return;
  }
  if (const int picture = PictureAt(x, y)) form_.PictureClick(picture);
}

void GameView::KeyDown(const SDL_Keysym& key) {
  if (key.sym == SDLK_F4 && (key.mod & KMOD_ALT)) return;  // swallowed
  if ((key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) && form_.ContinueButtonVisible) {
    // "Pokračovat" is the only button then: Enter is its click.
    form_.State.NextLocation = form_.State.World.Location;
    form_.OptionClick();
    return;
  }
  switch (key.scancode) {
    case SDL_SCANCODE_UP:
    case SDL_SCANCODE_PAGEUP:
    case SDL_SCANCODE_KP_8:
      form_.ScrollColumn(kKeyScroll);
      return;
    case SDL_SCANCODE_DOWN:
    case SDL_SCANCODE_PAGEDOWN:
    case SDL_SCANCODE_KP_2:
      form_.ScrollColumn(-kKeyScroll);
      return;
    default:
      break;
  }
  if (key.sym >= SDLK_1 && key.sym <= SDLK_9 && (key.mod & (KMOD_CTRL | KMOD_ALT)) == 0) {
    DiscardTypedCharacter(key.sym);
    Choose(static_cast<int>(key.sym - SDLK_0));
  }
}

void GameView::Choose(int n) {
  if (n < 1 || n > static_cast<int>(form_.OptionLabels.size())) return;
  ForgetStaleHover();
  form_.HoverOption(n);
  hovered_option_ = n;
  form_.OptionClick();
}

void GameView::ButtonClick(GameButton button) {
  switch (button) {
    case GameButton::Postava:
      form_.PostavaClick();
      break;
    case GameButton::Vybaveni:
      form_.VybaveniClick();
      break;
    case GameButton::Napoveda:
      form_.HelpClick();
      break;
    case GameButton::Audio:
      form_.AudioClick();
      break;
    case GameButton::Konec:
      if (OnEnd) {
        OnEnd();
      } else {
        host_.EndProgram();
      }
      break;
  }
}

// --- Drawing ---------------------------------------------------------------

void GameView::Draw(Canvas& canvas) {
  const GameLayout layout = Layout();
  canvas.Fill(Rect{0, 0, layout.Width, layout.Height}, host_.Look().Menu.MainBackground);
  DrawColumn(canvas);
  DrawMenu(canvas);
  DrawButtons(canvas);
  if (form_.LocationLabelVisible) {
    canvas.Text(kLocationFont, form_.LocationLabel, kWhite, layout.LocationLeft(),
                layout.LocationTop());
  }
  if (!form_.Timer.TimerLabel.empty()) {
    const TextSize size = canvas.Measure(kCountdownFont, form_.Timer.TimerLabel);
    canvas.Text(kCountdownFont, form_.Timer.TimerLabel, kWhite,
                layout.CountdownRight() - size.Width, layout.CountdownTop());
  }
  DrawMessages(canvas);
  if (form_.ContinueButtonVisible) {
    const Rect frame = layout.ContinueFrame();
    const Colour fill = continue_hovered_ ? host_.Look().Game.FrameColour : kBlack;
    canvas.Fill(frame, fill);
    canvas.Frame(frame, host_.Look().Game.FrameColour, kFramePen);
    canvas.Text(kContinueFont, kContinueCaption, continue_hovered_ ? kBlack : kWhite,
                layout.ContinueLabelLeft(), layout.ContinueLabelTop());
  }
  DrawHint(canvas);
}

void GameView::DrawColumn(Canvas& canvas) {
  const int height = host_.LogicalHeight();
  const int width = host_.LogicalWidth();
  const auto visible = [&](const Rect& r) {
    return r.Bottom() >= 0 && r.Top < height && r.Left < width;
  };
  for (const TXImage& picture : form_.InTextPictures) {
    const Rect area{picture.Left, picture.Top, picture.Width, picture.Height};
    if (!visible(area)) continue;
    canvas.DrawPictureClipped(canvas.Pictures().File(picture.File), area);
  }
  for (const TXLabel& block : form_.TextBlocks) {
    if (!visible(Rect{block.Left, block.Top, block.Width, block.Height})) continue;
    Font font = form_.FontOf(block.Role);
    font.Style = block.Style;
    canvas.Text(font, block.Text, block.TextColour, block.Left, block.Top);
  }
}

void GameView::DrawMenu(Canvas& canvas) {
  if (!form_.MenuVisible) return;
  const GameLayout layout = Layout();
  const WorldState& world = form_.State.World;
  canvas.RoundedFrame(layout.MenuFrame(form_.MenuTop, form_.MenuFrameHeight),
                      host_.Look().Game.FrameColour, host_.Look().Menu.MainBackground, kFramePen);
  canvas.Text(form_.Fonts.MenuHeading, world.MenuHeading.str(),
              static_cast<Colour>(world.MenuHeadingColour), form_.MenuLeft, form_.MenuTop);
  for (int n = 1; n <= static_cast<int>(form_.OptionLabels.size()); ++n) {
    const TLELabel& label = form_.OptionLabels[static_cast<std::size_t>(n - 1)];
    if (!label.Visible) continue;
    canvas.Fill(OptionArea(n), label.Background);
    Font font = form_.Fonts.MenuFont;
    if (label.Underlined) font.Style.Underline = true;
    canvas.Text(font, label.Caption, label.FontColour, label.Left, label.Top);
  }
}

void GameView::DrawButtons(Canvas& canvas) {
  const GameLayout layout = Layout();
  for (GameButton button : kGameButtons) {
    if (!ButtonShown(button)) continue;
    DrawButton(canvas, layout.Button(button), kButtonFont, GameButtonCaption(button),
               hovered_button_ == button);
  }
}

void GameView::DrawButton(Canvas& canvas, const Rect& frame, const Font& font,
                          std::string_view caption, bool lit) {
  const DesktopLook look = host_.Look();
  canvas.Fill(frame, lit ? look.Game.FrameColour : look.Menu.MainBackground);
  canvas.Frame(frame, look.Game.FrameColour, kFramePen);
  const TextSize size = canvas.Measure(font, caption);
  canvas.Text(font, caption, lit ? look.Menu.MainBackground : look.Game.LabelColour,
              frame.Left + (frame.Width - size.Width) / 2,
              frame.Top + (frame.Height - size.Height) / 2);
}

void GameView::DrawMessages(Canvas& canvas) {
  const GameLayout layout = Layout();
  const Rect frame = layout.MessageFrame();
  canvas.Fill(frame, host_.Look().Menu.MainBackground);
  canvas.Frame(frame, host_.Look().Game.FrameColour, kFramePen);
  canvas.Text(kMessageFont, kMessageCaption, kWhite, layout.MessageLeft(), layout.MessageTop());
  for (int line = 1; line <= static_cast<int>(form_.History.size()); ++line) {
    const InfoLine& info = form_.History[static_cast<std::size_t>(line - 1)];
    if (info.Text.empty()) continue;
    canvas.Text(kMessageFont, info.Text, info.LineColour, layout.HistoryLeft(),
                layout.HistoryTop(line));
  }
}

void GameView::DrawHint(Canvas& canvas) {
  if (hint_picture_ < 1 || hint_picture_ > static_cast<int>(form_.InTextPictures.size())) return;
  const TXImage& picture = form_.InTextPictures[static_cast<std::size_t>(hint_picture_ - 1)];
  if (picture.Hint.empty() || !PictureArea(hint_picture_).Contains(mouse_x_, mouse_y_)) return;
  const TextSize size = canvas.Measure(kMessageFont, picture.Hint);
  const Rect box{mouse_x_ + 12, mouse_y_ + 18, size.Width + 8, size.Height + 4};
  canvas.Fill(box, kHintBackground);
  canvas.Frame(box, kBlack);
  canvas.Text(kMessageFont, picture.Hint, kBlack, box.Left + 4, box.Top + 2);
}

}  // namespace qv
