// The `dump` line of a scripted run: one JSON object with every key of the
// scripted-play contract, in its order; windows that are not open give null.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "interpreter/game_session.h"
#include "parser/location_store.h"
#include "script/script_host.h"
#include "script/window_driver.h"
#include "script/window_stack.h"
#include "state/load_list_window.h"

namespace qv {

using WindowDrivers = std::map<std::string, std::unique_ptr<WindowDriver>, std::less<>>;

struct DumpSources {
  const GameSession& Session;
  const WindowStack& Windows;
  const ScriptHost& Host;
  const LoadListWindow& LoadList;  // the load list, when it is open
  const WindowDrivers& Drivers;
  // Every call the audio player made to its sound device, as text; none
  // when its device keeps no log.
  const std::vector<std::string>* AudioCalls = nullptr;
};

nlohmann::ordered_json BuildDump(const DumpSources& sources);

// The "state" object: the game state as a gamebook's tests check it.
nlohmann::ordered_json DumpGameState(const GameState& state, const LocationStore& store);

// One line of JSON (UTF-8, no line breaks inside).
std::string JsonLine(const nlohmann::ordered_json& value);

}  // namespace qv
