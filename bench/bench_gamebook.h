// Generated gamebooks for the benchmark suites: each size is written once
// into its own temporary directory (removed at exit), and a benchmark works
// in the directory of the book it measures.
#pragma once

#include <memory>

#include "host/recording_host.h"
#include "interpreter/game_session.h"
#include "parser/random_source.h"
#include "synthetic_gamebook.h"

namespace qv::bench {

// Writes the book of that many locations and that shape on first use and
// makes its directory the working directory.
const SyntheticGamebook& UseGamebook(int locations, BookShape shape = BookShape::kPlain);

// The shape a benchmark argument names: 0 plain, 1 dense constants.
BookShape ShapeArgument(int64_t argument);

// A started game on the book of that many locations: location 1 shown.
struct StartedGame {
  explicit StartedGame(int locations, BookShape shape = BookShape::kPlain);
  RecordingHost host;
  SeededRandomSource random{7};
  std::unique_ptr<GameSession> session;
  const SyntheticGamebook* book = nullptr;
};

}  // namespace qv::bench
