// The options of `quarvelin script` and their command line.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "comforts/comfort_settings.h"

namespace qv {

struct ScriptOptions {
  std::string Directory;  // the gamebook folder; empty: the current directory
  int ScreenWidth = 1024;
  int ScreenHeight = 768;
  std::optional<uint64_t> Seed;  // every draw from one generator seeded with it
  bool Gui = false;              // drive the desktop windows instead
  // The reading comforts the command line turns on. Scripts never read the
  // player's stored preferences: a run depends on its command line alone.
  ComfortFlags Comforts;
};

struct ScriptInvocation {
  std::string ScriptPath;  // "-": standard input
  ScriptOptions Options;
};

// "WxH" with both sides at least 1, e.g. "640x480".
std::optional<std::pair<int, int>> ParseScreenSize(std::string_view text);

// The arguments after "script": SCRIPT [-C DIR] [--screen WxH] [--seed N]
// [--gui] and the comfort flags (comforts/comfort_settings.h), options in
// any order. The error text says what is wrong.
std::variant<ScriptInvocation, std::string> ParseScriptArguments(
    std::span<const std::string_view> args);

}  // namespace qv
