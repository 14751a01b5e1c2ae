// The outline of the borderless main-menu window: where the platform lets a
// window take any shape (X11's shape extension), the pixels drawn in the
// see-through colour are cut out of the window, so the menu stands on the
// desktop as its pictures draw it. Elsewhere the window stays a rectangle and
// those pixels are black.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "parser/colour.h"
#include "ui/picture.h"

namespace qv {

// One row's run of kept pixels, [Left, Right).
struct ShapeRun {
  int Top = 0;
  int Left = 0;
  int Right = 0;
  bool operator==(const ShapeRun&) const = default;
};

// The runs of pixels of `frame` that are not `see_through` (0x00BBGGRR),
// row by row from the top, each row from the left.
std::vector<ShapeRun> KeptRuns(const Picture& frame, Colour see_through);

// Pixels of `colour` become black: a read-back frame as the screen shows it
// once the shape has cut those pixels away.
void BlackOut(Picture& frame, Colour colour);

class WindowShape {
 public:
  explicit WindowShape(SDL_Window* window);

  // Whether the window can take a shape at all.
  bool Available() const { return available_; }

  // Cuts the window to the kept pixels of the frame just drawn. A frame with
  // nothing kept leaves the window whole: a menu drawn entirely in the
  // see-through colour (a broken skin) must not vanish from the screen.
  void Apply(const Picture& frame, Colour see_through);
  // The window is a plain rectangle again.
  void Clear();

  // Whether the window is currently cut to a shape.
  bool Shaped() const { return shaped_; }

 private:
  SDL_Window* window_;
  bool available_ = false;
  bool shaped_ = false;
  std::vector<ShapeRun> applied_;
};

}  // namespace qv
