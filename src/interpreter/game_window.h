// GameWindow (TForm1): the game window as a model: the interpreter that turns one
// location into a page (ChangeLoc), the page itself, the message lines, the
// menu, and the window's own input (option clicks, links, the 100 ms timer,
// scrolling). Views draw it and turn input into calls of its handlers.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "combat/enemy.h"
#include "host/font.h"
#include "host/host.h"
#include "interpreter/page.h"
#include "interpreter/page_observer.h"
#include "parser/location_store.h"
#include "parser/random_source.h"
#include "parser/tag_store.h"
#include "state/game_state.h"
#include "state/saved_position.h"
#include "state/settings_window.h"
#include "ui/answer_prompt_window.h"
#include "ui/picture_popup_window.h"
#include "ui/tle_label.h"

namespace qv {

// The fixed places of the game window the page is laid out against.
struct GameWindowLayout {
  static constexpr int kColumnLeft = 230;
  static constexpr int kColumnTop = 30;
  static constexpr int kMenuTop = 30;
  static constexpr int kOptionLeft = 10;
  static constexpr int kOptionWidth = 120;
  static constexpr int kOptionSpacing = 30;
};

// The fonts of the hidden template labels: Maintext (location text),
// Courier (the variable listing) and MenuFont (menu options). Skins change
// them at the start of a game.
struct GameFonts {
  Font Maintext{"Arial", 12, {}};
  Font Courier{"Courier New", 10, {}};
  Font MenuFont{"Arial", 12, {}};
  Font MenuHeading{"Arial", 12, {}};
};

// Values a page keeps from tag to tag and forgets at the next page.
struct PageLocals {
  int32_t CompareResult = 0;  // SROVNEJRETEZCE VYSLEDEK
  int32_t RangeFirst = 0;     // NASTAVPROMENNE CISLO
  int32_t RangeCount = 0;     // NASTAVPROMENNE POCET
  int32_t RangeValue = 0;     // NASTAVPROMENNE HODNOTA
  int32_t AnswerSlot = 0;     // TEXTOVEOKNO RETEZEC
};

class GameWindow {
 public:
  GameWindow(GameState& state, LocationStore& store, Host& host, RandomSource& random);

  // --- The interpreter -----------------------------------------------------

  // Shows location n: takes the old page down, fetches and carries out the
  // location's tags, finishes the page. n <= 0 only stops the countdown and
  // clears the pending values.
  void ChangeLoc(int32_t n);

  // Increases with every ChangeLoc. A command that ran a modal window
  // compares it to know whether the page it belongs to still exists.
  uint64_t PageGeneration() const { return page_generation_; }

  // Shows a window that a tag of the page opens (fight, shop, selling, save,
  // answer prompt, picture pop-up) and returns once it is closed. False when
  // a countdown closed it: its page is going away, and the command must not
  // act on what the window left behind.
  bool RunPageWindow(ModalWindow& window);

  // --- Message lines -------------------------------------------------------

  void AddInfoLine(std::string_view text);
  // Colours line 1 by a colour text (ParseColour); throws ConversionError.
  void SetInfoColour(std::string_view colour_text);
  void ShowInfoLines();
  // AddInfoLine, SetInfoColour, ShowInfoLines: reporting a text in a colour.
  void Report(std::string_view text, std::string_view colour_text);

  // --- Building the page (used by the commands) ----------------------------

  // Places a text block in the column and returns it. Its height comes from
  // the text's size in its font.
  TXLabel& AddTextBlock(TXLabel block);
  // Places a picture in the column (left 230 + shift_x). shift_y is the
  // tag's POSUNY, when it gave one.
  TXImage& AddPicture(TXImage picture, int shift_x, std::optional<int> shift_y);
  const Font& FontOf(FontRole role) const;

  // --- Input (the window's own handlers) -----------------------------------

  // A click on a menu option or "Pokračovat": the pending assignments, the
  // redirect step, then ChangeLoc(NextLocation).
  void OptionClick();  // Button1Click
  // Mouse over menu option n (1-based) or away from every option.
  void HoverOption(int n);
  void LeaveOptions();
  // A click on text block n / in-text picture n (1-based).
  void TextBlockClick(int n);  // MaintextClick
  void PictureClick(int n);    // Image1Click
  // The deferred change of a text or picture link.
  void ControlForceLoad();
  void FormMouseMove() { ControlForceLoad(); }
  // Every 100 ms.
  void TimerTick();  // TimerTimer
  // Scrolling the column: +100/-100 for keys, +150/-150 per wheel notch.
  void ScrollColumn(int delta);
  // "Nápověda": shows or takes away the help block.
  void HelpClick();
  // "Postava" and "Vybavení": the character sheet and the inventory, modal.
  void PostavaClick();
  void VybaveniClick();
  // "Audio": the settings window, centred on the game window.
  void AudioClick();  // Label5Click

  // Switches the location source to the library named `name` (empty: back
  // to the gamebook's own locations) and records it in RedirectName.
  void RedirectTo(std::string_view name);

  // --- The model the views draw --------------------------------------------

  GameState& State;
  LocationStore& Store;
  Host& host;
  RandomSource& Random;
  GameFonts Fonts;

  std::vector<TXLabel> TextBlocks;
  std::vector<TXImage> InTextPictures;
  bool LastPlacedWasText = false;

  std::array<InfoLine, 5> InfoLines;  // [0] is line 1, the newest
  std::array<InfoLine, 5> History;    // what History1..History5 show
  bool InfoEnabled = true;

  std::vector<TLELabel> OptionLabels;
  CurrentOption Pending;  // NextLocation itself lives in the game state
  int32_t DeferredTarget = 0;
  Countdown Timer;
  LinkFields CurrentLink;  // the link fields of the tag being carried out
  PageLocals Locals;
  std::string ContentHolder;  // the last TEXT content, repeated by a TEXT without OBSAH

  bool MenuVisible = false;
  int MenuLeft = 68;  // 98 - 3 x the length of the heading
  int MenuTop = GameWindowLayout::kMenuTop;
  int MenuFrameHeight = 40;
  bool LocationLabelVisible = false;
  std::string LocationLabel;
  bool SheetButtonVisible = true;
  bool EquipmentButtonVisible = true;
  bool HelpButtonVisible = true;
  bool AudioButtonVisible = false;
  bool ContinueButtonVisible = false;
  bool HelpShown = false;
  // The game skin hides the mana displays of the character sheet and the fight.
  bool HideMana = false;

  // Called when a countdown runs out, before the page changes: the inventory
  // and the character sheet close as if cancelled.
  std::function<void()> OnCountdownExpired;

  // What the audio player is playing, recorded in a saved position; empty
  // while there is no audio player.
  PlayingMusicQuery PlayingMusic;

  // Kept for the shop and selling windows.
  int32_t ShopNumber = 1;
  int32_t SaleKind = 1;
  int32_t SalePercent = 50;

  // The small windows the page's tags open (TEXTOVEOKNO, OBRAZEK); reused
  // from one opening to the next.
  AnswerPromptWindow AnswerPrompt;
  PicturePopupWindow PicturePopup;
  SettingsWindow AudioSettings{host};

  // The audio player of the session; null without the sound library.
  AudioPlayer* Audio = nullptr;

  // Told of choices, pages, messages and closed windows; null: nobody.
  PageObserver* Observer = nullptr;

  // The opponent of the fights (SOUBOJ): a fight's attributes that a tag
  // leaves out keep the values of the fight before.
  Enemy FightEnemy;

 private:
  // ChangeLoc without the page a countdown left waiting.
  void ShowPage(int32_t n);
  // The countdown ran out to `target` while pages were being built one under
  // a window of the other: their windows close, and the page follows once
  // they are down.
  void CloseWindowsForCountdown(int32_t target);
  bool PassesConditions(std::span<TagEntry> tags, std::size_t index);
  void RunTags(std::span<TagEntry> tags, uint64_t generation);
  void FinishPage();
  void FollowLink(const LinkFields& link, int32_t target);
  void RedirectStep();

  uint64_t page_generation_ = 0;
  int hovered_option_ = 0;
  // One tag store per nesting level of ChangeLoc: a countdown may show a new
  // page while a window opened by the current page's tags is still open, and
  // the outer call must not find its tags replaced under it.
  std::deque<TagStore> tag_stores_;
  std::size_t change_depth_ = 0;
  // The windows the pages' tags have open, in the order they opened.
  std::vector<ModalWindow*> page_windows_;
  // A countdown's target waiting for the windows it closed to come down;
  // 0 = none.
  int32_t countdown_target_ = 0;
};

}  // namespace qv
