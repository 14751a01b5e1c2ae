// The reading comforts a player may turn on: reading aloud, the page
// history, quick saves, continuing where the last game ended, and a
// transcript. Every one is off unless the player asks, so a run without them
// reads, writes and shows exactly what the game itself does.
//
// They are the player's own choices, kept in the player's preferences file
// (data/user_preferences.h), never in a gamebook. Command-line flags win over
// the stored values for one run; the settings window's second page stores
// them for later runs.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "data/user_preferences.h"

namespace qv {

struct ComfortSettings {
  bool ReadAloud = false;          // pages, options and messages are spoken
  bool SpeechToClipboard = false;  // each utterance goes to the clipboard instead
  bool History = false;            // earlier pages can be read back
  bool QuickSave = false;          // F5 saves to the quick slot, F9 loads it
  bool Continue = false;           // "Konec" saves to the continue slot
  std::string TranscriptPath;      // empty: no transcript (command line only)

  bool operator==(const ComfortSettings&) const = default;
};

// The preference keys, one a comfort.
inline constexpr std::string_view kReadAloudKey = "read_aloud";
inline constexpr std::string_view kSpeechToClipboardKey = "speech_to_clipboard";
inline constexpr std::string_view kHistoryKey = "history";
inline constexpr std::string_view kQuickSaveKey = "quick_save";
inline constexpr std::string_view kContinueKey = "continue";

// What the preferences turn on; the transcript is never stored, as a file
// named once should not be written to on every later run.
ComfortSettings ComfortsFromPreferences(const UserPreferences& preferences);
// Writes the five switches into `preferences` (its other keys stay).
void StoreComforts(const ComfortSettings& settings, UserPreferences& preferences);

// The comforts the command line names; an unset switch leaves the stored
// value as it is.
struct ComfortFlags {
  std::optional<bool> ReadAloud;
  std::optional<bool> History;
  std::optional<bool> QuickSave;
  std::optional<bool> Continue;
  std::optional<std::string> TranscriptPath;
};

// The flags laid over `stored`: what the command line says wins.
ComfortSettings ApplyComfortFlags(ComfortSettings stored, const ComfortFlags& flags);

// Reads one comfort flag at args[index]: --read-aloud, --history,
// --quick-save, --continue (each also as --no-...), --transcript FILE.
// Returns how many arguments it took (0: not a comfort flag) or the error
// text of a flag that lacks its value.
std::variant<std::size_t, std::string> ParseComfortFlag(std::span<const std::string_view> args,
                                                        std::size_t index, ComfortFlags& flags);

// The help lines of the flags, for the commands' usage texts.
extern const char* const kComfortFlagsUsage;

}  // namespace qv
