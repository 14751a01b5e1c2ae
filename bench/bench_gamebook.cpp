#include "bench_gamebook.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace qv::bench {
namespace {

namespace fs = std::filesystem;

class GamebookDir {
 public:
  GamebookDir(int locations, BookShape shape) {
    std::string pattern = (fs::temp_directory_path() / "quarvelin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    book_ = WriteSyntheticGamebook(path_, SizeOfShape(shape, locations));
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

const SyntheticGamebook& UseGamebook(int locations, BookShape shape) {
  static std::map<std::pair<int, BookShape>, GamebookDir> dirs;
  const std::pair key{locations, shape};
  auto it = dirs.find(key);
  if (it == dirs.end()) {
    it = dirs.emplace(std::piecewise_construct, std::forward_as_tuple(key),
                      std::forward_as_tuple(locations, shape))
             .first;
  }
  fs::current_path(it->second.path());
  return it->second.book();
}

BookShape ShapeArgument(int64_t argument) {
  return argument == 0 ? BookShape::kPlain : BookShape::kDenseConstants;
}

StartedGame::StartedGame(int locations, BookShape shape) : book(&UseGamebook(locations, shape)) {
  session = std::make_unique<GameSession>(host, random);
  session->LoadInitRecord();
  session->StartNewGame();
}

}  // namespace qv::bench
