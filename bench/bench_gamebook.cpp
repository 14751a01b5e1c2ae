#include "bench_gamebook.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace qv::bench {
namespace {

namespace fs = std::filesystem;

class GamebookDir {
 public:
  explicit GamebookDir(int locations) {
    std::string pattern = (fs::temp_directory_path() / "quarvelin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    book_ = WriteSyntheticGamebook(path_, {.Locations = locations});
  }
  ~GamebookDir() {
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  const SyntheticGamebook& book() const { return book_; }

 private:
  fs::path path_;
  SyntheticGamebook book_;
};

}  // namespace

const SyntheticGamebook& UseGamebook(int locations) {
  static std::map<int, GamebookDir> dirs;
  auto it = dirs.find(locations);
  if (it == dirs.end()) it = dirs.try_emplace(locations, locations).first;
  fs::current_path(it->second.path());
  return it->second.book();
}

StartedGame::StartedGame(int locations) : book(&UseGamebook(locations)) {
  session = std::make_unique<GameSession>(host, random);
  session->LoadInitRecord();
  session->StartNewGame();
}

}  // namespace qv::bench
