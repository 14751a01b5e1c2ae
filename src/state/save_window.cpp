#include "state/save_window.h"

#include <utility>

#include "data/cp1250.h"

namespace qv {

namespace {

// The longest file name most file systems take, in bytes of its UTF-8 form.
constexpr std::size_t kLongestFileName = 255;
// What a name gets on disk around it: ".pzv", and ".tmp" while it is written.
constexpr std::size_t kFileNameAdditions = 8;

// The name as a message can show it: control bytes as '?'.
std::string Shown(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return out;
}

// "Neplatný název pozice: "X". "
std::string Invalid(std::string_view name) {
  return "Neplatn\xFD n\xE1zev pozice: \"" + Shown(name) + "\". ";
}

}  // namespace

std::optional<std::string> RefuseSaveName(std::string_view name) {
  bool bad = name.find("..") != std::string_view::npos;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) bad = true;
  }
  if (bad) {
    // "Název nesmí obsahovat znaky / a \, dvě tečky za sebou ani řídicí znaky."
    return Invalid(name) +
           "N\xE1zev nesm\xED obsahovat znaky / a \\, dv\xEC te\xE8ky za sebou ani \xF8\xED"
           "dic\xED znaky.";
  }
  if (Cp1250ToUtf8(name).size() + kFileNameAdditions > kLongestFileName) {
    // "Název je příliš dlouhý."
    return Invalid(name) + "N\xE1zev je p\xF8\xEDli\x9A dlouh\xFD.";
  }
  return std::nullopt;
}

SaveWindow::SaveWindow(GameState& state, const LocationStore& store, Host& host,
                       PlayingMusicQuery playing_music)
    : state_(state), store_(store), host_(host), playing_music_(std::move(playing_music)) {}

void SaveWindow::CentreOn(int game_width, int game_height) {
  Left = game_width / 2 - kWidth / 2;
  Top = game_height / 2 - kHeight / 2;
}

void SaveWindow::FormShow() {
  NameField = state_.SaveDefaultName;
  Saved = false;
}

bool SaveWindow::UlozitClick() {
  // The name is checked before anything of the game changes.
  if (const std::optional<std::string> refused = RefuseSaveName(NameField)) {
    host_.ShowMessage(*refused);
    return false;
  }

  // The names of the active prefix and suffix go into the live state, so
  // that a restore can find the libraries again.
  WorldState& world = state_.World;
  if (const TMyPlugin* prefix = store_.Prefix()) world.PrefixName = prefix->Name;
  if (const TMyPlugin* suffix = store_.Suffix()) world.SuffixName = suffix->Name;

  const SavedPositionExtras music = playing_music_ ? playing_music_() : SavedPositionExtras{};
  const std::vector<uint8_t> record = EncodeSavedPosition(state_, music);
  if (const auto error = WriteSavedPosition(SavedPositionPath(NameField), record)) {
    // Nothing was saved; the player may try another name.
    host_.ShowMessage(error->Message);
    return false;
  }
  state_.SaveTarget = 0;
  Saved = true;
  Close();
  return true;
}

}  // namespace qv
