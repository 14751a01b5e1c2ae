// The program's own icon, in the demo's colours: an open book under a night
// sky with the moon, and a water wheel rising behind it. Drawn on a 256-pixel
// grid and scaled, so every size the desktop asks for is drawn, not resized.
#include "demo_assets.h"
#include "picture_files.h"
#include "raster.h"

namespace qv::demo {
namespace {

constexpr Rgb kNight{12, 16, 40};
constexpr Rgb kDusk{44, 56, 110};
constexpr Rgb kMoon{236, 228, 170};
constexpr Rgb kPage{238, 230, 206};
constexpr Rgb kPageShade{196, 184, 156};
constexpr Rgb kSpine{92, 60, 34};
constexpr Rgb kGold{232, 184, 64};
constexpr Rgb kInk{70, 62, 80};

}  // namespace

void WriteProgramIcon(int size, const std::filesystem::path& file) {
  Raster r(size, size, kNight);
  const auto s = [size](int grid) { return grid * size / 256; };
  r.VerticalGradient(0, 0, size, size, kNight, kDusk);
  r.FrameRect(0, 0, size, size, s(8) > 0 ? s(8) : 1, kSpine);
  r.Disc(s(196), s(56), s(26), kMoon);

  // The wheel behind the book: rim, hub and spokes in gold.
  const int cx = s(128);
  const int cy = s(112);
  const int radius = s(70);
  const int spoke = s(8) > 1 ? s(8) : 1;
  r.Ring(cx, cy, radius - s(12), radius, kGold);
  r.Disc(cx, cy, s(12), kGold);
  const int d = radius * 707 / 1000;
  r.Line(cx - radius, cy, cx + radius, cy, spoke, kGold);
  r.Line(cx, cy - radius, cx, cy + radius, spoke, kGold);
  r.Line(cx - d, cy - d, cx + d, cy + d, spoke, kGold);
  r.Line(cx - d, cy + d, cx + d, cy - d, spoke, kGold);

  // The open book: two pages meeting at the spine, lines of text on each.
  r.FillRect(s(28), s(150), s(98), s(76), kPage);
  r.FillRect(s(130), s(150), s(98), s(76), kPage);
  r.FillRect(s(28), s(218), s(98), s(8), kPageShade);
  r.FillRect(s(130), s(218), s(98), s(8), kPageShade);
  r.FillRect(s(124), s(146), s(8), s(84), kSpine);
  for (int line = 0; line < 4; ++line) {
    const int y = s(164 + line * 14);
    const int h = s(5) > 0 ? s(5) : 1;
    r.FillRect(s(40), y, s(line == 3 ? 46 : 74), h, kInk);
    r.FillRect(s(142), y, s(line == 0 ? 52 : 74), h, kInk);
  }
  WritePng(r, file);
}

}  // namespace qv::demo
