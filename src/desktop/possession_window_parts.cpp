#include "desktop/possession_window_parts.h"

#include <algorithm>

#include "desktop/desktop_host.h"
#include "desktop/small_window.h"

namespace qv {

ShownPicture DrawBackground(Canvas& canvas, const MenuSkin& look, const Rect& window,
                            std::string_view picture, int at_left, int at_top) {
  FillSmallWindow(canvas, look, window);
  const ShownPicture background = canvas.Pictures().Skin(picture, SeeThrough(look));
  if (background.Texture) {
    canvas.DrawPicture(background, at_left, at_top);
  } else {
    DrawBuiltInPanel(canvas, window);
  }
  return background;
}

Rect CloseArea(DesktopHost& host, const Rect& window) {
  const ShownPicture picture = host.Pictures().Skin("krizek", SeeThrough(host.Look().Menu));
  const int width = picture.Texture ? picture.Width : kMissingCloseSize;
  const int height = picture.Texture ? picture.Height : kMissingCloseSize;
  return Rect{window.Right() - kCloseInset - width, window.Top + kCloseInset, width, height};
}

void DrawClose(Canvas& canvas, const MenuSkin& look, const Rect& area) {
  const ShownPicture picture = canvas.Pictures().Skin("krizek", SeeThrough(look));
  canvas.DrawPicture(picture, area.Left, area.Top, area);
  if (!picture.Texture) {
    const TextSize size = canvas.Measure(kEntryFont, "x");
    canvas.Text(kEntryFont, "x", kWhite, area.Left + (area.Width - size.Width) / 2,
                area.Top + (area.Height - size.Height) / 2);
  }
}

void DrawEntryLabel(Canvas& canvas, const TLELabel& label, Colour text, int x, int y,
                    bool hovered) {
  Font shown = kEntryFont;
  if (hovered && label.UnderlineOnHover) shown.Style.Underline = true;
  canvas.Text(shown, label.Caption, label.FontColour == kBlack ? text : label.FontColour, x, y);
}

void DrawMoneyHeading(Canvas& canvas, const MoneyHeading& heading, Colour text,
                      const Rect& window) {
  canvas.Text(heading.HeadingFont, heading.Title, text, window.Left + heading.TitleLeft,
              window.Top + MoneyHeading::kHeadingTop);
  canvas.Text(heading.MoneyFont, heading.Money, text, window.Left + heading.MoneyLeft,
              window.Top + MoneyHeading::kMoneyTop);
}

void DrawScrollBar(Canvas& canvas, const ListScroll& scroll, int content_bottom, int x,
                   int window_top) {
  const int max_offset = scroll.MaxOffset(content_bottom);
  if (max_offset <= 0) return;
  const int band = scroll.BandBottom - scroll.BandTop;
  const int content = content_bottom - scroll.BandTop;
  const int thumb = std::max(8, band * band / std::max(1, content));
  const int top = scroll.BandTop + (band - thumb) * scroll.Offset / max_offset;
  canvas.Fill(Rect{x, window_top + scroll.BandTop, 3, band}, 0x404040);
  canvas.Fill(Rect{x, window_top + top, 3, thumb}, kGrey);
}

int WheelNotches(const SDL_Event& event) {
  return event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
}

}  // namespace qv
