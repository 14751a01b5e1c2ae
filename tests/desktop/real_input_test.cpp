// The start windows, the answer prompt, the shop and the selling window
// played with real input under a real window manager: keys and the mouse
// through XTest (xdotool) reach the windows as a person's would, with the
// characters a key types and the movements before a click. The inventory's
// picture pop-up is read from the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desktop/answer_view.h"
#include "desktop/game_view.h"
#include "desktop/load_list_view.h"
#include "desktop/possession_window_parts.h"
#include "desktop/save_view.h"
#include "desktop/sell_view.h"
#include "desktop/shop_view.h"
#include "desktop_fixture.h"
#include "state/load_list_window.h"
#include "state/save_window.h"
#include "ui/picture_popup_window.h"
#include "window_manager.h"

namespace qv {
namespace {

// Real input given in steps whenever the loop is idle, in whichever window's
// loop runs then: a step waits until its condition holds (the windows have
// caught up with the input before it) and then gives its own input. A step
// that waits ten seconds ends the program, so a lost key fails the test
// instead of hanging it.
class InputSteps {
 public:
  struct Step {
    std::string Name;
    std::function<bool()> Ready;
    std::function<void()> Act;
  };

  InputSteps(DesktopHost& host, std::vector<Step> steps) : host_(host), steps_(std::move(steps)) {
    deadline_ = SDL_GetTicks64() + kPatience;
    host_.SetIdleHandler([this] { return OnIdle(); });
  }

  // The step still waiting, or empty once all have been taken.
  std::string Waiting() const { return next_ < steps_.size() ? steps_[next_].Name : ""; }

 private:
  static constexpr uint64_t kPatience = 10000;

  int OnIdle() {
    if (next_ == steps_.size()) return 20;
    if (SDL_GetTicks64() > deadline_) {
      host_.EndProgram();
      return 0;
    }
    if (!steps_[next_].Ready()) return 20;
    steps_[next_++].Act();
    deadline_ = SDL_GetTicks64() + kPatience;
    return 20;
  }

  DesktopHost& host_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  uint64_t deadline_ = 0;
};

class RealInputTest : public DesktopFixture {
 protected:
  std::string Id() { return XWindowId(Host().Video().Window()); }

  std::string TopKind() {
    const std::vector<Layer*>& layers = Host().Layers();
    return layers.empty() ? std::string() : std::string(layers.back()->Kind());
  }

  // Keys typed into the window, which is brought to the front first (the
  // keyboard goes to the active window).
  void Keys(const std::string& keys) {
    EXPECT_TRUE(RunTool("timeout 5 xdotool windowactivate --sync " + Id() +
                        " && xdotool key --delay 20 " + keys))
        << keys;
  }
  void Type(const std::string& text) {
    EXPECT_TRUE(RunTool("timeout 5 xdotool windowactivate --sync " + Id() +
                        " && xdotool type --delay 20 " + text))
        << text;
  }

  // The pointer moves to the logical point (x, y) of the window.
  void MoveTo(int x, int y) {
    EXPECT_TRUE(RunTool("timeout 5 xdotool mousemove --sync --window " + Id() + " " +
                        OnWindow(Host(), x, y)));
  }
  void ClickOn(const Rect& area) {
    MoveTo(area.CentreX(), area.CentreY());
    EXPECT_TRUE(RunTool("xdotool click 1"));
  }

  // Keeps the view of every window of `kind` shown from now on, for its
  // places and its state.
  template <class View>
  void KeepView(const std::string& kind, View*& kept) {
    ModalViewFactory usual = Host().ModalView(kind);
    ASSERT_TRUE(usual) << kind;
    Host().RegisterModalView(kind, [usual, &kept](ModalWindow& window) {
      std::unique_ptr<Layer> view = usual(window);
      kept = dynamic_cast<View*>(view.get());
      return view;
    });
  }
};

// The widest run of pixels of `colour` along one pixel row of `area`: an
// underline runs the whole width of its text, a row of letters does not.
int WidestRun(const Picture& frame, const Rect& area, Rgb colour) {
  int widest = 0;
  for (int y = area.Top; y < area.Bottom(); ++y) {
    int run = 0;
    for (int x = area.Left; x < area.Right(); ++x) {
      run = PixelAt(frame, x, y) == colour ? run + 1 : 0;
      widest = std::max(widest, run);
    }
  }
  return widest;
}

constexpr Rgb kWhiteRgb{255, 255, 255};

TEST_F(RealInputTest, EnterClosesTheLoadListAndContinuesTheRestoredGame) {
  QV_ON_PRIVATE_DISPLAY();
  WindowManager manager;
  if (!manager.Running()) GTEST_SKIP() << "openbox, xdotool or wmctrl is missing";
  SaveAtTheWell("studna");
  player.reset();

  Open();
  LoadListWindow listed(State());
  listed.FormShow();
  ASSERT_EQ(listed.Labels.size(), 1u);
  const Rect entry = LoadListView(Host(), listed).LabelArea(1);
  bool requested_after_enter = true;
  int32_t location_after_enter = -1;
  int32_t location_restored = -1;
  std::size_t blocks_before_continuing = 99;
  InputSteps steps(
      Host(),
      {
          // "2" opens the list; the "2" it types does not reach the list,
          // where any character would close it.
          {"the main menu", [&] { return TopKind() == "menu"; }, [&] { Keys("2"); }},
          // Enter is a character key there: it closes the list unchosen.
          {"the load list", [&] { return TopKind() == "load-list"; }, [&] { Keys("Return"); }},
          {"the main menu after Enter", [&] { return TopKind() == "menu"; },
           [&] {
             requested_after_enter = State().LoadRequested;
             location_after_enter = State().World.Location;
             Keys("2");
           }},
          {"the load list again", [&] { return TopKind() == "load-list"; },
           [&] { ClickOn(entry); }},
          // The restored game waits for "Pokračovat"; Enter is its click.
          {"the restored game", [&] { return TopKind() == "game" && Form().ContinueButtonVisible; },
           [&] {
             location_restored = State().World.Location;
             blocks_before_continuing = Form().TextBlocks.size();
             Keys("Return");
           }},
          {"the restored location shown", [&] { return !Form().ContinueButtonVisible; },
           [&] { Host().EndProgram(); }},
      });
  player->Run();

  EXPECT_EQ(steps.Waiting(), "");
  EXPECT_FALSE(requested_after_enter);
  EXPECT_EQ(location_after_enter, 0);  // no game was started
  EXPECT_EQ(location_restored, 2);
  EXPECT_EQ(blocks_before_continuing, 0u);
  EXPECT_TRUE(messages.empty()) << messages.front();
  EXPECT_TRUE(State().LoadRequested);
  EXPECT_EQ(State().World.Location, 2);
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Text,
            "Ulo\x9E"
            "eno.");
  EXPECT_EQ(Form().OptionLabels.size(), 1u);
}

// A layer that writes one text, white, on a plain colour over the whole
// window: how a text looks drawn by itself.
class TextAlone final : public Layer {
 public:
  TextAlone(Font font, std::string text, Colour background)
      : font_(std::move(font)), text_(std::move(text)), background_(background) {}
  void Draw(Canvas& canvas) override {
    canvas.Fill(Rect{0, 0, 4000, 4000}, background_);
    canvas.Text(font_, text_, kWhite, 20, 20);
  }
  void HandleEvent(const SDL_Event&) override {}
  std::string_view Kind() const override { return "text"; }

 private:
  Font font_;
  std::string text_;
  Colour background_;
};

// The smallest rectangle of `area` holding every pixel that is not
// `background`; empty when there is none.
Rect InkBox(const Picture& frame, const Rect& area, Rgb background) {
  int left = area.Right();
  int top = area.Bottom();
  int right = area.Left;
  int bottom = area.Top;
  for (int y = area.Top; y < area.Bottom(); ++y) {
    for (int x = area.Left; x < area.Right(); ++x) {
      if (PixelAt(frame, x, y) == background) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  if (right <= left) return {};
  return Rect{left, top, right - left, bottom - top};
}

TEST_F(RealInputTest, AnswerPromptTakesRealKeysShowsHowToAnswerOnEnterAndClosesOnOk) {
  QV_ON_PRIVATE_DISPLAY();
  WindowManager manager;
  if (!manager.Running()) GTEST_SKIP() << "openbox, xdotool or wmctrl is missing";
  WriteLocations(
      "<1><text obsah=\"U br\xE1ny.\"><textoveokno retezec=\"2\" otazka=\"Heslo?\">"
      "<menu t=\"D\xE1l\" x=\"2\"><2>");
  Open();
  AnswerView* view = nullptr;
  KeepView("answer", view);
  const AnswerPromptWindow& prompt = Form().AnswerPrompt;
  // The strip under "ok", inside the panel's frame: the hint's place.
  Rect strip;
  Picture before_enter;
  Picture after_enter;
  bool closed_by_enter = true;
  InputSteps steps(Host(), {
                               {"the prompt", [&] { return TopKind() == "answer" && view; },
                                [&] {
                                  Type("abcd");
                                  Keys("BackSpace Home");
                                  Type("X");
                                }},
                               {"the answer edited", [&] { return prompt.Edit == "Xabc"; },
                                [&] {
                                  before_enter = Frame("answer-typed");
                                  Keys("Return");
                                }},
                               {"the hint", [&] { return view->HintShown(); },
                                [&] {
                                  closed_by_enter = prompt.IsClosed();
                                  after_enter = Frame("answer-hint");
                                  const Rect area = view->Area();
                                  const Rect ok = view->OkArea(Host().Paint());
                                  strip = Rect{area.Left + 2, ok.Bottom() + 1, area.Width - 4,
                                               area.Bottom() - 2 - ok.Bottom() - 1};
                                  ClickOn(view->OkArea(Host().Paint()));
                                }},
                           });
  player->StartGame();

  EXPECT_EQ(steps.Waiting(), "");
  EXPECT_FALSE(closed_by_enter);
  EXPECT_EQ(State().World.Strings.Get(2), "Xabc");
  // The page went on once "ok" closed the prompt.
  EXPECT_EQ(Form().OptionLabels.size(), 1u);
  ASSERT_EQ(after_enter.Width, kWidth);

  // Before Enter nothing stands under "ok"; after it the hint does, pixel
  // for pixel the text below written alone on the same background.
  const Rgb panel = PixelAt(after_enter, strip.Left, strip.Top);
  EXPECT_EQ(InkBox(before_enter, strip, panel).Width, 0);
  const Rect hint = InkBox(after_enter, strip, panel);
  ASSERT_GT(hint.Width, 0);
  // "Odpověď potvrď kliknutím na ok."
  TextAlone alone(Font{"Arial", 10, {}}, "Odpov\xEC\xEF potvr\xEF kliknut\xEDm na ok.",
                  Colour(panel.R | panel.G << 8 | panel.B << 16));
  Host().PushLayer(alone);
  const Picture reference = Frame("answer-hint-alone");
  Host().PopLayer();
  const Rect written = InkBox(reference, Rect{0, 0, kWidth, 100}, panel);
  ASSERT_EQ(written.Width, hint.Width);
  ASSERT_EQ(written.Height, hint.Height);
  int differing = 0;
  for (int y = 0; y < hint.Height; ++y) {
    for (int x = 0; x < hint.Width; ++x) {
      if (!(PixelAt(after_enter, hint.Left + x, hint.Top + y) ==
            PixelAt(reference, written.Left + x, written.Top + y))) {
        ++differing;
      }
    }
  }
  EXPECT_EQ(differing, 0);
  // Centred under "ok".
  const Rect area{prompt.Left, prompt.Top, AnswerPromptWindow::kWidth, AnswerPromptWindow::kHeight};
  EXPECT_LE(std::abs((hint.Left - area.Left) - (area.Right() - hint.Right())), 3);
}

TEST_F(RealInputTest, ShopAndSellingRowsUnderlineUnderTheRealMouse) {
  QV_ON_PRIVATE_DISPLAY();
  WindowManager manager;
  if (!manager.Running()) GTEST_SKIP() << "openbox, xdotool or wmctrl is missing";
  WriteDataFile("zbrane",
                "1 \"P\xECst\" \"Hol\xE9 ruce\" 1k2+0, 0, 0;\r\n"
                "2 \"D\xFDka\" \"Kr\xE1tk\xE1\" 1k4+0, 1, 5;\r\n");
  WriteDataFile("predmety", "1 \"Lektvar\" \"L\xE9\xE8iv\xFD\" 6, vzdy, zivoty+5;\r\n");
  WriteDataFile("obchod", "1, zbran 2, predmet 1;\r\n");
  WriteLocations("<1><obchod><prodej><text obsah=\"Hotovo.\">");
  Open();
  ShopView* shop = nullptr;
  SellView* sale = nullptr;
  KeepView("shop", shop);
  KeepView("sell", sale);
  const auto shop_window = [&] { return dynamic_cast<const ShopWindow*>(shop->Window()); };
  const auto sell_window = [&] { return dynamic_cast<const SellWindow*>(sale->Window()); };
  // Each label's text, as high as its letters and underline are drawn.
  const auto text_box = [&](const Rect& row, const TLELabel& label) {
    return Rect{row.Left, row.Top, row.Width,
                Host().Text().Measure(kEntryFont, label.Caption).Height};
  };
  // The widest white run in rows 1 and 2 with the mouse on row 1, then off
  // the rows; the same for the selling window's one entry.
  struct Seen {
    int Width = 0;
    int Hovered = 0;
    int Other = 0;
    int Left = 0;
  };
  Seen bought;
  Seen sold;
  Rect row1;
  Rect row2;
  Rect entry;
  InputSteps steps(Host(),
                   {
                       {"the shop", [&] { return TopKind() == "shop" && shop; },
                        [&] {
                          ASSERT_EQ(shop_window()->RowLabels.size(), 2u);
                          row1 = text_box(shop->RowArea(1), shop_window()->RowLabels[0]);
                          row2 = text_box(shop->RowArea(2), shop_window()->RowLabels[1]);
                          bought.Width = row1.Width;
                          MoveTo(row1.Left + 3, row1.Top + 4);
                        }},
                       {"row 1 under the mouse", [&] { return !shop_window()->HoverLine.empty(); },
                        [&] {
                          const Picture frame = Frame("shop-hover");
                          bought.Hovered = WidestRun(frame, row1, kWhiteRgb);
                          bought.Other = WidestRun(frame, row2, kWhiteRgb);
                          // A click buys "Dýka", for the selling window to offer.
                          EXPECT_TRUE(RunTool("xdotool click 1"));
                        }},
                       {"the purchase", [&] { return State().Weapons.at(2).Held == 1; },
                        [&] {
                          // Off the rows, still over the shop.
                          MoveTo(shop->Area().Left + 10, shop->Area().Top + 300);
                        }},
                       {"the mouse off the rows", [&] { return shop_window()->HoverLine.empty(); },
                        [&] {
                          bought.Left = WidestRun(Frame("shop-left"), row1, kWhiteRgb);
                          ClickOn(shop->CloseButtonArea());
                        }},
                       {"the selling window", [&] { return TopKind() == "sell" && sale; },
                        [&] {
                          ASSERT_EQ(sell_window()->Entries.size(), 1u);
                          entry = text_box(sale->EntryArea(0), sell_window()->Entries[0].Label);
                          sold.Width = entry.Width;
                          MoveTo(entry.Left + 3, entry.Top + 4);
                        }},
                       {"the entry under the mouse", [&] { return !sell_window()->Status.empty(); },
                        [&] {
                          sold.Hovered = WidestRun(Frame("sell-hover"), entry, kWhiteRgb);
                          MoveTo(sale->Area().Left + 10, sale->Area().Top + 300);
                        }},
                       {"the mouse off the entry", [&] { return sell_window()->Status.empty(); },
                        [&] {
                          sold.Left = WidestRun(Frame("sell-left"), entry, kWhiteRgb);
                          ClickOn(sale->CloseButtonArea());
                        }},
                   });
  player->StartGame();

  EXPECT_EQ(steps.Waiting(), "");
  // Bought once, and nothing sold on the way.
  EXPECT_EQ(State().Weapons.at(2).Held, 1);
  EXPECT_EQ(Form().TextBlocks.size(), 1u);
  ASSERT_GT(bought.Width, 10);
  EXPECT_GE(bought.Hovered, bought.Width - 2);
  EXPECT_LT(bought.Other, bought.Width / 2);
  EXPECT_LT(bought.Left, bought.Width / 2);
  ASSERT_GT(sold.Width, 10);
  EXPECT_GE(sold.Hovered, sold.Width - 2);
  EXPECT_LT(sold.Left, sold.Width / 2);
}

// Every pixel of `area` outside `except` is black.
int NotBlackAround(const Picture& frame, const Rect& area, const Rect& except) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom(); ++y) {
    for (int x = area.Left; x < area.Right(); ++x) {
      if (except.Contains(x, y)) continue;
      if (!(PixelAt(frame, x, y) == Rgb{0, 0, 0})) ++count;
    }
  }
  return count;
}

TEST_F(RealInputTest, InventoryObjectPictureStandsOnBlackWithAndWithoutSkinPictures) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("obrazky/klic.png", 40, 30, Rgb{255, 0, 0});
  WriteLocations("<1><text obsah=\"Tady.\">");
  // The object's window is larger than its picture: 80 x 60 and the caption.
  PicturePopupWindow placed;
  placed.Width = 80;
  placed.Height = 60;
  placed.CentreOnScreen(kWidth, kHeight);
  const Rect window{placed.Left, placed.Top, placed.ClientWidth(), placed.ClientHeight()};
  const Rect picture{placed.Left, placed.Top, 40, 30};
  const Rect inventory{kWidth / 2 - 670 / 2, kHeight / 2 - 603 / 2, 670, 603};
  for (const bool skin : {false, true}) {
    SCOPED_TRACE(skin ? "with skin pictures" : "without skin pictures");
    // Under the pop-up: the inventory's green background picture, or
    // without it the built-in panel; neither is black.
    if (skin) WriteSolidPng("grafika/pozadi_inventar.png", 670, 603, Rgb{0, 255, 0});
    Play();
    State().Objects.at(1) = ObjectEntry{"Kl\xED\xE8", "Star\xFD", "klic.png", 60, 80, 1};
    State().ObjectCount = 1;
    Picture shown;
    WatchModal("picture", [&] { shown = Frame(skin ? "object-skin" : "object"); });
    PushClick(Game().ButtonArea(GameButton::Vybaveni));
    // The objects column: left 32, rows from top 55.
    PushClick(Rect{inventory.Left + 32 + 4, inventory.Top + 55 + 8, 1, 1});
    PushMove(picture.CentreX(), picture.CentreY());
    PushClick(picture);
    PushKey(SDLK_ESCAPE);
    Settle();

    ASSERT_EQ(shown.Width, kWidth);
    EXPECT_EQ(Host().Layers().back()->Kind(), "game");
    EXPECT_EQ(CountColour(shown, picture, 0x0000FF), 40 * 30);
    // Around the picture and along the caption strip: black, not the
    // skin's see-through colour and not the window under it.
    const TextSize caption = Host().Text().Measure(Font{"Arial", 10, {}}, "Kl\xED\xE8");
    const Rect caption_at{placed.Left + (placed.Width - caption.Width) / 2,
                          placed.Top + placed.CaptionTop(), caption.Width, caption.Height};
    EXPECT_EQ(
        NotBlackAround(shown, Rect{window.Left, window.Top, window.Width, placed.Height}, picture),
        0);
    const Rect strip{window.Left, window.Top + placed.Height, window.Width,
                     PicturePopupWindow::kCaptionRoom};
    EXPECT_EQ(NotBlackAround(shown, strip, caption_at), 0);
    EXPECT_TRUE(DrawnInShadesOf(shown, caption_at, kWhite));
    // Just outside the window the inventory shows again.
    EXPECT_NE(PixelAt(shown, window.Left - 2, window.Top + 10), (Rgb{0, 0, 0}));
    player.reset();
  }
}

}  // namespace
}  // namespace qv
