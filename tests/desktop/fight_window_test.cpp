// The fight window on the desktop: a fight played to its end by clicks at
// the labels' real positions, what the window draws where, hover colours,
// the wheel over long lists, and the countdown going on under the window.
#include "combat/fight_window.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/fight_view.h"
#include "desktop/gui_script_runner.h"
#include "desktop_fixture.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

constexpr Colour kPictureColour = 0xA0BEC8;  // the test's "pozadi_bitva": (200, 190, 160)
constexpr Colour kRedColour = 0x0000FF;
constexpr Colour kLimeColour = 0x00FF00;
constexpr Colour kYellowColour = 0x00FFFF;
constexpr Colour kMaroonColour = 0x000080;
constexpr Colour kGreyColour = 0x808080;
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// The window centred on an 800 x 600 screen.
constexpr int kWindowLeft = (kScreenWidth - FightWindow::kWidth) / 2;
constexpr int kWindowTop = (kScreenHeight - FightWindow::kHeight) / 2;

struct GuiRun {
  int Status = -1;
  std::vector<Json> Lines;
};

GuiRun RunGui(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptOptions options;
  options.ScreenWidth = kScreenWidth;
  options.ScreenHeight = kScreenHeight;
  options.Seed = 1;
  options.Gui = true;
  GuiRun run;
  run.Status = RunGuiScript(in, out, options);
  std::istringstream printed(out.str());
  std::string line;
  while (std::getline(printed, line)) run.Lines.push_back(Json::parse(line));
  return run;
}

Picture Decoded(const std::string& path) {
  PictureResult shot = DecodePicture(path);
  EXPECT_TRUE(shot) << path << ": " << shot.Error();
  return shot ? shot.Value() : Picture{};
}

// Texts drawn alone at given places on given backgrounds: what the window
// must show there, pixel for pixel.
class ReferenceLayer final : public Layer {
 public:
  struct Entry {
    Rect Area;
    Colour Background;
    Font TextFont;
    std::string Text;
    Colour TextColour;
  };

  explicit ReferenceLayer(std::vector<Entry> entries) : entries_(std::move(entries)) {}

  void Draw(Canvas& canvas) override {
    canvas.Fill(Rect{0, 0, kScreenWidth, kScreenHeight}, kBlack);
    for (const Entry& e : entries_) {
      canvas.Fill(e.Area, e.Background);
      canvas.Text(e.TextFont, e.Text, e.TextColour, e.Area.Left, e.Area.Top);
    }
  }
  void HandleEvent(const SDL_Event&) override {}
  std::string_view Kind() const override { return "reference"; }

 private:
  std::vector<Entry> entries_;
};

// How many pixels of `area` differ between the two frames.
int DifferingPixels(const Picture& a, const Picture& b, const Rect& area) {
  int differ = 0;
  for (int y = area.Top; y < area.Bottom(); ++y) {
    for (int x = area.Left; x < area.Right(); ++x) {
      if (!(PixelAt(a, x, y) == PixelAt(b, x, y))) ++differ;
    }
  }
  return differ;
}

class FightWindowTest : public DesktopFixture {
 protected:
  // The catalogs of a short fight: the sword 1k6 (damage 1), the armour
  // (defence 1, hardness 1); "Sek" always hits, "Mocný sek" costs 8 energy,
  // "Kouzelný úder" wants variable 9 at 1; a potion, a scroll nobody can
  // use yet, and a lightning spell.
  void WriteCatalogs(int extra_attacks = 0, int extra_items = 0) {
    WriteDataFile("zbrane", "1 \"Me\xE8\" \"m\" 1k6+0, 1, 10;\r\n");
    WriteDataFile("zbroje", "1 \"K\xF9\x9E\x65\" \"k\" 1, 1, 0, 5;\r\n");
    std::string attacks =
        "1 \"Sek\" \"Sek me\xE8\x65m\" \"Z\xE1sah za #zasah.\" \"Bez \xFA\xE8inku.\" "
        "\"Vedle!\" 0, 0, 10, 2;\r\n"
        "2 \"Mocn\xFD sek\" \"m\" \"a\" \"b\" \"c\" 8, 0, 20, 4;\r\n"
        "3 \"Kouzeln\xFD \xFA\x64\x65r\" \"k\" \"a\" \"b\" \"c\" 0, 0, 5, 4, [9 = \"1\"];\r\n";
    for (int n = 4; n <= 3 + extra_attacks; ++n) {
      attacks += std::to_string(n) + " \"Chvat " + std::to_string(n) + "\" \"Popis " +
                 std::to_string(n) + "\" \"Chvat " + std::to_string(n) +
                 " za #zasah.\" \"b\" \"c\" 0, 0, 10, 2;\r\n";
    }
    WriteDataFile("utoky", attacks);
    std::string items =
        "1 \"Lektvar\" \"Hojiv\xFD\" 5, boj, zivoty+5;\r\n"
        "2 \"Svitek\" \"s\" 3, vzdy, nzivoty-2, [MAXZIVOTY 0 >= \"100\"];\r\n";
    for (int n = 3; n <= 2 + extra_items; ++n) {
      items +=
          std::to_string(n) + " \"Bylina " + std::to_string(n) + "\" \"b\" 1, boj, mana+1;\r\n";
    }
    WriteDataFile("predmety", items);
    WriteDataFile("kouzla", "1 \"Blesk\" \"Blesk z nebe\" 3, nzivoty-4;\r\n");
    WriteSolidPng("grafika/pozadi_bitva.png", FightWindow::kPictureWidth,
                  FightWindow::kPictureHeight, ToRgb(kPictureColour));
  }

  // Location 1 teaches everything and starts the fight with `extra` in the
  // tag.
  static std::string FightPage(int attacks, int items, const std::string& extra = "") {
    std::string page = "<1>";
    for (int n = 1; n <= attacks; ++n) page += "<utok umime=\"" + std::to_string(n) + "\">";
    page += "<predmet 1=\"2\"><predmet 2=\"1\">";
    for (int n = 3; n <= items; ++n) page += "<predmet " + std::to_string(n) + "=\"1\">";
    page += "<kouzlo umime=\"1\">" + extra +
            "<souboj jmeno=\"Vlk\" utok=\"1k1+4\" obrana=\"2\" tvrdost=\"1\" zivoty=\"20\" "
            "poskozeni=\"1\" xp=\"5\"><text obsah=\"Po boji\"><2><text obsah=\"Jinde\">";
    return page;
  }

  // A fight of the test's own over a quiet page, with its view on the
  // screen, driven by events handed straight to the view.
  void OpenFightOverAQuietPage() {
    WriteLocations("<1><text obsah=\"Ticho.\">");
    Play();
    for (int n = 1; n <= State().Attacks.Count; ++n) State().Attacks.at(n).Known = 1;
    for (int n = 1; n <= State().Items.Count; ++n) State().Items.at(n).Held = 1;
    fight = std::make_unique<FightWindow>(State(), Host(), Form().Random, Form().Store.Files(),
                                          Form().FightEnemy);
    fight->Open(std::vector<param>{{"JMENO", "Vlk"}, {"UTOK", "1k1+4"}, {"ZIVOTY", "20"}});
    view = std::make_unique<FightView>(Host(), *fight);
    Host().PushLayer(*view);
  }

  void TearDown() override {
    if (view) Host().PopLayer();
  }

  void Move(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    view->HandleEvent(event);
  }
  void MoveInto(const Rect& area) { Move(area.Left + area.Width / 2, area.Top + area.Height / 2); }
  void ClickAt(const Rect& area) {
    MoveInto(area);
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = area.Left + area.Width / 2;
    event.button.y = area.Top + area.Height / 2;
    view->HandleEvent(event);
  }
  void Wheel(int notches) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = notches;
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    view->HandleEvent(event);
  }

  std::unique_ptr<FightWindow> fight;
  std::unique_ptr<FightView> view;
};

TEST_F(FightWindowTest, ScriptedFightIsPlayedToItsEndByClicksAtTheLabels) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations(FightPage(3, 2));
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui(
      "new-game\n"
      "screenshot open.png\n"
      "dump\n"
      "attack 2\n"
      "dump\n"
      "attack 1\n"
      "screenshot round1.png\n"
      "dump\n"
      "items\n"
      "use 1\n"
      "dump\n"
      "attack 1\n"
      "spells\n"
      "cast 1\n"
      "dump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 5u);

  const Json& open = run.Lines[0];
  EXPECT_EQ(open["windows"], Json::parse(R"(["menu","game","fight"])"));
  EXPECT_EQ(open["fight"]["enemy"]["lives"], 20);
  EXPECT_EQ(open["fight"]["player"]["energy"], "7 / 15");

  // The click on the costly attack was refused; the hover texts are its own.
  const Json& refused = run.Lines[1]["fight"];
  EXPECT_EQ(refused["summary1"], "K provedení této akce je potřeba 8 energie a 0 many!");
  EXPECT_EQ(refused["description"], "m");
  EXPECT_EQ(refused["energy_cost"], "Energie: 8");
  EXPECT_EQ(refused["enemy"]["lives"], 20);

  const Json& round1 = run.Lines[2]["fight"];
  EXPECT_EQ(round1["summary1"],
            "Výsledný útok nepřítele je 5, tvá obrana je 3.\n"
            "Ztrácíš 2 životů. (5 útok +1 poškození -3 obrana -1 tvrdost)");
  EXPECT_EQ(round1["summary2"], "Zásah za 9.");
  EXPECT_EQ(round1["enemy"]["lives"], 11);
  EXPECT_EQ(round1["player"]["lives"], "18 / 20");

  const Json& used = run.Lines[3]["fight"];
  EXPECT_EQ(used["summary2"], "Vyléčil sis 2 životy\n");
  EXPECT_EQ(used["items_shown"], false);
  EXPECT_EQ(used["spells_shown"], false);

  // The spell took the enemy's last lives: the window closed itself.
  const Json& won = run.Lines[4];
  EXPECT_EQ(won["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(won["state"]["combat"],
            Json::parse(R"({"result": 2, "hit": 1, "spells": 1, "items": 1})"));
  EXPECT_EQ(won["state"]["zkusenosti"], 5);

  // The frames show those texts at their places.
  const Picture before = Decoded("open.png");
  const Picture after = Decoded("round1.png");
  ASSERT_EQ(after.Width, kScreenWidth);
  const Rect messages{kWindowLeft, kWindowTop + FightWindow::kPictureHeight, FightWindow::kWidth,
                      FightWindow::kHeight - FightWindow::kPictureHeight};
  EXPECT_EQ(CountColour(before, messages, kRedColour), 0);
  EXPECT_GT(CountColour(after, messages, kRedColour), 10);
  EXPECT_GT(CountColour(after, messages, kLimeColour), 0);

  // Drawn again alone, the expected texts match the screenshot exactly.
  WriteLocations("<1>");
  Play();
  FightWindow placed(State(), Host(), Form().Random, Form().Store.Files(), Form().FightEnemy);
  placed.Left = kWindowLeft;
  placed.Top = kWindowTop;
  placed.Summary1 =
      "V\xFDsledn\xFD \xFAtok nep\xF8\xEDtele je 5, tv\xE1 obrana je 3.\r\n"
      "Ztr\xE1\x63\xED\x9A 2 \x9Eivot\xF9. (5 \xFAtok +1 po\x9Akozen\xED -3 obrana -1 tvrdost)";
  placed.Summary2 = "Z\xE1sah za 9.";
  const FightScroll scroll;
  const FightLayout layout(placed, Host().Text(), scroll);
  const Rect lives = layout.ValueAt(layout.EnemyHalf(), 0);
  EXPECT_EQ(lives.Left, kWindowLeft + FightLayout::kValueLeft);
  EXPECT_EQ(lives.Top, kWindowTop + FightLayout::kFirstValueTop);
  const Rect player_lives = layout.ValueAt(layout.PlayerHalf(), 0);
  const Rect summary1 = layout.Summary1Area();
  const Rect summary2 = layout.Summary2Area();
  EXPECT_EQ(summary1.Left, kWindowLeft + FightLayout::kMessageLeft);
  EXPECT_EQ(summary1.Top, messages.Top + FightLayout::kMessageTextTop);
  EXPECT_GT(summary2.Top, summary1.Bottom());
  ReferenceLayer reference({
      {lives, kPictureColour, fight_fonts::kValue, "11 / 20", kBlack},
      {player_lives, kPictureColour, fight_fonts::kValue, "18 / 20", kBlack},
      {Rect{summary1.Left, summary1.Top, 440, summary1.Height}, kBlack, fight_fonts::kText,
       placed.Summary1, kRedColour},
      {Rect{summary2.Left, summary2.Top, 440, summary2.Height}, kBlack, fight_fonts::kText,
       placed.Summary2, kLimeColour},
  });
  Host().PushLayer(reference);
  const Picture expected = Frame("fight-reference");
  Host().PopLayer();
  EXPECT_EQ(DifferingPixels(after, expected, lives), 0);
  EXPECT_EQ(DifferingPixels(after, expected, player_lives), 0);
  EXPECT_EQ(
      DifferingPixels(after, expected, Rect{summary1.Left, summary1.Top, 440, summary1.Height}), 0);
  EXPECT_EQ(
      DifferingPixels(after, expected, Rect{summary2.Left, summary2.Top, 440, summary2.Height}), 0);
  // Before the round the enemy had all his lives: that place differed.
  EXPECT_GT(DifferingPixels(before, expected, lives), 0);
}

TEST_F(FightWindowTest, TheFightEndsAndThePageGoesOnAfterTheLastClick) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations(FightPage(3, 2));
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui("new-game\nattack 1\nattack 1\nattack 1\ndump\nclose\n");
  // Three hits of 9 take the wolf's 20 lives; the window is gone, so
  // "close" no longer fits.
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(run.Status, 2);
  const Json& after = run.Lines[0];
  EXPECT_EQ(after["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(after["state"]["zkusenosti"], 5);
  EXPECT_EQ(after["state"]["combat"]["result"], 2);
  EXPECT_EQ(after["info"][0]["text"], "Vyhrál jsi! Za poražení nepřítele získáváš 5 XP");
  EXPECT_EQ(after["texts"][0]["text"], "Po boji");
  EXPECT_EQ(
      run.Lines[1],
      Json::parse(R"js({"error": "line 6: 'close' does not fit the window on top (game)"})js"));
}

TEST_F(FightWindowTest, FightLinesThatCannotBeAppliedStopTheRun) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations(FightPage(3, 2));
  WriteInitRecord(TestInitRecord());
  EXPECT_EQ(RunGui("new-game\nattack 7\n").Lines.back(),
            Json::parse(R"({"error": "line 2: attack: attack 7 has no label"})"));
  EXPECT_EQ(RunGui("new-game\nuse 1\n").Lines.back(),
            Json::parse(R"({"error": "line 2: use: the item list is not open"})"));
  EXPECT_EQ(RunGui("new-game\nspells\ncast 2\n").Lines.back(),
            Json::parse(R"({"error": "line 3: cast: spell 2 is not in the list"})"));
  EXPECT_EQ(RunGui("new-game\nitems\nuse 1\nitems\n").Lines.back(),
            Json::parse(R"({"error": "line 4: items: the items button is not shown"})"));
  EXPECT_EQ(RunGui("new-game\nclose\n").Lines.back(),
            Json::parse(R"({"error": "line 2: close: the fight is not over"})"));
  EXPECT_EQ(
      RunGui("new-game\nchoose 1\n").Lines.back(),
      Json::parse(R"js({"error": "line 2: 'choose' does not fit the window on top (fight)"})js"));
}

TEST_F(FightWindowTest, RefusedAttackIsGreyAndHoverUnderlinesAndShowsItsTexts) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  OpenFightOverAQuietPage();
  const FightLayout layout = view->Layout();
  // Four to a row from (18, 280) of the window.
  const Rect first = layout.AttackArea(0);
  EXPECT_EQ(first.Left, kWindowLeft + 18);
  EXPECT_EQ(first.Top, kWindowTop + 280);
  EXPECT_EQ(layout.AttackArea(2).Left, kWindowLeft + 218);

  const Picture shown = Frame("fight-open");
  const Rect enabled = layout.AttackArea(0);
  const Rect refused = layout.AttackArea(2);
  EXPECT_GT(CountColour(shown, enabled, kBlack), 10);
  EXPECT_EQ(CountColour(shown, enabled, kGreyColour), 0);
  EXPECT_GT(CountColour(shown, refused, kGreyColour), 10);
  EXPECT_EQ(CountColour(shown, refused, kBlack), 0);
  // Items and spells are allowed: their captions are black, with the hand.
  EXPECT_GT(CountColour(shown, layout.PredmetyArea(), kBlack), 10);
  EXPECT_TRUE(view->HandAt(enabled.Left + 2, enabled.Top + 5));
  EXPECT_TRUE(view->HandAt(refused.Left + 2, refused.Top + 5));
  EXPECT_FALSE(view->HandAt(kWindowLeft + 5, kWindowTop + 5));

  // Hovering the refused attack underlines it and explains it.
  MoveInto(refused);
  const Picture hovered = Frame("fight-hover");
  EXPECT_GT(CountColour(hovered, refused, kGreyColour), CountColour(shown, refused, kGreyColour));
  EXPECT_EQ(fight->Hover.HoveredIndex, 3);
  EXPECT_NE(fight->Summary3.find("Nespln\xECny podm\xEDnky akce !"), std::string::npos);
  EXPECT_GT(CountColour(hovered, layout.Messages(), kYellowColour), 10);
  EXPECT_EQ(fight->EnergyCostLine, "Energie: 0");

  // Clicking it is refused: the conditions go to the red line.
  ClickAt(refused);
  EXPECT_EQ(fight->Summary1, fight->Summary3);
  EXPECT_EQ(fight->enemy.Lives, 20);

  // The mouse leaves over the picture: the texts go, the underline too.
  Move(kWindowLeft + 5, kWindowTop + 5);
  EXPECT_EQ(fight->Hover.HoveredIndex, 0);
  EXPECT_TRUE(fight->Summary3.empty());
  EXPECT_FALSE(fight->CostLabelsVisible);
  const Picture left = Frame();
  EXPECT_EQ(CountColour(left, refused, kGreyColour), CountColour(shown, refused, kGreyColour));
}

TEST_F(FightWindowTest, ForbiddenListsAreGreyWithoutTheHand) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations("<1>");
  Play();
  fight = std::make_unique<FightWindow>(State(), Host(), Form().Random, Form().Store.Files(),
                                        Form().FightEnemy);
  fight->Open(std::vector<param>{{"PREDMETY", "ne"}, {"ZIVOTY", "5"}});
  view = std::make_unique<FightView>(Host(), *fight);
  Host().PushLayer(*view);
  const FightLayout layout = view->Layout();
  const Rect items = layout.PredmetyArea();
  const Picture shown = Frame();
  EXPECT_GT(CountColour(shown, items, kGreyColour), 10);
  EXPECT_EQ(CountColour(shown, items, kBlack), 0);
  EXPECT_FALSE(view->HandAt(items.Left + 2, items.Top + 5));
  ClickAt(items);
  EXPECT_EQ(fight->OpenList, UseList::None);
  // Without any attack the window says so where the attacks would be.
  EXPECT_EQ(fight->NoAttackNotice, kNoAttackKnown);
  EXPECT_GT(CountColour(shown, Rect{kWindowLeft + 18, kWindowTop + 280, 120, 14}, kBlack), 10);
}

TEST_F(FightWindowTest, ItemLabelsTurnMaroonUnderTheMouseAndBlackAfter) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  OpenFightOverAQuietPage();
  ClickAt(view->Layout().PredmetyArea());
  ASSERT_EQ(fight->OpenList, UseList::Items);
  ASSERT_EQ(fight->UseLabels.size(), 2u);
  const FightLayout layout = view->Layout();
  const Rect potion = layout.UseArea(0);
  const Rect scroll = layout.UseArea(1);
  // Right of the picture + 10, from its top + 40, 20 apart.
  EXPECT_EQ(potion.Left, kWindowLeft + 419);
  EXPECT_EQ(potion.Top, kWindowTop + 40);
  EXPECT_EQ(scroll.Top, kWindowTop + 60);

  const Picture listed = Frame("fight-items");
  EXPECT_TRUE(DrawnInShadesOf(listed, potion, kWhite));
  // The scroll's condition is not met: yellow.
  EXPECT_TRUE(DrawnInShadesOf(listed, scroll, kYellowColour));
  EXPECT_EQ(CountColour(listed, potion, kMaroonColour), 0);
  EXPECT_TRUE(view->HandAt(potion.Left + 2, potion.Top + 5));

  MoveInto(scroll);
  const Picture hovered = Frame("fight-item-hover");
  EXPECT_GT(CountColour(hovered, scroll, kMaroonColour), scroll.Width * scroll.Height / 2);
  EXPECT_EQ(CountColour(hovered, potion, kMaroonColour), 0);
  EXPECT_EQ(fight->Popis_akce, "s");

  // Out onto the panel: black again, and the panel clears the texts.
  Move(potion.Left + 200, kWindowTop + 400);
  const Picture left = Frame();
  EXPECT_EQ(CountColour(left, scroll, kMaroonColour), 0);
  EXPECT_TRUE(DrawnInShadesOf(left, scroll, kYellowColour));
  EXPECT_TRUE(fight->Popis_akce.empty());
  EXPECT_TRUE(fight->Summary3.empty());
}

TEST_F(FightWindowTest, WheelScrollsALongAttackListAndTheListUnderTheMouse) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs(23, 24);  // 26 attacks in 7 rows; 26 items
  OpenFightOverAQuietPage();
  ASSERT_EQ(fight->ActionLabels.size(), 26u);
  // The layout follows the view's scroll and the fight as they change.
  const FightLayout layout = view->Layout();
  // Four rows show: attack 17 (label 16) is the first one out of sight.
  EXPECT_GT(layout.AttackArea(15).Height, 0);
  EXPECT_EQ(layout.AttackArea(16).Height, 0);
  EXPECT_FALSE(layout.MoreAttacksAbove());
  EXPECT_TRUE(layout.MoreAttacksBelow());

  // Over the picture the wheel scrolls the attacks, never beyond the last row.
  MoveInto(layout.ActionHeading());
  Wheel(-2);
  EXPECT_EQ(view->Scroll().AttackRow, 2);
  Wheel(-5);
  EXPECT_EQ(view->Scroll().AttackRow, 3);

  EXPECT_EQ(layout.AttackArea(11).Height, 0);
  const Rect last = layout.AttackArea(25);
  ASSERT_GT(last.Height, 0);
  // Attack 26 stands where the first row of the list was drawn.
  EXPECT_EQ(last.Top, kWindowTop + FightWindow::kAttackTop + 3 * FightWindow::kAttackRowHeight);
  const Picture scrolled = Frame("fight-scrolled");
  EXPECT_GT(CountColour(scrolled, last, kBlack), 10);

  MoveInto(last);
  EXPECT_EQ(fight->Hover.HoveredIndex, 26);
  EXPECT_EQ(fight->Popis_akce, "Popis 26");
  ClickAt(last);
  EXPECT_EQ(fight->Summary2, "Chvat 26 za 12.");

  // The wheel under a mouse that stands still brings another label under it.
  Wheel(1);
  EXPECT_EQ(view->Scroll().AttackRow, 2);
  EXPECT_EQ(fight->Hover.HoveredIndex, 22);

  // The item list (26 items) scrolls only when the mouse is over the panel.
  ClickAt(view->Layout().PredmetyArea());
  ASSERT_EQ(fight->UseLabels.size(), 26u);

  EXPECT_EQ(layout.UseArea(20).Height, 0);
  MoveInto(layout.ListHeading());
  Wheel(-10);
  EXPECT_EQ(view->Scroll().UseRow, 6);
  EXPECT_EQ(view->Scroll().AttackRow, 2);

  const Rect herb = layout.UseArea(25);
  ASSERT_GT(herb.Height, 0);
  EXPECT_EQ(layout.UseArea(5).Height, 0);
  ClickAt(herb);
  EXPECT_EQ(fight->Summary2, "Obnovil sis 0 many\r\n");
  EXPECT_FALSE(fight->Predmety.Visible);
}

TEST_F(FightWindowTest, ScriptLinesScrollToLabelsOutOfSight) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs(23, 24);
  WriteLocations(FightPage(26, 26));
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui(
      "new-game\n"
      "attack 25\n"
      "dump\n"
      "attack 1\n"
      "items\n"
      "use 26\n"
      "screenshot scrolled.png\n"
      "dump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(run.Lines[0]["fight"]["summary2"], "Chvat 25 za 9.");
  EXPECT_EQ(run.Lines[0]["fight"]["description"], "Popis 25");
  EXPECT_EQ(run.Lines[1]["fight"]["summary2"], "Obnovil sis 0 many\n");
  EXPECT_FALSE(run.Lines[1]["state"]["held"]["items"].contains("26"));
  EXPECT_EQ(run.Lines[1]["fight"]["items_shown"], false);
}

TEST_F(FightWindowTest, CountdownRunsOutUnderTheFightWindow) {
  QV_ON_PRIVATE_DISPLAY();
  WriteCatalogs();
  WriteLocations(FightPage(3, 2, "<casovac cas=\"1\" odkaz=\"2\" vypisuj=\"ano\">"));
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui("new-game\ndump\nwait 1500\ndump\nattack 1\ndump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 3u);
  EXPECT_EQ(run.Lines[0]["location"], 1);
  // The countdown took the page to location 2 while the fight stayed open
  // and playable over it.
  EXPECT_EQ(run.Lines[1]["location"], 2);
  EXPECT_EQ(run.Lines[1]["windows"], Json::parse(R"(["menu","game","fight"])"));
  EXPECT_EQ(run.Lines[2]["fight"]["enemy"]["lives"], 11);
}

}  // namespace
}  // namespace qv
