// The fight window (FightWindow) over the page: it draws the fight as the model
// holds it and turns the mouse into the model's enter, leave, move and click
// handlers. The wheel scrolls the attack labels, or the item or spell list
// when the mouse is over the list panel.
#pragma once

#include "combat/fight_window.h"
#include "desktop/fight_layout.h"
#include "desktop/layer.h"

namespace qv {

class DesktopHost;

class FightView final : public Layer {
 public:
  FightView(DesktopHost& host, FightWindow& window) : host_(host), window_(window) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  FightLayout Layout() const;
  const FightScroll& Scroll() const { return scroll_; }
  // Whether the pointing hand stands at (x, y).
  bool HandAt(int x, int y) const;

 private:
  void MoveTo(int x, int y);
  void Click(int x, int y);
  void Wheel(int notches);

  void DrawHalves(Canvas& canvas, Colour text);
  void DrawActions(Canvas& canvas, Colour text);
  void DrawPanel(Canvas& canvas);
  void DrawMessages(Canvas& canvas);

  DesktopHost& host_;
  FightWindow& window_;
  FightScroll scroll_;
  FightSpot under_;
  UseList seen_list_ = UseList::None;
  int mouse_x_ = -1;
  int mouse_y_ = -1;
};

}  // namespace qv
