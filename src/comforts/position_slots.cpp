#include "comforts/position_slots.h"

#include <utility>

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "state/saved_position.h"

namespace qv {

namespace {

// No history of PageHistory::kMaxPages pages comes near this size.
constexpr std::uintmax_t kMaxHistoryFileSize = 16u * 1024 * 1024;

}  // namespace

PageHistory ReadHistoryFile(std::string_view position_name) {
  const std::optional<std::string> text =
      ReadContainedFile(DiskPath(HistoryFilePath(position_name)), kMaxHistoryFileSize);
  if (!text) return PageHistory{};
  return PageHistory::ParseFileText(*text);
}

bool WriteHistoryFile(std::string_view position_name, const PageHistory& history) {
  // The position itself has made the folder.
  return ReplaceContainedFile(DiskPath(HistoryFilePath(position_name)), history.FileText(),
                              Durability::Plain);
}

std::optional<std::string> SaveToSlot(GameSession& session, std::string_view name,
                                      const PageHistory* history) {
  GameState& state = *session.State;
  WorldState& world = state.World;
  // As the save window does: a restore must find the libraries again.
  if (const TMyPlugin* prefix = session.Store.Prefix()) world.PrefixName = prefix->Name;
  if (const TMyPlugin* suffix = session.Store.Suffix()) world.SuffixName = suffix->Name;

  // The record resumes here, not where a SAVE tag on the page would send it;
  // that tag's values are put back for its own window.
  const int32_t save_target = std::exchange(state.SaveTarget, 0);
  const auto save_redirect = state.SaveRedirect;
  state.SaveRedirect = world.RedirectName.str();
  const SavedPositionExtras music =
      session.Form.PlayingMusic ? session.Form.PlayingMusic() : SavedPositionExtras{};
  const std::vector<uint8_t> record = EncodeSavedPosition(state, music);
  state.SaveTarget = save_target;
  state.SaveRedirect = save_redirect;

  if (const auto error = WriteSavedPosition(SavedPositionPath(name), record)) {
    return error->Message;
  }
  if (history && !WriteHistoryFile(name, *history)) {
    return "Nelze zapsat " + HistoryFilePath(name);
  }
  return std::nullopt;
}

std::optional<std::string> LoadFromSlot(GameSession& session, std::string_view name,
                                        PageHistory* history) {
  const std::string path = SavedPositionPath(name);
  // Checked whole before the running game is touched: a missing or broken
  // slot leaves the game as it was.
  const SavedPositionReadResult read = ReadSavedPosition(path);
  if (!read.ok()) return read.Error.Message;

  GameState& state = *session.State;
  state.LoadRequested = true;
  state.LoadFileName = path;
  if (!session.StartLoadedGame()) return std::nullopt;  // its message is shown
  if (history) *history = ReadHistoryFile(name);
  // The page of the game before is gone, as in a game restored at the start.
  session.Form.TextBlocks.clear();
  session.Form.InTextPictures.clear();
  session.Form.OptionLabels.clear();
  // Its message lines too: they told of the game before.
  for (InfoLine& line : session.Form.InfoLines) line = InfoLine{};
  // "Pokračovat" at once: the slot's location is shown anew.
  session.Form.LeaveOptions();
  session.Form.OptionClick();
  return std::nullopt;
}

}  // namespace qv
