#include "comforts/comfort_settings.h"

#include <filesystem>
#include <system_error>

namespace qv {

ComfortSettings ComfortsFromPreferences(const UserPreferences& preferences) {
  ComfortSettings settings;
  settings.ReadAloud = preferences.GetFlag(kReadAloudKey);
  settings.SpeechToClipboard = preferences.GetFlag(kSpeechToClipboardKey);
  settings.History = preferences.GetFlag(kHistoryKey);
  settings.QuickSave = preferences.GetFlag(kQuickSaveKey);
  settings.Continue = preferences.GetFlag(kContinueKey);
  return settings;
}

void StoreComforts(const ComfortSettings& settings, UserPreferences& preferences) {
  const auto put = [&](std::string_view key, bool on) { preferences.Set(key, on ? "1" : "0"); };
  put(kReadAloudKey, settings.ReadAloud);
  put(kSpeechToClipboardKey, settings.SpeechToClipboard);
  put(kHistoryKey, settings.History);
  put(kQuickSaveKey, settings.QuickSave);
  put(kContinueKey, settings.Continue);
}

ComfortSettings ApplyComfortFlags(ComfortSettings stored, const ComfortFlags& flags) {
  if (flags.ReadAloud) stored.ReadAloud = *flags.ReadAloud;
  if (flags.History) stored.History = *flags.History;
  if (flags.QuickSave) stored.QuickSave = *flags.QuickSave;
  if (flags.Continue) stored.Continue = *flags.Continue;
  if (flags.TranscriptPath) stored.TranscriptPath = *flags.TranscriptPath;
  return stored;
}

std::variant<std::size_t, std::string> ParseComfortFlag(std::span<const std::string_view> args,
                                                        std::size_t index, ComfortFlags& flags) {
  const std::string_view arg = args[index];
  if (arg == "--transcript") {
    if (index + 1 >= args.size() || args[index + 1].empty()) {
      return std::string("--transcript needs the file to write the transcript to");
    }
    // Named from where the player started: the game later works inside the
    // gamebook folder, where a relative name would land among its files.
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::path(args[index + 1]), error);
    flags.TranscriptPath = error ? std::string(args[index + 1]) : absolute.string();
    return std::size_t{2};
  }
  struct Switch {
    std::string_view Name;
    std::optional<bool> ComfortFlags::*Field;
  };
  static constexpr Switch kSwitches[] = {
      {"read-aloud", &ComfortFlags::ReadAloud},
      {"history", &ComfortFlags::History},
      {"quick-save", &ComfortFlags::QuickSave},
      {"continue", &ComfortFlags::Continue},
  };
  if (!arg.starts_with("--")) return std::size_t{0};
  std::string_view name = arg.substr(2);
  const bool on = !name.starts_with("no-");
  if (!on) name.remove_prefix(3);
  for (const Switch& s : kSwitches) {
    if (name == s.Name) {
      flags.*(s.Field) = on;
      return std::size_t{1};
    }
  }
  return std::size_t{0};
}

const char* const kComfortFlagsUsage =
    "\ncomfort flags of play, text and script (each also as --no-...):\n"
    "  --read-aloud    read pages, options and messages aloud (V toggles, R repeats)\n"
    "  --history       keep the pages read this session (H shows them)\n"
    "  --quick-save    F5 saves to the quick slot, F9 loads it\n"
    "  --continue      \"Konec\" saves the game; \"Nahrát\" lists it first\n"
    "  --transcript FILE\n"
    "                  append the story as it is played to FILE (UTF-8)\n";

}  // namespace qv
