#include "interpreter/game_session.h"

#include "audio/audio_availability.h"
#include "data/catalog_loader.h"
#include "data/init_record_file.h"
#include "interpreter/game_skin.h"
#include "state/settings.h"

namespace qv {

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
  std::optional<InitRecord> record = qv::LoadInitRecord(host);
  if (!record) return false;
  Record = *record;
  Files.SetCheckString(Record.CheckString.str());
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
  Audio.reset();
  if (!state.AudioAvailable) return;
  Audio = std::make_unique<TAudio>(AudioDevice());
  Form.Audio = Audio.get();
  ReadSettings(*Audio);  // an absent file keeps the player's own defaults
}

void GameSession::StartNewGame(std::optional<std::string_view> typed_name) {
  PrepareGame(typed_name);
  if (host.ProgramEnded()) return;
  // As if the player had chosen an option leading to location 1.
  Form.Button1Click();
}

}  // namespace qv
