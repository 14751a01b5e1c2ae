// The objects of one run of the player: the game state, the gamebook's files
// and location store, and the game window. Hosts create one session and
// drive its windows.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "audio/audio_backend.h"
#include "audio/audio_player.h"
#include "audio/recording_audio_backend.h"
#include "data/game_files.h"
#include "data/init_record.h"
#include "host/host.h"
#include "interpreter/game_window.h"
#include "parser/location_store.h"
#include "parser/random_source.h"
#include "state/game_state.h"
#include "state/saved_position.h"
#include "ui/skin.h"

namespace qv {

class GameSession {
 public:
  // Reads the menu skin, as the main menu does when it is created.
  // `audio_device` is the sound device the audio player will play through;
  // without one the player plays through a silent recording device.
  GameSession(Host& host, RandomSource& random, AudioBackend* audio_device = nullptr);

  // Reads the initialization record, as the main menu does when it is
  // created. False (the message shown) when it cannot be read; the menu
  // still opens, but no game starts (RefusesGame).
  bool LoadInitRecord();

  // Asked before a game is started or loaded from the start windows: true,
  // with the message of LoadInitRecord shown again, when the record could
  // not be read. The record holds the hero and the gamebook's identity; a
  // game without it would be no game of this gamebook.
  bool RefusesGame();

  // Whether a new game first asks for the hero's name.
  bool AsksForName() const { return Record.AskName == 1; }

  // Starts a new game and shows location 1, as the game window does when it
  // is first shown. `typed_name` is what the name window took, if it opened.
  void StartNewGame(std::optional<std::string_view> typed_name = std::nullopt);

  // The game-start steps shared by a new and a restored game, up to the
  // moment the first location would be shown.
  void PrepareGame(std::optional<std::string_view> typed_name);

  // Starts the game with the saved position the load list chose
  // (State->LoadFileName): the new-game steps, then the position restored
  // over them; the game then waits for "Pokračovat". False when no game was
  // started: the file could not be read or is no saved position (the message
  // shown, nothing of it restored; the opener stays in the start windows),
  // it belongs to another gamebook (the message shown and the program told
  // to end), or the location file is broken.
  bool StartLoadedGame();

  Host& host;
  RandomSource& Random;
  InitRecord Record;
  // Large (about half a megabyte): sessions live on the heap.
  std::unique_ptr<GameState> State;
  GameFiles Files;
  LocationStore Store;
  GameWindow Form;
  MenuSkin MenuSkinValues;  // read when the session is created
  GameSkin GameSkinValues;  // read at the start of a game

 private:
  // Why the record could not be read; empty once it has been.
  std::string record_failure_;
  // Before the player, which keeps a reference to its device.
  AudioBackend* audio_device_;
  RecordingAudioBackend silent_device_;

 public:
  // The audio player, created at the start of a game when the sound library
  // is present (State->AudioAvailable); Form.Audio points to it.
  std::unique_ptr<AudioPlayer> Audio;

  AudioBackend& AudioDevice() { return audio_device_ ? *audio_device_ : silent_device_; }

 private:
  // Whether there is sound; the player and its settings when there is.
  void StartAudio();
};

}  // namespace qv
