// A gamebook written by a test into a fresh working directory, and a game
// session over it with a recording host and fixed dice.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "data/file_bytes.h"
#include "data/init_record.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "interpreter/game_session.h"
#include "parser/random_source.h"
#include "support/czech_text.h"

namespace qv {

// The record of the test gamebooks: 20 hit points, 5 mana, strength 3,
// dexterity 2, speed 3, energy 15, 10 money, no experience.
inline InitRecord TestInitRecord() {
  InitRecord record;
  record.Zivoty = {20, 10, 2};
  record.Mana = {5, 10, 2};
  record.Sila = {3, 10, 2};
  record.Obratnost = {2, 10, 2};
  record.Rychlost = {3, 10, 2};
  record.Energie = {15, 10, 2};
  record.CheckString = "";
  record.HeroName = "Hrdina";
  record.AskName = 0;
  record.Title = "Test";
  record.AuthorLine = "Autor";
  record.Penize = 10;
  record.CurrencyName = Cz("zlaťáků");
  record.Zkusenosti = 0;
  return record;
}

class GamebookFixture : public ::testing::Test {
 protected:
  // Writes ./data/data.qvl (and the initialization record, once).
  void WriteLocations(std::string_view text) { WriteBytes("data/data.qvl", text); }
  void WriteDataFile(std::string_view name, std::string_view text) {
    WriteBytes("data/" + std::string(name) + ".qvl", text);
  }
  void WriteInitRecord(const InitRecord& record) {
    WriteBytes("data/inicializace.qvl", record.EncodeToBytes());
  }

  // Creates the session, reads the record and starts a new game on
  // location 1.
  GameSession& Start() {
    if (!std::filesystem::exists("data/inicializace.qvl")) WriteInitRecord(TestInitRecord());
    session = std::make_unique<GameSession>(host, random);
    session->LoadInitRecord();
    session->StartNewGame();
    return *session;
  }

  GameWindow& Form() { return session->Form; }
  GameState& State() { return *session->State; }

  TempWorkDir dir;
  RecordingHost host;
  SeededRandomSource random{1};
  std::unique_ptr<GameSession> session;
};

}  // namespace qv
