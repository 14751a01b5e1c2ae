// Where every part of the fight window (FightWindow) stands on the screen: the
// background picture with the enemy's half on the left and the hero's on
// the right, the action area under them, the black list panel on the right
// and the black message area along the bottom. The attack labels and the
// list labels keep the places the fight gives them; rows that do not fit
// their area are scrolled with the wheel.
#pragma once

#include <cstddef>

#include "combat/fight_window.h"
#include "desktop/canvas.h"
#include "desktop/text_painter.h"
#include "host/font.h"

namespace qv {

// The fonts of the window. Item and spell labels take the sizes the fight
// gives them.
namespace fight_fonts {
inline const Font kName{"Arial", 12, {.Bold = true}};
inline const Font kValue{"Arial", 10, {}};
inline const Font kHeading{"Arial", 10, {.Bold = true}};
inline const Font kAttack{"Arial", 9, {.Bold = true}};
inline const Font kText{"Arial", 9, {}};
inline const Font kItem{"Arial", FightWindow::kItemFontSize, {}};
inline const Font kSpell{"Arial", FightWindow::kSpellFontSize, {}};
}  // namespace fight_fonts

// How far each list is scrolled, in rows; the view keeps it.
struct FightScroll {
  int AttackRow = 0;
  int UseRow = 0;
};

// What the mouse is over.
enum class FightSpotKind { None, Attack, Use, Predmety, Kouzla, Picture, Panel, Messages };

struct FightSpot {
  FightSpotKind Kind = FightSpotKind::None;
  std::size_t Index = 0;  // the label's position for Attack and Use
  bool operator==(const FightSpot&) const = default;
};

class FightLayout {
 public:
  // --- Places inside the window (from its top left) --------------------------
  static constexpr int kHalfWidth = FightWindow::kPictureWidth / 2;
  static constexpr int kNameTop = 14;
  static constexpr int kFirstValueTop = 50;
  static constexpr int kValueSpacing = 20;
  static constexpr int kCaptionLeft = 24;  // inside each half
  static constexpr int kValueLeft = 118;
  static constexpr int kActionHeadingTop = 256;
  static constexpr int kActionHeadingLeft = 18;
  static constexpr int kPredmetyLeft = 218;
  static constexpr int kKouzlaLeft = 318;
  static constexpr int kAttackRowsShown = 4;
  static constexpr int kCostTop = 352;
  static constexpr int kCostLeft = 18;
  static constexpr int kEnergyCostLeft = 218;
  static constexpr int kDescriptionTop = 384;
  static constexpr int kListHeadingTop = 12;
  static constexpr int kUseRowsShown = 20;
  static constexpr int kMessageTextTop = 6;  // inside the message area
  static constexpr int kMessageLeft = 10;
  static constexpr int kSummary3Left = 462;
  static constexpr int kFramePen = 1;

  FightLayout(const FightWindow& fight, TextPainter& text, const FightScroll& scroll)
      : fight_(fight), text_(text), scroll_(scroll) {}

  // --- Regions, in the screen's logical pixels ---------------------------------
  Rect Window() const;
  Rect Picture() const;
  Rect Panel() const;     // the list panel, right of the picture
  Rect Messages() const;  // the message area, under both
  Rect EnemyHalf() const;
  Rect PlayerHalf() const;

  // The value line `row` (0 = first under the name) of a half: its caption
  // and its value.
  Rect CaptionAt(const Rect& half, int row) const;
  Rect ValueAt(const Rect& half, int row) const;

  Rect ActionHeading() const;
  Rect PredmetyArea() const;  // empty while hidden or without a caption
  Rect KouzlaArea() const;
  Rect CostArea() const;
  Rect EnergyCostArea() const;
  Rect ManaCostArea() const;
  Rect DescriptionArea() const;
  Rect ListHeading() const;
  Rect Summary1Area() const;
  Rect Summary2Area() const;  // under Summary1, however many lines it has
  Rect Summary3Area() const;

  // Label `index` (0-based) as drawn: empty when its row is scrolled out.
  Rect AttackArea(std::size_t index) const;
  Rect UseArea(std::size_t index) const;
  // Where the label would stand with the list scrolled to `row`.
  Rect AttackAreaScrolledTo(std::size_t index, int row) const;
  Rect UseAreaScrolledTo(std::size_t index, int row) const;

  // The scroll rows that show label `index` with as little movement as
  // possible from `from`.
  static int AttackRowShowing(std::size_t index, int from);
  static int UseRowShowing(std::size_t index, int from);
  // The largest useful scroll of each list.
  int MaxAttackRow() const;
  int MaxUseRow() const;
  bool MoreAttacksAbove() const { return scroll_.AttackRow > 0; }
  bool MoreAttacksBelow() const { return scroll_.AttackRow < MaxAttackRow(); }
  bool MoreUsesAbove() const { return scroll_.UseRow > 0; }
  bool MoreUsesBelow() const { return scroll_.UseRow < MaxUseRow(); }

  FightSpot SpotAt(int x, int y) const;

  const Font& UseFont() const;

 private:
  Rect TextAt(const Font& font, std::string_view text, int left, int top) const;
  Rect Label(const Font& font, const TLELabel& label, int top, int max_width) const;

  const FightWindow& fight_;
  TextPainter& text_;
  const FightScroll& scroll_;
};

// Keeps both scrolls inside their lists.
void ClampScroll(FightScroll& scroll, const FightLayout& layout);

}  // namespace qv
