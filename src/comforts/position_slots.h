// The quick slot and the continue slot: ordinary saved positions under names
// the player would not type, so the load list and every tool read them like
// any other. F5 writes the quick slot and F9 loads it; "Konec" writes the
// continue slot, and the load list shows that one first.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "comforts/page_history.h"
#include "interpreter/game_session.h"

namespace qv {

inline constexpr std::string_view kQuickSlotName = "_rychla_pozice";
inline constexpr std::string_view kContinueSlotName = "_pokracovani";

// Writes the running game to the slot `name` as the save window would, but
// always at the current location and with the current redirect (what the
// last SAVE tag asked for is left for that tag's own window). With a history,
// its side file is written beside the position. The message of a failed
// write, or nullopt.
std::optional<std::string> SaveToSlot(GameSession& session, std::string_view name,
                                      const PageHistory* history);

// Restores the slot `name` over the running game and shows its location
// (the restore and the click on "Pokračovat" in one). Nothing of the game
// changes when the slot cannot be read: the message is returned. `history`,
// when given, is replaced by the slot's side file (emptied when it has none).
std::optional<std::string> LoadFromSlot(GameSession& session, std::string_view name,
                                        PageHistory* history);

// The side file of a saved position, when there is one: read through the
// gamebook's own file access, so a link or an oversized file gives nothing.
PageHistory ReadHistoryFile(std::string_view position_name);
// Writes it (Windows-1250 text, beside the position); false when it could not.
bool WriteHistoryFile(std::string_view position_name, const PageHistory& history);

}  // namespace qv
