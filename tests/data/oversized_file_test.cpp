// Game files far larger than any gamebook are refused before they are read
// into memory. The tests make them sparse: a gigabyte that takes no disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/game_files.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "parser/location_store.h"
#include "parser/tag_store.h"
#include "support/czech_text.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr off_t kGigabyte = 1024L * 1024 * 1024;

// Writes TEXT at the start of PATH and stretches the file to SIZE bytes
// without writing them.
void WriteSparse(const fs::path& path, std::string_view text, off_t size) {
  WriteBytes(path, text);
  const int fd = ::open(path.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  ::close(fd);
}

TEST(OversizedGameFile, GigabyteDataFileIsRefusedNotReadIntoMemory) {
  TempWorkDir dir;
  WriteSparse("data/data.qvl", "<1><text obsah=\"a\">", kGigabyte);
  RecordingHost host;
  GameFiles files(host);
  EXPECT_EQ(files.ReadGameFile("data"), std::nullopt);

  // The game then reports the first location as missing and ends, as for a
  // data file that is not there.
  LocationStore store(files, host);
  TagStore tags;
  EXPECT_FALSE(store.FetchLocation(1, {}, tags));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Nenalezeno lokace <1>"});
  EXPECT_TRUE(host.ended);
}

TEST(OversizedGameFile, GigabyteScrambledFileIsReportedAsFaulty) {
  TempWorkDir dir;
  WriteSparse("data/zasifrovane/zbrane.qvl", Scramble("Kniha", "1 \"A\" \"a\" 1k6, 1, 1;"),
              kGigabyte);
  RecordingHost host;
  GameFiles files(host, "Kniha");
  EXPECT_EQ(files.ReadGameFile("zbrane"), std::nullopt);
  EXPECT_EQ(host.messages, std::vector<std::string>{Cz("Chybné soubory - zbrane.qvl !")});
  EXPECT_FALSE(fs::exists("data/temp/zbrane.qvl"));
}

TEST(OversizedGameFile, FileJustOverTheLimitIsRefusedAndOneWithinIsRead) {
  TempWorkDir dir;
  WriteSparse("data/konstanty.qvl", "A=B;", static_cast<off_t>(kMaxGameFileSize) + 1);
  RecordingHost host;
  GameFiles files(host);
  EXPECT_EQ(files.ReadGameFile("konstanty"), std::nullopt);
  WriteBytes("data/konstanty.qvl", "A=B;");
  EXPECT_EQ(files.ReadGameFile("konstanty"), "A=B;");
}

}  // namespace
}  // namespace qv
