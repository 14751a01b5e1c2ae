// The character sheet, the inventory, the shop and the selling window drawn
// over the page: clicks at the places the windows give their controls,
// lists longer than the window scrolled with the wheel, and the countdown
// going on under them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/game_layout.h"
#include "desktop/game_view.h"
#include "desktop/gui_script_runner.h"
#include "desktop/inventory_view.h"
#include "desktop/load_list_view.h"
#include "desktop/possession_window_parts.h"
#include "desktop/save_view.h"
#include "desktop/sell_view.h"
#include "desktop/sheet_view.h"
#include "desktop/shop_view.h"
#include "desktop/small_window.h"
#include "desktop_fixture.h"
#include "state/load_list_window.h"
#include "state/save_window.h"

namespace qv {
namespace {

constexpr Colour kGreenColour = 0x00FF00;

// Shows the usual view of a window and hands it to the test whenever a
// marker event reaches it, so the test can read the model and the frame at
// that point of the queued input.
class MarkedView final : public Layer {
 public:
  MarkedView(std::unique_ptr<Layer> view, std::function<void(Layer&)> on_marker)
      : view_(std::move(view)), on_marker_(std::move(on_marker)) {}

  void Draw(Canvas& canvas) override { view_->Draw(canvas); }
  std::string_view Kind() const override { return view_->Kind(); }
  ModalWindow* Window() const override { return view_->Window(); }
  void HandleEvent(const SDL_Event& event) override {
    if (event.type == SDL_USEREVENT) {
      on_marker_(*view_);
      return;
    }
    view_->HandleEvent(event);
  }

 private:
  std::unique_ptr<Layer> view_;
  std::function<void(Layer&)> on_marker_;
};

// Where "Konec" will stand once the game window is up.
Rect EndButton(DesktopHost& host) {
  GameLayout layout;
  layout.Width = host.ScreenWidth();
  layout.Height = host.ScreenHeight();
  layout.MessageLineHeight = host.Text().Measure(kMessageFont, "").Height;
  return layout.Button(GameButton::Konec);
}

class PossessionWindowTest : public DesktopFixture {
 protected:
  void WriteCatalogs() {
    WriteDataFile("zbrane",
                  "1 \"P\xECst\" \"Hol\xE9 ruce\" 1k2+0, 0, 0;\r\n"
                  "2 \"D\xFDka\" \"Kr\xE1tk\xE1\" 1k4+0, 1, 5;\r\n"
                  "3 \"Me\xE8\" \"Ostr\xFD me\xE8\" 2k6+1, 3, 25;\r\n");
    WriteDataFile("zbroje", "1 \"Ko\x9Aile\" \"Pl\xE1t\xECn\xE1\" 0, 0, 0, 0;\r\n");
    std::string items = "1 \"Lektvar\" \"L\xE9\xE8iv\xFD\" 6, vzdy, zivoty+5;\r\n";
    for (int n = 2; n <= 40; ++n) {
      items += std::to_string(n) + " \"Kamen" + std::to_string(n) + "\" \"Kus\" 1, vzdy, xp+1;\r\n";
    }
    WriteDataFile("predmety", items);
  }

  // Views of `kind` call `on_marker` at each marker event.
  void Mark(const std::string& kind, std::function<void(Layer&)> on_marker) {
    ModalViewFactory usual = Host().ModalView(kind);
    ASSERT_TRUE(usual) << kind;
    Host().RegisterModalView(kind, [usual, on_marker](ModalWindow& window) {
      return std::make_unique<MarkedView>(usual(window), on_marker);
    });
  }

  static void PushMarker() {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    Push(event);
  }

  static void PushWheel(int notches) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    event.wheel.y = notches > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(notches); ++i) Push(event);
  }

  // A click at (x, y) of the logical window.
  static void PushClickAt(int x, int y) { PushClick(Rect{x, y, 1, 1}); }

  // A window of that size centred on the 800 x 600 game window.
  static Rect Centred(int width, int height) {
    return Rect{kWidth / 2 - width / 2, kHeight / 2 - height / 2, width, height};
  }
};

TEST_F(PossessionWindowTest, BuyingAndSellingByClicks) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteDataFile("obchod", "1, zbran 2, predmet 1;\r\n");
  WriteLocations("<1><obchod><prodej><text obsah=\"Hotovo.\">");
  Open();
  std::vector<std::string> shop_seen;  // money line | message line | hover line
  // The widest run of white (the text without its background picture) on
  // one pixel row of row 1's caption: the underline spans the caption.
  int caption_width = 0;
  int widest_run = 0;
  Picture shop_frame;
  Mark("shop", [&](Layer& view) {
    const auto& shop = dynamic_cast<const ShopWindow&>(*view.Window());
    shop_seen.push_back(shop.Heading.Money + "|" + shop.MessageLine + "|" + shop.HoverLine);
    if (shop_seen.size() > 1) return;
    shop_frame = Frame();
    const TLELabel& label = shop.RowLabels[0];
    const TextSize size = Host().Text().Measure(kEntryFont, label.Caption);
    caption_width = size.Width;
    const Rect area = dynamic_cast<ShopView&>(view).Area();
    for (int y = area.Top + label.Top; y < area.Top + label.Top + size.Height; ++y) {
      int run = 0;
      for (int x = area.Left + label.Left; x < area.Left + label.Left + size.Width; ++x) {
        run = PixelAt(shop_frame, x, y) == Rgb{255, 255, 255} ? run + 1 : 0;
        widest_run = std::max(widest_run, run);
      }
    }
  });
  std::vector<std::string> sell_seen;  // money line | caption | shown
  Mark("sell", [&](Layer& view) {
    const auto& sale = dynamic_cast<const SellWindow&>(*view.Window());
    ASSERT_EQ(sale.Entries.size(), 1u);
    sell_seen.push_back(sale.Heading.Money + "|" + sale.Entries[0].Label.Caption + "|" +
                        (sale.Entries[0].Label.Visible ? "shown" : "hidden"));
  });
  const Rect window = Centred(670, 603);
  // Row r of the offer stands at left 50, top 15 r + 50 of the window.
  const auto row = [&](int r) { return window.Top + 15 * r + 50 + 7; };
  PushClickAt(window.Left + 50 + 4, row(1));  // Dýka for 5
  PushMarker();
  PushClickAt(window.Left + 50 + 4, row(1));
  PushClickAt(window.Left + 50 + 4, row(2));  // Lektvar for 6: too little left
  PushMarker();
  // Beside the rows nothing is bought.
  PushClickAt(window.Left + 200, row(1));
  PushClick(CloseArea(Host(), window));
  // The selling window: entry 0 at left 50, top 50.
  PushMarker();
  PushClickAt(window.Left + 50 + 4, window.Top + 50 + 7);
  PushMarker();
  PushClickAt(window.Left + 50 + 4, window.Top + 50 + 7);
  PushMarker();
  PushClick(CloseArea(Host(), window));
  player->StartGame();

  ASSERT_EQ(shop_seen.size(), 2u);
  // The entry under the mouse is underlined, as option labels are.
  EXPECT_GE(widest_run, caption_width - 2) << caption_width;
  // Without its background picture the shop is an opaque panel, not the
  // page seen through it.
  EXPECT_EQ(PixelAt(shop_frame, window.Left + 600, window.Top + 300), ToRgb(kBuiltInPanel));
  EXPECT_EQ(shop_seen[0],
            "M\xE1me 5 zla\x9D\xE1k\xF9|Koupil jsi D\xFDka|D\xFDka\r\n"
            "\xFAtok 1k4+0, po\x9Akozen\xED 1\rKr\xE1tk\xE1\r\nCena: 5 zla\x9D\xE1k\xF9");
  EXPECT_EQ(shop_seen[1].substr(0, shop_seen[1].find("|L")),
            "M\xE1me 0 zla\x9D\xE1k\xF9|Nem\xE1\x9A dostatek pen\xEC"
            "z!!!");
  ASSERT_EQ(sell_seen.size(), 3u);
  EXPECT_EQ(sell_seen[0], "M\xE1me 0 zla\x9D\xE1k\xF9|D\xFDka x2|shown");
  EXPECT_EQ(sell_seen[1], "M\xE1me 2 zla\x9D\xE1k\xF9|D\xFDka x1|shown");
  EXPECT_EQ(sell_seen[2], "M\xE1me 4 zla\x9D\xE1k\xF9|D\xFDka x0|hidden");
  EXPECT_EQ(State().Character.PENIZE, 4);
  EXPECT_EQ(State().Weapons.at(2).Held, 0);
  EXPECT_EQ(State().Items.at(1).Held, 0);
  EXPECT_EQ(Form().TextBlocks.size(), 1u);  // the page went on after both windows
}

TEST_F(PossessionWindowTest, RaiseButtonsShowWhileExperiencePaysForThem) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("grafika/plusko3d.png", 16, 16, Rgb{0, 255, 0});
  InitRecord record = TestInitRecord();
  record.Zkusenosti = 10;
  record.Zivoty = {20, 10, 5};
  WriteInitRecord(record);
  WriteLocations("<1><text obsah=\"Tady.\">");
  Play();
  const Rect window = Centred(421, 245);
  // Where the six buttons stand on the sheet.
  const int places[6][2] = {{40, 96}, {40, 120}, {40, 144}, {224, 96}, {224, 120}, {224, 144}};
  std::vector<Picture> frames;
  std::vector<std::string> hints;
  Mark("sheet", [&](Layer& view) {
    frames.push_back(Frame("sheet-" + std::to_string(frames.size())));
    hints.push_back(dynamic_cast<const CharacterSheetWindow&>(*view.Window()).XPinfo);
  });
  PushClick(Game().ButtonArea(GameButton::Postava));
  PushMove(window.Left + 40 + 8, window.Top + 96 + 8);  // over the lives button
  PushMarker();
  PushClickAt(window.Left + 40 + 8, window.Top + 96 + 8);
  PushMarker();
  PushClickAt(window.Left + 40 + 8, window.Top + 96 + 8);  // no button there any more
  PushKey(SDLK_ESCAPE);
  Settle();

  ASSERT_EQ(frames.size(), 2u);
  for (const auto& place : places) {
    const Rect button{window.Left + place[0], window.Top + place[1], 16, 16};
    EXPECT_EQ(CountColour(frames[0], button, kGreenColour), 16 * 16) << place[0] << "," << place[1];
    EXPECT_EQ(CountColour(frames[1], button, kGreenColour), 0) << place[0] << "," << place[1];
  }
  // Nothing green elsewhere: the buttons stand exactly there.
  EXPECT_EQ(CountColour(frames[0], Rect{0, 0, kWidth, kHeight}, kGreenColour), 6 * 16 * 16);
  EXPECT_EQ(hints[0],
            "Zv\xFD\x9A"
            "en\xED po\xE8tu \x9Eivot\xF9 10 XP");
  const CharacterState& hero = State().Character;
  EXPECT_EQ(hero.ZIVOTY, 21);
  EXPECT_EQ(hero.MAXZIVOTY, 21);
  EXPECT_EQ(hero.ZKUSENOSTI, 0);
  EXPECT_EQ(hero.RaiseCost[kRaiseZivoty], 15);
  EXPECT_EQ(Host().Layers().back()->Kind(), "game");
}

TEST_F(PossessionWindowTest, ItemUsedByAClickInTheInventory) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations("<1><text obsah=\"Tady.\">");
  Play();
  State().Items.at(1).Held = 2;
  State().Character.ZIVOTY = 12;
  const Rect window = Centred(670, 603);
  std::vector<std::string> seen;  // items | Status2
  Mark("inventory", [&](Layer& view) {
    const auto& inventory = dynamic_cast<const InventoryWindow&>(*view.Window());
    std::string items;
    for (const TLELabel& label : inventory.Items) items += label.Caption + ";";
    seen.push_back(items + "|" + inventory.Status2);
  });
  PushClick(Game().ButtonArea(GameButton::Vybaveni));
  PushMarker();
  // The items column: left 144, rows from top 55, 17 pixels apart.
  PushClickAt(window.Left + 144 + 4, window.Top + 55 + 8);
  PushMarker();
  PushKey(SDLK_ESCAPE);
  Settle();

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], "Lektvar x 2;|");
  EXPECT_EQ(seen[1], "Lektvar;|\r\nVyl\xE9\xE8il sis 5 \x9Eivoty\r\n");
  EXPECT_EQ(State().Character.ZIVOTY, 17);
  EXPECT_EQ(State().Items.at(1).Held, 1);
  EXPECT_EQ(Host().Layers().back()->Kind(), "game");
}

TEST_F(PossessionWindowTest, LongItemListScrollsWithTheWheel) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations("<1><text obsah=\"Tady.\">");
  Play();
  for (int n = 1; n <= 40; ++n) State().Items.at(n).Held = 1;
  const Rect window = Centred(670, 603);
  std::vector<bool> item40_shown;
  Mark("inventory", [&](Layer& view) {
    item40_shown.push_back(
        dynamic_cast<InventoryView&>(view).EntryArea(InventoryList::Items, 40).Height > 0);
  });
  PushClick(Game().ButtonArea(GameButton::Vybaveni));
  PushMarker();
  // The wheel over the objects column leaves the items where they are.
  PushMove(window.Left + 40, window.Top + 100);
  PushWheel(-2);
  PushMarker();
  // Over the items column: 3 rows a notch, and no further than the last
  // item (40 rows, 25 in the window: 15 rows down at most).
  PushMove(window.Left + 150, window.Top + 100);
  PushWheel(-9);
  PushMarker();
  // The first row's place now holds item 16.
  PushClickAt(window.Left + 144 + 4, window.Top + 55 + 8);
  PushKey(SDLK_ESCAPE);
  Settle();

  EXPECT_EQ(item40_shown, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(State().Items.at(16).Held, 0);
  EXPECT_EQ(State().Items.at(1).Held, 1);
  EXPECT_EQ(State().Character.ZKUSENOSTI, 1);
}

TEST_F(PossessionWindowTest, CountdownClosesTheInventory) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><text obsah=\"Tady.\">"
      "<2><text obsah=\"Pozd\xEC.\">");
  Play();
  bool shown = false;
  Mark("inventory", [&](Layer&) { shown = true; });
  const uint32_t started = SDL_GetTicks();
  PushClick(Game().ButtonArea(GameButton::Vybaveni));
  PushMarker();
  // The inventory stays until the countdown closes it: nothing else does here.
  Settle();
  EXPECT_TRUE(shown);
  EXPECT_GE(SDL_GetTicks() - started, 900u);
  EXPECT_EQ(Host().Layers().back()->Kind(), "game");
  for (int i = 0; i < 20 && State().World.Location != 2; ++i) Host().Step(100);
  EXPECT_EQ(State().World.Location, 2);
}

TEST_F(PossessionWindowTest, SavedPositionFoundByScrollingTheLoadList) {
  QV_ON_PRIVATE_DISPLAY();
  SaveAtTheWell("hrdina");
  player.reset();

  // 24 newer positions push it out of the 20 the list shows at a time.
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time("save/hrdina.pzv", now - std::chrono::hours(24 * 100));
  for (int i = 1; i <= 24; ++i) {
    const std::string path = "save/novejsi" + std::to_string(i) + ".pzv";
    std::ofstream(path) << "x";
    std::filesystem::last_write_time(path, now - std::chrono::minutes(i));
  }

  Open();
  LoadListWindow listed(State());
  listed.FormShow();
  ASSERT_EQ(listed.Entries.size(), 25u);
  ASSERT_EQ(listed.Labels.size(), 20u);
  for (const TLELabel& label : listed.Labels) EXPECT_NE(label.Caption.substr(0, 6), "hrdina");
  listed.ScrollTo(5);
  ASSERT_EQ(listed.Labels.back().Caption.substr(0, 7), "hrdina ");
  const Rect entry = LoadListView(Host(), listed).LabelArea(20);
  PushKey(SDLK_2);
  PushMove(entry.Left + 2, entry.Top + 2);
  PushWheel(-7);  // the list stops at its end: 5 entries down
  PushClick(entry);
  const TextSize continue_size = Host().Text().Measure(kContinueFont, kContinueCaption);
  PushClick(Rect{kWidth / 2 - 60, kHeight / 3 + 20, continue_size.Width, continue_size.Height});
  PushClick(EndButton(Host()));
  player->Run();
  EXPECT_TRUE(messages.empty()) << messages.front();
  EXPECT_EQ(State().LoadFileName, "./save/hrdina.pzv");
  // The restored page is the one the position was saved to resume at.
  EXPECT_EQ(State().World.Location, 2);
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Text,
            "Ulo\x9E"
            "eno.");
}

using Json = nlohmann::ordered_json;

std::vector<Json> RunGui(const std::string& script, int* status) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptOptions options;
  options.ScreenWidth = 800;
  options.ScreenHeight = 600;
  options.Seed = 1;
  options.Gui = true;
  *status = RunGuiScript(in, out, options);
  std::vector<Json> lines;
  std::istringstream printed(out.str());
  std::string line;
  while (std::getline(printed, line)) lines.push_back(Json::parse(line));
  return lines;
}

TEST_F(PossessionWindowTest, ScriptLinesClickTheWindowsAndScrollToFarRows) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  // 40 rows: more than the window shows at once.
  std::string offer = "1, zbran 2";
  for (int n = 1; n <= 39; ++n) offer += ", predmet " + std::to_string(n);
  WriteDataFile("obchod", offer + ";\r\n");
  WriteLocations("<1><obchod><prodej><text obsah=\"Hotovo.\">");
  WriteInitRecord(TestInitRecord());
  const char* shots = std::getenv("QUARVELIN_SCREENSHOTS");
  const std::string keep = shots ? std::string(shots) + "/" : std::string("./");
  int status = -1;
  const std::vector<Json> lines = RunGui(
      "new-game\n"
      "buy 40\n"
      "buy 1\n"
      "screenshot " +
          keep +
          "gui-shop.png\n"
          "dump\n"
          "close\n"
          "sell weapon 2\n"
          "screenshot " +
          keep +
          "gui-sell.png\n"
          "close\n"
          "button vybaveni\n"
          "use 39\n"
          "screenshot " +
          keep +
          "gui-inventory.png\n"
          "dump\n"
          "use 39\n",
      &status);
  ASSERT_EQ(status, 2);
  ASSERT_EQ(lines.size(), 3u);
  const Json& shop = lines[0];
  EXPECT_EQ(shop["windows"], Json::parse(R"(["menu","game","shop"])"));
  EXPECT_EQ(shop["shop"]["money"], "Máme 4 zlaťáků");
  EXPECT_EQ(shop["shop"]["message"], "Koupil jsi Dýka");
  EXPECT_EQ(shop["state"]["held"]["items"], Json::parse(R"({"39":1})"));
  EXPECT_EQ(shop["state"]["held"]["weapons"], Json::parse(R"({"2":1})"));
  const Json& inventory = lines[1];
  EXPECT_EQ(inventory["windows"], Json::parse(R"(["menu","game","inventory"])"));
  EXPECT_EQ(inventory["state"]["penize"], 6);
  EXPECT_EQ(inventory["state"]["zkusenosti"], 1);
  EXPECT_EQ(inventory["inventory"]["items"], Json::array());
  EXPECT_EQ(inventory["inventory"]["status2"], "\nZískal jsi 1 XP!\n");
  // The item used up is no longer there to click.
  EXPECT_EQ(lines[2], Json::parse(R"js({"error":"line 14: use: item 39 is not in the list"})js"));
}

}  // namespace
}  // namespace qv
