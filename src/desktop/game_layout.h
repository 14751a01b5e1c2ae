// Where the game window's own controls stand, for a window of a given
// logical size: the buttons, the menu frame, the message lines at the
// bottom, the location number, the countdown and "Pokračovat". The page's
// text column and menu options are placed by the game window model itself.
#pragma once

#include <array>
#include <string_view>

#include "desktop/canvas.h"
#include "host/font.h"

namespace qv {

enum class GameButton { Postava, Vybaveni, Napoveda, Audio, Konec };
inline constexpr std::array<GameButton, 5> kGameButtons{GameButton::Postava, GameButton::Vybaveni,
                                                        GameButton::Napoveda, GameButton::Audio,
                                                        GameButton::Konec};

// The button's caption (Windows-1250).
std::string_view GameButtonCaption(GameButton button);

// The fonts of the game window's own labels.
inline const Font kButtonFont{"Arial", 12, {true, false, false, false}};
inline const Font kMessageFont{"Arial", 10, {}};
inline const Font kLocationFont{"Arial", 10, {}};
inline const Font kCountdownFont{"Arial", 16, {true, false, false, false}};
inline const Font kContinueFont{"Arial", 18, {}};

// "Zpráva:", the caption of the newest message line.
inline constexpr std::string_view kMessageCaption = "Zpr\xE1va:";
// "Pokračovat"
inline constexpr std::string_view kContinueCaption = "Pokra\xE8ovat";

struct GameLayout {
  static constexpr int kButtonWidth = 95;
  static constexpr int kButtonHeight = 26;
  static constexpr int kButtonGap = 6;
  static constexpr int kMargin = 10;
  static constexpr int kMenuFrameLeft = 5;
  // As wide as the room left of the text column (which starts at 230)
  // allows, so that option captions of a good length stay inside.
  static constexpr int kMenuFrameWidth = 220;
  static constexpr int kHistorySpacing = 15;

  int Width = 1024;
  int Height = 768;
  int MessageLineHeight = 14;  // of kMessageFont
  int MessageCaptionWidth = 40;

  // The buttons stand two by two under the menu, just above the message
  // frame, out of the text column's way; each keeps its place whether the
  // others are shown or not.
  Rect Button(GameButton button) const;
  // Shape2 around the menu: from 5 pixels above the heading, as high as the
  // model says.
  Rect MenuFrame(int menu_top, int frame_height) const {
    return Rect{kMenuFrameLeft, menu_top - 5, kMenuFrameWidth, frame_height};
  }

  // "Zpráva:" stands 5 pixels above the bottom edge; history line k
  // (1 = newest) stands beside it, 15 x (k - 1) pixels higher.
  int MessageTop() const { return Height - MessageLineHeight - 5; }
  int MessageLeft() const { return kMargin; }
  int HistoryLeft() const { return kMargin + MessageCaptionWidth + 8; }
  int HistoryTop(int line) const { return MessageTop() - kHistorySpacing * (line - 1); }
  // The message frame sits on the bottom edge and spans the window.
  Rect MessageFrame() const {
    const int top = HistoryTop(5) - 6;
    return Rect{0, top, Width, Height - top};
  }

  Rect ContinueFrame() const { return Rect{Width / 2 - 75, Height / 3 + 10, 150, 50}; }
  int ContinueLabelLeft() const { return Width / 2 - 60; }
  int ContinueLabelTop() const { return Height / 3 + 20; }

  int LocationLeft() const { return kMargin; }
  int LocationTop() const { return 5; }
  // The countdown's right edge and top, in the top right corner.
  int CountdownRight() const { return Width - 2 * kMargin; }
  int CountdownTop() const { return kMargin; }
};

}  // namespace qv
