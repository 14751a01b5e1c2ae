// Shared by the small windows drawn over the page: the panel's background
// in the skin's transparent colour, which with see-through windows is simply
// left undrawn, and the text colour that stays readable on it.
#pragma once

#include <optional>

#include "desktop/canvas.h"
#include "desktop/desktop_look.h"

namespace qv {

inline void FillSmallWindow(Canvas& canvas, const MenuSkin& look, const Rect& area) {
  if (!look.TransparentForms) canvas.Fill(area, look.TransparentColour);
}

// The built-in look of a small window whose background picture is missing:
// an opaque dark panel in a grey frame. See-through, as TransparentForms
// would leave it, its texts would run into the page's text under it.
inline constexpr Colour kBuiltInPanel = 0x302828;
inline void DrawBuiltInPanel(Canvas& canvas, const Rect& area) {
  canvas.Fill(area, kBuiltInPanel);
  canvas.Frame(area, kGrey);
}

// The colour made see-through in the window's pictures, if any.
inline std::optional<Colour> SeeThrough(const MenuSkin& look) {
  if (look.TransparentForms) return look.TransparentColour;
  return std::nullopt;
}

// Texts stand on the window's background picture; without that picture they
// would stand on the page, so they turn white there.
inline Colour TextColourOn(const ShownPicture& background) {
  return background.Texture ? kBlack : kWhite;
}

}  // namespace qv
