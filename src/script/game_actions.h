// The game window's actions in a headless run: `choose`, `click-text`,
// `click-picture`, `key`, `wheel` and `button` call the window model's
// handlers the way a person's mouse and keyboard would.
#pragma once

#include "host/host.h"
#include "interpreter/game_session.h"
#include "script/script_action.h"

namespace qv {

// Carries out `action`, parsed for the game window, on the session's game
// window; `host` ends the program for the "konec" button. Throws
// ScriptError when the control is not shown.
void ApplyGameAction(GameSession& session, Host& host, const ScriptAction& action);

}  // namespace qv
