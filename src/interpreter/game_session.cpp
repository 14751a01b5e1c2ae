#include "interpreter/game_session.h"

#include "audio/audio_availability.h"
#include "data/init_record_file.h"
#include "interpreter/game_skin.h"
#include "parser/tag_store.h"
#include "state/catalog_loader.h"
#include "state/settings.h"

namespace qv {

namespace {

// "Uložená pozice nepatří k této hře! Program bude ukončen"
constexpr std::string_view kForeignPosition =
    "Ulo\x9E"
    "en\xE1 pozice nepat\xF8\xED k t\xE9to h\xF8"
    "e! Program bude ukon\xE8"
    "en";

}  // namespace

GameSession::GameSession(Host& host_in, RandomSource& random, AudioBackend* audio_device)
    : host(host_in),
      Random(random),
      State(std::make_unique<GameState>()),
      Files(host_in, std::string()),
      Store(Files, host_in),
      Form(*State, Store, host_in, random),
      MenuSkinValues(ReadMenuSkin()),
      audio_device_(audio_device) {}

bool GameSession::LoadInitRecord() {
  InitRecordRead read = ReadInitRecordFile();
  if (!read.Record) {
    record_failure_ = std::move(read.Failure);
    host.ShowMessage(record_failure_);
    return false;
  }
  record_failure_.clear();
  Record = *read.Record;
  Files.SetCheckString(Record.CheckString.str());
  return true;
}

bool GameSession::RefusesGame() {
  if (record_failure_.empty()) return false;
  host.ShowMessage(record_failure_);
  return true;
}

void GameSession::PrepareGame(std::optional<std::string_view> typed_name) {
  GameState& state = *State;
  for (InfoLine& line : Form.History) line = InfoLine{};
  Store.StartGame();
  state.World.SheetAllowed = true;
  state.World.EquipmentAllowed = true;
  StartAudio();
  Form.InfoEnabled = true;
  state.NextLocation = 1;
  GameSkinValues = ReadGameSkin();
  ApplyGameSkin(Form, GameSkinValues);
  qv::StartNewGame(state, Record, typed_name);

  Store.LoadConstants();
  state.Weapons.Count = 0;
  LoadWeapons(Files, state, host);
  state.Armours.Count = 0;
  LoadArmour(Files, state, host);
  state.Items.Count = 0;
  LoadItems(Files, state, host);
  state.Spells.Count = 0;
  LoadSpells(Files, state, host);
  state.Attacks.Count = 0;
  LoadAttacks(Files, state, host);
  for (int32_t n = 1; n <= Catalog<Spell>::kCapacity; ++n) state.Spells.at(n).Known = 0;
  for (int32_t n = 1; n <= Catalog<Attack>::kCapacity; ++n) state.Attacks.at(n).Known = 0;
  EquipStartingGear(state);
}

void GameSession::StartAudio() {
  GameState& state = *State;
  state.AudioAvailable = SoundLibraryPresent();
  Form.AudioButtonVisible = state.AudioAvailable;
  Form.Audio = nullptr;
  Form.PlayingMusic = nullptr;
  Audio.reset();
  if (!state.AudioAvailable) return;
  Audio = std::make_unique<AudioPlayer>(AudioDevice());
  Form.Audio = Audio.get();
  // A saved position records what is playing.
  Form.PlayingMusic = [audio = Audio.get()] {
    return SavedPositionExtras{audio->MusicName.str(), audio->MusicKind};
  };
  ReadSettings(*Audio);  // an absent file keeps the player's own defaults
}

void GameSession::StartNewGame(std::optional<std::string_view> typed_name) {
  PrepareGame(typed_name);
  if (host.ProgramEnded()) return;
  // As if the player had chosen an option leading to location 1.
  Form.OptionClick();
}

bool GameSession::StartLoadedGame() {
  GameState& state = *State;
  PrepareGame(std::nullopt);
  if (host.ProgramEnded()) return false;

  // The whole file is read and checked before anything of it is used, so a
  // file that is no saved position leaves no half-restored game behind.
  SavedPositionReadResult read = ReadSavedPosition(state.LoadFileName);
  if (!read.ok()) {
    host.ShowMessage(read.Error.Message);
    return false;
  }
  const SavedPosition& position = *read.Position;
  ApplySavedBlocks(state, position);

  // Loads the location file and the libraries it refers to.
  {
    auto scratch = std::make_unique<TagStore>();
    scratch->ConditionSerial = state.ConditionSerial;
    const FetchOptions options{{}, state.World.PrefixEnabled, state.World.SuffixEnabled};
    const bool fetched = Store.FetchLocation(1, options, *scratch);
    state.ConditionSerial = scratch->ConditionSerial;
    if (!fetched) return false;  // the store has shown why and ended the program
  }
  if (!state.World.RedirectName.empty()) Form.RedirectTo(state.World.RedirectName.str());

  if (state.World.GameTitle != Record.Title.str() ||
      state.World.GameCode != Record.CheckString.str()) {
    host.ShowMessage(kForeignPosition);
    host.EndProgram();
    return false;
  }

  ApplySavedPossessions(state, position);
  if (!state.World.PrefixName.empty()) {
    Store.SetPrefix(&Store.FindOrLoadLibrary(state.World.PrefixName.str()));
  }
  if (!state.World.SuffixName.empty()) {
    Store.SetSuffix(&Store.FindOrLoadLibrary(state.World.SuffixName.str()));
  }
  state.World.MenuOptionCount = 0;
  // The music the position was saved with: a stream for kind 1, a track
  // for kind 2; without a sound library a restored game stays silent.
  if (Audio && !state.World.MusicName.empty()) {
    if (state.World.MusicKind == 1) Audio->PlayStreamFile(state.World.MusicName);
    if (state.World.MusicKind == 2) Audio->PlayTrackFile(state.World.MusicName);
  }
  Form.ContentHolder.clear();  // what SEZNAMPROMENNYCH last listed

  state.ContinueMode = true;
  state.NextLocation = state.World.Location;
  Form.MenuLeft = 98 - 3 * static_cast<int>(state.World.MenuHeading.size());
  // Only "Pokračovat" is offered; the page it shows brings the other
  // buttons back as SheetAllowed and EquipmentAllowed say.
  Form.SheetButtonVisible = false;
  Form.EquipmentButtonVisible = false;
  Form.ContinueButtonVisible = true;
  return true;
}

}  // namespace qv
