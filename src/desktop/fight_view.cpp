#include "desktop/fight_view.h"

#include <string_view>

#include "desktop/desktop_host.h"
#include "desktop/small_window.h"

namespace qv {

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kYellow = 0x00FFFF;

// The captions of the value lines.
constexpr std::string_view kLives = "\x8Eivoty";  // Životy
constexpr std::string_view kMana = "Mana";
constexpr std::string_view kSpeed = "Rychlost";
constexpr std::string_view kEnergy = "Energie";
constexpr std::string_view kAttack = "\xDAtok";  // Útok
constexpr std::string_view kDefence = "Obrana";
constexpr std::string_view kDamage = "Po\x9Akozen\xED";  // Poškození
constexpr std::string_view kHardness = "Tvrdost";
constexpr std::string_view kActions = "Akce:";

// The markers that tell a list goes on above or below what is shown.
constexpr int kMarkerSize = 7;

// Texts go no further than their area, so a long list of effect messages
// never runs over the page under the window.
class Clip {
 public:
  Clip(Canvas& canvas, const Rect& area) : renderer_(canvas.Renderer()) {
    const SDL_Rect r{area.Left, area.Top, area.Width, area.Height};
    SDL_RenderSetClipRect(renderer_, &r);
  }
  ~Clip() { SDL_RenderSetClipRect(renderer_, nullptr); }
  Clip(const Clip&) = delete;
  Clip& operator=(const Clip&) = delete;

 private:
  SDL_Renderer* renderer_;
};

// A small triangle pointing up or down with its top left at (x, y).
void DrawMarker(Canvas& canvas, int x, int y, bool up, Colour colour) {
  for (int row = 0; row < kMarkerSize / 2 + 1; ++row) {
    const int width = up ? 2 * row + 1 : kMarkerSize - 2 * row;
    canvas.Fill(Rect{x + (kMarkerSize - width) / 2, y + row, width, 1}, colour);
  }
}

void DrawScrollMarkers(Canvas& canvas, int x, int y, bool above, bool below, Colour colour) {
  if (above) DrawMarker(canvas, x, y, true, colour);
  if (below) DrawMarker(canvas, x + kMarkerSize + 4, y + 1, false, colour);
}

Font Underlined(Font font, bool underlined) {
  font.Style.Underline = underlined;
  return font;
}

}  // namespace

FightLayout FightView::Layout() const { return FightLayout(window_, host_.Text(), scroll_); }

void FightView::Draw(Canvas& canvas) {
  if (window_.OpenList != seen_list_) {
    // A list that opens starts at its top.
    seen_list_ = window_.OpenList;
    scroll_.UseRow = 0;
  }
  ClampScroll(scroll_, Layout());
  const DesktopLook look = host_.Look();
  const FightLayout layout = Layout();
  FillSmallWindow(canvas, look.Menu, layout.Window());

  const ShownPicture background =
      canvas.Pictures().Skin(FightWindow::kBackgroundPicture, SeeThrough(look.Menu));
  if (background.Texture) {
    canvas.DrawPictureClipped(background, layout.Picture());
  } else {
    DrawBuiltInPanel(canvas, layout.Window());
  }

  for (const Rect& area : {layout.Panel(), layout.Messages()}) {
    canvas.Fill(area, kBlack);
    canvas.Frame(area, look.Game.WindowColour, FightLayout::kFramePen);
  }

  const Colour text = TextColourOn(background);
  DrawHalves(canvas, text);
  DrawActions(canvas, text);
  DrawPanel(canvas);
  DrawMessages(canvas);
}

void FightView::DrawHalves(Canvas& canvas, Colour text) {
  const FightLayout layout = Layout();
  const FightLines& lines = window_.Lines;
  const auto name = [&](const Rect& half, const std::string& caption) {
    const TextSize size = canvas.Measure(fight_fonts::kName, caption);
    canvas.Text(fight_fonts::kName, caption, text, half.Left + (half.Width - size.Width) / 2,
                half.Top + FightLayout::kNameTop);
  };
  const auto line = [&](const Rect& half, int row, std::string_view caption,
                        const std::string& value) {
    const Rect at = layout.CaptionAt(half, row);
    canvas.Text(fight_fonts::kValue, caption, text, at.Left, at.Top);
    const Rect value_at = layout.ValueAt(half, row);
    canvas.Text(fight_fonts::kValue, value, text, value_at.Left, value_at.Top);
  };

  const Rect enemy = layout.EnemyHalf();
  name(enemy, lines.EnemyName);
  line(enemy, 0, kLives, lines.EnemyLives);
  line(enemy, 1, kAttack, lines.EnemyAttack);
  line(enemy, 2, kDefence, lines.EnemyDefence);
  line(enemy, 3, kDamage, lines.EnemyDamage);
  line(enemy, 4, kHardness, lines.EnemyHardness);

  // The mana line leaves its place empty when the skin hides mana, as a
  // hidden line would.
  const Rect player = layout.PlayerHalf();
  name(player, lines.PlayerName);
  line(player, 0, kLives, lines.PlayerLives);
  if (!window_.HideMana) line(player, 1, kMana, lines.PlayerMana);
  line(player, 2, kSpeed, lines.PlayerSpeed);
  line(player, 3, kEnergy, lines.PlayerEnergy);
  line(player, 4, kAttack, lines.PlayerAttack);
  line(player, 5, kDefence, lines.PlayerDefence);
  line(player, 6, kDamage, lines.PlayerDamage);
  line(player, 7, kHardness, lines.PlayerHardness);
}

void FightView::DrawActions(Canvas& canvas, Colour text) {
  const FightLayout layout = Layout();
  // Black stands on the picture; without it, on the page, it turns white.
  const auto on_picture = [&](Colour colour) { return colour == kBlack ? text : colour; };

  const Rect heading = layout.ActionHeading();
  canvas.Text(fight_fonts::kHeading, kActions, text, heading.Left, heading.Top);
  for (const auto& [button, area] : {std::pair{&window_.Predmety, layout.PredmetyArea()},
                                     std::pair{&window_.Kouzla, layout.KouzlaArea()}}) {
    if (area.Width <= 0) continue;
    canvas.Text(fight_fonts::kHeading, button->Caption, on_picture(button->FontColour), area.Left,
                area.Top);
  }

  for (std::size_t i = 0; i < window_.ActionLabels.size(); ++i) {
    const Rect area = layout.AttackArea(i);
    if (area.Height <= 0) continue;
    const TLELabel& label = window_.ActionLabels[i];
    canvas.Text(Underlined(fight_fonts::kAttack, label.Underlined), label.Caption,
                on_picture(label.FontColour), area.Left, area.Top);
  }
  const Rect picture = layout.Picture();
  DrawScrollMarkers(canvas, picture.Right() - 2 * kMarkerSize - 10, heading.Top + 4,
                    layout.MoreAttacksAbove(), layout.MoreAttacksBelow(), text);
  if (!window_.NoAttackNotice.empty()) {
    canvas.Text(fight_fonts::kAttack, window_.NoAttackNotice, text,
                window_.Left + FightWindow::kAttackLeft, window_.Top + FightWindow::kAttackTop);
  }

  const Rect cost = layout.CostArea();
  canvas.Text(fight_fonts::kText, window_.Popis_akce_cost, window_.Popis_akce_costColour, cost.Left,
              cost.Top);
  if (window_.CostLabelsVisible) {
    const Rect energy = layout.EnergyCostArea();
    canvas.Text(fight_fonts::kText, window_.EnergyCostLine, text, energy.Left, energy.Top);
    const Rect mana = layout.ManaCostArea();
    canvas.Text(fight_fonts::kText, window_.ManaCostLine, text, mana.Left, mana.Top);
  }
  const Rect description = layout.DescriptionArea();
  const Clip clip(canvas, Rect{picture.Left, description.Top, picture.Width,
                               picture.Bottom() - description.Top});
  canvas.Text(fight_fonts::kText, window_.Popis_akce, text, description.Left, description.Top);
}

void FightView::DrawPanel(Canvas& canvas) {
  const FightLayout layout = Layout();
  const Rect panel = layout.Panel();
  const Clip clip(canvas, panel);
  const Rect heading = layout.ListHeading();
  if (window_.ListHeadingVisible) {
    canvas.Text(fight_fonts::kHeading, kUseListHeading, kWhite, heading.Left, heading.Top);
  }
  // Item labels have a background of their own (maroon under the mouse);
  // spell labels are transparent.
  const bool filled = window_.OpenList == UseList::Items;
  for (std::size_t i = 0; i < window_.UseLabels.size(); ++i) {
    const Rect area = layout.UseArea(i);
    if (area.Height <= 0) continue;
    const TLELabel& label = window_.UseLabels[i];
    if (filled) canvas.Fill(area, label.Background);
    canvas.Text(Underlined(layout.UseFont(), label.Underlined), label.Caption, label.FontColour,
                area.Left, area.Top);
  }
  DrawScrollMarkers(canvas, panel.Right() - 2 * kMarkerSize - 10, heading.Top + 4,
                    layout.MoreUsesAbove(), layout.MoreUsesBelow(), kWhite);
}

void FightView::DrawMessages(Canvas& canvas) {
  const FightLayout layout = Layout();
  const Rect messages = layout.Messages();
  const Rect summary3 = layout.Summary3Area();
  {
    const Clip clip(canvas, Rect{messages.Left, messages.Top, summary3.Left - messages.Left - 4,
                                 messages.Height});
    const Rect summary1 = layout.Summary1Area();
    canvas.Text(fight_fonts::kText, window_.Summary1, kRed, summary1.Left, summary1.Top);
    const Rect summary2 = layout.Summary2Area();
    canvas.Text(fight_fonts::kText, window_.Summary2, window_.Summary2Colour, summary2.Left,
                summary2.Top);
  }
  const Clip clip(
      canvas, Rect{summary3.Left, messages.Top, messages.Right() - summary3.Left, messages.Height});
  canvas.Text(fight_fonts::kText, window_.Summary3, kYellow, summary3.Left, summary3.Top);
}

bool FightView::HandAt(int x, int y) const {
  const FightSpot spot = Layout().SpotAt(x, y);
  switch (spot.Kind) {
    case FightSpotKind::Attack:
      return window_.ActionLabels[spot.Index].HandCursor;
    case FightSpotKind::Use:
      return window_.UseLabels[spot.Index].HandCursor;
    case FightSpotKind::Predmety:
      return window_.Predmety.HandCursor;
    case FightSpotKind::Kouzla:
      return window_.Kouzla.HandCursor;
    default:
      return false;
  }
}

// Enter and leave come once as the mouse crosses a label's edge; the picture
// and the panel hear every movement over them.
void FightView::MoveTo(int x, int y) {
  mouse_x_ = x;
  mouse_y_ = y;
  const FightSpot spot = Layout().SpotAt(x, y);
  const FightSpot before = under_;
  under_ = spot;
  switch (spot.Kind) {
    case FightSpotKind::Attack:
      if (window_.EnteredKind() != FightWindow::Entered::Attack ||
          window_.EnteredLabel() != spot.Index) {
        window_.AttackMouseEnter(spot.Index);
      }
      break;
    case FightSpotKind::Use:
      if (window_.EnteredKind() != FightWindow::Entered::Use ||
          window_.EnteredLabel() != spot.Index) {
        window_.UseLabelMouseEnter(spot.Index);
      }
      break;
    case FightSpotKind::Predmety:
      if (before != spot) window_.PredmetyMouseEnter();
      break;
    case FightSpotKind::Kouzla:
      if (before != spot) window_.KouzlaMouseEnter();
      break;
    case FightSpotKind::Picture:
      window_.LabelMouseLeave();
      window_.BackgroundMouseMove();
      break;
    case FightSpotKind::Panel:
      window_.LabelMouseLeave();
      window_.PanelMouseMove();
      break;
    case FightSpotKind::Messages:
    case FightSpotKind::None:
      window_.LabelMouseLeave();
      break;
  }
  host_.SetHandCursor(HandAt(x, y));
  host_.Redraw();
}

void FightView::Click(int x, int y) {
  // A click that came without a movement onto its place enters it first.
  MoveTo(x, y);
  switch (under_.Kind) {
    case FightSpotKind::Attack:
      window_.AttackClick();
      break;
    case FightSpotKind::Use:
      window_.UseLabelClick();
      break;
    case FightSpotKind::Predmety:
      scroll_.UseRow = 0;
      window_.PredmetyClick();
      break;
    case FightSpotKind::Kouzla:
      scroll_.UseRow = 0;
      window_.KouzlaClick();
      break;
    case FightSpotKind::Picture:
      window_.BackgroundClick();
      break;
    default:
      return;
  }
  // Labels come and go with a click: what is under the mouse now may differ.
  if (!window_.IsClosed()) {
    under_ = Layout().SpotAt(x, y);
    host_.SetHandCursor(HandAt(x, y));
  }
  host_.Redraw();
}

void FightView::Wheel(int notches) {
  const FightLayout layout = Layout();
  const bool over_panel = layout.Panel().Contains(mouse_x_, mouse_y_);
  int& row = over_panel ? scroll_.UseRow : scroll_.AttackRow;
  row -= notches;
  ClampScroll(scroll_, layout);
  // The labels moved under a mouse that stood still.
  if (mouse_x_ >= 0) MoveTo(mouse_x_, mouse_y_);
  host_.Redraw();
}

void FightView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      MoveTo(event.motion.x, event.motion.y);
      return;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT) Click(event.button.x, event.button.y);
      return;
    case SDL_MOUSEWHEEL: {
      const int notches =
          event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      Wheel(notches);
      return;
    }
    default:
      return;
  }
}

}  // namespace qv
