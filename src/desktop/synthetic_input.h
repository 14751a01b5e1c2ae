// Input made up by scripted runs: the events a person's keyboard and mouse
// would send, queued for the window as if they had arrived from the system.
// Positions are in the window's logical pixels.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string_view>

#include "desktop/canvas.h"

namespace qv {

// A key pressed and released.
void PushKey(SDL_Keycode key, uint16_t mod = KMOD_NONE);
// A key pressed, named by its place on the keyboard (no release follows).
void PushScancode(SDL_Scancode scancode);
// Typed text, as the keyboard delivers it: UTF-8 in pieces that each fit
// one event, never splitting a character.
void PushText(std::string_view utf8);
// The mouse moves to (x, y).
void PushMouse(int x, int y);
// The mouse moves to (x, y) and the left button clicks there.
void PushClickAt(int x, int y);
// The same in the middle of `area`.
void PushClick(const Rect& area);
// The wheel turns `notches` notches where the mouse is: up (away from the
// player) for positive counts, down for negative ones.
void PushWheel(int notches);

}  // namespace qv
