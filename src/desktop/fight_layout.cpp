#include "desktop/fight_layout.h"

#include <algorithm>

namespace qv {

namespace {

int Rows(std::size_t labels, int per_row) {
  return static_cast<int>((labels + static_cast<std::size_t>(per_row) - 1) /
                          static_cast<std::size_t>(per_row));
}

// The scroll nearest to `from` that shows row `row` among `shown` rows.
int RowShowing(int row, int from, int shown) {
  if (row < from) return row;
  if (row >= from + shown) return row - shown + 1;
  return from;
}

int AttackRowOf(std::size_t index) {
  return static_cast<int>(index / static_cast<std::size_t>(FightWindow::kAttacksPerRow));
}

}  // namespace

Rect FightLayout::Window() const {
  return Rect{fight_.Left, fight_.Top, FightWindow::kWidth, FightWindow::kHeight};
}

Rect FightLayout::Picture() const {
  return Rect{fight_.Left + FightWindow::kPictureLeft, fight_.Top + FightWindow::kPictureTop,
              FightWindow::kPictureWidth, FightWindow::kPictureHeight};
}

Rect FightLayout::Panel() const {
  const Rect picture = Picture();
  return Rect{picture.Right(), picture.Top, fight_.Left + FightWindow::kWidth - picture.Right(),
              picture.Height};
}

Rect FightLayout::Messages() const {
  const Rect picture = Picture();
  return Rect{fight_.Left, picture.Bottom(), FightWindow::kWidth,
              fight_.Top + FightWindow::kHeight - picture.Bottom()};
}

Rect FightLayout::EnemyHalf() const {
  const Rect picture = Picture();
  return Rect{picture.Left, picture.Top, kHalfWidth, kActionHeadingTop};
}

Rect FightLayout::PlayerHalf() const {
  const Rect picture = Picture();
  return Rect{picture.Left + kHalfWidth, picture.Top, picture.Width - kHalfWidth,
              kActionHeadingTop};
}

Rect FightLayout::TextAt(const Font& font, std::string_view text, int left, int top) const {
  const TextSize size = text_.Measure(font, text);
  return Rect{left, top, size.Width, size.Height};
}

Rect FightLayout::CaptionAt(const Rect& half, int row) const {
  return Rect{half.Left + kCaptionLeft, half.Top + kFirstValueTop + kValueSpacing * row,
              kValueLeft - kCaptionLeft, kValueSpacing};
}

Rect FightLayout::ValueAt(const Rect& half, int row) const {
  return Rect{half.Left + kValueLeft, half.Top + kFirstValueTop + kValueSpacing * row,
              half.Width - kValueLeft, kValueSpacing};
}

Rect FightLayout::ActionHeading() const {
  // "Akce:"
  return TextAt(fight_fonts::kHeading, "Akce:", fight_.Left + kActionHeadingLeft,
                fight_.Top + kActionHeadingTop);
}

Rect FightLayout::PredmetyArea() const {
  if (!fight_.Predmety.Visible || fight_.Predmety.Caption.empty()) return {};
  return TextAt(fight_fonts::kHeading, fight_.Predmety.Caption, fight_.Left + kPredmetyLeft,
                fight_.Top + kActionHeadingTop);
}

Rect FightLayout::KouzlaArea() const {
  if (!fight_.Kouzla.Visible || fight_.Kouzla.Caption.empty()) return {};
  return TextAt(fight_fonts::kHeading, fight_.Kouzla.Caption, fight_.Left + kKouzlaLeft,
                fight_.Top + kActionHeadingTop);
}

Rect FightLayout::CostArea() const {
  return TextAt(fight_fonts::kText, fight_.Popis_akce_cost, fight_.Left + kCostLeft,
                fight_.Top + kCostTop);
}

Rect FightLayout::EnergyCostArea() const {
  return TextAt(fight_fonts::kText, fight_.EnergyCostLine, fight_.Left + kEnergyCostLeft,
                fight_.Top + kCostTop);
}

Rect FightLayout::ManaCostArea() const {
  const Rect energy = EnergyCostArea();
  return TextAt(fight_fonts::kText, fight_.ManaCostLine, energy.Left,
                energy.Top + text_.Measure(fight_fonts::kText, "").Height);
}

Rect FightLayout::DescriptionArea() const {
  return TextAt(fight_fonts::kText, fight_.Popis_akce, fight_.Left + kCostLeft,
                fight_.Top + kDescriptionTop);
}

Rect FightLayout::ListHeading() const {
  return TextAt(fight_fonts::kHeading, kUseListHeading, Panel().Left + FightWindow::kListLeftGap,
                fight_.Top + kListHeadingTop);
}

Rect FightLayout::Summary1Area() const {
  const Rect messages = Messages();
  return TextAt(fight_fonts::kText, fight_.Summary1, messages.Left + kMessageLeft,
                messages.Top + kMessageTextTop);
}

// Summary1 holds two lines after a round, more after a refusal with unmet
// conditions; the player's strike follows it, never under it.
Rect FightLayout::Summary2Area() const {
  const Rect first = Summary1Area();
  const int two_lines = 2 * text_.Measure(fight_fonts::kText, "").Height;
  return TextAt(fight_fonts::kText, fight_.Summary2, first.Left,
                first.Top + std::max(first.Height, two_lines) + 4);
}

Rect FightLayout::Summary3Area() const {
  const Rect messages = Messages();
  return TextAt(fight_fonts::kText, fight_.Summary3, messages.Left + kSummary3Left,
                messages.Top + kMessageTextTop);
}

Rect FightLayout::Label(const Font& font, const TLELabel& label, int top, int max_width) const {
  const TextSize size = text_.Measure(font, label.Caption);
  return Rect{fight_.Left + label.Left, top, std::min(size.Width, max_width), size.Height};
}

Rect FightLayout::AttackAreaScrolledTo(std::size_t index, int row) const {
  if (index >= fight_.ActionLabels.size()) return {};
  const int own_row = AttackRowOf(index);
  if (own_row < row || own_row >= row + kAttackRowsShown) return {};
  const TLELabel& label = fight_.ActionLabels[index];
  // A long name runs on over the next column; only its own column is its.
  return Label(fight_fonts::kAttack, label,
               fight_.Top + label.Top - FightWindow::kAttackRowHeight * row,
               FightWindow::kAttackColumnWidth);
}

Rect FightLayout::UseAreaScrolledTo(std::size_t index, int row) const {
  if (index >= fight_.UseLabels.size()) return {};
  const int own_row = static_cast<int>(index);
  if (own_row < row || own_row >= row + kUseRowsShown) return {};
  const TLELabel& label = fight_.UseLabels[index];
  const Rect panel = Panel();
  return Label(UseFont(), label, fight_.Top + label.Top - FightWindow::kListSpacing * row,
               panel.Right() - (fight_.Left + label.Left) - 4);
}

Rect FightLayout::AttackArea(std::size_t index) const {
  return AttackAreaScrolledTo(index, scroll_.AttackRow);
}

Rect FightLayout::UseArea(std::size_t index) const {
  return UseAreaScrolledTo(index, scroll_.UseRow);
}

int FightLayout::AttackRowShowing(std::size_t index, int from) {
  return RowShowing(AttackRowOf(index), from, kAttackRowsShown);
}

int FightLayout::UseRowShowing(std::size_t index, int from) {
  return RowShowing(static_cast<int>(index), from, kUseRowsShown);
}

int FightLayout::MaxAttackRow() const {
  return std::max(0,
                  Rows(fight_.ActionLabels.size(), FightWindow::kAttacksPerRow) - kAttackRowsShown);
}

int FightLayout::MaxUseRow() const {
  return std::max(0, static_cast<int>(fight_.UseLabels.size()) - kUseRowsShown);
}

const Font& FightLayout::UseFont() const {
  return fight_.OpenList == UseList::Spells ? fight_fonts::kSpell : fight_fonts::kItem;
}

FightSpot FightLayout::SpotAt(int x, int y) const {
  // Labels lie over the picture and the panel; later ones over earlier ones.
  for (std::size_t i = fight_.ActionLabels.size(); i-- > 0;) {
    if (AttackArea(i).Contains(x, y)) return {FightSpotKind::Attack, i};
  }
  for (std::size_t i = fight_.UseLabels.size(); i-- > 0;) {
    if (UseArea(i).Contains(x, y)) return {FightSpotKind::Use, i};
  }
  if (PredmetyArea().Contains(x, y)) return {FightSpotKind::Predmety};
  if (KouzlaArea().Contains(x, y)) return {FightSpotKind::Kouzla};
  if (Picture().Contains(x, y)) return {FightSpotKind::Picture};
  if (Panel().Contains(x, y)) return {FightSpotKind::Panel};
  if (Messages().Contains(x, y)) return {FightSpotKind::Messages};
  return {};
}

void ClampScroll(FightScroll& scroll, const FightLayout& layout) {
  scroll.AttackRow = std::clamp(scroll.AttackRow, 0, layout.MaxAttackRow());
  scroll.UseRow = std::clamp(scroll.UseRow, 0, layout.MaxUseRow());
}

}  // namespace qv
